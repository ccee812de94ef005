// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace tarn {

// Writes the store on a thread of its own, so that a store slow to lock never holds the line:
// a job hands each write over and goes on at once; the writes are made in the order given,
// as many together as are waiting, each group in one transaction (the store always holds what
// the job did up to some moment, never half of a record). A group that cannot be written
// (another program holds the store's lock, the disk is full) is kept and tried again with
// the next, with a short busy time-out each time, and once more when the job ends.
//
// One job at a time: begin(), the writes, finish(). The writer's store is opened again at each
// begin() when it failed before.
class StoreWriter {
public:
    // The store at `path` (Store::defaultPath() when empty), opened on the writer's
    // thread when first needed.
    explicit StoreWriter(const QString& path = QString());
    ~StoreWriter(); // the writes still waiting are tried once more

    // How long each try waits for another program's lock, during the job and at its end.
    static constexpr std::chrono::milliseconds kTryBusy{100};
    static constexpr std::chrono::milliseconds kLastBusy{500};
    // A group that failed is tried again this long after, or with the next write.
    static constexpr std::chrono::milliseconds kRetryAfter{250};

    // Runs `look` on the writer's thread with its store and returns its answer, after the
    // writes handed over before it (waits).
    template <class T> T read(std::function<T(Store&)> look) {
        auto answer = std::make_shared<std::promise<T>>();
        std::future<T> future = answer->get_future();
        post(Op{[look = std::move(look), answer](Store& m, qint64&) {
                    answer->set_value(look(m));
                    return true;
                },
                true});
        return future.get();
    }

    // A job starts: its row in the history, after the jobs this PC ran while the store could
    // not be written (deliverUnrecorded()) and, once a day, the jobs too old to keep
    // (Store::prune()), each in transactions of their own. Opens the store again if it is not
    // open.
    void begin(const JobStart& start);
    // The job's writes, on the scale and table of begin(); Store's of the same names.
    void forget(const std::vector<int>& numbers);
    void hold(int slot, int number, const QByteArray& bytes, const QDateTime& at,
              bool read = false);
    void markUnconfirmed(const QString& why);
    void markChecked(const QDateTime& at);
    void markRead(const QDateTime& at);
    void markSeen(const QString& note);
    void setAnswers(ScaleAnswers answers);

    // How the job's writes went.
    struct Verdict {
        bool recorded = true; // every write of the job is in the store
        qint64 job = 0;       // the job's number in the store; 0 when not recorded
        QString problem;      // why not: the store's "ERROR! ..." with what to do
    };
    // The job ends: its row finished; waits until every write of the job is in the store, or
    // the last try failed (then the writes not made are dropped).
    Verdict finish(const JobFinish& finish);

private:
    struct Op {
        std::function<bool(Store&, qint64& job)> run;
        bool read = false;
    };
    void post(Op op);
    void loop();
    // Writes the group waiting; true when it is written (or nothing waits).
    bool writeGroup(Store& store, std::chrono::milliseconds busy);

    QString path_;
    QString scale_;
    TableKind table_ = TableKind::Plu;

    std::mutex lock_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<Op> queue_;   // handed over, not yet taken by the thread
    bool ending_ = false;    // the writer is being destroyed
    bool finishing_ = false; // a job's finish() waits
    bool finished_ = false;  // ... and has its answer
    Verdict verdict_;        // the answer

    // The thread's own.
    std::vector<Op> group_; // writes taken, not yet written
    qint64 job_ = 0;
    QString problem_;
    std::thread thread_;
};

} // namespace tarn
