#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tarn {

// The single-byte code page of the table files and of the scale's line (Windows-1252).
// Text crosses into bytes only through these two functions.

// Every character's byte, or nothing when some character has no byte in the code page.
std::optional<QByteArray> toCp1252(const QString& text);
// Every byte has a character, so decoding cannot fail.
QString fromCp1252(const QByteArray& bytes);

} // namespace tarn
