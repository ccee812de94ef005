// SPDX-License-Identifier: GPL-3.0-or-later
#include "Jobs.h"

#include "PortIdentity.h"
#include "RecordCodec.h"
#include "ScaleLink.h"
#include "ScaleMemory.h"
#include "ScaleNotes.h"
#include "StoreWriter.h"

#include <QRandomGenerator>

#include <optional>
#include <set>
#include <utility>

namespace tarn {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// The record's bytes without its number, as the store keeps them: a download's as sent, an
// upload reply's record.
QByteArray recordBytes(const RecordAck& ack) {
    if (ack.download)
        return ack.wire;
    return ack.kind == TableKind::Plu ? ack.wire.mid(4, kPluRecordBytes)
                                      : ack.wire.mid(2, kIngredRecordBytes);
}

// Hands what the scale holds to the store's writer as a transfer goes, and passes every report
// on: a record is forgotten before it goes on the line, held once the scale acknowledged or
// sent it. The writer writes off the line's thread: a store slow to lock never holds the line.
class StoreSink : public TransferSink {
public:
    StoreSink(TransferSink& out, StoreWriter& store) : out_(out), store_(store) {}

    void status(const QString& text) override { out_.status(text); }
    void progress(int done, int total) override { out_.progress(done, total); }
    void sending(TableKind kind, int slot, int number) override {
        store_.forget({number});
        out_.sending(kind, slot, number);
    }
    void acknowledged(const RecordAck& ack) override {
        store_.hold(ack.slot, ack.number, recordBytes(ack), QDateTime::currentDateTimeUtc(),
                    !ack.download);
        out_.acknowledged(ack);
    }
    // The scale holds nothing under these numbers (an upload's end).
    void holdsNothing(const std::vector<int>& numbers) { store_.forget(numbers); }

private:
    TransferSink& out_;
    StoreWriter& store_;
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

template <class R>
TransferResult runUpload(ScaleLink& link, const UploadOptions& options, TransferSink& sink,
                         StoreWriter& writer, Received<R>& into) {
    StoreSink store(sink, writer);
    const TransferResult r = upload<R>(link, options, store, into);
    if (options.extent == UploadExtent::All && uploadEnded(r.outcome)) {
        // The scale's every record has been read: it holds no other number.
        std::set<int> read;
        for (int i = into.first; i < into.first + into.count && i <= kMaxRecords; ++i)
            read.insert(numberOf(into.records[size_t(i)]));
        std::vector<int> gone;
        const QString scale = link.port().identity();
        const auto held = writer.read<std::map<int, HeldRecord>>(
            [scale](ScaleMemory& m) { return m.heldRecords(scale, RecordTraits<R>::kind); });
        for (const auto& record : held)
            if (!read.count(record.first))
                gone.push_back(record.first);
        store.holdsNothing(gone);
    }
    return r;
}

// Reads the scale's whole table into `o` and sets the PC's beside it.
template <class R>
void compare(ScaleLink& link, const TableRecords<R>& pc, TransferSink& sink, StoreWriter& writer,
             JobOutcome& o) {
    auto& scale = o.received.emplace<Received<R>>();
    o.readResult = runUpload<R>(link, UploadOptions{UploadExtent::All, QStringLiteral("1")}, sink,
                                writer, scale);
    if (uploadEnded(o.readResult.outcome))
        o.differences = compareTables(pc.records, pc.count, scale.records, scale.count);
}

// Passes every report on and keeps the last record the scale sent.
class ReadBackSink : public TransferSink {
public:
    explicit ReadBackSink(TransferSink& out) : out_(out) {}
    void status(const QString& text) override { out_.status(text); }
    void acknowledged(const RecordAck& ack) override {
        sent = ack;
        out_.acknowledged(ack);
    }
    std::optional<RecordAck> sent;

private:
    TransferSink& out_;
};

constexpr int kReadBack = 3;

// The check before the store's word is taken: a few records the download would not send are
// read back from the scale. nullopt when each came back as the store holds it; otherwise why
// not, or, when the line failed, how the read ended (in `failed`).
template <class R>
std::optional<QString> readBack(ScaleLink& link, const std::vector<int>& picked,
                                const std::map<int, HeldRecord>& held, TransferSink& sink,
                                StoreWriter& writer, std::optional<TransferResult>& failed) {
    sink.status(QStringLiteral("Checking what the scale holds: reading back %1 record(s)")
                    .arg(picked.size()));
    for (const int slot : picked) {
        ReadBackSink one(sink);
        Received<R> into;
        const TransferResult r = runUpload<R>(
            link, UploadOptions{UploadExtent::One, QString::number(slot)}, one, writer, into);
        if (!uploadEnded(r.outcome)) {
            failed = r;
            return QString();
        }
        const QString said = QStringLiteral("Checking what the scale holds: ");
        if (!one.sent)
            return said + QStringLiteral("its slot %1 is empty").arg(slot);
        // A number the store holds nothing for says nothing against its word: a download
        // sends such a record anyway.
        const auto h = held.find(one.sent->number);
        if (h != held.end() && h->second.bytes != recordBytes(*one.sent))
            return said +
                   QStringLiteral("its record %1 is not as Tarnlink sent it").arg(one.sent->number);
    }
    return std::nullopt;
}

template <class R>
void runDownload(ScaleLink& link, const DownloadJob& d, const TableRecords<R>& table,
                 TransferSink& sink, StoreWriter& writer, JobOutcome& o) {
    DownloadOptions options = d.options;
    if (options.extent == DownloadExtent::Changed) {
        const QString scale = link.port().identity();
        const auto word = [&] {
            return writer.read<StoreWord>(
                [scale](ScaleMemory& m) { return storeWord(m, scale, RecordTraits<R>::kind); });
        };
        const auto changed = [&](const StoreWord& w) {
            return changedSlots(wireRecords(table.records, table.count), w.heldBytes());
        };
        StoreWord w = word();
        options.changed = changed(w);
        if (w.doubt)
            w.doubt = QStringLiteral("The store cannot vouch for this scale: ") + *w.doubt;
        // The store's word is taken only for records the download would not send, and only
        // once a few of them read back from the scale as it says.
        std::set<int> sending;
        for (const int slot : options.changed)
            sending.insert(numberOf(table.records[size_t(slot)]));
        bool skips = false; // a record of the table would not be sent
        for (int slot = 1; slot <= table.count; ++slot)
            skips = skips || !sending.count(numberOf(table.records[size_t(slot)]));
        const std::vector<int> picked =
            skips && !w.doubt
                ? readBackSlots(w.held, sending, kReadBack, *QRandomGenerator::global())
                : std::vector<int>();
        if (!picked.empty()) {
            std::optional<TransferResult> failed;
            w.doubt = readBack<R>(link, picked, w.held, sink, writer, failed);
            if (failed) {
                o.result = *failed;
                return;
            }
            if (!w.doubt)
                writer.markChecked(QDateTime::currentDateTimeUtc());
        }
        if (w.doubt) {
            sink.status(*w.doubt); // why, on a line of its own
            sink.status(QStringLiteral(
                "The scale does not hold what Tarnlink last sent it: reading its table"));
            Received<R> read;
            const TransferResult r = runUpload<R>(
                link, UploadOptions{UploadExtent::All, QStringLiteral("1")}, sink, writer, read);
            if (!uploadEnded(r.outcome)) {
                o.result = r;
                return;
            }
            writer.markChecked(QDateTime::currentDateTimeUtc());
        }
        w = word();
        options.changed = changed(w);
        options.checked = w.checked;
    }
    StoreSink store(sink, writer);
    o.result = download<R>(table, d.hasFile, link, options, store);
    if (d.verify && o.result.outcome == TransferOutcome::Finished && !link.stopped()) {
        compare<R>(link, table, sink, writer, o);
        if (o.differences)
            sink.status(o.differences->empty()
                            ? QStringLiteral("Verify: the scale holds this table")
                            : QStringLiteral("Verify: the scale holds %1 record(s) differently")
                                  .arg(recordsIn(*o.differences)));
    }
}

// What a job is, before it runs: its kind of outcome and table, nothing yet read.
JobOutcome outcomeOf(const Job& job) {
    JobOutcome o;
    std::visit(Overloaded{[&](const DownloadJob& d) {
                              o.what = JobOutcome::What::Download;
                              o.kind = d.kind();
                          },
                          [&](const UploadJob& u) {
                              o.what = JobOutcome::What::Upload;
                              o.kind = u.kind;
                          },
                          [&](const CompareJob& c) {
                              o.what = JobOutcome::What::Compare;
                              o.kind = c.table.kind();
                          },
                          [&](const DisplayJob&) { o.what = JobOutcome::What::Display; }},
               job);
    o.received = receivedTable(o.kind);
    return o;
}

} // namespace

JobOutcome stoppedBeforeItBegan(const Job& job, const ScaleLink& link) {
    JobOutcome o = outcomeOf(job);
    o.result.outcome = TransferOutcome::Stopped;
    o.readResult.outcome = TransferOutcome::Stopped;
    o.stopped = true;
    o.portOpen = link.isOpen();
    return o;
}

QString stoppedText(const JobOutcome& o) {
    if (o.what == JobOutcome::What::Display)
        return QStringLiteral("Stopped");
    if (o.result.lastRecord == 0)
        return QStringLiteral("Stopped before the first record");
    const bool plu = o.kind == TableKind::Plu;
    const QString record = plu                                    ? QStringLiteral("plu#")
                           : o.what == JobOutcome::What::Download ? QStringLiteral("Message#")
                                                                  : QStringLiteral("INGRED#");
    return QStringLiteral("Stopped after ") + record + QString::number(o.result.lastRecord);
}

JobStart jobStartOf(const Job& job, const QString& name) {
    JobStart start;
    start.scale = portIdentity(name);
    start.name = name;
    start.table = outcomeOf(job).kind;
    start.started = QDateTime::currentDateTimeUtc();
    std::visit(Overloaded{[&](const DownloadJob& d) {
                              start.direction = TransferDirection::Download;
                              start.extent = extentText(d.options);
                          },
                          [&](const UploadJob& u) {
                              start.direction = TransferDirection::Upload;
                              start.extent = extentText(u.options);
                          },
                          [&](const CompareJob&) {
                              start.direction = TransferDirection::Compare;
                              start.extent = QStringLiteral("Compare");
                          },
                          [&](const DisplayJob&) {}},
               job);
    return start;
}

void recordNotRun(const Job& job, const QString& name, JobEnd end, const QString& text) {
    ScaleMemory store;
    qint64 id = 0;
    JobFinish finish{end, text, 0, std::nullopt, QDateTime::currentDateTimeUtc()};
    store.transaction(
        [&] { return store.insertJob(jobStartOf(job, name), &id) && store.finishJob(id, finish); },
        std::chrono::milliseconds(500));
}

namespace {

// How a job ended, in the history's word.
JobEnd jobEnd(const JobOutcome& o) {
    switch (o.result.outcome) {
    case TransferOutcome::Refused:
        return JobEnd::Refused;
    case TransferOutcome::Stopped:
        return JobEnd::Stopped;
    case TransferOutcome::Abandoned:
    case TransferOutcome::RestartsExhausted:
    case TransferOutcome::PortLost:
        return JobEnd::Failed;
    case TransferOutcome::Finished:
    case TransferOutcome::EndOfData:
        break;
    }
    if (o.stopped)
        return JobEnd::Stopped;
    if (o.differences && !o.differences->empty())
        return JobEnd::Differs;
    if (o.what == JobOutcome::What::Download && o.result.nothingToSend)
        return JobEnd::Nothing;
    return JobEnd::Ok;
}

// The store's word on the job, from its writer: a job it could not record is said on its own
// line with what to do, and the note beside the port locks keeps the scale unconfirmed until
// its table is read again.
void recordJob(StoreWriter& writer, const JobStart& start, JobOutcome& o, TransferSink& sink) {
    JobFinish f;
    f.end = jobEnd(o);
    f.text = o.result.message;
    // A stopped job says how far it came, not its last progress text.
    if (f.end == JobEnd::Stopped)
        f.text = stoppedText(o);
    f.records = o.result.records;
    if (o.differences)
        f.differences = int(recordsIn(*o.differences));
    f.ended = QDateTime::currentDateTimeUtc();
    const StoreWriter::Verdict v = writer.finish(f);
    const QString store = writer.read<QString>([](ScaleMemory& m) { return m.storeId(); });
    ScaleNote note{store, v.job, v.recorded, start, f};
    writeNote(start.scale, start.table, note);
    if (v.recorded)
        return;
    o.unrecorded = true;
    o.storeProblem = v.problem;
    // The store's own problem, with what to do about it, comes as storeProblem().
    sink.status(QStringLiteral("ERROR! sent, not recorded: the store could not keep this job, so "
                               "the next Changed download reads the scale's table first"));
}

} // namespace

JobOutcome runJob(ScaleLink& link, const Job& job, TransferSink& sink,
                  const std::function<StoreWriter&()>& writer,
                  const std::function<bool(TableKind)>& takeLost) {
    JobOutcome o = outcomeOf(job);
    if (std::holds_alternative<DisplayJob>(job)) {
        o.display = updateDisplay(link);
        o.stopped = link.stopped() && !(o.display && o.display->recordCame);
        o.portOpen = link.isOpen();
        return o;
    }
    StoreWriter& store = writer();
    JobStart start = jobStartOf(job, link.port().name());
    start.scale = link.port().identity();
    // A job an earlier run could not record goes into the history first, with the scale
    // unconfirmed, when this store was the one that sent it.
    const std::optional<ScaleNote> note = readNote(start.scale, start.table);
    if (note && !note->recorded && note->job == 0 && note->start.started.isValid() &&
        note->store == store.read<QString>([](ScaleMemory& m) { return m.storeId(); }))
        store.takeIn(note->start, note->finish);
    store.begin(start);
    // A port lost since the last job may have come back on another scale, or on one that
    // was switched off and lost its table: the store's word waits for the table to be read.
    const auto doubtIfLost = [&] {
        if (takeLost(start.table))
            store.markUnconfirmed(QStringLiteral("the port was lost since its last job"));
    };
    doubtIfLost();
    std::visit(
        Overloaded{
            [&](const DownloadJob& d) {
                std::visit([&](const auto& t) { runDownload(link, d, t, sink, store, o); },
                           d.table);
                // A verify that the stop kept from running leaves the job stopped.
                o.stopped = o.result.outcome == TransferOutcome::Stopped ||
                            (d.verify && !o.differences && link.stopped());
            },
            [&](const UploadJob& u) {
                std::visit(
                    [&](auto& into) { o.result = runUpload(link, u.options, sink, store, into); },
                    o.received);
                o.stopped = o.result.outcome == TransferOutcome::Stopped;
            },
            [&](const CompareJob& c) {
                std::visit([&](const auto& t) { compare(link, t, sink, store, o); }, c.table.table);
                o.result = o.readResult;
                o.stopped = o.result.outcome == TransferOutcome::Stopped;
            },
            [&](const DisplayJob&) {}},
        job);
    doubtIfLost(); // for the next job, in this program or another
    recordJob(store, start, o, sink);
    o.portOpen = link.isOpen();
    return o;
}

DownloadJob downloadJob(TableKind kind, const Workspace& ws, const DownloadOptions& options) {
    DownloadJob job;
    job.hasFile = ws.hasFile();
    job.options = options;
    if (kind == TableKind::Plu)
        job.table = recordsOf(ws.plu);
    else
        job.table = recordsOf(ws.ingred);
    return job;
}

std::optional<std::pair<Refusal, QString>> refusalOf(const DownloadJob& job) {
    return std::visit([&](const auto& t) { return downloadRefusal(t, job.hasFile, job.options); },
                      job.table);
}

std::optional<std::pair<Refusal, QString>> refusalOf(const UploadJob& job) {
    return job.kind == TableKind::Plu ? uploadRefusal<PluRecord>(job.options)
                                      : uploadRefusal<IngredRecord>(job.options);
}

} // namespace tarn
