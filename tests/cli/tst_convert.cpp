// SPDX-License-Identifier: GPL-3.0-or-later
// convert: the window's open and save of table files and workbooks, by extension.

#include "CliRun.h"

#include <tuple>

namespace tarn::testing {
namespace {

const QByteArray kPluFile = "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                            "13,\"PEAR\",\" \",200,0,0,0,0,0\r\n";
const QByteArray kIngredFile = "3,\"SUGAR\",\"SALT\",\" \",\" \",\" \",\" \",\" \",\" \"\r\n";

TEST(Convert, pluFileThroughAWorkbookComesBackByteForByte) {
    QTemporaryDir dir;
    const QString in = dir.filePath("prices.PLU");
    const QString book = dir.filePath("prices.Xls"); // any case of the extension
    const QString back = dir.filePath("back.plu");
    ASSERT_TRUE(writeBytes(in, kPluFile));

    CliResult r = runCli({"convert", "plu", in, book});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out),
              shown({"PLU Count is 2", " Input File Name ", " Excel File Save ",
                     " Data Changing ....  12", " Data Changing ....  13", " Save End"}));

    r = runCli({"convert", "PLU", book, back});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(
        shown(r.out),
        shown({"Excel File Ingred Data  ", " Open Excel File ", " Initializing ",
               " Data Format Changing ....  PLU No      ", " Data Format Changing ....  12      ",
               " Data Format Changing ....  13      ", " Data Format Changing ....        ",
               "PLU Number is 2", " Data is End ", "PLU Count is 2"}));
    EXPECT_EQ(readBytes(back), kPluFile);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
}

TEST(Convert, ingredientFileThroughAWorkbookComesBackByteForByte) {
    QTemporaryDir dir;
    const QString in = dir.filePath("msgs.INGRED");
    const QString book = dir.filePath("msgs.XLS");
    const QString back = dir.filePath("back.Ingred");
    ASSERT_TRUE(writeBytes(in, kIngredFile));

    CliResult r = runCli({"convert", "ingred", in, book});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out), shown({"Message Count is 1", " Input File Name ", " Excel File Save ",
                                   " Data Changing ....  3", " Save End"}));
    r = runCli({"convert", "ingred", book, back});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out.value(0).toStdString(), "Excel File INGRED Data  ");
    EXPECT_EQ(r.out.mid(r.out.size() - 3).join('|').toStdString(),
              "Ingredient Number is 1| Data is End |INGRED Count is 1");
    EXPECT_EQ(readBytes(back), kIngredFile);
}

// Each table through every kind of spreadsheet in turn, the extensions in any case, comes
// back as the same file byte for byte: texts with commas, semicolons, blanks, letters beyond
// ASCII and what .xlsx would read as coded characters, and numbers.
TEST(Convert, tablesThroughXlsxOdsAndCsvComeBackByteForByte) {
    const QByteArray plu = kPluFile + "14,\"K\xe4se, alt\",\"  \x80 2 \",-5,0,7,0,0,0\r\n" +
                           "15,\"_x0041_\",\"a_x005F_b_x00e9__x\",1,0,0,0,0,0\r\n";
    const QByteArray ingred =
        kIngredFile + "4,\"a;b\",\" \",\" \",\" \",\" \",\" \",\" \",\"z\"\r\n";
    for (const auto& [kind, ext, bytes] :
         {std::tuple{"plu", "PLU", plu}, std::tuple{"ingred", "INGRED", ingred}}) {
        SCOPED_TRACE(kind);
        QTemporaryDir dir;
        const QStringList chain = {dir.filePath(QStringLiteral("in.") + ext),
                                   dir.filePath("t.xlsx"),
                                   dir.filePath("t.ODS"),
                                   dir.filePath("t.fods"),
                                   dir.filePath("t.Csv"),
                                   dir.filePath(QStringLiteral("out.") + ext)};
        ASSERT_TRUE(writeBytes(chain[0], bytes));
        for (int i = 0; i + 1 < chain.size(); ++i) {
            const CliResult r = runCli({"convert", kind, chain[i], chain[i + 1]});
            ASSERT_EQ(r.exitCode, 0) << shown(r.out) << r.err.constData();
        }
        EXPECT_EQ(readBytes(chain.last()), bytes);
    }
}

