// SPDX-License-Identifier: GPL-3.0-or-later
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

// The cells xlrd finds in the first worksheet's first `rows` rows and `cols` columns, as the
// import takes them (see dump_workbook.py --texts); `encoding` overrides an Excel 95 file's
// code page.
inline QStringList xlrdTexts(const QString& path, int rows, int cols, const char* encoding = "") {
    QStringList args = {QStringLiteral(SHEETS_TEST_SOURCE "/dump_workbook.py"),
                        QStringLiteral("--texts"), path, QString::number(rows),
                        QString::number(cols)};
    if (*encoding)
        args.append(QString::fromLatin1(encoding));
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), args);
    const bool finished = p.waitForFinished(60000);
    EXPECT_TRUE(finished);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
