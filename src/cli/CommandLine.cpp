// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "Command.h"
#include "EveryPort.h"
#include "Version.h"

#include <QCommandLineParser>

namespace tarn::cli {

namespace {
const QString kProgram = QStringLiteral("tarnlink-cli");

QString usageLines() {
    QString text;
    QString lead = QStringLiteral("Usage: ");
    for (const auto& command : allCommands()) {
        text += lead + kProgram + QLatin1Char(' ') + command->synopsis() + QLatin1Char('\n');
        lead = QStringLiteral("       ");
    }
    text += lead + kProgram + QStringLiteral(" --help | --version\n");
    return text;
}

int usageError(Console& console, const QString& message) {
    console.remark(message);
    console.errorText(usageLines());
    return kUsage;
}
} // namespace

QString helpText() {
    QString text = usageLines();
    text += QStringLiteral(
        "\nSends the PLU and ingredient tables of a label-printing scale, reads them back and\n"
        "converts their files, as the Tarnlink window does, without a window.\n\nCommands:\n");
    for (const auto& command : allCommands())
        text += QStringLiteral("  %1%2\n").arg(command->name(), -10).arg(command->summary());
    text +=
        QStringLiteral(
            "\nOptions:\n"
            "  --port PORT   COM1 (the default), COM2, the path of a serial device, or\n"
            "                tcp:HOST:PORT for a scale behind a network serial server (HOST a\n"
            "                name, an IPv4 address or an [IPv6] address); download takes up to\n"
            "                %1 and sends the same records to every port at once, each\n"
            "                line beginning \"PORT name: \"\n"
            "  --one N       the record in slot N (download) or the number N (upload)\n"
            "  --range S E   slots S to E (download)\n"
            "  --all         every record (the default)\n"
            "  --changed     download: only the records the scale on each port does not hold\n"
            "                as they stand, by what Tarnlink sent it or read from it\n"
            "  --verify      download: read the table back after it and list the records\n"
            "                the scale holds differently\n"
            "  --plu N, --ingred N\n"
            "                history: only the transfers of that record\n"
            "  --map MAP     merge: FIELD=COLUMN,... each table field (\"PLU No\", \"U/Price\",\n"
            "                ...) and the list's column that fills it, by header text or letter\n"
            "  --price-decimals N\n"
            "                merge: the list's prices have up to N decimals, 0 to 3 (default 2)\n"
            "  --help        this text\n"
            "  --version     the program's version\n"
            "\nFILE, TABLE, IN and OUT are .PLU or .INGRED table files or .XLS, .XLSX, .ODS,\n"
            ".FODS, .CSV or .TXT spreadsheets, by extension (merge's IN is a spreadsheet). A\n"
            "spreadsheet's records past the 200th, or an empty A1, are named in a warning on\n"
            "stderr.\n"
            "Each text the window would show in its status line is printed on a line of its own.\n"
            "Exit status: 0 the job ended normally, 1 it was refused, failed or interrupted,\n"
            "2 the command line was not understood, 3 compare or --verify found the scale\n"
            "holding records differently.\n")
            .arg(kMaxPorts);
    return text;
}

namespace {
int runCommand(const QStringList& arguments, Console& console, Interrupt* interrupt,
               const PortFactory& ports) {
    // The words before the command: --port (each use), --help, --version. The command's own
    // parser takes the words after its name.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({port, help, version});
    const bool parsed = parser.parse(QStringList{kProgram} + arguments);
    if (parsed && parser.isSet(help)) {
        console.line(helpText().chopped(1));
        return kDone;
    }
    if (parsed && parser.isSet(version)) {
        console.line(kProgram + QLatin1Char(' ') + QString::fromLatin1(programVersion()));
        return kDone;
    }
    if (!parsed)
        return usageError(console, usageErrorText(parser));
    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty())
        return usageError(console, QStringLiteral("no command given"));

    const QString& name = rest.first();
    for (auto& command : allCommands()) {
        if (command->name() != name)
            continue;
        if (const auto error = command->parse(parser.values(port), rest.mid(1)))
            return usageError(console, error->message);
        Session session(console, interrupt, ports);
        const int status = command->run(session);
        // A job that was done before the Ctrl-C came is still done.
        if (status != kDone && session.interrupted())
            console.remark(QStringLiteral("interrupted"));
        return status;
    }
    return usageError(console, QStringLiteral("unknown command ") + name);
}
} // namespace

int runCommandLine(const QStringList& arguments, Console& console, Interrupt* interrupt,
                   const PortFactory& ports) {
    const int status = runCommand(arguments, console, interrupt, ports);
    // The status texts are the job's record: a job whose lines did not all reach stdout has
    // not ended normally.
    if (const auto failure = console.outputFailure()) {
        console.remark(QStringLiteral("cannot write to standard output: ") + *failure);
        return status == kDone ? kFailed : status;
    }
    return status;
}

} // namespace tarn::cli
