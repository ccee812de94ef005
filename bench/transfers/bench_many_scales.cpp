// SPDX-License-Identifier: GPL-3.0-or-later
// Every scale of a shop at once: tarnlink-cli sends a whole PLU table to one paced simulated
// scale, then to four at once (two on pseudo-terminals, two behind tarnlink-scale --tcp), and
// reports the wall time of each, their ratio, and the CPU time tarnlink-cli used against its
// wall time. Every scale must hold the whole table afterwards.
//
//   bench_many_scales [records]     (default: 200)

#include "CpuTime.h"
#include "SimulatedScale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The PLU records 1..records the scale saved (ending it).
int recordsHeld(SimulatedScale& scale, int records) {
    std::vector<bool> seen(size_t(records) + 1, false);
    for (const QByteArray& line : scale.savedLines()) {
        bool ok = false;
        const int number = line.split(',').value(0).trimmed().toInt(&ok);
        if (ok && number >= 1 && number <= records)
            seen[size_t(number)] = true;
    }
    int held = 0;
    for (int i = 1; i <= records; ++i)
        held += seen[size_t(i)] ? 1 : 0;
    return held;
}

struct Run {
    int exitCode = -1;
    double wall = 0;
    double cpu = 0;
    bool allHeld = true;
};

// tarnlink-cli download to `pty` scales on pseudo-terminals and `tcp` behind a serial server.
Run downloadTo(const QString& file, int pty, int tcp, int records, QTemporaryDir& dir) {
    std::vector<std::unique_ptr<SimulatedScale>> scales;
    for (int i = 0; i < pty + tcp; ++i)
        scales.push_back(std::make_unique<SimulatedScale>(
            dir.filePath(QStringLiteral("scale%1-%2.PLU").arg(pty + tcp).arg(i)), i >= pty));
    QStringList args;
    for (const auto& s : scales)
        args << QStringLiteral("--port") << s->port;
    args << QStringLiteral("download") << QStringLiteral("plu") << file;
    std::printf("  tarnlink-cli %s\n", qPrintable(args.join(QLatin1Char(' '))));

    Run run;
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    // The CPU of tarnlink-cli alone: the simulators are still running and not yet counted.
    const double cpu0 = cpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(CLI_BINARY), args);
    cli.waitForFinished(-1);
    run.wall = double(timer.nsecsElapsed()) / 1e9;
    run.cpu = cpuSeconds(RUSAGE_CHILDREN) - cpu0;
    run.exitCode = cli.exitCode();
    for (const auto& s : scales) {
        const int held = recordsHeld(*s, records);
        if (held != records) {
            std::printf("  %s holds %d of %d records\n", qPrintable(s->port), held, records);
            run.allHeld = false;
        }
    }
    return run;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    QTemporaryDir dir;
    // tarnlink-cli keeps what the simulated scales hold in a store of the bench's own.
    qputenv("TARNLINK_STORE", dir.filePath(QStringLiteral("scales.sqlite")).toLocal8Bit());
    const QString file = dir.filePath(QStringLiteral("shop.PLU"));
    if (!writePluTable(file, records, [](int i) { return 199 + i; }))
        return 1;

    std::printf("%d PLU records, paced as at 9600 baud\none scale:\n", records);
    const Run one = downloadTo(file, 1, 0, records, dir);
    std::printf("  wall %.3f s, CPU %.3f s (%.2f%% of wall), exit %d\n", one.wall, one.cpu,
                100.0 * one.cpu / one.wall, one.exitCode);
    std::printf("four scales at once (two on pseudo-terminals, two behind --tcp):\n");
    const Run four = downloadTo(file, 2, 2, records, dir);
    std::printf("  wall %.3f s, CPU %.3f s (%.2f%% of wall), exit %d\n", four.wall, four.cpu,
                100.0 * four.cpu / four.wall, four.exitCode);
    const double ratio = four.wall / one.wall;
    std::printf("four / one: %.3f (at most 1.15); every scale holds all %d records: %s\n", ratio,
                records, one.allHeld && four.allHeld ? "yes" : "no");
    const bool ok = one.exitCode == 0 && four.exitCode == 0 && one.allHeld && four.allHeld &&
                    ratio <= 1.15 && four.cpu < 0.02 * four.wall;
    return ok ? 0 : 1;
}
