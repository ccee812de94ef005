// SPDX-License-Identifier: GPL-3.0-or-later
// Stores made by earlier Tarnlinks open, brought up to date step by step; a newer one, a
// broken one, a read-only one and a full disk each say what is the matter and what to do.
#include "Backends.h"
#include "FullDisk.h"
#include "Store.h"
#include "StoreJobs.h"
#include "StoreLayout.h"
#include "StoreWriter.h"
#include "Version.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarn;
using tarn::testing::FullDisk;
using tarn::testing::heldOn;
using tarn::testing::WriterJob;

namespace {

// Runs statements on the file at `path` through a connection of the test's own.
void onFile(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "by-hand");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString& s : statements) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(s)) << s.toStdString();
        }
    }
    QSqlDatabase::removeDatabase("by-hand");
}

// The first store's layout, as the first Tarnlink made it, with one job in it.
const QStringList kVersion1 = {
    "PRAGMA journal_mode=WAL",
    "CREATE TABLE held (port TEXT NOT NULL, tbl TEXT NOT NULL, number INTEGER NOT NULL,"
    " bytes BLOB NOT NULL, PRIMARY KEY (port, tbl, number)) WITHOUT ROWID",
    "CREATE TABLE transfers (id INTEGER PRIMARY KEY AUTOINCREMENT, port TEXT NOT NULL,"
    " tbl TEXT NOT NULL, direction TEXT NOT NULL, extent TEXT NOT NULL,"
    " started INTEGER NOT NULL, ended INTEGER, how_ended TEXT)",
    "CREATE TABLE records (id INTEGER PRIMARY KEY AUTOINCREMENT, transfer INTEGER NOT NULL,"
    " slot INTEGER NOT NULL, number INTEGER NOT NULL, at INTEGER NOT NULL)",
    "CREATE INDEX records_of_transfer ON records (transfer, number)",
    "CREATE INDEX records_by_number ON records (number, transfer)",
    "CREATE INDEX transfers_of_port ON transfers (port, id)",
    "INSERT INTO transfers VALUES (1, '/dev/ttyUSB0', 'plu', 'download', 'ALL',"
    " 1796600000000, 1796600020000, ' THE END ')",
    "INSERT INTO records VALUES (1, 1, 1, 7, 1796600010000)",
    "INSERT INTO records VALUES (2, 1, 2, 9, 1796600011000)",
    "INSERT INTO held VALUES ('/dev/ttyUSB0', 'plu', 7, x'41')",
    "INSERT INTO held VALUES ('/dev/ttyUSB0', 'plu', 9, x'42')",
    "PRAGMA user_version=1",
};

TEST(Migrations, aFirstStoreKeepsItsHistoryButVouchesForNoScale) {
    for (const bool empty : {true, false}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("scales.sqlite");
        onFile(path, empty ? QStringList{} : kVersion1);
        Store store(path);
        ASSERT_TRUE(store.isOpen()) << store.takeProblem().toStdString();
        if (empty) {
            EXPECT_TRUE(store.history().empty());
            continue;
        }
        const std::vector<TransferEntry> jobs = store.history();
        ASSERT_EQ(jobs.size(), 1u);
        EXPECT_EQ(jobs[0].name, "/dev/ttyUSB0");
        EXPECT_EQ(jobs[0].records, 2);
        EXPECT_EQ(jobs[0].howEnded, " THE END ");
        // No PC ran its jobs as far as that store knew: the scale is kept under no PC's name.
        const QString scale = QStringLiteral("/dev/ttyUSB0@");
        EXPECT_EQ(store.heldRecords(scale, TableKind::Plu).size(), 2u);
        const ScaleState state = store.state(scale, TableKind::Plu);
        EXPECT_TRUE(state.unconfirmed);
        EXPECT_EQ(state.why, "kept by an older Tarnlink");
        // And it is written as this Tarnlink writes.
        EXPECT_TRUE(store.transaction([&] { return store.markChecked(scale, TableKind::Plu, {}); },
                                      std::chrono::milliseconds(100)));
        EXPECT_FALSE(store.state(scale, TableKind::Plu).unconfirmed);
    }
}

// A store a newer Tarnlink brought to a layout that only adds is used by this one, so the PCs of
// a chain need not all be upgraded at once; one this Tarnlink cannot use is refused, naming
// the Tarnlink it needs, and left as it is.
TEST(Migrations, aNewerStoreIsUsedWhileItSaysSoAndRefusedWhenNot) {
    QTemporaryDir dir;
    const QString path = dir.filePath("scales.sqlite");
    ASSERT_TRUE(Store(path).isOpen());
    const int newer = StoreLayout::kVersion + 1;
    onFile(path, {QString("PRAGMA user_version=%1").arg(newer),
                  QString("UPDATE meta SET value = '%1' WHERE name = 'compatible'")
                      .arg(StoreLayout::kVersion),
                  "UPDATE meta SET value = '0.9.0+3.gabc1234' WHERE name = 'written by'"});
    EXPECT_TRUE(Store(path).isOpen());
    onFile(path, {QString("UPDATE meta SET value = '%1' WHERE name = 'compatible'").arg(newer)});
    Store store(path);
    EXPECT_FALSE(store.isOpen());
    EXPECT_TRUE(store.takeProblem().endsWith(
        QString("it was made by a newer Tarnlink 0.9.0 (store version %1; this one, %2, reads up "
                "to %3) - upgrade this PC: the store needs Tarnlink 0.9.0 or later")
            .arg(newer)
            .arg(programVersion())
            .arg(StoreLayout::kVersion)));
    onFile(path, {QString("PRAGMA user_version=%1").arg(newer)}); // still there, untouched
}

