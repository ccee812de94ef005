// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the store's rows are written and read, shared by Store's records and its history.

#include "StoreTypes.h"

#include <QSqlQuery>
#include <QVariant>

namespace tarn {

// "plu" / "ingred", as the rows keep a table.
QString tableName(TableKind table);
// Times as the rows keep them: milliseconds since the epoch, UTC; an invalid time is now.
qint64 ms(const QDateTime& t);
QDateTime fromMs(const QVariant& v);
QString answersWord(ScaleAnswers answers);
ScaleAnswers answersOf(const QString& word);
// This PC's and this user's names, as a job's row keeps them.
QString thisPc();
QString thisUser();

// The columns of a job's row, in the order entryOf() reads them from `first` on.
constexpr const char* kJobColumns =
    "t.id, t.scale, t.name, t.tbl, t.direction, t.extent, t.started, t.ended, t.how_ended,"
    " t.outcome, t.records, t.differences";
TransferEntry entryOf(const QSqlQuery& q, int first = 0);

} // namespace tarn
