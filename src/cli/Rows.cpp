// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rows.h"

#include "Command.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

namespace tarn::cli {

namespace {
// A moment of the text form: local time, to the second.
QString localText(const QString& moment) {
    const QDateTime at = QDateTime::fromString(moment, Qt::ISODate);
    return at.isValid() ? at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : moment;
}

// The text form's header of each column the commands give; csv and json name the columns as
// they are.
struct Header {
    const char* column;
    const char* text;
};
const Header kHeaders[] = {
    //: A column's header in the text form of tarnlink-cli scales and status, in capitals
    {"scale", QT_TRANSLATE_NOOP("Rows", "SCALE")},
    {"place", QT_TRANSLATE_NOOP("Rows", "PLACE")},
    {"names", QT_TRANSLATE_NOOP("Rows", "NAMES")},
    {"name", QT_TRANSLATE_NOOP("Rows", "NAME")},
    {"pc", QT_TRANSLATE_NOOP("Rows", "PC")},
    {"user", QT_TRANSLATE_NOOP("Rows", "USER")},
    {"last_job", QT_TRANSLATE_NOOP("Rows", "LAST JOB")},
    {"outcome", QT_TRANSLATE_NOOP("Rows", "OUTCOME")},
    {"ended", QT_TRANSLATE_NOOP("Rows", "ENDED")},
    {"how_ended", QT_TRANSLATE_NOOP("Rows", "HOW ENDED")},
    {"confirmed", QT_TRANSLATE_NOOP("Rows", "CONFIRMED")},
    {"holds", QT_TRANSLATE_NOOP("Rows", "HOLDS")},
    {"differ", QT_TRANSLATE_NOOP("Rows", "DIFFER")},
    {"also_holds", QT_TRANSLATE_NOOP("Rows", "ALSO HOLDS")},
    {"why", QT_TRANSLATE_NOOP("Rows", "WHY")},
};

// A column's name in capitals, '_' a blank, in the program's words.
QString headerOf(const QString& column) {
    for (const Header& h : kHeaders)
        if (column == QLatin1String(h.column))
            return QCoreApplication::translate("Rows", h.text);
    return column.toUpper().replace(QLatin1Char('_'), QLatin1Char(' '));
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
    QStringList header;
    for (const QString& c : table.columns)
        header << headerOf(c);
    std::vector<qsizetype> width;
    for (const QString& h : header)
        width.push_back(h.size());
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
    if (format == Format::Text)
        rows.add(line(header), {});
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
