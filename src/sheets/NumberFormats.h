// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How spreadsheets show a number through its number format: .xls and .xlsx keep dates and
// times as day numbers, and only the cell's format says that one is a date.

#include "Workbook.h"

namespace tarn::parts {

// How a number format shows a number.
enum class Shown { Number, Date, Time, DateTime };

// The built-in formats by their index, the same in .xls and .xlsx: 14 to 17 and the East
// Asian 27 to 36 and 50 to 58 are dates, 18 to 21 and 45 to 47 times, 22 both.
Shown builtinFormat(int index);

// A format's text: day, month and year letters make a date, hours, minutes and seconds a time,
// both a date and time; quoted texts, escaped characters and [colours] do not count, and a
// format with more digit places than date letters shows a number.
Shown formatText(const QString& format);

// A date or time serial number as text: YYYY-MM-DD, HH:MM:SS or both. A number before the
// first day a workbook can show, or after its last, stays a number.
SheetCell dateCell(double serial, bool from1904, Shown shown);

} // namespace tarn::parts
