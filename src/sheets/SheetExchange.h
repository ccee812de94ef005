// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Report.h"
#include "Workspace.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

namespace tarn {

// What differs between the PLU and the ingredient workbook, as data. The import and the export
// are written once over the record type and read their texts and rules from here.
struct SheetSide {
    TableKind kind;
    const char* sheetPrefix;                        // "PLU " / "INGRED ", followed by dd.mm.yy
    std::array<const char*, kFieldColumns> headers; // row 1, columns A to I
    // The status texts, translated where they are shown (context "SheetExchange").
    const char* importStarts;  // before the open dialog
    const char* rowStatus;     // while rows are copied, %1 is column A
    const char* countStatus;   // %1 is the number of records read
    int textLimit;             // characters of a text field kept in the record
    const char* emptyTextFill; // what an empty text field becomes in the grid
};

const SheetSide& sheetSideOf(TableKind kind);

// The open and save dialogs' filters (.xls, .xlsx, .ods, .fods, .csv and .txt), and the status
// before the save dialog. The kind of file read or written follows the name's extension
// (SheetFile.h). The status is translated where it is shown (context "SheetExchange").
extern const char* const kWorkbookOpenFilter;
extern const char* const kWorkbookSaveFilter;
extern const char* const kWorkbookExportStarts;

// The worksheet name of an export on `date`: "PLU 06.12.26", "INGRED 06.12.26".
QString sheetNameFor(TableKind kind, const QDate& date);

// Replaces the table with the records of the first worksheet of the workbook at `path`:
// row 1 becomes the grid's captions, rows 2 to 201 the records up to the first row whose
// column A is empty. The whole sheet is read and converted before anything changes; only a
// complete import replaces grid, records, count and the workspace's file path. The report's
// texts are the progress and the outcome (" Open Excel File ", ... " Data is End "); a failure
// ends at an "ERROR! " text naming the sheet row and column, or saying that the file is not a
// workbook it can read. A cell the reader refused (a formula never computed, a text too long or
// with a control character) in the rows taken is a failure of that cell. The warnings of a
// completed import: the records past the 200th that were left out, or why nothing was imported.
// The text before the open dialog (SheetSide::importStarts) is the caller's.
template <class R> [[nodiscard]] Report importWorkbook(Workspace& ws, const QString& path);
[[nodiscard]] Report importWorkbook(Workspace& ws, TableKind kind, const QString& path);

// Writes the table's grid into a new workbook at `path`: the headers in row 1, then one grid row
// per sheet row from the first grid row on, up to the first row whose column 1 is empty or the
// grid's last row; columns fitted, A2 active. The target is replaced only by a complete file.
// Nothing in the workspace changes; the report's texts run from " Excel File Save " to
// " Save End", or end at an "ERROR! " text. The text before the save dialog
// (kWorkbookExportStarts) is the caller's.
template <class R>
[[nodiscard]] Report exportWorkbook(const Workspace& ws, const QString& path, const QDate& date);
[[nodiscard]] Report exportWorkbook(const Workspace& ws, TableKind kind, const QString& path,
                                    const QDate& date);

} // namespace tarn
