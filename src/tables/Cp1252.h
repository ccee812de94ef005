// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tarn {

// Windows-1252, the single-byte code page of the table files and of the scale's line. Text
// crosses into bytes only through these functions. The five byte values the code page leaves
// unassigned map to the C1 control characters of the same value, as Windows maps them, so
// every byte survives a round trip.

// Every character's byte, or nothing when some character has no byte in the code page.
std::optional<QByteArray> toCp1252(const QString& text);
// Every byte has a character, so decoding cannot fail; nothing is trimmed.
QString fromCp1252(const QByteArray& bytes);
// The first character (a surrogate pair kept whole) that has no byte; empty when there is none.
QString firstUnencodable(const QString& text);

} // namespace tarn
