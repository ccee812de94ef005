// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"
#include "TableDiff.h"
#include "Transfers.h"

#include <functional>
#include <optional>
#include <variant>

namespace tarn {

class ScaleLink;
class StoreWriter;

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
    // The scale's whole table was read (an "All" upload, a compare, a verify, a Changed
    // download's read): what the store held of it before no longer matters.
    bool readWhole = false;
    // A Changed download: records the scale holds that the table does not have.
    int extra = 0;
};

// How far a stopped job came, as the status line and the history say it: "Stopped after
// plu#37" (a download's "Message#3", an ingredient upload's "INGRED#3"), "Stopped before the
// first record", the display read's "Stopped".
QString stoppedText(const JobOutcome& o);

// How the port was lost since the last job on a table.
enum class PortLoss {
    None,
    Lost,    // the port failed, or a reset could not reopen it
    Refused, // a network serial server refused to connect again (Port::refusedConnection())
};

// What a job does on the line and in the store, on the engine's worker thread: its transfer,
// the check and the read of a Changed download, its writes through the store's `writer`, its
// history row. `takeLost` says how the port was lost since the last job on a table.
JobOutcome runJob(ScaleLink& link, const Job& job, TransferSink& sink,
                  const std::function<StoreWriter&()>& writer,
                  const std::function<PortLoss(TableKind)>& takeLost);
// A job that a stop ended before it began: nothing was sent or read.
JobOutcome stoppedBeforeItBegan(const Job& job, const ScaleLink& link);

} // namespace tarn
