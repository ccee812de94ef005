// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangedPlan.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

namespace tarn {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ChangedPlan)
};

std::set<int> numbersIn(const std::vector<WireRecord>& table) {
    std::set<int> out;
    for (const WireRecord& r : table)
        out.insert(r.number);
    return out;
}

int extraRecords(const std::vector<WireRecord>& table, const std::map<int, QByteArray>& held) {
    const std::set<int> ours = numbersIn(table);
    int extra = 0;
    for (const auto& entry : held)
        extra += ours.count(entry.first) ? 0 : 1;
    return extra;
}

ChangedStep send(const ChangedFacts& f, const std::map<int, QByteArray>& held, QString nothing) {
    ChangedStep step;
    step.toSend = changedSlots(f.table, held);
    step.nothing = std::move(nothing);
    step.extra = extraRecords(f.table, held);
    return step;
}

ChangedStep readWhole(const ChangedFacts& f, ScaleAnswers answers, QStringList said) {
    ChangedStep step;
    step.what = ChangedStep::Do::ReadWhole;
    step.answers = answers;
    step.said = std::move(said);
    step.said << Text::tr("The scale does not hold what Tarnlink last sent it: reading its table");
    if (answers == ScaleAnswers::ByNumber) {
        std::set<int> numbers = numbersIn(f.table);
        for (const auto& entry : f.word.held)
            numbers.insert(entry.first);
        numbers.erase(0);
        step.ask.assign(numbers.begin(), numbers.end());
        step.byNumber = true;
    }
    return step;
}

// How the scale answers, from what it answered: a record other than the slot asked for is a
// scale that answers by slot; a slot that was empty and a later number that came back as asked
// is one that answers by number (a scale that fills its slots from the first has nothing after
// an empty slot).
ScaleAnswers learned(ScaleAnswers known, const std::vector<ReadAnswer>& answers) {
    std::optional<int> emptySlot;
    for (const ReadAnswer& a : answers) {
        if (!a.byNumber && a.number && *a.number != a.asked)
            return ScaleAnswers::BySlot;
        if (!a.byNumber && !a.number && (!emptySlot || a.asked < *emptySlot))
            emptySlot = a.asked;
    }
    for (const ReadAnswer& a : answers)
        if (a.byNumber && a.number && *a.number == a.asked && emptySlot && a.asked > *emptySlot)
            return ScaleAnswers::ByNumber;
    return known;
}

} // namespace

