// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"

#include <array>

namespace tarn {

namespace {
// Bytes 0x80 to 0x9F; every other byte is the character of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> byteOf(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u)
            return char(0x80 + i);
    return std::nullopt;
}
} // namespace

std::optional<QByteArray> toCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const std::optional<char> b = byteOf(c);
        if (!b)
            return std::nullopt;
        bytes.append(*b);
    }
    return bytes;
}

QString fromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = quint8(b);
        text.append(u >= 0x80 && u <= 0x9F ? QChar(kHigh[u - 0x80]) : QChar(char16_t(u)));
    }
    return text;
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (byteOf(text[i]))
            continue;
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        return text.mid(i, n);
    }
    return {};
}

} // namespace tarn
