// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreLayout.h"

#include "Version.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QVariant>

#include <vector>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(StoreLayout)
};

struct Step {
    int compatible; // the oldest layout whose Tarnlink can use the store after this step
    std::vector<const char*> sql;
};

// The layout, step by step: step k brings a store of version k to version k + 1. A step is
// never changed once released; a new layout is a new step.
const std::vector<Step> kSteps = {
    // 0 -> 1: what each port's scale holds, and the transfers with their records.
    {1,
     {
         "CREATE TABLE held ("
         " port TEXT NOT NULL, tbl TEXT NOT NULL, number INTEGER NOT NULL, bytes %BLOB% NOT NULL,"
         " PRIMARY KEY (port, tbl, number))%NOROWID%",
         "CREATE TABLE transfers ("
         " id %ID%, port TEXT NOT NULL, tbl TEXT NOT NULL,"
         " direction TEXT NOT NULL, extent TEXT NOT NULL, started %INT64% NOT NULL,"
         " ended %INT64%, how_ended TEXT)",
         "CREATE TABLE records ("
         " id %ID%, transfer INTEGER NOT NULL, slot INTEGER NOT NULL,"
         " number INTEGER NOT NULL, at %INT64% NOT NULL)",
         "CREATE INDEX records_of_transfer ON records (transfer, number)",
         "CREATE INDEX records_by_number ON records (number, transfer)",
         "CREATE INDEX transfers_of_port ON transfers (port, id)",
     }},
    // 1 -> 2: scales known by their devices; each job one row with its outcome; when each
    // record was last confirmed; whether the store vouches for a scale at all.
    {2,
     {
         "ALTER TABLE held RENAME COLUMN port TO scale",
         "ALTER TABLE held ADD COLUMN confirmed %INT64% NOT NULL DEFAULT 0",
         "ALTER TABLE held ADD COLUMN slot INTEGER",
         "ALTER TABLE transfers RENAME COLUMN port TO scale",
         "ALTER TABLE transfers ADD COLUMN name TEXT",
         "UPDATE transfers SET name = scale",
         "ALTER TABLE transfers ADD COLUMN outcome TEXT",
         "ALTER TABLE transfers ADD COLUMN records INTEGER NOT NULL DEFAULT 0",
         "UPDATE transfers SET records ="
         " (SELECT count(*) FROM records r WHERE r.transfer = transfers.id)",
         "ALTER TABLE transfers ADD COLUMN differences INTEGER",
         "CREATE INDEX transfers_started ON transfers (started)",
         "CREATE TABLE scales ("
         " scale TEXT NOT NULL, tbl TEXT NOT NULL, unconfirmed INTEGER NOT NULL, why TEXT,"
         " checked %INT64%, PRIMARY KEY (scale, tbl))",
         // An older Tarnlink knew a scale by the name typed, and could keep records that a
         // failed write left behind: none of it is vouched for until the scale is read again.
         "INSERT INTO scales (scale, tbl, unconfirmed, why)"
         " SELECT DISTINCT scale, tbl, 1, 'kept by an older Tarnlink' FROM held",
         "CREATE TABLE meta (name TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL)",
     }},
    // 2 -> 3: several PCs share one store: which PC and which user ran each job.
    {2,
     {
         "ALTER TABLE transfers ADD COLUMN pc TEXT",
         "ALTER TABLE transfers ADD COLUMN user_name TEXT",
     }},
    // 3 -> 4: a scale is its PC's or its shop's (each given the PC that last used it); the
    // mark of each PC's note on it; when its table was last read whole; how it answers.
    {4,
     {
         "ALTER TABLE scales ADD COLUMN read_whole %INT64%",
         "ALTER TABLE scales ADD COLUMN answers TEXT",
         "CREATE TABLE notes_seen (scale TEXT NOT NULL, tbl TEXT NOT NULL, pc TEXT NOT NULL,"
         " mark TEXT NOT NULL, PRIMARY KEY (scale, tbl, pc))%NOROWID%",
         "CREATE TABLE last_pc AS SELECT s.scale, coalesce((SELECT t.pc FROM transfers t"
         " WHERE t.scale = s.scale AND t.pc IS NOT NULL ORDER BY t.id DESC LIMIT 1), '') AS pc"
         " FROM (SELECT scale FROM transfers UNION SELECT scale FROM held"
         " UNION SELECT scale FROM scales) s",
         "UPDATE held SET scale = scale || '@' ||"
         " (SELECT pc FROM last_pc l WHERE l.scale = held.scale)",
         "UPDATE scales SET scale = scale || '@' ||"
         " (SELECT pc FROM last_pc l WHERE l.scale = scales.scale)",
         "UPDATE transfers SET scale = scale || '@' ||"
         " (SELECT pc FROM last_pc l WHERE l.scale = transfers.scale)",
         "DROP TABLE last_pc",
     }},
    // 4 -> 5: the shelf labels last printed from each table file in each shop (PrintedLabels).
    // It only adds: a Tarnlink of layout 4 goes on using the store.
    {4,
     {
         "CREATE TABLE printed_labels (tbl_file TEXT NOT NULL, shop TEXT NOT NULL,"
         " number INTEGER NOT NULL, content TEXT NOT NULL, printed %INT64% NOT NULL,"
         " PRIMARY KEY (tbl_file, shop, number))%NOROWID%",
     }},
};

