// SPDX-License-Identifier: GPL-3.0-or-later
#include "PriceList.h"

#include "Numbers.h"
#include "ScaleText.h"
#include "SheetFile.h"
#include "SheetParts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QSettings>

#include <algorithm>
#include <limits>
#include <type_traits>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PriceList)
};

const QString kError = QStringLiteral("ERROR! ");

// The width of the number field in grid column `col`; nothing for a text field.
std::optional<IntWidth> numberWidthOf(TableKind kind, int col) {
    std::optional<IntWidth> width;
    const auto look = [&](int c, const auto& field) {
        using T = std::decay_t<decltype(field)>;
        if constexpr (!std::is_same_v<T, QString>)
            if (c == col)
                width = widthOf<T>();
    };
    if (kind == TableKind::Plu)
        forEachField(PluRecord{}, look);
    else
        forEachField(IngredRecord{}, look);
    return width;
}

const SheetCell& cellAt(const ReadSheet& list, int row, int column) {
    static const SheetCell empty;
    if (row < 0 || row >= list.rows.size() || column < 0 || column >= list.rows[row].size())
        return empty;
    return list.rows[row][column];
}

// A header text's key in the settings: the same texts in any order give the same key.
QString settingsKey(TableKind kind, const ReadSheet& list) {
    QStringList texts = firstRowTexts(list);
    texts.removeAll(QString());
    texts.sort(Qt::CaseInsensitive);
    const QByteArray digest =
        QCryptographicHash::hash(texts.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("priceLists/%1/%2")
        .arg(QString::fromLatin1(sideOf(kind).name), QString::fromLatin1(digest.toHex()));
}

} // namespace

ReadOutcome readPriceList(const QString& path) {
    const int rows = kPriceListRows + 1; // one more, to see a list that is too long
    ReadOutcome read = readSheetFile(path, rows, kPriceListColumns);
    if (!read.sheet) {
        read.error = kError + parts::fileNameOf(path) + QStringLiteral(": ") + read.error;
        return read;
    }
    // A row past the list's rows holds something: the row right after them, or (with that one
    // empty) a run of rows further on whose column A holds something.
    auto& sheetRows = read.sheet->rows;
    const bool longer =
        read.sheet->rowsBeyond > 0 ||
        (sheetRows.size() > kPriceListRows &&
         std::any_of(sheetRows[kPriceListRows].begin(), sheetRows[kPriceListRows].end(),
                     [](const SheetCell& c) { return c.kind != SheetCell::Kind::Empty; }));
    if (longer)
        //: %1 is the file's name
        return {std::nullopt, Text::tr("ERROR! %1: more than %2 rows")
                                  .arg(parts::fileNameOf(path), QString::number(kPriceListRows))};
    if (sheetRows.size() > kPriceListRows)
        sheetRows.resize(kPriceListRows);
    return read;
}

QString fieldNameOf(TableKind kind, int col) {
    return columnCaption(kind, col);
}

int priceColumnOf(TableKind kind) {
    return kind == TableKind::Plu ? 4 : 0;
}

QString columnLetter(int column) {
    return parts::columnLetters(column);
}

PriceResult parsePrice(const QString& text, int decimals) {
    const QString t = text.trimmed();
    const auto digit = [&t](qsizetype k) {
        return k < t.size() && t[k] >= QLatin1Char('0') && t[k] <= QLatin1Char('9');
    };
    // Digits, then a point or a comma with at least one digit after it, and nothing else.
    const qint64 cap = qint64(std::numeric_limits<qint32>::max()) + 1;
    qint64 value = 0;
    qsizetype i = 0;
    while (digit(i))
        value = std::min(value * 10 + (t[i++].unicode() - '0'), cap);
    bool isPrice = i > 0;
    int places = 0;
    if (isPrice && i < t.size() && (t[i] == QLatin1Char('.') || t[i] == QLatin1Char(','))) {
        ++i;
        while (digit(i)) {
            value = std::min(value * 10 + (t[i++].unicode() - '0'), cap);
            ++places;
        }
        isPrice = places > 0;
    }
    if (!isPrice || i != t.size())
        //: after a field's name; %1 is the text read
        return {std::nullopt, Text::tr("%1 is not a price").arg(t)};
    if (places > decimals)
        return {std::nullopt,
                decimals == 0
                    //: after a field's name; %1 is the text read
                    ? Text::tr("%1 is not a whole number").arg(t)
                    //: after a field's name; %1 is the text read, %2 how many decimals a price has
                    : Text::tr("%1 has more than %2 decimals").arg(t, QString::number(decimals))};
    for (int k = places; k < decimals; ++k)
        value = std::min(value * 10, cap);
    if (value > std::numeric_limits<qint32>::max())
        //: after a field's name
        return {std::nullopt, Text::tr("is out of range")};
    return {qint32(value), {}};
}

