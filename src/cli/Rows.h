// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Format.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tarn::cli {

class Console;

// A command's answer as rows of named columns, printed apart from how they were found.
struct RowTable {
    QStringList columns; // the names, lower case with '_' (as json's keys and csv's header)
    std::vector<QStringList> rows;
    // Columns of whole numbers (numbers in json), and of moments: ISO 8601 in UTC
    // ("2026-12-07T15:03:53Z") as csv and json give them, local time in the text form; an
    // empty moment is null in json.
    QStringList numbers{};
    QStringList moments{};
};

// text: a header and aligned columns; csv and json as every command's --format prints them.
void printRows(Console& console, const RowTable& table, Format format);

} // namespace tarn::cli
