// The workbook's cells are read in a child process so that a crash of the cell reader on a
// damaged file cannot take the program down. Here the child is made to crash (a SIGSEGV sent
// to it while it reads) and the import must end at an error with the table as it was.
#include "SheetExchange.h"
#include "Workspace.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>
#include <fstream>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

using namespace tarn;

namespace {

QStringList textsOf(const TextGrid& grid) {
    QStringList texts;
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            texts.append(grid.text(r, c));
    return texts;
}

// Sends SIGSEGV to the first child process of thread `tid` as soon as one shows up.
class ChildCrasher {
public:
    explicit ChildCrasher(pid_t tid)
        : path_("/proc/self/task/" + std::to_string(tid) + "/children"),
          thread_([this] { run(); }) {}
    ~ChildCrasher() {
        done_ = true;
        thread_.join();
    }
    bool crashedOne() const { return crashed_; }

private:
    pid_t firstChild() const {
        std::ifstream in(path_);
        pid_t child = 0;
        return in >> child ? child : 0;
    }
    void run() {
        while (!done_) {
            const pid_t child = firstChild();
            if (child <= 0)
                continue;
            // The signal goes through a handle on that very process, taken while it is still
            // listed as our child: never to a stranger that got its number after it ended.
            const int handle = int(syscall(SYS_pidfd_open, child, 0));
            if (handle < 0)
                continue;
            if (firstChild() == child &&
                syscall(SYS_pidfd_send_signal, handle, SIGSEGV, nullptr, 0) == 0)
                crashed_ = true;
            close(handle);
            if (crashed_)
                return;
        }
    }
    std::string path_;
    std::atomic<bool> done_{false};
    std::atomic<bool> crashed_{false};
    std::thread thread_;
};

TEST(WorkbookReaderGuard, aCrashWhileReadingCellsIsAnErrorAndChangesNothing) {
    QTemporaryDir dir;
    const QString book = dir.filePath("big.xls");
    {
        Workspace source;
        source.startUp();
        for (int r = 1; r <= 200; ++r) {
            source.plu.grid.setText(r, 1, QString::number(r));
            source.plu.grid.setText(r, 2, QStringLiteral("ITEM %1").arg(r));
        }
        ASSERT_TRUE(exportWorkbook(source, TableKind::Plu, book, QDate(2026, 12, 7)));
    }
    const pid_t self = pid_t(syscall(SYS_gettid));
    int crashes = 0;
    for (int attempt = 0; attempt < 40 && crashes < 3; ++attempt) {
        Workspace ws;
        ws.startUp();
        ws.plu.grid.setText(1, 1, "7");
        ws.plu.grid.setText(1, 2, "KEPT");
        const QStringList before = textsOf(ws.plu.grid);
        bool imported = false;
        bool crashed = false;
        {
            ChildCrasher crasher(self);
            imported = importWorkbook(ws, TableKind::Plu, book);
            crashed = crasher.crashedOne();
        }
        if (imported) { // the child was done before the signal could hurt it
            EXPECT_EQ(ws.plu.count, 200);
            continue;
        }
        ++crashes;
        EXPECT_TRUE(crashed) << "an import failed untouched: " << ws.lastStatus().toStdString();
        EXPECT_EQ(ws.lastStatus(), QString("ERROR! big.xls: not a workbook it can read"));
        EXPECT_EQ(textsOf(ws.plu.grid), before);
        EXPECT_EQ(ws.plu.count, 0);
        EXPECT_EQ(ws.filePath(), QString("?"));
    }
    EXPECT_GT(crashes, 0) << "no reading child was ever caught";
}

} // namespace
