// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextGrid.h"

#include <gtest/gtest.h>

#include <vector>

using tarn::ColumnFormat;
using tarn::parseFormat;
using tarn::TextGrid;

TEST(FormatString, GivesCaptionsAlignmentsAndWidthsFromTrailingBlanks) {
    const auto cols =
        parseFormat(QStringLiteral("^No |<PLU No |^Item name1          |^Message No"));
    ASSERT_EQ(cols.size(), 4);
    EXPECT_EQ(cols[0].align, ColumnFormat::Align::Centre);
    EXPECT_EQ(cols[0].caption, QStringLiteral("No "));
    EXPECT_EQ(cols[0].widthChars, 3);
    EXPECT_EQ(cols[1].align, ColumnFormat::Align::Left);
    EXPECT_EQ(cols[1].caption, QStringLiteral("PLU No "));
    EXPECT_EQ(cols[2].widthChars, 20);
    EXPECT_EQ(cols[3].caption, QStringLiteral("Message No"));
    EXPECT_EQ(cols[3].widthChars, 10);
}

TEST(FormatString, EmptyPartsAndMissingMarksStillMakeColumns) {
    const auto cols = parseFormat(QStringLiteral("Plain||^"));
    ASSERT_EQ(cols.size(), 3);
    EXPECT_EQ(cols[0].caption, QStringLiteral("Plain"));
    EXPECT_EQ(cols[1].caption, QString());
    EXPECT_EQ(cols[2].widthChars, 0);
}

TEST(TextGrid, FormatWritesHeaderRowOnlyForExistingColumns) {
    TextGrid g;
    g.setRows(3);
    g.setCols(2);
    g.setFormat(QStringLiteral("^No |<A |^B"));
    EXPECT_EQ(g.text(0, 0), QStringLiteral("No "));
    EXPECT_EQ(g.text(0, 1), QStringLiteral("A "));
    EXPECT_EQ(g.text(0, 2), QString());
    EXPECT_EQ(g.align(1), ColumnFormat::Align::Left);
}

TEST(TextGrid, ResizingKeepsTextsAndClearsNewCells) {
    TextGrid g;
    g.setRows(4);
    g.setCols(3);
    g.setText(2, 1, QStringLiteral("x"));
    g.setText(3, 2, QStringLiteral("gone"));
    g.setRows(3);
    g.setRows(5);
    EXPECT_EQ(g.text(2, 1), QStringLiteral("x"));
    EXPECT_EQ(g.text(3, 2), QString());
    EXPECT_EQ(g.text(4, 0), QString());
    EXPECT_EQ(g.text(9, 9), QString()); // outside the grid reads empty
    g.setText(9, 9, QStringLiteral("ignored"));
    EXPECT_EQ(g.rows(), 5);
}

TEST(TextGrid, LeaveCellIsRaisedWhileTheOldCellIsStillCurrent) {
    TextGrid g;
    g.setRows(10);
    g.setCols(10);
    g.setCurrent(1, 1);
    std::vector<std::pair<int, int>> seenAtLeave;
    QObject::connect(&g, &TextGrid::leaveCell, [&] { seenAtLeave.emplace_back(g.row(), g.col()); });
    g.setRow(4);
    g.setCol(7);
    g.setCurrent(4, 7); // no move, no event
    g.setCurrent(2, 3);
    const std::vector<std::pair<int, int>> expected{{1, 1}, {4, 1}, {4, 7}};
    EXPECT_EQ(seenAtLeave, expected);
    EXPECT_EQ(g.row(), 2);
    EXPECT_EQ(g.col(), 3);
}

TEST(TextGrid, ShrinkingBelowTheCursorMovesItWithALeaveCell) {
    TextGrid g;
    g.setRows(10);
    g.setCols(4);
    g.setCurrent(8, 2);
    int leaves = 0;
    QObject::connect(&g, &TextGrid::leaveCell, [&] { ++leaves; });
    g.setRows(5);
    EXPECT_EQ(g.row(), 4);
    EXPECT_EQ(leaves, 1);
}

TEST(TextGrid, RowHeightsAreKeptPerRowInTwips) {
    TextGrid g;
    g.setRows(4);
    EXPECT_EQ(g.rowHeight(2), TextGrid::kStandardHeight);
    g.setRowHeight(2, 300);
    EXPECT_EQ(g.rowHeight(2), 300);
    g.setRows(3);
    g.setRows(4);
    EXPECT_EQ(g.rowHeight(2), 300);
    EXPECT_EQ(g.rowHeight(3), TextGrid::kStandardHeight);
}

TEST(TextGrid, ShrinksToItsCaptionRowAloneAndGrowsBackEmpty) {
    TextGrid g;
    g.setRows(5);
    g.setCols(3);
    g.setText(0, 1, QStringLiteral("caption"));
    g.setText(2, 1, QStringLiteral("old"));
    g.setCurrent(3, 2);
    g.setRows(1);
    EXPECT_EQ(g.rows(), 1);
    EXPECT_EQ(g.row(), 0);
    EXPECT_EQ(g.text(0, 1), QStringLiteral("caption"));
    g.setRows(0); // never fewer than the caption row
    EXPECT_EQ(g.rows(), 1);
    g.setRows(4);
    EXPECT_EQ(g.text(2, 1), QString());
}