QStringList firstRowTexts(const ReadSheet& list) {
    QStringList texts;
    for (int c = 0; c < kPriceListColumns; ++c)
        texts.append(cellAt(list, 0, c).text.trimmed());
    return texts;
}

bool hasHeaderRow(const ReadSheet& list, const ColumnMap& map) {
    const auto isText = [&list](int column) {
        const QString text = cellAt(list, 0, column).text;
        return !text.trimmed().isEmpty() &&
               parseNumber(text, IntWidth::Int32).error == NumberResult::Error::NotANumber;
    };
    // A key with a header above it; a key column without one is told by the rest of row 1.
    if (map.columns[0] >= 0 && !cellAt(list, 0, map.columns[0]).text.trimmed().isEmpty())
        return isText(map.columns[0]);
    bool anyText = false;
    for (int c = 0; c < kPriceListColumns; ++c) {
        const QString text = cellAt(list, 0, c).text;
        if (text.trimmed().isEmpty())
            continue;
        if (!isText(c))
            return false;
        anyText = true;
    }
    return anyText;
}

MapParse parseColumnMap(TableKind kind, const QString& text, const ReadSheet& list) {
    MapParse out;
    const QStringList headers = firstRowTexts(list);
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq < 0) {
            out.error = Text::tr("\"%1\" is not FIELD=COLUMN").arg(part.trimmed());
            return out;
        }
        const QString field = part.left(eq).trimmed();
        const QString column = part.mid(eq + 1).trimmed();
        int col = 0;
        for (int c = 1; c <= kFieldColumns && col == 0; ++c)
            if (fieldNameOf(kind, c).compare(field, Qt::CaseInsensitive) == 0)
                col = c;
        if (col == 0) {
            QStringList names;
            for (int c = 1; c <= kFieldColumns; ++c)
                names.append(fieldNameOf(kind, c));
            //: %1 is the name given, %2 the table (PLU, INGRED), %3 its fields' names
            out.error = Text::tr("%1 is not a field of the %2 table (%3)")
                            .arg(field, QString::fromLatin1(sideOf(kind).name),
                                 names.join(QStringLiteral(", ")));
            return out;
        }
        if (out.map.columns[size_t(col - 1)] >= 0) {
            out.error = Text::tr("%1 is mapped twice").arg(fieldNameOf(kind, col));
            return out;
        }
        // A header text first, then a column letter.
        int listColumn = -1;
        for (int c = 0; c < headers.size() && listColumn < 0; ++c)
            if (!column.isEmpty() && headers[c].compare(column, Qt::CaseInsensitive) == 0)
                listColumn = c;
        if (listColumn < 0 && column.size() == 1 && column[0].toUpper() >= QLatin1Char('A') &&
            column[0].toUpper() <= QLatin1Char('Z'))
            listColumn = column[0].toUpper().unicode() - u'A';
        if (listColumn < 0) {
            out.error = Text::tr("the list has no column \"%1\" (a header text of its first row, "
                                 "or a letter A to Z)")
                            .arg(column);
            return out;
        }
        out.map.columns[size_t(col - 1)] = listColumn;
    }
    if (out.map.columns[0] < 0)
        out.error = Text::tr("%1 must be mapped: it is the key").arg(fieldNameOf(kind, 1));
    return out;
}

QString columnMapText(TableKind kind, const ColumnMap& map, const ReadSheet& list) {
    const bool headers = hasHeaderRow(list, map);
    const QStringList texts = firstRowTexts(list);
    QStringList parts;
    for (int c = 1; c <= kFieldColumns; ++c) {
        const int column = map.columns[size_t(c - 1)];
        if (column < 0)
            continue;
        const QString& header = texts.value(column);
        const bool byHeader = headers && !header.isEmpty() && !header.contains(QLatin1Char(',')) &&
                              !header.contains(QLatin1Char('='));
        parts.append(fieldNameOf(kind, c) + QLatin1Char('=') +
                     (byHeader ? header : columnLetter(column)));
    }
    return parts.join(QLatin1Char(','));
}

