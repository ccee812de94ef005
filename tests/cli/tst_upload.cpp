// SPDX-License-Identifier: GPL-3.0-or-later
// upload: the window's upload, then its save of the table to the file or workbook.

#include "CliRun.h"

namespace tarn::testing {
namespace {

TEST(Upload, everyPluRecordComesBackIntoTheFileAsTheWindowSavesIt) {
    QTemporaryDir dir;
    const QString onScale = dir.filePath("scale.PLU");
    const QString out = dir.filePath("back.PLU");
    ASSERT_TRUE(writeBytes(onScale, "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                                    "13,\"PEAR\",\" \",200,0,0,0,0,0\r\n"));
    Scale scale({"--plu", onScale});
    const CliResult r = runCli({"--port", scale.device(), "upload", "plu", out});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out), shown({"plu#1 is received", "plu#2 is received", "PLU is not exist",
                                   "PLU Count is 2"}));
    // The names as the line carries them: 28 characters, centred.
    EXPECT_EQ(readBytes(out).toStdString(),
              "12,\"           APPLE            \",\"            RED             \","
              "1500,3,0,2001,1,5\r\n"
              "13,\"            PEAR            \",\"                            \","
              "200,0,0,0,0,0\r\n");
    QStringList asked;
    for (const QString& line : scale.bytes())
        if (line.startsWith("pc> "))
            asked << line;
    EXPECT_EQ(shown(asked), shown({"pc> A5", "pc> 05", "pc> 00 01", "pc> A5", "pc> 05", "pc> 00 02",
                                   "pc> A5", "pc> 05", "pc> 00 03"}));
}

TEST(Upload, oneIngredientMessageGoesIntoAWorkbook) {
    QTemporaryDir dir;
    const QString book = dir.filePath("msgs.XLS");
    const QString text = dir.filePath("msgs.INGRED");
    Scale scale; // the built-in messages 1 and 2
    const CliResult r = runCli({"--port", scale.device(), "upload", "ingred", book, "--one", "2"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out), shown({"INGRED#2 is received", " Input File Name ", " Excel File Save ",
                                   " Data Changing ....  2", " Save End"}));
    EXPECT_EQ(shown(scale.bytes().mid(0, 6)),
              shown({"pc> A5", "sc> 77", "pc> 04", "sc> 01", "pc> 00 02", "sc> 00"}));

    ASSERT_EQ(runCli({"convert", "ingred", book, text}).exitCode, 0);
    const QByteArray saved = readBytes(text);
    EXPECT_TRUE(saved.startsWith("2,\"" + QByteArray("WATER, FLOUR").leftJustified(50, ' ') +
                                 "\",\"" + QByteArray("YEAST").leftJustified(50, ' ') + "\","))
        << saved.constData();
    EXPECT_EQ(saved.count("\r\n"), 1);
}

TEST(Upload, anUploadThatDoesNotEndNormallyLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    const QString out = dir.filePath("keep.PLU");
    const QByteArray before = "7,\"OLD\",\" \",1,0,0,0,0,0\r\n";
    ASSERT_TRUE(writeBytes(out, before));

    // Every reply ends with a wrong closing byte: restarts that are not counted, then the end.
    Scale scale({"--fault", "badclose:times=all"});
    CliResult r = runCli({"--port", scale.device(), "upload", "plu", out});
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(r.out.size(), 11) << shown(r.out);
    EXPECT_EQ(r.out.count("SyncOK error"), 11) << shown(r.out);
    EXPECT_EQ(shown(linesOf(r.err)),
              shown({"ERROR! plu#1: no valid answer after 10 restarts",
                     "tarnlink-cli: " + out + " not written: the upload did not end normally"}));
    EXPECT_EQ(readBytes(out), before);

    // A number the table has no slot for is refused before anything is sent.
    Scale other;
    r = runCli(
        {"--port", other.device(), "upload", "ingred", dir.filePath("x.INGRED"), "--one", "201"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << shown(r.out);
    EXPECT_EQ(shown(linesOf(r.err)), shown({"ERROR! INGRED number must be 1 to 200"}));
    EXPECT_TRUE(other.bytes().isEmpty()) << shown(other.bytes());
    EXPECT_FALSE(QFile::exists(dir.filePath("x.INGRED")));
}

} // namespace
} // namespace tarn::testing
