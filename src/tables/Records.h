// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

namespace tarn {

// Slots 0 to 200; records live in slots 1 to 200, slot i belonging to grid row i.
inline constexpr int kTableSlots = 201;
inline constexpr int kMaxRecords = 200;
// Grid columns 1 to 9 hold a record's fields; column 0 is the row number.
inline constexpr int kFieldColumns = 9;

struct PluRecord {
    qint16 pluNo = 0;
    qint32 itemCode = 0;
    QString name1;
    QString name2;
    qint32 unitPrice = 0;
    qint16 validDate = 0;
    qint16 tare = 0;
    qint16 groupCode = 0;
    qint16 messageNo = 0;

    bool operator==(const PluRecord&) const = default;
};

inline constexpr int kIngredLines = 8;

struct IngredRecord {
    qint16 messageNo = 0;
    std::array<QString, kIngredLines> lines;

    bool operator==(const IngredRecord&) const = default;
};

using PluTable = std::array<PluRecord, kTableSlots>;
using IngredTable = std::array<IngredRecord, kTableSlots>;

// The number a record goes by on the scale: the PLU number, or the message number.
inline qint16 numberOf(const PluRecord& r) {
    return r.pluNo;
}
inline qint16 numberOf(const IngredRecord& r) {
    return r.messageNo;
}

// Calls f(column, field) for the grid columns 1 to 9 in order, where field is a qint16&,
// qint32& or QString& of the record. Code that is the same for both tables but for the
// fields (file reader and writer, workbook import, grid fill) walks records through this.
template <class F> void forEachField(PluRecord& r, F&& f) {
    f(1, r.pluNo);
    f(2, r.name1);
    f(3, r.name2);
    f(4, r.unitPrice);
    f(5, r.validDate);
    f(6, r.tare);
    f(7, r.itemCode);
    f(8, r.groupCode);
    f(9, r.messageNo);
}

template <class F> void forEachField(IngredRecord& r, F&& f) {
    f(1, r.messageNo);
    for (int i = 0; i < kIngredLines; ++i)
        f(2 + i, r.lines[size_t(i)]);
}

template <class R, class F> void forEachField(const R& r, F&& f) {
    forEachField(const_cast<R&>(r), [&f](int col, auto& v) { f(col, std::as_const(v)); });
}

} // namespace tarn
