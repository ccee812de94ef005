// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rows.h"

#include "Command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace tarn::cli {

std::optional<RowFormat> rowFormatOf(const QString& word) {
    if (word == QLatin1String("text"))
        return RowFormat::Text;
    if (word == QLatin1String("csv"))
        return RowFormat::Csv;
    if (word == QLatin1String("json"))
        return RowFormat::Json;
    return std::nullopt;
}

namespace {

QString csvField(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

void printRows(Console& console, const Rows& rows, RowFormat format) {
    switch (format) {
    case RowFormat::Text: {
        std::vector<qsizetype> width;
        for (const QString& c : rows.columns)
            width.push_back(c.size());
        for (const QStringList& row : rows.rows)
            for (qsizetype i = 0; i < row.size() && i < qsizetype(width.size()); ++i)
                width[size_t(i)] = std::max(width[size_t(i)], row[i].size());
        const auto line = [&](const QStringList& fields) {
            QString out;
            for (qsizetype i = 0; i < fields.size(); ++i)
                out += i + 1 == fields.size()
                           ? fields[i]
                           : fields[i].leftJustified(width[size_t(i)]) + QStringLiteral("  ");
            console.line(out);
        };
        QStringList header = rows.columns;
        for (QString& h : header)
            h = h.toUpper().replace(QLatin1Char('_'), QLatin1Char(' '));
        line(header);
        for (const QStringList& row : rows.rows)
            line(row);
        break;
    }
    case RowFormat::Csv: {
        console.line(rows.columns.join(QLatin1Char(',')));
        for (const QStringList& row : rows.rows) {
            QStringList fields;
            for (const QString& f : row)
                fields << csvField(f);
            console.line(fields.join(QLatin1Char(',')));
        }
        break;
    }
    case RowFormat::Json: {
        QJsonArray all;
        for (const QStringList& row : rows.rows) {
            QJsonObject o;
            for (qsizetype i = 0; i < rows.columns.size() && i < row.size(); ++i)
                o.insert(rows.columns[i], row[i]);
            all.append(o);
        }
        console.line(
            QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Indented)).trimmed());
        break;
    }
    }
}

} // namespace tarn::cli
