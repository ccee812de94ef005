// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workbook.h"

#include <QString>

namespace tarn {

// The kinds of spreadsheet file the tables go through, told apart by the extension in any
// case: .xls (Excel 97-2003), .xlsx (Office Open XML), .ods (OpenDocument), .fods (flat
// OpenDocument, one XML file) and .csv (.txt too, as Excel's "Unicode text" is named). A name
// with any other extension, or none, is taken as .xls.
enum class SheetKind { Xls, Xlsx, Ods, Fods, Csv };

SheetKind sheetKindOf(const QString& path);
// Whether the name carries one of the extensions.
bool hasSheetExtension(const QString& path);

// The first worksheet of the file, read by the reader of its kind (see readWorkbook for what
// the cells hold), and the one worksheet written by the writer of its kind: a temporary file
// beside the target, renamed over it once complete. The same rules hold in every kind: a
// formula without a stored result, a text longer than 32,767 characters or one holding a
// control character (other than tab, line feed, carriage return) is a Refused cell when read
// and a failure when written; no element of an XML part may nest deeper than 100 levels.
ReadOutcome readSheetFile(const QString& path, int maxRows, int cols);
QString writeSheetFile(const QString& path, const WriteSheet& sheet);

// .xlsx: the first worksheet of the workbook, in the order of workbook.xml. Texts from the
// shared strings (all runs of a rich text) or inline; numbers as in readWorkbook, a date format
// of the styles (built-in or the workbook's own) giving YYYY-MM-DD; booleans 1 or 0; a formula
// gives its stored result. Written with texts as shared strings (an "_x" run that reads as a
// coded character has its underscore coded) and whole numbers as number cells.
ReadOutcome readXlsx(const QString& path, int maxRows, int cols);
QString writeXlsx(const QString& path, const WriteSheet& sheet);

// .ods: the first table of content.xml; repeated rows and cells are never expanded past the
// rows and columns asked for. Written with the same cells, widths and active cell as .xlsx.
ReadOutcome readOds(const QString& path, int maxRows, int cols);
QString writeOds(const QString& path, const WriteSheet& sheet);
// .fods: the same document as one XML file.
ReadOutcome readFods(const QString& path, int maxRows, int cols);
QString writeFods(const QString& path, const WriteSheet& sheet);

// .csv (RFC 4180): a byte-order mark decides the encoding (UTF-8, UTF-16 LE or BE); without
// one UTF-8 when the bytes are valid UTF-8, else Windows-1252. The separator is the one of
// comma, semicolon and tab that the first row holds most of (a comma on a tie). Every field is
// a text. Written as UTF-8 with a byte-order mark, commas and CR LF, quoted where needed.
ReadOutcome readCsv(const QString& path, int maxRows, int cols);
QString writeCsv(const QString& path, const WriteSheet& sheet);

} // namespace tarn
