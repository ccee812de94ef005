#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace tarn {

// The checks a workbook stream passes before the cell reader (FreeXL) is let loose on it. The
// cell reader trusts the lengths inside the stream, so whatever it would read past is refused
// here first.

// The workbook stream ("Workbook", or "Book" in older files) of an .xls compound file; nothing
// when the file is no compound file or holds no such stream.
std::optional<QByteArray> workbookStreamOf(const QString& path);

enum class StreamCheck {
    Sound,
    Damaged,       // cut short, no worksheet, a record running past the end
    SharedStrings, // the shared-string table, or a cell's reference into it, does not hold
};

// Walks the workbook stream: its globals, the shared-string table (SST with its CONTINUE
// records) and the first worksheet's references into that table.
StreamCheck checkWorkbookStream(const QByteArray& stream);

// The number of unique strings in a BIFF8 shared-string table given as the data of its SST
// record followed by the data of each CONTINUE record after it; nothing when the counts, a
// string's length or option flags, or its formatting runs or phonetic data do not fit the
// records exactly. A string's characters may run on into the next CONTINUE record, which then
// begins with an option byte of its own (8-bit or 16-bit characters from there on).
std::optional<quint32> sharedStringCount(const QList<QByteArrayView>& pieces);

} // namespace tarn
