// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberFormats.h"

#include "SheetParts.h"

#include <QDate>
#include <QTime>

#include <cmath>

namespace tarn::parts {

Shown builtinFormat(int index) {
    if ((index >= 14 && index <= 17) || (index >= 27 && index <= 36) ||
        (index >= 50 && index <= 58))
        return Shown::Date;
    if ((index >= 18 && index <= 21) || (index >= 45 && index <= 47))
        return Shown::Time;
    return index == 22 ? Shown::DateTime : Shown::Number;
}

Shown formatText(const QString& f) {
    bool date = false;
    bool time = false;
    int letters = 0;
    int digits = 0;
    QChar previous; // the last date or time letter
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QChar c = f[i].toLower();
        if (c == u'"') {
            while (++i < f.size() && f[i] != u'"') {
            }
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype end = f.indexOf(u']', i);
            const QString inside = f.mid(i + 1, end < 0 ? -1 : end - i - 1).toLower();
            if (!inside.isEmpty() &&
                (inside.count(u'h') == inside.size() || inside.count(u'm') == inside.size() ||
                 inside.count(u's') == inside.size())) {
                time = true; // elapsed hours, minutes or seconds
                ++letters;
            }
            i = end < 0 ? f.size() : end;
        } else if (c == u'y' || c == u'd') {
            date = true;
            ++letters;
            previous = c;
        } else if (c == u'h' || c == u's') {
            time = true;
            ++letters;
            previous = c;
        } else if (c == u'm') {
            // Minutes right after hours or right before seconds; a month otherwise.
            qsizetype j = i;
            while (j + 1 < f.size() && f[j + 1].toLower() == u'm')
                ++j;
            qsizetype k = j + 1;
            while (k < f.size() && !f[k].isLetter() && f[k] != u'"' && f[k] != u'[')
                ++k;
            const bool minutes = previous == u'h' || (k < f.size() && f[k].toLower() == u's');
            (minutes ? time : date) = true;
            ++letters;
            previous = u'm';
            i = j;
        } else if (c == u'0' || c == u'#' || c == u'?') {
            ++digits;
        }
    }
    if (letters == 0 || digits > letters)
        return Shown::Number;
    return date && time ? Shown::DateTime : date ? Shown::Date : Shown::Time;
}

SheetCell dateCell(double serial, bool from1904, Shown shown) {
    using K = SheetCell::Kind;
    constexpr double kLastDay = 2958466; // 10000-01-01 in the 1900 system
    if (!(serial >= 0 && serial < kLastDay))
        return {K::Number, numberText(serial)};
    const qint64 seconds = std::llround(serial * 86400);
    const qint64 days = seconds / 86400;
    const int inDay = int(seconds % 86400);
    const QTime t = QTime(0, 0).addSecs(inDay);
    if (shown == Shown::Time)
        return {K::Other, t.toString(QStringLiteral("HH:mm:ss"))};
    QDate d;
    if (from1904)
        d = QDate(1904, 1, 1).addDays(days);
    else if (days >= 61)
        d = QDate(1899, 12, 30).addDays(days);
    else if (days >= 1 && days < 60) // before the 29 February 1900 that the 1900 system counts
        d = QDate(1899, 12, 31).addDays(days);
    else
        return {K::Number, numberText(serial)};
    QString text = d.toString(QStringLiteral("yyyy-MM-dd"));
    if (shown == Shown::DateTime)
        text += QLatin1Char(' ') + t.toString(QStringLiteral("HH:mm:ss"));
    return {K::Other, text};
}

} // namespace tarn::parts
