// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridBlock.h"

#include "CellEditing.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using Rows = QVector<QStringList>;
using Cell = std::optional<std::pair<int, int>>;

// A grid as the window has it after start-up: 201 rows numbered in column 0, 10 columns.
struct StartUpGrid : TextGrid {
    StartUpGrid() {
        setRows(201);
        setCols(10);
        for (int r = 1; r < 201; ++r)
            setText(r, 0, QString::number(r));
    }
};

// Writes as "row,col=text", easy to compare and to read in a failure.
QStringList written(const QVector<CellWrite>& writes) {
    QStringList out;
    for (const CellWrite& w : writes)
        out << QStringLiteral("%1,%2=%3").arg(w.row).arg(w.col).arg(w.text);
    return out;
}

TEST(TabText, SpreadsheetClipboardTextSplitsIntoRowsAndCells) {
    EXPECT_EQ(parseTabText(QStringLiteral("a\tb\r\nc\t\r\n")),
              (Rows{{QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("c"), QString()}}));
    EXPECT_EQ(parseTabText(QStringLiteral("a\nb")),
              (Rows{{QStringLiteral("a")}, {QStringLiteral("b")}}));
    EXPECT_EQ(parseTabText(QString()), Rows{});
    // Quoted cells keep their tabs, line breaks and doubled quotes; a quote that does not close
    // a cell is an ordinary character.
    EXPECT_EQ(parseTabText(QStringLiteral("\"x\ty\"\t\"two\nlines\"\t\"say \"\"hi\"\"\"\n")),
              (Rows{{QStringLiteral("x\ty"), QStringLiteral("two\nlines"),
                     QStringLiteral("say \"hi\"")}}));
    EXPECT_EQ(parseTabText(QStringLiteral("\"12\" pipe\t\"open\n")),
              (Rows{{QStringLiteral("\"12\" pipe"), QStringLiteral("\"open")}}));
}

TEST(TabText, CopiedBlockQuotesOnlyTheCellsThatNeedItAndReadsBack) {
    StartUpGrid grid;
    grid.setText(2, 2, QStringLiteral("Bread"));
    grid.setText(2, 3, QStringLiteral("120"));
    grid.setText(3, 2, QStringLiteral("say \"hi\""));
    grid.setText(4, 3, QStringLiteral("\"quoted"));
    const CellRange block{2, 2, 4, 3};
    const QString text = toTabText(grid, block);
    EXPECT_EQ(text, QStringLiteral("Bread\t120\nsay \"hi\"\t\n\t\"\"\"quoted\"\n"));
    EXPECT_EQ(parseTabText(text), (Rows{{QStringLiteral("Bread"), QStringLiteral("120")},
                                        {QStringLiteral("say \"hi\""), QString()},
                                        {QString(), QStringLiteral("\"quoted")}}));

    // A whole row, as a click on its number selects it.
    EXPECT_EQ(toTabText(grid, CellRange{2, 1, 2, 9}), QStringLiteral("\tBread\t120\t\t\t\t\t\t\n"));
}

TEST(PastePlan, WritesTheBlockFromTheCellEachCellOneLine) {
    const StartUpGrid grid;
    const PastePlan plan = planPaste(
        grid, 5, 3, parseTabText(QStringLiteral("Apples\t250\t\"a\tb\"\r\nPears\t\t7\r\n")));
    EXPECT_FALSE(plan.refused);
    EXPECT_EQ(plan.rows, 201);
    // The empty cell is written too: a paste replaces the whole block. A cell holds one line.
    EXPECT_EQ(written(plan.writes),
              QStringList({"5,3=Apples", "5,4=250", "5,5=a b", "6,3=Pears", "6,4=", "6,5=7"}));
    const Rows breaks{{QStringLiteral("two\r\nlines\rand\nmore")}};
    EXPECT_EQ(written(planPaste(grid, 1, 1, breaks).writes), QStringList{"1,1=two lines and more"});
}

