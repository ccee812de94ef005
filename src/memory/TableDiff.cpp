// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableDiff.h"

#include "RecordCodec.h"
#include "ScaleText.h"
#include "TextGrid.h"
#include "Workspace.h"

#include <QStringList>

#include <algorithm>
#include <tuple>
#include <type_traits>

namespace tarn {

namespace {

EncodedRecord encode(const PluRecord& r) {
    return encodePluRecord(r);
}
EncodedRecord encode(const IngredRecord& r) {
    return encodeIngredRecord(r);
}

template <class R>
std::vector<WireRecord> wireRecordsOf(const std::array<R, kTableSlots>& table, int count) {
    std::vector<WireRecord> out;
    const int last = std::clamp(count, 0, kMaxRecords);
    out.reserve(size_t(last));
    for (int slot = 1; slot <= last; ++slot) {
        const R& r = table[size_t(slot)];
        out.push_back(WireRecord{slot, numberOf(r), encode(r).bytes});
    }
    return out;
}

// A field as the line carries it (to compare) and as the operator reads it (to show).
struct FieldText {
    QString onWire;
    QString shown;
};

template <class R> std::vector<FieldText> fieldTexts(const R& record) {
    std::vector<FieldText> out;
    forEachField(record, [&out](int col, const auto& v) {
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, QString>) {
            const QString wire =
                std::is_same_v<R, PluRecord> ? pluNameOnWire(v) : ingredLineOnWire(v);
            out.push_back({wire, v.trimmed()});
        } else {
            const QString text = QString::number(v);
            out.push_back({text, text});
        }
        Q_UNUSED(col);
    });
    return out;
}

// What a record shows the operator: its name and price, or its first line.
std::pair<QString, QString> shownAs(const PluRecord& r) {
    return {r.name1.trimmed(), QString::number(r.unitPrice)};
}
std::pair<QString, QString> shownAs(const IngredRecord& r) {
    return {r.lines[0].trimmed(), QString()};
}

// The records of slots 1 to `count` by the number they carry, whatever it is (a scale's table
// may hold PLU 500 as well as PLU 5); a later slot of the same number wins. An upload asks for
// the scale's slots: slot i of the scale may hold any number. An empty slot's 0 is no record.
template <class R>
std::map<int, const R*> byNumber(const std::array<R, kTableSlots>& table, int count) {
    std::map<int, const R*> out;
    const int last = std::clamp(count, 0, kMaxRecords);
    for (int slot = 1; slot <= last; ++slot) {
        const R& r = table[size_t(slot)];
        const int number = numberOf(r);
        if (number != 0)
            out[number] = &r;
    }
    return out;
}

template <class R>
std::vector<FieldDifference> compareOf(const std::array<R, kTableSlots>& pcTable, int pcCount,
                                       const std::array<R, kTableSlots>& scaleTable,
                                       int scaleCount) {
    const auto caption = [](int col) { return columnCaption(RecordTraits<R>::kind, col); };

    const std::map<int, const R*> pc = byNumber(pcTable, pcCount);
    const std::map<int, const R*> scale = byNumber(scaleTable, scaleCount);
    std::vector<FieldDifference> out;
    auto p = pc.begin();
    auto s = scale.begin();
    while (p != pc.end() || s != scale.end()) {
        if (s == scale.end() || (p != pc.end() && p->first < s->first)) {
            out.push_back({p->first, caption(1), QString::number(p->first), QString()});
            ++p;
        } else if (p == pc.end() || s->first < p->first) {
            FieldDifference d{s->first, caption(1), QString(), QString::number(s->first)};
            std::tie(d.scaleName, d.scalePrice) = shownAs(*s->second);
            out.push_back(std::move(d));
            ++s;
        } else {
            const std::vector<FieldText> a = fieldTexts(*p->second);
            const std::vector<FieldText> b = fieldTexts(*s->second);
            for (size_t i = 0; i < a.size(); ++i) {
                if (a[i].onWire == b[i].onWire)
                    continue;
                const bool paddingOnly = a[i].shown == b[i].shown;
                out.push_back({p->first, caption(int(i) + 1),
                               paddingOnly ? a[i].onWire : a[i].shown,
                               paddingOnly ? b[i].onWire : b[i].shown});
            }
            ++p;
            ++s;
        }
    }
    return out;
}

} // namespace

std::vector<WireRecord> wireRecords(const PluTable& table, int count) {
    return wireRecordsOf(table, count);
}

std::vector<WireRecord> wireRecords(const IngredTable& table, int count) {
    return wireRecordsOf(table, count);
}

std::vector<int> changedSlots(const std::vector<WireRecord>& records,
                              const std::map<int, QByteArray>& held) {
    std::map<int, int> lastSlotOf;
    for (const WireRecord& r : records)
        lastSlotOf[r.number] = r.slot;
    std::vector<int> out;
    for (const WireRecord& r : records) {
        if (r.bytes.isEmpty()) {
            out.push_back(r.slot);
            continue;
        }
        if (lastSlotOf[r.number] != r.slot)
            continue;
        const auto h = held.find(r.number);
        if (h == held.end() || h->second != r.bytes)
            out.push_back(r.slot);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<FieldDifference> compareTables(const PluTable& pc, int pcCount, const PluTable& scale,
                                           int scaleCount) {
    return compareOf(pc, pcCount, scale, scaleCount);
}

std::vector<FieldDifference> compareTables(const IngredTable& pc, int pcCount,
                                           const IngredTable& scale, int scaleCount) {
    return compareOf(pc, pcCount, scale, scaleCount);
}

bool onOneSideOnly(const FieldDifference& d, TableKind kind) {
    return d.field == columnCaption(kind, 1) && (d.pc.isEmpty() || d.scale.isEmpty());
}

QString scaleRecordText(const FieldDifference& d) {
    QStringList parts;
    if (!d.scaleName.isEmpty())
        parts << d.scaleName;
    if (!d.scalePrice.isEmpty())
        parts << columnCaption(TableKind::Plu, 4) + QLatin1Char(' ') + d.scalePrice; // "U/Price"
    return parts.join(QStringLiteral(", "));
}

int recordsIn(const std::vector<FieldDifference>& differences) {
    int records = 0;
    int last = -1;
    for (const FieldDifference& d : differences) {
        if (d.number != last)
            ++records;
        last = d.number;
    }
    return records;
}

} // namespace tarn
