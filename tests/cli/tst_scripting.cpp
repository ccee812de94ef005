// SPDX-License-Identifier: GPL-3.0-or-later
// What a script relies on: a port another program holds is status 4 and SIGTERM 143, with the
// reason on stderr; scales are named in the settings file, and a job without a port and
// without a default there is a usage error that names the file.

#include "CliRun.h"

namespace tarn::testing {
namespace {

const QByteArray kPluFile = "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                            "13,\"PEAR\",\" \",200,0,0,0,0,0\r\n";

TEST(Scripting, aPortHeldByAnotherProgramIsStatusFourAndSigtermEndsTheJobWith143) {
    QTemporaryDir dir;
    const QString plu = dir.filePath("prices.PLU");
    ASSERT_TRUE(writeBytes(plu, kPluFile));
    Scale silent({"--fault", "silent:times=all"});
    Cli holder;
    holder.start({"--port", silent.device(), "download", "plu", plu});
    ASSERT_TRUE(silent.waitForLog("pc> A5"));

    const CliResult busy = runCli({"--port", silent.device(), "compare", "plu", plu});
    EXPECT_EQ(busy.exitCode, 4);
    EXPECT_EQ(shown(busy.out), shown({"PLU Count is 2"}));
    EXPECT_EQ(busy.err.toStdString(),
              QStringLiteral("ERROR! cannot open %1: in use by another program (process %2)\n")
                  .arg(silent.device())
                  .arg(holder.pid())
                  .toStdString());

    ::kill(pid_t(holder.pid()), SIGTERM);
    const CliResult ended = holder.finish(5000);
    ASSERT_TRUE(ended.finished);
    EXPECT_EQ(ended.exitCode, 143); // 128 + SIGTERM
    EXPECT_EQ(ended.err.toStdString(), "tarnlink-cli: interrupted\n");
    EXPECT_FALSE(ended.out.join('\n').contains("ERROR!")) << shown(ended.out);
}

TEST(Scripting, aScaleNamedInTheSettingsFileIsUsedByNameAndAJobNeedsAPort) {
    QTemporaryDir dir;
    const QString plu = dir.filePath("prices.PLU");
    ASSERT_TRUE(writeBytes(plu, kPluFile));
    const QString settings = dir.filePath("tarnlink.conf");
    const QStringList env{"TARNLINK_SETTINGS=" + settings,
                          "TARNLINK_STORE=" + dir.filePath("scales.sqlite")};

    // No --port, and no settings file to name one: nothing is tried on any line.
    CliResult r = runCli({"compare", "plu", plu}, 30000, env);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty()) << shown(r.out);
    EXPECT_EQ(
        linesOf(r.err).value(0).toStdString(),
        ("tarnlink-cli: compare needs a port: give --port PORT, or name the scale to use in " +
         settings + " (\"port = NAME\")")
            .toStdString());

    Scale deli({"--empty"});
    ASSERT_TRUE(writeBytes(settings, "# the deli counter's scale is the default\n"
                                     "port = deli\n"
                                     "[scales]\n"
                                     "deli = " +
                                         deli.device().toUtf8() +
                                         "   # its USB adapter\n"
                                         "backroom = tcp:10.0.0.20:4001\n"));
    r = runCli({"download", "plu", plu, "--one", "2"}, 30000, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out), shown({"PLU Count is 2", "plu#2 is transfered", " THE END "}));
    EXPECT_TRUE(deli.waitForLog("sc> 10"));
    // The history keeps the name the job used.
    r = runCli({"history", "--port", "deli"}, 30000, env);
    ASSERT_EQ(r.out.size(), 1) << shown(r.out);
    EXPECT_TRUE(r.out[0].contains(" deli (")) << r.out[0].toStdString();
    EXPECT_TRUE(r.out[0].contains(" PLU download One 2: 1 record(s), THE END"))
        << r.out[0].toStdString();

    ASSERT_TRUE(writeBytes(settings, "[scales]\nfront counter = COM1\n"));
    r = runCli({"--port", "COM1", "display"}, 30000, env);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(linesOf(r.err).value(0).toStdString(),
              ("tarnlink-cli: " + settings +
               " line 2: \"front counter\" is not a scale's name (letters, digits, -, _ and ., not "
               "COM1 or COM2)")
                  .toStdString());
}

} // namespace
} // namespace tarn::testing
