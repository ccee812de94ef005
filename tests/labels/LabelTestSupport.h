// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Labels read back by independent readers: pdftotext for the texts, pdftoppm and zbarimg for
// the barcodes.

#include "Cp1252.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Texts as the failure shows them.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tarn::testing {

// A program's stdout; a program that is missing or fails is the test's failure.
inline QByteArray runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(10000)) {
        ADD_FAILURE() << program.toStdString() << " is missing: tools/install-deps installs it";
        return {};
    }
    p.waitForFinished(60000);
    // zbarimg exits 4 when it finds no barcode: the test's own check says so.
    if (p.exitCode() != 0 && !(program == QLatin1String("zbarimg") && p.exitCode() == 4))
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// The PDF's text, pages apart by form feeds, words on a line apart by blanks.
inline QString pdfText(const QString& pdf) {
    return QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
}

// Every barcode on the PDF's first page, rendered at 300 dpi: "CODE-128:2001", "EAN-8:...".
inline QStringList pdfBarcodes(const QString& pdf, const QString& folder) {
    const QString stem = folder + QStringLiteral("/page");
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, stem});
    QStringList found =
        QString::fromUtf8(runTool(QStringLiteral("zbarimg"), {QStringLiteral("-q"), stem + ".png"}))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    found.sort();
    return found;
}

// A .PLU file of these lines (each "PLU,NAME1,NAME2,PRICE,VALID,TARE,CODE,GROUP,MESSAGE"),
// written in the scale's code page.
inline void writePluFile(const QString& path, const QStringList& lines) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& line : lines)
        f.write(toCp1252(line + QStringLiteral("\r\n")).value());
}

} // namespace tarn::testing
