// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rows.h"

#include "Command.h"

#include <algorithm>

namespace tarn::cli {

void printRows(Console& console, const RowTable& table, Format format) {
    // The text form's lines: a header and the columns aligned.
    std::vector<qsizetype> width;
    for (const QString& c : table.columns)
        width.push_back(c.size());
    for (const QStringList& row : table.rows)
        for (qsizetype i = 0; i < row.size() && i < qsizetype(width.size()); ++i)
            width[size_t(i)] = std::max(width[size_t(i)], row[i].size());
    const auto line = [&](const QStringList& fields) {
        QString out;
        for (qsizetype i = 0; i < fields.size(); ++i)
            out += i + 1 == fields.size()
                       ? fields[i]
                       : fields[i].leftJustified(width[size_t(i)]) + QStringLiteral("  ");
        return out;
    };
    Rows rows(console, format, table.columns);
    if (format == Format::Text) {
        QStringList header = table.columns;
        for (QString& h : header)
            h = h.toUpper().replace(QLatin1Char('_'), QLatin1Char(' '));
        rows.add(line(header), {});
    }
    for (const QStringList& row : table.rows) {
        QVariantList values;
        for (const QString& field : row)
            values << field;
        rows.add(line(row), values);
    }
}

} // namespace tarn::cli
