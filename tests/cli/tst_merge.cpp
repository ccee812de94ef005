// SPDX-License-Identifier: GPL-3.0-or-later
// merge: a till's price list merged into a table file, the result saved to another.

#include "CliRun.h"

namespace tarn::testing {
namespace {

const QByteArray kPluFile = "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                            "13,\"PEAR\",\" \",200,0,0,0,0,0\r\n";

TEST(Merge, aSemicolonListWithDecimalCommasUpdatesAndAddsRecords) {
    QTemporaryDir dir;
    const QString table = dir.filePath("shop.PLU");
    const QString list = dir.filePath("till.csv");
    const QString out = dir.filePath("new.plu");
    ASSERT_TRUE(writeBytes(table, kPluFile));
    ASSERT_TRUE(writeBytes(list, "Article;Description;Price\r\n12;APPLE;15,49\r\n"
                                 "13;PEAR;2\r\n40;KIWI;0,35\r\n"));

    const CliResult r = runCli({"merge", "plu", table, list, out, "--map",
                                "PLU No=Article,Item name1=Description,U/Price=Price"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out),
              shown({"PLU Count is 2", "Price list: 1 changed (U/Price 1), 1 new, 1 unchanged",
                     "PLU Count is 3"}));
    EXPECT_EQ(readBytes(out), QByteArray("12,\"APPLE\",\"RED\",1549,3,0,2001,1,5\r\n"
                                         "13,\"PEAR\",\" \",200,0,0,0,0,0\r\n"
                                         "40,\"KIWI\",\" \",35,0,0,0,0,0\r\n"));
    EXPECT_EQ(readBytes(table), kPluFile);
}

TEST(Merge, aRefusedRowWritesNothingAndEndsWithStatusOne) {
    QTemporaryDir dir;
    const QString table = dir.filePath("shop.PLU");
    const QString list = dir.filePath("till.txt");
    const QString out = dir.filePath("new.PLU");
    ASSERT_TRUE(writeBytes(table, kPluFile));
    ASSERT_TRUE(writeBytes(list, "12,1.5\r\n13,\"1,299.00\"\r\n"));

    const CliResult r = runCli(
        {"merge", "plu", table, list, out, "--map", "PLU No=A,U/Price=B", "--price-decimals", "2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(shown(r.out), shown({"PLU Count is 2"}));
    EXPECT_EQ(shown(linesOf(r.err)),
              shown({"ERROR! sheet row 2, column B: U/Price 1,299.00 is not a price"}));
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);

    const CliResult usage = runCli({"merge", "plu", table, list, out});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.err.startsWith("tarnlink-cli: merge needs --map")) << usage.err.constData();
}

// A table whose workbook holds more than 200 records is merged from its first 200, and the
// rows left out are named, as convert names them.
TEST(Merge, aTableWorkbookPastTwoHundredRecordsIsNamedInAWarning) {
    QTemporaryDir dir;
    const QString table = dir.filePath("shop.csv");
    const QString list = dir.filePath("till.csv");
    const QString out = dir.filePath("new.PLU");
    QByteArray csv = "PLU No\r\n";
    for (int i = 1; i <= 201; ++i)
        csv += QByteArray::number(i) + "\r\n";
    ASSERT_TRUE(writeBytes(table, csv));
    ASSERT_TRUE(writeBytes(list, "Article,Price\r\n7,250\r\n"));

    const CliResult r =
        runCli({"merge", "plu", table, list, out, "--map", "PLU No=Article,U/Price=Price"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.err, "tarnlink-cli: warning: 1 row past the 200th was left out: a table holds at "
                     "most 200 records.\n");
    EXPECT_EQ(r.out.value(0), QStringLiteral("Excel File Ingred Data  "));
    EXPECT_EQ(r.out.value(r.out.size() - 2),
              QStringLiteral("Price list: 1 changed (U/Price 1), 0 new, 0 unchanged"));
    EXPECT_EQ(r.out.last(), QStringLiteral("PLU Count is 200"));
}

} // namespace
} // namespace tarn::testing