static_assert(StoreLayout::kVersion == 5, "one step for each version");

bool setMeta(StoreConnection& db, const char* name, const QString& value) {
    return bool(db.run(QStringLiteral("INSERT INTO meta (name, value) VALUES (?, ?)"
                                      " ON CONFLICT (name) DO UPDATE SET value = excluded.value"),
                       {QString::fromLatin1(name), value}));
}

QString meta(const StoreConnection& db, const char* name) {
    auto q = db.run(QStringLiteral("SELECT value FROM meta WHERE name = ?"),
                    {QString::fromLatin1(name)});
    return q && q->next() ? q->value(0).toString() : QString();
}

std::optional<StoreFailure> migrate(StoreConnection& db, int from) {
    const Dialect& sql = db.sql();
    // Write-ahead logging lets readers go on while one process writes. The switch needs the
    // file to itself and does not wait on the busy time-out: when another program opens the
    // store in the same instant, try again for as long as a write waits.
    QElapsedTimer waited;
    waited.start();
    while (!db.isServer()) {
        auto mode = db.run(QStringLiteral("PRAGMA journal_mode=WAL"));
        if (mode && mode->next()) {
            if (mode->value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
                break;
            return StoreFailure{Text::tr("it cannot use write-ahead logging"), 0};
        }
        if (db.failure().code == kSqliteBusy && waited.elapsed() < StoreConnection::kBusy.count()) {
            QThread::msleep(10);
            continue;
        }
        return db.failure();
    }
    // One transaction per step, each with its version stamp: a step that fails leaves the
    // store as the step before left it. Another program may have taken the step meanwhile.
    for (int step = from; step < StoreLayout::kVersion; ++step) {
        const bool done = db.transaction([&] {
            if (*sql.lockLayout && !db.run(QLatin1String(sql.lockLayout)))
                return false;
            auto now = db.run(QLatin1String(sql.readVersion));
            if (!now || !now->next())
                return false;
            if (now->value(0).toInt() != step)
                return true;
            now.reset();
            for (const char* statement : kSteps[size_t(step)].sql)
                if (!db.run(sql(statement)))
                    return false;
            // The meta table comes with the second step.
            return bool(db.run(QString::fromLatin1(sql.writeVersion).arg(step + 1))) &&
                   (step == 0 ||
                    (setMeta(db, "compatible", QString::number(kSteps[size_t(step)].compatible)) &&
                     setMeta(db, "written by", QString::fromLatin1(programVersion()))));
        });
        if (!done)
            return db.failure();
    }
    return std::nullopt;
}

} // namespace

std::optional<StoreFailure> StoreLayout::open(StoreConnection& db) {
    const Dialect& sql = db.sql();
    // A database without the layout's version gets it under the layout's lock; most opens
    // find it there, and every PC opening at once need not queue on the lock for that.
    const auto hasVersion = [&] {
        auto stamp = db.run(QLatin1String(sql.readVersion));
        return stamp && stamp->next() && stamp->value(0).toInt() > 0;
    };
    if (db.isServer() && !hasVersion() && !db.transaction([&] {
            return db.run(QLatin1String(sql.lockLayout)) && db.run(QLatin1String(sql.prepare)) &&
                   db.run(QStringLiteral("INSERT INTO store_version SELECT 0 WHERE NOT EXISTS"
                                         " (SELECT 1 FROM store_version)"));
        }))
        return db.failure();
    auto version = db.run(QLatin1String(sql.readVersion));
    if (!version || !version->next())
        return db.failure();
    const int found = version->value(0).toInt();
    version.reset();
    if (found > kVersion) {
        // A newer Tarnlink's layout: used as long as that Tarnlink says this one still can.
        const int compatible = meta(db, "compatible").toInt();
        if (compatible > 0 && compatible <= kVersion)
            return std::nullopt;
        const QString newer = meta(db, "written by").section(QLatin1Char('+'), 0, 0);
        const QString ours = QString::fromLatin1(programVersion());
        if (newer.isEmpty())
            //: %1: the store's version; %2: this Tarnlink's version; %3: the store version it
            //: reads up to
            return StoreFailure{Text::tr("it was made by a newer Tarnlink (store version %1; this "
                                         "one, %2, reads up to %3) - upgrade this PC: the store "
                                         "needs Tarnlink that reads store version %1")
                                    .arg(QString::number(found), ours, QString::number(kVersion)),
                                0};
        //: %1: the Tarnlink version that made the store; %2: the store's version; %3: this
        //: Tarnlink's version; %4: the store version it reads up to
        return StoreFailure{
            Text::tr("it was made by a newer Tarnlink %1 (store version %2; this "
                     "one, %3, reads up to %4) - upgrade this PC: the store needs "
                     "Tarnlink %1 or later")
                .arg(newer, QString::number(found), ours, QString::number(kVersion)),
            0};
    }
    if (found == kVersion)
        return std::nullopt;
    if (db.isReadOnly())
        return StoreFailure{Text::tr("it is read-only, and an older Tarnlink made it"),
                            kSqliteReadOnly};
    return migrate(db, found);
}

} // namespace tarn
