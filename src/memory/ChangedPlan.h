// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaleNotes.h"
#include "TableDiff.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace tarn {

// What a Changed download sends, and whether it may take the store's word for what it skips:
// decided from the store's word, the note on the PC and what this job has read from the scale,
// without the line and without the store. The engine asks, carries out the step it is given
// (read a few records back, read the whole table, or send), adds what it read, and asks again.
//
// What the job read decides, never the store: once the whole table was read, what it holds is
// what is weighed, whether or not the store could keep it. The store's word is taken only for
// records the download would not send, only when nothing casts a doubt on it, and only once a
// few of those records read back as it says: the least recently seen on the scale first, so
// that every record is read back in turn.

// One record asked for while checking.
struct ReadAnswer {
    int asked = 0;             // the number asked for
    bool byNumber = false;     // asked as a record's number (the scale answers by number)
    std::optional<int> number; // the number of the record it sent; nullopt: it sent none
    QByteArray bytes;          // that record as the store keeps records
};

struct ChangedFacts {
    std::vector<WireRecord> table; // the PC's table as it goes on the line
    StoreWord word;                // the store's word, with the note's doubt
    std::vector<ReadAnswer> readBack;
    // The scale's whole table as this job read it (number -> bytes); nullopt: not read.
    std::optional<std::map<int, QByteArray>> whole;
    int checks = 3; // records read back before the store's word is taken
};

struct ChangedStep {
    enum class Do { ReadBack, ReadWhole, Send };
    Do what = Do::Send;
    // ReadBack: the numbers to ask for, in order. ReadWhole of a scale that answers by number:
    // every number to ask for (its "All" upload would end at once); empty: an "All" upload.
    std::vector<int> ask;
    bool byNumber = false; // ask them as records' numbers
    // Lines to say first: what the check found, and for ReadWhole why the store's word is not
    // taken.
    QStringList said;
    std::vector<int> toSend; // Send: the table's slots to send, in slot order
    QString nothing;         // Send: what "Nothing to send" rests on, the whole text
    int extra = 0;           // Send: records the scale holds that the table does not have
    ScaleAnswers answers = ScaleAnswers::Unknown; // as learned so far
};

ChangedStep planChanged(const ChangedFacts& facts,
                        const QDateTime& now = QDateTime::currentDateTime());

// A moment as the operator reads it: "today 14:02", "yesterday 09:10", "2026-12-03 14:02"
// (local time).
QString whenText(const QDateTime& at, const QDateTime& now = QDateTime::currentDateTime());

// The window's count when nothing is to be sent: "Nothing to send: the scale held this table
// when last checked (today 14:02)".
QString heldWhenCheckedText(const QDateTime& checked,
                            const QDateTime& now = QDateTime::currentDateTime());

// The line said after a Changed download (or its count) when the scale holds records the table
// does not have; empty when it holds none.
QString extraRecordsText(int extra, bool nothingSent);

} // namespace tarn
