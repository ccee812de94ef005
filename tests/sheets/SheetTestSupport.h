#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Helpers shared by the workbook tests.

inline QString bookPath(const char* name) {
    return QStringLiteral(SHEETS_BOOKS "/") + QString::fromLatin1(name);
}

// What xlrd, an independent reader, finds in a workbook (see dump_workbook.py).
inline QStringList xlrdDump(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(SHEETS_TEST_SOURCE "/dump_workbook.py"), path});
    const bool finished = p.waitForFinished(60000);
    EXPECT_TRUE(finished);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
