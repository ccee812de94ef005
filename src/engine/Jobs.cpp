// SPDX-License-Identifier: GPL-3.0-or-later
#include "Jobs.h"

#include "ChangedPlan.h"
#include "PortIdentity.h"
#include "RecordCodec.h"
#include "ScaleLink.h"
#include "ScaleNotes.h"
#include "Store.h"
#include "StoreWriter.h"

#include <QCoreApplication>
#include <QUuid>

#include <optional>
#include <set>
#include <utility>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Jobs)
};

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
            [scale](Store& m) { return m.heldRecords(scale, RecordTraits<R>::kind); });
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
    if (uploadEnded(o.readResult.outcome)) {
        o.readWhole = true;
        writer.markRead(QDateTime::currentDateTimeUtc());
        o.differences = compareTables(pc.records, pc.count, scale.records, scale.count);
    }
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

// Asks the scale for one record; nullopt when the line failed (how, in `failed`).
template <class R>
std::optional<ReadAnswer> readOne(ScaleLink& link, int asked, bool byNumber, TransferSink& sink,
                                  StoreWriter& writer, std::optional<TransferResult>& failed) {
    ReadBackSink one(sink);
    Received<R> into;
    const TransferResult r = runUpload<R>(
        link, UploadOptions{UploadExtent::One, QString::number(asked)}, one, writer, into);
    if (!uploadEnded(r.outcome)) {
        failed = r;
        return std::nullopt;
    }
    ReadAnswer answer{asked, byNumber, std::nullopt, {}};
    if (one.sent) {
        answer.number = one.sent->number;
        answer.bytes = recordBytes(*one.sent);
    }
    return answer;
}

// Reads the scale's whole table: an "All" upload, or, from a scale that answers by number,
// each of `numbers`. nullopt when the line failed (how, in `failed`).
template <class R>
std::optional<std::map<int, QByteArray>> readWhole(ScaleLink& link, const std::vector<int>& numbers,
                                                   TransferSink& sink, StoreWriter& writer,
                                                   std::optional<TransferResult>& failed) {
    std::map<int, QByteArray> whole;
    if (numbers.empty()) {
        Received<R> read;
        const TransferResult r = runUpload<R>(
            link, UploadOptions{UploadExtent::All, QStringLiteral("1")}, sink, writer, read);
        if (!uploadEnded(r.outcome)) {
            failed = r;
            return std::nullopt;
        }
        // The last slot of a number is what the scale goes by, as a full download leaves it.
        const int last = std::min(read.first + read.count - 1, kMaxRecords);
        for (const WireRecord& w : wireRecords(read.records, last))
            if (w.slot >= read.first)
                whole[w.number] = w.bytes;
        return whole;
    }
    std::vector<int> gone;
    for (const int number : numbers) {
        const auto answer = readOne<R>(link, number, true, sink, writer, failed);
        if (!answer)
            return std::nullopt;
        if (answer->number == number)
            whole[number] = answer->bytes;
        else
            gone.push_back(number);
    }
    writer.forget(gone);
    return whole;
}

// A Changed download's extent, decided by planChanged() from the store's word and what this
// job reads from the scale; false when the line failed while reading (o.result says how).
template <class R>
bool changedExtent(ScaleLink& link, const TableRecords<R>& table, const StoreWord& word,
                   TransferSink& sink, StoreWriter& writer, DownloadOptions& options,
                   JobOutcome& o) {
    ChangedFacts facts;
    facts.table = wireRecords(table.records, table.count);
    facts.word = word;
    bool announced = false;
    std::optional<TransferResult> failed;
    for (;;) {
        const ChangedStep step = planChanged(facts);
        if (step.answers != facts.word.answers) {
            writer.setAnswers(step.answers);
            facts.word.answers = step.answers;
        }
        for (const QString& line : step.said)
            sink.status(line); // each on a line of its own
        switch (step.what) {
        case ChangedStep::Do::Send:
            options.changed = step.toSend;
            options.nothing = step.nothing;
            o.extra = step.extra;
            return true;
        case ChangedStep::Do::ReadBack:
            if (!std::exchange(announced, true))
                sink.status(Text::tr("Checking what the scale holds: reading back %n record(s)",
                                     nullptr, std::max(int(step.ask.size()), facts.checks)));
            for (const int asked : step.ask) {
                const auto answer = readOne<R>(link, asked, step.byNumber, sink, writer, failed);
                if (!answer) {
                    o.result = *failed;
                    return false;
                }
                facts.readBack.push_back(*answer);
            }
            break;
        case ChangedStep::Do::ReadWhole:
            facts.whole = readWhole<R>(link, step.ask, sink, writer, failed);
            if (!facts.whole) {
                o.result = *failed;
                return false;
            }
            o.readWhole = true;
            writer.markRead(QDateTime::currentDateTimeUtc());
            break;
        }
    }
}

