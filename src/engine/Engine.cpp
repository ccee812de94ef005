// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

#include "ScaleLink.h"
#include "StoreWriter.h"

#include <QPointer>
#include <QThread>

#include <array>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

namespace tarn {

namespace {
// What the engine is to say on its own thread: an answer, a report of a job.
using Saying = std::function<void()>;
// A request as the worker runs it, with its id, and `stopped` when a stop came for it before it
// began. What it returns is its answer.
using Work = std::function<Saying(ScaleLink& link, RequestId id, bool stopped)>;
} // namespace

// The worker thread, its queue of requests and the link it owns. The thread runs no event loop:
// it takes one request at a time and runs it to its end; the link's waits block on the line
// and the stop flag. What it has to say goes into an outbox, in order, which the engine's
// thread empties when woken (deliver()). Whatever passes between the threads passes through
// these two queues, under the worker's mutex. The link and its port are closed and deleted on
// the thread as it ends.
class Engine::Worker : public QThread {
public:
    Worker(Engine* engine, PortParts parts)
        : engine_(engine),
          link_(std::make_unique<ScaleLink>(std::move(parts.port), std::move(parts.clock))) {
        link_->port().moveToThread(this);
        link_->moveToThread(this);
        // Emitted on this thread, by the port's own wait or a reset.
        QObject::connect(link_.get(), &ScaleLink::portLost, [this](const QString& message) {
            const PortLoss loss =
                link_->port().refusedConnection() ? PortLoss::Refused : PortLoss::Lost;
            lost_ = {loss, loss};
            say([e = engine_, message] {
                e->open_ = false;
                emit e->portLost(message);
            });
        });
    }

    RequestId push(Work work) {
        const std::lock_guard lock(mutex_);
        queue_.push_back({++made_, std::move(work)});
        wakeUp_.raise();
        return made_;
    }
    // The request that runs and every one queued so far are stopped.
    void stop() {
        const std::lock_guard lock(mutex_);
        stoppedUpTo_ = made_;
        if (running_ != 0) {
            link_->stop();
            // A stopped job does not wait for its store either.
            if (store_)
                store_->interrupt();
        }
    }
    // Drops what waits, stops what runs, and ends the thread once it has ended.
    void quit() {
        {
            const std::lock_guard lock(mutex_);
            quitting_ = true;
            queue_.clear();
            if (running_ != 0) {
                link_->stop();
                if (store_)
                    store_->interrupt();
            }
            wakeUp_.raise();
        }
        wait();
        // What the thread did last is seen here (the thread's own end is Qt's to signal).
        const std::lock_guard lock(mutex_);
    }

    // From this thread: `saying` runs on the engine's thread, after all said before it.
    void say(Saying saying) {
        bool wake = false;
        {
            const std::lock_guard lock(mutex_);
            wake = outbox_.empty();
            outbox_.push_back(std::move(saying));
        }
        if (wake)
            QMetaObject::invokeMethod(engine_, "deliver", Qt::QueuedConnection);
    }
    // On the engine's thread: what has been said so far.
    std::deque<Saying> takeSaid() {
        const std::lock_guard lock(mutex_);
        return std::exchange(outbox_, {});
    }

    // How the port was lost since the last job on the table asked; empty: it was not.
    PortLoss takeLost(TableKind table) {
        return std::exchange(lost_[size_t(table)], PortLoss::None);
    }

    // The store's writer, with a thread of its own, made when the first table job comes.
    StoreWriter& store() {
        const std::lock_guard lock(mutex_); // stop() reaches it from the engine's thread
        if (!store_)
            store_ = std::make_unique<StoreWriter>();
        return *store_;
    }

protected:
    void run() override {
        for (;;) {
            std::optional<Request> request;
            bool stopped = false;
            {
                const std::lock_guard lock(mutex_);
                if (quitting_)
                    break;
                if (queue_.empty()) {
                    wakeUp_.clear();
                } else {
                    request = std::move(queue_.front());
                    queue_.pop_front();
                    running_ = request->id;
                    // A stop read here, at the request's start, under the lock stop() takes.
                    link_->clearStop();
                    stopped = request->id <= stoppedUpTo_;
                    if (stopped)
                        link_->stop();
                }
            }
            if (!request) {
                idle();
                continue;
            }
            say(request->work(*link_, request->id, stopped));
            const std::lock_guard lock(mutex_);
            running_ = 0;
        }
        link_->close();
        link_.reset();
        std::unique_ptr<StoreWriter> store;
        {
            const std::lock_guard lock(mutex_);
            store = std::move(store_);
        }
        store.reset(); // waits a little for a store that does not answer, not longer
        const std::lock_guard lock(mutex_);
    }

private:
    struct Request {
        RequestId id = 0;
        Work work;
    };

