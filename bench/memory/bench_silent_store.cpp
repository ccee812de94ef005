// SPDX-License-Identifier: GPL-3.0-or-later
// A shop's store on a server that has gone silent (it takes the connection and never answers,
// as when packets are dropped): a Changed download of five changed prices to a paced scale,
// against the full download with a store that answers, and how soon tarnlink-cli ends after
// SIGTERM in the middle of a download. Prints figures; fails only when a run fails.
//
//   bench_silent_store [records]     (default: 200)

#include "SimulatedScale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>

namespace {

QString notes; // the notes on the PC of this run alone

QProcessEnvironment withStore(const QString& store) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARNLINK_STORE"), store);
    env.insert(QStringLiteral("TARNLINK_NOTES_DIR"), notes);
    return env;
}

// tarnlink-cli download to the scale; the wall time, or -1 when it ended with another status
// than `expected`.
double download(const SimulatedScale& scale, const QString& file, bool changed,
                const QString& store, int expected) {
    QStringList args{QStringLiteral("--port"), scale.port, QStringLiteral("download"),
                     QStringLiteral("plu"), file};
    if (changed)
        args << QStringLiteral("--changed");
    return timedCli(args, store, notes, expected);
}

// SIGTERM once the scale has taken `after` records: the seconds until tarnlink-cli has ended.
double exitAfter(const SimulatedScale& scale, const QString& file, const QString& store,
                 int after) {
    QProcess cli;
    cli.setProcessEnvironment(withStore(store));
    cli.start(QStringLiteral(CLI_BINARY),
              {QStringLiteral("--port"), scale.port, QStringLiteral("download"),
               QStringLiteral("plu"), file});
    const QByteArray line = QStringLiteral("plu#%1 is transfered").arg(after).toLatin1();
    QByteArray out;
    while (!out.contains(line) && cli.waitForReadyRead(60000))
        out += cli.readAllStandardOutput();
    QElapsedTimer timer;
    timer.start();
    ::kill(pid_t(cli.processId()), SIGTERM);
    cli.waitForFinished(-1);
    return out.contains(line) ? double(timer.nsecsElapsed()) / 1e9 : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    QTemporaryDir dir;
    notes = dir.filePath(QStringLiteral("notes"));
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    silent.pauseAccepting();
    const QString server =
        QStringLiteral("postgresql://shop@127.0.0.1:%1/tarnlink").arg(silent.serverPort());
    const QString file = dir.filePath(QStringLiteral("shop.PLU"));
    SimulatedScale scale(dir.filePath(QStringLiteral("scale.PLU")));

    writePluTable(file, records, [](int i) { return 199 + i; });
    const double full = download(scale, file, false, dir.filePath(QStringLiteral("s.sqlite")), 0);
    writePluTable(file, records, [](int i) { return i % 40 == 0 ? 299 + i : 199 + i; });
    // Not recorded (5): it reads the scale's table, then sends what differs.
    const double changed = download(scale, file, true, server, 5);
    std::printf("%d PLU records at 9600 baud: full download, store answering %.3f s; --changed "
                "(5 records), store silent %.3f s; ratio %.3f (goal at most 1.1)\n",
                records, full, changed, full > 0 ? changed / full : -1.0);
    const double exit = exitAfter(scale, file, server, 20);
    std::printf("SIGTERM during a download, store silent: ended %.3f s after (goal at most 1)\n",
                exit);
    return full > 0 && changed > 0 && exit >= 0 ? 0 : 1;
}
