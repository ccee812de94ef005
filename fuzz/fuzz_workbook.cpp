// The workbook import (the workbook reader, in-process, and the cell conversion) on any bytes,
// as the PLU or as the ingredient table: it completes, or it ends at an "ERROR! " text and
// leaves the tables, counts and file source as they were.
#include "FuzzInput.h"

#include "SheetExchange.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString& path = scratchPath();
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "no scratch file");
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    // An odd size reads as the ingredient table: each run pays for one read of the cells.
    {
        const TableKind kind = size % 2 ? TableKind::Ingred : TableKind::Plu;
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
            require(testing::WorkspaceSnapshot::of(ws) == before,
                    "a failed import changed the tables");
        }
    }
    return 0;
}
