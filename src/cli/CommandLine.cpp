// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "Command.h"
#include "EveryPort.h"
#include "Settings.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tarn::cli {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString kProgram = QStringLiteral("tarnlink-cli");

// The options' help, each under the name a command lists in options(); "" for the program's own.
struct OptionHelp {
    const char* name;
    const char* text;
};
const OptionHelp kOptions[] = {
    //: One option of --help: the option and its value as they are, its text from
    //: column 17, lines of at most 80 columns, each ending in a line feed.
    {"port",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "  --port PORT   COM1, COM2, the path of a serial device, tcp:HOST:PORT for a scale\n"
         "                behind a network serial server (HOST a name, an IPv4 address or\n"
         "                an [IPv6] address), or a scale's name from the settings file;\n"
         "                without it, the settings file's \"port\". download takes up to\n"
         "                %1 and sends the same records to every port at once, each\n"
         "                line beginning \"PORT name: \"\n")},
    {"one", QT_TRANSLATE_NOOP(
                "CommandLine",
                "  --one N       the record in slot N (download) or the number N (upload)\n")},
    {"range", QT_TRANSLATE_NOOP("CommandLine", "  --range S E   slots S to E (download)\n")},
    {"all", QT_TRANSLATE_NOOP("CommandLine", "  --all         every record (the default)\n")},
    {"output", QT_TRANSLATE_NOOP("CommandLine", "  -o OUT.pdf    labels: the PDF file to write\n")},
    {"printer", QT_TRANSLATE_NOOP("CommandLine",
                                  "  --printer NAME\n"
                                  "                labels: the system's printer to print on\n")},
    {"layout",
     QT_TRANSLATE_NOOP("CommandLine",
                       "  --layout L    labels: the sheet, 3x8, 2x7, 4x10, roll or settings\n"
                       "                (the settings file's [labels])\n")},
    {"skip", QT_TRANSLATE_NOOP(
                 "CommandLine",
                 "  --skip N      labels: leave the first N labels of the first sheet empty\n")},
    {"list",
     QT_TRANSLATE_NOOP("CommandLine",
                       "  --list        labels: the price list instead, one row a record\n")},
    {"changed",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "  --changed     download: only the records the scale on each port does not\n"
         "                hold as they stand, by what Tarnlink sent it or read from it;\n"
         "                labels: only the labels that print otherwise than when last\n"
         "                printed from FILE, or with --port what a Changed download\n"
         "                would send to that scale\n")},
    {"verify", QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  --verify      download: read the table back after it and list the records\n"
                   "                the scale holds differently\n")},
    {"plu", QT_TRANSLATE_NOOP("CommandLine",
                              "  --plu N, --ingred N\n"
                              "                history: only the transfers of that record\n")},
    {"since", QT_TRANSLATE_NOOP(
                  "CommandLine",
                  "  --since WHEN  history: only the transfers started since WHEN (2026-12-07 or\n"
                  "                \"2026-12-07 14:00\", local time)\n")},
    {"limit",
     QT_TRANSLATE_NOOP("CommandLine",
                       "  --limit N     history: the newest N transfers (default 50; 0: all)\n")},
    {"map",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "  --map MAP     merge: FIELD=COLUMN,... each table field (\"PLU No\", \"U/Price\",\n"
         "                ...) and the list's column that fills it, by header text or letter\n")},
    {"price-decimals",
     QT_TRANSLATE_NOOP("CommandLine",
                       "  --price-decimals N\n"
                       "                merge: the list's prices have up to N decimals, 0 to 3\n"
                       "                (default the settings file's \"price decimals\", 2)\n")},
    {"format", QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  --format F    text (the default), csv or json: compare's differences,\n"
                   "                history's transfers, download's outcome on each port,\n"
                   "                the scales the store knows, status's rows; times in ISO 8601\n"
                   "                with their offset\n")},
    {"quiet",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "  --quiet       only results and errors: no status texts, progress or warnings\n")},
    {"help", QT_TRANSLATE_NOOP("CommandLine",
                               "  --help        this text (after a command: that command's)\n")},
    {"", QT_TRANSLATE_NOOP("CommandLine", "  --version     the program's version\n")},
};

QString optionsHelp(const QStringList& names) {
    QString text;
    for (const OptionHelp& option : kOptions) {
        if (!names.contains(QLatin1String(option.name)))
            continue;
        const QString entry = QCoreApplication::translate("CommandLine", option.text);
        text += qstrcmp(option.name, "port") == 0 ? entry.arg(kMaxPorts) : entry;
    }
    return text;
}

// "Usage: ", in the program's words.
QString usageLead() {
    //: Begins the usage lines (a blank follows); the lines below it are indented as far.
    return Text::tr("Usage:") + QLatin1Char(' ');
}

QString usageLines() {
    QString text;
    QString lead = usageLead();
    for (const auto& command : allCommands()) {
        text += lead + kProgram + QLatin1Char(' ') + command->synopsis() + QLatin1Char('\n');
        lead = QString(lead.size(), QLatin1Char(' '));
    }
    text += lead + kProgram + QStringLiteral(" --help | --version\n");
    return text;
}

