// SPDX-License-Identifier: GPL-3.0-or-later
// The "Changed" extent and the compare of the PC's table with the scale's.
#include "RecordCodec.h"
#include "TableDiff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace tarn;

namespace {

PluRecord plu(int number, const QString& name, qint32 price) {
    PluRecord r;
    r.pluNo = qint16(number);
    r.name1 = name;
    r.unitPrice = price;
    r.itemCode = 1000 + number;
    return r;
}

// Slots 1 to 4 hold PLU 7, 3, 12, 5; held is what the scale holds after a full download.
// A record only the scale holds, with what it shows.
FieldDifference onlyOnTheScale(int number, const QString& field, const QString& name,
                               const QString& price) {
    FieldDifference d{number, field, "", QString::number(number)};
    d.scaleName = name;
    d.scalePrice = price;
    return d;
}

TEST(ChangedExtent, sendsWhatTheScaleDoesNotHoldAsItStands) {
    PluTable table{};
    table[1] = plu(7, "APPLES", 299);
    table[2] = plu(3, "PEARS", 349);
    table[3] = plu(12, "PLUMS", 415);
    table[4] = plu(5, "GRAPES", 520);
    std::map<int, QByteArray> held;
    for (const WireRecord& r : wireRecords(table, 4))
        held[r.number] = r.bytes;

    EXPECT_EQ(changedSlots(wireRecords(table, 4), {}), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(changedSlots(wireRecords(table, 4), held).empty());
    table[3].unitPrice = 399;
    EXPECT_EQ(changedSlots(wireRecords(table, 4), held), (std::vector<int>{3}));

    // A new PLU; PLU 7 forgotten by a cut-off download; PLU 3 again in slot 6, whose record a
    // full download leaves on the scale (slot 2's need not go); a record the download refuses,
    // and must say why.
    table[5] = plu(40, "CHERRIES", 990);
    table[6] = plu(3, "PEARS", 360);
    table[4].tare = -1;
    held.erase(7);
    EXPECT_EQ(changedSlots(wireRecords(table, 6), held), (std::vector<int>{1, 3, 4, 5, 6}));
}

TEST(Compare, pluTablesDifferRecordByRecordAndFieldByField) {
    PluTable pc{};
    PluTable scale{}; // as an "All" upload leaves it: names as the line carries them
    for (int n = 1; n <= 4; ++n) {
        pc[size_t(n)] = plu(n, QStringLiteral("ITEM %1").arg(n), 100 * n);
        scale[size_t(n)] = pc[size_t(n)];
        scale[size_t(n)].name1 = pluNameOnWire(pc[size_t(n)].name1);
        scale[size_t(n)].name2 = pluNameOnWire(QString());
    }
    EXPECT_TRUE(compareTables(pc, 4, scale, 4).empty());

    scale[1].name1 = QStringLiteral("ITEM 1").leftJustified(28); // the same, but not centred
    scale[2].unitPrice = 250;
    scale[2].name1 = pluNameOnWire("ITEM 2X");
    scale[5] = plu(5, "EXTRA", 1); // the scale holds one more
    pc[4].pluNo = 9;               // the PC's 4 is now 9
    const std::vector<FieldDifference> expected{
        {1, "Item name1", pluNameOnWire("ITEM 1"), QStringLiteral("ITEM 1").leftJustified(28)},
        {2, "Item name1", "ITEM 2", "ITEM 2X"},
        {2, "U/Price", "200", "250"},
        onlyOnTheScale(4, "PLU No", "ITEM 4", "400"),
        onlyOnTheScale(5, "PLU No", "EXTRA", "1"),
        {9, "PLU No", "9", ""},
    };
    EXPECT_EQ(compareTables(pc, 4, scale, 5), expected);
}

// A scale's slot may hold any PLU number: PLU 500 held at 999 against 450 in the file is found.
TEST(Compare, everySlotCountsWhateverNumberItHolds) {
    PluTable pc{};
    pc[1] = plu(500, "MELON", 450);
    PluTable scale{};
    scale[1] = plu(7, "APPLES", 299);
    scale[2] = plu(500, "MELON", 999);
    scale[2].name1 = pluNameOnWire("MELON");
    EXPECT_EQ(compareTables(pc, 1, scale, 2),
              (std::vector<FieldDifference>{onlyOnTheScale(7, "PLU No", "APPLES", "299"),
                                            {500, "U/Price", "450", "999"}}));
}

TEST(Compare, ingredientTablesDifferLineByLine) {
    IngredTable pc{};
    pc[1].messageNo = 1;
    pc[1].lines[0] = "FLOUR, WATER";
    pc[1].lines[7] = "MAY CONTAIN NUTS";
    IngredTable scale{};
    // The scale keeps message 5 in its first slot and message 1 in its second: matched by the
    // numbers they carry, not by the slot asked for.
    scale[1].messageNo = 5;
    scale[1].lines[0] = ingredLineOnWire("SUGAR");
    scale[2].messageNo = 1;
    for (int i = 0; i < kIngredLines; ++i)
        scale[2].lines[size_t(i)] = ingredLineOnWire(pc[1].lines[size_t(i)]);
    scale[2].lines[7] = ingredLineOnWire("MAY CONTAIN PEANUTS");
    const std::vector<FieldDifference> expected{
        {1, "Message8", "MAY CONTAIN NUTS", "MAY CONTAIN PEANUTS"},
        onlyOnTheScale(5, "Message No", "SUGAR", ""),
    };
    EXPECT_EQ(compareTables(pc, 1, scale, 2), expected);
}

} // namespace
