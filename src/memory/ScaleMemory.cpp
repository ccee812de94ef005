// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleMemory.h"

#include "PortIdentity.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>
#include <QVariant>

#include <atomic>
#include <mutex>

namespace tarn {

namespace {

// The busy time-out of a caller that writes one record at a time and may wait; the engine's
// writer gives each of its transactions a shorter one.
constexpr std::chrono::milliseconds kBusy{2000};

// SQLite's primary result codes that the problems tell apart.
enum SqliteCode {
    kBusy_ = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADatabase = 26,
};

// What differs between the SQL of SQLite and that of a server's database, in one place:
// each step below writes %ID% (a job's number, given by the database), %BLOB% (a record's
// bytes), %INT64% (times in milliseconds) and %NOROWID% (a table kept by its key alone).
// Everything else is SQL both take.
struct Dialect {
    const char* id = "INTEGER PRIMARY KEY AUTOINCREMENT";
    const char* blob = "BLOB";
    const char* int64 = "INTEGER";
    const char* noRowId = " WITHOUT ROWID";

    QString operator()(const char* sql) const {
        QString s = QString::fromLatin1(sql);
        s.replace(QLatin1String("%ID%"), QLatin1String(id));
        s.replace(QLatin1String("%BLOB%"), QLatin1String(blob));
        s.replace(QLatin1String("%INT64%"), QLatin1String(int64));
        s.replace(QLatin1String("%NOROWID%"), QLatin1String(noRowId));
        return s;
    }
};
const Dialect kSql;

// The layout, step by step: step k brings a store of version k to version k + 1. A step is
// never changed once released; a new layout is a new step.
const std::vector<std::vector<const char*>> kSteps = {
    // 0 -> 1: what each port's scale holds, and the transfers with their records.
    {
        "CREATE TABLE held ("
        " port TEXT NOT NULL, tbl TEXT NOT NULL, number INTEGER NOT NULL, bytes %BLOB% NOT NULL,"
        " PRIMARY KEY (port, tbl, number))%NOROWID%",
        "CREATE TABLE transfers ("
        " id %ID%, port TEXT NOT NULL, tbl TEXT NOT NULL,"
        " direction TEXT NOT NULL, extent TEXT NOT NULL, started %INT64% NOT NULL,"
        " ended %INT64%, how_ended TEXT)",
        "CREATE TABLE records ("
        " id %ID%, transfer INTEGER NOT NULL, slot INTEGER NOT NULL,"
        " number INTEGER NOT NULL, at %INT64% NOT NULL)",
        "CREATE INDEX records_of_transfer ON records (transfer, number)",
        "CREATE INDEX records_by_number ON records (number, transfer)",
        "CREATE INDEX transfers_of_port ON transfers (port, id)",
    },
    // 1 -> 2: scales known by their devices; each job one row with its outcome; when each
    // record was last confirmed; whether the store vouches for a scale at all.
    {
        "ALTER TABLE held RENAME COLUMN port TO scale",
        "ALTER TABLE held ADD COLUMN confirmed %INT64% NOT NULL DEFAULT 0",
        "ALTER TABLE held ADD COLUMN slot INTEGER",
        "ALTER TABLE transfers RENAME COLUMN port TO scale",
        "ALTER TABLE transfers ADD COLUMN name TEXT",
        "UPDATE transfers SET name = scale",
        "ALTER TABLE transfers ADD COLUMN outcome TEXT",
        "ALTER TABLE transfers ADD COLUMN records INTEGER NOT NULL DEFAULT 0",
        "UPDATE transfers SET records ="
        " (SELECT count(*) FROM records r WHERE r.transfer = transfers.id)",
        "ALTER TABLE transfers ADD COLUMN differences INTEGER",
        "CREATE INDEX transfers_started ON transfers (started)",
        "CREATE TABLE scales ("
        " scale TEXT NOT NULL, tbl TEXT NOT NULL, unconfirmed INTEGER NOT NULL, why TEXT,"
        " checked %INT64%, PRIMARY KEY (scale, tbl))",
        // An older Tarnlink knew a scale by the name typed, and could keep records that a
        // failed write left behind: none of it is vouched for until the scale is read again.
        "INSERT INTO scales (scale, tbl, unconfirmed, why)"
        " SELECT DISTINCT scale, tbl, 1, 'kept by an older Tarnlink' FROM held",
        "CREATE TABLE meta (name TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL)",
    },
};
static_assert(ScaleMemory::kVersion == 2, "one step for each version");

std::mutex limitsLock;
ScaleMemory::Limits limits;

ScaleMemory::Limits currentLimits() {
    std::lock_guard<std::mutex> hold(limitsLock);
    return limits;
}

QString tableName(TableKind table) {
    return table == TableKind::Plu ? QStringLiteral("plu") : QStringLiteral("ingred");
}

// What SQLite said ("database is locked"), without Qt's own words around it.
QString reasonOf(const QSqlError& e) {
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

int codeOf(const QSqlError& e) {
    return e.nativeErrorCode().toInt() & 0xff;
}

qint64 ms(const QDateTime& t) {
    return t.isValid() ? t.toMSecsSinceEpoch() : QDateTime::currentMSecsSinceEpoch();
}

QDateTime fromMs(const QVariant& v) {
    if (v.isNull())
        return {};
    return QDateTime::fromMSecsSinceEpoch(v.toLongLong(), Qt::UTC);
}

const char* const kWords[] = {"ok",     "nothing", "differs",   "stopped",
                              "failed", "refused", "unrecorded"};

} // namespace

QString directionName(TransferDirection d) {
    switch (d) {
    case TransferDirection::Download:
        return QStringLiteral("download");
    case TransferDirection::Upload:
        return QStringLiteral("upload");
    case TransferDirection::Compare:
        return QStringLiteral("compare");
    }
    return {};
}

TransferDirection directionOf(const QString& name) {
    if (name == QLatin1String("upload"))
        return TransferDirection::Upload;
    if (name == QLatin1String("compare"))
        return TransferDirection::Compare;
    return TransferDirection::Download;
}

QString jobEndWord(JobEnd end) {
    return QString::fromLatin1(kWords[int(end)]);
}

std::optional<JobEnd> jobEndOf(const QString& word) {
    for (int i = 0; i < int(std::size(kWords)); ++i)
        if (word == QLatin1String(kWords[i]))
            return JobEnd(i);
    return std::nullopt;
}

void ScaleMemory::setLimitsForTests(Limits l) {
    std::lock_guard<std::mutex> hold(limitsLock);
    limits = l;
}

ScaleMemory::ScaleMemory() {
    openAt(defaultPath());
}

ScaleMemory::ScaleMemory(const QString& path) {
    openAt(path);
}

ScaleMemory::~ScaleMemory() {
    closeConnection();
}

void ScaleMemory::closeConnection() {
    open_ = false;
    if (connection_.isEmpty() || !QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QString ScaleMemory::defaultPath() {
    const QString chosen = qEnvironmentVariable("TARNLINK_STORE");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tarnlink/scales.sqlite");
}

QString ScaleMemory::takeProblem() {
    return std::exchange(problem_, QString());
}

QString ScaleMemory::storeId() const {
    return storeId_.isEmpty() ? QStringLiteral("path:") + QFileInfo(path_).absoluteFilePath()
                              : storeId_;
}

void ScaleMemory::fail(const QString& reason, int code) const {
    const QString file = QDir::toNativeSeparators(path_);
    QString advice;
    switch (code) {
    case kBusy_:
    case kLocked:
        advice = QStringLiteral("another program is writing it; Tarnlink writes again at the "
                                "next job");
        break;
    case kReadOnly:
        advice = QStringLiteral("make it and its folder writable, or name another file in "
                                "TARNLINK_STORE");
        break;
    case kFull:
        advice = QStringLiteral("free some space on its disk");
        break;
    case kIoError:
        advice = QStringLiteral("check its disk: full, or gone?");
        break;
    case kCorrupt:
    case kNotADatabase:
        advice = QStringLiteral("move it aside: rename %1 to %1.broken, and Tarnlink starts a "
                                "new store")
                     .arg(file);
        break;
    case kCantOpen:
        advice = QStringLiteral("it must be a file in a folder you may write; or name another "
                                "file in TARNLINK_STORE");
        break;
    default:
        break;
    }
    problem_ = QStringLiteral("ERROR! cannot keep what the scales hold in ") + file +
               QStringLiteral(": ") + reason;
    if (!advice.isEmpty())
        problem_ += QStringLiteral(" - ") + advice;
}

void ScaleMemory::openAt(const QString& path) {
    path_ = path;
    retry();
}

bool ScaleMemory::retry() {
    if (open_)
        return true;
    closeConnection();
    if (!openConnection()) {
        closeConnection();
        return false;
    }
    open_ = true;
    return true;
}

bool ScaleMemory::openConnection() {
    static std::atomic<quint64> made{0};
    connection_ = QStringLiteral("tarnlink-memory-") + QString::number(++made);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        fail(QStringLiteral("Qt's SQLite driver is not installed (libqt6sql6-sqlite)"), 0);
        return false;
    }
    const QFileInfo file(path_);
    if (file.isDir()) {
        fail(QStringLiteral("it is a folder"), kCantOpen);
        return false;
    }
    if (!file.exists() && !QDir().mkpath(file.absolutePath())) {
        fail(QStringLiteral("its folder cannot be made"), kCantOpen);
        return false;
    }
    const Limits l = currentLimits();
    // A store that may only be read still answers the history and the Changed counts.
    readOnly_ = l.readOnly || (file.exists() && !file.isWritable());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path_);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusy.count());
        if (readOnly_)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open()) {
            fail(reasonOf(db.lastError()), codeOf(db.lastError()));
            return false;
        }
    }
    auto version = run(QStringLiteral("PRAGMA user_version"));
    if (!version || !version->next()) {
        fail(error_, errorCode_);
        return false;
    }
    const int found = version->value(0).toInt();
    version.reset();
    if (found > kVersion) {
        fail(QStringLiteral("it was made by a newer Tarnlink (store version %1; this one reads "
                            "up to %2) - use that Tarnlink, or move it aside: rename %3 to "
                            "%3.newer, and this one starts a new store")
                 .arg(found)
                 .arg(kVersion)
                 .arg(QDir::toNativeSeparators(path_)),
             0);
        return false;
    }
    // A committed record survives the process being killed; only a power cut may lose the
    // last ones, which a Compare or the check before a Changed download puts right.
    if (!run(QStringLiteral("PRAGMA synchronous=NORMAL"))) {
        fail(error_, errorCode_);
        return false;
    }
    if (found < kVersion) {
        if (readOnly_) {
            fail(QStringLiteral("it is read-only, and an older Tarnlink made it"), kReadOnly);
            return false;
        }
        if (!migrate(found))
            return false;
    }
    if (auto id = run(QStringLiteral("SELECT value FROM meta WHERE name = 'store'"));
        id && id->next())
        storeId_ = id->value(0).toString();
    if (storeId_.isEmpty() && !readOnly_) {
        const QString made = QUuid::createUuid().toString(QUuid::WithoutBraces);
        if (write([&] {
                return bool(run(QStringLiteral("INSERT INTO meta (name, value) VALUES ('store', ?)"
                                               " ON CONFLICT (name) DO NOTHING"),
                                {made}));
            })) {
            if (auto id = run(QStringLiteral("SELECT value FROM meta WHERE name = 'store'"));
                id && id->next())
                storeId_ = id->value(0).toString();
        }
    }
    if (l.pages > 0) {
        auto count = run(QStringLiteral("PRAGMA page_count"));
        if (count && count->next()) {
            const qint64 pages = count->value(0).toLongLong() + l.pages;
            count.reset();
            run(QStringLiteral("PRAGMA max_page_count=%1").arg(pages));
        }
    }
    return true;
}