ChangedStep planChanged(const ChangedFacts& f, const QDateTime& now) {
    if (f.whole) {
        ChangedStep step =
            send(f, *f.whole,
                 Text::tr("Nothing to send: the scale's table, read now, holds this table"));
        step.answers = f.word.answers;
        return step;
    }
    const ScaleAnswers answers = learned(f.word.answers, f.readBack);
    if (f.word.doubt)
        //: %1: why the store's word is doubted, in the store's words
        return readWhole(
            f, answers,
            {Text::tr("The store cannot vouch for this scale: %1").arg(doubtShown(*f.word.doubt))});

    const std::map<int, QByteArray> held = f.word.heldBytes();
    ChangedStep sending = send(f, held, QString());
    sending.answers = answers;
    std::set<int> sent; // the numbers the download sends anyway
    for (const int slot : sending.toSend)
        for (const WireRecord& r : f.table)
            if (r.slot == slot)
                sent.insert(r.number);
    std::set<int> skipped;
    for (const WireRecord& r : f.table)
        if (!sent.count(r.number) && held.count(r.number))
            skipped.insert(r.number);
    if (skipped.empty()) {
        sending.nothing = Text::tr("Nothing to send: the scale holds this table");
        return sending;
    }

    // What came back so far.
    std::set<int> agreed;       // numbers read back as the store holds them
    std::set<int> askedSlots;   // slots asked for
    std::set<int> askedNumbers; // numbers asked for by number
    std::optional<int> emptySlot;
    for (const ReadAnswer& a : f.readBack) {
        (a.byNumber ? askedNumbers : askedSlots).insert(a.asked);
        if (a.number) {
            const auto h = held.find(*a.number);
            if (h != held.end() && h->second != a.bytes)
                return readWhole(f, answers,
                                 {Text::tr("Checking what the scale holds: its record %1 is not "
                                           "as Tarnlink sent it")
                                      .arg(*a.number)});
            if (a.byNumber && *a.number != a.asked)
                return readWhole(f, answers,
                                 {Text::tr("Checking what the scale holds: asked for record %1, "
                                           "it sent record %2")
                                      .arg(a.asked)
                                      .arg(*a.number)});
            if (h != held.end())
                agreed.insert(*a.number);
        } else if (a.byNumber && answers == ScaleAnswers::ByNumber) {
            return readWhole(
                f, answers,
                {Text::tr("Checking what the scale holds: its record %1 is missing").arg(a.asked)});
        } else if (!a.byNumber && (!emptySlot || a.asked < *emptySlot)) {
            emptySlot = a.asked;
        }
    }
    if (emptySlot && answers != ScaleAnswers::ByNumber) {
        // Asked by slot, a scale that answers by number has nothing under most numbers: that is
        // no doubt until a record it should hold is asked for by its number.
        if (answers == ScaleAnswers::Unknown) {
            for (const int number : skipped)
                if (number > *emptySlot && !askedNumbers.count(number)) {
                    ChangedStep probe;
                    probe.what = ChangedStep::Do::ReadBack;
                    probe.ask = {number};
                    probe.byNumber = true;
                    probe.answers = answers;
                    return probe;
                }
        }
        return readWhole(
            f, answers,
            {Text::tr("Checking what the scale holds: its slot %1 is empty").arg(*emptySlot)});
    }

    // More to read back: the least recently seen of the records skipped first.
    const int wanted = f.checks - int(agreed.size());
    std::vector<int> order(skipped.begin(), skipped.end());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return f.word.held.at(a).confirmed < f.word.held.at(b).confirmed;
    });
    ChangedStep more;
    more.what = ChangedStep::Do::ReadBack;
    more.answers = answers;
    more.byNumber = answers == ScaleAnswers::ByNumber;
    if (wanted > 0) {
        // Where the scale keeps a record only ever downloaded is not known: it is in one of
        // the slots no record is known to be in (a scale fills its slots from the first), each
        // such record taken to be in the next of them.
        std::set<int> known;
        for (const auto& [number, record] : f.word.held)
            if (record.slot > 0)
                known.insert(record.slot);
        std::vector<int> free;
        for (int slot = 1; slot <= int(f.word.held.size()); ++slot)
            if (!known.count(slot))
                free.push_back(slot);
        size_t nextFree = 0;
        for (const int number : order) {
            if (int(more.ask.size()) >= wanted)
                break;
            if (agreed.count(number))
                continue;
            int ask = number;
            if (!more.byNumber) {
                ask = f.word.held.at(number).slot;
                if (ask <= 0)
                    ask = nextFree < free.size() ? free[nextFree++] : 0;
            }
            if (ask > 0 && ask <= kMaxRecords &&
                !(more.byNumber ? askedNumbers : askedSlots).count(ask) &&
                std::find(more.ask.begin(), more.ask.end(), ask) == more.ask.end())
                more.ask.push_back(ask);
        }
    }
    if (!more.ask.empty())
        return more;
    if (agreed.empty()) {
        sending.nothing = Text::tr("Nothing to send: the scale holds this table");
        return sending;
    }
    QString lastRead;
    if (f.word.readWhole.isValid())
        lastRead = whenText(f.word.readWhole, now);
    else
        //: When the scale's whole table was last read: never
        lastRead = Text::tr("never");
    const int agreeing = int(agreed.size());
    if (agreeing == 1)
        //: %1: when the whole table was last read ("today 14:02", "never")
        sending.nothing = Text::tr("Nothing to send: 1 record read back agrees with what Tarnlink "
                                   "sent; whole table last read %1")
                              .arg(lastRead);
    else
        //: %1: when the whole table was last read ("today 14:02", "never")
        sending.nothing = Text::tr("Nothing to send: %n records read back agree with what "
                                   "Tarnlink sent; whole table last read %1",
                                   nullptr, agreeing)
                              .arg(lastRead);
    return sending;
}

QString whenText(const QDateTime& at, const QDateTime& now) {
    const QDateTime local = at.toLocalTime();
    const qint64 daysAgo = local.date().daysTo(now.toLocalTime().date());
    const QString time = local.toString(QStringLiteral("HH:mm"));
    if (daysAgo == 0)
        //: %1: a time of day, "14:02"
        return Text::tr("today %1").arg(time);
    if (daysAgo == 1)
        //: %1: a time of day, "09:10"
        return Text::tr("yesterday %1").arg(time);
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString heldWhenCheckedText(const QDateTime& checked, const QDateTime& now) {
    if (!checked.isValid())
        return Text::tr("Nothing to send: the scale holds this table");
    //: %1: when it was last checked ("today 14:02", "yesterday 09:10", "2026-12-03 14:02")
    return Text::tr("Nothing to send: the scale held this table when last checked (%1)")
        .arg(whenText(checked, now));
}

QString extraRecordsText(int extra, bool nothingSent) {
    if (extra <= 0)
        return {};
    if (nothingSent)
        return Text::tr("Nothing to send; the scale also holds %n records this table does not have "
                        "(Compare lists them)",
                        nullptr, extra);
    return Text::tr("Sent; the scale also holds %n records this table does not have (Compare lists "
                    "them)",
                    nullptr, extra);
}

} // namespace tarn
