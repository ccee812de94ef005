// SPDX-License-Identifier: GPL-3.0-or-later
// download: the window's open of the file, then its download, to one port or several.

#include "CliRun.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace tarn::testing {
namespace {

const QByteArray kPluFile = "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                            "13,\"PEAR\",\" \",200,0,0,0,0,0\r\n";

// The 72 bytes of PLU 12 and 13 as the scale must receive them.
const char* const kApple =
    "pc> 00 00 07 D1 20 20 20 20 20 20 20 20 20 20 20 41 50 50 4C 45 20 20 20 20 20 20 20 20 20 20 "
    "20 20 20 20 20 20 20 20 20 20 20 20 20 20 52 45 44 20 20 20 20 20 20 20 20 20 20 20 20 20 00 "
    "00 05 DC 00 03 00 00 00 01 00 05";
const char* const kPear =
    "pc> 00 00 00 00 20 20 20 20 20 20 20 20 20 20 20 20 50 45 41 52 20 20 20 20 20 20 20 20 20 20 "
    "20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 00 "
    "00 00 C8 00 00 00 00 00 00 00 00";

class Download : public ::testing::Test {
protected:
    void SetUp() override {
        plu = dir.filePath("prices.PLU");
        ASSERT_TRUE(writeBytes(plu, kPluFile));
    }
    QTemporaryDir dir;
    QString plu;
};

TEST_F(Download, everyPluRecordGoesToTheScaleAndTheJobEndsWithTheEnd) {
    const QString kept = dir.filePath("kept.PLU");
    Scale scale({"--empty", "--save-plu", kept});
    const CliResult r = runCli({"--port", scale.device(), "download", "plu", plu, "--all"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out),
              shown({"PLU Count is 2", "plu#1 is transfered", "plu#2 is transfered", " THE END "}));
    EXPECT_EQ(
        shown(scale.bytes()),
        shown({"pc> A5", "sc> 77", "pc> 02", "sc> 01", "pc> 00 0C", "sc> 00 0C", kApple, "sc> 10",
               "pc> A5", "sc> 77", "pc> 02", "sc> 01", "pc> 00 0D", "sc> 00 0D", kPear, "sc> 10"}));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
}

TEST_F(Download, oneIngredientMessageFromAWorkbookSendsOnlyThatSlot) {
    const QString messages = dir.filePath("msgs.INGRED");
    const QString book = dir.filePath("msgs.xls");
    ASSERT_TRUE(writeBytes(messages, "3,\"SUGAR\",\" \",\" \",\" \",\" \",\" \",\" \",\" \"\r\n"
                                     "9,\"SALT\",\" \",\" \",\" \",\" \",\" \",\" \",\"END\"\r\n"));
    ASSERT_EQ(runCli({"convert", "ingred", messages, book}).exitCode, 0);

    Scale scale({"--empty"});
    const CliResult r =
        runCli({"--port", scale.device(), "download", "ingred", book, "--one", "2"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_GE(r.out.size(), 2);
    EXPECT_EQ(r.out.first().toStdString(), "Excel File INGRED Data  ");
    EXPECT_EQ(shown(r.out.mid(r.out.size() - 4)), shown({"Ingredient Number is 2", " Data is End ",
                                                         "Message#2 is transfered", " THE END "}));

    const QStringList bytes = scale.bytes();
    ASSERT_EQ(bytes.size(), 8) << shown(bytes);
    EXPECT_EQ(shown(bytes.mid(0, 6)),
              shown({"pc> A5", "sc> 77", "pc> 00", "sc> 01", "pc> 00 09", "sc> 00 09"}));
    // Eight lines of 50 bytes: "SALT", padded, ..., "END" padded.
    const QByteArray record = QByteArray::fromHex(bytes[6].mid(4).toLatin1());
    ASSERT_EQ(record.size(), 400);
    EXPECT_EQ(record.left(50), QByteArray("SALT").leftJustified(50, ' '));
    EXPECT_EQ(record.mid(350), QByteArray("END").leftJustified(50, ' '));
    EXPECT_EQ(bytes[7].toStdString(), "sc> 10");
}

TEST_F(Download, aRangeBeyondTheTableIsRefusedOnceAndNothingIsSentToAnyPort) {
    Scale first;
    Scale second;
    const CliResult r = runCli({"--port", first.device(), "--port", second.device(), "download",
                                "plu", plu, "--range", "1", "3"});
    EXPECT_EQ(r.exitCode, 1);
    // Every line says its port, the file's own and the refusal's too.
    const QString a = "PORT " + first.device() + ": ";
    const QString b = "PORT " + second.device() + ": ";
    EXPECT_EQ(shown(r.out), shown({a + "PLU Count is 2", b + "PLU Count is 2", a + "not finished",
                                   b + "not finished"}));
    EXPECT_EQ(shown(linesOf(r.err)),
              shown({a + "PLU Range is not valid", b + "PLU Range is not valid"}));
    EXPECT_TRUE(first.bytes().isEmpty()) << shown(first.bytes());
    EXPECT_TRUE(second.bytes().isEmpty()) << shown(second.bytes());
}

TEST_F(Download, aFileThatCannotBeLoadedSendsNothing) {
    Scale scale;
    ASSERT_TRUE(writeBytes(plu, "12,\"APPLE\",\"RED\",1500,3,0,2001,1\r\n")); // cut short
    const CliResult r = runCli({"--port", scale.device(), "download", "plu", plu});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << shown(r.out);
    EXPECT_TRUE(r.err.startsWith("ERROR! ")) << r.err.constData();
    EXPECT_TRUE(scale.bytes().isEmpty()) << shown(scale.bytes());
}

TEST_F(Download, eachTextTheScaleCutsIsNamedOnStderrAndTheJobGoesOnAsBefore) {
    // A name of 40 characters keeps its last 28 on the scale; names that fit say nothing.
    ASSERT_TRUE(writeBytes(plu,
                           "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                           "13,\"ORGANIC FREE RANGE CHICKEN BREAST 500G\",\"PEAR\",1,0,0,0,0,0\r\n"
                           "14,\"PLUM\",\"12345678901234567890123456789\",1,0,0,0,0,0\r\n"));
    Scale scale({"--empty"});
    const CliResult r =
        runCli({"--port", scale.device(), "download", "plu", plu, "--range", "2", "3"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out),
              shown({"PLU Count is 3", "plu#2 is transfered", "plu#3 is transfered", " THE END "}));
    EXPECT_EQ(shown(linesOf(r.err)),
              shown({"tarnlink-cli: plu#2 Item name1 is longer than the scale keeps; it keeps "
                     "\"EE RANGE CHICKEN BREAST 500G\"",
                     "tarnlink-cli: plu#3 Item name2 is longer than the scale keeps; it keeps "
                     "\"2345678901234567890123456789\""}));
}

// Every port at once: two scales that answer (one on a pseudo-terminal, one behind a network
// serial server), two silent ones and one that cannot be opened. The silent ones keep retrying
// while the others end; Ctrl-C then ends both at once.
TEST_F(Download, everyPortRunsAtOnceASilentScaleDelaysNoOtherAndCtrlCStopsThemAll) {
    Scale pty({"--empty"});
    Scale net({"--empty", "--tcp", "0"});
    Scale silentPty({"--fault", "silent:times=all"});
    Scale silentNet({"--fault", "silent:times=all", "--tcp", "0"});
    const QString missing = "/nonexistent/ttyScale";
    ASSERT_TRUE(net.device().startsWith("tcp:127.0.0.1:")) << net.device().toStdString();
    auto port = [](const QString& name) { return "PORT " + name + ": "; };

    Cli cli;
    cli.start({"--port", silentPty.device(), "--port", pty.device(), "--port", missing, "--port",
               silentNet.device(), "--port", net.device(), "download", "plu", plu, "--one", "2"});
    const QStringList soFar =
        cli.waitForLines({port(pty.device()) + "THE END", port(net.device()) + "THE END",
                          port(missing) + "not finished"});
    // The silent scales have not got past their first retry (each costs one to two seconds'
    // wait and five seconds' pause).
    for (const Scale* s : {&silentPty, &silentNet})
        EXPECT_FALSE(soFar.contains(port(s->device()) + "Retry #2")) << shown(soFar);
    ASSERT_TRUE(silentPty.waitForLog("pc> A5"));
    ASSERT_TRUE(silentNet.waitForLog("pc> A5"));
    ::kill(pid_t(cli.pid()), SIGINT);
    const CliResult r = cli.finish(5000);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 130); // 128 + SIGINT
    EXPECT_TRUE(r.err.contains("interrupted")) << r.err.constData();

    // Each port's lines, in their order; the file's own line comes first, for every port.
    ASSERT_FALSE(r.out.isEmpty());
    auto linesOfPort = [&](const QString& name) {
        QStringList mine;
        for (const QString& line : r.out)
            if (line.startsWith(port(name)))
                mine << line.mid(port(name).size());
        return mine;
    };
    for (const Scale* s : {&pty, &net}) {
        EXPECT_EQ(shown(linesOfPort(s->device())),
                  shown({"PLU Count is 2", "plu#2 is transfered", " THE END ", "THE END"}));
        EXPECT_EQ(shown(s->bytes()), shown({"pc> A5", "sc> 77", "pc> 02", "sc> 01", "pc> 00 0D",
                                            "sc> 00 0D", kPear, "sc> 10"}));
    }
    for (const Scale* s : {&silentPty, &silentNet}) {
        const QStringList mine = linesOfPort(s->device());
        ASSERT_FALSE(mine.isEmpty());
        EXPECT_EQ(mine.first().toStdString(), "PLU Count is 2");
        EXPECT_EQ(mine.last().toStdString(), "not finished");
        EXPECT_FALSE(mine.contains("Retry #2")) << shown(mine);
    }
    const QStringList gone = linesOfPort(missing);
    EXPECT_EQ(shown(gone), shown({"PLU Count is 2", "not finished"}));
    EXPECT_TRUE(
        r.err.contains((port(missing) + "ERROR! cannot open /nonexistent/ttyScale: ").toUtf8()))
        << r.err.constData();
    int counted = 0;
    for (const Scale* s : {&pty, &net, &silentPty, &silentNet})
        counted += linesOfPort(s->device()).size();
    EXPECT_EQ(counted + gone.size(), r.out.size()) << shown(r.out);
}

// A job killed while its store was locked leaves its mark on the PC before its first byte: the
// next Changed download does not take the store's old word, reads the scale's table and puts
// the killed job's records right.
TEST_F(Download, aKilledJobLeavesTheScaleDoubtedUntilItsTableIsRead) {
    const QStringList env{"TARNLINK_STORE=" + dir.filePath("store.sqlite"),
                          "TARNLINK_NOTES_DIR=" + dir.filePath("notes")};
    const QString today = dir.filePath("today.PLU");
    ASSERT_TRUE(writeBytes(today, QByteArray(kPluFile).replace(",1500,", ",1650,")));
    Scale scale({"--empty"});
    ASSERT_EQ(runCli({"--port", scale.device(), "download", "plu", plu}, 60000, env).exitCode, 0);
    {
        QSqlDatabase lock = QSqlDatabase::addDatabase("QSQLITE", "another program");
        lock.setDatabaseName(dir.filePath("store.sqlite"));
        ASSERT_TRUE(lock.open() && QSqlQuery(lock).exec("BEGIN IMMEDIATE"));
        Cli cli;
        cli.start({"--port", scale.device(), "download", "plu", today, "--changed"}, env);
        ASSERT_TRUE(cli.waitForLines({" THE END "}).contains(" THE END "));
        ::kill(pid_t(cli.pid()), SIGKILL); // as its writes wait for the lock
        cli.finish();
        lock.close();
    }
    QSqlDatabase::removeDatabase("another program");
    const CliResult r =
        runCli({"--port", scale.device(), "download", "plu", plu, "--changed"}, 60000, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out.filter("The store cannot vouch for this scale: ").size(), 1) << shown(r.out);
    EXPECT_TRUE(r.out.contains("plu#1 is transfered")) << shown(r.out);
    EXPECT_EQ(runCli({"--port", scale.device(), "compare", "plu", plu}, 60000, env).exitCode, 0);
}

} // namespace
} // namespace tarn::testing
