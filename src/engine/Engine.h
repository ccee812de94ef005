// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortFactory.h"
#include "ScaleMemory.h"
#include "TableDiff.h"
#include "Transfers.h"

#include <QObject>

#include <memory>
#include <variant>

namespace tarn {

// The jobs the engine runs. Each carries what it needs (a download, a copy of the table it
// sends), so the window or the command line may change its own tables while the job runs.
struct DownloadJob {
    SentTable table; // the records of the table it sends, PLU or ingredients
    bool hasFile = false;
    DownloadOptions options;
    // After a download that reached its end: a compare of the table with what the scale then
    // holds (the line has no checksum: a byte doubled on a noisy line leaves wrong bytes).
    bool verify = false;
    TableKind kind() const { return kindOf(table); }
};
// A download of the workspace's table of `kind`, as it stands now.
DownloadJob downloadJob(TableKind kind, const Workspace& ws, const DownloadOptions& options);
struct UploadJob {
    TableKind kind = TableKind::Plu;
    UploadOptions options;
};
// Why a job would be refused before the line is used, with its status text (downloadRefusal()
// and uploadRefusal() for the job's table); nullopt when it may go ahead.
std::optional<std::pair<Refusal, QString>> refusalOf(const DownloadJob& job);
std::optional<std::pair<Refusal, QString>> refusalOf(const UploadJob& job);
struct DisplayJob {};
// Reads the scale's whole table (the upload of every number) into the outcome's `received`
// and sets the PC's table beside it; the table on screen stays as it is.
struct CompareJob {
    DownloadJob table; // the table as it stands; its options and file are not used
};
using Job = std::variant<DownloadJob, UploadJob, DisplayJob, CompareJob>;

// The job's row in the history as it starts on the port of this name.
JobStart jobStartOf(const Job& job, const QString& name);
// A job that never reached the line (refused, the port did not open) as one row of the
// history, written on the caller's thread; a store that cannot be written keeps no row.
void recordNotRun(const Job& job, const QString& name, JobEnd end, const QString& text);

// How a job ended.
struct JobOutcome {
    enum class What { Download, Upload, Display, Compare };
    What what = What::Download;
    TableKind kind = TableKind::Plu;
    TransferResult result; // table transfers
    // Uploads: the records read (showUpload puts them into a table); refused uploads read none.
    // Compare and verify: the scale's table as read.
    ReceivedTable received;
    // Display read: the read-outs, nullopt when the scale did not answer the sync byte.
    std::optional<DisplayTexts> display;
    // Compare, and a download's verify: how the read of the scale's table ended, and the
    // differences, record by record and field by field; nullopt when the read did not reach
    // the scale's end (nothing can be said) or a verify did not run.
    TransferResult readResult;
    std::optional<std::vector<FieldDifference>> differences;
    bool stopped = false;  // the job was stopped (also the display read)
    bool portOpen = false; // the port after the job (a lost port is closed)
    // The job went to the scale but the store could not record it ("sent, not recorded"), and
    // the store's own words on why, with what to do.
    bool unrecorded = false;
    QString storeProblem;
};

// Each request to an engine has an id, counted from 1; its answer carries it.
using RequestId = quint64;

// One port to one scale, with the port, its link and its clock on a worker thread of their own.
// The worker keeps what the scale holds in the store through a StoreWriter (a thread of its
// own, so a store slow to lock never holds the line): a downloaded record from the moment the
// scale acknowledges it, an uploaded one when it comes; a record about to go on the line is
// forgotten first. Every table job is one row of the history. A "Changed" download's slots are
// found there as the job starts. A job the store could not record still runs to its end, says
// so on its own line, leaves the scale unconfirmed in the note beside the port locks, and
// its outcome is `unrecorded`.
//
// The owner (the window, a port of the command line) asks for things by calling it and hears
// of them through queued signals; it never waits on the line. The worker takes the requests
// from a queue, one at a time in the order they were made, and runs each to its end; its waits
// block on the line and the stop flag, so no request runs inside another. Each request returns
// its id and its answer (opened, closed, finished) carries that id.
//
// The texts of a job come as status() in the order the operator sees them, with progress() and
// acknowledged() between, and finished() last.
class Engine : public QObject {
    Q_OBJECT
public:
    explicit Engine(PortParts parts, QObject* parent = nullptr);
    // Stops what runs, drops what waits in the queue and closes the port, on its own thread.
    ~Engine() override;

    // Opens the port by name (parsePortName's names); answered by opened().
    RequestId open(const QString& name);
    // Closes the port; answered by closed(). A stop never ends a close.
    RequestId close();
    // Runs a job on the open port; answered by finished().
    RequestId run(Job job);
    // Stops the request that runs and those already queued, from any thread: a wait of the
    // line or a connect ends at once (an exchange under way ends as the scale ends it, see
    // ScaleLink), and an open or a job not yet begun is answered as stopped without touching
    // the line. Requests made after the stop run.
    void stop();

    // The port as the last answer left it.
    bool isOpen() const { return open_; }
    // The port's name as last opened, and the system's name for it ("/dev/ttyS0" for "Com1").
    QString portName() const { return portName_; }
    QString systemName() const { return systemName_; }

signals:
    // `failure` is empty when the port opened; `stopped` when stop() ended the attempt.
    void opened(const QString& name, const QString& failure, bool stopped, tarn::RequestId id);
    void closed(bool wasOpen, tarn::RequestId id);
    void status(const QString& text);
    void progress(int done, int total);
    void acknowledged(const tarn::RecordAck& ack);
    void finished(const tarn::JobOutcome& outcome, tarn::RequestId id);
    // The port failed while open, or a reset could not reopen it; it is closed now.
    void portLost(const QString& message);
    // The store of what the scales hold could not record a job ("ERROR! cannot keep what the
    // scales hold in ..."), said at each such job; the transfers go on without it.
    void storeProblem(const QString& text);

private:
    class Worker;
    // Says on this thread what the worker has to say: answers and reports, in order.
    Q_INVOKABLE void deliver();

    std::unique_ptr<Worker> worker_;
    bool open_ = false;
    QString portName_;
    QString systemName_;
};

} // namespace tarn

Q_DECLARE_METATYPE(tarn::JobOutcome)
Q_DECLARE_METATYPE(tarn::RecordAck)