bool ScaleMemory::migrate(int from) {
    // Write-ahead logging lets readers go on while one process writes. The switch needs the
    // file to itself and does not wait on the busy time-out: when another program opens the
    // store in the same instant, try again for as long as a write waits.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        auto mode = run(QStringLiteral("PRAGMA journal_mode=WAL"));
        if (mode && mode->next()) {
            if (mode->value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
                break;
            fail(QStringLiteral("it cannot use write-ahead logging"), 0);
            return false;
        }
        if (errorCode_ == kBusy_ && waited.elapsed() < kBusy.count()) {
            QThread::msleep(10);
            continue;
        }
        fail(error_, errorCode_);
        return false;
    }
    // One transaction per step, each with its version stamp: a step that fails leaves the
    // store as the step before left it. Another program may have taken the step meanwhile.
    for (int step = from; step < kVersion; ++step) {
        const bool done = write([&] {
            auto now = run(QStringLiteral("PRAGMA user_version"));
            if (!now || !now->next())
                return false;
            if (now->value(0).toInt() != step)
                return true;
            now.reset();
            for (const char* statement : kSteps[size_t(step)])
                if (!run(kSql(statement)))
                    return false;
            return bool(run(QStringLiteral("PRAGMA user_version=%1").arg(step + 1)));
        });
        if (!done)
            return false;
    }
    return true;
}

