// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Handshake.h"
#include "Records.h"
#include "Workspace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace tarn {

// The five exchanges with the scale as the operator starts them: the two downloads, the two
// uploads and the display read. They run on the thread that owns the link (the engine's) and
// return at once when the link is stopped.
//
// Every text goes to the sink, in the order the operator sees it; the result tells the caller
// how the transfer ended. The window and the command line render results, each in one place.

// Which records of the table a download sends: the number boxes' texts as typed, since
// checking them is part of the transfer ("PLU Range is not valid" and its twin).
enum class DownloadExtent {
    One,   // slot `one`
    Range, // slots `start` to `end` (a start above the end is valid and sends nothing)
    All,   // slots 1 to the table's count
    // The slots in `changed`, in slot order: the records the scale does not hold as they stand
    // (changedSlots() over what the store says it holds). Checked before the line as All is,
    // since a record that cannot go on the line is always among them.
    Changed,
};
struct DownloadOptions {
    DownloadExtent extent = DownloadExtent::All;
    QString one = QStringLiteral("1");
    QString start = QStringLiteral("1");
    QString end = QStringLiteral("2");
    std::vector<int> changed = {}; // the slots of a Changed download
    // What a Changed download that finds nothing to send says, and what it rests on.
    QString nothing =
        QCoreApplication::translate("ChangedPlan", "Nothing to send: the scale holds this table");
};

// Which numbers an upload asks the scale for: one number (its box's text as typed, 1 to 200),
// or 1 to 200 until the scale says it holds no more.
enum class UploadExtent { One, All };
struct UploadOptions {
    UploadExtent extent = UploadExtent::All;
    QString number = QStringLiteral("1");
};

enum class TransferOutcome {
    Finished,          // every record of the extent went through (a download shows " THE END ")
    EndOfData,         // upload: the scale holds no more ("PLU is not exist" / "END")
    Refused,           // nothing was sent: no file, a number box, a record that cannot be sent
    Abandoned,         // counted failures went past the transfer's limit
    RestartsExhausted, // the scale kept answering so that the record restarted without end
    PortLost,          // the port was lost on the way, or a reset could not reopen it
    Stopped,           // the link was stopped (Stop, Exit, Ctrl-C)
};

// An upload that reached its normal end: every number asked for read, or the scale said it
// holds no more.
inline bool uploadEnded(TransferOutcome outcome) {
    return outcome == TransferOutcome::Finished || outcome == TransferOutcome::EndOfData;
}

// Which rule refused a transfer before the line was used.
enum class Refusal {
    None,
    NoFile,      // a download with no table file ("ERROR! select plu files")
    Extent,      // the number boxes select no valid slots ("PLU Range is not valid")
    Record,      // a record of the extent cannot go on the line ("ERROR! PLU row 3: ...")
    NumberBox,   // an upload's number is not 1 to 200
    PortNotOpen, // "ERROR! port is not open"
};

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Finished;
    int records = 0; // records acknowledged by the scale (downloads) or stored (uploads)
    QString message; // the last status text the transfer showed
    Refusal refusal = Refusal::None;
    // Where an abandoned transfer failed: the handshake's step.
    std::optional<HandshakeStep> failedStep;
    int lastRecord = 0; // the slot (download) or number (upload) of the last record that went
                        // through; 0 when none did
    int total = 0;      // records in the extent (uploads: numbers asked for at most)
    bool nothingToSend = false; // a Changed download found every record on the scale
};

// A record the scale took or gave: for a download after its closing byte 0x10, for an upload
// once the reply was received and stored. `wire` is the record as it went on the line (the
// download's 72 or 400 bytes, the upload's whole reply).
struct RecordAck {
    TableKind kind = TableKind::Plu;
    bool download = true;
    int slot = 0;   // the table slot (grid row of the table)
    int number = 0; // the PLU number or message number on the line
    QByteArray wire;
};

