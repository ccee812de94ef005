// SPDX-License-Identifier: GPL-3.0-or-later
// The store of what each scale holds: only what was acknowledged, kept through a kill, shared
// by writers at once; and the history of transfers with its filters.
#include "Backends.h"
#include "ChildWrites.h"
#include "ScaleNotes.h"
#include "Store.h"
#include "StoreJobs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarn;
using tarn::testing::heldOn;
using tarn::testing::WriterJob;

namespace {

QByteArray bytesOf(char c) {
    return QByteArray(kPluRecordBytes, c);
}

// The store's tests, each on a file and on a server's database.
class Stores : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (!site.skip.isEmpty())
            GTEST_SKIP() << site.skip.toStdString();
        ASSERT_TRUE(site.failure.isEmpty()) << site.failure.toStdString();
    }
    StoreSite site{GetParam()};
};
INSTANTIATE_TEST_SUITE_P(On, Stores, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& info) { return backendName(info.param); });

TEST_P(Stores, holdsOnlyWhatWasAcknowledgedUnderTheNormalisedPortName) {
    const QString path = site.path();
    {
        Store store(path);
        ASSERT_TRUE(store.isOpen()) << store.takeProblem().toStdString();
        WriterJob first(path, "Com1", TableKind::Plu, TransferDirection::Download, "ALL");
        for (int n = 1; n <= 3; ++n)
            first.hold(n, n, bytesOf('a'));
        EXPECT_TRUE(first.end(" THE END ").recorded);
        // Numbers 2 and 3 go out again; only 2 is acknowledged before the line fails.
        WriterJob second(path, "COM1", TableKind::Plu, TransferDirection::Download, "2-3");
        second.forget({2, 3});
        second.hold(2, 2, bytesOf('b'));
        EXPECT_TRUE(second.end("ERROR! port is not open", JobEnd::Failed).recorded);
        WriterJob other(path, "tcp:Shop-Scale:4001", TableKind::Plu, TransferDirection::Upload,
                        "ALL");
        other.hold(1, 1, bytesOf('t'));
        EXPECT_TRUE(other.end("PLU is not exist").recorded);
    }
    Store store(path); // a later run
    EXPECT_EQ(heldOn(store, "com1", TableKind::Plu),
              (std::map<int, QByteArray>{{1, bytesOf('a')}, {2, bytesOf('b')}}));
    EXPECT_TRUE(heldOn(store, "com1", TableKind::Ingred).empty());
    EXPECT_EQ(heldOn(store, "TCP:shop-scale:4001", TableKind::Plu),
              (std::map<int, QByteArray>{{1, bytesOf('t')}}));
}

TEST(StoreFile, thatCannotBeOpenedSaysSoOnceAndDoesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("scales.sqlite");
    const QByteArray junk = writeBrokenStore(path);
    ASSERT_FALSE(junk.isEmpty());

    Store store(path);
    EXPECT_FALSE(store.isOpen());
    const QString problem = store.takeProblem();
    EXPECT_TRUE(problem.startsWith("ERROR! ") && problem.contains(path)) << problem.toStdString();
    WriterJob job(path, "Com1", TableKind::Plu, TransferDirection::Download, "ALL");
    job.hold(1, 1, bytesOf('a'));
    EXPECT_FALSE(job.end(" THE END ").recorded);
    EXPECT_TRUE(heldOn(store, "Com1", TableKind::Plu).empty());
    EXPECT_TRUE(store.history().empty());
    EXPECT_TRUE(store.takeProblem().isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), junk);
}

std::vector<qint64> idsOf(const std::vector<TransferEntry>& list) {
    std::vector<qint64> out;
    for (const TransferEntry& e : list)
        out.push_back(e.id);
    return out;
}

