// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rows.h"

#include "Command.h"

#include <QDateTime>

#include <algorithm>

namespace tarn::cli {

namespace {
// A moment of the text form: local time, to the second.
QString localText(const QString& moment) {
    const QDateTime at = QDateTime::fromString(moment, Qt::ISODate);
    return at.isValid() ? at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : moment;
}
} // namespace

void printRows(Console& console, const RowTable& table, Format format) {
    std::vector<QStringList> texts = table.rows;
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        if (format == Format::Text && table.moments.contains(table.columns[i]))
            for (QStringList& row : texts)
                if (i < row.size())
                    row[i] = localText(row[i]);
    // The text form's lines: a header and the columns aligned.
    std::vector<qsizetype> width;
    for (const QString& c : table.columns)
        width.push_back(c.size());
    for (const QStringList& row : texts)
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
    for (size_t r = 0; r < table.rows.size(); ++r) {
        QVariantList values;
        for (qsizetype i = 0; i < table.rows[r].size(); ++i) {
            const QString& field = table.rows[r][i];
            const QString column = table.columns.value(i);
            bool whole = false;
            const qlonglong number = field.toLongLong(&whole);
            if (table.numbers.contains(column) && whole)
                values << number;
            else if (table.moments.contains(column) && field.isEmpty())
                values << QVariant();
            else
                values << field;
        }
        rows.add(line(texts[r]), values);
    }
}

} // namespace tarn::cli
