#include "Engine.h"

#include "ScaleLink.h"

#include <QThread>

namespace tarn {

// The worker thread and the link it owns. The link and its port live on the thread; they are
// closed and deleted there when its event loop ends.
class Engine::Worker : public QThread {
public:
    std::unique_ptr<ScaleLink> link;

protected:
    void run() override {
        exec();
        link->close();
        link.reset();
    }
};

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// A job's reports, carried to the engine's thread in the order they were made.
class PostingSink : public TransferSink {
public:
    explicit PostingSink(Engine* engine) : engine_(engine) {}
    void status(const QString& text) override {
        QMetaObject::invokeMethod(
            engine_, [e = engine_, text] { emit e->status(text); }, Qt::QueuedConnection);
    }
    void progress(int done, int total) override {
        QMetaObject::invokeMethod(
            engine_, [e = engine_, done, total] { emit e->progress(done, total); },
            Qt::QueuedConnection);
    }
    void acknowledged(const RecordAck& ack) override {
        QMetaObject::invokeMethod(
            engine_, [e = engine_, ack] { emit e->acknowledged(ack); }, Qt::QueuedConnection);
    }

private:
    Engine* engine_;
};

JobOutcome runJob(ScaleLink& link, const Job& job, TransferSink& sink) {
    JobOutcome o;
    std::visit(
        Overloaded{[&](const DownloadJob& d) {
                       o.what = JobOutcome::What::Download;
                       o.kind = d.kind;
                       o.result =
                           d.kind == TableKind::Plu
                               ? download<PluRecord>(d.plu, d.hasFile, link, d.options, sink)
                               : download<IngredRecord>(d.ingred, d.hasFile, link, d.options, sink);
                   },
                   [&](const UploadJob& u) {
                       o.what = JobOutcome::What::Upload;
                       o.kind = u.kind;
                       o.result =
                           u.kind == TableKind::Plu
                               ? upload<PluRecord>(link, u.options, sink, o.pluReceived)
                               : upload<IngredRecord>(link, u.options, sink, o.ingredReceived);
                   },
                   [&](const DisplayJob&) {
                       o.what = JobOutcome::What::Display;
                       o.display = updateDisplay(link);
                   }},
        job);
    o.stopped = link.stopped();
    o.portOpen = link.isOpen();
    return o;
}

} // namespace

DownloadJob downloadJob(TableKind kind, const Workspace& ws, const DownloadOptions& options) {
    DownloadJob job;
    job.kind = kind;
    job.hasFile = ws.hasFile();
    job.options = options;
    if (kind == TableKind::Plu)
        job.plu = {ws.plu.records, ws.plu.count};
    else
        job.ingred = {ws.ingred.records, ws.ingred.count};
    return job;
}

Engine::Engine(PortParts parts, QObject* parent)
    : QObject(parent), worker_(std::make_unique<Worker>()) {
    qRegisterMetaType<JobOutcome>();
    qRegisterMetaType<RecordAck>();
    worker_->link = std::make_unique<ScaleLink>(std::move(parts.port), std::move(parts.clock));
    ScaleLink* link = worker_->link.get();
    link->port().moveToThread(worker_.get());
    link->moveToThread(worker_.get());
    connect(link, &ScaleLink::portLost, this, [this](const QString& message) {
        open_ = false;
        emit portLost(message);
    });
    worker_->start();
}

Engine::~Engine() {
    stop();
    // Ends the thread's event loops, those of a wait or a connect under way included.
    worker_->quit();
    worker_->wait();
}

void Engine::post(std::function<std::function<void()>(ScaleLink&)> work) {
    ++pending_;
    ScaleLink* link = worker_->link.get();
    QMetaObject::invokeMethod(
        link,
        [this, link, work = std::move(work)] {
            std::function<void()> answer = work(*link);
            QMetaObject::invokeMethod(
                this,
                [this, answer = std::move(answer)] {
                    --pending_;
                    answer();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void Engine::open(const QString& name) {
    worker_->link->clearStop();
    post([this, name](ScaleLink& link) -> std::function<void()> {
        const auto reason = link.open(name);
        const bool stopped = link.stopped();
        const QString system = link.port().systemName();
        return [this, name, reason, stopped, system] {
            open_ = !reason;
            portName_ = name;
            systemName_ = system;
            emit opened(name, reason.value_or(QString()), stopped);
        };
    });
}

void Engine::close() {
    post([this](ScaleLink& link) -> std::function<void()> {
        const bool was = link.isOpen();
        link.close();
        return [this, was] {
            open_ = false;
            emit closed(was);
        };
    });
}

void Engine::run(Job job) {
    worker_->link->clearStop();
    post([this, job = std::move(job)](ScaleLink& link) -> std::function<void()> {
        PostingSink sink(this);
        auto outcome = std::make_shared<JobOutcome>(runJob(link, job, sink));
        return [this, outcome] {
            open_ = outcome->portOpen;
            emit finished(*outcome);
        };
    });
}

void Engine::stop() {
    ScaleLink* link = worker_->link.get();
    link->stop();
    // A connect under way runs an event loop of its own, which takes this and ends.
    QMetaObject::invokeMethod(
        link,
        [link] {
            if (!link->isOpen())
                link->close();
        },
        Qt::QueuedConnection);
}

} // namespace tarn