int usageError(Console& console, const QString& message) {
    console.remark(message);
    console.errorText(usageLines());
    return kUsage;
}

// "tarnlink-cli download --help": the command's synopsis, what it does and its options.
QString commandHelp(const Command& command) {
    return usageLead() + kProgram + QLatin1Char(' ') + command.synopsis() +
           QStringLiteral(" [--quiet]\n\n") + command.summary() + QStringLiteral("\n\n") +
           Text::tr("Options:") + QLatin1Char('\n') +
           optionsHelp(command.options() +
                       QStringList{QStringLiteral("quiet"), QStringLiteral("help")}) +
           QLatin1Char('\n') + Text::tr("man tarnlink-cli has the details.");
}

// A word --help (or -h) among the command's options.
bool asksForHelp(const QStringList& words) {
    for (const QString& word : words) {
        if (word == QLatin1String("--"))
            return false;
        if (word == QLatin1String("--help") || word == QLatin1String("-h") ||
            word == QLatin1String("-help"))
            return true;
    }
    return false;
}
} // namespace

QString helpText() {
    QString text = usageLines();
    //: The lines of --help, each of at most 80 columns.
    text +=
        QLatin1Char('\n') +
        Text::tr("Sends the PLU and ingredient tables of a label-printing scale, reads them back "
                 "and\nconverts their files, as the Tarnlink window does, without a window.") +
        QStringLiteral("\n\n") + Text::tr("Commands:") + QLatin1Char('\n');
    for (const auto& command : allCommands())
        text += QStringLiteral("  %1%2\n").arg(command->name(), -10).arg(command->summary());
    QStringList every;
    for (const OptionHelp& option : kOptions)
        every << QString::fromLatin1(option.name);
    text += QLatin1Char('\n') + Text::tr("Options:") + QLatin1Char('\n') + optionsHelp(every);
    //: The lines of --help, each of at most 80 columns; "ERROR! ..." as it is.
    text +=
        QLatin1Char('\n') +
        Text::tr(
            "FILE, TABLE, IN and OUT are .PLU or .INGRED table files or .XLS, .XLSX, .ODS,\n"
            ".FODS, .CSV or .TXT spreadsheets, by extension (merge's IN is a spreadsheet). A\n"
            "spreadsheet's records past the 200th, or an empty A1, are named in a warning on\n"
            "stderr.\n"
            "Each text the window would show in its status line is printed on a line of its\n"
            "own, on stdout, its errors (\"ERROR! ...\") on stderr; on a terminal a job's texts\n"
            "are one progress line a port.\n"
            "Scales' names, the port to use when --port is not given, the store of what the\n"
            "scales hold (store = FILE or postgresql://...) and this PC's and this shop's\n"
            "names in it (pc =, default the host name; shop =, default the PC's name) come\n"
            "from the settings file %1.\n"
            "Exit status: 0 the job ended normally, 1 it was refused or failed, 2 the command\n"
            "line was not understood, 3 compare or --verify found the scale holding records\n"
            "differently (status: a scale not holding the table), 4 a port was in use by\n"
            "another program, 5 sent but not recorded in the store, 130, 143 or 129 ended by\n"
            "Ctrl-C, SIGTERM or SIGHUP.")
            .arg(Settings::files().last()) +
        QLatin1Char('\n');
    return text;
}

namespace {
int runCommand(const QStringList& arguments, Console& console, Interrupt* interrupt,
               const PortFactory& ports) {
    // The words before the command: --port (each use), --quiet, --help, --version. The
    // command's own parser takes the words after its name.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption quiet(QStringLiteral("quiet"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({port, quiet, help, version});
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
        return usageError(console, Text::tr("no command given"));

    const QString& name = rest.first();
    for (auto& command : allCommands()) {
        if (command->name() != name)
            continue;
        if (asksForHelp(rest.mid(1))) {
            console.line(commandHelp(*command));
            return kDone;
        }
        if (const auto error = command->parse(parser.values(port), rest.mid(1)))
            return usageError(console, error->message);
        console.setQuiet(parser.isSet(quiet) || command->quiet());
        // A document on stdout carries nothing else.
        console.setStatusShown(command->format() == Format::Text);
        Session session(console, interrupt, ports);
        const int status = command->run(session);
        // A job that was done before the Ctrl-C came is still done.
        if (status != kDone && session.interrupted()) {
            console.remark(Text::tr("interrupted"));
            return kSignalled + session.signal();
        }
        return status;
    }
    return usageError(console, Text::tr("unknown command %1").arg(name));
}
} // namespace

int runCommandLine(const QStringList& arguments, Console& console, Interrupt* interrupt,
                   const PortFactory& ports) {
    const int status = runCommand(arguments, console, interrupt, ports);
    // The status texts are the job's record: a job whose lines did not all reach stdout has
    // not ended normally.
    if (const auto failure = console.outputFailure()) {
        console.remark(Text::tr("cannot write to standard output: %1").arg(*failure));
        return status == kDone ? kFailed : status;
    }
    return status;
}

} // namespace tarn::cli
