// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextGrid.h"

#include <QString>

#include <functional>

namespace tarn {

// The rules of in-place cell editing that do not depend on any widget: what text an edit opens
// with, and where Enter takes the cursor. The overlay box itself lives in the window.

// Rows the grid grows at its bottom get this height.
constexpr int kGrownRowTwips = 300;
// Enter on this row (the first row past the 200 records) is refused.
constexpr int kRefusedEnterRow = 201;

// Whether the cursor may carry an edit: the fixed row 0 and column 0 never do.
bool isEditableCell(const TextGrid& grid);

// The text an edit opens with when `typed` is typed on a cell holding `cellText`: a printable
// character replaces the cell's text; Enter, Backspace, Escape, the blank and the other control
// characters open with the cell's own text.
QString openingText(const QString& typed, const QString& cellText);

enum class EnterResult { Moved, Refused };

// Enter pressed while an edit is open on the grid's current cell. Refuses row 201 and leaves
// everything as it is. Otherwise calls `commit` while the edited cell is still current, then moves
// the cursor: one column right, or to column 1 of the next row from the last column. Leaving the
// last column on one of the last two rows grows the grid so that at least one numbered row of
// 300 twips stays below the cursor.
EnterResult enterKey(TextGrid& grid, const std::function<void()>& commit);

} // namespace tarn
