// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workbook.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tarn {

// The two halves of reading an .xls workbook, for the tests and the fuzz target, which build,
// damage or hold a workbook in memory.

// The workbook stream of an .xls compound file: "Workbook" (Excel 97 and later), or "Book"
// (Excel 5.0/95), whatever the capitalisation of its name; nothing when the file is no
// compound file or holds no such stream.
std::optional<QByteArray> workbookStreamOf(const QString& path);
// The same of a compound file held in memory.
std::optional<QByteArray> workbookStreamOfBytes(const QByteArray& file);

// The first worksheet of a workbook stream (BIFF8, or BIFF5/7), as readWorkbook gives it.
ReadOutcome readWorkbookStream(const QByteArray& stream, int maxRows, int cols);

} // namespace tarn
