#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tarn::sim {

// The scale's single-byte character set (Windows-1252). The five bytes that the code page
// leaves undefined map to the C1 control characters of the same value, so every byte
// round-trips.
QString fromCp1252(const QByteArray& bytes);

// nullopt when a character has no byte in the code page.
std::optional<QByteArray> toCp1252(const QString& text);

} // namespace tarn::sim
