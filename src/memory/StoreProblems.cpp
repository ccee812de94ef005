// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreProblems.h"

#include <QCoreApplication>
#include <QSqlError>

namespace tarn {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StoreProblems)
};
} // namespace

StoreFailure failureOf(const QSqlError& e, bool server) {
    // What the database said, without Qt's own words around it.
    const QString reason = (e.databaseText().isEmpty() ? e.text() : e.databaseText()).simplified();
    return {reason, server ? 0 : e.nativeErrorCode().toInt() & 0xff};
}

QString storeProblemText(const QString& store, const StoreFailure& failure) {
    QString advice;
    switch (failure.code) {
    case kSqliteBusy:
    case kSqliteLocked:
        advice = Text::tr("another program is writing it; Tarnlink writes again at the "
                          "next job");
        break;
    case kSqliteReadOnly:
        advice = Text::tr("make it and its folder writable, or name another file in "
                          "TARNLINK_STORE");
        break;
    case kSqliteFull:
        advice = Text::tr("free some space on its disk");
        break;
    case kSqliteIoError:
        advice = Text::tr("check its disk: full, or gone?");
        break;
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
        advice = Text::tr("move it aside: rename %1 to %1.broken, and Tarnlink starts a "
                          "new store")
                     .arg(store);
        break;
    case kSqliteCantOpen:
        advice = Text::tr("it must be a file in a folder you may write; or name another "
                          "file in TARNLINK_STORE");
        break;
    default:
        break;
    }
    //: %1: the store's file or server; %2: the database's own words on what went wrong
    if (advice.isEmpty())
        return Text::tr("ERROR! cannot keep what the scales hold in %1: %2")
            .arg(store, failure.reason);
    //: %1: the store's file or server; %2: the database's own words; %3: what to do about it
    return Text::tr("ERROR! cannot keep what the scales hold in %1: %2 - %3")
        .arg(store, failure.reason, advice);
}

} // namespace tarn
