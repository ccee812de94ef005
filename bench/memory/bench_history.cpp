// SPDX-License-Identifier: GPL-3.0-or-later
// The history of a busy shop: a store holding many jobs of many records each; how long the
// newest 50 take to list, in the program (the store opened and asked) and as `tarnlink-cli
// history` (the program started, the store opened, the lines printed). Prints figures.
//
//   bench_history [jobs] [records per job]     (defaults: 100000, 100)

#include "Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Fills the store's tables in bulk: jobs to four scales, a minute apart, each with its records.
bool fill(const QString& path, int jobs, int records) {
    {
        tarn::Store made(path); // the layout, as the program makes it
        if (!made.isOpen())
            return false;
    }
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
        db.setDatabaseName(path);
        ok = db.open();
        const qint64 start = QDateTime::currentMSecsSinceEpoch() - qint64(jobs) * 60000;
        const QStringList steps = {
            QStringLiteral("BEGIN"),
            QStringLiteral(
                "WITH RECURSIVE j(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM j WHERE n < %1)"
                " INSERT INTO transfers (id, scale, name, tbl, direction, extent, started, ended,"
                " how_ended, outcome, records) SELECT n, '/dev/ttyUSB' || (n % 4) || '@' || '%4',"
                " 'ttyUSB' || (n % 4), 'plu', 'download', 'Changed', %2 + n * 60000,"
                " %2 + n * 60000 + 20000, ' THE END ', 'ok', %3 FROM j")
                .arg(jobs)
                .arg(start)
                .arg(records)
                .arg(tarn::splitStoreKey(tarn::storeKey(QStringLiteral("/dev/ttyUSB0"))).second),
            QStringLiteral(
                "WITH RECURSIVE r(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM r WHERE n < %1)"
                " INSERT INTO records (transfer, slot, number, at) SELECT n / %2 + 1,"
                " n % %2 + 1, n % %2 + 1, %3 + n FROM r")
                .arg(qint64(jobs) * records - 1)
                .arg(records)
                .arg(start),
            QStringLiteral("COMMIT"),
        };
        for (const QString& s : steps) {
            QSqlQuery q(db);
            if (ok && !q.exec(s)) {
                std::printf("%s\n", qPrintable(q.lastError().text()));
                ok = false;
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int jobs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int records = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scales.sqlite"));
    QElapsedTimer timer;
    timer.start();
    if (!fill(path, jobs, records))
        return 1;
    std::printf("%d jobs of %d records: store of %.0f MB made in %.1f s\n", jobs, records,
                double(QFileInfo(path).size()) / 1e6, double(timer.elapsed()) / 1000);

    tarn::HistoryFilter newest;
    newest.limit = 50;
    tarn::HistoryFilter oneScale = newest;
    oneScale.port = QStringLiteral("/dev/ttyUSB2");
    tarn::HistoryFilter plu12 = newest;
    plu12.plu = 12;
    for (const auto& [what, filter] : {std::pair{"newest 50", newest},
                                       {"newest 50 of one scale", oneScale},
                                       {"newest 50 with PLU 12", plu12}}) {
        timer.restart();
        tarn::Store store(path);
        const size_t shown = store.history(filter).size();
        std::printf("in the program, %s: %zu rows in %.3f s (goal at most 0.2)\n", what, shown,
                    double(timer.nsecsElapsed()) / 1e9);
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARNLINK_STORE"), path);
    int failed = 0;
    for (const auto& [args, goal] :
         {std::pair{QStringList{QStringLiteral("history")}, 0.2},
          {QStringList{QStringLiteral("history"), QStringLiteral("--plu"), QStringLiteral("12"),
                       QStringLiteral("--limit"), QStringLiteral("0"), QStringLiteral("--format"),
                       QStringLiteral("json")},
           2.0}}) {
        QProcess cli;
        cli.setProcessEnvironment(env);
        timer.restart();
        cli.start(QStringLiteral(CLI_BINARY), args);
        qint64 bytes = 0;
        while (cli.waitForReadyRead(-1))
            bytes += cli.readAllStandardOutput().size();
        cli.waitForFinished(-1);
        bytes += cli.readAllStandardOutput().size();
        std::printf("tarnlink-cli %s: %lld bytes in %.3f s, exit %d (goal at most %.1f)\n",
                    qPrintable(args.join(QLatin1Char(' '))), bytes,
                    double(timer.nsecsElapsed()) / 1e9, cli.exitCode(), goal);
        failed = failed ? failed : cli.exitCode();
    }
    return failed;
}
