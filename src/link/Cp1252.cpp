#include "Cp1252.h"

#include <array>

namespace tarn {

namespace {
// Bytes 0x80 to 0x9F; everything else is the character of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QChar cp1252ToChar(quint8 byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

std::optional<quint8> charToCp1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return quint8(u);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u)
            return quint8(0x80 + i);
    return std::nullopt;
}

QString decodeCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.append(cp1252ToChar(quint8(b)));
    return text;
}

std::optional<QChar> firstUnencodable(const QString& text) {
    for (QChar c : text)
        if (!charToCp1252(c))
            return c;
    return std::nullopt;
}

QByteArray encodeCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(char(charToCp1252(c).value_or('?')));
    return bytes;
}

} // namespace tarn