std::optional<QSqlQuery> ScaleMemory::run(const QString& sql, const QVariantList& values) const {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        error_ = reasonOf(q.lastError());
        errorCode_ = codeOf(q.lastError());
        return std::nullopt;
    }
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        error_ = reasonOf(q.lastError());
        errorCode_ = codeOf(q.lastError());
        return std::nullopt;
    }
    return q;
}

bool ScaleMemory::transaction(const std::function<bool()>& steps, std::chrono::milliseconds busy) {
    if (!QSqlDatabase::database(connection_, false).isOpen()) {
        if (problem_.isEmpty())
            fail(QStringLiteral("it is not open"), 0);
        return false;
    }
    if (readOnly_) {
        fail(QStringLiteral("attempt to write a readonly database"), kReadOnly);
        return false;
    }
    run(QStringLiteral("PRAGMA busy_timeout=%1").arg(busy.count()));
    // IMMEDIATE takes the write lock at the start, so two writers queue on the busy time-out
    // instead of one of them failing when it turns from reading to writing.
    bool ok = bool(run(QStringLiteral("BEGIN IMMEDIATE")));
    if (ok) {
        ok = steps() && run(QStringLiteral("COMMIT"));
        if (!ok) {
            const QString why = error_;
            const int code = errorCode_;
            run(QStringLiteral("ROLLBACK"));
            error_ = why;
            errorCode_ = code;
        }
    }
    if (!ok)
        fail(error_, errorCode_);
    return ok;
}

