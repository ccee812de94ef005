// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the .xlsx, .ods and .csv readers and writers share: the cells being gathered, the text
// of a number, and the zip package that .xlsx and .ods files are; and what the sheet import
// and the price list share: how a failure names its cell and file.

#include "Workbook.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QXmlStreamReader>

#include <memory>

typedef struct _GsfInfile GsfInfile;
typedef struct _GsfOutput GsfOutput;

namespace tarn::parts {

// No part of a package is inflated, and no .csv read, beyond this many bytes: far more than a
// table of 200 rows needs, and little enough to refuse a zip bomb at once.
constexpr qint64 kMaxPartBytes = 64 * 1024 * 1024;
// The most characters a cell may hold, as in Excel.
constexpr int kMaxCellChars = 32767;
// How deep the elements of a part may nest: far deeper than any spreadsheet program writes
// (a text in a few styled spans, rows in a few outline groups).
constexpr int kMaxNesting = 100;
// What a formula cell whose result was never computed and stored says.
QString uncomputedFormulaText();

// Why a cell's text cannot go into, or come out of, a spreadsheet cell: longer than a cell
// holds, or holding a control character other than tab, line feed and carriage return (which
// XML cannot carry); empty when it can.
QString cellTextProblem(QStringView text);
// The cell, or a Refused cell naming why its text cannot be taken.
SheetCell checkedCell(SheetCell cell);
// The first cell of a sheet to be written that no spreadsheet cell can hold, as
// "row 3, column B: why"; empty when every cell fits. Every writer asks this first.
QString unwritableCell(const WriteSheet& sheet);
// Whether column A of a row holding `cell` ends the table there: it holds nothing.
bool holdsNothing(const SheetCell& cell);

// A column's letters: "A" for 0, "Z", "AA", ...
QString columnLetters(qint64 col);
// The start of an import failure at a cell: "ERROR! sheet row 7, column B: ", the column
// counted from 0 for A.
QString cellPlace(int sheetRow, qint64 col);
// Why an import cannot take a cell: it holds an error value, or the reader refused it; empty
// when it can.
QString cellFault(const SheetCell& cell);
// The file's name without its folder, for messages.
QString fileNameOf(const QString& path);

// A count of repeats or characters ("1000000"), saturated at `cap`; nothing when it is not a
// whole number of plain digits.
std::optional<qint64> saturatedCount(QStringView text, qint64 cap);

// A number cell's text: a whole number in plain decimal ("12", "-5"), another in its shortest
// exact decimal form ("12.5", "0.1").
QString numberText(double d);

// The cells of sheet rows 1 to maxRows, columns A onwards `cols` wide, gathered in any order;
// past maxRows, in row order, only whether column A holds something (ReadSheet::rowsBeyond).
class SheetCells {
public:
    // Rows beyond are counted no further than this.
    static constexpr qint64 kMaxBeyond = 1 << 20;

    SheetCells(int maxRows, int cols) : maxRows_(maxRows), cols_(cols) {}
    // 0-based; texts are checked (checkedCell); other cells outside the area are dropped.
    void set(qint64 row, qint64 col, const SheetCell& cell);
    // Column A of `count` rows from `row` (at or past maxRows) on, in row order.
    void noteBeyond(qint64 row, qint64 count, bool filled);
    // Whether rows from `row` on no longer count: a row before it ended the rows beyond.
    bool beyondEnded(qint64 row) const;
    // Up to the last row that holds a cell.
    ReadSheet take(const QString& name);

private:
    int maxRows_;
    int cols_;
    QVector<QVector<SheetCell>> rows_;
    qint64 beyond_ = 0;
    bool beyondEnded_ = false;
};

// An .xlsx or .ods file opened as a zip package.
class ZipPackage {
public:
    explicit ZipPackage(const QString& path);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    bool isOpen() const { return zip_ != nullptr; }
    bool has(const QString& name) const;
    // A part by its full name ("xl/workbook.xml"), read as it is inflated; nothing, with the
    // reason in `why`, when it is missing or would inflate beyond kMaxPartBytes.
    std::unique_ptr<QIODevice> open(const QString& name, QString* why) const;

private:
    GsfInfile* zip_ = nullptr;
};

// Why a part read with `xml` could not be read: damaged, cut short or not well-formed.
QString xmlFailure(const QString& part, const QXmlStreamReader& xml);

// Reads on to the next start element within the current element; false at its end, or when
// the XML fails (xml.hasError() then). A DTD is refused, which no part of these files carries.
bool nextChild(QXmlStreamReader& xml);
// The reason text of a refused DTD, which xmlFailure puts in its own words.
QString dtdRefusedText();

// The bytes of a written file's parts, zipped: `stored` names the parts kept uncompressed.
// Nothing when the zip cannot be built.
struct ZipEntry {
    QString name;
    QByteArray bytes;
    bool stored = false;
};
std::optional<QByteArray> zipOf(const QVector<ZipEntry>& entries);

// What a container written into libgsf's `memory` output holds, when `ok` (everything written
// and closed); the output is closed and released either way.
std::optional<QByteArray> takeMemoryOutput(GsfOutput* memory, bool ok);

} // namespace tarn::parts
