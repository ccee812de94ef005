// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleText.h"

namespace tarn {

QString columnCaption(TableKind kind, int col) {
    static const QVector<ColumnFormat> plu =
        parseFormat(QString::fromLatin1(sideOf(TableKind::Plu).formatString));
    static const QVector<ColumnFormat> ingred =
        parseFormat(QString::fromLatin1(sideOf(TableKind::Ingred).formatString));
    return (kind == TableKind::Plu ? plu : ingred).value(col).caption.trimmed();
}

std::optional<TextField> textFieldOf(TableKind kind, int col) {
    if (kind == TableKind::Plu)
        return col == 2 || col == 3 ? std::optional(TextField::PluName) : std::nullopt;
    return col >= 2 && col <= 1 + kIngredLines ? std::optional(TextField::IngredLine)
                                               : std::nullopt;
}

QString keptOnScale(TextField field, const QString& text) {
    if (field == TextField::PluName)
        return text.size() > kPluNameChars ? text.right(kPluNameChars) : text;
    return text.left(kIngredLineChars);
}

std::optional<QString> cutOnScale(TableKind kind, int col, const QString& text) {
    const std::optional<TextField> field = textFieldOf(kind, col);
    if (!field)
        return std::nullopt;
    QString kept = keptOnScale(*field, text);
    if (kept.size() == text.size())
        return std::nullopt;
    return kept;
}

} // namespace tarn
