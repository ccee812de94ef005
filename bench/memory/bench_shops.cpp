// SPDX-License-Identifier: GPL-3.0-or-later
// A chain's morning: 64 paced simulated scales hold yesterday's table; five prices change and
// "download --changed" sends them. Once from one PC (one process, 64 ports) on the default
// SQLite file; once from four PCs at once (four processes, 16 ports each) sharing one store,
// the PostgreSQL database named on the command line (or a shared SQLite file without it). Prints
// the wall times and their ratio; fails only when a run fails.
//
//   bench_shops [postgresql://USER@HOST:PORT/DB] [records] [processes] [scales each]
//   (defaults: a SQLite file, 200, 4, 16)

#include "SimulatedScale.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int kChanged[] = {17, 53, 101, 150, 199};

int priceOf(int number, bool changed) {
    for (int c : kChanged)
        if (changed && c == number)
            return 209 + number;
    return 199 + number;
}

using Scales = std::vector<std::unique_ptr<SimulatedScale>>;

// `processes` tarnlink-cli downloads at once, each to its share of the scales; the wall time
// until the last ends, or -1 when one failed.
double download(const Scales& scales, int processes, const QString& file, bool changed,
                const QString& store, const QString& notes) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARNLINK_STORE"), store);
    // Each store its own notes beside the port locks: a scale last sent to through the other
    // store would be read whole first, which is not what is measured here.
    env.insert(QStringLiteral("TARNLINK_NOTES_DIR"), notes);
    QDir().mkpath(notes);
    std::vector<std::unique_ptr<QProcess>> running;
    QElapsedTimer timer;
    timer.start();
    const size_t each = scales.size() / size_t(processes);
    for (int p = 0; p < processes; ++p) {
        QStringList args;
        for (size_t i = size_t(p) * each; i < size_t(p + 1) * each; ++i)
            args << QStringLiteral("--port") << scales[i]->port;
        args << QStringLiteral("download") << QStringLiteral("plu") << file;
        if (changed)
            args << QStringLiteral("--changed");
        auto cli = std::make_unique<QProcess>();
        cli->setProcessEnvironment(env);
        cli->setStandardOutputFile(notes + QStringLiteral("/out%1.txt").arg(p));
        cli->start(QStringLiteral(CLI_BINARY), args);
        running.push_back(std::move(cli));
    }
    bool ok = true;
    for (auto& cli : running) {
        cli->waitForFinished(-1);
        ok = ok && cli->exitStatus() == QProcess::NormalExit && cli->exitCode() == 0;
        if (!ok)
            std::fprintf(stderr, "%s", cli->readAllStandardError().constData());
    }
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    // Scales whose table was read whole before the changed records went (the store's word
    // was not taken): each costs about a full download.
    int reads = 0;
    for (int p = 0; p < processes; ++p) {
        QFile out(notes + QStringLiteral("/out%1.txt").arg(p));
        if (out.open(QIODevice::ReadOnly))
            reads += int(out.readAll().count("reading its table"));
    }
    if (reads > 0)
        std::printf("  (%d scale(s) had their table read first)\n", reads);
    return ok ? wall : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString shared =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("shared.sqlite"));
    const int records = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 200;
    const int processes = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 4;
    const int each = argc > 4 ? QString::fromLocal8Bit(argv[4]).toInt() : 16;
    const QString file = dir.filePath(QStringLiteral("shop.PLU"));
    const QString single = dir.filePath(QStringLiteral("single.sqlite"));
    Scales scales;
    for (int i = 0; i < processes * each; ++i)
        scales.push_back(
            std::make_unique<SimulatedScale>(dir.filePath(QStringLiteral("scale%1.PLU").arg(i))));
    std::printf("%d PLU records, %zu scales paced as at 9600 baud; shared store %s\n", records,
                scales.size(), qPrintable(shared));

    // Each store in turn: the scales get yesterday's table through it (so it knows what they
    // hold), then today's five changed prices. A store that did not see a scale change would
    // not be trusted: the check before a Changed download reads its table whole.
    const auto day = [&](int processes, const QString& store, const QString& notes) {
        writePluTable(file, records, [](int i) { return priceOf(i, false); });
        if (download(scales, processes, file, false, store, notes) < 0)
            return -1.0;
        writePluTable(file, records, [](int i) { return priceOf(i, true); });
        return download(scales, processes, file, true, store, notes);
    };
    const double one = day(1, single, dir.filePath(QStringLiteral("notes-single")));
    const double many = day(processes, shared, dir.filePath(QStringLiteral("notes-shared")));
    bool ok = true;
    ok = ok && one > 0 && many > 0;
    std::printf("--changed, 1 process x %zu ports, SQLite: %.3f s\n", scales.size(), one);
    std::printf("--changed, %d processes x %d ports, shared store: %.3f s\n", processes, each,
                many);
    std::printf("ratio %.3f (goal at most 1.2)\n", one > 0 ? many / one : -1.0);
    return ok ? 0 : 1;
}
