// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook reader, in-process, on any bytes: it gives a sheet of the size asked for, or one
// of its own errors. Bytes that are no compound file are taken as a workbook stream on its own
// (where most of the reader's work lies, and much faster to vary than a whole file). A compound
// file that gives a sheet then goes through the whole import, as the PLU or as the ingredient
// table: it completes, or it ends at an "ERROR! " text and leaves the tables, counts and file
// source as they were.
#include "FuzzInput.h"

#include "SheetExchange.h"
#include "Workbook.h"
#include "WorkbookStream.h"
#include "Workspace.h"
#include "WorkspaceSnapshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace tarn;
using tarn::fuzz::require;

namespace {

const QString& scratchPath() {
    static const QString path = QDir::temp().filePath(
        QStringLiteral("tarnlink-fuzz-%1.xls").arg(QCoreApplication::applicationPid()));
    return path;
}

// One workspace for every run, started up again only after an import has changed it.
struct Bench {
    Workspace ws;
    testing::WorkspaceSnapshot fresh;
    bool changed = false;
    Bench() {
        ws.startUp();
        fresh = testing::WorkspaceSnapshot::of(ws);
    }
};

constexpr int kRows = kMaxRecords + 1;

// The reader on a workbook stream; true when it gives a sheet.
bool readsSheet(const QByteArray& stream) {
    const ReadOutcome read = readWorkbookStream(stream, kRows, kFieldColumns);
    if (!read.sheet) {
        require(read.error == QLatin1String("not a workbook it can read") ||
                    read.error == QLatin1String("the workbook is protected by a password"),
                "a refusal without its text");
        return false;
    }
    require(read.sheet->rows.size() <= kRows, "more rows than asked for");
    for (const QVector<SheetCell>& row : read.sheet->rows)
        require(row.size() == kFieldColumns, "a row of another width");
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Where the reader refuses the bytes, the import only passes the refusal on (the tests
    // check that); so it runs on the bytes that give a sheet.
    if (!bytes.startsWith(QByteArrayView("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))) {
        readsSheet(bytes);
        return 0;
    }
    const std::optional<QByteArray> stream = workbookStreamOfBytes(bytes);
    if (!stream || !readsSheet(*stream))
        return 0;

    const QString& path = scratchPath();
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "no scratch file");
        file.write(bytes);
    }
    static Bench& bench = *new Bench;
    if (bench.changed) {
        bench.ws.startUp();
        bench.changed = false;
    }
    Workspace& ws = bench.ws;
    // An odd size reads as the ingredient table.
    const TableKind kind = size % 2 ? TableKind::Ingred : TableKind::Plu;
    const Report import = importWorkbook(ws, kind, path);
    if (import) {
        bench.changed = true;
        require(ws.filePath() == path, "an import that does not name its file");
        const qint16 count = kind == TableKind::Plu ? ws.plu.count : ws.ingred.count;
        require(count >= 0 && count <= kMaxRecords, "an import count out of range");
    } else {
        require(import.last().startsWith(QLatin1String("ERROR! ")),
                "a failed import without an ERROR! text");
        require(testing::WorkspaceSnapshot::of(ws) == bench.fresh,
                "a failed import changed the tables");
    }
    return 0;
}
