// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GridBlock.h"
#include "Numbers.h"
#include "Workbook.h"
#include "Workspace.h"

#include <QString>
#include <QVector>

#include <array>
#include <optional>

class QSettings;

// Price lists from a shop's till or back office: a spreadsheet in the till's own layout
// (its columns, prices with decimals, often only the items whose price changed), merged into
// a table's grid. The rows whose key matches a record update it, other keys become new records
// in the first free rows; the whole list is checked before anything is written.

namespace tarn {

// Columns A to Z of at most 1,000 sheet rows are read; a longer list is refused.
inline constexpr int kPriceListColumns = 26;
inline constexpr int kPriceListRows = 1000;

// The list's first worksheet, read by its extension as the spreadsheet import reads (.txt as
// .csv). The error is a status text ("ERROR! till.csv: ...").
ReadOutcome readPriceList(const QString& path);

// The table's field names, as the grid's captions show them without blanks: "PLU No",
// "Item Name1", ..., "U/Price", ...; "Message No", "Message1", ... Grid columns 1 to 9.
QString fieldNameOf(TableKind kind, int col);
// The grid column holding the price (U/Price), 0 when the table has none.
int priceColumnOf(TableKind kind);

// A price written with up to `decimals` decimals after a point or a comma ("2.99", "2,99",
// "2"), blanks around it allowed, as a whole number of the smallest unit (299, 299, 200 for
// two decimals). The reason, when refused, follows the field name: "2.999 has more than 2
// decimals", "€2.99 is not a price".
struct PriceResult {
    std::optional<qint32> value;
    QString reason;
};
PriceResult parsePrice(const QString& text, int decimals);

// Which list column fills each field: columns[col - 1] is a list column (0 for A), or -1 when
// the field is not taken from the list.
struct ColumnMap {
    ColumnMap() { columns.fill(-1); }
    std::array<int, kFieldColumns> columns;
    bool operator==(const ColumnMap&) const = default;
};

// Whether sheet row 1 holds the list's headers: the key's cell there is a text that is not a
// number (with no key chosen yet, or an empty cell above the key: no cell of row 1 is a number,
// and one is not empty).
bool hasHeaderRow(const ReadSheet& list, const ColumnMap& map);
// Row 1's texts, trimmed, one per column read.
QStringList firstRowTexts(const ReadSheet& list);
// "A", "B", ..., "Z".
QString columnLetter(int column);

// A mapping written "PLU No=Article,U/Price=Price": a field name (any letter case) on the left,
// on the right a header text of row 1 or a column letter. The reason in `error` when it does
// not fit the table or the list.
struct MapParse {
    ColumnMap map;
    QString error;
};
MapParse parseColumnMap(TableKind kind, const QString& text, const ReadSheet& list);
// The mapping in that form, naming columns by their header texts when row 1 holds headers.
QString columnMapText(TableKind kind, const ColumnMap& map, const ReadSheet& list);

// The merge worked out in full, nothing written yet.
struct FieldChange {
    int row = 0; // grid row
    int col = 0; // grid column (the field)
    QString key; // the record's key, as the grid shows it once merged
    QString before;
    QString after;
    bool added = false; // a new record
};
struct MergePlan {
    QString error; // a status text naming the sheet row and column; empty when the list fits
    QVector<CellWrite> writes;
    int rows = 0; // the grid's row count once written
    QVector<FieldChange> changes;
    int changed = 0;   // records the list changed
    int added = 0;     // new records
    int unchanged = 0; // records the list names that it leaves as they are
    std::array<int, kFieldColumns> changedFields{}; // per field: the records it changed in
    bool ok() const { return error.isEmpty(); }
    // "Price list: 3 changed (U/Price 3, Item Name1 1), 2 new, 45 unchanged"
    QString summary(TableKind kind) const;
};

// The list merged into the grid's records (rows 1 to 200 whose column 1 holds a number): a
// row whose key matches a record updates its mapped fields; another key becomes a new record
// in the first row whose column 1 is empty, its unmapped fields empty or 0. An empty cell
// leaves its field as it is; a row whose mapped cells are all empty is passed over. Numbers
// must be whole, U/Price a price with `priceDecimals` decimals at most. The first row that
// does not fit refuses the whole list.
MergePlan planMerge(const TextGrid& grid, TableKind kind, const ReadSheet& list,
                    const ColumnMap& map, int priceDecimals);
// Writes the plan into the grid, growing it as a paste does.
void applyMerge(TextGrid& grid, const MergePlan& plan);

// The mapping and price decimals last applied to a list with the same header texts (in any
// column order), kept in `settings`. A list without a header row is not remembered.
void rememberMapping(QSettings& settings, TableKind kind, const ReadSheet& list,
                     const ColumnMap& map, int priceDecimals);
struct RememberedMapping {
    ColumnMap map;
    int priceDecimals = 2;
};
std::optional<RememberedMapping> recallMapping(QSettings& settings, TableKind kind,
                                               const ReadSheet& list);

} // namespace tarn