// A table keeps its first 200 records; those left out are named on stderr, and the job
// still ends well.
TEST(Convert, recordsPastTheTwoHundredthAreNamedInAWarning) {
    QTemporaryDir dir;
    const QString in = dir.filePath("many.csv");
    QByteArray csv = "PLU No\r\n";
    for (int i = 1; i <= 203; ++i)
        csv += QByteArray::number(i) + "\r\n";
    ASSERT_TRUE(writeBytes(in, csv));
    const CliResult r = runCli({"convert", "plu", in, dir.filePath("out.PLU")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "tarnlink-cli: warning: 3 rows past the 200th were left out: a table holds "
                     "at most 200 records.\n");
    EXPECT_EQ(r.out.value(r.out.size() - 2), QStringLiteral(" Data is End "));
}

// A till's price list is no table: its prices would land in the wrong fields. Refused,
// pointing at merge, with nothing written.
TEST(Convert, aCsvWithoutTheTablesHeaderIsRefusedAsAPriceList) {
    QTemporaryDir dir;
    const QString till = dir.filePath("till-export.csv");
    const QString out = dir.filePath("prices.PLU");
    ASSERT_TRUE(writeBytes(till, "PLU;Price\r\n1;3,19\r\n"));
    const CliResult r = runCli({"convert", "plu", till, out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.toStdString(),
              ("tarnlink-cli: " + till +
               ": its first row is not the header of a PLU table: this looks like a price list: "
               "use tarnlink-cli merge\n")
                  .toStdString());
    EXPECT_FALSE(QFile::exists(out));
}

TEST(Convert, fileToFileOfTheSameKindIsALoadAndASave) {
    QTemporaryDir dir;
    const QString in = dir.filePath("a.PLU");
    const QString out = dir.filePath("b.PLU");
    ASSERT_TRUE(writeBytes(in, kPluFile));
    const CliResult r = runCli({"convert", "plu", in, out});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(shown(r.out), shown({"PLU Count is 2", "PLU Count is 2"}));
    EXPECT_EQ(readBytes(out), kPluFile);
}

TEST(Convert, aFileThatCannotBeReadOrWrittenFailsWithTheWindowsTextAndWritesNothing) {
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.PLU");
    const QString good = dir.filePath("good.PLU");
    const QString out = dir.filePath("out.PLU");
    ASSERT_TRUE(writeBytes(bad, "12,\"APPLE\",\"RED\",1x,3,0,2001,1,5\r\n"));
    ASSERT_TRUE(writeBytes(good, kPluFile));

    CliResult r = runCli({"convert", "plu", bad, out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << shown(r.out);
    EXPECT_EQ(shown(linesOf(r.err)), shown({"ERROR! line 1: U/Price is not a number"}));
    EXPECT_FALSE(QFile::exists(out));

    // A text file named as a workbook.
    const QString fake = dir.filePath("fake.xls");
    ASSERT_TRUE(writeBytes(fake, kPluFile));
    r = runCli({"convert", "plu", fake, out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(linesOf(r.err).value(0).toStdString(), "ERROR! fake.xls: not a workbook it can read");
    EXPECT_FALSE(QFile::exists(out));

    r = runCli({"convert", "plu", good, dir.filePath("no/such/dir/out.PLU")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(shown(r.out), shown({"PLU Count is 2"}));
    EXPECT_TRUE(r.err.startsWith("ERROR! cannot save ")) << r.err.constData();
}

} // namespace
} // namespace tarn::testing
