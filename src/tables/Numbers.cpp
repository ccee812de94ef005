// SPDX-License-Identifier: GPL-3.0-or-later
#include "Numbers.h"

#include <QCoreApplication>

#include <limits>

namespace tarn {

namespace {
// The reasons follow the field's name: "Tare is not a number".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(NumberResult)
};
} // namespace

QString NumberResult::reason() const {
    switch (error) {
    case Error::None:
        return {};
    case Error::NotANumber:
        //: after a field's name
        return Text::tr("is not a number");
    case Error::NotWhole:
        //: after a field's name; %1 is the text read
        return Text::tr("%1 is not a whole number").arg(text);
    case Error::OutOfRange:
        //: after a field's name
        return Text::tr("is out of range");
    }
    return {};
}

qint32 minOf(IntWidth width) {
    return width == IntWidth::Int16 ? std::numeric_limits<qint16>::min()
                                    : std::numeric_limits<qint32>::min();
}

qint32 maxOf(IntWidth width) {
    return width == IntWidth::Int16 ? std::numeric_limits<qint16>::max()
                                    : std::numeric_limits<qint32>::max();
}

NumberResult parseNumber(const QString& text, IntWidth width) {
    using Error = NumberResult::Error;
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    // Whole part, kept exact beyond the 32-bit range so that "99999999999" reads as out of range.
    const qint64 cap = qint64(std::numeric_limits<qint32>::max()) + 2;
    qint64 whole = 0;
    int wholeDigits = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        whole = std::min<qint64>(whole * 10 + (t[i].unicode() - '0'), cap);
        ++wholeDigits;
        ++i;
    }
    int fracDigits = 0;
    bool fraction = false; // a digit after the point that is not 0
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            fraction = fraction || t[i] != QLatin1Char('0');
            ++fracDigits;
            ++i;
        }
    }
    if (i != t.size() || wholeDigits + fracDigits == 0)
        return {Error::NotANumber, 0, {}};
    if (fraction)
        return {Error::NotWhole, 0, t};
    const qint64 value = negative ? -whole : whole;
    if (value < minOf(width) || value > maxOf(width))
        return {Error::OutOfRange, 0, {}};
    return {Error::None, qint32(value), {}};
}

} // namespace tarn
