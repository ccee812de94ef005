// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleNotes.h"

#include <QCoreApplication>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarn {

namespace {

constexpr QFileDevice::Permissions kShared =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup;

QString fileName(const QString& scale, TableKind table) {
    QString name = scale;
    if (name.startsWith(QLatin1String("/dev/")))
        name = name.mid(5);
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            c = QLatin1Char('_');
    return QStringLiteral("note.") + name +
           (table == TableKind::Plu ? QStringLiteral(".plu") : QStringLiteral(".ingred"));
}

QByteArray encoded(const QString& text) {
    return text.toUtf8().toPercentEncoding();
}

QString decoded(const QByteArray& text) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}

// The lines "key value" of a note's file.
std::map<QByteArray, QByteArray> fields(const QByteArray& text) {
    std::map<QByteArray, QByteArray> out;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space > 0)
            out[line.left(space)] = line.mid(space + 1);
    }
    return out;
}

// Replaces the file at `path` with `text` so that a crash leaves the old file or the new one.
bool replaceFile(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    // The folder may be one the package made for every user of the serial ports: the note is
    // replaced by a file of this user's, which the others may read and write again.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return false;
    QFile(path).setPermissions(kShared);
    return true;
}

QString unrecordedFile(const QString& storePath) {
    const QByteArray hash =
        QCryptographicHash::hash(storePath.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return notesFolder() + QStringLiteral("/unrecorded.") + QString::fromLatin1(hash);
}

QByteArray timeText(const QDateTime& t) {
    return t.isValid() ? QByteArray::number(t.toMSecsSinceEpoch()) : QByteArray("-");
}

QDateTime timeOf(const QByteArray& text) {
    bool ok = false;
    const qint64 ms = text.toLongLong(&ok);
    return ok ? QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC) : QDateTime();
}

} // namespace

QString notesFolder() {
    const QString chosen = qEnvironmentVariable("TARNLINK_NOTES_DIR");
    if (!chosen.isEmpty())
        return QDir().mkpath(chosen) ? chosen : QString();
    const QFileInfo shared(QStringLiteral("/var/lib/tarnlink"));
    if (shared.isDir() && shared.isWritable())
        return shared.filePath();
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QString own = state + QStringLiteral("/tarnlink");
    return QDir().mkpath(own) ? own : QString();
}

std::optional<ScaleNote> readNote(const QString& scale, TableKind table) {
    const QString folder = notesFolder();
    if (folder.isEmpty())
        return std::nullopt;
    QFile file(folder + QLatin1Char('/') + fileName(scale, table));
    if (!file.exists())
        return std::nullopt;
    ScaleNote note;
    note.unreadable = true;
    if (!file.open(QIODevice::ReadOnly))
        return note;
    const std::map<QByteArray, QByteArray> f = fields(file.readAll());
    const auto at = [&](const char* key) {
        const auto it = f.find(key);
        return it == f.end() ? QByteArray() : it->second;
    };
    bool counted = false;
    note.name = decoded(at("name"));
    note.sent = at("sent").toLongLong(&counted);
    note.store = decoded(at("store"));
    note.storePath = decoded(at("path"));
    note.underway = at("underway") == "yes";
    note.recorded = at("recorded") == "yes";
    note.unreadable = note.name.isEmpty() || !counted;
    return note;
}

bool writeNote(const QString& scale, TableKind table, const ScaleNote& note) {
    const QString folder = notesFolder();
    if (folder.isEmpty())
        return false;
    const auto yes = [](bool b) { return b ? QByteArray("yes") : QByteArray("no"); };
    const QByteArray text = "name " + encoded(note.name) + "\nsent " +
                            QByteArray::number(note.sent) + "\nstore " + encoded(note.store) +
                            "\npath " + encoded(note.storePath) + "\nunderway " +
                            yes(note.underway) + "\nrecorded " + yes(note.recorded) + '\n';
    return replaceFile(folder + QLatin1Char('/') + fileName(scale, table), text);
}

std::optional<QString> doubtOf(const ScaleState& state, const std::optional<ScaleNote>& note,
                               const QString& seen, const QString& storeId,
                               const QString& storePath) {
    if (state.unconfirmed)
        return state.why.isEmpty() ? QString::fromUtf8(QT_TRANSLATE_NOOP(
                                         "StoreDoubt", "the store could not keep a job"))
                                   : state.why;
    if (!note)
        return seen.isEmpty()
                   ? std::nullopt
                   : std::optional<QString>(QString::fromUtf8(QT_TRANSLATE_NOOP(
                         "StoreDoubt", "its note of Tarnlink's jobs on this PC is missing")));
    if (note->unreadable)
        return QString::fromUtf8(QT_TRANSLATE_NOOP(
            "StoreDoubt", "its note of Tarnlink's jobs on this PC cannot be read"));
    if (note->underway)
        return QString::fromUtf8(QT_TRANSLATE_NOOP(
            "StoreDoubt", "a job on it was cut off (Tarnlink was killed or the PC lost "
                          "power)"));
    if (note->mark() == seen)
        return std::nullopt;
    if (note->store != storeId && note->storePath != storePath)
        return QString::fromUtf8(
            QT_TRANSLATE_NOOP("StoreDoubt", "another store sent it records since"));
    if (!note->recorded)
        return QString::fromUtf8(
            QT_TRANSLATE_NOOP("StoreDoubt", "the store could not keep its last job"));
    return QString::fromUtf8(QT_TRANSLATE_NOOP(
        "StoreDoubt", "the store does not hold its last job (put back from a copy?)"));
}

