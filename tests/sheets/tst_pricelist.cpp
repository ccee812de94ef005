// SPDX-License-Identifier: GPL-3.0-or-later
// Price lists from a till: the decimal rule, the column mapping, the merge and its memory.

#include "PriceList.h"
#include "SheetFile.h"
#include "SheetTestSupport.h"

#include <QFile>
#include <QSettings>

using namespace tarn;

namespace {

class PriceList : public ::testing::Test {
protected:
    void SetUp() override { ws.startUp(); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString write(const char* name, const QByteArray& bytes) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }
    ReadSheet read(const QString& file) {
        ReadOutcome r = readPriceList(file);
        EXPECT_TRUE(r.sheet) << r.error.toStdString();
        return r.sheet.value_or(ReadSheet{});
    }
    ColumnMap map(const char* text, const ReadSheet& list) {
        const MapParse p = parseColumnMap(TableKind::Plu, QString::fromUtf8(text), list);
        EXPECT_TRUE(p.error.isEmpty()) << p.error.toStdString();
        return p.map;
    }
    void setRow(int row, const QStringList& texts) {
        for (int c = 0; c < texts.size(); ++c)
            ws.plu.grid.setText(row, c + 1, texts[c]);
    }
    QStringList row(int r) const {
        QStringList out;
        for (int c = 1; c <= kFieldColumns; ++c)
            out.append(ws.plu.grid.text(r, c));
        return out;
    }

    QTemporaryDir dir;
    Workspace ws;
};

} // namespace

TEST(PriceDecimals, readsPointOrCommaUpToTheDecimalsAndRefusesAnythingElse) {
    const std::pair<const char*, qint32> accepted[] = {
        {"2.99", 299}, {"2,99", 299}, {"2", 200}, {" 2.5 ", 250}, {"0,01", 1}, {"1299.00", 129900}};
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(parsePrice(QString::fromUtf8(text), 2).value, value) << text;
    EXPECT_EQ(parsePrice(QStringLiteral("1,299"), 3).value, 1299);
    EXPECT_EQ(parsePrice(QStringLiteral("15"), 0).value, 15);

    const std::pair<const char*, const char*> refused[] = {
        {"2.999", "2.999 has more than 2 decimals"},
        {"1,299.00", "1,299.00 is not a price"}, // a thousands separator
        {"1.299,00", "1.299,00 is not a price"},
        {"1 299", "1 299 is not a price"},
        {"\u20ac2.99", "\u20ac2.99 is not a price"}, // a currency sign
        {"2.99 EUR", "2.99 EUR is not a price"},
        {"-2.99", "-2.99 is not a price"},
        {"2.", "2. is not a price"},
        {".99", ".99 is not a price"},
        {"", " is not a price"},
        {"99999999.99", "is out of range"}};
    for (const auto& [text, reason] : refused) {
        const PriceResult r = parsePrice(QString::fromUtf8(text), 2);
        EXPECT_FALSE(r.value) << text;
        EXPECT_EQ(r.reason, QString::fromUtf8(reason));
    }
    EXPECT_EQ(parsePrice(QStringLiteral("2.5"), 0).reason,
              QStringLiteral("2.5 is not a whole number"));
}

TEST_F(PriceList, mapsByHeaderTextOrLetterAndSaysWhatDoesNotFit) {
    const ReadSheet list =
        read(write("till.csv", "Article;Description;Price\r\n101;Apples;2,99\r\n"));
    EXPECT_TRUE(hasHeaderRow(list, ColumnMap()));
    const ColumnMap m = map("plu no=article, U/Price=C ,Item name1=Description", list);
    EXPECT_EQ(m.columns[0], 0);
    EXPECT_EQ(m.columns[1], 1);
    EXPECT_EQ(m.columns[3], 2);
    // No header above the article numbers: the other headers tell.
    const ReadSheet blankA1 = read(write("b.csv", ";Price\r\n101;2,99\r\n"));
    EXPECT_TRUE(hasHeaderRow(blankA1, map("PLU No=A,U/Price=Price", blankA1)));
    EXPECT_EQ(columnMapText(TableKind::Plu, m, list),
              QStringLiteral("PLU No=Article,Item name1=Description,U/Price=Price"));

    const std::pair<const char*, const char*> bad[] = {
        {"U/Price=Price", "PLU No must be mapped: it is the key"},
        {"PLU No=Article,Price=Price", "Price is not a field of the PLU table (PLU No, Item name1, "
                                       "Item name2, U/Price, Valid Date, Tare, Item code, G code, "
                                       "Message No)"},
        {"PLU No=Barcode", "the list has no column \"Barcode\" (a header text of its first row, or "
                           "a letter A to Z)"},
        {"PLU No=A,PLU No=B", "PLU No is mapped twice"}};
    for (const auto& [text, error] : bad)
        EXPECT_EQ(parseColumnMap(TableKind::Plu, QString::fromUtf8(text), list).error,
                  QString::fromUtf8(error));
}

