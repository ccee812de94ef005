#include "GridBlock.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using Rows = QVector<QStringList>;

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

TEST(TabText, CopiedBlockReadsBackAsTheSameCells) {
    TextGrid grid;
    grid.setRows(5);
    grid.setCols(4);
    grid.setText(2, 1, QStringLiteral("a\tb"));
    grid.setText(2, 2, QStringLiteral("\"q\""));
    grid.setText(3, 3, QStringLiteral("plain"));
    const QString text = toTabText(grid, {2, 1, 3, 3});
    EXPECT_EQ(parseTabText(text),
              (Rows{{QStringLiteral("a\tb"), QStringLiteral("\"q\""), QString()},
                    {QString(), QString(), QStringLiteral("plain")}}));
}

TEST(PlanPaste, RowsPastTheEndGrowAndRow201IsRefused) {
    TextGrid grid;
    grid.setRows(201);
    grid.setCols(10);
    const Rows line{{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}};

    const PastePlan middle = planPaste(grid, 199, 1, line);
    EXPECT_FALSE(middle.refused);
    EXPECT_EQ(middle.rows, 201);
    EXPECT_EQ(middle.writes.size(), 3);

    const PastePlan last = planPaste(grid, 200, 8, line);
    EXPECT_FALSE(last.refused);
    EXPECT_EQ(last.rows, 202);
    ASSERT_EQ(last.writes.size(), 2); // column 10 does not exist
    EXPECT_EQ(last.writes[1].col, 9);

    EXPECT_TRUE(
        planPaste(grid, 200, 1, Rows{{QStringLiteral("a")}, {QStringLiteral("b")}}).refused);
}

TEST(FindNext, LooksAfterTheCursorWrapsAndTakesTheStartLast) {
    TextGrid grid;
    grid.setRows(6);
    grid.setCols(4);
    grid.setText(1, 0, QStringLiteral("apple")); // a row number's column is not searched
    grid.setText(2, 3, QStringLiteral("Green Apple"));
    grid.setText(4, 1, QStringLiteral("APPLES"));
    using Cell = std::optional<std::pair<int, int>>;
    const QString apple = QStringLiteral("apple");
    EXPECT_EQ(findNext(grid, apple, 2, 3), (Cell{{4, 1}}));
    EXPECT_EQ(findNext(grid, apple, 4, 1), (Cell{{2, 3}}));
    grid.setText(4, 1, QString());
    EXPECT_EQ(findNext(grid, apple, 2, 3), (Cell{{2, 3}}));
    EXPECT_EQ(findNext(grid, QStringLiteral("pear"), 1, 1), Cell{});
}

} // namespace
} // namespace tarn
