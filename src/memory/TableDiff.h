// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Records.h"
#include "Workspace.h" // TableKind

#include <QByteArray>
#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace tarn {

// The rules that set a table beside what a scale holds, without the store and without the
// line: which slots a "Changed" download sends, and how two tables differ.

// One record of the table as it goes on the line.
struct WireRecord {
    int slot = 0;
    int number = 0;   // PLU No or Message No: the number step's value
    QByteArray bytes; // the 72 or 400 bytes; empty when the record cannot go on the line
};

// Slots 1 to `count` of the table, encoded as the download encodes them.
std::vector<WireRecord> wireRecords(const PluTable& table, int count);
std::vector<WireRecord> wireRecords(const IngredTable& table, int count);

// The "Changed" extent: the slots whose record the scale does not hold as it stands, in slot
// order. `held` is what the store says the scale holds (number -> bytes). A record whose
// number the scale holds nothing for, or holds other bytes for, is sent. When several slots
// carry one number, the last of them is what a full download leaves on the scale, and only it
// counts. A record that cannot go on the line is always in the extent, so that the download
// refuses it as it would in full.
std::vector<int> changedSlots(const std::vector<WireRecord>& records,
                              const std::map<int, QByteArray>& held);

// One field of one record that the PC and the scale hold differently.
struct FieldDifference {
    FieldDifference() = default;
    FieldDifference(int number, QString field, QString pc, QString scale)
        : number(number), field(std::move(field)), pc(std::move(pc)), scale(std::move(scale)) {}

    int number = 0; // the record's number
    QString field;  // the grid caption: "U/Price", "Item name1", "Message3"
    QString pc;     // the PC's text; empty when the PC has no record of that number
    QString scale;  // the scale's text; empty when the scale sent none
    // A record only the scale holds: what it shows, without padding (PLU: its "Item name1"
    // and "U/Price"; ingredient: its "Message1", no price), so that the operator knows it
    // without reading the table. Empty for every other difference.
    QString scaleName;
    QString scalePrice;
    bool operator==(const FieldDifference&) const = default;
};

// The PC's table (slots 1 to pcCount) beside the scale's as an "All" upload read it (slots 1
// to scaleCount, slot i holding what the scale sent when asked for i). Records are matched by
// the number they carry, on both sides: an upload asks for the scale's slots, and a scale keeps
// a record in the first free slot; the last slot of a number counts, as a full download leaves
// it. Every number counts, PLU 500 as well as PLU 5; an empty row's 0 is no record. A record on one
// side only is one difference in its number's field, with the other side's text empty; otherwise
// each field that differs on the line is one difference, in column order. Texts are compared as
// they go on the line (a name centred in 28 characters, a line padded to 50) and shown without the
// padding, unless the padding is the difference. Sorted by number.
std::vector<FieldDifference> compareTables(const PluTable& pc, int pcCount, const PluTable& scale,
                                           int scaleCount);
std::vector<FieldDifference> compareTables(const IngredTable& pc, int pcCount,
                                           const IngredTable& scale, int scaleCount);

// Whether the difference is a record on one side only (in its number's field, the other side
// empty), rather than a field the two records hold differently.
bool onOneSideOnly(const FieldDifference& difference, TableKind kind);

// A record only the scale holds as one text: "APPLE, U/Price 1500", "SUGAR"; empty when the
// difference is not such a record, or the record shows nothing.
QString scaleRecordText(const FieldDifference& difference);

// How many records the differences concern (their distinct numbers).
int recordsIn(const std::vector<FieldDifference>& differences);

} // namespace tarn
