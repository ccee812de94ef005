// SPDX-License-Identifier: GPL-3.0-or-later
// A chain's head office asks whether every scale holds today's table: a store that knows many
// scales, each holding a 200-record table (one of them five prices behind); the wall time of
// `tarnlink-cli status plu FILE` (the program started, the store opened, every scale read).
//
//   bench_status [scales] [store]     (defaults: 256, a SQLite file; a postgresql:// URL names
//                                      an empty database on a server)

#include "Store.h"

#include "RecordCodec.h"
#include "TableDiff.h"
#include "TableFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace tarn;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 256;
    const QString path =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("store.sqlite"));
    const QString file = dir.filePath(QStringLiteral("today.PLU"));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 1; i <= 200; ++i)
            out.write(QStringLiteral("%1,\"ITEM %1\",\"\",%2,3,0,%3,1,5\r\n")
                          .arg(i)
                          .arg(199 + i)
                          .arg(2000 + i)
                          .toLatin1());
    }
    // What the scales hold: the file's own records, as a download leaves them.
    Workspace ws;
    if (!load(ws, TableKind::Plu, file).ok())
        return 1;
    const std::vector<WireRecord> records = wireRecords(ws.plu.records, ws.plu.count);
    Store store(path);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int s = 0; s < count; ++s) {
        const QString scale = QStringLiteral("tcp:10.0.%1.%2:4001").arg(s / 200).arg(s % 200 + 1);
        qint64 job = 0;
        const bool written = store.transaction(
            [&] {
                if (!store.insertJob(
                        {scale, scale, TableKind::Plu, TransferDirection::Download, "ALL", now},
                        &job))
                    return false;
                for (const WireRecord& r : records)
                    if (!store.hold(scale, TableKind::Plu, 0, r.slot, r.number,
                                    s == 0 && r.number <= 5 ? QByteArray("old") : r.bytes, now))
                        return false;
                return store.finishJob(job, {JobEnd::Ok, " THE END ", 200, {}, now});
            },
            std::chrono::milliseconds(5000));
        if (!written) {
            std::printf("%s\n", qPrintable(store.takeProblem()));
            return 1;
        }
    }
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARNLINK_STORE"), path);
    cli.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(CLI_BINARY), {"status", "plu", file, "--format", "csv"});
    cli.waitForFinished(-1);
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    const int lines = int(cli.readAllStandardOutput().count('\n'));
    std::printf("status over %d scales: %.3f s (goal at most 0.5), exit %d, %d lines\n", count,
                wall, cli.exitCode(), lines);
    return cli.exitCode() == 3 ? 0 : 1;
}
