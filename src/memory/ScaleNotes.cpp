// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleNotes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tarn {

namespace {

// The folders tried, in order; the first that exists and may be written is used.
QStringList folders() {
    const QString chosen = qEnvironmentVariable("TARNLINK_RUNTIME_DIR");
    if (!chosen.isEmpty())
        return {chosen};
    QStringList out{QStringLiteral("/run/lock"), QStringLiteral("/var/lock")};
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        out << runtime + QStringLiteral("/tarnlink");
    return out;
}

QString fileName(const QString& scale, TableKind table) {
    QString name = scale;
    if (name.startsWith(QLatin1String("/dev/")))
        name = name.mid(5);
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            c = QLatin1Char('_');
    return QStringLiteral("tarnlink..") + name +
           (table == TableKind::Plu ? QStringLiteral(".plu") : QStringLiteral(".ingred"));
}

} // namespace

QString notesFolder() {
    const QStringList tried = folders();
    for (const QString& folder : tried) {
        const QFileInfo info(folder);
        if (info.isDir() && info.isWritable())
            return folder;
    }
    // This user's own folder, made when missing.
    const QString last = tried.last();
    if (QDir().mkpath(last))
        return last;
    return {};
}

std::optional<ScaleNote> readNote(const QString& scale, TableKind table) {
    for (const QString& folder : folders()) {
        QFile file(folder + QLatin1Char('/') + fileName(scale, table));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = file.readAll().split('\n');
        ScaleNote note;
        if (lines.size() < 11)
            return note; // names no store
        const auto text = [&](int i) {
            return QString::fromUtf8(QByteArray::fromPercentEncoding(lines[i]));
        };
        const auto time = [&](int i) {
            return lines[i].isEmpty()
                       ? QDateTime()
                       : QDateTime::fromMSecsSinceEpoch(lines[i].toLongLong(), Qt::UTC);
        };
        note.store = text(0);
        note.job = lines[1].toLongLong();
        note.recorded = lines[2] == "recorded";
        note.start = {scale, text(3), table, directionOf(text(4)), text(5), time(6)};
        note.finish.end = jobEndOf(text(7)).value_or(JobEnd::Unrecorded);
        note.finish.text = text(8);
        note.finish.records = lines[9].toInt();
        note.finish.ended = time(10);
        return note;
    }
    return std::nullopt;
}

bool writeNote(const QString& scale, TableKind table, const ScaleNote& note) {
    const QString folder = notesFolder();
    if (folder.isEmpty())
        return false;
    const auto line = [](const QString& t) { return t.toUtf8().toPercentEncoding() + '\n'; };
    const auto time = [](const QDateTime& t) {
        return (t.isValid() ? QByteArray::number(t.toMSecsSinceEpoch()) : QByteArray()) + '\n';
    };
    const QByteArray text =
        line(note.store) + QByteArray::number(note.job) + '\n' +
        (note.recorded ? "recorded" : "not recorded") + '\n' + line(note.start.name) +
        line(directionName(note.start.direction)) + line(note.start.extent) +
        time(note.start.started) + line(jobEndWord(note.finish.end)) + line(note.finish.text) +
        QByteArray::number(note.finish.records) + '\n' + time(note.finish.ended);
    QFile file(folder + QLatin1Char('/') + fileName(scale, table));
    // Another user's note is written over in place: a shared lock folder lets no one replace
    // or make anew a file someone else owns there.
    bool made = false;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::ExistingOnly)) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        made = true;
    }
    const bool written = file.write(text) == text.size() && file.flush();
    file.close();
    if (made)
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                            QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther);
    return written;
}

std::optional<QString> doubtOf(const ScaleState& state, const std::optional<ScaleNote>& note,
                               const QString& storeId, bool noteJobRecorded) {
    if (state.unconfirmed)
        return state.why.isEmpty() ? QStringLiteral("the store could not keep a job") : state.why;
    if (!note)
        return std::nullopt;
    if (note->store != storeId)
        return QStringLiteral("another store sent it records since");
    if (!note->recorded)
        return QStringLiteral("the store could not keep its last job");
    if (!noteJobRecorded)
        return QStringLiteral("the store does not hold its last job (put back from a copy?)");
    return std::nullopt;
}

StoreWord storeWord(const ScaleMemory& store, const QString& scale, TableKind table) {
    StoreWord word;
    const ScaleState state = store.state(scale, table);
    const std::optional<ScaleNote> note = readNote(scale, table);
    word.doubt = doubtOf(state, note, store.storeId(), note && store.recorded(note->job));
    word.held = store.heldRecords(scale, table);
    word.checked = state.checked;
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

std::vector<int> readBackSlots(const std::map<int, HeldRecord>& held, const std::set<int>& sending,
                               int count, QRandomGenerator& random) {
    std::vector<int> out;
    const auto add = [&](int slot) {
        if (int(out.size()) < count && slot >= 1 && slot <= kMaxRecords &&
            std::find(out.begin(), out.end(), slot) == out.end())
            out.push_back(slot);
    };
    const auto shuffled = [&](std::vector<int> order) {
        for (size_t i = order.size(); i > 1; --i)
            std::swap(order[i - 1], order[random.bounded(quint32(i))]);
        return order;
    };
    const HeldRecord* oldest = nullptr;
    std::vector<int> known;
    for (const auto& [number, record] : held) {
        if (sending.count(number) || record.slot <= 0)
            continue;
        known.push_back(record.slot);
        if (!oldest || record.confirmed < oldest->confirmed)
            oldest = &record;
    }
    if (oldest)
        add(oldest->slot);
    for (int slot : shuffled(known))
        add(slot);
    std::vector<int> first;
    for (int slot = 1; slot <= int(held.size()); ++slot)
        first.push_back(slot);
    for (int slot : shuffled(first))
        add(slot);
    return out;
}

} // namespace tarn
