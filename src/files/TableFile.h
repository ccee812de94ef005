// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Records.h"
#include "Report.h"
#include "Workspace.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// The .PLU and .INGRED table files: one record per line, nine comma-separated fields, texts
// between double quotes, CR LF, Windows-1252 bytes. Written once for both tables; the record
// type (PluRecord or IngredRecord) is the only difference.

namespace tarn {

// Why a file or a grid could not be taken, and where.
struct FileProblem {
    int line = 0; // file line (1..) the problem stands on; 0 when not about a file line
    int row = 0;  // grid row (1..) of the cell; 0 when not about a cell
    int col = 0;  // grid column (1..9) of the cell or field; 0 when not about one
    QString what; // e.g. "U/Price is not a number"

    // The status line text: "ERROR! line 7: U/Price is not a number",
    // "ERROR! row 3: Item name1 contains a double quote", or "ERROR! " + what.
    QString message() const;
};

// (a) Reader: the bytes of a whole file into records, in file order (at most 200).
template <class R> struct ParsedFile {
    std::vector<R> records;
    std::optional<FileProblem> problem; // set: the file is refused as a whole
    bool ok() const { return !problem; }
};
template <class R> ParsedFile<R> parseTableFile(const QByteArray& bytes);

// (b) Writer: records into the bytes of a file. records[k] is reported as grid row k + 1.
// Refuses a text holding a double quote, a line break, or a character with no Windows-1252
// byte, since none of them can be read back.
struct WrittenFile {
    QByteArray bytes;
    std::optional<FileProblem> problem;
    bool ok() const { return !problem; }
};
template <class R> WrittenFile writeTableFile(std::span<const R> records);

// (c) Grid-to-table copy: grid rows 1.. into new records, up to the first row whose column 1
// is empty (at most 200 rows). Empty text cells become `emptyText`; an empty numeric cell in
// columns 2 to 9 reads as 0 and is listed in `emptyNumberCells`. Nothing is touched.
struct CopyOptions {
    QString emptyText = QStringLiteral(" ");
    int textLimit = -1; // keep at most this many characters of a text; -1 keeps all
};
template <class R> struct GridCopy {
    std::vector<R> records; // records[k] from grid row k + 1; the count is records.size()
    std::vector<std::pair<int, int>> emptyNumberCells; // (row, col), read as 0
    std::optional<FileProblem> problem;                // set: nothing was copied
    bool ok() const { return !problem; }
};
template <class R>
GridCopy<R> copyFromGrid(const TextGrid& grid, const CopyOptions& options = CopyOptions());

// Puts a successful copy into the table the way a file save does: slots 1..n and the count
// take the copied records, and an empty "Message No" cell of a copied row now shows "0".
template <class R> void applyGridCopy(Table<R>& table, const GridCopy<R>& copy);

// Why a save refuses the text of grid column `col` (1..9) of a table, in the words of its
// message after the row: "Tare 0.5 is not a whole number", "U/Price is a whole number (cents):
// type 1990" for a price typed "19,90" or "19.9", "Item name1 contains a double quote"; empty
// when the save takes it (an empty number cell reads as 0).
QString cellRefusal(TableKind kind, int col, const QString& text);

// (d) Table install, the load's steps: the grid's header format is set again, the count and
// slots 1..n take the records, grid rows 1..n show them and rows n+1..200 and their slots are
// cleared. The grid keeps its row and column counts, grown to 201 x 10 if it was smaller.
template <class R> void installRecords(Table<R>& table, std::span<const R> records);

// The operations of the file menus. They return what they came to: done with the count text,
// failed with an "ERROR! " text, or cancelled with no text; the caller shows it. A failure
// changes nothing.

// Reads the whole file first; only a complete, valid file replaces the table's model, grid,
// count and the file source. Text "PLU Count is n" / "Message Count is n".
[[nodiscard]] Report load(Workspace& workspace, TableKind kind, const QString& path);

// Copies the grid and encodes the file, then asks `choosePath` (the save dialog; nullopt is a
// cancel, which has no text and changes nothing) and writes a temporary file beside the
// target that replaces it only when complete. Then the model and count take the copy, the
// file source the path. Text "PLU Count is n" / "INGRED Count is n". A grid that cannot be
// saved fails before `choosePath` is asked.
using PathChooser = std::function<std::optional<QString>()>;
[[nodiscard]] Report save(Workspace& workspace, TableKind kind, const PathChooser& choosePath);
[[nodiscard]] Report save(Workspace& workspace, TableKind kind, const QString& path);

} // namespace tarn