bool ScaleMemory::write(const std::function<bool()>& steps) {
    return transaction(steps, kBusy);
}

bool ScaleMemory::insertJob(const JobStart& start, qint64* id) {
    const qint64 started = ms(start.started);
    const qint64 before = started - qint64(kKeepDays) * 24 * 3600 * 1000;
    if (!run(QStringLiteral("DELETE FROM records WHERE transfer IN"
                            " (SELECT id FROM transfers WHERE started < ?)"),
             {before}) ||
        !run(QStringLiteral("DELETE FROM transfers WHERE started < ?"), {before}))
        return false;
    auto q = run(QStringLiteral("INSERT INTO transfers (scale, name, tbl, direction, extent,"
                                " started) VALUES (?, ?, ?, ?, ?, ?) RETURNING id"),
                 {start.scale, start.name, tableName(start.table), directionName(start.direction),
                  start.extent, started});
    if (!q || !q->next())
        return false;
    *id = q->value(0).toLongLong();
    return true;
}

bool ScaleMemory::finishJob(qint64 id, const JobFinish& f) {
    return bool(
        run(QStringLiteral("UPDATE transfers SET ended = ?, how_ended = ?, outcome = ?,"
                           " records = ?, differences = ? WHERE id = ?"),
            {ms(f.ended), f.text, jobEndWord(f.end), f.records,
             f.differences ? QVariant(*f.differences) : QVariant(QMetaType(QMetaType::Int)), id}));
}

bool ScaleMemory::forget(const QString& scale, TableKind table, const std::vector<int>& numbers) {
    for (int number : numbers)
        if (!run(QStringLiteral("DELETE FROM held WHERE scale = ? AND tbl = ? AND number = ?"),
                 {scale, tableName(table), number}))
            return false;
    return true;
}

bool ScaleMemory::hold(const QString& scale, TableKind table, qint64 job, int slot, int number,
                       const QByteArray& bytes, const QDateTime& at, bool read) {
    if (!run(QStringLiteral("INSERT INTO held (scale, tbl, number, bytes, confirmed, slot)"
                            " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (scale, tbl, number) DO UPDATE"
                            " SET bytes = excluded.bytes, confirmed = excluded.confirmed,"
                            " slot = coalesce(excluded.slot, held.slot)"),
             {scale, tableName(table), number, bytes, ms(at),
              read ? QVariant(slot) : QVariant(QMetaType(QMetaType::Int))}))
        return false;
    return job == 0 ||
           (run(QStringLiteral("INSERT INTO records (transfer, slot, number, at)"
                               " VALUES (?, ?, ?, ?)"),
                {job, slot, number, ms(at)}) &&
            run(QStringLiteral("UPDATE transfers SET records = records + 1 WHERE id = ?"), {job}));
}

