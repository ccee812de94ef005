// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextGrid.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>
#include <utility>

// Blocks of cells between a grid and a spreadsheet: tab-separated text in and out, a paste
// worked out in full before anything is written, clearing, and finding a text.

namespace tarn {

// Grid rows top..bottom and columns left..right, both ends included.
struct CellRange {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;
};

struct CellWrite {
    int row = 0;
    int col = 0;
    QString text;
};

// Text as spreadsheets put it on the clipboard: one line per row, cells split at tabs. A cell in
// double quotes may hold tabs, line breaks and doubled quotes; a final line break ends the last
// row rather than starting another.
QVector<QStringList> parseTabText(const QString& text);

// The range's texts as such a text, one line per row, each line ending in a line break; a cell
// holding a tab, a line break or a leading double quote goes between double quotes.
QString toTabText(const TextGrid& grid, const CellRange& range);

// A text as a grid cell holds it, on one line: each line break (CR LF, CR or LF) and each tab
// becomes a blank.
QString oneLine(QString text);

struct PastePlan {
    bool refused = false; // a row of the block would land on row 201 or beyond
    int rows = 0;         // the grid's row count once the paste is written
    QVector<CellWrite> writes;
};

// The block written from (row, col) right and down, one cell of text per grid cell, as if each
// were typed and written in turn. Cells past the last column are dropped; a cell's line breaks
// and tabs become blanks, since a cell holds one line. A block that reaches past the grid's
// last row grows it the way Enter does, so that one numbered row stays below the block.
PastePlan planPaste(const TextGrid& grid, int row, int col, const QVector<QStringList>& block);

// Empties the range's editable cells: the writes for those that hold a text.
QVector<CellWrite> planClear(const TextGrid& grid, const CellRange& range);

// Grows the grid to `rows` rows, numbering each new row and giving it the height of a row that
// Enter adds.
void growRows(TextGrid& grid, int rows);

// The next cell after (row, col), row by row and wrapping past the end, whose text contains
// `needle` in any letter case; the start cell itself is looked at last. Fixed cells are skipped.
std::optional<std::pair<int, int>> findNext(const TextGrid& grid, const QString& needle, int row,
                                            int col);

} // namespace tarn
