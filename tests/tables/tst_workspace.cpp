// SPDX-License-Identifier: GPL-3.0-or-later
#include "Workspace.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace tarn;

namespace {
template <class R> void expectEmptyTable(const Table<R>& t) {
    ASSERT_EQ(t.grid.rows(), 201);
    ASSERT_EQ(t.grid.cols(), 10);
    EXPECT_EQ(t.count, 0);
    for (int r = 1; r <= 200; ++r) {
        EXPECT_EQ(t.grid.text(r, 0), QString::number(r));
        for (int c = 1; c <= 9; ++c)
            EXPECT_TRUE(t.grid.text(r, c).isEmpty()) << r << ',' << c;
        EXPECT_EQ(t.records[size_t(r)], R{}) << r;
    }
}
} // namespace

TEST(Workspace, StartUpClearsBothTablesAndEndsOnTheMessageCount) {
    Workspace ws;
    QStringList shown;
    QObject::connect(&ws, &Workspace::statusChanged, [&](const QString& t) { shown << t; });
    const Report report = ws.startUp();
    expectEmptyTable(ws.plu);
    expectEmptyTable(ws.ingred);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.texts, (QStringList{"PLU Count is 0", "Message Count is 0"}));
    EXPECT_TRUE(shown.isEmpty()); // the window or the command line shows them
    EXPECT_EQ(ws.filePath(), QStringLiteral("?"));
    EXPECT_FALSE(ws.hasFile());
}

TEST(Workspace, HeadersComeFromTheFormatStrings) {
    Workspace ws;
    ws.startUp();
    const QStringList plu{
        "No ",           "PLU No ",     "Item name1          ", "Item name2          ",
        "U/Price      ", "Valid Date ", "Tare      ",           "Item code      ",
        "G code ",       "Message No"};
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(ws.plu.grid.text(0, c), plu[c]) << c;
    EXPECT_EQ(ws.plu.grid.align(1), ColumnFormat::Align::Left);
    for (int c : {0, 2, 3, 4, 5, 6, 7, 8, 9})
        EXPECT_EQ(ws.plu.grid.align(c), ColumnFormat::Align::Centre) << c;
    EXPECT_EQ(ws.ingred.grid.text(0, 1), QStringLiteral("Message No "));
    for (int c = 2; c <= 9; ++c)
        EXPECT_EQ(ws.ingred.grid.text(0, c), QStringLiteral("Message%1      ").arg(c - 1));
    EXPECT_EQ(ws.ingred.grid.widthChars(9), 14);
}

TEST(Workspace, NewShrinksAGrownGridAndClearsOnlyItsOwnTable) {
    Workspace ws;
    ws.startUp();
    ws.plu.grid.setRows(205);
    ws.plu.grid.setText(3, 2, QStringLiteral("APPLE"));
    ws.plu.grid.setText(0, 1, QStringLiteral("changed"));
    ws.plu.records[3].pluNo = 9;
    ws.plu.count = 3;
    ws.ingred.grid.setText(1, 1, QStringLiteral("4"));
    ws.ingred.count = 1;
    ws.setFilePath(QStringLiteral("/tmp/a.PLU"));

    const Report report = ws.clear(TableKind::Plu);
    expectEmptyTable(ws.plu);
    EXPECT_EQ(ws.plu.grid.text(0, 1), QStringLiteral("PLU No "));
    EXPECT_EQ(report.texts, QStringList{"PLU Count is 0"});
    EXPECT_EQ(ws.filePath(), QStringLiteral("?"));
    EXPECT_EQ(ws.ingred.grid.text(1, 1), QStringLiteral("4"));
    EXPECT_EQ(ws.ingred.count, 1);
}

TEST(Workspace, IngredNewResetsTheSharedFileSource) {
    Workspace ws;
    ws.startUp();
    ws.setFilePath(QStringLiteral("/shop/prices.PLU"));
    ws.ingred.grid.setRows(230);
    ws.ingred.grid.setText(200, 9, QStringLiteral("salt"));
    const Report report = ws.clear(TableKind::Ingred);
    expectEmptyTable(ws.ingred);
    EXPECT_EQ(ws.filePath(), QStringLiteral("?"));
    EXPECT_EQ(report.texts, QStringList{"Message Count is 0"});
}

TEST(Records, ShowRecordWritesPlainDecimalTextsInGridColumnOrder) {
    TextGrid g;
    g.setRows(3);
    g.setCols(10);
    PluRecord r;
    r.pluNo = 12;
    r.name1 = QStringLiteral("APPLE");
    r.name2 = QStringLiteral("RED");
    r.unitPrice = 1500;
    r.validDate = 3;
    r.tare = -1;
    r.itemCode = 2001;
    r.groupCode = 1;
    r.messageNo = 5;
    showRecord(g, 2, r);
    QStringList row;
    for (int c = 0; c < 10; ++c)
        row << g.text(2, c);
    EXPECT_EQ(row, (QStringList{"2", "12", "APPLE", "RED", "1500", "3", "-1", "2001", "1", "5"}));
}
