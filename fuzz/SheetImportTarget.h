#pragma once

// The spreadsheet import (a reader chosen by the file's extension, then the cell conversion)
// on any bytes, as the PLU or as the ingredient table: it completes, or it ends at an "ERROR! "
// text and leaves the tables, counts and file source as they were.

#include "FuzzInput.h"

#include "SheetExchange.h"
#include "SheetParts.h"
#include "Workspace.h"
#include "WorkspaceSnapshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace tarn::fuzz {

// Bytes that do not start as a zip file ("PK") are the parts named in `names`, split at NUL
// bytes and zipped (stored or deflated by the first byte), so that the fuzzer works on the XML
// rather than on the compression.
inline QByteArray packageOf(const QByteArray& bytes, const QStringList& names) {
    if (bytes.startsWith("PK") || bytes.isEmpty())
        return bytes;
    const bool stored = quint8(bytes[0]) & 1;
    const QList<QByteArray> pieces = bytes.mid(1).split('\0');
    QVector<parts::ZipEntry> entries;
    for (qsizetype i = 0; i < pieces.size() && i < names.size(); ++i)
        entries.append({names[i], pieces[i], stored});
    return parts::zipOf(entries).value_or(QByteArray());
}

inline void importSheetBytes(const QByteArray& bytes, const char* extension) {
    static const QString path = QDir::temp().filePath(QStringLiteral("tarnlink-fuzz-%1.%2")
                                                          .arg(QCoreApplication::applicationPid())
                                                          .arg(QString::fromLatin1(extension)));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "no scratch file");
        file.write(bytes);
    }
    // An odd size reads as the ingredient table: each run pays for one read of the cells.
    const TableKind kind = bytes.size() % 2 ? TableKind::Ingred : TableKind::Plu;
    Workspace ws;
    ws.startUp();
    const testing::WorkspaceSnapshot before = testing::WorkspaceSnapshot::of(ws);
    if (importWorkbook(ws, kind, path)) {
        require(ws.filePath() == path, "an import that does not name its file");
        const qint16 count = kind == TableKind::Plu ? ws.plu.count : ws.ingred.count;
        require(count >= 0 && count <= kMaxRecords, "an import count out of range");
    } else {
        require(ws.lastStatus().startsWith(QLatin1String("ERROR! ")),
                "a failed import without an ERROR! text");
        require(testing::WorkspaceSnapshot::of(ws) == before, "a failed import changed the tables");
    }
}

} // namespace tarn::fuzz
