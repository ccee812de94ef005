// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <optional>

namespace tarn {

// A new, well-formed OLE2 compound file holding one stream under `streamName` ("Workbook",
// "Book"), built in memory; nothing when the stream cannot be stored.
std::optional<QByteArray> compoundFile(const QByteArray& stream, const char* streamName);

} // namespace tarn
