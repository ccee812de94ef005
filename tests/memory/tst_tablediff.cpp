// The "Changed" extent and the compare of the PC's table with the scale's.
#include "RecordCodec.h"
#include "TableDiff.h"

#include <gtest/gtest.h>

using namespace tarn;

namespace {

PluRecord plu(qint16 number, const QString& name, qint32 price) {
    PluRecord r;
    r.pluNo = number;
    r.name1 = name;
    r.unitPrice = price;
    r.itemCode = 1000 + number;
    return r;
}

// Slots 1 to 4: PLU 7, 3, 12, 5.
PluTable shopTable() {
    PluTable t{};
    t[1] = plu(7, "APPLES", 299);
    t[2] = plu(3, "PEARS", 349);
    t[3] = plu(12, "PLUMS", 415);
    t[4] = plu(5, "GRAPES", 520);
    return t;
}

// What the scale holds after a full download of the table.
std::map<int, QByteArray> heldAfterDownload(const PluTable& t, int count) {
    std::map<int, QByteArray> held;
    for (const WireRecord& r : wireRecords(t, count))
        held[r.number] = r.bytes;
    return held;
}

TEST(ChangedExtent, sendsWhatTheScaleDoesNotHoldAsItStands) {
    PluTable table = shopTable();
    const std::map<int, QByteArray> held = heldAfterDownload(table, 4);

    // Nothing known about the scale: everything.
    EXPECT_EQ(changedSlots(wireRecords(table, 4), {}), (std::vector<int>{1, 2, 3, 4}));
    // Nothing changed since: nothing.
    EXPECT_TRUE(changedSlots(wireRecords(table, 4), held).empty());
    // One price changed: its slot alone.
    table[3].unitPrice = 399;
    EXPECT_EQ(changedSlots(wireRecords(table, 4), held), (std::vector<int>{3}));
    // A record the scale holds nothing for (a new PLU in slot 5), and one cut short by a
    // forgotten number, go out in slot order.
    table[5] = plu(40, "CHERRIES", 990);
    std::map<int, QByteArray> partly = held;
    partly.erase(7);
    EXPECT_EQ(changedSlots(wireRecords(table, 5), partly), (std::vector<int>{1, 3, 5}));
}

TEST(ChangedExtent, aNumberInTwoSlotsCountsByTheLastAndAnUnsendableRecordIsKept) {
    PluTable table = shopTable();
    table[5] = plu(3, "PEARS", 360); // PLU 3 again: a full download leaves this one
    const std::map<int, QByteArray> held = heldAfterDownload(table, 5);
    EXPECT_TRUE(changedSlots(wireRecords(table, 5), held).empty());

    table[5].unitPrice = 380;
    table[4].tare = -1; // refused by the download, which says why
    EXPECT_EQ(changedSlots(wireRecords(table, 5), held), (std::vector<int>{4, 5}));
}

// The scale's table as an "All" upload leaves it: slot i holds what the scale sent for i, the
// names as the line carries them.
PluTable uploaded(const PluTable& pc, int count) {
    PluTable scale{};
    for (int slot = 1; slot <= count; ++slot) {
        PluRecord r = pc[size_t(slot)];
        r.name1 = pluNameOnWire(r.name1);
        r.name2 = pluNameOnWire(r.name2);
        scale[size_t(r.pluNo)] = r;
    }
    return scale;
}

TEST(Compare, pluTablesDifferRecordByRecordAndFieldByField) {
    PluTable pc{};
    for (int n = 1; n <= 4; ++n)
        pc[size_t(n)] = plu(qint16(n), QStringLiteral("ITEM %1").arg(n), 100 * n);
    PluTable scale = uploaded(pc, 4);
    EXPECT_TRUE(compareTables(pc, 4, scale, 4).empty());

    scale[2].unitPrice = 250;
    scale[2].name1 = QStringLiteral("ITEM 2X").leftJustified(28); // same letters, off centre too
    scale[3].name2 = pluNameOnWire(QStringLiteral("  "));         // only spaces: the same
    scale[5] = plu(5, "EXTRA", 1);                                // the scale holds one more
    pc[4].pluNo = 9;                                              // the PC's 4 is now 9
    const std::vector<FieldDifference> expected{
        {2, "Item name1", "ITEM 2", "ITEM 2X"},
        {2, "U/Price", "200", "250"},
        {4, "PLU No", "", "4"},
        {5, "PLU No", "", "5"},
        {9, "PLU No", "9", ""},
    };
    EXPECT_EQ(compareTables(pc, 4, scale, 5), expected);

    // A name that only sits elsewhere in its 28 characters shows where its spaces are.
    PluTable moved = uploaded(pc, 3);
    moved[1].name1 = QStringLiteral("ITEM 1").leftJustified(28);
    const std::vector<FieldDifference> padded = compareTables(pc, 3, moved, 3);
    ASSERT_EQ(padded.size(), 1u);
    EXPECT_EQ(padded[0].pc, pluNameOnWire("ITEM 1"));
    EXPECT_EQ(padded[0].scale, QStringLiteral("ITEM 1").leftJustified(28));
}

TEST(Compare, ingredientTablesDifferLineByLine) {
    IngredTable pc{};
    pc[1].messageNo = 1;
    pc[1].lines[0] = "FLOUR, WATER";
    pc[1].lines[7] = "MAY CONTAIN NUTS";
    IngredTable scale{};
    scale[1] = pc[1];
    for (QString& line : scale[1].lines)
        line = ingredLineOnWire(line);
    EXPECT_TRUE(compareTables(pc, 1, scale, 1).empty());

    scale[1].lines[7] = ingredLineOnWire("MAY CONTAIN PEANUTS");
    scale[1].messageNo = 2; // the scale answered the request for 1 with message 2
    const std::vector<FieldDifference> expected{
        {1, "Message No", "1", "2"},
        {1, "Message8", "MAY CONTAIN NUTS", "MAY CONTAIN PEANUTS"},
    };
    EXPECT_EQ(compareTables(pc, 1, scale, 1), expected);
}

} // namespace
