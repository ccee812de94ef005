// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace tarn {

// Price decimals: 0 to 3, 2 for most currencies (the settings' "price decimals").
inline constexpr int kMaxPriceDecimals = 3;

enum class IntWidth { Int16, Int32 };

struct NumberResult {
    enum class Error { None, NotANumber, NotWhole, OutOfRange };
    Error error = Error::None;
    qint32 value = 0;
    QString text; // the text read, blanks around it dropped; kept for NotWhole's message
    bool ok() const { return error == Error::None; }
    // "is not a number" / "2.99 is not a whole number" / "is out of range", for messages that
    // name the field before it.
    QString reason() const;
};

// The one text-to-number conversion of the program (grid cells, file fields, workbook cells):
// decimal text with an optional sign, blanks around it allowed, checked against the field's
// range. The scale holds whole numbers only (a price in the smallest unit), so a fraction is
// refused, never rounded; a fraction part of zeros ("12.0", "12.") is a whole number.
NumberResult parseNumber(const QString& text, IntWidth width);

// The width of a record's number field of type T (qint16 or qint32).
template <class T> constexpr IntWidth widthOf() {
    return sizeof(T) == sizeof(qint16) ? IntWidth::Int16 : IntWidth::Int32;
}

qint32 minOf(IntWidth width);
qint32 maxOf(IntWidth width);

} // namespace tarn
