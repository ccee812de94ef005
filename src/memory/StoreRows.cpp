// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreRows.h"

#include "Settings.h"

namespace tarn {

QString tableName(TableKind table) {
    return table == TableKind::Plu ? QStringLiteral("plu") : QStringLiteral("ingred");
}

qint64 ms(const QDateTime& t) {
    return t.isValid() ? t.toMSecsSinceEpoch() : QDateTime::currentMSecsSinceEpoch();
}

QDateTime fromMs(const QVariant& v) {
    if (v.isNull())
        return {};
    return QDateTime::fromMSecsSinceEpoch(v.toLongLong(), Qt::UTC);
}

QString answersWord(ScaleAnswers a) {
    return a == ScaleAnswers::BySlot     ? QStringLiteral("slot")
           : a == ScaleAnswers::ByNumber ? QStringLiteral("number")
                                         : QString();
}

ScaleAnswers answersOf(const QString& word) {
    return word == answersWord(ScaleAnswers::BySlot)     ? ScaleAnswers::BySlot
           : word == answersWord(ScaleAnswers::ByNumber) ? ScaleAnswers::ByNumber
                                                         : ScaleAnswers::Unknown;
}

QString thisPc() {
    return Settings::load().pc();
}

QString thisUser() {
    for (const char* name : {"USER", "LOGNAME", "USERNAME"})
        if (const QString user = qEnvironmentVariable(name); !user.isEmpty())
            return user;
    return {};
}

TransferEntry entryOf(const QSqlQuery& q, int first) {
    const auto v = [&](int i) { return q.value(first + i); };
    TransferEntry e;
    e.id = v(0).toLongLong();
    e.scale = splitStoreKey(v(1).toString()).first;
    e.name = v(2).toString();
    e.table = v(3).toString() == QLatin1String("plu") ? TableKind::Plu : TableKind::Ingred;
    e.direction = directionOf(v(4).toString());
    e.extent = v(5).toString();
    e.started = fromMs(v(6));
    e.ended = fromMs(v(7));
    e.howEnded = v(8).toString();
    e.outcome = v(9).toString();
    e.records = v(10).toInt();
    if (!v(11).isNull())
        e.differences = v(11).toInt();
    return e;
}

} // namespace tarn
