// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeScale.h"

#include "RecordCodec.h"

namespace tarn::testing {

namespace {
constexpr Clock::Time kForgetAfter = std::chrono::seconds(1);

QByteArray be16(quint16 v) {
    QByteArray b(2, '\0');
    b[0] = char(v >> 8);
    b[1] = char(v & 0xFF);
    return b;
}
QByteArray be32(quint32 v) {
    return be16(quint16(v >> 16)) + be16(quint16(v & 0xFFFF));
}
} // namespace

FakeScale::FakeScale(VirtualClock& clock) : clock_(clock) {}

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
    QByteArray all = inbound_;
    inbound_.clear();
    return all;
}

void FakeScale::write(const QByteArray& bytes) {
    if (!open_)
        return;
    log_.push_back({LogEntry::Kind::FromPc, clock_.now(), bytes});
    for (char b : bytes)
        feed(quint8(b));
}

void FakeScale::send(const QByteArray& bytes, Clock::Time after) {
    Clock::Time t = std::max(clock_.now() + latency + after, lineFreeAt_);
    const int session = session_;
    auto deliver = [this, session](const QByteArray& chunk) {
        if (!open_ || session != session_)
            return;
        inbound_.append(chunk);
        log_.push_back({LogEntry::Kind::ToPc, clock_.now(), chunk});
        emit readyRead();
    };
    if (byteTime == Clock::Time::zero()) {
        // No pacing: the whole answer arrives in one piece.
        clock_.at(t, [deliver, bytes] { deliver(bytes); });
    } else {
        for (char b : bytes) {
            t += byteTime;
            clock_.at(t, [deliver, b] { deliver(QByteArray(1, b)); });
        }
    }
    lineFreeAt_ = t;
}

FakeScale::Fault* FakeScale::faultFor(Step step, int number, bool useUp) {
    for (Fault& f : faults_) {
        if (f.step != step || f.times == 0)
            continue;
        if (f.number >= 0 && f.number != number)
            continue;
        if (useUp && f.times > 0)
            --f.times;
        return &f;
    }
    return nullptr;
}

void FakeScale::answer(Step step, QByteArray bytes, int number) {
    Clock::Time delay{};
    std::optional<Clock::Time> late;
    if (Fault* f = faultFor(step, number)) {
        switch (f->action) {
        case Action::Silent:
            return;
        case Action::Wrong: {
            const qsizetype k = f->at >= 0 ? f->at % bytes.size() : 0;
            bytes[k] = char(quint8(bytes[k]) ^ 0xFF);
            break;
        }
        case Action::Extra:
            bytes.append(char(0xEE));
            break;
        case Action::Short:
            bytes.chop(1);
            break;
        case Action::Delay:
            delay = f->delay;
            break;
        case Action::Late:
            late = f->delay;
            break;
        }
    }
    // An upload reply ends with the closing byte, which has faults of its own.
    if (step == Step::Reply && command_ != 0x06)
        if (Fault* f = faultFor(Step::Closing, number); f && f->action == Action::Wrong)
            bytes[bytes.size() - 1] = char(quint8(bytes.back()) ^ 0xFF);
    if (step == Step::Reply)
        replies.emplace_back(number, bytes);
    send(bytes, delay);
    if (late) {
        clock_.at(lineFreeAt_ + *late, [this, stray = bytes.back()] {
            if (!open_)
                return;
            inbound_.append(stray);
            ++straysDelivered;
            log_.push_back({LogEntry::Kind::ToPc, clock_.now(), QByteArray(1, stray)});
            emit readyRead();
        });
    }
}

void FakeScale::feed(quint8 byte) {
    if (state_ != State::Idle && clock_.now() - lastByte_ > kForgetAfter) {
        state_ = State::Idle;
        partial_.clear();
    }
    lastByte_ = clock_.now();
    switch (state_) {
    case State::Idle:
        if (byte == 0xA5) {
            // A scale that does not hear the sync byte stays where it is.
            if (const Fault* f = faultFor(Step::Sync, -1, false);
                f && f->action == Action::Silent) {
                faultFor(Step::Sync, -1);
                return;
            }
            answer(Step::Sync, QByteArray(1, char(0x77)), -1);
            state_ = State::Command;
        }
        return;
    case State::Command:
        command_ = byte;
        partial_.clear();
        switch (byte) {
        case 0x00:
        case 0x02:
        case 0x04:
        case 0x05:
            answer(Step::Command, QByteArray(1, char(0x01)), -1);
            state_ = State::Number;
            return;
        case 0x06:
            answer(Step::Reply,
                   be32(display.weight) + be32(display.unitPrice) + be32(display.totalPrice), -1);
            break;
        default:
            break;
        }
        state_ = State::Idle;
        return;
    case State::Number:
        partial_.append(char(byte));
        if (partial_.size() < 2)
            return;
        number_ = quint16(quint8(partial_[0]) << 8 | quint8(partial_[1]));
        partial_.clear();
        if (command_ == 0x02 || command_ == 0x00) {
            const Fault* f = faultFor(Step::Number, number_, false);
            ignoreRecord_ = f && f->action == Action::Wrong;
            answer(Step::Number, be16(number_), number_);
            state_ = State::Record;
            return;
        }
        if (command_ == 0x05) {
            const auto it = plus.find(number_);
            if (it == plus.end()) {
                // Not held: another echo, and a record of zeros.
                answer(Step::Reply,
                       be16(quint16(number_ + 1)) + be16(0) + QByteArray(kPluRecordBytes, '\0') +
                           char(0x10),
                       number_);
            } else {
                answer(Step::Reply, be16(number_) + be16(number_) + it->second + char(0x10),
                       number_);
            }
        } else { // 0x04
            answer(Step::Number, QByteArray(1, '\0'), number_);
            const auto it = ingreds.find(number_);
            if (it == ingreds.end())
                answer(Step::Reply, be16(0) + QByteArray(kIngredRecordBytes, ' ') + char(0x10),
                       number_);
            else
                answer(Step::Reply, be16(number_) + it->second + char(0x10), number_);
        }
        state_ = State::Idle;
        return;
    case State::Record: {
        partial_.append(char(byte));
        const int need = command_ == 0x02 ? kPluRecordBytes : kIngredRecordBytes;
        if (partial_.size() < need)
            return;
        state_ = State::Idle;
        if (ignoreRecord_) {
            ignoreRecord_ = false;
            partial_.clear();
            return;
        }
        if (command_ == 0x02)
            plus[number_] = partial_;
        else
            ingreds[number_] = partial_;
        received.emplace_back(number_, partial_);
        partial_.clear();
        answer(Step::Closing, QByteArray(1, char(0x10)), number_);
        return;
    }
    }
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