// `word`: the store's word on the scale as the job began (a Changed download's).
template <class R>
void runDownload(ScaleLink& link, const DownloadJob& d, const TableRecords<R>& table,
                 const StoreWord& word, TransferSink& sink, StoreWriter& writer, JobOutcome& o) {
    DownloadOptions options = d.options;
    if (options.extent == DownloadExtent::Changed &&
        !changedExtent<R>(link, table, word, sink, writer, options, o))
        return;
    StoreSink store(sink, writer);
    o.result = download<R>(table, d.hasFile, link, options, store);
    if (options.extent == DownloadExtent::Changed && o.result.outcome == TransferOutcome::Finished)
        if (const QString extra = extraRecordsText(o.extra, o.result.nothingToSend);
            !extra.isEmpty())
            sink.status(extra);
    if (d.verify && o.result.outcome == TransferOutcome::Finished && !link.stopped()) {
        compare<R>(link, table, sink, writer, o);
        if (o.differences && o.differences->empty())
            sink.status(Text::tr("Verify: the scale holds this table"));
        else if (o.differences)
            sink.status(Text::tr("Verify: the scale holds %n record(s) differently", nullptr,
                                 int(recordsIn(*o.differences))));
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
        //: The display read was stopped
        return Text::tr("Stopped");
    if (o.result.lastRecord == 0)
        return Text::tr("Stopped before the first record");
    const int last = o.result.lastRecord;
    if (o.kind == TableKind::Plu)
        //: %1: the slot or number of the last PLU record that went through
        return Text::tr("Stopped after plu#%1").arg(last);
    if (o.what == JobOutcome::What::Download)
        //: %1: the slot of the last ingredient record the scale took
        return Text::tr("Stopped after Message#%1").arg(last);
    //: %1: the number of the last ingredient record the scale gave
    return Text::tr("Stopped after INGRED#%1").arg(last);
}

JobStart jobStartOf(const Job& job, const QString& name) {
    JobStart start;
    start.scale = storeKey(portIdentity(name));
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
    Store store;
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
// line with what to do, and kept on the PC until the store can take it.
StoreWriter::Verdict recordJob(StoreWriter& writer, const JobStart& start, const QString& storePath,
                               JobOutcome& o, TransferSink& sink) {
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
    if (v.recorded)
        return v;
    keepUnrecorded(storePath, start, f);
    o.unrecorded = true;
    o.storeProblem = v.problem;
    // The store's own problem, with what to do about it, comes as storeProblem().
    const bool sent = o.what == JobOutcome::What::Download && o.result.records > 0;
    sink.status(sent ? Text::tr("ERROR! sent, not recorded: the store could not keep this job, "
                                "so the next Changed download reads the scale's table first")
                     : Text::tr("ERROR! not recorded: the store could not keep this job, so the "
                                "next Changed download reads the scale's table first"));
    return v;
}

// The store's word when the store does not answer in time.
StoreWord silentStore() {
    StoreWord word;
    word.doubt =
        QString::fromUtf8(QT_TRANSLATE_NOOP("StoreDoubt", "the store did not answer in time"));
    return word;
}

// The store, as a job sees it before it begins.
struct StoreSelf {
    QString id;   // Store::storeId()
    QString path; // Store::path()
    QString seen; // the mark it keeps of the scale's note on this PC
};

} // namespace

JobOutcome runJob(ScaleLink& link, const Job& job, TransferSink& sink,
                  const std::function<StoreWriter&()>& writer,
                  const std::function<PortLoss(TableKind)>& takeLost) {
    JobOutcome o = outcomeOf(job);
    if (std::holds_alternative<DisplayJob>(job)) {
        o.display = updateDisplay(link);
        o.stopped = link.stopped() && !(o.display && o.display->recordCame);
        o.portOpen = link.isOpen();
        return o;
    }
    StoreWriter& store = writer();
    const QString identity = link.port().identity();
    JobStart start = jobStartOf(job, link.port().name());
    start.scale = storeKey(identity);
    store.begin(start);
    // A store that does not answer in time has no mark of the note: its word waits for a read.
    const StoreSelf self = store.read<StoreSelf>(
        [key = start.scale, table = start.table](Store& m) {
            return StoreSelf{m.storeId(), m.path(), m.noteSeen(key, table)};
        },
        StoreSelf{QString(), Store::defaultPath(), QStringLiteral("-")});

    // The note on the PC: a job that sends says it is under way before its first byte, so that
    // a kill or a power cut leaves the scale doubted until its table is read again.
    const std::optional<ScaleNote> found = readNote(identity, start.table);
    const bool current = found
                             ? !found->unreadable && !found->underway && found->mark() == self.seen
                             : self.seen.isEmpty();
    ScaleNote note = found && !found->unreadable ? *found : ScaleNote{};
    if (note.name.isEmpty())
        note.name = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const bool sends = std::holds_alternative<DownloadJob>(job);
    // The store's word as it stands before this job's own note says it is under way.
    StoreWord word;
    if (const auto* d = std::get_if<DownloadJob>(&job);
        d && d->options.extent == DownloadExtent::Changed)
        word = store.read<StoreWord>(
            [identity, table = start.table](Store& m) { return storeWord(m, identity, table); },
            silentStore());
    if (sends) {
        ++note.sent;
        note.store = self.id;
        note.storePath = self.path;
        note.underway = true;
        note.recorded = false;
        if (!writeNote(identity, start.table, note))
            store.markUnconfirmed(QString::fromUtf8(
                QT_TRANSLATE_NOOP("StoreDoubt", "its note on this PC could not be written")));
    }

    // A port lost since the last job may have come back on another scale, or on one that
    // was switched off and lost its table: the store's word waits for the table to be read.
    const auto doubtIfLost = [&] {
        const PortLoss lost = takeLost(start.table);
        if (lost == PortLoss::None)
            return;
        // A network serial server that refused to connect again did not lose the line in the
        // middle of a record; the scale's table is read again all the same.
        store.markUnconfirmed(
            lost == PortLoss::Refused
                ? QString::fromUtf8(QT_TRANSLATE_NOOP(
                      "StoreDoubt", "its serial server refused a connection since "
                                    "its last job"))
                : QString::fromUtf8(
                      QT_TRANSLATE_NOOP("StoreDoubt", "the port was lost since its last job")));
    };
    doubtIfLost();
    std::visit(
        Overloaded{
            [&](const DownloadJob& d) {
                std::visit([&](const auto& t) { runDownload(link, d, t, word, sink, store, o); },
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
                o.readWhole =
                    u.options.extent == UploadExtent::All && uploadEnded(o.result.outcome);
            },
            [&](const CompareJob& c) {
                std::visit([&](const auto& t) { compare(link, t, sink, store, o); }, c.table.table);
                o.result = o.readResult;
                o.stopped = o.result.outcome == TransferOutcome::Stopped;
            },
            [&](const DisplayJob&) {}},
        job);
    doubtIfLost(); // for the next job, in this program or another
    // The store's word is the note's again only through a job it records: one whose note was
    // its word as it began, or one that read the whole table.
    if ((sends || o.readWhole) && (current || o.readWhole))
        store.markSeen(note.mark());
    const StoreWriter::Verdict v = recordJob(store, start, self.path, o, sink);
    if (sends || o.readWhole) {
        note.store = self.id;
        note.storePath = self.path;
        note.underway = false;
        note.recorded = v.recorded;
        writeNote(identity, start.table, note);
    }
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
