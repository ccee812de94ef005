// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

#include "RecordCodec.h"
#include "ScaleLink.h"
#include "ScaleMemory.h"

#include <QThread>

#include <atomic>
#include <set>
#include <type_traits>

namespace tarn {

// The worker thread and the link it owns. The link and its port live on the thread; they are
// closed and deleted there when its event loop ends.
class Engine::Worker : public QThread {
public:
    std::unique_ptr<ScaleLink> link;

    // The store, opened on this thread when the first table job comes.
    ScaleMemory& memory() {
        if (!memory_)
            memory_ = std::make_unique<ScaleMemory>();
        return *memory_;
    }
    // The store's problem, the first time it is asked; none when no job opened it.
    QString takeProblem() { return memory_ ? memory_->takeProblem() : QString(); }

protected:
    void run() override {
        exec();
        link->close();
        link.reset();
        memory_.reset();
    }

private:
    std::unique_ptr<ScaleMemory> memory_;
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

// Keeps what the scale holds in the store as a transfer goes, and passes every report on.
// The transfer enters the history with its first record (a refused one never does).
class StoreSink : public TransferSink {
public:
    StoreSink(TransferSink& out, ScaleMemory& memory, const QString& port, TableKind kind,
              TransferDirection direction, QString extent)
        : out_(out), memory_(memory), port_(port), kind_(kind), direction_(direction),
          extent_(std::move(extent)) {}

    void status(const QString& text) override { out_.status(text); }
    void progress(int done, int total) override {
        begin();
        out_.progress(done, total);
    }
    void sending(TableKind kind, int slot, int number) override {
        begin();
        memory_.forgetHeld(key_, {number});
        out_.sending(kind, slot, number);
    }
    void acknowledged(const RecordAck& ack) override {
        begin();
        memory_.recordHeld(key_, ack.slot, ack.number, recordBytes(ack));
        out_.acknowledged(ack);
    }
    // The scale holds nothing under these numbers (an upload's end).
    void holdsNothing(const std::vector<int>& numbers) {
        begin();
        memory_.forgetHeld(key_, numbers);
    }
    void end(const TransferResult& result) {
        if (began_)
            memory_.endTransfer(key_, result.message);
    }

private:
    void begin() {
        if (began_)
            return;
        began_ = true;
        key_ = memory_.beginTransfer(port_, kind_, direction_, extent_);
    }
    // The record's bytes without its number: a download's as sent, an upload reply's record.
    static QByteArray recordBytes(const RecordAck& ack) {
        if (ack.download)
            return ack.wire;
        return ack.kind == TableKind::Plu ? ack.wire.mid(4, kPluRecordBytes)
                                          : ack.wire.mid(2, kIngredRecordBytes);
    }

