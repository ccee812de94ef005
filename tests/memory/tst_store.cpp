// The store of what each scale holds: only what was acknowledged, kept through a kill, shared
// by writers at once; and the history of transfers with its filters.
#include "MemoryChild.h"
#include "ScaleMemory.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarn;

namespace {

QByteArray bytesOf(char c) {
    return QByteArray(kPluRecordBytes, c);
}

TEST(Store, holdsOnlyWhatWasAcknowledgedUnderTheNormalisedPortName) {
    QTemporaryDir dir;
    const QString path = dir.filePath("scales.sqlite");
    {
        ScaleMemory store(path);
        ASSERT_TRUE(store.isOpen()) << store.takeProblem().toStdString();
        const TransferKey first = store.beginTransfer(QStringLiteral("Com1"), TableKind::Plu,
                                                      TransferDirection::Download, "ALL");
        for (int n = 1; n <= 3; ++n)
            store.recordHeld(first, n, n, bytesOf('a'));
        store.endTransfer(first, " THE END ");

        // Numbers 2 and 3 go out again; only 2 is acknowledged before the line fails.
        const TransferKey second = store.beginTransfer(QStringLiteral("COM1"), TableKind::Plu,
                                                       TransferDirection::Download, "2-3");
        store.forgetHeld(second, {2, 3});
        store.recordHeld(second, 2, 2, bytesOf('b'));
        store.endTransfer(second, "Retry #5");

        const TransferKey other =
            store.beginTransfer(QStringLiteral("tcp:Shop-Scale:4001"), TableKind::Plu,
                                TransferDirection::Upload, "ALL");
        store.recordHeld(other, 1, 1, bytesOf('t'));
        EXPECT_TRUE(store.takeProblem().isEmpty());
    }
    // A later run, as another program would open it.
    ScaleMemory store(path);
    const std::map<int, QByteArray> expected{{1, bytesOf('a')}, {2, bytesOf('b')}};
    EXPECT_EQ(store.held(QStringLiteral("com1"), TableKind::Plu), expected);
    EXPECT_TRUE(store.held(QStringLiteral("com1"), TableKind::Ingred).empty());
    EXPECT_EQ(store.held(QStringLiteral("TCP:shop-scale:4001"), TableKind::Plu),
              (std::map<int, QByteArray>{{1, bytesOf('t')}}));
}

TEST(Store, thatCannotBeOpenedSaysSoOnceAndDoesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("scales.sqlite");
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();

    ScaleMemory store(path);
    EXPECT_FALSE(store.isOpen());
    const QString problem = store.takeProblem();
    EXPECT_TRUE(problem.startsWith("ERROR! ")) << problem.toStdString();
    EXPECT_TRUE(problem.contains("scales.sqlite")) << problem.toStdString();
    const TransferKey key =
        store.beginTransfer("Com1", TableKind::Plu, TransferDirection::Download, "ALL");
    store.forgetHeld(key, {1});
    store.recordHeld(key, 1, 1, bytesOf('a'));
    store.endTransfer(key, " THE END ");
    EXPECT_TRUE(store.held("Com1", TableKind::Plu).empty());
    EXPECT_TRUE(store.history().empty());
    EXPECT_TRUE(store.takeProblem().isEmpty());
    // The file is left as it was.
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), QByteArray(4096, 'x'));
}