QString MergePlan::summary(TableKind kind) const {
    QStringList fields;
    for (int c = 1; c <= kFieldColumns; ++c)
        if (changedFields[size_t(c - 1)] > 0)
            fields.append(fieldNameOf(kind, c) + QLatin1Char(' ') +
                          QString::number(changedFields[size_t(c - 1)]));
    if (fields.isEmpty())
        return Text::tr("Price list: %1 changed, %2 new, %3 unchanged")
            .arg(QString::number(changed), QString::number(added), QString::number(unchanged));
    //: %2 lists the fields changed, each with its count: "U/Price 3, Tare 1"
    return Text::tr("Price list: %1 changed (%2), %3 new, %4 unchanged")
        .arg(QString::number(changed), fields.join(QStringLiteral(", ")), QString::number(added),
             QString::number(unchanged));
}

MergePlan planMerge(const TextGrid& grid, TableKind kind, const ReadSheet& list,
                    const ColumnMap& map, int priceDecimals) {
    MergePlan plan;
    plan.rows = grid.rows();
    const int keyColumn = map.columns[0];
    if (keyColumn < 0) {
        plan.error = Text::tr("ERROR! %1 must be mapped: it is the key").arg(fieldNameOf(kind, 1));
        return plan;
    }

    // The table's records by key, and its free rows.
    const int lastRow = std::min(kMaxRecords, grid.rows() - 1);
    QHash<qint32, QVector<int>> rowsOfKey;
    QVector<int> freeRows;
    for (int r = 1; r <= kMaxRecords; ++r) {
        const QString key = r <= lastRow ? grid.text(r, 1) : QString();
        if (key.trimmed().isEmpty()) {
            freeRows.append(r);
        } else if (const NumberResult n = parseNumber(key, IntWidth::Int16); n.ok()) {
            rowsOfKey[n.value].append(r);
        }
    }
    const QString emptyText = QString::fromLatin1(kind == TableKind::Plu ? "" : " ");

    QHash<qint32, int> sheetRowOfKey; // the list's own keys, each once
    int nextFree = 0;
    int lastWritten = 0;
    const int firstRow = hasHeaderRow(list, map) ? 1 : 0;
    for (int i = firstRow; i < list.rows.size(); ++i) {
        const int sheetRow = i + 1;
        // The row's mapped cells as texts or numbers, each checked.
        std::array<std::optional<QString>, kFieldColumns> values; // the grid text to write
        bool any = false;
        for (int c = 1; c <= kFieldColumns && plan.error.isEmpty(); ++c) {
            const int column = map.columns[size_t(c - 1)];
            if (column < 0)
                continue;
            const SheetCell& cell = cellAt(list, i, column);
            if (const QString fault = parts::cellFault(cell); !fault.isEmpty()) {
                plan.error = parts::cellPlace(sheetRow, column) + fault;
                break;
            }
            const QString name = fieldNameOf(kind, c);
            const std::optional<IntWidth> width = numberWidthOf(kind, c);
            if (width ? cell.text.trimmed().isEmpty() : cell.text.isEmpty())
                continue;
            any = true;
            if (!width) {
                values[size_t(c - 1)] = oneLine(cell.text);
            } else if (c == priceColumnOf(kind)) {
                const PriceResult p = parsePrice(cell.text, priceDecimals);
                if (!p.value)
                    plan.error =
                        parts::cellPlace(sheetRow, column) + name + QLatin1Char(' ') + p.reason;
                else
                    values[size_t(c - 1)] = QString::number(*p.value);
            } else {
                const NumberResult n = parseNumber(cell.text, *width);
                if (!n.ok())
                    plan.error =
                        parts::cellPlace(sheetRow, column) + name + QLatin1Char(' ') + n.reason();
                else
                    values[size_t(c - 1)] = QString::number(n.value);
            }
        }
        if (!plan.error.isEmpty())
            break;
        if (!any)
            continue;
        if (!values[0]) {
            plan.error = parts::cellPlace(sheetRow, keyColumn) +
                         Text::tr("%1 is empty").arg(fieldNameOf(kind, 1));
            break;
        }
        const qint32 key = values[0]->toInt();
        if (const auto seen = sheetRowOfKey.constFind(key); seen != sheetRowOfKey.cend()) {
            plan.error =
                parts::cellPlace(sheetRow, keyColumn) +
                //: %1 is the key's field name, %2 the key
                Text::tr("%1 %2 is also in sheet row %3")
                    .arg(fieldNameOf(kind, 1), QString::number(key), QString::number(*seen));
            break;
        }
        sheetRowOfKey.insert(key, sheetRow);

        const QVector<int> matches = rowsOfKey.value(key);
        if (matches.size() > 1) {
            plan.error = parts::cellPlace(sheetRow, keyColumn) +
                         //: %1 is the key's field name, %2 the key
                         Text::tr("%1 %2 is in rows %3 and %4 of the table")
                             .arg(fieldNameOf(kind, 1), QString::number(key),
                                  QString::number(matches[0]), QString::number(matches[1]));
            break;
        }
        if (matches.size() == 1) {
            const int row = matches[0];
            bool changed = false;
            for (int c = 2; c <= kFieldColumns; ++c) {
                const auto& value = values[size_t(c - 1)];
                if (!value)
                    continue;
                const QString before = grid.text(row, c);
                bool same = before == *value;
                if (!same && numberWidthOf(kind, c)) {
                    // "007" and 7 are the same number; an empty number cell is saved as 0.
                    const NumberResult old = before.trimmed().isEmpty()
                                                 ? NumberResult{}
                                                 : parseNumber(before, IntWidth::Int32);
                    same = old.ok() && old.value == value->toInt();
                }
                if (same)
                    continue;
                changed = true;
                ++plan.changedFields[size_t(c - 1)];
                plan.writes.append({row, c, *value});
                plan.changes.append({row, c, grid.text(row, 1), before, *value, false});
            }
            changed ? ++plan.changed : ++plan.unchanged;
            continue;
        }
        if (nextFree >= freeRows.size()) {
            plan.error = parts::cellPlace(sheetRow, keyColumn) +
                         //: %1 is the key's field name, %2 the key
                         Text::tr("%1 %2 is new and the table has no free row")
                             .arg(fieldNameOf(kind, 1), QString::number(key));
            break;
        }
        const int row = freeRows[nextFree++];
        for (int c = 1; c <= kFieldColumns; ++c) {
            const auto& value = values[size_t(c - 1)];
            const QString text = value                     ? *value
                                 : !numberWidthOf(kind, c) ? emptyText
                                                           : QStringLiteral("0");
            plan.writes.append({row, c, text});
            if (map.columns[size_t(c - 1)] >= 0)
                plan.changes.append({row, c, *values[0], grid.text(row, c), text, true});
        }
        lastWritten = std::max(lastWritten, row);
        ++plan.added;
    }
    if (!plan.ok()) {
        MergePlan refused;
        refused.error = plan.error;
        refused.rows = grid.rows();
        return refused;
    }
    // One numbered row stays below the last record written, as a paste leaves it.
    if (lastWritten >= grid.rows() - 1)
        plan.rows = std::max(grid.rows(), lastWritten + 2);
    return plan;
}

