// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h" // TableKind

#include <QByteArray>
#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace tarn {

// What each scale holds and every job run on it, kept in one SQLite file that the window and
// every tarnlink-cli run share (several may write at once), or in a PostgreSQL server's
// database that several PCs share (TARNLINK_STORE=postgresql://USER@HOST[:PORT]/DB); the same
// layout and queries on both.
//
// A scale is known by its identity (portIdentity(): the device, not the name typed); each
// job also keeps the name it was run under, for display.
//
// The store never claims more than it saw. A record counts as held only once the scale
// acknowledged it (download: the closing byte 0x10) or sent it (upload, compare), and it is
// forgotten before it goes on the line. What the store cannot vouch for (a job whose writes
// failed, an older Tarnlink's records) marks the scale unconfirmed: its records are then not
// trusted until the scale's table is read again.
//
// The store is a convenience: when it cannot be opened or written it says why, with what to
// do, through takeProblem(), and the transfers run as they always did. It is not given up:
// retry() opens it again, and a write that failed may be tried again.
//
// One object belongs to one thread (a Qt SQL connection is used only by the thread that made
// it): the engine's writer makes its own, the window another. Objects on the same file, in one
// process or several, may live side by side.
//
// The bytes of a record are those of its record on the line, without its number (which is the
// key): encodePluRecord()/encodeIngredRecord() of the record, or, from an upload reply, bytes
// 4 to 75 of the PLU reply and 2 to 401 of the ingredient reply (the same bytes).

// What a job did, as the history keeps it.
enum class TransferDirection { Download, Upload, Compare };
// "download" / "upload" / "compare", as the history shows and stores it.
QString directionName(TransferDirection d);
TransferDirection directionOf(const QString& name);

// How a job ended, in one word for scripts.
enum class JobEnd {
    Ok,         // sent or read what it was to; a compare or verify found the table
    Nothing,    // a Changed download found nothing to send
    Differs,    // a compare or verify found records held differently
    Stopped,    // stopped by the operator
    Failed,     // the port did not open, a record failed its retries, the port was lost
    Refused,    // refused before the line was used
    Unrecorded, // ran, but the store could not keep what it did
};
QString jobEndWord(JobEnd end);
std::optional<JobEnd> jobEndOf(const QString& word);

// A job as it starts.
struct JobStart {
    QString scale; // identity
    QString name;  // the port's name as used
    TableKind table = TableKind::Plu;
    TransferDirection direction = TransferDirection::Download;
    QString extent;    // in the caller's words: "ALL", "1-5", "Changed", "Compare"
    QDateTime started; // UTC
};

// A job as it ends.
struct JobFinish {
    JobEnd end = JobEnd::Ok;
    QString text;                   // how it ended, in the operator's words
    int records = 0;                // sent (downloads) or read (uploads, compares)
    std::optional<int> differences; // a compare or verify: records held differently
    QDateTime ended;                // UTC
};

// A record the scale acknowledged (download) or sent (upload) in a job.
struct RecordEntry {
    int slot = 0;   // the table's slot (download) or the requested number (upload)
    int number = 0; // the record's number on the scale: PLU No or Message No
    QDateTime at;   // UTC
};

// One job as the history keeps it.
struct TransferEntry {
    qint64 id = 0;
    QString scale; // identity
    QString name;  // the port's name as used
    TableKind table = TableKind::Plu;
    TransferDirection direction = TransferDirection::Download;
    QString extent;
    QDateTime started; // UTC
    QDateTime ended;   // UTC; invalid when the job never ended (the program was killed)
    QString howEnded;  // the operator's words; empty when it never ended
    QString outcome;   // jobEndWord(); empty when never ended or kept by an older Tarnlink
    int records = 0;   // records acknowledged or received, all of them
    std::optional<int> differences;
    std::vector<RecordEntry> acknowledged; // with a number filter: that number's moments
};

// Which jobs history() lists, newest first.
struct HistoryFilter {
    QString port;              // a port's name (any name of the scale); empty: every scale
    std::optional<int> plu;    // jobs that acknowledged or read this PLU No
    std::optional<int> ingred; // ... this Message No (set at most one of plu and ingred)
    QDateTime since;           // started at or after; invalid: any time
    int limit = 0;             // the newest this many; 0: all
};

// What the store holds of one record of a scale.
struct HeldRecord {
    QByteArray bytes;
    QDateTime confirmed; // when the scale last acknowledged, sent or matched it (UTC)
    int slot = 0;        // the scale's slot it was last read from; 0: not known
};

