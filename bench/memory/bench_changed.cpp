// SPDX-License-Identifier: GPL-3.0-or-later
// A shop's day: paced simulated scales hold a table that tarnlink-cli sent them; five prices
// change; "download --changed" reads back three records to check the store's word, then sends
// those five. The wall time of the full download and of the changed one, and their ratio, for
// one scale and for many at once. Then a full download to one scale while another program
// holds the store's write lock, against the same download with the store free and against the
// time its bytes take on the wire. Prints figures; fails only when a scale does not hold the
// table with its new prices afterwards.
//
//   bench_changed [records] [scales]     (defaults: 200, 64)

#include "ChangedPlan.h"
#include "SimulatedScale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

const int kChanged[] = {17, 53, 101, 150, 199};

int priceOf(int number, bool changed) {
    const int price = 199 + number;
    return changed ? price + 10 : price;
}

bool isChanged(int number) {
    for (int c : kChanged)
        if (c == number)
            return true;
    return false;
}

void writeTable(const QString& path, int records, bool changed) {
    writePluTable(path, records, [changed](int i) { return priceOf(i, changed && isChanged(i)); });
}

constexpr double kBytesPerSecond = 960.0; // 9600 baud, 10 bits a byte
constexpr int kPluBytesPerRecord = 81;    // A5 77 02 01, number and echo, 72, 10

// tarnlink-cli download to every scale at once; the wall time, or -1 when it failed (ended
// with another status than `expected`).
double download(const std::vector<std::unique_ptr<SimulatedScale>>& scales, const QString& file,
                bool changed, const QString& store, int expected = 0) {
    QStringList args;
    for (const auto& s : scales)
        args << QStringLiteral("--port") << s->port;
    args << QStringLiteral("download") << QStringLiteral("plu") << file;
    if (changed)
        args << QStringLiteral("--changed");
    return timedCli(args, store, store + QStringLiteral(".notes"), expected);
}

// The full table to `count` scales, five prices changed, then --changed; true when every scale
// ends holding the table with its new prices.
bool day(int records, int count, QTemporaryDir& dir) {
    const QString file = dir.filePath(QStringLiteral("shop-%1.PLU").arg(count));
    const QString store = dir.filePath(QStringLiteral("store-%1.sqlite").arg(count));
    std::vector<std::unique_ptr<SimulatedScale>> scales;
    for (int i = 0; i < count; ++i)
        scales.push_back(std::make_unique<SimulatedScale>(
            dir.filePath(QStringLiteral("scale%1-%2.PLU").arg(count).arg(i))));
    writeTable(file, records, false);
    const double full = download(scales, file, false, store);
    writeTable(file, records, true);
    const double changed = download(scales, file, true, store);
    std::printf("%d scale(s): full %d records %.3f s, --changed (5 records) %.3f s, "
                "ratio %.4f (goal at most 0.05)\n",
                count, records, full, changed, full > 0 ? changed / full : -1.0);
    bool ok = full > 0 && changed > 0;
    for (const auto& s : scales) {
        // PLU number -> unit price, as the scale saved its table.
        std::map<int, int> held;
        for (const QByteArray& line : s->savedLines()) {
            const QList<QByteArray> fields = line.split(',');
            if (fields.size() > 3)
                held[fields[0].trimmed().toInt()] = fields[3].trimmed().toInt();
        }
        int right = 0;
        for (int i = 1; i <= records; ++i) {
            const auto it = held.find(i);
            right += it != held.end() && it->second == priceOf(i, isChanged(i)) ? 1 : 0;
        }
        if (right != records) {
            std::printf("  %s holds %d of %d records as the table has them\n", qPrintable(s->port),
                        right, records);
            ok = false;
        }
    }
    return ok;
}

// The full table to one scale with the store free, then again while this program holds the
// store's write lock (as another tarnlink-cli in a long write would): the job still sends,
// and says it was not recorded (exit 5).
bool lockedStore(int records, QTemporaryDir& dir) {
    const QString file = dir.filePath(QStringLiteral("locked.PLU"));
    const QString store = dir.filePath(QStringLiteral("locked.sqlite"));
    std::vector<std::unique_ptr<SimulatedScale>> scales;
    scales.push_back(
        std::make_unique<SimulatedScale>(dir.filePath(QStringLiteral("locked-scale.PLU"))));
    writeTable(file, records, false);
    const double free = download(scales, file, false, store);
    double locked = -1;
    double changedLocked = -1;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
        db.setDatabaseName(store);
        QSqlQuery lock(db);
        if (db.open() && lock.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            locked = download(scales, file, false, store, 5);
            // Five prices change while the lock is still held: the store could not record the
            // job before, so the Changed download reads the scale's table, then sends them.
            writeTable(file, records, true);
            changedLocked = download(scales, file, true, store, 5);
        }
        lock.exec(QStringLiteral("ROLLBACK"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lock"));
    const double wire = records * kPluBytesPerRecord / kBytesPerSecond;
    std::printf("store locked by another program: full %d records %.3f s, with the store free "
                "%.3f s, wire time %.3f s: %.3f x the wire time (goal at most 1.05), %.3f x "
                "the free store's\n",
                records, locked, free, wire, locked / wire, locked / free);
    std::printf("store locked for the whole job: --changed (5 records) %.3f s, %.3f x the full "
                "download (goal at most 1.1)\n",
                changedLocked, changedLocked / free);
    return free > 0 && locked > 0 && changedLocked > 0;
}

// A price keyed in at the scale's keypad: how many Changed jobs, each reading back what the
// check asks for, pass before the check reads that record, for each record of the table. The
// store starts as a full download leaves it (no record's slot known; the scale keeps record i
// in slot i); the planner is the program's own, the line is not used.
void keyedIn(int records) {
    const QDateTime start = QDateTime::currentDateTimeUtc();
    int worst = 0;
    long total = 0;
    for (int keyed = 1; keyed <= records; ++keyed) {
        tarn::ChangedFacts facts;
        for (int i = 1; i <= records; ++i) {
            const QByteArray bytes = QByteArray::number(i).leftJustified(72, ' ');
            facts.table.push_back({i, i, bytes});
            facts.word.held[i] = {bytes, start.addSecs(i), 0};
        }
        int jobs = 0;
        for (bool found = false; !found && jobs < 10 * records;) {
            ++jobs;
            facts.readBack.clear();
            for (auto step = tarn::planChanged(facts);
                 step.what == tarn::ChangedStep::Do::ReadBack && !found;
                 step = tarn::planChanged(facts))
                for (const int slot : step.ask) {
                    found = found || slot == keyed;
                    facts.readBack.push_back({slot, false, slot, facts.word.held[slot].bytes});
                    facts.word.held[slot].slot = slot;
                    facts.word.held[slot].confirmed = start.addDays(1).addSecs(jobs);
                }
        }
        worst = std::max(worst, jobs);
        total += jobs;
    }
    std::printf("a price keyed in at the scale is found by the check after at most %d Changed "
                "jobs, %.1f on average (goal at most %d)\n",
                worst, double(total) / records, (records + 2) / 3);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    const int many = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 64;
    QTemporaryDir dir;
    keyedIn(records);
    std::printf("%d PLU records, scales paced as at 9600 baud on pseudo-terminals\n", records);
    const bool one = day(records, 1, dir);
    const bool all = day(records, many, dir);
    std::printf("every scale holds the table with its new prices: %s\n", one && all ? "yes" : "no");
    const bool locked = lockedStore(records, dir);
    return one && all && locked ? 0 : 1;
}
