// SPDX-License-Identifier: GPL-3.0-or-later
// tarnlink-scale: the scale's side of the serial line, on a pseudo-terminal or behind a
// network serial server.

#include "Faults.h"
#include "PtyLine.h"
#include "ScaleProtocol.h"
#include "ScaleTables.h"
#include "TableFiles.h"
#include "TcpLine.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

using namespace tarn::sim;

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

[[noreturn]] void die(const QString& text) {
    std::fprintf(stderr, "tarnlink-scale: %s\n", qPrintable(text));
    std::exit(2);
}

std::optional<qint32> value32(const QString& text) {
    bool ok = false;
    const long long v = text.toLongLong(&ok);
    if (!ok || v < 0 || v > 0x7FFFFFFF)
        return std::nullopt;
    return qint32(v);
}

const char* kDescription =
    "Plays the scale's side of the serial line on a pseudo-terminal, for the Tarnlink program,\n"
    "its tests and benchmarks, and for trying the program without a scale.\n"
    "\n"
    "Prints \"device /dev/pts/N\" as its first line on stdout (and \"link PATH\" after it with\n"
    "--link), then serves the line until SIGINT or SIGTERM. Point the PC's port at the device\n"
    "or the link. The simulator holds the terminal side open itself, so the PC's closing and\n"
    "reopening of the port never hangs up the line.\n"
    "\n"
    "With --tcp PORT it plays a scale behind a network serial server instead: it listens on\n"
    "127.0.0.1 only, prints \"port tcp:127.0.0.1:PORT\" as its first line (the PC's port name;\n"
    "--tcp 0 takes a free port) and serves one connection at a time, closing any other at once.\n"
    "An exchange cut off by a closed connection is dropped.\n"
    "\n"
    "The scale holds 200 PLU records and 200 ingredient messages, from --plu/--ingred files, or\n"
    "else a small built-in set (PLU 1 to 3, messages 1 and 2), or nothing with --empty. A\n"
    "downloaded record replaces the one with the same number, or else takes the first empty\n"
    "slot; a record numbered 0 is acknowledged and not kept; a record that cannot be kept (every\n"
    "slot in use, or a value above the table's signed range) is answered with 00 instead of 10.\n"
    "An upload request for i answers with slot i, or with --answer-by number with the record\n"
    "whose PLU number (ingredient: message number) is i, wherever it stands; a request the\n"
    "scale holds nothing for is answered with another number in the echo (PLU: 0, or 1 for a\n"
    "request of 0) or with message number 0.\n"
    "After a wrong or missing echo, or when the record is all zero bytes, the scale takes the\n"
    "record's bytes as the PC's filler, keeps nothing and answers nothing.\n"
    "A sync byte A5 where a command or a number's first byte is due starts a new exchange; a\n"
    "line quiet for the --idle time in the middle of an exchange drops it.\n"
    "\n"
    "--save-plu/--save-ingred files are written after every record kept and again on exit, each\n"
    "time through a temporary file that replaces the old one only when complete.\n"
    "\n"
    "Byte log (--log FILE), one line each, in the order the scale meets them:\n"
    "  pc> A5          bytes from the PC, one line per unit: sync byte, command byte, the two\n"
    "                  number bytes, a whole record, or a run of bytes outside an exchange\n"
    "  sc> 77          bytes the scale sends, one line per burst (uppercase hex, one space)\n"
    "  # ...           notes: exchange kind and number, faults, delays, what was stored\n"
    "\n";

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnlink-scale"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tarn::programVersion()));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription) + faultSyntaxHelp());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption linkOpt(
        QStringLiteral("link"),
        QStringLiteral("Also make a symbolic link to the device at PATH "
                       "(an existing link there is replaced; removed on exit)."),
        QStringLiteral("PATH"));
    const QCommandLineOption pluOpt(QStringLiteral("plu"),
                                    QStringLiteral("Load the PLU table from a .PLU file."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption ingredOpt(
        QStringLiteral("ingred"), QStringLiteral("Load the ingredient table from a .INGRED file."),
        QStringLiteral("FILE"));
    const QCommandLineOption emptyOpt(
        QStringLiteral("empty"),
        QStringLiteral("Start with empty tables instead of the built-in set "
                       "(a table given by file is still loaded)."));
    const QCommandLineOption savePluOpt(
        QStringLiteral("save-plu"),
        QStringLiteral("Write the PLU table to FILE after every record kept "
                       "and on exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption saveIngredOpt(
        QStringLiteral("save-ingred"),
        QStringLiteral("Write the ingredient table to FILE after every "
                       "record kept and on exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption weightOpt(
        QStringLiteral("weight"), QStringLiteral("Display weight, 0 to 2147483647 (default 1234)."),
        QStringLiteral("N"));
    const QCommandLineOption unitOpt(QStringLiteral("unit-price"),
                                     QStringLiteral("Display unit price (default 1000)."),
                                     QStringLiteral("N"));
    const QCommandLineOption totalOpt(QStringLiteral("total-price"),
                                      QStringLiteral("Display total price (default 1234)."),
                                      QStringLiteral("N"));
    const QCommandLineOption faultOpt(QStringLiteral("fault"),
                                      QStringLiteral("Inject a fault (repeatable; syntax above)."),
                                      QStringLiteral("FAULT"));
    const QCommandLineOption paceOpt(
        QStringLiteral("pace"),
        QStringLiteral("Pace both directions at 9600 baud, 1/960 s per byte "
                       "(the default)."));
    const QCommandLineOption noPaceOpt(QStringLiteral("no-pace"),
                                       QStringLiteral("Move bytes at once (for fast tests)."));
    const QCommandLineOption gapOpt(
        QStringLiteral("gap"),
        QStringLiteral("Quiet between an ingredient upload's go-ahead byte and "
                       "its reply, in ms (default 50)."),
        QStringLiteral("MS"));
    const QCommandLineOption idleOpt(
        QStringLiteral("idle"),
        QStringLiteral("Quiet in the middle of an exchange after which the "
                       "scale drops it, in ms (default 1500)."),
        QStringLiteral("MS"));
    const QCommandLineOption tcpOpt(
        QStringLiteral("tcp"),
        QStringLiteral("Listen on 127.0.0.1:PORT as a network serial server would, instead of a "
                       "pseudo-terminal (0: a free port)."),
        QStringLiteral("PORT"));
    const QCommandLineOption answerOpt(
        QStringLiteral("answer-by"),
        QStringLiteral("How an upload request for i is answered: \"slot\", with the record in slot "
                       "i (the default), or \"number\", with the record numbered i."),
        QStringLiteral("slot|number"));
    const QCommandLineOption logOpt(
        QStringLiteral("log"), QStringLiteral("Append the byte log to FILE (\"-\" for stderr)."),
        QStringLiteral("FILE"));
    parser.addOptions({linkOpt, pluOpt, ingredOpt, emptyOpt, savePluOpt, saveIngredOpt, weightOpt,
                       unitOpt, totalOpt, faultOpt, paceOpt, noPaceOpt, gapOpt, idleOpt, tcpOpt,
                       answerOpt, logOpt});
    // Not process(): it ends a bad option with status 1, and a usage error here is 2.
    if (!parser.parse(QCoreApplication::arguments()))
        die(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        die(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    ScaleTables tables = parser.isSet(emptyOpt) ? ScaleTables{} : ScaleTables::fixture();
    QString error;
    if (parser.isSet(pluOpt) && !loadPluFile(parser.value(pluOpt), tables.plu, error))
        die(QStringLiteral("%1: %2").arg(parser.value(pluOpt), error));
    if (parser.isSet(ingredOpt) && !loadIngredFile(parser.value(ingredOpt), tables.ingred, error))
        die(QStringLiteral("%1: %2").arg(parser.value(ingredOpt), error));
    const std::pair<const QCommandLineOption*, qint32*> displayOpts[] = {
        {&weightOpt, &tables.weight},
        {&unitOpt, &tables.unitPrice},
        {&totalOpt, &tables.totalPrice}};
    for (auto [opt, field] : displayOpts) {
        if (!parser.isSet(*opt))
            continue;
        const auto v = value32(parser.value(*opt));
        if (!v)
            die(QStringLiteral("--%1 must be a whole number from 0 to 2147483647")
                    .arg(opt->names().first()));
        *field = *v;
    }
    std::vector<Fault> faults;
    for (const QString& faultText : parser.values(faultOpt)) {
        auto f = parseFault(faultText, error);
        if (!f)
            die(error);
        faults.push_back(*f);
    }
    auto millis = [&](const QCommandLineOption& opt, int fallback) {
        if (!parser.isSet(opt))
            return fallback;
        bool ok = false;
        const int v = parser.value(opt).toInt(&ok);
        if (!ok || v < 0)
            die(QStringLiteral("--%1 must be a number of milliseconds").arg(opt.names().first()));
        return v;
    };
    const int gapMs = millis(gapOpt, 50);
    const int idleMs = millis(idleOpt, 1500);
    UploadAnswers answers = UploadAnswers::BySlot;
    if (parser.isSet(answerOpt)) {
        const QString how = parser.value(answerOpt);
        if (how == QLatin1String("number"))
            answers = UploadAnswers::ByNumber;
        else if (how != QLatin1String("slot"))
            die(QStringLiteral("--answer-by must be \"slot\" or \"number\""));
    }
    if (parser.isSet(paceOpt) && parser.isSet(noPaceOpt))
        die(QStringLiteral("--pace and --no-pace exclude each other"));
    const bool pace = !parser.isSet(noPaceOpt);

    QFile logFile;
    if (parser.isSet(logOpt)) {
        const QString path = parser.value(logOpt);
        const bool ok = path == QLatin1String("-")
                            ? logFile.open(stderr, QIODevice::WriteOnly)
                            : (logFile.setFileName(path),
                               logFile.open(QIODevice::WriteOnly | QIODevice::Append));
        if (!ok)
            die(QStringLiteral("cannot open the log %1: %2").arg(path, logFile.errorString()));
    }

    std::optional<quint16> tcpPort;
    if (parser.isSet(tcpOpt)) {
        bool ok = false;
        const uint v = parser.value(tcpOpt).toUInt(&ok);
        if (!ok || v > 65535)
            die(QStringLiteral("--tcp must be a port number from 0 to 65535"));
        if (parser.isSet(linkOpt))
            die(QStringLiteral("--link names a pseudo-terminal; --tcp has none"));
        tcpPort = quint16(v);
    }

    Pty pty;
    if (!tcpPort && !pty.open(error))
        die(QStringLiteral("cannot open a pseudo-terminal: ") + error);

    QString linkPath;
    if (parser.isSet(linkOpt)) {
        linkPath = parser.value(linkOpt);
        const QFileInfo existing(linkPath);
        if (existing.isSymLink())
            QFile::remove(linkPath);
        else if (existing.exists())
            die(QStringLiteral("--link %1: exists and is not a symbolic link").arg(linkPath));
        if (!QFile::link(pty.devicePath(), linkPath))
            die(QStringLiteral("--link %1: cannot make the link").arg(linkPath));
    }

    auto saveTables = [&] {
        QString err;
        if (parser.isSet(savePluOpt) && !savePluFile(parser.value(savePluOpt), tables.plu, err))
            std::fprintf(stderr, "tarnlink-scale: %s\n", qPrintable(err));
        if (parser.isSet(saveIngredOpt) &&
            !saveIngredFile(parser.value(saveIngredOpt), tables.ingred, err))
            std::fprintf(stderr, "tarnlink-scale: %s\n", qPrintable(err));
    };

    ScaleProtocol protocol(tables, faults, gapMs);
    protocol.setUploadAnswers(answers);
    std::function<void(const QStringList&)> writeLog;
    if (logFile.isOpen()) {
        writeLog = [&logFile](const QStringList& lines) {
            for (const QString& line : lines)
                logFile.write(line.toLatin1() + '\n');
            logFile.flush();
        };
    }
    std::optional<LinePump> pump;
    std::optional<TcpLine> tcp;
    if (tcpPort) {
        tcp.emplace(protocol, pace, idleMs);
        if (!tcp->listen(*tcpPort, error))
            die(QStringLiteral("--tcp %1: %2").arg(*tcpPort).arg(error));
        tcp->onTablesChanged = saveTables;
        tcp->onLog = writeLog;
    } else {
        pump.emplace(pty.masterFd(), protocol, pace, idleMs);
        pump->onTablesChanged = saveTables;
        pump->onLog = writeLog;
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        die(QStringLiteral("socketpair failed"));
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    if (tcp)
        std::printf("port tcp:127.0.0.1:%u\n", unsigned(tcp->port()));
    else
        std::printf("device %s\n", qPrintable(pty.devicePath()));
    if (!linkPath.isEmpty())
        std::printf("link %s\n", qPrintable(linkPath));
    std::fflush(stdout);

    const int rc = app.exec();
    saveTables();
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
    return rc;
}