// How a scale answers a request for number n in an upload: with the record in its n-th slot,
// or with the record whose number is n. Learned from what it answers.
enum class ScaleAnswers { Unknown, BySlot, ByNumber };

// Whether the store vouches for what it holds of a scale's table.
struct ScaleState {
    bool unconfirmed = false;
    QString why;         // why not, in the operator's words
    QDateTime checked;   // when the scale last confirmed the store's word (UTC); invalid: never
    QDateTime readWhole; // when its whole table was last read (UTC); invalid: never
    ScaleAnswers answers = ScaleAnswers::Unknown;
};

// The name the store keeps a scale under: its identity on this PC (portIdentity()) with its
// place, "IDENTITY@PLACE". A device is its PC's (the settings' `pc`, the host name by default),
// a network serial server its shop's (`shop`, the PC's name by default), so that one shared
// store tells /dev/ttyS0 of two PCs apart and two PCs of one shop share their tcp scales.
QString storeKey(const QString& identity);
// The identity and the place of a key; a key without a place (kept by an older Tarnlink) has
// none.
std::pair<QString, QString> splitStoreKey(const QString& key);

// A scale the store knows (it ran a job there), as scales() lists it.
struct KnownScale {
    QString scale;      // identity
    QString place;      // the PC (a device) or the shop (a network server) it belongs to
    QStringList names;  // the names it was used under, sorted
    QString pc;         // the PC that ran its last job (empty: an older Tarnlink's job)
    QString user;       // the user who ran it
    TransferEntry last; // its last job
    QDateTime checked;  // when it last confirmed the store's word (UTC); invalid: never
};

