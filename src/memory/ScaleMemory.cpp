// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleMemory.h"

#include "PortName.h"
#include "SerialPort.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>

#include <atomic>

namespace tarn {

namespace {

constexpr int kSchemaVersion = 1;
// Writes are a few rows each; a writer waits this long for the others before it gives up.
constexpr int kBusyTimeoutMs = 10000;

const char* const kSchema[] = {
    // What the scale on a port holds of a table, record by record.
    "CREATE TABLE IF NOT EXISTS held ("
    " port TEXT NOT NULL, tbl TEXT NOT NULL, number INTEGER NOT NULL, bytes BLOB NOT NULL,"
    " PRIMARY KEY (port, tbl, number)) WITHOUT ROWID",
    "CREATE TABLE IF NOT EXISTS transfers ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT, port TEXT NOT NULL, tbl TEXT NOT NULL,"
    " direction TEXT NOT NULL, extent TEXT NOT NULL, started INTEGER NOT NULL,"
    " ended INTEGER, how_ended TEXT)",
    "CREATE TABLE IF NOT EXISTS records ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT, transfer INTEGER NOT NULL, slot INTEGER NOT NULL,"
    " number INTEGER NOT NULL, at INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS records_of_transfer ON records (transfer, number)",
    "CREATE INDEX IF NOT EXISTS records_by_number ON records (number, transfer)",
    "CREATE INDEX IF NOT EXISTS transfers_of_port ON transfers (port, id)",
};

QString tableName(TableKind table) {
    return table == TableKind::Plu ? QStringLiteral("plu") : QStringLiteral("ingred");
}

// What SQLite said ("database is locked"), without Qt's own words around it.
QString reasonOf(const QSqlError& e) {
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

QDateTime fromMs(const QVariant& v) {
    if (v.isNull())
        return {};
    return QDateTime::fromMSecsSinceEpoch(v.toLongLong(), Qt::UTC);
}

} // namespace

QString portKey(const QString& portName) {
    const QString name = portName.trimmed();
    if (isNetworkName(name))
        return name.toLower();
    const QString system = SerialPort::systemNameFor(name);
#ifdef Q_OS_WIN
    // Windows names its ports without regard to case.
    return system.toUpper();
#else
    return system;
#endif
}

ScaleMemory::ScaleMemory() {
    openAt(defaultPath());
}

ScaleMemory::ScaleMemory(const QString& path) {
    openAt(path);
}

ScaleMemory::~ScaleMemory() {
    if (!QSqlDatabase::contains(connection_))
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
    if (problem_.isEmpty() || problemTaken_)
        return {};
    problemTaken_ = true;
    return problem_;
}

void ScaleMemory::fail(const QString& reason, bool close) const {
    if (problem_.isEmpty())
        problem_ = QStringLiteral("ERROR! cannot keep what the scales hold in ") +
                   QDir::toNativeSeparators(path_) + QStringLiteral(": ") + reason;
    if (close && open_) {
        QSqlDatabase::database(connection_, false).close();
        open_ = false;
    }
}

void ScaleMemory::openAt(const QString& path) {
    path_ = path;
    static std::atomic<quint64> made{0};
    connection_ = QStringLiteral("tarnlink-memory-") + QString::number(++made);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        fail(QStringLiteral("Qt's SQLite driver is not installed (libqt6sql6-sqlite)"), true);
        return;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        fail(QStringLiteral("its folder cannot be made"), true);
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!db.open()) {
            fail(reasonOf(db.lastError()), true);
            return;
        }
    }
    open_ = true;

    // Write-ahead logging lets readers go on while one process writes. A committed record
    // survives the process being killed; only a power cut may lose the last ones, which a
    // Compare or a full download puts right.
    if (!useWriteAheadLog()) {
        fail(error_, true);
        return;
    }
    if (!run(QStringLiteral("PRAGMA synchronous=NORMAL"))) {
        fail(error_, true);
        return;
    }
    const bool made_ = writeInOne([this] {
        auto version = run(QStringLiteral("PRAGMA user_version"));
        if (!version || !version->next())
            return false;
        if (version->value(0).toInt() > kSchemaVersion) {
            error_ = QStringLiteral("it was made by a newer Tarnlink");
            return false;
        }
        for (const char* statement : kSchema)
            if (!run(QString::fromLatin1(statement)))
                return false;
        return bool(run(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)));
    });
    if (!made_)
        fail(error_, true);
}

bool ScaleMemory::useWriteAheadLog() {
    // The switch needs the file to itself and does not wait on the busy timeout: when another
    // program opens a new store in the same instant, try again for as long as a write waits.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        auto mode = run(QStringLiteral("PRAGMA journal_mode=WAL"));
        if (mode && mode->next()) {
            if (mode->value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
                return true;
            error_ = QStringLiteral("it cannot use write-ahead logging");
            return false;
        }
        if (lastBusy_ && waited.elapsed() < kBusyTimeoutMs) {
            QThread::msleep(10);
            continue;
        }
        return false;
    }
}

std::optional<QSqlQuery> ScaleMemory::run(const QString& sql, const QVariantList& values) const {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        error_ = reasonOf(q.lastError());
        return std::nullopt;
    }
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        error_ = reasonOf(q.lastError());
        lastBusy_ = q.lastError().nativeErrorCode() == QLatin1String("5"); // SQLITE_BUSY
        return std::nullopt;
    }
    return q;
}

