// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridBlock.h"

#include "CellEditing.h"

#include <algorithm>

namespace tarn {

namespace {

bool endsCell(const QString& text, qsizetype i) {
    return i == text.size() || text[i] == QLatin1Char('\t') || text[i] == QLatin1Char('\n') ||
           text[i] == QLatin1Char('\r');
}

// A quoted cell starting at `i`: its text and the position after the closing quote, or nothing
// when the quotes do not close right before a tab or line end (then the quote is plain text).
std::optional<std::pair<QString, qsizetype>> quotedCell(const QString& text, qsizetype i) {
    QString cell;
    for (qsizetype j = i + 1; j < text.size(); ++j) {
        if (text[j] != QLatin1Char('"')) {
            cell += text[j];
        } else if (j + 1 < text.size() && text[j + 1] == QLatin1Char('"')) {
            cell += QLatin1Char('"');
            ++j;
        } else {
            return endsCell(text, j + 1) ? std::optional(std::pair(cell, j + 1)) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& ch : text)
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QLatin1Char('\t'))
            ch = QLatin1Char(' ');
    return text;
}

QVector<QStringList> parseTabText(const QString& text) {
    QVector<QStringList> rows;
    QStringList row;
    QString cell;
    bool atCellStart = true;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar ch = text[i];
        if (atCellStart && ch == QLatin1Char('"')) {
            if (const auto quoted = quotedCell(text, i)) {
                cell = quoted->first;
                i = quoted->second;
                atCellStart = false;
                continue;
            }
        }
        if (ch == QLatin1Char('\t')) {
            row << cell;
            cell.clear();
            atCellStart = true;
        } else if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r')) {
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            atCellStart = true;
            if (ch == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            cell += ch;
            atCellStart = false;
        }
        ++i;
    }
    if (!atCellStart || !row.isEmpty()) {
        row << cell;
        rows << row;
    }
    return rows;
}

QString toTabText(const TextGrid& grid, const CellRange& range) {
    QString out;
    for (int r = range.top; r <= range.bottom; ++r) {
        for (int c = range.left; c <= range.right; ++c) {
            if (c > range.left)
                out += QLatin1Char('\t');
            QString cell = grid.text(r, c);
            if (cell.contains(QLatin1Char('\t')) || cell.contains(QLatin1Char('\n')) ||
                cell.contains(QLatin1Char('\r')) || cell.startsWith(QLatin1Char('"')))
                cell = QLatin1Char('"') + cell.replace(QLatin1String("\""), QLatin1String("\"\"")) +
                       QLatin1Char('"');
            out += cell;
        }
        out += QLatin1Char('\n');
    }
    return out;
}

PastePlan planPaste(const TextGrid& grid, int row, int col, const QVector<QStringList>& block) {
    PastePlan plan;
    plan.rows = grid.rows();
    if (block.isEmpty() || row < 1 || col < 1)
        return plan;
    const int lastRow = row + int(block.size()) - 1;
    if (lastRow >= kRefusedEnterRow) {
        plan.refused = true;
        return plan;
    }
    if (lastRow >= grid.rows() - 1)
        plan.rows = std::max(grid.rows(), lastRow + 2);
    for (int i = 0; i < block.size(); ++i) {
        const QStringList& cells = block[i];
        for (int j = 0; j < cells.size() && col + j < grid.cols(); ++j)
            plan.writes.push_back({row + i, col + j, oneLine(cells[j])});
    }
    return plan;
}

QVector<CellWrite> planClear(const TextGrid& grid, const CellRange& range) {
    QVector<CellWrite> writes;
    for (int r = std::max(range.top, 1); r <= std::min(range.bottom, grid.rows() - 1); ++r)
        for (int c = std::max(range.left, 1); c <= std::min(range.right, grid.cols() - 1); ++c)
            if (!grid.text(r, c).isEmpty())
                writes.push_back({r, c, QString()});
    return writes;
}

void growRows(TextGrid& grid, int rows) {
    const int before = grid.rows();
    if (rows <= before)
        return;
    grid.setRows(rows);
    for (int r = before; r < rows; ++r) {
        grid.setText(r, 0, QString::number(r));
        grid.setRowHeight(r, kGrownRowTwips);
    }
}

std::optional<std::pair<int, int>> findNext(const TextGrid& grid, const QString& needle, int row,
                                            int col) {
    const int width = grid.cols() - 1;
    const int cells = (grid.rows() - 1) * width;
    if (needle.isEmpty() || cells <= 0)
        return std::nullopt;
    // Cells counted from (1, 1) in reading order; the start is clamped into the editable part.
    const int start = (std::clamp(row, 1, grid.rows() - 1) - 1) * width +
                      (std::clamp(col, 1, grid.cols() - 1) - 1);
    for (int step = 1; step <= cells; ++step) {
        const int k = (start + step) % cells;
        const int r = k / width + 1;
        const int c = k % width + 1;
        if (grid.text(r, c).contains(needle, Qt::CaseInsensitive))
            return std::pair(r, c);
    }
    return std::nullopt;
}

} // namespace tarn