// One job in progress, as beginTransfer() returns it. id 0: the store did not record it.
struct TransferKey {
    qint64 id = 0;
    QString port; // identity
    TableKind table = TableKind::Plu;
};

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
    // TARNLINK_STORE when it is set (a test's own store, a second shop on one PC, a server's
    // postgresql://USER@HOST[:PORT]/DB[?sslmode=...]), otherwise the line "store = ..." of the
    // settings file that the window and tarnlink-cli share (Settings::load()), otherwise
    // "tarnlink/scales.sqlite" in the generic data folder (~/.local/share on Linux, honouring
    // XDG_DATA_HOME). Not the per-program folder, which differs between the window and
    // tarnlink-cli.
    static QString defaultPath();
    // The version of the store's layout this Tarnlink writes; older files are brought up to it
    // step by step as they open, newer ones are refused.
    static constexpr int kVersion = 5;
    // Jobs older than this are dropped from the history as new ones come.
    static constexpr int kKeepDays = 400;

    // Whether `name` names a PostgreSQL server's database (postgresql://...) rather than a file.
    static bool isServerStore(const QString& name);
    QString path() const { return path_; }
    // The store's name as the operator may see it: the file, or the server's URL without a
    // password.
    QString displayName() const;
    bool isOpen() const { return open_; }
    // Opens the store again when it is not open (a job starting, the window refreshing).
    bool retry();
    // The store's problem since it was last taken, for the caller to show ("ERROR! ...",
    // with what to do); empty when there was none.
    QString takeProblem();
    // A text that stands for this store in the notes beside the port locks: the id it keeps in
    // itself, or its path while it cannot be read.
    QString storeId() const;

    // Reading.
    // What the store says the scale on the port of this name holds of the table:
    // record number -> bytes.
    std::map<int, QByteArray> held(const QString& port, TableKind table) const;
    // The same, by the scale's identity, with when each record was last confirmed.
    std::map<int, HeldRecord> heldRecords(const QString& scale, TableKind table) const;
    ScaleState state(const QString& scale, TableKind table) const;
    // Whether job `id` is in the history and ended recorded (neither unrecorded nor cut off).
    bool recorded(qint64 id) const;
    // What every scale holds of the table, and the store's word on each: by identity, in one
    // read each (a head office asking about every scale of a chain).
    std::map<QString, std::map<int, QByteArray>> heldByScale(TableKind table) const;
    std::map<QString, ScaleState> states(TableKind table) const;
    // Every scale the store knows, by identity, with its last job.
    std::vector<KnownScale> scales() const;
    // Jobs, newest first. Reads only the rows it returns.
    std::vector<TransferEntry> history(const HistoryFilter& filter = {}) const;

    // Writing. Each of these runs inside transaction(); false when a statement failed (the
    // transaction then writes nothing).
    // Runs `steps` in one transaction, waiting at most `busy` for another writer; false, with
    // the problem kept, when it could not be written.
    bool transaction(const std::function<bool()>& steps, std::chrono::milliseconds busy);
    // The job's history row; its id in *id. Drops jobs more than kKeepDays before it started.
    bool insertJob(const JobStart& start, qint64* id);
    bool finishJob(qint64 id, const JobFinish& finish);
    // The store no longer claims to know what the scale holds under these numbers. Before a
    // record goes on the line (a record cut off between its bytes and its closing byte may
    // have changed the scale); also where the scale said it holds nothing.
    bool forget(const QString& scale, TableKind table, const std::vector<int>& numbers);
    // The scale acknowledged or sent the record at `at`: it holds `bytes` under `number`.
    // Kept in the job's history too when `job` is not 0 (`slot` as the job knows it). `read`:
    // the scale sent it when asked for its slot `slot`, which the store keeps (a record the
    // scale acknowledged stays in the slot it was last read from, or takes one not known).
    bool hold(const QString& scale, TableKind table, qint64 job, int slot, int number,
              const QByteArray& bytes, const QDateTime& at, bool read = false);
    // The scale sent these records back as the store holds them.
    bool confirm(const QString& scale, TableKind table, const std::vector<int>& numbers,
                 const QDateTime& at);
    // The scale holds nothing but these numbers (its whole table was read).
    bool keepOnly(const QString& scale, TableKind table, const std::set<int>& numbers);
    // The store cannot vouch for what it holds of the scale, and why.
    bool markUnconfirmed(const QString& scale, TableKind table, const QString& why);
    // The scale confirmed the store's word at `at`; it is trusted again.
    bool markChecked(const QString& scale, TableKind table, const QDateTime& at);
    // The scale's whole table was read at `at`: it is trusted again.
    bool markRead(const QString& scale, TableKind table, const QDateTime& at);
    // This store recorded the job that brought the scale's note on this PC to `note`.
    bool markSeen(const QString& scale, TableKind table, const QString& note);
    // The mark of the scale's note on this PC that this store last knew as its own word.
    QString noteSeen(const QString& scale, TableKind table) const;
    bool setAnswers(const QString& scale, TableKind table, ScaleAnswers answers);

    // A consistent copy of the store, the records of jobs running now included, in a new file
    // at `path`; the reason when it could not be made.
    std::optional<QString> backup(const QString& path);

    // The calls of the first store (one transaction each, on the default busy time-out),
    // given the port's name.
    TransferKey beginTransfer(const QString& port, TableKind table, TransferDirection direction,
                              const QString& extent);
    void forgetHeld(const TransferKey& transfer, const std::vector<int>& numbers);
    void recordHeld(const TransferKey& transfer, int slot, int number, const QByteArray& bytes);
    void endTransfer(const TransferKey& transfer, const QString& howEnded);

    // For tests: every store opened after this holds at most `pages` pages of 4 KiB (0: no
    // limit), so that a write finds the disk full; or opens read-only, as on a read-only disk.
    struct Limits {
        int pages = 0;
        bool readOnly = false;
    };
    static void setLimitsForTests(Limits limits);

    // A statement on this store's connection, for the store's other parts (PrintedLabels);
    // nullopt when it failed (the reason kept for a transaction()).
    std::optional<QSqlQuery> query(const QString& sql, const QVariantList& values = {}) const {
        return run(sql, values);
    }

private:
    void openAt(const QString& path);
    bool openConnection();
    bool migrate(int from);
    // Keeps the problem for takeProblem(): what failed and what to do.
    void fail(const QString& reason, int code) const;
    // Runs a statement on this object's connection; nullopt (and error_ set) when it fails.
    std::optional<QSqlQuery> run(const QString& sql, const QVariantList& values = {}) const;
    // Writes in one transaction on the default busy time-out; keeps the problem when it fails.
    bool write(const std::function<bool()>& steps);
    void closeConnection();

    QString connection_; // unique to this object
    QString path_;
    bool open_ = false;
    bool readOnly_ = false;
    bool server_ = false; // a PostgreSQL server's database, not a file
    bool reconnecting_ = false;
    std::chrono::milliseconds busy_{-1}; // the connection's wait for another writer; -1: not set
    QString storeId_;
    mutable QString problem_;
    mutable QString error_;
    mutable int errorCode_ = 0; // SQLite's primary result code of the last failure
};

} // namespace tarn
