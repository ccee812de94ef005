// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StoreProblems.h"

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <chrono>
#include <functional>
#include <optional>

namespace tarn {

// What differs between the SQL of SQLite and that of a PostgreSQL server, in one place: the
// layout's steps write %ID% (a job's number, given by the database), %BLOB% (a record's
// bytes), %INT64% (times in milliseconds) and %NOROWID% (a table kept by its key alone); the
// layout's version, the start of a write and how long it waits for another writer differ too.
// Everything else is SQL both take.
struct Dialect {
    const char* driver;
    const char* id;
    const char* blob;
    const char* int64;
    const char* noRowId;
    const char* readVersion;
    const char* writeVersion; // %1: the version
    const char* begin;
    const char* busy;       // %1: milliseconds
    const char* lockLayout; // inside a step's transaction, before it reads the version
    const char* prepare;    // once at open, before the version is read; may be empty

    // The statement with the marks above replaced.
    QString operator()(const char* sql) const;
};

// One connection to the store's database: a SQLite file, or a PostgreSQL server's database
// (postgresql://USER@HOST[:PORT]/DB[?sslmode=...]). It runs statements and transactions and
// says what failed; what the tables hold is the Store's business, their layout StoreLayout's.
// It belongs to the thread that made it (a Qt SQL connection is used by one thread only).
class StoreConnection {
public:
    // How long a file's writer waits for another program's lock when none is given.
    static constexpr std::chrono::milliseconds kBusy{2000};

    explicit StoreConnection(const QString& path);
    ~StoreConnection();
    StoreConnection(const StoreConnection&) = delete;
    StoreConnection& operator=(const StoreConnection&) = delete;

    // Whether `name` names a PostgreSQL server's database rather than a file.
    static bool isServer(const QString& name);

    // Opens the database (not its layout); the failure when it cannot. `readOnly`: a file is
    // only read (also when it may not be written).
    std::optional<StoreFailure> open(bool readOnly = false);
    void close();
    bool isOpen() const;
    bool isServer() const { return server_; }
    bool isReadOnly() const { return readOnly_; }
    const QString& path() const { return path_; }
    const Dialect& sql() const;

    // Runs a statement; nullopt (and failure() set) when it fails. On a server the values are
    // written into the statement, each quoted by the driver: one round trip, where a prepared
    // statement costs three.
    std::optional<QSqlQuery> run(const QString& sql, const QVariantList& values = {}) const;
    // Runs `steps` in one transaction, waiting at most `busy` for another writer; false (and
    // failure() set) when it could not be written, and then nothing of it is.
    bool transaction(const std::function<bool()>& steps, std::chrono::milliseconds busy = kBusy);
    // What failed last.
    const StoreFailure& failure() const { return failure_; }

private:
    QString path_;
    QString name_; // the Qt SQL connection's, unique to this object
    bool server_ = false;
    bool readOnly_ = false;
    bool reconnecting_ = false;
    std::chrono::milliseconds busy_{-1}; // the connection's wait for another writer; -1: not set
    mutable StoreFailure failure_;
};

} // namespace tarn
