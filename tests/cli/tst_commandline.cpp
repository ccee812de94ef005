// SPDX-License-Identifier: GPL-3.0-or-later
// The command line itself: help, version and every kind of usage error.

#include "CliRun.h"

#include <QRegularExpression>

namespace tarn::testing {
namespace {

TEST(CommandLine, helpListsEveryCommandOnStdoutAndEndsWell) {
    const CliResult r = runCli({"--help"});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_GE(r.out.size(), 12);
    EXPECT_EQ(r.out.mid(0, 12).join('\n').toStdString(),
              "Usage: tarnlink-cli [--port PORT]... download plu|ingred FILE [--one N | --range S "
              "E | --all | --changed] [--verify] [--format F]\n"
              "       tarnlink-cli [--port PORT] upload plu|ingred FILE [--one N | --all]\n"
              "       tarnlink-cli [--port PORT] compare plu|ingred FILE [--format F]\n"
              "       tarnlink-cli [--port PORT] history [--plu N | --ingred N] [--since DATE] "
              "[--limit N] [--format F]\n"
              "       tarnlink-cli scales [--format F]\n"
              "       tarnlink-cli [--port PORT]... status plu|ingred FILE [--format F]\n"
              "       tarnlink-cli store backup FILE\n"
              "       tarnlink-cli [--port PORT] display\n"
              "       tarnlink-cli convert plu|ingred IN OUT\n"
              "       tarnlink-cli merge plu|ingred TABLE IN OUT --map FIELD=COLUMN,... "
              "[--price-decimals N]\n"
              "       tarnlink-cli [--port PORT] labels plu FILE (-o OUT.pdf | --printer NAME) "
              "[--one N | --range S E | --all | --changed] [--layout L] [--skip N] [--list]\n"
              "       tarnlink-cli --help | --version");
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
}

// A command's own help: its synopsis and its options, never "unknown option".
TEST(CommandLine, aCommandExplainsItself) {
    const CliResult r = runCli({"download", "--help"});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_FALSE(r.out.isEmpty());
    EXPECT_TRUE(r.out[0].startsWith("Usage: tarnlink-cli [--port PORT]... download plu|ingred"))
        << r.out[0].toStdString();
    EXPECT_TRUE(r.out.join('\n').contains("--changed")) << shown(r.out);
    EXPECT_FALSE(r.out.join('\n').contains("--map")) << shown(r.out);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
}

TEST(CommandLine, versionNamesTheProgram) {
    const CliResult r = runCli({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.out.size(), 1) << shown(r.out);
    // The last release and the commits since it, or "+unknown" for a tree without its history.
    EXPECT_TRUE(
        QRegularExpression("^tarnlink-cli \\d+\\.\\d+\\.\\d+(\\+\\d+\\.g[0-9a-f]+|\\+unknown)?$")
            .match(r.out[0])
            .hasMatch())
        << r.out[0].toStdString();
}

// Each of these is refused before anything is read, opened or sent: exit status 2, nothing on
// stdout, and the reason as the first line on stderr.
TEST(CommandLine, usageErrorsGoToStderrWithStatusTwo) {
    QTemporaryDir dir;
    const QString plu = dir.filePath("table.PLU");
    ASSERT_TRUE(writeBytes(plu, "1,\"A\",\"B\",1,0,0,0,0,0\r\n"));
    const struct {
        QStringList args;
        QString firstLine;
    } cases[] = {
        {{}, "tarnlink-cli: no command given"},
        {{"send", "plu", plu}, "tarnlink-cli: unknown command send"},
        {{"--speed", "9600", "display"}, "tarnlink-cli: unknown option --speed"},
        {{"--port"}, "tarnlink-cli: --port needs a value"},
        {{"download", "plu"}, "tarnlink-cli: download needs plu|ingred and FILE"},
        {{"download", "price", plu},
         "tarnlink-cli: download: the table is plu or ingred, not price"},
        {{"download", "plu", plu, "--one", "3", "--all"},
         "tarnlink-cli: download takes one of --one, --range, --all and --changed"},
        {{"download", "plu", plu, "--range", "1"}, "tarnlink-cli: --range needs 2 values"},
        {{"download", "plu", plu, "--fast"}, "tarnlink-cli: unknown option --fast"},
        {{"download", "plu", dir.filePath("table.doc")},
         "tarnlink-cli: " + dir.filePath("table.doc") +
             ": PLU tables are kept in .PLU files and .XLS, .XLSX, .ODS, .FODS, .CSV or .TXT "
             "spreadsheets"},
        {{"download", "ingred", plu},
         "tarnlink-cli: " + plu +
             ": INGRED tables are kept in .INGRED files and .XLS, .XLSX, .ODS, .FODS, .CSV or "
             ".TXT spreadsheets"},
        {{"upload", "plu", plu, "--range", "1", "2"}, "tarnlink-cli: unknown option --range"},
        {{"--port", "COM1", "--port", "COM2", "upload", "plu", plu},
         "tarnlink-cli: upload reads from one port"},
        {{"--port", "COM1", "display", "--port", "COM2"}, "tarnlink-cli: display reads one port"},
        {{"display", "now"}, "tarnlink-cli: display takes no now"},
        {{"--port", "COM2", "convert", "plu", plu, "b.xls"},
         "tarnlink-cli: convert does not use a port"},
        {{"convert", "plu", plu}, "tarnlink-cli: convert needs plu|ingred, IN and OUT"},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli(c.args);
        const std::string args = c.args.join(' ').toStdString();
        ASSERT_TRUE(r.finished) << args;
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_TRUE(r.out.isEmpty()) << args << " printed " << shown(r.out);
        EXPECT_EQ(linesOf(r.err).value(0).toStdString(), c.firstLine.toStdString()) << args;
        EXPECT_TRUE(r.err.contains("Usage: tarnlink-cli")) << args;
    }
}

TEST(CommandLine, aPortThatCannotBeOpenedIsReportedAsTheWindowDoes) {
    const CliResult r = runCli({"--port", "/nonexistent/ttyScale", "display"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << shown(r.out);
    EXPECT_TRUE(r.err.startsWith("ERROR! cannot open /nonexistent/ttyScale: "))
        << r.err.constData();
}

// The status lines are the job's record: a job that could not write them has not ended well.
TEST(CommandLine, aJobWhoseLinesCannotBeWrittenEndsWithStatusOne) {
    QTemporaryDir dir;
    const QString plu = dir.filePath("table.PLU");
    ASSERT_TRUE(writeBytes(plu, "1,\"A\",\"B\",1,0,0,0,0,0\r\n"));
    QProcess cli;
    cli.setStandardOutputFile(QStringLiteral("/dev/full"));
    cli.start(QStringLiteral(CLI_BINARY), {"convert", "plu", plu, dir.filePath("copy.PLU")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 1);
    const QByteArray err = cli.readAllStandardError();
    EXPECT_TRUE(err.startsWith("tarnlink-cli: cannot write to standard output: "))
        << err.constData();
}

} // namespace
} // namespace tarn::testing
