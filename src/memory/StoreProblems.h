// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSqlError;

namespace tarn {

// SQLite's primary result codes that the problems tell apart.
enum SqliteCode {
    kSqliteBusy = 5,
    kSqliteLocked = 6,
    kSqliteReadOnly = 8,
    kSqliteIoError = 10,
    kSqliteCorrupt = 11,
    kSqliteFull = 13,
    kSqliteCantOpen = 14,
    kSqliteNotADatabase = 26,
};

// What went wrong with the store: the database's own words ("database is locked"), and SQLite's
// primary result code (0 for a server, or where there is none).
struct StoreFailure {
    QString reason;
    int code = 0;
};
StoreFailure failureOf(const QSqlError& error, bool server);

// The operator's line for a store that cannot be kept, with what to do about it: "ERROR! cannot
// keep what the scales hold in FILE: REASON - ADVICE". `store`: its name as the operator sees it.
QString storeProblemText(const QString& store, const StoreFailure& failure);

} // namespace tarn
