// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaleMemory.h"

#include <QRandomGenerator>
#include <QString>

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace tarn {

// A note beside the port locks, one for each scale and table: which store last sent records
// to the scale, and whether that store recorded the job. A store trusts what it holds of a
// scale only when the note names it and its job, so the scale's table is read again after a
// job whose store could not be written (locked, disk full, read-only, broken), after a job run
// with another store (another user, another TARNLINK_STORE), and after a store was put back
// from an older copy.
//
// The notes live where the serial ports keep their locks (/run/lock): a folder every user and
// program on the PC shares, in memory, so a full or read-only data folder does not stop them.
// Where that folder cannot be written, in $XDG_RUNTIME_DIR/tarnlink (this user's only). They
// go with a reboot; the store itself then still knows what it marked unconfirmed, and the
// check before a Changed download reads back a few records.
struct ScaleNote {
    QString store;         // ScaleMemory::storeId() of the store that sent
    qint64 job = 0;        // its job's number in that store; 0 while not recorded
    bool recorded = false; // the store kept every record of the job
    // The job as the history would keep it, for the store to take in once it can be written
    // (not recorded; its scale and table are the note's).
    JobStart start;
    JobFinish finish;
};

// The folder of the notes: TARNLINK_RUNTIME_DIR when set (each test its own), else as above.
QString notesFolder();

// The note on the scale's table; nullopt when there is none. A note that cannot be read is
// one that names no store.
std::optional<ScaleNote> readNote(const QString& scale, TableKind table);
// Writes the note; false when no folder would take it.
bool writeNote(const QString& scale, TableKind table, const ScaleNote& note);

// Why the store's word on a scale's table must not be trusted without reading the table, in
// the operator's words; nullopt when it may be (once a few records read back agree).
// `noteJobRecorded`: whether the store holds the note's job as recorded.
std::optional<QString> doubtOf(const ScaleState& state, const std::optional<ScaleNote>& note,
                               const QString& storeId, bool noteJobRecorded);

// The store's word on a scale's table, as a Changed download weighs it before the line is used.
struct StoreWord {
    std::map<int, HeldRecord> held; // what the store says the scale holds, by number
    std::optional<QString> doubt;   // why it cannot be trusted without reading the table
    // When the scale last confirmed the store's word: a check, a read of its table, or the
    // last record it acknowledged (UTC); invalid: never.
    QDateTime checked;
    // What the store says the scale holds: number -> bytes, as changedSlots() weighs it.
    std::map<int, QByteArray> heldBytes() const;
};
StoreWord storeWord(const ScaleMemory& store, const QString& scale, TableKind table);

// The slots a Changed download reads back before it trusts the store's word, `count` at most:
// the least recently confirmed record it would not send (`sending`: numbers it sends anyway),
// then others at random, first among the slots the store knows records it would not send in,
// then among the scale's first slots (a scale fills its slots from the first, and an upload of
// every record ends at the first empty one, so a scale that holds what the store says holds
// something in each of slots 1 to held.size()). Empty when the store holds nothing.
std::vector<int> readBackSlots(const std::map<int, HeldRecord>& held, const std::set<int>& sending,
                               int count, QRandomGenerator& random);

} // namespace tarn