// Every byte of a record and every character of a name come back as they went in: on a server
// the values are written into the statements by the driver's own quoting.
TEST_P(Stores, keepsEveryByteAndCharacterAsWritten) {
    Store store(site.path());
    ASSERT_TRUE(store.isOpen()) << store.takeProblem().toStdString();
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    const QString name = QStringLiteral("O'Brien's \\deli? ''; DROP TABLE held; --");
    const JobStart start{"/dev/ttyUSB7", name,
                         TableKind::Plu, TransferDirection::Download,
                         "One ?",        QDateTime::currentDateTimeUtc()};
    qint64 job = 0;
    ASSERT_TRUE(store.transaction(
        [&] {
            return store.insertJob(start, &job) &&
                   store.hold(start.scale, TableKind::Plu, job, 1, 7, bytes, start.started);
        },
        std::chrono::milliseconds(500)));
    EXPECT_EQ(store.heldRecords(start.scale, TableKind::Plu)[7].bytes, bytes);
    const std::vector<TransferEntry> history = store.history();
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].name, name);
    EXPECT_EQ(history[0].extent, "One ?");
}

TEST_P(Stores, historyListsNewestFirstByPortAndByNumber) {
    const QString path = site.path();
    Store store(path);
    WriterJob first(path, "/dev/ttyUSB0", TableKind::Plu, TransferDirection::Download, "ALL");
    first.hold(1, 11, bytesOf('a'));
    first.hold(2, 12, bytesOf('a'));
    const qint64 a = first.end(" THE END ").job;
    WriterJob second(path, "tcp:scale2:4001", TableKind::Plu, TransferDirection::Upload, "ALL");
    second.hold(12, 12, bytesOf('b'));
    const qint64 b = second.end("PLU is not exist").job;
    WriterJob killed(path, "/dev/ttyUSB0", TableKind::Ingred, TransferDirection::Download, "5");
    killed.hold(5, 12, QByteArray(kIngredRecordBytes, 'c'));
    killed.sync(); // it never ends
    const qint64 c = store.history().front().id;

    const std::vector<TransferEntry> all = store.history();
    ASSERT_EQ(idsOf(all), (std::vector<qint64>{c, b, a}));
    EXPECT_FALSE(all[0].ended.isValid());
    EXPECT_EQ(all[1].howEnded, "PLU is not exist");
    EXPECT_EQ(all[1].direction, TransferDirection::Upload);

    HistoryFilter byPort;
    byPort.port = "/dev/ttyUSB0";
    EXPECT_EQ(idsOf(store.history(byPort)), (std::vector<qint64>{c, a}));
    // PLU 12 went out in a and came back in b; message 12 is the other table's.
    HistoryFilter plu12;
    plu12.plu = 12;
    const std::vector<TransferEntry> found = store.history(plu12);
    ASSERT_EQ(idsOf(found), (std::vector<qint64>{b, a}));
    EXPECT_EQ(found[1].records, 2);
    ASSERT_EQ(found[1].acknowledged.size(), 1u);
    EXPECT_EQ(found[1].acknowledged[0].slot, 2);
    plu12.port = "tcp:scale2:4001";
    EXPECT_EQ(idsOf(store.history(plu12)), (std::vector<qint64>{b}));
}

// Every scale the store knows once, with the names it was used under and its last job.
TEST_P(Stores, listsEachKnownScaleWithItsLastJob) {
    const QString path = site.path();
    WriterJob a(path, "tcp:localhost:4001", TableKind::Plu, TransferDirection::Download, "ALL");
    ASSERT_TRUE(a.end(" THE END ").recorded);
    WriterJob b(path, "tcp:127.0.0.1:4001", TableKind::Ingred, TransferDirection::Upload, "ALL");
    ASSERT_TRUE(b.end("PLU is not exist").recorded);
    WriterJob c(path, "/dev/ttyS7", TableKind::Plu, TransferDirection::Compare, "Compare");
    c.sync();
    Store store(path);
    const std::vector<KnownScale> known = store.scales();
    ASSERT_EQ(known.size(), 2u);
    const auto [device, pc] = splitStoreKey(c.scale());
    const KnownScale& tcp = known[0].scale == device ? known[1] : known[0];
    // A device is its PC's, a network serial server its shop's (the PC's name unless set).
    EXPECT_EQ(tcp.scale + "@" + tcp.place, a.scale());
    EXPECT_EQ(tcp.place, pc);
    EXPECT_EQ(tcp.names, (QStringList{"tcp:127.0.0.1:4001", "tcp:localhost:4001"}));
    EXPECT_EQ(tcp.last.table, TableKind::Ingred);
    EXPECT_EQ(tcp.last.direction, TransferDirection::Upload);
    EXPECT_FALSE(tcp.pc.isEmpty());
}

