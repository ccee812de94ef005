// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h"

#include <QString>

#include <optional>

namespace tarn {

// The text fields of both tables as the scale holds them: a fixed number of characters each.
// A PLU name keeps its last 28 characters when it is longer, an ingredient line its first 50.
enum class TextField { PluName, IngredLine };

inline constexpr int kPluNameChars = 28;
inline constexpr int kIngredLineChars = 50;

// The caption of grid column `col` of a table without its blanks ("Item Name1", "Message3"):
// the field names that messages use.
QString columnCaption(TableKind kind, int col);

// The text field shown in grid column `col` of a table; nullopt for the number columns.
std::optional<TextField> textFieldOf(TableKind kind, int col);

// What the scale keeps of `text` in the field: the text itself when it fits.
QString keptOnScale(TextField field, const QString& text);

// What the scale keeps of the text of grid column `col`, when that is less than the text;
// nullopt when the scale keeps all of it (or the column holds a number).
std::optional<QString> cutOnScale(TableKind kind, int col, const QString& text);

} // namespace tarn