bool ScaleMemory::confirm(const QString& scale, TableKind table, const std::vector<int>& numbers,
                          const QDateTime& at) {
    for (int number : numbers)
        if (!run(QStringLiteral("UPDATE held SET confirmed = ?"
                                " WHERE scale = ? AND tbl = ? AND number = ?"),
                 {ms(at), scale, tableName(table), number}))
            return false;
    return true;
}

bool ScaleMemory::keepOnly(const QString& scale, TableKind table, const std::set<int>& numbers) {
    std::vector<int> gone;
    {
        auto q = run(QStringLiteral("SELECT number FROM held WHERE scale = ? AND tbl = ?"),
                     {scale, tableName(table)});
        if (!q)
            return false;
        while (q->next())
            if (!numbers.count(q->value(0).toInt()))
                gone.push_back(q->value(0).toInt());
    }
    return forget(scale, table, gone);
}

bool ScaleMemory::markUnconfirmed(const QString& scale, TableKind table, const QString& why) {
    return bool(run(QStringLiteral("INSERT INTO scales (scale, tbl, unconfirmed, why)"
                                   " VALUES (?, ?, 1, ?) ON CONFLICT (scale, tbl) DO UPDATE"
                                   " SET unconfirmed = 1, why = excluded.why"),
                    {scale, tableName(table), why}));
}

bool ScaleMemory::markChecked(const QString& scale, TableKind table, const QDateTime& at) {
    return bool(run(QStringLiteral("INSERT INTO scales (scale, tbl, unconfirmed, why, checked)"
                                   " VALUES (?, ?, 0, NULL, ?) ON CONFLICT (scale, tbl) DO UPDATE"
                                   " SET unconfirmed = 0, why = NULL, checked = excluded.checked"),
                    {scale, tableName(table), ms(at)}));
}

std::map<int, HeldRecord> ScaleMemory::heldRecords(const QString& scale, TableKind table) const {
    std::map<int, HeldRecord> out;
    if (!open_)
        return out;
    auto q = run(QStringLiteral("SELECT number, bytes, confirmed, slot FROM held"
                                " WHERE scale = ? AND tbl = ?"),
                 {scale, tableName(table)});
    if (!q) {
        fail(error_, errorCode_);
        return out;
    }
    while (q->next())
        out[q->value(0).toInt()] =
            HeldRecord{q->value(1).toByteArray(), fromMs(q->value(2)), q->value(3).toInt()};
    return out;
}

std::map<int, QByteArray> ScaleMemory::held(const QString& port, TableKind table) const {
    std::map<int, QByteArray> out;
    for (auto& [number, record] : heldRecords(portIdentity(port), table))
        out[number] = std::move(record.bytes);
    return out;
}

ScaleState ScaleMemory::state(const QString& scale, TableKind table) const {
    ScaleState out;
    if (!open_)
        return out;
    auto q = run(QStringLiteral("SELECT unconfirmed, why, checked FROM scales"
                                " WHERE scale = ? AND tbl = ?"),
                 {scale, tableName(table)});
    if (!q) {
        fail(error_, errorCode_);
        return out;
    }
    if (q->next()) {
        out.unconfirmed = q->value(0).toInt() != 0;
        out.why = q->value(1).toString();
        out.checked = fromMs(q->value(2));
    }
    return out;
}

bool ScaleMemory::recorded(qint64 id) const {
    if (!open_)
        return false;
    auto q = run(QStringLiteral("SELECT outcome FROM transfers WHERE id = ? AND ended IS NOT NULL"),
                 {id});
    if (!q) {
        fail(error_, errorCode_);
        return false;
    }
    return q->next() && q->value(0).toString() != jobEndWord(JobEnd::Unrecorded);
}

