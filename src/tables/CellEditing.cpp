// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellEditing.h"

namespace tarn {

bool isEditableCell(const TextGrid& grid) {
    return grid.row() >= 1 && grid.col() >= 1;
}

QString openingText(const QString& typed, const QString& cellText) {
    if (typed.isEmpty())
        return cellText;
    const QChar first = typed.front();
    // The blank and every control character (DEL and the C1 range included) open the cell's own
    // text; they would only put invisible characters into a cell.
    if (first.unicode() <= 0x20 || first.category() == QChar::Other_Control)
        return cellText;
    return typed;
}

EnterResult enterKey(TextGrid& grid, const std::function<void()>& commit) {
    const int r = grid.row();
    const int c = grid.col();
    const int n = grid.rows();
    const int lastCol = grid.cols() - 1;
    if (r == kRefusedEnterRow)
        return EnterResult::Refused;

    commit();
    if (c != lastCol) {
        grid.setCol(c + 1);
        return EnterResult::Moved;
    }
    if (r < n - 2) {
        grid.setCurrent(r + 1, 1);
        return EnterResult::Moved;
    }
    // On one of the last two rows: grow so that one numbered row stays below the next row.
    const int grown = r == n - 2 ? n + 1 : n + 2;
    grid.setRows(grown);
    for (int row = n; row < grown; ++row) {
        grid.setText(row, 0, QString::number(row));
        grid.setRowHeight(row, kGrownRowTwips);
    }
    grid.setCurrent(r + 1, 1);
    return EnterResult::Moved;
}

} // namespace tarn
