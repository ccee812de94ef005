// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace tarn {

// Writes a whole file so that the target is always either the old complete file or the new
// complete one: the bytes go to a temporary file beside it, which replaces the target only
// once every byte is on disk. Returns an empty text on success, else the reason.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace tarn
