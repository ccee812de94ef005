// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace tarn {

// Writes the store on a thread of its own, so that a store slow to lock never holds the line:
// a job hands each write over and goes on at once; the writes are made in the order given,
// as many together as are waiting, each group in one transaction (the store always holds what
// the job did up to some moment, never half of a record). A group that cannot be written
// (another program holds the store's lock, the disk is full) is kept and tried again with
// the next, with a short busy time-out each time, and once more when the job ends.
//
// Nothing waits on the store without end: a read and a job's end wait at most kAnswerWait (a
// server that does not answer is a store that could not be written: its job is not recorded,
// and a Changed download reads the scale instead of taking the store's word), interrupt()
// (Stop) ends a read's wait at once, and once the store has not answered in a job its other
// reads in that job do not wait for it again.
//
// One job at a time: begin(), the writes, finish(). The writer's store is opened again at each
// begin() when it failed before.
class StoreWriter {
public:
    // The store at `path` (Store::defaultPath() when empty), opened on the writer's
    // thread when first needed.
    explicit StoreWriter(const QString& path = QString());
    // The writes still waiting are tried once more, for at most kEndWait; a writer whose store
    // does not answer by then is left to end on its own (see abandoned()).
    ~StoreWriter();
    StoreWriter(const StoreWriter&) = delete;
    StoreWriter& operator=(const StoreWriter&) = delete;

    // How long each try waits for another program's lock, during the job and at its end.
    static constexpr std::chrono::milliseconds kTryBusy{100};
    static constexpr std::chrono::milliseconds kLastBusy{300};
    // A group that failed is tried again this long after, or with the next write.
    static constexpr std::chrono::milliseconds kRetryAfter{250};
    // How long a read or a job's end waits for the store's answer.
    static constexpr std::chrono::milliseconds kAnswerWait{800};
    // How long the writer's end waits for its thread.
    static constexpr std::chrono::milliseconds kEndWait{250};

    // Runs `look` on the writer's thread with its store and returns its answer, after the
    // writes handed over before it; `otherwise` when the store did not answer in time or the
    // wait was interrupted.
    template <class T> T read(std::function<T(Store&)> look, T otherwise = T()) {
        auto answer = std::make_shared<std::optional<T>>();
        const bool came = ask([look = std::move(look), answer](Store& m) -> Setter {
            auto value = std::make_shared<T>(look(m));
            return [answer, value] { *answer = std::move(*value); };
        });
        return came && *answer ? std::move(**answer) : std::move(otherwise);
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
    // The job ends: its row finished; waits until every write of the job is in the store, the
    // last try failed (then the writes not made are dropped), or the store did not answer in
    // time.
    Verdict finish(const JobFinish& finish);

    // Ends the read that waits now, and those of the rest of the job, at once (from any
    // thread): a stopped job does not wait for its store.
    void interrupt();

    // Whether a writer (or another thread on a store) of this program was left to end on its
    // own, its store not answering: the program then ends without waiting for it (its jobs were
    // kept on the PC).
    static bool abandoned();
    static void leftToEnd();

private:
    struct State;
    using Setter = std::function<void()>;
    // Runs `look` on the writer's thread after the writes before it, and the setter it returns
    // under the writer's lock; false when that did not happen in time or was interrupted.
    bool ask(std::function<Setter(Store&)> look);
    void write(std::function<bool(Store&, qint64& job)> op);

    std::shared_ptr<State> s_;
    QString scale_;
    TableKind table_ = TableKind::Plu;
    std::thread thread_;
};

// The program's end with `status`: when a thread was left to end on its own, the program ends
// here at once (its output flushed), without the destructors of what that thread still uses.
int endProgram(int status);

} // namespace tarn
