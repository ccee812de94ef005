#pragma once

#include <QString>
#include <QtGlobal>

namespace tarn {

enum class IntWidth { Int16, Int32 };

struct NumberResult {
    enum class Error { None, NotANumber, OutOfRange };
    Error error = Error::None;
    qint32 value = 0;
    bool ok() const { return error == Error::None; }
    // "is not a number" / "is out of range", for messages that name the field before it.
    QString reason() const;
};

// The one text-to-number conversion of the program (grid cells, file fields, workbook cells):
// decimal text with an optional sign, blanks around it allowed, a fraction rounded to the
// nearest integer with a half going to the even neighbour, checked against the field's range.
NumberResult parseNumber(const QString& text, IntWidth width);

qint32 minOf(IntWidth width);
qint32 maxOf(IntWidth width);

} // namespace tarn
