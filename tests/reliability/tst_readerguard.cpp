// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook is read in the program's own process, by a reader that checks every length
// before it uses it. Here an exported table is damaged in many ways (cut short, bytes changed)
// and imported: each import ends, either whole or at an error with the table as it was, and
// no import starts a child process.
#include "SheetExchange.h"
#include "Workspace.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <atomic>
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

// Watches for any child process of thread `tid` while it lives.
class ChildWatcher {
public:
    explicit ChildWatcher(pid_t tid)
        : path_("/proc/self/task/" + std::to_string(tid) + "/children"),
          thread_([this] { run(); }) {}
    ~ChildWatcher() {
        done_ = true;
        thread_.join();
    }
    bool sawOne() const { return seen_; }

private:
    void run() {
        while (!done_ && !seen_) {
            std::ifstream in(path_);
            pid_t child = 0;
            if (in >> child)
                seen_ = true;
            std::this_thread::yield();
        }
    }
    std::string path_;
    std::atomic<bool> done_{false};
    std::atomic<bool> seen_{false};
    std::thread thread_;
};

TEST(WorkbookReaderGuard, damagedWorkbooksAreRefusedInProcessAndChangeNothing) {
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
    QFile f(book);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    f.close();

    const QString damaged = dir.filePath("damaged.xls");
    QRandomGenerator random(7);
    const pid_t self = pid_t(syscall(SYS_gettid));
    int refused = 0;
    int imported = 0;
    for (int round = 0; round < 120; ++round) {
        // Cut short, or up to eight bytes changed.
        QByteArray bytes = whole;
        if (round % 3 == 0)
            bytes.truncate(random.bounded(int(whole.size())));
        else
            for (int k = 1 + int(random.bounded(8)); k > 0; --k)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        QFile out(damaged);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();

        Workspace ws;
        ws.startUp();
        ws.plu.grid.setText(1, 1, "7");
        ws.plu.grid.setText(1, 2, "KEPT");
        const QStringList before = textsOf(ws.plu.grid);
        Report import;
        {
            ChildWatcher watcher(self);
            import = importWorkbook(ws, TableKind::Plu, damaged);
            EXPECT_FALSE(watcher.sawOne()) << "an import started a child process";
        }
        if (import.ok()) { // the damage missed the cells
            ++imported;
            continue;
        }
        ++refused;
        EXPECT_TRUE(import.last().startsWith(QString("ERROR! damaged.xls: ")) ||
                    import.last().startsWith(QString("ERROR! sheet row ")))
            << import.last().toStdString();
        EXPECT_EQ(textsOf(ws.plu.grid), before);
        EXPECT_EQ(ws.plu.count, 0);
        EXPECT_EQ(ws.filePath(), QString("?"));
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(imported, 0);
}

} // namespace
