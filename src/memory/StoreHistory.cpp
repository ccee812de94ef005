// SPDX-License-Identifier: GPL-3.0-or-later
// The store's history: each job's row, its records, the scales it knows, and what is dropped
// once a day.
#include "Store.h"

#include "PortIdentity.h"
#include "StoreConnection.h"
#include "StoreRows.h"

#include <algorithm>
#include <map>

namespace tarn {

bool Store::insertJob(const JobStart& start, qint64* id) {
    auto q = run(QStringLiteral("INSERT INTO transfers (scale, name, tbl, direction, extent,"
                                " started, pc, user_name) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"
                                " RETURNING id"),
                 {start.scale, start.name, tableName(start.table), directionName(start.direction),
                  start.extent, ms(start.started), thisPc(), thisUser()});
    if (!q || !q->next())
        return false;
    *id = q->value(0).toLongLong();
    return true;
}

bool Store::finishJob(qint64 id, const JobFinish& f) {
    return bool(
        run(QStringLiteral("UPDATE transfers SET ended = ?, how_ended = ?, outcome = ?,"
                           " records = ?, differences = ? WHERE id = ?"),
            {ms(f.ended), f.text, jobEndWord(f.end), f.records,
             f.differences ? QVariant(*f.differences) : QVariant(QMetaType(QMetaType::Int)), id}));
}

bool Store::history(const HistoryFilter& filter,
                    const std::function<void(const TransferEntry&)>& row) const {
    if (!open_)
        return false;
    std::optional<int> number;
    if (filter.plu || filter.ingred)
        number = filter.plu ? *filter.plu : *filter.ingred;
    // With a number, one read of the jobs and that number's records together, the job's
    // columns first.
    QString sql = QStringLiteral("SELECT ") + QLatin1String(kJobColumns);
    if (number)
        sql += QStringLiteral(", r.slot, r.number, r.at FROM transfers t JOIN records r"
                              " ON r.transfer = t.id WHERE r.number = ? AND t.tbl = ?");
    else
        sql += QStringLiteral(" FROM transfers t WHERE 1 = 1");
    QVariantList values;
    if (number)
        values << *number << tableName(filter.plu ? TableKind::Plu : TableKind::Ingred);
    if (!filter.port.isEmpty()) {
        sql += QStringLiteral(" AND t.scale = ?");
        values << storeKey(portIdentity(filter.port));
    }
    if (filter.since.isValid()) {
        sql += QStringLiteral(" AND t.started >= ?");
        values << filter.since.toMSecsSinceEpoch();
    }
    // Newest first by the records' own index (number, transfer): no sort of every job the
    // number was in; a job's moments come newest first too and are turned round below.
    sql += number ? QStringLiteral(" ORDER BY r.transfer DESC, r.id DESC")
                  : QStringLiteral(" ORDER BY t.id DESC");
    if (filter.limit > 0 && !number)
        sql += QStringLiteral(" LIMIT %1").arg(filter.limit);
    auto q = run(sql, values);
    if (!q) {
        fail();
        return false;
    }
    std::optional<TransferEntry> job; // the job whose records are being read
    const auto hand = [&] {
        std::reverse(job->acknowledged.begin(), job->acknowledged.end());
        row(*job);
    };
    int jobs = 0;
    while (q->next()) {
        const qint64 id = q->value(0).toLongLong();
        if (number && job && job->id == id) {
            job->acknowledged.push_back(
                RecordEntry{q->value(12).toInt(), q->value(13).toInt(), fromMs(q->value(14))});
            continue;
        }
        if (job)
            hand();
        if (filter.limit > 0 && jobs == filter.limit) {
            job.reset();
            break;
        }
        ++jobs;
        job = entryOf(*q);
        if (number)
            job->acknowledged.push_back(
                RecordEntry{q->value(12).toInt(), q->value(13).toInt(), fromMs(q->value(14))});
    }
    if (job)
        hand();
    return true;
}

std::vector<TransferEntry> Store::history(const HistoryFilter& filter) const {
    std::vector<TransferEntry> out;
    history(filter, [&](const TransferEntry& e) { out.push_back(e); });
    return out;
}

std::vector<KnownScale> Store::scales() const {
    std::vector<KnownScale> out;
    if (!open_)
        return out;
    // Each scale's last job, then the names it was used under and when it last confirmed the
    // store's word.
    auto q =
        run(QStringLiteral("SELECT t.pc, t.user_name, ") + QLatin1String(kJobColumns) +
            QStringLiteral(" FROM transfers t WHERE t.id IN"
                           " (SELECT max(id) FROM transfers GROUP BY scale) ORDER BY t.scale"));
    if (!q) {
        fail();
        return out;
    }
    std::map<QString, size_t> at; // by the store's key
    while (q->next()) {
        KnownScale k;
        k.pc = q->value(0).toString();
        k.user = q->value(1).toString();
        k.last = entryOf(*q, 2);
        const QString key = q->value(3).toString();
        std::tie(k.scale, k.place) = splitStoreKey(key);
        at[key] = out.size();
        out.push_back(std::move(k));
    }
    q.reset();
    // One query at a time: a server's connection reads one result as it comes.
    auto names = run(QStringLiteral("SELECT DISTINCT scale, name FROM transfers"
                                    " ORDER BY scale, name"));
    if (!names) {
        fail();
        return out;
    }
    while (names->next())
        if (auto it = at.find(names->value(0).toString()); it != at.end())
            out[it->second].names << names->value(1).toString();
    names.reset();
    // A record the scale acknowledged or sent confirms the store's word as a check does.
    auto checked =
        run(QStringLiteral("SELECT scale, max(at) FROM (SELECT scale, checked AS at FROM scales"
                           " UNION ALL SELECT scale, confirmed FROM held) AS c GROUP BY scale"));
    if (!checked) {
        fail();
        return out;
    }
    while (checked->next())
        if (auto it = at.find(checked->value(0).toString()); it != at.end())
            out[it->second].checked = fromMs(checked->value(1));
    return out;
}

int Store::prune(const QDateTime& now) {
    if (!open_ || db_->isReadOnly())
        return 0;
    const qint64 day = 24 * 3600 * 1000;
    // The day's turn is taken in one short transaction: the first program of the day prunes.
    bool due = false;
    if (!db_->transaction(
            [&] {
                auto last = run(QStringLiteral("SELECT value FROM meta WHERE name = 'pruned'"));
                if (!last)
                    return false;
                due = !last->next() || last->value(0).toLongLong() + day <= ms(now);
                last.reset();
                return !due || run(QStringLiteral(
                                       "INSERT INTO meta (name, value) VALUES ('pruned', ?)"
                                       " ON CONFLICT (name) DO UPDATE SET value = excluded.value"),
                                   {QString::number(ms(now))});
            },
            std::chrono::milliseconds(100)) ||
        !due)
        return 0;
    const qint64 before = ms(now) - qint64(kKeepDays) * day;
    int dropped = 0;
    for (;;) {
        int batch = 0;
        const bool written = db_->transaction(
            [&] {
                auto ids = run(QStringLiteral("SELECT id FROM transfers WHERE started < ?"
                                              " ORDER BY id LIMIT 2000"),
                               {before});
                if (!ids)
                    return false;
                QVariantList gone;
                while (ids->next())
                    gone << ids->value(0);
                ids.reset();
                batch = int(gone.size());
                if (gone.isEmpty())
                    return true;
                const qint64 last = gone.last().toLongLong();
                return run(QStringLiteral("DELETE FROM records WHERE transfer <= ? AND transfer IN"
                                          " (SELECT id FROM transfers WHERE started < ?)"),
                           {last, before}) &&
                       run(QStringLiteral("DELETE FROM transfers WHERE id <= ? AND started < ?"),
                           {last, before});
            },
            std::chrono::milliseconds(100));
        if (!written || batch == 0)
            return dropped;
        dropped += batch;
    }
}

} // namespace tarn