std::vector<TransferEntry> ScaleMemory::history(const HistoryFilter& filter) const {
    std::vector<TransferEntry> out;
    if (!open_)
        return out;
    QString sql = QStringLiteral(
        "SELECT t.id, t.scale, t.name, t.tbl, t.direction, t.extent, t.started, t.ended,"
        " t.how_ended, t.outcome, t.records, t.differences FROM transfers t WHERE 1 = 1");
    QVariantList values;
    if (!filter.port.isEmpty()) {
        sql += QStringLiteral(" AND t.scale = ?");
        values << portIdentity(filter.port);
    }
    if (filter.since.isValid()) {
        sql += QStringLiteral(" AND t.started >= ?");
        values << filter.since.toMSecsSinceEpoch();
    }
    std::optional<int> number;
    if (filter.plu || filter.ingred) {
        number = filter.plu ? *filter.plu : *filter.ingred;
        sql += QStringLiteral(" AND t.tbl = ? AND EXISTS (SELECT 1 FROM records r"
                              " WHERE r.transfer = t.id AND r.number = ?)");
        values << tableName(filter.plu ? TableKind::Plu : TableKind::Ingred) << *number;
    }
    sql += QStringLiteral(" ORDER BY t.id DESC");
    if (filter.limit > 0)
        sql += QStringLiteral(" LIMIT %1").arg(filter.limit);

    auto q = run(sql, values);
    if (!q) {
        fail(error_, errorCode_);
        return out;
    }
    while (q->next()) {
        TransferEntry e;
        e.id = q->value(0).toLongLong();
        e.scale = q->value(1).toString();
        e.name = q->value(2).toString();
        e.table =
            q->value(3).toString() == QLatin1String("plu") ? TableKind::Plu : TableKind::Ingred;
        e.direction = directionOf(q->value(4).toString());
        e.extent = q->value(5).toString();
        e.started = fromMs(q->value(6));
        e.ended = fromMs(q->value(7));
        e.howEnded = q->value(8).toString();
        e.outcome = q->value(9).toString();
        e.records = q->value(10).toInt();
        if (!q->value(11).isNull())
            e.differences = q->value(11).toInt();
        out.push_back(std::move(e));
    }
    q.reset();
    if (!number)
        return out;

    // The record's own moments, for the jobs shown.
    for (TransferEntry& e : out) {
        auto r = run(QStringLiteral("SELECT slot, number, at FROM records"
                                    " WHERE transfer = ? AND number = ? ORDER BY id"),
                     {e.id, *number});
        if (!r) {
            fail(error_, errorCode_);
            return out;
        }
        while (r->next())
            e.acknowledged.push_back(
                RecordEntry{r->value(0).toInt(), r->value(1).toInt(), fromMs(r->value(2))});
    }
    return out;
}

std::optional<QString> ScaleMemory::backup(const QString& path) {
    if (!open_)
        return takeProblem();
    if (QFileInfo::exists(path))
        return QStringLiteral("%1 exists; name a new file").arg(QDir::toNativeSeparators(path));
    // One read transaction: the copy holds every job committed when it began, those still in
    // the write-ahead log included, and nothing half-written.
    if (!run(QStringLiteral("VACUUM INTO ?"), {QFileInfo(path).absoluteFilePath()}))
        return error_;
    return std::nullopt;
}

TransferKey ScaleMemory::beginTransfer(const QString& port, TableKind table,
                                       TransferDirection direction, const QString& extent) {
    TransferKey key{0, portIdentity(port), table};
    if (!open_)
        return key;
    qint64 id = 0;
    if (transaction(
            [&] {
                return insertJob({key.port, port.trimmed(), table, direction, extent,
                                  QDateTime::currentDateTimeUtc()},
                                 &id);
            },
            kBusy))
        key.id = id;
    return key;
}

void ScaleMemory::forgetHeld(const TransferKey& transfer, const std::vector<int>& numbers) {
    if (!open_ || transfer.id == 0 || numbers.empty())
        return;
    transaction([&] { return forget(transfer.port, transfer.table, numbers); }, kBusy);
}

void ScaleMemory::recordHeld(const TransferKey& transfer, int slot, int number,
                             const QByteArray& bytes) {
    if (!open_ || transfer.id == 0)
        return;
    transaction(
        [&] {
            return hold(transfer.port, transfer.table, transfer.id, slot, number, bytes,
                        QDateTime::currentDateTimeUtc());
        },
        kBusy);
}

void ScaleMemory::endTransfer(const TransferKey& transfer, const QString& howEnded) {
    if (!open_ || transfer.id == 0)
        return;
    transaction(
        [&] {
            return bool(run(QStringLiteral("UPDATE transfers SET ended = ?, how_ended = ?"
                                           " WHERE id = ?"),
                            {QDateTime::currentMSecsSinceEpoch(), howEnded, transfer.id}));
        },
        kBusy);
}

} // namespace tarn
