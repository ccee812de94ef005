// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h" // TableKind

#include <QByteArray>
#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tarn {

// What each scale holds and what was sent to it or read from it, kept in one SQLite file that
// the window and every tarnlink-cli run share (several may write at once).
//
// The store is a convenience: when it cannot be opened or written, it says so once through
// takeProblem() and every later call does nothing (queries answer "nothing known"), so the
// transfers run as they always did.
//
// A record counts as held only once the scale acknowledged it (download: the closing byte
// 0x10) or sent it (upload), and each is written in its own transaction as it happens: a
// transfer that is stopped, abandoned or killed leaves exactly the records acknowledged.
//
// One object belongs to one thread (a Qt SQL connection is used only by the thread that made
// it): the engine's worker makes its own, the window another. Objects on the same file, in one
// process or several, may live side by side.
//
// The bytes of a record are those of its record on the line, without its number (which is the
// key): encodePluRecord()/encodeIngredRecord() of the record, or, from an upload reply, bytes
// 4 to 75 of the PLU reply and 2 to 401 of the ingredient reply (the same bytes).

enum class TransferDirection { Download, Upload };
// "download" / "upload", as the history shows and stores it.
QString directionName(TransferDirection d);

// One transfer in progress, as beginTransfer() returns it. id 0: the store is not open.
struct TransferKey {
    qint64 id = 0;
    QString port; // as portKey() gives it
    TableKind table = TableKind::Plu;
};

// A record the scale acknowledged (download) or sent (upload) in a transfer.
struct RecordEntry {
    int slot = 0;   // the table's slot (download) or the requested number (upload)
    int number = 0; // the record's number on the scale: PLU No or Message No
    QDateTime at;   // UTC
};

// One transfer as the history keeps it.
struct TransferEntry {
    qint64 id = 0;
    QString port;
    TableKind table = TableKind::Plu;
    TransferDirection direction = TransferDirection::Download;
    QString extent;    // as the caller described it at the start ("ALL", "1-5", "Changed")
    QDateTime started; // UTC
    QDateTime ended;   // UTC; invalid when the transfer never ended (the program was killed)
    QString howEnded;  // as the caller described it at the end; empty when it never ended
    int records = 0;   // records acknowledged or received, all of them
    std::vector<RecordEntry> acknowledged; // in the order they came (only the filter's number
                                           // when the filter names one)
};

// Which transfers history() lists. A number filters to the transfers of that table that
// acknowledged a record of that number.
struct HistoryFilter {
    QString port;              // empty: every port
    std::optional<int> plu;    // PLU No
    std::optional<int> ingred; // Message No (set at most one of plu and ingred)
    int limit = 0;             // the newest this many transfers; 0: all
};

// The name under which a port's scale is known: the system's name of the port, so that
// "Com1", "COM1", "com1" and, on Linux, "/dev/ttyS0" are one port, as are
// "tcp:Shop-Scale:4001" and "TCP:shop-scale:4001". Other device paths are kept as written.
QString portKey(const QString& portName);

class ScaleMemory {
public:
    // The store in the user's application-data folder, shared by the window and tarnlink-cli.
    ScaleMemory();
    // The store in the file at `path` (made, with its folder, when missing).
    explicit ScaleMemory(const QString& path);
    ~ScaleMemory();
    ScaleMemory(const ScaleMemory&) = delete;
    ScaleMemory& operator=(const ScaleMemory&) = delete;

    // Where ScaleMemory() keeps its file: the file named by the environment variable
    // TARNLINK_STORE when it is set (a test's own store, a second shop on one PC), otherwise
    // "tarnlink/scales.sqlite" in the generic data folder (~/.local/share on Linux, honouring
    // XDG_DATA_HOME). Not the per-program folder, which differs between the window and
    // tarnlink-cli.
    static QString defaultPath();

    bool isOpen() const { return open_; }
    // The store's one problem, for the caller to show ("ERROR! ..."), the first time it is
    // asked after the store failed; empty otherwise and every time after.
    QString takeProblem();

    // What the store says the scale on `port` holds of the table: record number -> bytes.
    std::map<int, QByteArray> held(const QString& port, TableKind table) const;

    // A transfer starts: writes it to the history at once. `extent` describes what it sends
    // or reads, in the caller's words.
    TransferKey beginTransfer(const QString& port, TableKind table, TransferDirection direction,
                              const QString& extent);
    // The store no longer claims to know what the scale holds under these numbers. Call it
    // before a record goes on the line (once per record, or once with every number of the
    // extent before the first): a record cut off between its bytes and its closing byte, or
    // acknowledged in the instant the program was killed, may have changed the scale. Also
    // for an upload's "not exist"/"END": the scale holds nothing under that number.
    void forgetHeld(const TransferKey& transfer, const std::vector<int>& numbers);
    // The scale acknowledged (download) or sent (upload) the record: from now on it holds
    // `bytes` under `number`. Written, with its history entry, in one transaction at once.
    void recordHeld(const TransferKey& transfer, int slot, int number, const QByteArray& bytes);
    // The transfer ended; `howEnded` in the caller's words (" THE END ", the failure's text).
    void endTransfer(const TransferKey& transfer, const QString& howEnded);

    // Transfers, newest first.
    std::vector<TransferEntry> history(const HistoryFilter& filter = {}) const;

private:
    void openAt(const QString& path);
    // Keeps the first problem for takeProblem(); `close` gives the store up for good.
    void fail(const QString& reason, bool close) const;
    // Runs a statement on this object's connection; nullopt (and error_ set) when it fails.
    std::optional<QSqlQuery> run(const QString& sql, const QVariantList& values = {}) const;
    bool useWriteAheadLog();
    // Runs the steps in one transaction, or none of them.
    bool writeInOne(const std::function<bool()>& steps);

    QString connection_; // unique to this object
    QString path_;
    mutable bool open_ = false;
    mutable QString problem_;
    mutable QString error_;
    mutable bool lastBusy_ = false; // the last failed statement found the file locked
    bool problemTaken_ = false;
};

} // namespace tarn
