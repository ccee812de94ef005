// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreWriter.h"

#include "ScaleNotes.h"
#include "StoreProblems.h"

#include <QCoreApplication>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(StoreWriter)
};

std::atomic<bool> anyAbandoned{false};

} // namespace

// What the writer's thread shares with the writer, kept alive by both: a writer that does not
// wait for its thread to end leaves it this.
struct StoreWriter::State {
    struct Op {
        std::function<bool(Store&, qint64& job)> run;
        std::function<Setter(Store&)> read; // set for a read
        std::shared_ptr<bool> answered;     // ... and told here
    };

    QString path;
    std::mutex lock;
    std::condition_variable wake;     // the thread: something to do
    std::condition_variable answered; // a waiter: an answer, the job's verdict, the end
    std::deque<Op> queue;             // handed over, not yet taken by the thread
    bool ending = false;              // the writer is being destroyed
    bool exited = false;              // the thread has ended
    bool interrupted = false;         // the job's reads do not wait
    bool silent = false;              // the store did not answer in this job
    bool finishing = false;           // a job's finish() waits
    bool finished = false;            // ... and has its answer
    Verdict verdict;

    // The thread's own.
    std::vector<Op> group; // writes taken, not yet written
    qint64 job = 0;
    QString problem;

    // Writes the group waiting; true when it is written (or nothing waits).
    bool writeGroup(Store& store, std::chrono::milliseconds busy) {
        if (group.empty())
            return true;
        const qint64 before = job;
        const bool written = store.retry() && store.transaction(
                                                  [&] {
                                                      for (Op& op : group)
                                                          if (!op.run(store, job))
                                                              return false;
                                                      return true;
                                                  },
                                                  busy);
        if (written) {
            group.clear();
            return true;
        }
        // Nothing of the group was written: its job number too is to be given again.
        job = before;
        if (const QString why = store.takeProblem(); !why.isEmpty())
            problem = why;
        return false;
    }

    void loop() {
        Store store(path);
        if (const QString why = store.takeProblem(); !why.isEmpty())
            problem = why;
        std::unique_lock<std::mutex> hold(lock);
        for (;;) {
            // Writes wait for a try that failed to be tried again; a finish or the end does not.
            const auto ready = [this] { return !queue.empty() || ending || finishing; };
            if (!group.empty())
                wake.wait_for(hold, kRetryAfter, ready);
            else
                wake.wait(hold, ready);

            // Take what was handed over, up to the first read (which sees the writes before it).
            std::optional<Op> read;
            while (!queue.empty()) {
                Op op = std::move(queue.front());
                queue.pop_front();
                if (op.read) {
                    read = std::move(op);
                    break;
                }
                group.push_back(std::move(op));
            }
            const bool last = (finishing && queue.empty() && !read) || (ending && queue.empty());
            hold.unlock();
            bool written = writeGroup(store, last ? kLastBusy : kTryBusy);
            Setter answer;
            // The writes before a read that could not be made just now (another program holds
            // the lock) are not in the store when it answers.
            if (read)
                answer = read->read(store);
            hold.lock();
            if (read) {
                if (answer)
                    answer();
                *read->answered = true;
                answered.notify_all();
            }
            if (last) {
                Verdict v;
                v.recorded = written;
                v.job = written ? job : 0;
                if (!written)
                    v.problem = problem;
                group.clear();
                problem.clear();
                if (finishing) {
                    verdict = v;
                    finishing = false;
                    finished = true;
                    answered.notify_all();
                }
                if (ending && queue.empty()) {
                    exited = true;
                    answered.notify_all();
                    return;
                }
            }
        }
    }
};

StoreWriter::StoreWriter(const QString& path) : s_(std::make_shared<State>()) {
    s_->path = path.isEmpty() ? Store::defaultPath() : path;
    thread_ = std::thread([s = s_] { s->loop(); });
}

StoreWriter::~StoreWriter() {
    std::unique_lock<std::mutex> hold(s_->lock);
    s_->ending = true;
    s_->wake.notify_all();
    const bool exited = s_->answered.wait_for(hold, kEndWait, [this] { return s_->exited; });
    hold.unlock();
    if (exited) {
        thread_.join();
    } else {
        thread_.detach();
        anyAbandoned = true;
    }
}

