#include "CommandLine.h"

#include "Command.h"

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
    text += QStringLiteral(
        "\nOptions:\n"
        "  --port PORT   COM1 (the default), COM2, or the path of a serial device; download\n"
        "                takes several and sends the same records to each in turn\n"
        "  --one N       the record in slot N (download) or the number N (upload)\n"
        "  --range S E   slots S to E (download)\n"
        "  --all         every record (the default)\n"
        "  --help        this text\n"
        "  --version     the program's version\n"
        "\nFILE, IN and OUT are .PLU or .INGRED table files or .XLS, .XLSX, .ODS or .CSV\n"
        "spreadsheets, by extension.\n"
        "Each text the window would show in its status line is printed on a line of its own.\n"
        "Exit status: 0 the job ended normally, 1 it was refused, failed or interrupted,\n"
        "2 the command line was not understood.\n");
    return text;
}

int runCommandLine(const QStringList& arguments, Console& console, Interrupt* interrupt) {
    QStringList ports;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QLatin1String("--help") || word == QLatin1String("-h")) {
            console.line(helpText().chopped(1));
            return kDone;
        }
        if (word == QLatin1String("--version") || word == QLatin1String("-v")) {
            console.line(kProgram + QLatin1Char(' ') + QStringLiteral(TARNLINK_VERSION));
            return kDone;
        }
        if (word == QLatin1String("--port")) {
            if (++i == arguments.size())
                return usageError(console, QStringLiteral("--port needs a value"));
            ports << arguments[i];
        } else if (word.startsWith(QLatin1String("--port="))) {
            ports << word.mid(7);
        } else if (word.startsWith(QLatin1Char('-'))) {
            return usageError(console, QStringLiteral("unknown option ") + word);
        } else {
            break;
        }
    }
    if (i == arguments.size())
        return usageError(console, QStringLiteral("no command given"));

    const QString name = arguments[i];
    for (auto& command : allCommands()) {
        if (command->name() != name)
            continue;
        if (const auto error = command->parse(ports, arguments.mid(i + 1)))
            return usageError(console, error->message);
        Session session(console, interrupt);
        const int status = command->run(session);
        // A job that was done before the Ctrl-C came is still done.
        if (status != kDone && session.interrupted())
            console.remark(QStringLiteral("interrupted"));
        return status;
    }
    return usageError(console, QStringLiteral("unknown command ") + name);
}

} // namespace tarn::cli