TEST(PastePlan, CellsPastTheLastColumnDropAndTheLastRowsGrowTheGrid) {
    StartUpGrid grid;
    const PastePlan plan =
        planPaste(grid, 199, 8, parseTabText(QStringLiteral("a\tb\tc\nd\te\tf\n")));
    EXPECT_FALSE(plan.refused);
    EXPECT_EQ(written(plan.writes), QStringList({"199,8=a", "199,9=b", "200,8=d", "200,9=e"}));
    // One numbered row below the block, as Enter leaves it.
    EXPECT_EQ(plan.rows, 202);
    growRows(grid, plan.rows);
    EXPECT_EQ(grid.rows(), 202);
    EXPECT_EQ(grid.text(201, 0), QStringLiteral("201"));
    EXPECT_EQ(grid.rowHeight(201), kGrownRowTwips);
    EXPECT_EQ(grid.rowHeight(200), TextGrid::kStandardHeight);
    growRows(grid, 150); // never shrinks
    EXPECT_EQ(grid.rows(), 202);

    // A block ending one row above the last numbered row needs no growth.
    EXPECT_EQ(planPaste(StartUpGrid(), 198, 1, Rows{{QStringLiteral("x")}}).rows, 201);
}

TEST(PastePlan, BlockReachingRow201IsRefusedWhole) {
    const StartUpGrid grid;
    const Rows twoRows = parseTabText(QStringLiteral("x\ty\tz\nu\tv\tw\n"));
    const PastePlan refused = planPaste(grid, 200, 2, twoRows);
    EXPECT_TRUE(refused.refused);
    EXPECT_TRUE(refused.writes.isEmpty());
    EXPECT_EQ(refused.rows, 201);
    // Row 200 itself takes a block; on a grown grid, row 201 takes none.
    EXPECT_FALSE(planPaste(grid, 199, 2, twoRows).refused);
    StartUpGrid grown;
    growRows(grown, 203);
    EXPECT_TRUE(planPaste(grown, 201, 1, Rows{{QStringLiteral("x")}}).refused);
    // Nothing on the clipboard, or no cell to start from: nothing to write.
    EXPECT_TRUE(planPaste(grid, 5, 3, Rows{}).writes.isEmpty());
    EXPECT_TRUE(planPaste(grid, 0, 3, twoRows).writes.isEmpty());
}

TEST(ClearPlan, EmptiesTheEditableCellsThatHoldText) {
    StartUpGrid grid;
    grid.setText(4, 1, QStringLiteral("1"));
    grid.setText(4, 2, QStringLiteral("Milk"));
    grid.setText(5, 2, QStringLiteral("Eggs"));
    grid.setText(5, 3, QStringLiteral("kept"));
    EXPECT_EQ(written(planClear(grid, CellRange{4, 1, 5, 2})),
              QStringList({"4,1=", "4,2=", "5,2="}));
    // A range over the row numbers and past the grid's end leaves the numbers alone.
    EXPECT_EQ(written(planClear(grid, CellRange{0, 0, 500, 50})),
              QStringList({"4,1=", "4,2=", "5,2=", "5,3="}));
}

TEST(FindNext, LooksAfterTheCursorWrapsAndTakesTheStartLast) {
    TextGrid grid;
    grid.setRows(6);
    grid.setCols(4);
    grid.setText(1, 0, QStringLiteral("apple")); // a row number's column is not searched
    grid.setText(2, 3, QStringLiteral("Green Apple"));
    grid.setText(4, 1, QStringLiteral("APPLES"));
    const QString apple = QStringLiteral("apple");
    EXPECT_EQ(findNext(grid, apple, 2, 3), (Cell{{4, 1}}));
    EXPECT_EQ(findNext(grid, apple, 4, 1), (Cell{{2, 3}}));
    grid.setText(4, 1, QString());
    EXPECT_EQ(findNext(grid, apple, 2, 3), (Cell{{2, 3}}));
    EXPECT_EQ(findNext(grid, QStringLiteral("pear"), 1, 1), Cell{});
    EXPECT_EQ(findNext(grid, QString(), 1, 1), Cell{});
}

TEST(FindNext, RoundPastTheLastRowOfTheWindowsGrid) {
    StartUpGrid grid;
    grid.setText(3, 4, QStringLiteral("Apple pie"));
    grid.setText(150, 2, QStringLiteral("GREEN APPLES"));
    grid.setText(160, 9, QStringLiteral("pear"));
    const QString apple = QStringLiteral("apple");
    EXPECT_EQ(findNext(grid, apple, 100, 1), (Cell{{150, 2}}));
    EXPECT_EQ(findNext(grid, apple, 150, 2), (Cell{{3, 4}}));
    EXPECT_EQ(findNext(grid, apple, 3, 4), (Cell{{150, 2}}));
    EXPECT_EQ(findNext(grid, QStringLiteral("plum"), 150, 2), Cell{});
}

} // namespace
} // namespace tarn
