// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Records.h"
#include "Report.h"
#include "TextGrid.h"

#include <QObject>
#include <QString>

namespace tarn {

enum class TableKind { Plu, Ingred };

// What differs between the PLU and the ingredient side of the program, as data.
struct TableSide {
    TableKind kind;
    const char* formatString; // the grid's header, alignments and widths
    const char* countText;    // "PLU Count is %1" / "Message Count is %1", see countStatus()
    const char* name;         // "PLU" / "INGRED", for messages
};

const TableSide& sideOf(TableKind kind);
// The side's count for the status line: "PLU Count is 5".
QString countStatus(const TableSide& side, int count);

template <class R> struct RecordTraits;
template <> struct RecordTraits<PluRecord> { static constexpr TableKind kind = TableKind::Plu; };
template <> struct RecordTraits<IngredRecord> {
    static constexpr TableKind kind = TableKind::Ingred;
};

// One table in both its forms: the grid's texts and the typed records with their count.
template <class R> struct Table {
    static constexpr TableKind kind = RecordTraits<R>::kind;
    TextGrid grid;
    std::array<R, kTableSlots> records{};
    qint16 count = 0;

    const TableSide& side() const { return sideOf(kind); }
};

// Fills grid row `row` (1..) with the record's texts, numbers in plain decimal.
template <class R> void showRecord(TextGrid& grid, int row, const R& record) {
    grid.setText(row, 0, QString::number(row));
    forEachField(record, [&](int col, const auto& v) {
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, QString>)
            grid.setText(row, col, v);
        else
            grid.setText(row, col, QString::number(v));
    });
}

// Everything the operator works on, without a window: both tables, the file source shared by
// them, and the status line as a signal. The window and the command line both sit on this; the
// operations on the tables (here, in files/ and sheets/) return their texts in a Report, and only
// the window and the command line write the status line.
class Workspace : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kNoFile = "?";

    explicit Workspace(QObject* parent = nullptr);

    Table<PluRecord> plu;
    Table<IngredRecord> ingred;

    template <class R> Table<R>& table();
    template <class R> const Table<R>& table() const {
        return const_cast<Workspace*>(this)->table<R>();
    }

    QString filePath() const { return filePath_; }
    void setFilePath(const QString& path);
    bool hasFile() const { return filePath_ != QLatin1String(kNoFile); }

    // Writes a text to the status line; it replaces the previous one at once.
    void status(const QString& text);
    QString lastStatus() const { return lastStatus_; }

    // Start-up of both tables: grids set up, records cleared, counts 0, file source "?". Its
    // texts: "PLU Count is 0", "Message Count is 0".
    Report startUp();
    // "New" of the PLU or the INGRED menu: the table emptied, file source "?". Its text: the
    // table's count, "PLU Count is 0" / "Message Count is 0".
    Report clear(TableKind kind);

signals:
    void statusChanged(const QString& text);
    void filePathChanged(const QString& path);

private:
    template <class R> void setUp(Table<R>& t);
    template <class R> void clearRows(Table<R>& t);
    template <class R> Report newTable(Table<R>& t);

    QString filePath_ = QString::fromLatin1(kNoFile);
    QString lastStatus_;
};

template <> inline Table<PluRecord>& Workspace::table<PluRecord>() {
    return plu;
}
template <> inline Table<IngredRecord>& Workspace::table<IngredRecord>() {
    return ingred;
}

} // namespace tarn