// memory_tests --child, writing into the store at `path`; its stdout is *readEnd.
pid_t startChild(const QString& path, const char* port, const char* count, int* readEnd) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const QByteArray self = QFile::encodeName(QCoreApplication::applicationFilePath());
    const QByteArray file = QFile::encodeName(path);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(self.constData(), self.constData(), "--child", file.constData(), port, count,
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    *readEnd = fds[0];
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// What the store must say after the child's first `writes` writes.
std::map<int, QByteArray> heldAfter(long writes) {
    std::map<int, QByteArray> out;
    for (long w = 0; w < writes; ++w)
        out[recordNumber(w)] = recordBytes(w);
    return out;
}

TEST_P(Stores, aKilledTransferKeepsExactlyTheRecordsAcknowledged) {
    std::mt19937 random(20261207u);
    for (int round = 0; round < 20; ++round) {
        StoreSite own(GetParam());
        const QString path = own.path();
        int readEnd = -1;
        const pid_t pid = startChild(path, "Com2", "loop", &readEnd);
        // Wait for up to 260 acknowledged records (numbers written over past 200), then kill
        // somewhere among the next ones.
        const long seen = long(random() % 260);
        long got = 0;
        char byte;
        while (got < seen && read(readEnd, &byte, 1) == 1)
            ++got;
        usleep(useconds_t(random() % 3000));
        kill(pid, SIGKILL);
        ASSERT_TRUE(WIFSIGNALED(waitFor(pid)));
        close(readEnd);
        ASSERT_EQ(got, seen);

        // Every record reported is there, and what is there is one whole prefix of the
        // writes: no record half written, none without its history entry.
        Store store(path);
        const std::vector<TransferEntry> history = store.history();
        ASSERT_EQ(history.size(), 1u) << store.takeProblem().toStdString();
        EXPECT_GE(history[0].records, seen);
        EXPECT_EQ(heldOn(store, "Com2", TableKind::Plu), heldAfter(history[0].records));
    }
}

// Two PCs on two scales, and two racing on one: every record whole, the later one kept.
TEST_P(Stores, twoWritersAtOnceBothKeepEveryRecord) {
    const QString path = site.path();
    int readA = -1;
    int readB = -1;
    int readC = -1;
    const pid_t a = startChild(path, "/dev/ttyUSB0", "400", &readA);
    const pid_t b = startChild(path, "/dev/ttyUSB1", "400", &readB);
    const pid_t c = startChild(path, "/dev/ttyUSB1", "300", &readC);
    EXPECT_EQ(waitFor(c), 0);
    close(readC);
    EXPECT_EQ(waitFor(a), 0); // exited 0: no problem reported
    EXPECT_EQ(waitFor(b), 0);
    close(readA);
    close(readB);

    Store store(path);
    EXPECT_EQ(heldOn(store, "/dev/ttyUSB0", TableKind::Plu), heldAfter(400));
    // On the scale both sent to, each number holds one of the two programs' last writes of it
    // whole: the racer's last ones were writes 0-299, the other's 0-399.
    const std::map<int, QByteArray> raced = heldOn(store, "/dev/ttyUSB1", TableKind::Plu);
    ASSERT_EQ(raced.size(), 200u);
    for (const auto& [number, bytes] : raced)
        EXPECT_TRUE(bytes == recordBytes(number + 199) ||
                    (number > 100 && bytes == recordBytes(number - 1)))
            << number;
    std::multiset<int> counts;
    for (const TransferEntry& e : store.history())
        counts.insert(e.records);
    EXPECT_EQ(counts, (std::multiset<int>{300, 400, 400}));
}

} // namespace

