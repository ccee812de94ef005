// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benches that drive tarnlink-cli share: a paced simulated scale (tarnlink-scale at
// 9600 baud) and the PLU table file sent to it.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

#ifndef SCALE_BINARY
#define SCALE_BINARY "tarnlink-scale"
#endif
#ifndef CLI_BINARY
#define CLI_BINARY "tarnlink-cli"
#endif

// A paced simulator with empty tables that keeps what it receives in `saveTo`: on a
// pseudo-terminal, or behind --tcp.
struct SimulatedScale {
    explicit SimulatedScale(const QString& saveTo, bool tcp = false) : save(saveTo) {
        QStringList args{QStringLiteral("--empty"), QStringLiteral("--save-plu"), saveTo};
        if (tcp)
            args << QStringLiteral("--tcp") << QStringLiteral("0");
        process.start(QStringLiteral(SCALE_BINARY), args);
        process.waitForStarted(5000);
        while (!process.canReadLine() && process.waitForReadyRead(10000)) {
        }
        port = QString::fromLocal8Bit(process.readLine()).trimmed().section(QLatin1Char(' '), 1);
    }
    // Ends the simulator (which saves its table): the lines of the PLU file it saved.
    QList<QByteArray> savedLines() {
        process.terminate();
        process.waitForFinished(5000);
        QFile f(save);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll().split('\n');
    }
    QString save;
    QProcess process;
    QString port;
};

// A PLU table file of `records` records, PLU number i in slot i with the unit price
// `price(i)`; false when it cannot be written.
inline bool writePluTable(const QString& path, int records, const std::function<int(int)>& price) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int i = 1; i <= records; ++i)
        f.write(QStringLiteral("%1,\"Article %1\",\"Shelf %2\",%3,0,0,%4,0,0\r\n")
                    .arg(i)
                    .arg(i % 17)
                    .arg(price(i))
                    .arg(100000 + i)
                    .toLatin1());
    return true;
}

// tarnlink-cli `args` with the store at `store` and the notes on the PC in `notes` (the run's
// own: a pseudo-terminal's name comes again in the next run); the wall time in seconds, or -1
// when it ended with another status than `expected`.
inline double timedCli(const QStringList& args, const QString& store, const QString& notes,
                       int expected) {
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARNLINK_STORE"), store);
    env.insert(QStringLiteral("TARNLINK_NOTES_DIR"), notes);
    cli.setProcessEnvironment(env);
    cli.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(CLI_BINARY), args);
    cli.waitForFinished(-1);
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    return cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == expected ? wall : -1;
}