TEST(Store, historyListsNewestFirstByPortAndByNumber) {
    QTemporaryDir dir;
    ScaleMemory store(dir.filePath("scales.sqlite"));
    const TransferKey a =
        store.beginTransfer("/dev/ttyUSB0", TableKind::Plu, TransferDirection::Download, "ALL");
    store.recordHeld(a, 1, 11, bytesOf('a'));
    store.recordHeld(a, 2, 12, bytesOf('a'));
    store.endTransfer(a, " THE END ");
    const TransferKey b =
        store.beginTransfer("tcp:scale2:4001", TableKind::Plu, TransferDirection::Upload, "ALL");
    store.recordHeld(b, 1, 12, bytesOf('b'));
    store.recordHeld(b, 2, 13, bytesOf('b'));
    store.endTransfer(b, "PLU is not exist");
    const TransferKey c =
        store.beginTransfer("/dev/ttyUSB0", TableKind::Ingred, TransferDirection::Download, "One");
    store.recordHeld(c, 5, 12, QByteArray(kIngredRecordBytes, 'c'));
    // c never ends: the program was killed.

    const auto ids = [](const std::vector<TransferEntry>& list) {
        std::vector<qint64> out;
        for (const TransferEntry& e : list)
            out.push_back(e.id);
        return out;
    };
    const auto filter = [](QString port, std::optional<int> plu, std::optional<int> ingred,
                           int limit) {
        HistoryFilter f;
        f.port = port;
        f.plu = plu;
        f.ingred = ingred;
        f.limit = limit;
        return f;
    };
    const std::vector<TransferEntry> all = store.history();
    EXPECT_EQ(ids(all), (std::vector<qint64>{c.id, b.id, a.id}));
    ASSERT_EQ(all.size(), 3u);
    EXPECT_FALSE(all[0].ended.isValid());
    EXPECT_TRUE(all[0].howEnded.isEmpty());
    EXPECT_EQ(all[1].howEnded, "PLU is not exist");
    EXPECT_EQ(all[1].direction, TransferDirection::Upload);
    EXPECT_EQ(all[1].port, "tcp:scale2:4001");
    EXPECT_EQ(all[2].extent, "ALL");
    EXPECT_EQ(all[2].records, 2);

    EXPECT_EQ(ids(store.history(filter("/dev/ttyUSB0", {}, {}, 0))),
              (std::vector<qint64>{c.id, a.id}));
    EXPECT_EQ(ids(store.history(filter({}, {}, {}, 1))), (std::vector<qint64>{c.id}));

    // PLU 12 went out in a and came back in b; message 12 is another table's record.
    const std::vector<TransferEntry> plu12 = store.history(filter({}, 12, {}, 0));
    EXPECT_EQ(ids(plu12), (std::vector<qint64>{b.id, a.id}));
    ASSERT_EQ(plu12.size(), 2u);
    ASSERT_EQ(plu12[1].acknowledged.size(), 1u);
    EXPECT_EQ(plu12[1].acknowledged[0].slot, 2);
    EXPECT_EQ(plu12[1].acknowledged[0].number, 12);
    EXPECT_EQ(plu12[1].records, 2);
    EXPECT_EQ(ids(store.history(filter({}, {}, 12, 0))), (std::vector<qint64>{c.id}));
    EXPECT_TRUE(store.history(filter("tcp:scale2:4001", 11, {}, 0)).empty());
}

// Children that write records through the store.
pid_t startChild(const QString& path, const QString& port, const char* count, int* readEnd) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const QByteArray p = QFile::encodeName(path);
    const QByteArray n = port.toLocal8Bit();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(MEMORY_CHILD, MEMORY_CHILD, p.constData(), n.constData(), count,
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

// What the store must say after the first `writes` writes of memory_child.
std::map<int, QByteArray> heldAfter(long writes) {
    std::map<int, QByteArray> out;
    for (long w = 0; w < writes; ++w)
        out[recordNumber(w)] = recordBytes(w);
    return out;
}

TEST(Store, aKilledTransferKeepsExactlyTheRecordsAcknowledged) {
    std::mt19937 random(20261207u);
    int killedWithRecords = 0;
    for (int kill_ = 0; kill_ < 20; ++kill_) {
        QTemporaryDir dir;
        const QString path = dir.filePath("scales.sqlite");
        int readEnd = -1;
        const pid_t pid = startChild(path, "Com2", "loop", &readEnd);
        ASSERT_GT(pid, 0);
        // Let some records be acknowledged (more than 200 now and then, so that numbers are
        // written over), then kill somewhere in the middle of the next ones.
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

        ScaleMemory store(path);
        ASSERT_TRUE(store.isOpen()) << store.takeProblem().toStdString();
        const std::vector<TransferEntry> history = store.history();
        ASSERT_EQ(history.size(), 1u);
        const long stored = history[0].records;
        // Every record reported acknowledged is there, and what is there is one whole prefix
        // of the writes: no record half written, none without its history entry.
        EXPECT_GE(stored, seen);
        EXPECT_EQ(store.held("Com2", TableKind::Plu), heldAfter(stored)) << "kill " << kill_;
        EXPECT_FALSE(history[0].ended.isValid());
        killedWithRecords += stored > 0;
    }
    EXPECT_GT(killedWithRecords, 0);
}

TEST(Store, twoWritersAtOnceBothKeepEveryRecord) {
    QTemporaryDir dir;
    const QString path = dir.filePath("scales.sqlite");
    int readA = -1;
    int readB = -1;
    const pid_t a = startChild(path, "/dev/ttyUSB0", "400", &readA);
    const pid_t b = startChild(path, "/dev/ttyUSB1", "400", &readB);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    const int statusA = waitFor(a);
    const int statusB = waitFor(b);
    close(readA);
    close(readB);
    ASSERT_TRUE(WIFEXITED(statusA) && WEXITSTATUS(statusA) == 0);
    ASSERT_TRUE(WIFEXITED(statusB) && WEXITSTATUS(statusB) == 0);

    ScaleMemory store(path);
    EXPECT_EQ(store.held("/dev/ttyUSB0", TableKind::Plu), heldAfter(400));
    EXPECT_EQ(store.held("/dev/ttyUSB1", TableKind::Plu), heldAfter(400));
    const std::vector<TransferEntry> history = store.history();
    ASSERT_EQ(history.size(), 2u);
    for (const TransferEntry& e : history) {
        EXPECT_EQ(e.records, 400);
        EXPECT_EQ(e.howEnded, " THE END ");
    }
}

} // namespace