// Where a transfer reports as it runs: each status text in the order the operator sees it,
// progress, and each record acknowledged.
class TransferSink : public StatusSink {
public:
    // Records done of the extent's total. Called with 0 before the first record and after
    // each record; never for a refused transfer.
    virtual void progress(int /*done*/, int /*total*/) {}
    // A download's record is about to go on the line (slot, number): from here on the scale
    // may hold it, or half of it, whatever the end.
    virtual void sending(TableKind /*kind*/, int /*slot*/, int /*number*/) {}
    virtual void acknowledged(const RecordAck& /*ack*/) {}
};

// The records of one table that a download sends: a copy taken when it starts.
template <class R> struct TableRecords {
    using Record = R;
    std::array<R, kTableSlots> records{};
    qint16 count = 0;
};
// The records a download sends, of either table: which table is which alternative it holds.
using SentTable = std::variant<TableRecords<PluRecord>, TableRecords<IngredRecord>>;
template <class R> TableRecords<R> recordsOf(const Table<R>& table) {
    return {table.records, table.count};
}

// A download's record by its slot as the status line names it: "plu#17", "Message#3".
QString sentRecordName(TableKind kind, int slot);

// A number box's text as a table row, 1 on; nullopt for anything else, a fraction included.
std::optional<int> downloadRowNumber(const QString& text);

// The slots a download's options select in a table of `count` records, in the order they are
// sent; nullopt when the number boxes are not valid ("PLU Range is not valid"). A start above
// the end is valid and selects nothing. Changed: its slots within the table.
std::optional<std::vector<int>> downloadSlots(int count, const DownloadOptions& options);

// Why a download would be refused before the line is used, as its status text; nullopt when
// it may go ahead. The same rules, in the same order, for the window and the command line.
template <class R>
std::optional<std::pair<Refusal, QString>>
downloadRefusal(const TableRecords<R>& table, bool hasFile, const DownloadOptions& options);
// Why an upload would be refused before the line is used (its number box).
template <class R>
std::optional<std::pair<Refusal, QString>> uploadRefusal(const UploadOptions& options);

// Send records of the table to the scale. Refused (nothing sent) as downloadRefusal() says,
// and when the port is not open.
template <class R>
TransferResult download(const TableRecords<R>& table, bool hasFile, ScaleLink& link,
                        const DownloadOptions& options, TransferSink& sink);

// What an upload read: the records by their slot, and the first number asked for.
template <class R> struct Received {
    using Record = R;
    std::array<R, kTableSlots> records{};
    qint16 count = 0;
    int first = 1;
};
// What an upload read, of either table.
using ReceivedTable = std::variant<Received<PluRecord>, Received<IngredRecord>>;
// Nothing yet read, from the table of `kind`.
ReceivedTable receivedTable(TableKind kind);

// The table either of them is of.
template <class Records> TableKind kindOf(const Records& table) {
    return std::visit(
        [](const auto& t) {
            return RecordTraits<typename std::decay_t<decltype(t)>::Record>::kind;
        },
        table);
}

// Read records from the scale into `into`. Refused when the number box is not a number from
// 1 to 200, or the port is not open.
template <class R>
TransferResult upload(ScaleLink& link, const UploadOptions& options, TransferSink& sink,
                      Received<R>& into);

// Puts what an upload read into the table: its grid and records cleared first, then the
// records received in the grid from row 1, each with its slot number.
template <class R> void showUpload(Table<R>& table, const Received<R>& received);
// The same into the workspace's table of the records' kind.
void showUpload(Workspace& ws, const ReceivedTable& received);

// The display read: the texts of the three read-outs (weight, unit price, total price), each
// a 32-bit value as a signed decimal number; all "0" when the record did not come in time.
// nullopt when the scale did not answer the sync byte: the read-outs keep their texts.
// Writes nothing to the status line.
struct DisplayTexts {
    QString weight;
    QString unitPrice;
    QString totalPrice;
    bool recordCame = true; // false: the zeros stand for a record that never came
    bool operator==(const DisplayTexts&) const = default;
};
std::optional<DisplayTexts> updateDisplay(ScaleLink& link);

} // namespace tarn
