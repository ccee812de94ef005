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