    // Between requests the thread waits for the next on the port itself, so that a port that
    // fails meanwhile (an adapter pulled out, the server gone) is reported as it fails. Bytes
    // that come while no exchange runs answer nothing: they are dropped.
    void idle() {
        constexpr auto kLong = std::chrono::hours(1);
        if (!link_->isOpen()) {
            wakeUp_.sleep(kLong);
            return;
        }
        link_->port().waitForBytes(kLong, wakeUp_);
        if (link_->port().bytesWaiting() > 0)
            link_->port().readAll();
    }

    Engine* engine_;
    std::unique_ptr<ScaleLink> link_;
    std::unique_ptr<StoreWriter> store_;
    StopFlag wakeUp_;  // raised when there is something to do
    std::mutex mutex_; // guards what follows
    std::deque<Request> queue_;
    std::deque<Saying> outbox_;
    RequestId made_ = 0;
    RequestId running_ = 0; // 0 between requests
    RequestId stoppedUpTo_ = 0;
    bool quitting_ = false;
    // How the port was lost, by TableKind; this thread's own.
    std::array<PortLoss, 2> lost_{PortLoss::None, PortLoss::None};
};

namespace {

// A job's reports, said on the engine's thread in the order they were made.
class SayingSink : public TransferSink {
public:
    using Say = std::function<void(Saying)>;
    SayingSink(Engine* engine, Say say) : engine_(engine), say_(std::move(say)) {}
    void status(const QString& text) override {
        say_([e = engine_, text] { emit e->status(text); });
    }
    void progress(int done, int total) override {
        say_([e = engine_, done, total] { emit e->progress(done, total); });
    }
    void acknowledged(const RecordAck& ack) override {
        say_([e = engine_, ack] { emit e->acknowledged(ack); });
    }

private:
    Engine* engine_;
    Say say_;
};

} // namespace

Engine::Engine(PortParts parts, QObject* parent)
    : QObject(parent), worker_(std::make_unique<Worker>(this, std::move(parts))) {
    qRegisterMetaType<JobOutcome>();
    qRegisterMetaType<RecordAck>();
    qRegisterMetaType<RequestId>("tarn::RequestId");
    worker_->start();
}

void Engine::deliver() {
    // A slot may delete the engine on hearing one of them.
    const QPointer<Engine> self(this);
    for (const auto& saying : worker_->takeSaid()) {
        if (!self)
            return;
        saying();
    }
}

Engine::~Engine() {
    worker_->quit();
}

RequestId Engine::open(const QString& name) {
    return worker_->push([this, name](ScaleLink& link, RequestId id, bool stopped) -> Saying {
        std::optional<QString> reason;
        if (!stopped)
            reason = link.open(name);
        const bool isOpen = link.isOpen();
        // A connect that a stop ended, or an open that a stop kept from beginning.
        stopped = !isOpen && (stopped || link.stopped());
        const QString system = link.port().systemName();
        return [this, name, reason, stopped, system, isOpen, id] {
            open_ = isOpen;
            portName_ = name;
            systemName_ = system;
            emit opened(name, stopped ? QString() : reason.value_or(QString()), stopped, id);
        };
    });
}

RequestId Engine::close() {
    return worker_->push([this](ScaleLink& link, RequestId id, bool) -> Saying {
        const bool was = link.isOpen();
        link.close();
        return [this, was, id] {
            open_ = false;
            emit closed(was, id);
        };
    });
}

RequestId Engine::run(Job job) {
    Worker* worker = worker_.get();
    return worker_->push([this, worker, job = std::move(job)](ScaleLink& link, RequestId id,
                                                              bool stopped) -> Saying {
        SayingSink sink(this, [worker](Saying saying) { worker->say(std::move(saying)); });
        auto outcome = std::make_shared<JobOutcome>(
            stopped ? stoppedBeforeItBegan(job, link)
                    : runJob(
                          link, job, sink, [worker]() -> StoreWriter& { return worker->store(); },
                          [worker](TableKind table) { return worker->takeLost(table); }));
        // Each job that the store could not record says why (the window shows each new text).
        const QString problem = outcome->storeProblem;
        return [this, outcome, problem, id] {
            if (!problem.isEmpty())
                emit storeProblem(problem);
            open_ = outcome->portOpen;
            emit finished(*outcome, id);
        };
    });
}

void Engine::stop() {
    worker_->stop();
}

} // namespace tarn