void applyMerge(TextGrid& grid, const MergePlan& plan) {
    growRows(grid, plan.rows);
    for (const CellWrite& w : plan.writes)
        grid.setText(w.row, w.col, w.text);
}

void rememberMapping(QSettings& settings, TableKind kind, const ReadSheet& list,
                     const ColumnMap& map, int priceDecimals) {
    if (!hasHeaderRow(list, map))
        return;
    const QString key = settingsKey(kind, list);
    settings.setValue(key + QStringLiteral("/map"), columnMapText(kind, map, list));
    settings.setValue(key + QStringLiteral("/priceDecimals"), priceDecimals);
}

std::optional<RememberedMapping> recallMapping(QSettings& settings, TableKind kind,
                                               const ReadSheet& list) {
    const QString key = settingsKey(kind, list);
    const QString text = settings.value(key + QStringLiteral("/map")).toString();
    if (text.isEmpty())
        return std::nullopt;
    const MapParse parsed = parseColumnMap(kind, text, list);
    if (!parsed.error.isEmpty() || !hasHeaderRow(list, parsed.map))
        return std::nullopt;
    bool ok = false;
    const int decimals = settings.value(key + QStringLiteral("/priceDecimals")).toInt(&ok);
    return RememberedMapping{parsed.map,
                             ok && decimals >= 0 && decimals <= kMaxPriceDecimals ? decimals : 2};
}

} // namespace tarn
