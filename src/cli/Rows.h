// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tarn::cli {

class Console;

// A command's answer as rows of named columns, printed apart from how they were found.
enum class RowFormat { Text, Csv, Json };
// "text", "csv" or "json".
std::optional<RowFormat> rowFormatOf(const QString& word);

struct Rows {
    QStringList columns; // the names, lower case with '_' (as json's keys and csv's header)
    std::vector<QStringList> rows;
};

// text: a header and aligned columns; csv: a header line, fields quoted where they must be;
// json: an array of objects, one for each row.
void printRows(Console& console, const Rows& rows, RowFormat format);

} // namespace tarn::cli
