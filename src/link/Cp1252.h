#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <optional>

namespace tarn {

// Windows-1252, the scale's single-byte character set. (Qt 6.4's QStringConverter knows only
// the Unicode encodings, Latin-1 and the system's own, hence the table.) The five byte values
// that Windows-1252 leaves unassigned map to the C1 control characters of the same value, as
// Windows itself maps them, so every byte survives a round trip.
QChar cp1252ToChar(quint8 byte);
// The byte of a character, or nullopt when Windows-1252 has none for it.
std::optional<quint8> charToCp1252(QChar c);

// Each byte to its character; nothing is trimmed.
QString decodeCp1252(const QByteArray& bytes);
// The first character of `text` that has no byte, if any.
std::optional<QChar> firstUnencodable(const QString& text);
// Bytes of a text known to be encodable (see firstUnencodable).
QByteArray encodeCp1252(const QString& text);

} // namespace tarn
