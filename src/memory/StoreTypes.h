// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h" // TableKind

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace tarn {

// What the store keeps, as values: the jobs and their records, what a scale holds of each
// record, and the store's word on a scale.

// What a job did, as the history keeps it.
enum class TransferDirection { Download, Upload, Compare };
// "download" / "upload" / "compare", as the history shows and stores it.
QString directionName(TransferDirection d);
TransferDirection directionOf(const QString& name);

// How a job ended, in one word for scripts.
enum class JobEnd {
    Ok,         // sent or read what it was to; a compare or verify found the table
    Nothing,    // a Changed download found nothing to send
    Differs,    // a compare or verify found records held differently
    Stopped,    // stopped by the operator
    Failed,     // the port did not open, a record failed its retries, the port was lost
    Refused,    // refused before the line was used
    Unrecorded, // ran, but the store could not keep what it did
};
QString jobEndWord(JobEnd end);
std::optional<JobEnd> jobEndOf(const QString& word);

// A job as it starts.
struct JobStart {
    QString scale; // identity
    QString name;  // the port's name as used
    TableKind table = TableKind::Plu;
    TransferDirection direction = TransferDirection::Download;
    QString extent;    // in the caller's words: "ALL", "1-5", "Changed", "Compare"
    QDateTime started; // UTC
};

// A job as it ends.
struct JobFinish {
    JobEnd end = JobEnd::Ok;
    QString text;                   // how it ended, in the operator's words
    int records = 0;                // sent (downloads) or read (uploads, compares)
    std::optional<int> differences; // a compare or verify: records held differently
    QDateTime ended;                // UTC
};

// A record the scale acknowledged (download) or sent (upload) in a job.
struct RecordEntry {
    int slot = 0;   // the table's slot (download) or the requested number (upload)
    int number = 0; // the record's number on the scale: PLU No or Message No
    QDateTime at;   // UTC
};

// One job as the history keeps it.
struct TransferEntry {
    qint64 id = 0;
    QString scale; // identity
    QString name;  // the port's name as used
    TableKind table = TableKind::Plu;
    TransferDirection direction = TransferDirection::Download;
    QString extent;
    QDateTime started; // UTC
    QDateTime ended;   // UTC; invalid when the job never ended (the program was killed)
    QString howEnded;  // the operator's words; empty when it never ended
    QString outcome;   // jobEndWord(); empty when never ended or kept by an older Tarnlink
    int records = 0;   // records acknowledged or received, all of them
    std::optional<int> differences;
    std::vector<RecordEntry> acknowledged; // with a number filter: that number's moments
};

// Which jobs Store::history() lists, newest first.
struct HistoryFilter {
    QString port;              // a port's name (any name of the scale); empty: every scale
    std::optional<int> plu;    // jobs that acknowledged or read this PLU No
    std::optional<int> ingred; // ... this Message No (set at most one of plu and ingred)
    QDateTime since;           // started at or after; invalid: any time
    int limit = 0;             // the newest this many; 0: all
};

// What the store holds of one record of a scale.
struct HeldRecord {
    QByteArray bytes;
    QDateTime confirmed; // when the scale last acknowledged, sent or matched it (UTC)
    int slot = 0;        // the scale's slot it was last read from; 0: not known
};

// How a scale answers a request for number n in an upload: with the record in its n-th slot,
// or with the record whose number is n. Learned from what it answers.
enum class ScaleAnswers { Unknown, BySlot, ByNumber };

// Whether the store vouches for what it holds of a scale's table.
struct ScaleState {
    bool unconfirmed = false;
    QString why;         // why not, in the operator's words
    QDateTime checked;   // when the scale last confirmed the store's word (UTC); invalid: never
    QDateTime readWhole; // when its whole table was last read (UTC); invalid: never
    ScaleAnswers answers = ScaleAnswers::Unknown;
};

// A scale the store knows (it ran a job there), as scales() lists it.
struct KnownScale {
    QString scale;      // identity
    QString place;      // the PC (a device) or the shop (a network server) it belongs to
    QStringList names;  // the names it was used under, sorted
    QString pc;         // the PC that ran its last job (empty: an older Tarnlink's job)
    QString user;       // the user who ran it
    TransferEntry last; // its last job
    QDateTime checked;  // when it last confirmed the store's word (UTC); invalid: never
};

// The name the store keeps a scale under: its identity on this PC (portIdentity()) with its
// place, "IDENTITY@PLACE". A device is its PC's (the settings' `pc`, the host name by default),
// a network serial server its shop's (`shop`, the PC's name by default), so that one shared
// store tells /dev/ttyS0 of two PCs apart and two PCs of one shop share their tcp scales.
QString storeKey(const QString& identity);
// The identity and the place of a key; a key without a place (kept by an older Tarnlink) has
// none.
std::pair<QString, QString> splitStoreKey(const QString& key);

} // namespace tarn
