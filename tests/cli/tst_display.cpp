// SPDX-License-Identifier: GPL-3.0-or-later
// display: the window's "Update" against the simulated scale.

#include "CliRun.h"
#include "SerialPort.h"

#include <QFile>

namespace tarn::testing {
namespace {

TEST(Display, printsTheThreeReadOutsAndAsksOnce) {
    Scale scale({"--weight", "1234", "--unit-price", "1000", "--total-price", "2000"});
    ASSERT_FALSE(scale.device().isEmpty());
    const CliResult r = runCli({"--port", scale.device(), "display"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(shown(r.out), shown({"Weight 1234", "Unit 1000", "Price 2000"}));
    EXPECT_EQ(shown(scale.bytes()),
              shown({"pc> A5", "sc> 77", "pc> 06", "sc> 00 00 04 D2 00 00 03 E8 00 00 07 D0"}));
}

TEST(Display, aScaleThatDoesNotAnswerTheSyncByteGivesNoReadOutsAndStatusOne) {
    Scale scale({"--fault", "silent:display:times=all"});
    const CliResult r = runCli({"display", "--port", scale.device()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << shown(r.out);
    EXPECT_TRUE(r.err.contains("did not answer")) << r.err.constData();
    EXPECT_EQ(shown(scale.bytes()), shown({"pc> A5"}));
}

TEST(Display, aRecordThatNeverComesShowsZerosButFails) {
    Scale scale({"--fault", "silent:step=reply:display"});
    const CliResult r = runCli({"--port", scale.device(), "display"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(shown(r.out), shown({"Weight 0", "Unit 0", "Price 0"}));
    EXPECT_TRUE(r.err.contains("sent no display record")) << r.err.constData();
}

TEST(Display, ctrlCEndsTheWaitAtOnceAndPrintsNothing) {
    // The record never comes: the read would wait six seconds for it.
    Scale scale({"--fault", "silent:step=reply:display"});
    Cli cli;
    cli.start({"--port", scale.device(), "display"});
    ASSERT_TRUE(scale.waitForLog("pc> 06"));
    ::kill(pid_t(cli.pid()), SIGINT);
    const CliResult r = cli.finish(3000); // well inside the six seconds
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 130); // 128 + SIGINT
    EXPECT_TRUE(r.out.isEmpty()) << shown(r.out);
    // The port was let go of on the way out: no lock file stands in another program's way.
    const QString lock = SerialPort::lockFilePathFor(scale.device());
    EXPECT_FALSE(QFile::exists(lock)) << lock.toStdString();
}

} // namespace
} // namespace tarn::testing
