// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreProblems.h"

#include <QSqlError>

namespace tarn {

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
        advice = QStringLiteral("another program is writing it; Tarnlink writes again at the "
                                "next job");
        break;
    case kSqliteReadOnly:
        advice = QStringLiteral("make it and its folder writable, or name another file in "
                                "TARNLINK_STORE");
        break;
    case kSqliteFull:
        advice = QStringLiteral("free some space on its disk");
        break;
    case kSqliteIoError:
        advice = QStringLiteral("check its disk: full, or gone?");
        break;
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
        advice = QStringLiteral("move it aside: rename %1 to %1.broken, and Tarnlink starts a "
                                "new store")
                     .arg(store);
        break;
    case kSqliteCantOpen:
        advice = QStringLiteral("it must be a file in a folder you may write; or name another "
                                "file in TARNLINK_STORE");
        break;
    default:
        break;
    }
    QString text = QStringLiteral("ERROR! cannot keep what the scales hold in ") + store +
                   QStringLiteral(": ") + failure.reason;
    if (!advice.isEmpty())
        text += QStringLiteral(" - ") + advice;
    return text;
}

} // namespace tarn
