// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A spreadsheet reader on any bytes: it gives the cells of at most 201 rows, each exactly
// nine columns wide, or it refuses the file with a reason. What the import makes of the cells
// is the same for every kind and is fuzzed through the .xls target.

#include "FuzzInput.h"

#include "SheetFile.h"
#include "SheetParts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace tarn::fuzz {

using parts::SheetCells;

// Bytes that do not start as a zip file ("PK") are the parts named in `names`, split at NUL
// bytes and zipped uncompressed, so that the fuzzer works on the XML rather than on the
// compression (which the zip files of the corpus cover).
inline QByteArray packageOf(const QByteArray& bytes, const QStringList& names) {
    if (bytes.startsWith("PK") || bytes.isEmpty())
        return bytes;
    const QList<QByteArray> pieces = bytes.split('\0');
    QVector<parts::ZipEntry> entries;
    for (qsizetype i = 0; i < pieces.size() && i < names.size(); ++i)
        entries.append({names[i], pieces[i], true});
    return parts::zipOf(entries).value_or(QByteArray());
}

inline void readSheetBytes(const QByteArray& bytes, const char* extension) {
    // In memory where there is such a folder: the file is written and read on every run.
    static const QString path =
        QDir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                       : QDir::tempPath())
            .filePath(QStringLiteral("tarnlink-fuzz-%1.%2")
                          .arg(QCoreApplication::applicationPid())
                          .arg(QString::fromLatin1(extension)));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "no scratch file");
        file.write(bytes);
    }
    constexpr int kRows = 201;
    constexpr int kCols = 9;
    const ReadOutcome read = readSheetFile(path, kRows, kCols);
    if (!read.sheet) {
        require(!read.error.isEmpty(), "a refused file without a reason");
        return;
    }
    require(read.sheet->rows.size() <= kRows, "more rows than asked for");
    require(read.sheet->rowsBeyond >= 0 && read.sheet->rowsBeyond <= SheetCells::kMaxBeyond,
            "rows beyond out of range");
    for (const auto& row : read.sheet->rows) {
        require(row.size() == kCols, "a row of another width than asked for");
        for (const SheetCell& cell : row) {
            require(cell.text.size() <= parts::kMaxCellChars, "a cell text beyond its limit");
            require(cell.kind != SheetCell::Kind::Empty || cell.text.isEmpty(),
                    "an empty cell with a text");
            require(cell.kind != SheetCell::Kind::Refused || !cell.text.isEmpty(),
                    "a refused cell without a reason");
            require(cell.kind == SheetCell::Kind::Refused ||
                        parts::cellTextProblem(cell.text).isEmpty(),
                    "a cell text the import may not take");
        }
    }
}

} // namespace tarn::fuzz
