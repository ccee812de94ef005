// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

#include <optional>

namespace tarn {

// One worksheet as texts, the way the program exchanges tables with a spreadsheet program.
// Row 0 is sheet row 1, column 0 is sheet column A.

struct SheetCell {
    // Refused: a cell the import cannot take as it stands (a formula never computed, a text
    // longer than a cell holds, a control character); its text says why.
    enum class Kind { Empty, Text, Number, Other, Error, Refused };
    Kind kind = Kind::Empty;
    QString text; // what the cell shows as text; empty for Empty and Error
};

struct ReadSheet {
    QString name;
    QVector<QVector<SheetCell>> rows; // each row holds exactly the columns asked for
    // The rows right after the last one asked for whose column A holds something, up to the
    // first whose column A is empty: the records a table of maxRows - 1 had to leave out.
    qint64 rowsBeyond = 0;
};

struct ReadOutcome {
    std::optional<ReadSheet> sheet;
    QString error; // set when sheet is empty: why the file could not be read
};

// Reads the first worksheet of an .xls workbook (BIFF8 in a "Workbook" stream, or BIFF5/7 in a
// "Book" stream): sheet rows 1 to maxRows (fewer when the sheet is shorter), columns A onwards
// `cols` wide. A text cell is its text; a whole number is its plain decimal text ("12");
// another number is its shortest exact decimal text ("12.5", "0.1"); a number in a date format
// is YYYY-MM-DD (a time HH:MM:SS, both "YYYY-MM-DD HH:MM:SS"); a boolean is 1 or 0; a formula
// gives its last result the same way. A cell holding an error value (#DIV/0!, #VALUE! ...) has
// kind Error. Anything that is not a readable workbook (not a compound file, no workbook
// stream, a cut-off or damaged stream) gives the error "not a workbook it can read" and no
// sheet; an encrypted one "the workbook is protected by a password".
ReadOutcome readWorkbook(const QString& path, int maxRows, int cols);

// One worksheet to write: its name (at most 31 characters), its cells as texts, and the
// width of each column in 1/256 of a character.
struct WriteSheet {
    QString name;
    QVector<QStringList> rows; // rows[r][c]; an empty text leaves the cell blank
    QVector<int> columnWidths; // columns A, B, ...; columns beyond keep the default width
    int activeRow = 0;         // the active cell and selection, 0-based
    int activeCol = 0;
};

// Widths that fit the longest text of each of the first `cols` columns, as a spreadsheet's
// column auto-fit would.
QVector<int> fittedWidths(const QVector<QStringList>& rows, int cols);

// True when a text is the canonical decimal form of a whole number ("12", "-5", "0"; not
// "012", " 12", "+1", "-0", "1.0"), short enough to be held exactly as a number. Such a text
// is stored as a number, as a spreadsheet program would store it when typed in; reading the
// number back gives the same text.
bool isWholeNumberText(const QString& text);

// Writes a new .xls workbook (an OLE2 compound file with a BIFF8 "Workbook" stream) holding
// the one worksheet; texts of up to 32,767 characters go into its shared-string table. The file is
// written to a temporary file beside the target and renamed over it, so a failure leaves any
// earlier file as it was. Returns an empty text on success, otherwise what went wrong.
QString writeWorkbook(const QString& path, const WriteSheet& sheet);

} // namespace tarn