// A till's daily list: two prices changed, one the same, one new article, one row that only
// renames; an .xlsx without a header row reads the same by column letters.
TEST_F(PriceList, mergeUpdatesMatchingKeysAndPutsNewOnesInTheFirstFreeRows) {
    setRow(1, {"101", "APPLES", "", "250", "3", "0", "2001", "1", "5"});
    setRow(2, {"102", "PEARS", "", "300", "0", "0", "0", "0", "0"});
    setRow(3, {"103", "PLUMS", "", "0420", "0", "0", "0", "0", "0"});
    setRow(5, {"105", "GRAPES", "", "500", "0", "0", "0", "0", "0"}); // row 4 is free
    const ReadSheet list = read(write("till.csv", "Article;Description;Price\r\n"
                                                  "101;APPLES;2,99\r\n"
                                                  ";;\r\n"
                                                  "103;PLUMS;4.20\r\n"
                                                  "106;KIWIS;0,5\r\n"
                                                  "102;NASHI PEARS;\r\n"
                                                  "105;GRAPES;5,10\r\n"));
    const MergePlan plan =
        planMerge(ws.plu.grid, TableKind::Plu, list,
                  map("PLU No=Article,Item name1=Description,U/Price=Price", list), 2);
    ASSERT_TRUE(plan.ok()) << plan.error.toStdString();
    EXPECT_EQ(
        plan.summary(TableKind::Plu),
        QStringLiteral("Price list: 3 changed (Item name1 1, U/Price 2), 1 new, 1 unchanged"));
    ASSERT_EQ(plan.changes.size(), 6);
    EXPECT_EQ(plan.changes[0].row, 1);
    EXPECT_EQ(plan.changes[0].col, 4);
    EXPECT_EQ(plan.changes[0].before, QStringLiteral("250"));
    EXPECT_EQ(plan.changes[0].after, QStringLiteral("299"));
    EXPECT_TRUE(plan.changes[1].added);
    EXPECT_EQ(plan.changes[1].row, 4);

    applyMerge(ws.plu.grid, plan);
    EXPECT_EQ(row(1), QStringList({"101", "APPLES", "", "299", "3", "0", "2001", "1", "5"}));
    EXPECT_EQ(row(2).mid(0, 4), QStringList({"102", "NASHI PEARS", "", "300"}));
    EXPECT_EQ(row(3).mid(0, 4), QStringList({"103", "PLUMS", "", "0420"}));
    EXPECT_EQ(row(4), QStringList({"106", "KIWIS", "", "50", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(5)[3], QStringLiteral("510"));

    // No header row: the key in row 1 is a number, so row 1 is a record.
    ASSERT_EQ(
        writeXlsx(path("bare.xlsx"),
                  WriteSheet{QStringLiteral("x"), {{"7", "", "1.25"}, {"101", "", "3"}}, {}, 0, 0}),
        QString());
    const ReadSheet bare = read(path("bare.xlsx"));
    const ColumnMap byLetter = map("PLU No=A,U/Price=C", bare);
    EXPECT_FALSE(hasHeaderRow(bare, byLetter));
    const MergePlan second = planMerge(ws.plu.grid, TableKind::Plu, bare, byLetter, 2);
    ASSERT_TRUE(second.ok()) << second.error.toStdString();
    EXPECT_EQ(second.summary(TableKind::Plu),
              QStringLiteral("Price list: 1 changed (U/Price 1), 1 new, 0 unchanged"));
    applyMerge(ws.plu.grid, second);
    EXPECT_EQ(row(6), QStringList({"7", "", "", "125", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(1)[3], QStringLiteral("300"));
}

// A list longer than 1,000 rows is refused, also when its last rows follow an empty one: a
// price of row 1,002 is never dropped in silence.
TEST_F(PriceList, aListPastItsThousandRowsIsRefused) {
    QByteArray rows = "Article,Price\r\n";
    for (int i = 1; i < kPriceListRows; ++i)
        rows += QByteArray::number(i) + ",1.00\r\n";
    EXPECT_TRUE(readPriceList(write("full.csv", rows)).sheet);
    for (const QByteArray& tail : {QByteArray("1000,1.00\r\n"), QByteArray(",\r\n1001,1.00\r\n")}) {
        const ReadOutcome r = readPriceList(write("long.csv", rows + tail));
        EXPECT_FALSE(r.sheet);
        EXPECT_EQ(r.error, QStringLiteral("ERROR! long.csv: more than 1000 rows"));
    }
}

// A name over two lines in the till's cell lands on one line, as a paste leaves it.
TEST_F(PriceList, aNameOverSeveralLinesBecomesOneLine) {
    const ReadSheet list = read(write("names.csv", "Article,Name\r\n7,\"GALA\r\nAPPLES\"\r\n"));
    const MergePlan plan = planMerge(ws.plu.grid, TableKind::Plu, list,
                                     map("PLU No=Article,Item Name1=Name", list), 2);
    ASSERT_TRUE(plan.ok()) << plan.error.toStdString();
    applyMerge(ws.plu.grid, plan);
    EXPECT_EQ(row(1).mid(0, 2), QStringList({"7", "GALA APPLES"}));
}

TEST_F(PriceList, oneBadRowRefusesTheWholeListNamingRowAndColumn) {
    setRow(1, {"101", "APPLES", "", "250"});
    const ReadSheet list = read(write("till.txt", "Price,Article\r\n\"2,50\",101\r\n3.5,102\r\n"
                                                  "\"2,999\",103\r\n"));
    const ColumnMap m = map("PLU No=Article,U/Price=Price", list);
    const MergePlan plan = planMerge(ws.plu.grid, TableKind::Plu, list, m, 2);
    EXPECT_EQ(
        plan.error,
        QStringLiteral("ERROR! sheet row 4, column A: U/Price 2,999 has more than 2 decimals"));
    EXPECT_TRUE(plan.writes.isEmpty());
    EXPECT_TRUE(plan.changes.isEmpty());
    EXPECT_EQ(plan.rows, ws.plu.grid.rows());

    const std::pair<QByteArray, const char*> cases[] = {
        {"Article;Price\r\n101;1\r\n101;2\r\n",
         "ERROR! sheet row 3, column A: PLU No 101 is also in sheet row 2"},
        {"Article;Price\r\n;1\r\n", "ERROR! sheet row 2, column A: PLU No is empty"},
        {"Article;Price\r\n10.5;1\r\n",
         "ERROR! sheet row 2, column A: PLU No 10.5 is not a whole number"},
        {"Article;Price\r\n1;1 EUR\r\n",
         "ERROR! sheet row 2, column B: U/Price 1 EUR is not a price"},
        {QByteArray("Article;Price\r\n1;1\0\r\n", 21),
         "ERROR! sheet row 2, column B: the text holds the control character U+0000"}};
    for (const auto& [bytes, error] : cases) {
        const ReadSheet l = read(write("bad.csv", bytes));
        EXPECT_EQ(
            planMerge(ws.plu.grid, TableKind::Plu, l, map("PLU No=Article,U/Price=Price", l), 2)
                .error,
            QString::fromUtf8(error));
    }
    // The table is full: a new key has nowhere to go.
    for (int r = 1; r <= kMaxRecords; ++r)
        setRow(r, {QString::number(r)});
    const ReadSheet full = read(write("new.csv", "Article;Price\r\n7;1\r\n999;1\r\n"));
    EXPECT_EQ(
        planMerge(ws.plu.grid, TableKind::Plu, full, map("PLU No=Article,U/Price=Price", full), 2)
            .error,
        QStringLiteral("ERROR! sheet row 3, column A: PLU No 999 is new and the table has no "
                       "free row"));
}

TEST_F(PriceList, rememberedMappingFollowsTheHeaderTextsInAnyOrder) {
    QSettings settings(path("settings.ini"), QSettings::IniFormat);
    const ReadSheet today = read(write("a.csv", "Article;Description;Price\r\n1;A;1\r\n"));
    rememberMapping(settings, TableKind::Plu, today, map("PLU No=Article,U/Price=Price", today), 3);

    const ReadSheet tomorrow = read(write("b.csv", "Price;Article;Description\r\n1;2;B\r\n"));
    const auto recalled = recallMapping(settings, TableKind::Plu, tomorrow);
    ASSERT_TRUE(recalled);
    EXPECT_EQ(recalled->map, map("PLU No=B,U/Price=A", tomorrow));
    EXPECT_EQ(recalled->priceDecimals, 3);
    // Other headers, or the other table: nothing remembered.
    EXPECT_FALSE(recallMapping(settings, TableKind::Plu,
                               read(write("c.csv", "Article;Text;Price\r\n1;A;1\r\n"))));
    EXPECT_FALSE(recallMapping(settings, TableKind::Ingred, today));
}
