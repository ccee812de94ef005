// SPDX-License-Identifier: GPL-3.0-or-later
#include "Store.h"

#include "Settings.h"
#include "StoreConnection.h"
#include "StoreLayout.h"
#include "StoreRows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>
#include <QVariant>

namespace tarn {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Store)
};
} // namespace

Store::Store() : Store(defaultPath()) {}

Store::Store(const QString& path, Access access)
    : path_(path), access_(access), db_(std::make_unique<StoreConnection>(path)) {
    retry();
}

Store::~Store() = default;

QString Store::defaultPath() {
    const QString chosen = qEnvironmentVariable("TARNLINK_STORE");
    if (!chosen.isEmpty())
        return chosen;
    const QString named = Settings::load().store();
    if (!named.isEmpty())
        return named;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tarnlink/scales.sqlite");
}

QString Store::takeProblem() {
    return std::exchange(problem_, QString());
}

QString Store::storeId() const {
    if (!storeId_.isEmpty())
        return storeId_;
    return db_->isServer() ? QStringLiteral("url:") + displayName()
                           : QStringLiteral("path:") + QFileInfo(path_).absoluteFilePath();
}

bool Store::isServerStore(const QString& name) {
    return StoreConnection::isServer(name);
}

QString Store::displayName() const {
    return displayNameOf(path_);
}

QString Store::displayNameOf(const QString& path) {
    if (isServerStore(path))
        return QUrl(path).toString(QUrl::RemovePassword);
    return QDir::toNativeSeparators(path);
}

void Store::fail() const {
    problem_ = storeProblemText(displayName(), db_->failure());
}

std::optional<QSqlQuery> Store::run(const QString& sql, const QVariantList& values) const {
    return db_->run(sql, values);
}

bool Store::transaction(const std::function<bool()>& steps, std::chrono::milliseconds busy) {
    if (db_->transaction(steps, busy))
        return true;
    fail();
    return false;
}

bool Store::retry() {
    if (open_ && db_->isOpen())
        return true;
    open_ = false;
    const auto failed = [&](const StoreFailure& f) {
        problem_ = storeProblemText(displayName(), f);
        db_->close();
        return false;
    };
    if (auto f = db_->open(access_ == Access::ReadOnly))
        return failed(*f);
    if (auto f = StoreLayout::open(*db_))
        return failed(*f);
    if (auto id = run(QStringLiteral("SELECT value FROM meta WHERE name = 'store'"));
        id && id->next())
        storeId_ = id->value(0).toString();
    if (storeId_.isEmpty() && !db_->isReadOnly()) {
        const QString made = QUuid::createUuid().toString(QUuid::WithoutBraces);
        if (db_->transaction([&] {
                return bool(run(QStringLiteral("INSERT INTO meta (name, value) VALUES ('store', ?)"
                                               " ON CONFLICT (name) DO NOTHING"),
                                {made}));
            })) {
            if (auto id = run(QStringLiteral("SELECT value FROM meta WHERE name = 'store'"));
                id && id->next())
                storeId_ = id->value(0).toString();
        }
    }
    open_ = true;
    return true;
}

bool Store::forget(const QString& scale, TableKind table, const std::vector<int>& numbers) {
    for (int number : numbers)
        if (!run(QStringLiteral("DELETE FROM held WHERE scale = ? AND tbl = ? AND number = ?"),
                 {scale, tableName(table), number}))
            return false;
    return true;
}

