#pragma once

#include "Workbook.h"

#include <QString>

namespace tarn {

// The four kinds of spreadsheet file the tables go through, told apart by the extension in any
// case: .xls (Excel 97-2003), .xlsx (Office Open XML), .ods (OpenDocument) and .csv. A name
// with any other extension, or none, is taken as .xls.
enum class SheetKind { Xls, Xlsx, Ods, Csv };

SheetKind sheetKindOf(const QString& path);
// Whether the name carries one of the four extensions.
bool hasSheetExtension(const QString& path);

// The first worksheet of the file, read by the reader of its kind (see readWorkbook for what
// the cells hold), and the one worksheet written by the writer of its kind: a temporary file
// beside the target, renamed over it once complete.
ReadOutcome readSheetFile(const QString& path, int maxRows, int cols);
QString writeSheetFile(const QString& path, const WriteSheet& sheet);

// .xlsx: the first worksheet of the workbook, in the order of workbook.xml. Texts from the
// shared strings (all runs of a rich text) or inline; numbers as in readWorkbook; booleans 1 or
// 0; a formula gives its stored result. Written with texts as shared strings and whole numbers
// as number cells.
ReadOutcome readXlsx(const QString& path, int maxRows, int cols);
QString writeXlsx(const QString& path, const WriteSheet& sheet);

// .ods: the first table of content.xml; repeated rows and cells are never expanded past the
// rows and columns asked for. Written with the same cells, widths and active cell as .xlsx.
ReadOutcome readOds(const QString& path, int maxRows, int cols);
QString writeOds(const QString& path, const WriteSheet& sheet);

// .csv (RFC 4180): UTF-8 with or without a byte-order mark, else Windows-1252; comma-separated,
// or semicolon-separated when the first row holds more semicolons than commas. Every field is
// a text. Written as UTF-8 with a byte-order mark, commas and CR LF, quoted where needed.
ReadOutcome readCsv(const QString& path, int maxRows, int cols);
QString writeCsv(const QString& path, const WriteSheet& sheet);

} // namespace tarn