bool StoreWriter::abandoned() {
    return anyAbandoned;
}

void StoreWriter::leftToEnd() {
    anyAbandoned = true;
}

int endProgram(int status) {
    if (!StoreWriter::abandoned())
        return status;
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

void StoreWriter::write(std::function<bool(Store&, qint64& job)> op) {
    {
        const std::lock_guard<std::mutex> guard(s_->lock);
        s_->queue.push_back({std::move(op), {}, {}});
    }
    s_->wake.notify_all();
}

bool StoreWriter::ask(std::function<Setter(Store&)> look) {
    auto came = std::make_shared<bool>(false);
    std::unique_lock<std::mutex> hold(s_->lock);
    s_->queue.push_back({{}, std::move(look), came});
    s_->wake.notify_all();
    if (s_->silent || s_->interrupted)
        return false;
    if (!s_->answered.wait_for(hold, kAnswerWait, [&] { return *came || s_->interrupted; }))
        s_->silent = true;
    return *came;
}

void StoreWriter::interrupt() {
    const std::lock_guard<std::mutex> guard(s_->lock);
    s_->interrupted = true;
    s_->answered.notify_all();
}

void StoreWriter::begin(const JobStart& start) {
    scale_ = start.scale;
    table_ = start.table;
    {
        const std::lock_guard<std::mutex> guard(s_->lock);
        s_->interrupted = false;
        s_->silent = false;
    }
    // In a transaction of its own, before the job's writes; not waited for.
    auto unused = std::make_shared<bool>(false);
    {
        const std::lock_guard<std::mutex> guard(s_->lock);
        s_->queue.push_back({{},
                             [](Store& m) -> Setter {
                                 if (m.retry()) {
                                     deliverUnrecorded(m);
                                     m.prune(QDateTime::currentDateTimeUtc());
                                 }
                                 return {};
                             },
                             unused});
    }
    write([start](Store& m, qint64& job) {
        // Anything of an earlier job that could not be written is gone by now.
        job = 0;
        return m.insertJob(start, &job);
    });
}

void StoreWriter::forget(const std::vector<int>& numbers) {
    write([s = scale_, t = table_, numbers](Store& m, qint64&) { return m.forget(s, t, numbers); });
}

void StoreWriter::hold(int slot, int number, const QByteArray& bytes, const QDateTime& at,
                       bool read) {
    write([s = scale_, t = table_, slot, number, bytes, at, read](Store& m, qint64& job) {
        return m.hold(s, t, job, slot, number, bytes, at, read);
    });
}

void StoreWriter::markUnconfirmed(const QString& why) {
    write(
        [s = scale_, t = table_, why](Store& m, qint64&) { return m.markUnconfirmed(s, t, why); });
}

void StoreWriter::markChecked(const QDateTime& at) {
    write([s = scale_, t = table_, at](Store& m, qint64&) { return m.markChecked(s, t, at); });
}

void StoreWriter::markRead(const QDateTime& at) {
    write([s = scale_, t = table_, at](Store& m, qint64&) { return m.markRead(s, t, at); });
}

void StoreWriter::markSeen(const QString& note) {
    write([s = scale_, t = table_, note](Store& m, qint64&) { return m.markSeen(s, t, note); });
}

void StoreWriter::setAnswers(ScaleAnswers answers) {
    write([s = scale_, t = table_, answers](Store& m, qint64&) {
        return m.setAnswers(s, t, answers);
    });
}

StoreWriter::Verdict StoreWriter::finish(const JobFinish& f) {
    std::unique_lock<std::mutex> hold(s_->lock);
    s_->queue.push_back({[f](Store& m, qint64& job) { return m.finishJob(job, f); }, {}, {}});
    s_->finishing = true;
    s_->finished = false;
    s_->wake.notify_all();
    // A store that has not answered in this job is not waited for again; a stopped job's store
    // is given a last short try.
    const auto wait = s_->silent ? kTryBusy : s_->interrupted ? kLastBusy : kAnswerWait;
    if (s_->answered.wait_for(hold, wait, [this] { return s_->finished; }))
        return s_->verdict;
    s_->silent = true;
    return {false, 0,
            storeProblemText(Store::displayNameOf(s_->path),
                             {Text::tr("it did not answer in time"), 0})};
}

} // namespace tarn