TEST(Problems, aBrokenStoreSaysToMoveItAsideAndIsTriedAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath("scales.sqlite");
    ASSERT_FALSE(writeBrokenStore(path).isEmpty());
    Store store(path);
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(store.takeProblem(),
              QString("ERROR! cannot keep what the scales hold in %1: file is not a database - "
                      "move it aside: rename %1 to %1.broken, and Tarnlink starts a new store")
                  .arg(path));
    EXPECT_FALSE(store.retry());
    EXPECT_FALSE(store.takeProblem().isEmpty()); // said again at the next try
    ASSERT_TRUE(QFile::rename(path, path + ".broken"));
    EXPECT_TRUE(store.retry());
}

TEST(Problems, aReadOnlyStoreAnswersButCannotBeWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath("scales.sqlite");
    {
        WriterJob job(path, "/dev/ttyS3", TableKind::Plu, TransferDirection::Download, "ALL");
        job.hold(1, 1, "a");
        ASSERT_TRUE(job.end(" THE END ").recorded);
    }
    Store store(path, Store::Access::ReadOnly);
    ASSERT_TRUE(store.isOpen()) << store.takeProblem().toStdString();
    EXPECT_EQ(store.history().size(), 1u);
    EXPECT_EQ(heldOn(store, "/dev/ttyS3", TableKind::Plu).size(), 1u);
    EXPECT_FALSE(store.transaction([&] { return store.markChecked("x", TableKind::Plu, {}); },
                                   std::chrono::milliseconds(100)));
    EXPECT_EQ(store.takeProblem(),
              QString("ERROR! cannot keep what the scales hold in %1: attempt to write a readonly "
                      "database - make it and its folder writable, or name another file in "
                      "TARNLINK_STORE")
                  .arg(path));
}

// The writer hands back each problem when the job ends: a full disk, another program's lock;
// a lock that lets go before the end leaves the job recorded whole.
TEST(Writer, aJobWhoseStoreCannotBeWrittenIsNotRecordedAndSaysWhy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("scales.sqlite");
    const auto job = [](StoreWriter& writer) {
        writer.begin({"/dev/ttyS3", "ttyS3", TableKind::Plu, TransferDirection::Download, "ALL",
                      QDateTime::currentDateTimeUtc()});
        for (int n = 1; n <= 200; ++n) {
            writer.forget({n});
            writer.hold(n, n, QByteArray(72, char(n)), QDateTime::currentDateTimeUtc());
        }
    };
    ASSERT_TRUE(Store(path).isOpen()); // made, then its disk fills
    {
        StoreWriter full(path);
        const FullDisk disk(QFileInfo(path).size() + 4096);
        job(full);
        const StoreWriter::Verdict v = full.finish({JobEnd::Ok, " THE END ", 200, {}, {}});
        EXPECT_FALSE(v.recorded);
        // The write the disk refused, as SQLite says it.
        EXPECT_TRUE(v.problem.endsWith(": disk I/O error - check its disk: full, or gone?"))
            << v.problem.toStdString();
    }

    // Another program's write lock, held until the second job.
    QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
    holder.setDatabaseName(path);
    ASSERT_TRUE(holder.open());
    QSqlQuery lock(holder);
    ASSERT_TRUE(lock.exec("BEGIN IMMEDIATE")) << lock.lastError().text().toStdString();
    StoreWriter writer(path);
    job(writer);
    StoreWriter::Verdict v = writer.finish({JobEnd::Ok, " THE END ", 200, {}, {}});
    EXPECT_FALSE(v.recorded);
    EXPECT_TRUE(v.problem.contains(": database is locked - another program is writing it"))
        << v.problem.toStdString();

    job(writer);
    EXPECT_TRUE(writer.read<bool>([](Store& m) { return m.history().empty(); }));
    ASSERT_TRUE(lock.exec("ROLLBACK"));
    v = writer.finish({JobEnd::Ok, " THE END ", 200, {}, {}});
    EXPECT_TRUE(v.recorded) << v.problem.toStdString();
    holder.close();
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase("holder");

    Store store(path);
    EXPECT_EQ(store.heldRecords("/dev/ttyS3", TableKind::Plu).size(), 200u);
    const std::vector<TransferEntry> jobs = store.history();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].id, v.job);
    EXPECT_EQ(jobs[0].outcome, "ok");
    EXPECT_EQ(jobs[0].records, 200);
}

} // namespace