bool Store::hold(const QString& scale, TableKind table, qint64 job, int slot, int number,
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

bool Store::markUnconfirmed(const QString& scale, TableKind table, const QString& why) {
    return bool(run(QStringLiteral("INSERT INTO scales (scale, tbl, unconfirmed, why)"
                                   " VALUES (?, ?, 1, ?) ON CONFLICT (scale, tbl) DO UPDATE"
                                   " SET unconfirmed = 1, why = excluded.why"),
                    {scale, tableName(table), why}));
}

bool Store::markChecked(const QString& scale, TableKind table, const QDateTime& at) {
    return bool(run(QStringLiteral("INSERT INTO scales (scale, tbl, unconfirmed, why, checked)"
                                   " VALUES (?, ?, 0, NULL, ?) ON CONFLICT (scale, tbl) DO UPDATE"
                                   " SET unconfirmed = 0, why = NULL, checked = excluded.checked"),
                    {scale, tableName(table), ms(at)}));
}

std::map<int, HeldRecord> Store::heldRecords(const QString& scale, TableKind table) const {
    std::map<int, HeldRecord> out;
    if (!open_)
        return out;
    auto q = run(QStringLiteral("SELECT number, bytes, confirmed, slot FROM held"
                                " WHERE scale = ? AND tbl = ?"),
                 {scale, tableName(table)});
    if (!q) {
        fail();
        return out;
    }
    while (q->next())
        out[q->value(0).toInt()] =
            HeldRecord{q->value(1).toByteArray(), fromMs(q->value(2)), q->value(3).toInt()};
    return out;
}

ScaleState Store::state(const QString& scale, TableKind table) const {
    ScaleState out;
    if (!open_)
        return out;
    auto q = run(QStringLiteral("SELECT unconfirmed, why, checked, read_whole, answers FROM scales"
                                " WHERE scale = ? AND tbl = ?"),
                 {scale, tableName(table)});
    if (!q) {
        fail();
        return out;
    }
    if (q->next()) {
        out.unconfirmed = q->value(0).toInt() != 0;
        out.why = q->value(1).toString();
        out.checked = fromMs(q->value(2));
        out.readWhole = fromMs(q->value(3));
        out.answers = answersOf(q->value(4).toString());
    }
    return out;
}

QString Store::noteSeen(const QString& scale, TableKind table) const {
    if (!open_)
        return {};
    auto q =
        run(QStringLiteral("SELECT mark FROM notes_seen WHERE scale = ? AND tbl = ? AND pc = ?"),
            {scale, tableName(table), thisPc()});
    if (!q) {
        fail();
        return {};
    }
    return q->next() ? q->value(0).toString() : QString();
}

bool Store::markSeen(const QString& scale, TableKind table, const QString& note) {
    return bool(
        run(QStringLiteral("INSERT INTO notes_seen (scale, tbl, pc, mark) VALUES (?, ?, ?, ?)"
                           " ON CONFLICT (scale, tbl, pc) DO UPDATE SET mark = excluded.mark"),
            {scale, tableName(table), thisPc(), note}));
}

bool Store::markRead(const QString& scale, TableKind table, const QDateTime& at) {
    return markChecked(scale, table, at) &&
           run(QStringLiteral("UPDATE scales SET read_whole = ? WHERE scale = ? AND tbl = ?"),
               {ms(at), scale, tableName(table)});
}

bool Store::setAnswers(const QString& scale, TableKind table, ScaleAnswers answers) {
    return bool(run(QStringLiteral("INSERT INTO scales (scale, tbl, unconfirmed, answers)"
                                   " VALUES (?, ?, 0, ?) ON CONFLICT (scale, tbl) DO UPDATE"
                                   " SET answers = excluded.answers"),
                    {scale, tableName(table), answersWord(answers)}));
}

std::optional<QString> Store::backup(const QString& path) {
    if (!open_)
        return takeProblem();
    if (db_->isServer())
        //: %1: the store's database on its server
        return Text::tr("the server keeps this store: back it up there (pg_dump %1)")
            .arg(QUrl(path_).path().mid(1));
    if (QFileInfo::exists(path))
        //: %1: the file the backup copy was to be
        return Text::tr("%1 exists; name a new file").arg(QDir::toNativeSeparators(path));
    // One read transaction: the copy holds every job committed when it began, those still in
    // the write-ahead log included, and nothing half-written.
    if (!run(QStringLiteral("VACUUM INTO ?"), {QFileInfo(path).absoluteFilePath()}))
        return db_->failure().reason;
    return std::nullopt;
}

} // namespace tarn