bool ScaleMemory::writeInOne(const std::function<bool()>& steps) {
    // IMMEDIATE takes the write lock at the start, so two writers queue on the busy timeout
    // instead of one of them failing when it turns from reading to writing.
    if (!run(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (steps() && run(QStringLiteral("COMMIT")))
        return true;
    const QString why = error_;
    run(QStringLiteral("ROLLBACK"));
    error_ = why;
    return false;
}

std::map<int, QByteArray> ScaleMemory::held(const QString& port, TableKind table) const {
    std::map<int, QByteArray> out;
    if (!open_)
        return out;
    auto q = run(QStringLiteral("SELECT number, bytes FROM held WHERE port = ? AND tbl = ?"),
                 {portKey(port), tableName(table)});
    if (!q) {
        fail(error_, false);
        return out;
    }
    while (q->next())
        out[q->value(0).toInt()] = q->value(1).toByteArray();
    return out;
}

TransferKey ScaleMemory::beginTransfer(const QString& port, TableKind table,
                                       TransferDirection direction, const QString& extent) {
    TransferKey key{0, portKey(port), table};
    if (!open_)
        return key;
    const bool ok = writeInOne([&] {
        auto q = run(QStringLiteral("INSERT INTO transfers (port, tbl, direction, extent, started)"
                                    " VALUES (?, ?, ?, ?, ?)"),
                     {key.port, tableName(table), directionName(direction), extent,
                      QDateTime::currentMSecsSinceEpoch()});
        if (!q)
            return false;
        key.id = q->lastInsertId().toLongLong();
        return true;
    });
    if (!ok) {
        key.id = 0;
        fail(error_, false);
    }
    return key;
}

void ScaleMemory::forgetHeld(const TransferKey& transfer, const std::vector<int>& numbers) {
    if (!open_ || transfer.id == 0 || numbers.empty())
        return;
    const bool ok = writeInOne([&] {
        for (int number : numbers)
            if (!run(QStringLiteral("DELETE FROM held WHERE port = ? AND tbl = ? AND number = ?"),
                     {transfer.port, tableName(transfer.table), number}))
                return false;
        return true;
    });
    if (!ok)
        fail(error_, false);
}

void ScaleMemory::recordHeld(const TransferKey& transfer, int slot, int number,
                             const QByteArray& bytes) {
    if (!open_ || transfer.id == 0)
        return;
    const bool ok = writeInOne([&] {
        return run(QStringLiteral("INSERT OR REPLACE INTO held (port, tbl, number, bytes)"
                                  " VALUES (?, ?, ?, ?)"),
                   {transfer.port, tableName(transfer.table), number, bytes}) &&
               run(QStringLiteral("INSERT INTO records (transfer, slot, number, at)"
                                  " VALUES (?, ?, ?, ?)"),
                   {transfer.id, slot, number, QDateTime::currentMSecsSinceEpoch()});
    });
    if (!ok)
        fail(error_, false);
}

void ScaleMemory::endTransfer(const TransferKey& transfer, const QString& howEnded) {
    if (!open_ || transfer.id == 0)
        return;
    const bool ok = writeInOne([&] {
        return bool(
            run(QStringLiteral("UPDATE transfers SET ended = ?, how_ended = ? WHERE id = ?"),
                {QDateTime::currentMSecsSinceEpoch(), howEnded, transfer.id}));
    });
    if (!ok)
        fail(error_, false);
}

std::vector<TransferEntry> ScaleMemory::history(const HistoryFilter& filter) const {
    std::vector<TransferEntry> out;
    if (!open_)
        return out;
    QString sql = QStringLiteral(
        "SELECT t.id, t.port, t.tbl, t.direction, t.extent, t.started, t.ended, t.how_ended,"
        " (SELECT count(*) FROM records r WHERE r.transfer = t.id) FROM transfers t WHERE 1");
    QVariantList values;
    if (!filter.port.isEmpty()) {
        sql += QStringLiteral(" AND t.port = ?");
        values << portKey(filter.port);
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
        fail(error_, false);
        return out;
    }
    while (q->next()) {
        TransferEntry e;
        e.id = q->value(0).toLongLong();
        e.port = q->value(1).toString();
        e.table =
            q->value(2).toString() == QLatin1String("plu") ? TableKind::Plu : TableKind::Ingred;
        e.direction = q->value(3).toString() == QLatin1String("download")
                          ? TransferDirection::Download
                          : TransferDirection::Upload;
        e.extent = q->value(4).toString();
        e.started = fromMs(q->value(5));
        e.ended = fromMs(q->value(6));
        e.howEnded = q->value(7).toString();
        e.records = q->value(8).toInt();
        out.push_back(std::move(e));
    }
    q.reset();

    for (TransferEntry& e : out) {
        QString recordSql =
            QStringLiteral("SELECT slot, number, at FROM records WHERE transfer = ?");
        QVariantList recordValues{e.id};
        if (number) {
            recordSql += QStringLiteral(" AND number = ?");
            recordValues << *number;
        }
        auto r = run(recordSql + QStringLiteral(" ORDER BY id"), recordValues);
        if (!r) {
            fail(error_, false);
            return out;
        }
        while (r->next())
            e.acknowledged.push_back(
                RecordEntry{r->value(0).toInt(), r->value(1).toInt(), fromMs(r->value(2))});
    }
    return out;
}

QString directionName(TransferDirection d) {
    return d == TransferDirection::Download ? QStringLiteral("download") : QStringLiteral("upload");
}

} // namespace tarn
