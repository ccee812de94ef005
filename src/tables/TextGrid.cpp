// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextGrid.h"

#include <algorithm>

namespace tarn {

QVector<ColumnFormat> parseFormat(const QString& format) {
    QVector<ColumnFormat> columns;
    const QStringList parts = format.split(QLatin1Char('|'));
    for (const QString& part : parts) {
        ColumnFormat c;
        QString rest = part;
        if (rest.startsWith(QLatin1Char('^'))) {
            c.align = ColumnFormat::Align::Centre;
            rest.remove(0, 1);
        } else if (rest.startsWith(QLatin1Char('<'))) {
            c.align = ColumnFormat::Align::Left;
            rest.remove(0, 1);
        } else {
            c.align = ColumnFormat::Align::Left;
        }
        c.caption = rest;
        c.widthChars = int(rest.size());
        columns.push_back(c);
    }
    return columns;
}

TextGrid::TextGrid(QObject* parent) : QObject(parent) {
    resize(rows_, cols_);
}

void TextGrid::resize(int rows, int cols) {
    QVector<QString> cells(rows * cols);
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[r * cols + c] = cells_.value(index(r, c));
    cells_ = std::move(cells);
    heights_.resize(rows, kStandardHeight);
    if (heights_.size() > rows)
        heights_.resize(rows);
    rows_ = rows;
    cols_ = cols;
    columns_.resize(cols);
}

void TextGrid::setRows(int n) {
    n = std::max(n, 1); // a grid of its caption row alone is allowed
    if (n == rows_)
        return;
    if (row_ >= n)
        setRow(n - 1);
    resize(n, cols_);
    emit shapeChanged();
}

void TextGrid::setCols(int n) {
    n = std::max(n, 1);
    if (n == cols_)
        return;
    if (col_ >= n)
        setCol(n - 1);
    resize(rows_, n);
    emit shapeChanged();
}

void TextGrid::setFormat(const QString& format) {
    format_ = format;
    const QVector<ColumnFormat> parsed = parseFormat(format);
    for (int c = 0; c < cols_; ++c) {
        if (c < parsed.size()) {
            columns_[c] = parsed[c];
            cells_[index(0, c)] = parsed[c].caption;
        }
    }
    emit formatChanged();
}

ColumnFormat::Align TextGrid::align(int col) const {
    return col >= 0 && col < cols_ ? columns_[col].align : ColumnFormat::Align::Left;
}

int TextGrid::widthChars(int col) const {
    return col >= 0 && col < cols_ ? columns_[col].widthChars : 0;
}

QString TextGrid::text(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        return {};
    return cells_[index(row, col)];
}

void TextGrid::setText(int row, int col, const QString& text) {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        return;
    QString& cell = cells_[index(row, col)];
    if (cell == text)
        return;
    cell = text;
    emit cellChanged(row, col);
}

void TextGrid::setRow(int row) {
    setCurrent(row, col_);
}
void TextGrid::setCol(int col) {
    setCurrent(row_, col);
}

void TextGrid::setCurrent(int row, int col) {
    row = std::clamp(row, 0, rows_ - 1);
    col = std::clamp(col, 0, cols_ - 1);
    if (row == row_ && col == col_)
        return;
    emit leaveCell();
    row_ = row;
    col_ = col;
    emit currentChanged(row_, col_);
}

int TextGrid::rowHeight(int row) const {
    return row >= 0 && row < rows_ ? heights_[row] : kStandardHeight;
}

void TextGrid::setRowHeight(int row, int twips) {
    if (row < 0 || row >= rows_ || heights_[row] == twips)
        return;
    heights_[row] = twips;
    emit rowHeightChanged(row);
}

} // namespace tarn
