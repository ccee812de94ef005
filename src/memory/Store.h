// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StoreTypes.h"

#include <QSqlQuery>
#include <QVariantList>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace tarn {

class StoreConnection;

// What each scale holds and every job run on it, kept in one SQLite file that the window and
// every tarnlink-cli run share (several may write at once), or in a PostgreSQL server's
// database that several PCs share (TARNLINK_STORE=postgresql://USER@HOST[:PORT]/DB); the same
// layout (StoreLayout) and queries on both, through one StoreConnection.
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
class Store {
public:
    // How the store is opened: read and written, or only read (a read-only disk, a command
    // that only looks).
    enum class Access { ReadWrite, ReadOnly };

    // The store at defaultPath().
    Store();
    // The store at `path` (a file, made with its folder when missing, or a server's URL).
    explicit Store(const QString& path, Access access = Access::ReadWrite);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Where Store() keeps its file: the file named by the environment variable TARNLINK_STORE
    // when it is set (a test's own store, a second shop on one PC, a server's
    // postgresql://USER@HOST[:PORT]/DB[?sslmode=...]), otherwise the line "store = ..." of the
    // settings file that the window and tarnlink-cli share (Settings::load()), otherwise
    // "tarnlink/scales.sqlite" in the generic data folder (~/.local/share on Linux, honouring
    // XDG_DATA_HOME). Not the per-program folder, which differs between the window and
    // tarnlink-cli.
    static QString defaultPath();
    // Jobs older than this are dropped from the history, once a day.
    static constexpr int kKeepDays = 400;

    // Whether `name` names a PostgreSQL server's database (postgresql://...) rather than a file.
    static bool isServerStore(const QString& name);
    QString path() const { return path_; }
    // The store's name as the operator may see it: the file, or the server's URL without a
    // password.
    QString displayName() const;
    static QString displayNameOf(const QString& path);
    bool isOpen() const { return open_; }
    // Opens the store again when it is not open (a job starting, the window refreshing).
    bool retry();
    // The store's problem since it was last taken, for the caller to show ("ERROR! ...",
    // with what to do); empty when there was none.
    QString takeProblem();
    // A text that stands for this store in the notes on the PC: the id it keeps in itself, or
    // its path while it cannot be read.
    QString storeId() const;

    // Reading: what the store says the scale (its key, storeKey()) holds of the table, by
    // number, with when each record was last confirmed.
    std::map<int, HeldRecord> heldRecords(const QString& scale, TableKind table) const;
    ScaleState state(const QString& scale, TableKind table) const;
    // The mark of the scale's note on this PC that this store last knew as its own word.
    QString noteSeen(const QString& scale, TableKind table) const;
    // Every scale the store knows, with its last job.
    std::vector<KnownScale> scales() const;
    // Jobs, newest first, each handed to `row` as it is read; false when the read failed.
    bool history(const HistoryFilter& filter,
                 const std::function<void(const TransferEntry&)>& row) const;
    // The same, collected.
    std::vector<TransferEntry> history(const HistoryFilter& filter = {}) const;

    // Writing. Each of these runs inside transaction(); false when a statement failed (the
    // transaction then writes nothing).
    // Runs `steps` in one transaction, waiting at most `busy` for another writer; false, with
    // the problem kept, when it could not be written.
    bool transaction(const std::function<bool()>& steps, std::chrono::milliseconds busy);
    // The job's history row; its id in *id.
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
    // The store cannot vouch for what it holds of the scale, and why.
    bool markUnconfirmed(const QString& scale, TableKind table, const QString& why);
    // The scale confirmed the store's word at `at`; it is trusted again.
    bool markChecked(const QString& scale, TableKind table, const QDateTime& at);
    // The scale's whole table was read at `at`: it is trusted again.
    bool markRead(const QString& scale, TableKind table, const QDateTime& at);
    // This store recorded the job that brought the scale's note on this PC to `note`.
    bool markSeen(const QString& scale, TableKind table, const QString& note);
    bool setAnswers(const QString& scale, TableKind table, ScaleAnswers answers);

    // Drops the jobs that started more than kKeepDays before `now`, in batches of their own
    // transactions, at most once a day for the store (whichever program or PC comes first);
    // the rows dropped.
    int prune(const QDateTime& now);

    // A consistent copy of the store, the records of jobs running now included, in a new file
    // at `path`; the reason when it could not be made.
    std::optional<QString> backup(const QString& path);

    // A statement on this store's connection, for the store's other parts (PrintedLabels);
    // nullopt when it failed (the reason kept for a transaction()).
    std::optional<QSqlQuery> query(const QString& sql, const QVariantList& values = {}) const {
        return run(sql, values);
    }

private:
    void fail() const;
    std::optional<QSqlQuery> run(const QString& sql, const QVariantList& values = {}) const;

    QString path_;
    Access access_ = Access::ReadWrite;
    std::unique_ptr<StoreConnection> db_;
    bool open_ = false;
    QString storeId_;
    mutable QString problem_;
};

} // namespace tarn