namespace {

JobStart jobAt(const QDateTime& started) {
    return {"/dev/ttyS4", "ttyS4", TableKind::Plu, TransferDirection::Download, "ALL", started};
}

// Jobs more than 400 days old go once a day, their records with them; the list shows the
// newest first, from a moment on, as many as asked.
TEST_P(Stores, keepsFourHundredDaysOfHistoryNewestFirst) {
    Store store(site.path());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    std::vector<qint64> ids;
    for (int daysAgo : {402, 399, 3, 2, 1}) {
        qint64 id = 0;
        ASSERT_TRUE(store.transaction(
            [&] {
                return store.insertJob(jobAt(now.addDays(-daysAgo)), &id) &&
                       store.hold("/dev/ttyS4", TableKind::Plu, id, 1, 500, "x",
                                  now.addDays(-daysAgo)) &&
                       store.finishJob(id, {JobEnd::Ok, " THE END ", 1, {}, {}});
            },
            std::chrono::milliseconds(100)));
        ids.push_back(id);
    }
    // Dropped once a day, off any job's writes; the next program that day drops nothing.
    EXPECT_EQ(store.prune(now), 1);
    ids.push_back(0);
    ASSERT_TRUE(
        store.transaction([&] { return store.insertJob(jobAt(now.addDays(-500)), &ids[5]); },
                          std::chrono::milliseconds(100)));
    EXPECT_EQ(Store(site.path()).prune(now.addSecs(3600)), 0);
    EXPECT_EQ(store.history().size(), 5u);
    EXPECT_EQ(store.prune(now.addDays(1)), 1);
    EXPECT_EQ(idsOf(store.history()), (std::vector<qint64>{ids[4], ids[3], ids[2], ids[1]}));
    HistoryFilter recent;
    recent.since = now.addDays(-2).addSecs(-60);
    recent.limit = 1;
    EXPECT_EQ(idsOf(store.history(recent)), (std::vector<qint64>{ids[4]}));
    HistoryFilter plu500;
    plu500.plu = 500;
    EXPECT_EQ(store.history(plu500).size(), 4u);
    EXPECT_EQ(store.history(plu500).back().acknowledged.size(), 1u);
}

// A record keeps the scale's slot it was read from while downloads replace it; once forgotten,
// its slot is not known until it is read again.
TEST_P(Stores, aRecordKeepsTheSlotItWasReadFrom) {
    Store store(site.path());
    const auto slotOf500 = [&] {
        return store.heldRecords("/dev/ttyS6", TableKind::Plu)[500].slot;
    };
    const auto write = [&](const std::function<bool()>& steps) {
        ASSERT_TRUE(store.transaction(steps, std::chrono::milliseconds(100)));
    };
    const QDateTime at = QDateTime::currentDateTimeUtc();
    write([&] { return store.hold("/dev/ttyS6", TableKind::Plu, 0, 7, 500, "r", at, true); });
    write([&] { return store.hold("/dev/ttyS6", TableKind::Plu, 0, 1, 500, "d", at); });
    EXPECT_EQ(slotOf500(), 7);
    write([&] { return store.forget("/dev/ttyS6", TableKind::Plu, {500}); });
    write([&] { return store.hold("/dev/ttyS6", TableKind::Plu, 0, 1, 500, "d", at); });
    EXPECT_EQ(slotOf500(), 0);
}

// A copy made while a program has the store open holds every record committed, those still
// in the write-ahead log too; a file there already is not written over.
TEST(Backup, aCopyHoldsEveryRecordTheStoreHolds) {
    QTemporaryDir dir;
    Store store(dir.filePath("scales.sqlite"));
    WriterJob job(dir.filePath("scales.sqlite"), "/dev/ttyS5", TableKind::Plu,
                  TransferDirection::Download, "ALL");
    for (int n = 1; n <= 200; ++n)
        job.hold(n, n, bytesOf(char('A' + n % 26)));
    job.sync(); // as a job still running
    const QString copy = dir.filePath("copy.sqlite");
    EXPECT_EQ(store.backup(copy), std::nullopt);
    EXPECT_EQ(heldOn(Store(copy), "/dev/ttyS5", TableKind::Plu).size(), 200u);
    EXPECT_EQ(heldOn(Store(copy), "/dev/ttyS5", TableKind::Plu),
              heldOn(store, "/dev/ttyS5", TableKind::Plu));
    EXPECT_EQ(store.backup(copy).value_or(QString()), copy + " exists; name a new file");
}

// TARNLINK_STORE first, then the "store" line of the settings file the window and tarnlink-cli
// share (~/.config/Tarnlink/tarnlink.conf), then the data folder.
TEST(StoreFile, isChosenByTheEnvironmentThenTheSettingsFile) {
    QTemporaryDir dir;
    const QByteArray env = qgetenv("TARNLINK_STORE");
    const QByteArray settings = qgetenv("TARNLINK_SETTINGS");
    qunsetenv("TARNLINK_STORE");
    qunsetenv("TARNLINK_SETTINGS");
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
    EXPECT_EQ(Store::defaultPath(), dir.filePath("data/tarnlink/scales.sqlite"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("config/Tarnlink")));
    QFile conf(dir.filePath("config/Tarnlink/tarnlink.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("# the shop's store\nport = deli\nstore = " + dir.filePath("shop.sqlite").toUtf8() +
               "  # beside the tills\n");
    conf.close();
    EXPECT_EQ(Store().path(), dir.filePath("shop.sqlite"));
    EXPECT_TRUE(QFile::exists(dir.filePath("shop.sqlite")));
    qputenv("TARNLINK_STORE", "/elsewhere.sqlite");
    EXPECT_EQ(Store::defaultPath(), "/elsewhere.sqlite");
    qputenv("TARNLINK_STORE", env);
    if (!settings.isEmpty())
        qputenv("TARNLINK_SETTINGS", settings);
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
}

// Whose word the store's is: its own marks, and the note on the PC that counts the jobs that
// sent to the scale, says which store sent the last and whether it is still under way.
TEST(Notes, theStoreIsDoubtedWhenAnythingButItsOwnRecordedJobCameBetween) {
    QTemporaryDir dir;
    qputenv("TARNLINK_NOTES_DIR", dir.path().toLocal8Bit());
    const QString scale = QStringLiteral("/dev/serial/by-id/usb-scale");
    EXPECT_EQ(readNote(scale, TableKind::Plu), std::nullopt);
    const ScaleNote written{"n1", 4, "mine", "/shop/store.sqlite", false, true, false};
    ASSERT_TRUE(writeNote(scale, TableKind::Plu, written));
    const std::optional<ScaleNote> note = readNote(scale, TableKind::Plu);
    ASSERT_TRUE(note);
    EXPECT_EQ(note->mark(), "n1:4");
    EXPECT_EQ(note->storePath, "/shop/store.sqlite");
    EXPECT_TRUE(note->recorded && !note->underway && !note->unreadable);
    // Nobody but the serial ports' users may write it.
    EXPECT_FALSE(QFileInfo(dir.filePath("note.serial_by-id_usb-scale.plu")).permissions() &
                 QFile::WriteOther);
    EXPECT_EQ(readNote(scale, TableKind::Ingred), std::nullopt);
    qunsetenv("TARNLINK_NOTES_DIR");

    const ScaleState trusted;
    const auto doubt = [&](ScaleNote n, const QString& seen) {
        return doubtOf(trusted, n, seen, "mine", "/shop/store.sqlite");
    };
    EXPECT_EQ(doubt(*note, "n1:4"), std::nullopt);
    EXPECT_EQ(doubtOf(trusted, std::nullopt, QString(), "mine", "x"), std::nullopt);
    EXPECT_EQ(doubtOf(trusted, std::nullopt, "n1:4", "mine", "x"),
              "its note of Tarnlink's jobs on this PC is missing");
    EXPECT_EQ(doubt({"n1", 5, "other", "/elsewhere", false, true, false}, "n1:4"),
              "another store sent it records since");
    // Its own job, whose store could not be opened, is not another store's.
    EXPECT_EQ(doubt({"n1", 5, "path:/shop/store.sqlite", "/shop/store.sqlite", false, false, false},
                    "n1:4"),
              "the store could not keep its last job");
    EXPECT_EQ(doubt({"n1", 5, "mine", "/shop/store.sqlite", true, false, false}, "n1:4"),
              "a job on it was cut off (Tarnlink was killed or the PC lost power)");
    EXPECT_EQ(doubt({"n1", 5, "mine", "/shop/store.sqlite", false, true, false}, "n1:4"),
              "the store does not hold its last job (put back from a copy?)");
    EXPECT_EQ(doubtOf({true, "the port was lost", {}, {}, ScaleAnswers::Unknown}, note, "n1:4",
                      "mine", "x"),
              "the port was lost");
}

} // namespace
