// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortFactory.h"
#include "TableDiff.h"
#include "Transfers.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <variant>

namespace tarn {

// The jobs the engine runs. Each carries what it needs (a download, a copy of the table it
// sends), so the window or the command line may change its own tables while the job runs.
struct DownloadJob {
    TableKind kind = TableKind::Plu;
    TableRecords<PluRecord> plu;       // for a PLU download
    TableRecords<IngredRecord> ingred; // for an ingredient download
    bool hasFile = false;
    DownloadOptions options;
    // After a download that reached its end: a compare of the table with what the scale then
    // holds (the line has no checksum: a byte doubled on a noisy line leaves wrong bytes).
    bool verify = false;
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
// Reads the scale's whole table (the upload of every number) into a table of its own and sets
// the PC's table (`table.plu` or `table.ingred`) beside it; the table on screen stays as it is.
struct CompareJob {
    DownloadJob table; // the table as it stands; its options and file are not used
};
using Job = std::variant<DownloadJob, UploadJob, DisplayJob, CompareJob>;

// How a job ended.
struct JobOutcome {
    enum class What { Download, Upload, Display, Compare };
    What what = What::Download;
    TableKind kind = TableKind::Plu;
    TransferResult result; // table transfers
    // Uploads: the records read (showUpload puts them into a table); refused uploads read none.
    Received<PluRecord> pluReceived;
    Received<IngredRecord> ingredReceived;
    // Display read: the read-outs, nullopt when the scale did not answer the sync byte.
    std::optional<DisplayTexts> display;
    // Compare, and a download's verify: how the read of the scale's table ended, and the
    // differences, record by record and field by field; nullopt when the read did not reach
    // the scale's end (nothing can be said) or a verify did not run.
    TransferResult readResult;
    std::optional<std::vector<FieldDifference>> differences;
    bool stopped = false;  // the job was stopped (also the display read)
    bool portOpen = false; // the port after the job (a lost port is closed)
};

// One port to one scale, with the port, its link and its clock on a worker thread of their own.
// The worker keeps what the scale holds in the store (ScaleMemory, its own connection made on
// its thread): a downloaded record from the moment the scale acknowledges it, an uploaded one
// when it comes; a record about to go on the line no longer counts as held. A "Changed"
// download's slots are found there as the job starts. A store that cannot be opened is said
// once (storeProblem()) and changes nothing else.
// The owner (the window, a port of the command line) asks for things by calling it and hears
// of them through queued signals; it never waits on the line. One request at a time is meant:
// the owner starts the next once the last has answered (busy() false).
//
// The texts of a job come as status() in the order the operator sees them, with progress() and
// acknowledged() between, and finished() last.
class Engine : public QObject {
    Q_OBJECT
public:
    explicit Engine(PortParts parts, QObject* parent = nullptr);
    ~Engine() override; // stops what runs and closes the port, on its own thread

    // Opens the port by name (parsePortName's names); answered by opened().
    void open(const QString& name);
    // Closes the port; answered by closed().
    void close();
    // Runs a job on the open port; answered by finished().
    void run(Job job);
    // Ends what runs now at once (a wait of the line, a connect under way), from any thread; a
    // job started later runs. Answered by the ended request's own signal.
    void stop();

    // A request has not been answered yet.
    bool busy() const { return pending_ > 0; }
    // The port as the last answer left it.
    bool isOpen() const { return open_; }
    // The port's name as last opened, and the system's name for it ("/dev/ttyS0" for "Com1").
    QString portName() const { return portName_; }
    QString systemName() const { return systemName_; }

signals:
    // `failure` is empty when the port opened; `stopped` when stop() ended the attempt.
    void opened(const QString& name, const QString& failure, bool stopped);
    void closed(bool wasOpen);
    void status(const QString& text);
    void progress(int done, int total);
    void acknowledged(const tarn::RecordAck& ack);
    void finished(const tarn::JobOutcome& outcome);
    // The port failed while open, or a reset could not reopen it; it is closed now.
    void portLost(const QString& message);
    // The store of what the scales hold cannot be opened or written: said once in the process
    // ("ERROR! cannot keep what the scales hold in ..."); the transfers go on without it.
    void storeProblem(const QString& text);

private:
    class Worker;
    // Runs `work` on the worker thread with the link; `answer` then runs here.
    void post(std::function<std::function<void()>(ScaleLink&)> work);

    std::unique_ptr<Worker> worker_;
    int pending_ = 0;
    bool open_ = false;
    QString portName_;
    QString systemName_;
};

} // namespace tarn

Q_DECLARE_METATYPE(tarn::JobOutcome)
Q_DECLARE_METATYPE(tarn::RecordAck)
