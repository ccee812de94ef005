// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeScale.h"

#include <chrono>

namespace tarn::testing {

namespace {
constexpr Clock::Time kForgetAfter = std::chrono::seconds(1);

Clock::Time millis(int ms) {
    return std::chrono::milliseconds(ms);
}

// The records of a number-keyed map in slots of the same number; a number above the last slot
// takes the first free slot after them.
template <class Table, class Decode>
void fill(Table& table, const std::map<quint16, QByteArray>& records, Decode decode) {
    table = {};
    size_t free = 1;
    for (const auto& [number, body] : records) { // numbers ascending
        if (number == 0)
            continue;
        if (number <= kMaxRecords) {
            table[number] = decode(body, qint16(number));
            continue;
        }
        while (free <= kMaxRecords && numberOf(table[free]) != 0)
            ++free;
        if (free <= kMaxRecords)
            table[free++] = decode(body, qint16(number));
    }
}
} // namespace

// The go-ahead of an ingredient upload and its reply follow each other at once, as the PC's
// wait for them was first tried against this scale.
FakeScale::FakeScale(VirtualClock& clock) : clock_(clock), protocol_(tables_, {}, 0) {
    protocol_.onReply = [this](int number, const QByteArray& bytes) {
        replies.emplace_back(number, bytes);
    };
    protocol_.onRecordTaken = [this](int number, const QByteArray& body) {
        received.emplace_back(quint16(number), body);
        if (number == 0)
            return;
        auto& table = body.size() == sim::kPluBodySize ? plus : ingreds;
        auto& shown = &table == &plus ? shownPlus_ : shownIngreds_;
        table[quint16(number)] = shown[quint16(number)] = body;
    };
}

void FakeScale::inject(const Fault& fault) {
    sim::Fault f;
    f.kind = fault.action;
    f.step = fault.step;
    f.times = fault.times;
    if (fault.number >= 0) {
        f.target = sim::FaultTarget::Record;
        f.number = fault.number;
    }
    f.delayMs = int(std::chrono::duration_cast<std::chrono::milliseconds>(fault.delay).count());
    f.flipAt = fault.at;
    if (fault.action == Action::Extra)
        f.byte = 0xEE;
    protocol_.addFault(std::move(f));
}

std::optional<QString> FakeScale::open(const QString& name) {
    name_ = name;
    if (openFailures_ > 0) {
        --openFailures_;
        log_.push_back({LogEntry::Kind::OpenFailed, clock_.now(), {}});
        return openFailure_;
    }
    open_ = true;
    log_.push_back({LogEntry::Kind::Opened, clock_.now(), {}});
    return std::nullopt;
}

void FakeScale::close() {
    if (!open_)
        return;
    open_ = false;
    ++session_;
    inbound_.clear();
    log_.push_back({LogEntry::Kind::Closed, clock_.now(), {}});
}

QByteArray FakeScale::readAll() {
    return std::exchange(inbound_, {});
}

void FakeScale::write(const QByteArray& bytes) {
    if (!open_)
        return;
    log_.push_back({LogEntry::Kind::FromPc, clock_.now(), bytes});
    if (protocol_.midExchange() && clock_.now() - lastByte_ > kForgetAfter)
        protocol_.lineIdle();
    lastByte_ = clock_.now();
    if (!protocol_.midExchange() || bytes.startsWith('\xA5')) // an exchange may start
        showTables();
    protocol_.feed(bytes);
    protocol_.takeLog();
    for (const sim::Burst& burst : protocol_.takeOutput())
        deliver(burst);
}

void FakeScale::showTables() {
    tables_.weight = qint32(display.weight);
    tables_.unitPrice = qint32(display.unitPrice);
    tables_.totalPrice = qint32(display.totalPrice);
    if (plus != shownPlus_) {
        fill(tables_.plu, plus, sim::decodePluBody);
        shownPlus_ = plus;
    }
    if (ingreds != shownIngreds_) {
        fill(tables_.ingred, ingreds, sim::decodeIngredBody);
        shownIngreds_ = ingreds;
    }
}

void FakeScale::deliver(const sim::Burst& burst) {
    if (!burst.stray)
        return send(burst.bytes, millis(burst.delayMs));
    // A byte left on the line: a port reset does not stop it.
    clock_.at(lineFreeAt_ + millis(burst.delayMs), [this, stray = burst.bytes] {
        if (arrive(stray, session_))
            ++straysDelivered;
    });
}

void FakeScale::send(const QByteArray& bytes, Clock::Time after) {
    Clock::Time t = std::max(clock_.now() + latency + after, lineFreeAt_);
    const int session = session_;
    if (byteTime == Clock::Time::zero()) {
        // No pacing: the whole answer arrives in one piece.
        clock_.at(t, [this, session, bytes] { arrive(bytes, session); });
    } else {
        for (char b : bytes) {
            t += byteTime;
            clock_.at(t, [this, session, b] { arrive(QByteArray(1, b), session); });
        }
    }
    lineFreeAt_ = t;
}

bool FakeScale::arrive(const QByteArray& bytes, int session) {
    if (!open_ || session != session_)
        return false;
    inbound_.append(bytes);
    log_.push_back({LogEntry::Kind::ToPc, clock_.now(), bytes});
    emit readyRead();
    return true;
}

QByteArray FakeScale::fromPc() const {
    QByteArray all;
    for (const LogEntry& e : log_)
        if (e.kind == LogEntry::Kind::FromPc)
            all += e.bytes;
    return all;
}

std::vector<Clock::Time> FakeScale::times(LogEntry::Kind kind) const {
    std::vector<Clock::Time> out;
    for (const LogEntry& e : log_)
        if (e.kind == kind)
            out.push_back(e.at);
    return out;
}

} // namespace tarn::testing
