// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <QString>

#include <optional>
#include <vector>

namespace tarn {

// A note on the PC, one for each scale and table, that every job which sends records to the
// scale writes before its first byte goes on the line and again when it ends. It counts those
// jobs (`sent`, under a name made when the note was first written) and says which store sent
// the last one, whether that job is still under way (a job that was killed, or a PC that lost
// power, leaves it so) and whether its store recorded it.
//
// A store keeps the mark of the note it last knew to be its own word (Store::noteSeen):
// a job it recorded, or a read of the scale's whole table. Any other job in between (another
// store's, one this store could not record, one cut off) leaves the note ahead of the store's
// mark, and the store's word is then not taken until the table is read again. Nothing else
// brings the mark up to the note: a one-record download by this store does not clear the doubt
// that another store's job left.
//
// The notes are kept where they survive a reboot and every user of the PC reaches them: the
// folder the package makes, /var/lib/tarnlink (group-writable by the users of the serial
// ports). A build run without the package keeps them in the user's own state folder
// ($XDG_STATE_HOME/tarnlink, ~/.local/state/tarnlink), which other users of the PC do not see.
// TARNLINK_NOTES_DIR chooses another (each test its own).
struct ScaleNote {
    QString name;            // made once, when the note was first written
    qint64 sent = 0;         // jobs that sent records to the scale
    QString store;           // Store::storeId() of the store that sent the last one
    QString storePath;       // ... and where that store is (its id may not have been readable)
    bool underway = false;   // that job has not ended
    bool recorded = false;   // that job's store kept every record of it
    bool unreadable = false; // the note is there but cannot be read: it vouches for nothing
    // What a store keeps as the mark of this note.
    QString mark() const { return name + QLatin1Char(':') + QString::number(sent); }
};

// The folder of the notes, as above; empty when none can be made.
QString notesFolder();

// The note on the scale's table (by the scale's identity); nullopt when there is none.
std::optional<ScaleNote> readNote(const QString& scale, TableKind table);
// Writes the note so that it survives a crash and a power cut (a new file, flushed to disk,
// then renamed over the old); false when no folder would take it.
bool writeNote(const QString& scale, TableKind table, const ScaleNote& note);

// Why the store's word on a scale's table must not be trusted without reading the table, in
// the operator's words; nullopt when it may be (once a few records read back agree).
// `seen`: the mark the store keeps of the note; `storeId`, `storePath`: the store's.
// A doubt as the operator reads it, in the run's language; the store and the note keep it, and
// the output for programs shows it, in the program's words.
QString doubtShown(const QString& why);
std::optional<QString> doubtOf(const ScaleState& state, const std::optional<ScaleNote>& note,
                               const QString& seen, const QString& storeId,
                               const QString& storePath);

// The store's word on a scale's table, as a Changed download, `status` and the window's count
// weigh it: the one place that reads the store and the note together.
struct StoreWord {
    std::map<int, HeldRecord> held; // what the store says the scale holds, by number
    std::optional<QString> doubt;   // why it cannot be trusted without reading the table
    // When the scale last confirmed the store's word: a check, a read of its table, or the
    // last record it acknowledged (UTC); invalid: never.
    QDateTime checked;
    QDateTime readWhole;                          // when its whole table was last read (UTC)
    ScaleAnswers answers = ScaleAnswers::Unknown; // how the scale answers a request
    // What the store says the scale holds: number -> bytes, as changedSlots() weighs it.
    std::map<int, QByteArray> heldBytes() const;
};
// `scale`: the scale's identity on this PC (portIdentity()); the store keeps it under
// storeKey(scale).
StoreWord storeWord(const Store& store, const QString& scale, TableKind table);
// The same by the key the store keeps the scale under: a scale of another PC or shop has no
// note on this PC, and the store's own marks alone speak for it.
StoreWord storeWordByKey(const Store& store, const QString& key, TableKind table);

// Jobs that ran while their store could not be written, kept on the PC until the store takes
// them (the window tries while it runs, every tarnlink-cli command that opens the store first).
// `storePath`: Store::path() of the store they belong to.
bool keepUnrecorded(const QString& storePath, const JobStart& start, const JobFinish& finish);
std::vector<std::pair<JobStart, JobFinish>> unrecordedJobs(const QString& storePath);
// Hands the jobs waiting to `store`, in the order they ran, each in the history as unrecorded
// with its scale marked unconfirmed; those it took are no longer kept. The number taken.
int deliverUnrecorded(Store& store);

} // namespace tarn
