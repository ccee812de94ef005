// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreWriter.h"

#include "ScaleNotes.h"

namespace tarn {

StoreWriter::StoreWriter(const QString& path)
    : path_(path.isEmpty() ? Store::defaultPath() : path), thread_([this] { loop(); }) {}

StoreWriter::~StoreWriter() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        ending_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void StoreWriter::post(Op op) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        queue_.push_back(std::move(op));
    }
    wake_.notify_all();
}

void StoreWriter::begin(const JobStart& start) {
    scale_ = start.scale;
    table_ = start.table;
    // In a transaction of its own, before the job's writes.
    post(Op{[](Store& m, qint64&) {
                if (m.retry()) {
                    deliverUnrecorded(m);
                    m.prune(QDateTime::currentDateTimeUtc());
                }
                return true;
            },
            true});
    post(Op{[start](Store& m, qint64& job) {
                // Anything of an earlier job that could not be written is gone by now.
                job = 0;
                return m.insertJob(start, &job);
            },
            false});
}

void StoreWriter::forget(const std::vector<int>& numbers) {
    post(
        Op{[s = scale_, t = table_, numbers](Store& m, qint64&) { return m.forget(s, t, numbers); },
           false});
}

void StoreWriter::hold(int slot, int number, const QByteArray& bytes, const QDateTime& at,
                       bool read) {
    post(Op{[s = scale_, t = table_, slot, number, bytes, at, read](Store& m, qint64& job) {
                return m.hold(s, t, job, slot, number, bytes, at, read);
            },
            false});
}

void StoreWriter::markUnconfirmed(const QString& why) {
    post(Op{
        [s = scale_, t = table_, why](Store& m, qint64&) { return m.markUnconfirmed(s, t, why); },
        false});
}

void StoreWriter::markChecked(const QDateTime& at) {
    post(Op{[s = scale_, t = table_, at](Store& m, qint64&) { return m.markChecked(s, t, at); },
            false});
}

void StoreWriter::markRead(const QDateTime& at) {
    post(Op{[s = scale_, t = table_, at](Store& m, qint64&) { return m.markRead(s, t, at); },
            false});
}

void StoreWriter::markSeen(const QString& note) {
    post(Op{[s = scale_, t = table_, note](Store& m, qint64&) { return m.markSeen(s, t, note); },
            false});
}

void StoreWriter::setAnswers(ScaleAnswers answers) {
    post(Op{[s = scale_, t = table_, answers](Store& m, qint64&) {
                return m.setAnswers(s, t, answers);
            },
            false});
}

StoreWriter::Verdict StoreWriter::finish(const JobFinish& f) {
    std::unique_lock<std::mutex> hold(lock_);
    queue_.push_back(Op{[f](Store& m, qint64& job) { return m.finishJob(job, f); }, false});
    finishing_ = true;
    finished_ = false;
    wake_.notify_all();
    done_.wait(hold, [this] { return finished_; });
    return verdict_;
}

bool StoreWriter::writeGroup(Store& store, std::chrono::milliseconds busy) {
    if (group_.empty())
        return true;
    const qint64 before = job_;
    const bool written = store.retry() && store.transaction(
                                              [&] {
                                                  for (Op& op : group_)
                                                      if (!op.run(store, job_))
                                                          return false;
                                                  return true;
                                              },
                                              busy);
    if (written) {
        group_.clear();
        return true;
    }
    // Nothing of the group was written: its job number too is to be given again.
    job_ = before;
    if (const QString why = store.takeProblem(); !why.isEmpty())
        problem_ = why;
    return false;
}

void StoreWriter::loop() {
    Store store(path_);
    if (const QString why = store.takeProblem(); !why.isEmpty())
        problem_ = why;
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
        // Writes wait for a try that failed to be tried again; a finish or the end does not.
        const bool waiting = !group_.empty();
        const auto ready = [this] { return !queue_.empty() || ending_ || finishing_; };
        if (waiting)
            wake_.wait_for(hold, kRetryAfter, ready);
        else
            wake_.wait(hold, ready);

        // Take what was handed over, up to the first read (which sees the writes before it).
        std::optional<Op> read;
        while (!queue_.empty()) {
            Op op = std::move(queue_.front());
            queue_.pop_front();
            if (op.read) {
                read = std::move(op);
                break;
            }
            group_.push_back(std::move(op));
        }
        const bool last = (finishing_ && queue_.empty() && !read) || (ending_ && queue_.empty());
        hold.unlock();
        bool written = writeGroup(store, last ? kLastBusy : kTryBusy);
        if (read) {
            qint64 unused = 0;
            if (!written && !group_.empty()) {
                // A read waits no longer than a job's end would: the writes before it that
                // cannot be made are not in the store.
                written = writeGroup(store, kLastBusy);
            }
            read->run(store, unused);
        }
        hold.lock();
        if (last) {
            Verdict v;
            v.recorded = written;
            v.job = written ? job_ : 0;
            if (!written)
                v.problem = problem_;
            group_.clear();
            problem_.clear();
            if (finishing_) {
                verdict_ = v;
                finishing_ = false;
                finished_ = true;
                done_.notify_all();
            }
            if (ending_ && queue_.empty())
                return;
        }
    }
}

} // namespace tarn
