// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellEditing.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace tarn {
namespace {

TEST(OpeningText, PrintableCharacterReplacesTheCellText) {
    EXPECT_EQ(openingText(QStringLiteral("5"), QStringLiteral("12")), QStringLiteral("5"));
    EXPECT_EQ(openingText(QStringLiteral("a"), QStringLiteral("12")), QStringLiteral("a"));
    EXPECT_EQ(openingText(QStringLiteral("\u00e9"), QStringLiteral("12")),
              QStringLiteral("\u00e9"));
    // A character outside the basic plane arrives as two UTF-16 units and is kept whole.
    const QString outside = QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(openingText(outside, QStringLiteral("12")), outside);
}

TEST(OpeningText, ControlCharactersAndBlankOpenTheCellText) {
    const QStringList keys = {
        QStringLiteral("\r"), QStringLiteral("\b"),   QStringLiteral("\x1b"), QStringLiteral(" "),
        QStringLiteral("\t"), QStringLiteral("\x01"), QStringLiteral("\x7f"), QString()};
    for (const QString& key : keys)
        EXPECT_EQ(openingText(key, QStringLiteral("12")), QStringLiteral("12"))
            << "key code " << (key.isEmpty() ? -1 : int(key.front().unicode()));
    EXPECT_EQ(openingText(QStringLiteral("\b"), QString()), QString());
}

// A grid as the window has it after start-up: 201 rows numbered in column 0, 10 columns.
class EnterKey : public ::testing::Test {
protected:
    EnterKey() {
        grid.setRows(201);
        grid.setCols(10);
        for (int r = 1; r < 201; ++r)
            grid.setText(r, 0, QString::number(r));
        QObject::connect(&grid, &TextGrid::leaveCell, [this] { log << cursor("leave"); });
        QObject::connect(&grid, &TextGrid::currentChanged, [this](int r, int c) {
            log << QStringLiteral("now %1,%2").arg(r).arg(c);
        });
    }

    QString cursor(const char* what) const {
        return QStringLiteral("%1 %2,%3").arg(QLatin1String(what)).arg(grid.row()).arg(grid.col());
    }

    // What the overlay does on commit: the typed text goes into the cell current at that moment.
    EnterResult enterAt(int row, int col, const QString& typed = QStringLiteral("x")) {
        grid.setCurrent(row, col);
        log.clear();
        return enterKey(grid, [&] {
            log << cursor("commit");
            grid.setText(grid.row(), grid.col(), typed);
        });
    }

    QString numbering(int row) const { return grid.text(row, 0); }

    TextGrid grid;
    QStringList log;
};

TEST_F(EnterKey, MovesAlongTheRowAfterCommittingIntoTheEditedCell) {
    EXPECT_EQ(enterAt(7, 4, QStringLiteral("5")), EnterResult::Moved);
    EXPECT_EQ(grid.text(7, 4), QStringLiteral("5"));
    EXPECT_EQ(grid.text(7, 5), QString());
    EXPECT_EQ(log, QStringList({"commit 7,4", "leave 7,4", "now 7,5"}));
    EXPECT_EQ(grid.rows(), 201);
}

TEST_F(EnterKey, LastColumnGoesToTheNextRowsFirstCell) {
    EXPECT_EQ(enterAt(7, 9, QStringLiteral("77")), EnterResult::Moved);
    EXPECT_EQ(grid.text(7, 9), QStringLiteral("77"));
    EXPECT_EQ(grid.row(), 8);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(grid.rows(), 201);
    // Row 199 grows the grid by one, so that a numbered row stays below the cursor's.
    EXPECT_EQ(enterAt(199, 9), EnterResult::Moved);
    EXPECT_EQ(grid.rows(), 202);
    EXPECT_EQ(numbering(201), QStringLiteral("201"));
    EXPECT_EQ(grid.rowHeight(201), 300);
}

TEST_F(EnterKey, LastColumnOfTheLastRowGrowsTwoNumberedRows) {
    EXPECT_EQ(enterAt(200, 9), EnterResult::Moved);
    EXPECT_EQ(grid.text(200, 9), QStringLiteral("x"));
    EXPECT_EQ(log.front(), QStringLiteral("commit 200,9"));
    EXPECT_EQ(grid.rows(), 203);
    EXPECT_EQ(numbering(201), QStringLiteral("201"));
    EXPECT_EQ(numbering(202), QStringLiteral("202"));
    EXPECT_EQ(grid.rowHeight(201), 300);
    EXPECT_EQ(grid.rowHeight(202), 300);
    EXPECT_EQ(grid.rowHeight(200), TextGrid::kStandardHeight);
    EXPECT_EQ(grid.row(), 201);
    EXPECT_EQ(grid.col(), 1);
}

TEST_F(EnterKey, GrowthKeepsOneNumberedRowBelowTheCursorRowAfterRow) {
    enterAt(199, 9);
    EXPECT_EQ(enterAt(200, 9), EnterResult::Moved);
    EXPECT_EQ(grid.rows(), 203);
    EXPECT_EQ(numbering(202), QStringLiteral("202"));
    EXPECT_EQ(grid.rowHeight(202), 300);
    EXPECT_EQ(grid.row(), 201);
    EXPECT_EQ(grid.col(), 1);
}

TEST_F(EnterKey, Row201IsRefusedWithoutCommitOrMove) {
    enterAt(200, 9);
    for (int col : {1, 5, 9}) {
        EXPECT_EQ(enterAt(201, col), EnterResult::Refused) << "column " << col;
        EXPECT_TRUE(log.isEmpty()) << log.join(QStringLiteral("; ")).toStdString();
        EXPECT_EQ(grid.text(201, col), QString());
        EXPECT_EQ(grid.row(), 201);
        EXPECT_EQ(grid.col(), col);
        EXPECT_EQ(grid.rows(), 203);
    }
}

TEST_F(EnterKey, RecordRowsAroundTheEndAreNotRefused) {
    EXPECT_EQ(enterAt(200, 3), EnterResult::Moved);
    EXPECT_EQ(grid.text(200, 3), QStringLiteral("x"));
    EXPECT_EQ(grid.col(), 4);
    enterAt(200, 9);
    EXPECT_EQ(enterAt(202, 2), EnterResult::Moved);
    EXPECT_EQ(grid.text(202, 2), QStringLiteral("x"));
}

TEST(EditableCell, FixedRowAndColumnCarryNoEdit) {
    TextGrid grid;
    grid.setRows(5);
    grid.setCols(5);
    grid.setCurrent(2, 3);
    EXPECT_TRUE(isEditableCell(grid));
    grid.setCurrent(2, 0);
    EXPECT_FALSE(isEditableCell(grid));
    grid.setCurrent(0, 3);
    EXPECT_FALSE(isEditableCell(grid));
}

} // namespace
} // namespace tarn