QString doubtShown(const QString& why) {
    return QCoreApplication::translate("StoreDoubt", why.toUtf8().constData());
}

StoreWord storeWord(const Store& store, const QString& scale, TableKind table) {
    return storeWordByKey(store, storeKey(scale), table);
}

StoreWord storeWordByKey(const Store& store, const QString& key, TableKind table) {
    StoreWord word;
    const QString scale = splitStoreKey(key).first;
    const ScaleState state = store.state(key, table);
    if (storeKey(scale) == key)
        word.doubt = doubtOf(state, readNote(scale, table), store.noteSeen(key, table),
                             store.storeId(), store.path());
    else
        word.doubt = doubtOf(state, std::nullopt, QString(), store.storeId(), store.path());
    word.held = store.heldRecords(key, table);
    word.checked = state.checked;
    word.readWhole = state.readWhole;
    word.answers = state.answers;
    for (const auto& [number, record] : word.held)
        if (!word.checked.isValid() || record.confirmed > word.checked)
            word.checked = record.confirmed;
    return word;
}

std::map<int, QByteArray> StoreWord::heldBytes() const {
    std::map<int, QByteArray> out;
    for (const auto& [number, record] : held)
        out[number] = record.bytes;
    return out;
}

bool keepUnrecorded(const QString& storePath, const JobStart& start, const JobFinish& finish) {
    const QString path = unrecordedFile(storePath);
    QFile old(path);
    QByteArray text = old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray();
    old.close();
    const QList<QByteArray> line{
        encoded(start.scale),
        encoded(start.name),
        (start.table == TableKind::Plu ? QByteArray("plu") : QByteArray("ingred")),
        encoded(directionName(start.direction)),
        encoded(start.extent),
        timeText(start.started),
        encoded(jobEndWord(finish.end)),
        encoded(finish.text),
        QByteArray::number(finish.records),
        timeText(finish.ended)};
    text += line.join(' ') + '\n';
    return replaceFile(path, text);
}

std::vector<std::pair<JobStart, JobFinish>> unrecordedJobs(const QString& storePath) {
    std::vector<std::pair<JobStart, JobFinish>> out;
    QFile file(unrecordedFile(storePath));
    if (!file.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != 10)
            continue;
        JobStart s{decoded(f[0]),
                   decoded(f[1]),
                   decoded(f[2]) == QLatin1String("ingred") ? TableKind::Ingred : TableKind::Plu,
                   directionOf(decoded(f[3])),
                   decoded(f[4]),
                   timeOf(f[5])};
        JobFinish e{jobEndOf(decoded(f[6])).value_or(JobEnd::Unrecorded), decoded(f[7]),
                    f[8].toInt(), std::nullopt, timeOf(f[9])};
        out.emplace_back(std::move(s), std::move(e));
    }
    return out;
}

int deliverUnrecorded(Store& store) {
    const QString path = unrecordedFile(store.path());
    if (!QFile::exists(path) || !store.isOpen())
        return 0;
    const auto jobs = unrecordedJobs(store.path());
    const bool taken = store.transaction(
        [&] {
            for (const auto& [start, finish] : jobs) {
                qint64 id = 0;
                JobFinish f = finish;
                f.end = JobEnd::Unrecorded;
                if (!store.insertJob(start, &id) || !store.finishJob(id, f) ||
                    !store.markUnconfirmed(start.scale, start.table,
                                           QString::fromUtf8(QT_TRANSLATE_NOOP(
                                               "StoreDoubt", "the store could not keep a job"))))
                    return false;
            }
            return true;
        },
        std::chrono::milliseconds(100));
    if (!taken) {
        // Tried again later; a command that only reads the store has nothing to say of it.
        store.takeProblem();
        return 0;
    }
    // Jobs kept since they were read stay for the next delivery.
    QFile file(path);
    QList<QByteArray> lines;
    if (file.open(QIODevice::ReadOnly))
        lines = file.readAll().split('\n');
    file.close();
    lines.removeAll(QByteArray());
    lines = lines.mid(qsizetype(jobs.size()));
    if (lines.isEmpty())
        QFile::remove(path);
    else
        replaceFile(path, lines.join('\n') + '\n');
    return int(jobs.size());
}

} // namespace tarn