    TransferSink& out_;
    ScaleMemory& memory_;
    QString port_;
    TableKind kind_;
    TransferDirection direction_;
    QString extent_;
    bool began_ = false;
    TransferKey key_;
};

QString extentText(const DownloadOptions& o) {
    switch (o.extent) {
    case DownloadExtent::One:
        return QStringLiteral("One ") + o.one.trimmed();
    case DownloadExtent::Range:
        return o.start.trimmed() + QLatin1Char('-') + o.end.trimmed();
    case DownloadExtent::All:
        return QStringLiteral("ALL");
    case DownloadExtent::Changed:
        return QStringLiteral("Changed");
    }
    return {};
}

QString extentText(const UploadOptions& o) {
    return o.extent == UploadExtent::One ? QStringLiteral("One ") + o.number.trimmed()
                                         : QStringLiteral("ALL");
}

template <class R> const TableRecords<R>& tableOf(const DownloadJob& d) {
    if constexpr (std::is_same_v<R, PluRecord>)
        return d.plu;
    else
        return d.ingred;
}

template <class R> Received<R>& receivedOf(JobOutcome& o) {
    if constexpr (std::is_same_v<R, PluRecord>)
        return o.pluReceived;
    else
        return o.ingredReceived;
}

template <class R>
TransferResult runUpload(ScaleLink& link, const UploadOptions& options, TransferSink& sink,
                         ScaleMemory& memory, const QString& extent, Received<R>& into) {
    const QString port = link.port().name();
    StoreSink store(sink, memory, port, RecordTraits<R>::kind, TransferDirection::Upload, extent);
    const TransferResult r = upload<R>(link, options, store, into);
    if (options.extent == UploadExtent::All && uploadEnded(r.outcome)) {
        // The scale's every record has been read: it holds no other number.
        std::set<int> read;
        for (int i = into.first; i < into.first + into.count && i <= kMaxRecords; ++i)
            read.insert(numberOf(into.records[size_t(i)]));
        std::vector<int> gone;
        for (const auto& held : memory.held(port, RecordTraits<R>::kind))
            if (!read.count(held.first))
                gone.push_back(held.first);
        store.holdsNothing(gone);
    }
    store.end(r);
    return r;
}

// Reads the scale's whole table into `o` and sets the PC's beside it.
template <class R>
void compare(ScaleLink& link, const TableRecords<R>& pc, TransferSink& sink, ScaleMemory& memory,
             const QString& extent, JobOutcome& o) {
    Received<R>& scale = receivedOf<R>(o);
    o.readResult = runUpload<R>(link, UploadOptions{UploadExtent::All, QStringLiteral("1")}, sink,
                                memory, extent, scale);
    if (uploadEnded(o.readResult.outcome))
        o.differences = compareTables(pc.records, pc.count, scale.records, scale.count);
}

template <class R>
void runDownload(ScaleLink& link, const DownloadJob& d, TransferSink& sink, ScaleMemory& memory,
                 JobOutcome& o) {
    const TableRecords<R>& table = tableOf<R>(d);
    const QString port = link.port().name();
    DownloadOptions options = d.options;
    if (options.extent == DownloadExtent::Changed)
        options.changed = changedSlots(wireRecords(table.records, table.count),
                                       memory.held(port, RecordTraits<R>::kind));
    StoreSink store(sink, memory, port, RecordTraits<R>::kind, TransferDirection::Download,
                    extentText(d.options));
    o.result = download<R>(table, d.hasFile, link, options, store);
    store.end(o.result);
    if (d.verify && o.result.outcome == TransferOutcome::Finished && !link.stopped()) {
        compare<R>(link, table, sink, memory, QStringLiteral("Verify"), o);
        if (o.differences)
            sink.status(o.differences->empty()
                            ? QStringLiteral("Verify: the scale holds this table")
                            : QStringLiteral("Verify: the scale holds %1 record(s) differently")
                                  .arg(recordsIn(*o.differences)));
    }
}

JobOutcome runJob(ScaleLink& link, const Job& job, TransferSink& sink,
                  const std::function<ScaleMemory&()>& memory) {
    JobOutcome o;
    std::visit(
        Overloaded{[&](const DownloadJob& d) {
                       o.what = JobOutcome::What::Download;
                       o.kind = d.kind;
                       if (d.kind == TableKind::Plu)
                           runDownload<PluRecord>(link, d, sink, memory(), o);
                       else
                           runDownload<IngredRecord>(link, d, sink, memory(), o);
                   },
                   [&](const UploadJob& u) {
                       o.what = JobOutcome::What::Upload;
                       o.kind = u.kind;
                       const QString extent = extentText(u.options);
                       o.result = u.kind == TableKind::Plu
                                      ? runUpload<PluRecord>(link, u.options, sink, memory(),
                                                             extent, o.pluReceived)
                                      : runUpload<IngredRecord>(link, u.options, sink, memory(),
                                                                extent, o.ingredReceived);
                   },
                   [&](const CompareJob& c) {
                       o.what = JobOutcome::What::Compare;
                       o.kind = c.table.kind;
                       const QString extent = QStringLiteral("Compare");
                       if (c.table.kind == TableKind::Plu)
                           compare<PluRecord>(link, c.table.plu, sink, memory(), extent, o);
                       else
                           compare<IngredRecord>(link, c.table.ingred, sink, memory(), extent, o);
                       o.result = o.readResult;
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

std::optional<std::pair<Refusal, QString>> refusalOf(const DownloadJob& job) {
    return job.kind == TableKind::Plu
               ? downloadRefusal<PluRecord>(job.plu, job.hasFile, job.options)
               : downloadRefusal<IngredRecord>(job.ingred, job.hasFile, job.options);
}

std::optional<std::pair<Refusal, QString>> refusalOf(const UploadJob& job) {
    return job.kind == TableKind::Plu ? uploadRefusal<PluRecord>(job.options)
                                      : uploadRefusal<IngredRecord>(job.options);
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
        Worker* worker = worker_.get();
        auto outcome = std::make_shared<JobOutcome>(
            runJob(link, job, sink, [worker]() -> ScaleMemory& { return worker->memory(); }));
        QString problem = worker->takeProblem();
        // Said once in the process, whichever port's store found it first.
        static std::atomic<bool> said{false};
        if (!problem.isEmpty() && said.exchange(true))
            problem.clear();
        return [this, outcome, problem] {
            if (!problem.isEmpty())
                emit storeProblem(problem);
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
