// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleProtocol.h"

#include <algorithm>

namespace tarn::sim {

namespace {

constexpr quint8 kSync = 0xA5;
constexpr quint8 kSyncAnswer = 0x77;
constexpr quint8 kAccepted = 0x01;
constexpr quint8 kGoAhead = 0x00;
constexpr quint8 kClosing = 0x10;
// Sent instead of the closing byte when a received record cannot be kept.
constexpr quint8 kNotStored = 0x00;
constexpr int kMaxNumber = 200;

QByteArray one(quint8 b) {
    return QByteArray(1, char(b));
}

QByteArray u16(quint32 v) {
    QByteArray out;
    putU16(out, quint16(v));
    return out;
}

bool isPlu(ExchangeKind k) {
    return k == ExchangeKind::PluDownload || k == ExchangeKind::PluUpload;
}
bool isIngred(ExchangeKind k) {
    return k == ExchangeKind::IngredDownload || k == ExchangeKind::IngredUpload;
}

QString kindName(ExchangeKind k) {
    switch (k) {
    case ExchangeKind::PluDownload:
        return QStringLiteral("PLU download");
    case ExchangeKind::IngredDownload:
        return QStringLiteral("ingredient download");
    case ExchangeKind::PluUpload:
        return QStringLiteral("PLU upload");
    case ExchangeKind::IngredUpload:
        return QStringLiteral("ingredient upload");
    case ExchangeKind::Display:
        return QStringLiteral("display read");
    case ExchangeKind::Unknown:
        break;
    }
    return QStringLiteral("exchange");
}

// An answer's bytes as the PC gets them, without a late byte.
QByteArray joined(const std::vector<Burst>& pieces) {
    QByteArray all;
    for (const Burst& b : pieces)
        if (!b.stray)
            all += b.bytes;
    return all;
}

// Puts `more` after `pieces`; a piece that follows without a pause joins the one before.
void append(std::vector<Burst>& pieces, std::vector<Burst> more) {
    for (Burst& b : more) {
        if (!pieces.empty() && b.delayMs == 0 && !b.stray && !pieces.back().stray)
            pieces.back().bytes += b.bytes;
        else
            pieces.push_back(std::move(b));
    }
}

} // namespace

QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

ScaleProtocol::ScaleProtocol(ScaleTables& tables, std::vector<Fault> faults, int goAheadGapMs)
    : tables_(tables), faults_(std::move(faults)), gapMs_(goAheadGapMs) {}

void ScaleProtocol::feed(const QByteArray& bytes) {
    for (char c : bytes)
        feed(c);
}

void ScaleProtocol::feed(char c) {
    const auto b = static_cast<quint8>(c);
    switch (state_) {
    case State::Idle:
        if (b == kSync)
            startExchange();
        else
            ignored_.append(c);
        break;
    case State::Command:
        if (b == kSync)
            resync();
        else
            onCommand(b);
        break;
    case State::Number:
        // Numbers stay below 0x8000, so a sync byte cannot start one: the PC has given up on
        // this exchange and begins the next.
        if (got_.isEmpty() && b == kSync) {
            resync();
            break;
        }
        got_.append(c);
        if (got_.size() == 2)
            onNumber();
        break;
    case State::Record:
        got_.append(c);
        if (got_.size() == recordSize_)
            onRecord();
        break;
    }
}

void ScaleProtocol::lineIdle() {
    flushIgnored();
    if (state_ == State::Idle)
        return;
    if (!got_.isEmpty())
        logPc(got_);
    note(QStringLiteral("line quiet in the middle of the exchange: dropped"));
    closeExchange(false);
    state_ = State::Idle;
}

std::vector<Burst> ScaleProtocol::takeOutput() {
    return std::exchange(out_, {});
}

QStringList ScaleProtocol::takeLog() {
    return std::exchange(log_, {});
}

bool ScaleProtocol::takeTablesChanged() {
    return std::exchange(changed_, false);
}

void ScaleProtocol::resync() {
    if (!got_.isEmpty())
        logPc(got_);
    note(QStringLiteral("sync byte in the middle of the exchange: starting again"));
    closeExchange(false);
    startExchange();
}

void ScaleProtocol::startExchange() {
    flushIgnored();
    cur_.ordinal += 1;
    cur_.kind = ExchangeKind::Unknown;
    cur_.guessKind = prevKind_;
    cur_.number = prevNumber_ < 0 ? 1 : (prevFinished_ ? prevNumber_ + 1 : prevNumber_);
    cur_.spoiled = false;
    cur_.open = true;
    got_.clear();
    logPc(one(kSync));
    send(answer(Step::Sync, one(kSyncAnswer), one(0x76)));
    state_ = State::Command;
}

void ScaleProtocol::closeExchange(bool finished) {
    if (!cur_.open)
        return;
    cur_.open = false;
    const ExchangeKind k = cur_.kind != ExchangeKind::Unknown ? cur_.kind : cur_.guessKind;
    prevKind_ = k;
    if (k == ExchangeKind::Display)
        return;
    prevNumber_ = cur_.number;
    prevFinished_ = finished && !cur_.spoiled;
}

void ScaleProtocol::onCommand(quint8 b) {
    logPc(one(b));
    switch (b) {
    case 0x02:
        cur_.kind = ExchangeKind::PluDownload;
        break;
    case 0x00:
        cur_.kind = ExchangeKind::IngredDownload;
        break;
    case 0x05:
        cur_.kind = ExchangeKind::PluUpload;
        break;
    case 0x04:
        cur_.kind = ExchangeKind::IngredUpload;
        break;
    case 0x06: {
        cur_.kind = ExchangeKind::Display;
        QByteArray record;
        putU32(record, quint32(tables_.weight));
        putU32(record, quint32(tables_.unitPrice));
        putU32(record, quint32(tables_.totalPrice));
        const Pieces reply = answer(Step::Reply, record, {});
        send(reply);
        tellReply(-1, reply);
        closeExchange(true);
        state_ = State::Idle;
        return;
    }
    default:
        note(QStringLiteral("unknown command %1: no answer").arg(hexBytes(one(b))));
        closeExchange(false);
        state_ = State::Idle;
        return;
    }
    send(answer(Step::Command, one(kAccepted), one(0x02)));
    got_.clear();
    state_ = State::Number;
}

void ScaleProtocol::onNumber() {
    logPc(got_);
    const int n = (quint8(got_[0]) << 8) | quint8(got_[1]);
    got_.clear();
    cur_.number = n;
    note(QStringLiteral("%1 of %2").arg(kindName(cur_.kind)).arg(n));
    switch (cur_.kind) {
    case ExchangeKind::PluDownload:
    case ExchangeKind::IngredDownload: {
        Pieces echo{{0, u16(quint32(n))}};
        fillerExpected_ = !spoil(Step::Number, echo, u16(quint32(n + 1)));
        send(echo);
        recordSize_ = cur_.kind == ExchangeKind::PluDownload ? kPluBodySize : kIngredBodySize;
        state_ = State::Record;
        return;
    }
    case ExchangeKind::PluUpload: {
        const int slot = answeringSlot(tables_.plu, n);
        const bool held = slot != 0;
        const PluRecord record = held ? tables_.plu[size_t(slot)] : PluRecord{};
        // A record the scale does not hold is answered with another number in the echo.
        const int echo = held ? n : (n == 0 ? 1 : 0);
        if (!held)
            note(QStringLiteral("PLU %1 not held: echo %2").arg(n).arg(echo));
        sendUploadReply(echo, u16(quint16(record.pluNo)) + encodePluBody(record), 0);
        break;
    }
    case ExchangeKind::IngredUpload: {
        const int slot = answeringSlot(tables_.ingred, n);
        const bool held = slot != 0;
        const IngredRecord record = held ? tables_.ingred[size_t(slot)] : IngredRecord{};
        if (!held)
            note(QStringLiteral("message %1 not held: message number 0").arg(n));
        send(answer(Step::Number, one(kGoAhead), one(0x01)));
        sendUploadReply(-1, u16(quint16(record.messageNo)) + encodeIngredBody(record), gapMs_);
        break;
    }
    default:
        break;
    }
    closeExchange(true);
    state_ = State::Idle;
}

template <class Table> int ScaleProtocol::answeringSlot(const Table& table, int n) const {
    if (n <= 0)
        return 0;
    if (answers_ == UploadAnswers::BySlot)
        return n <= kMaxNumber && numberOf(table[size_t(n)]) != 0 ? n : 0;
    for (int slot = 1; slot <= kMaxRecords; ++slot)
        if (numberOf(table[size_t(slot)]) == n)
            return slot;
    return 0;
}

void ScaleProtocol::sendUploadReply(int echo, const QByteArray& record, int gapMs) {
    Pieces reply;
    if (echo >= 0)
        reply = answer(Step::Number, u16(quint32(echo)), u16(quint32(echo + 1)));
    append(reply, {{0, record}});
    append(reply, answer(Step::Closing, one(kClosing), one(0x11)));
    spoil(Step::Reply, reply, {});
    if (!reply.empty())
        reply.front().delayMs += gapMs;
    send(reply);
    tellReply(cur_.number, reply);
}

void ScaleProtocol::onRecord() {
    const QByteArray body = std::exchange(got_, {});
    logPc(body);
    state_ = State::Idle;
    const bool allZero = body.count('\0') == body.size();
    if (fillerExpected_ || allZero) {
        // After an echo the PC could not take, it sends zeros in place of the record and starts
        // again; the scale keeps nothing and answers nothing.
        note(QStringLiteral("filler of %1 bytes: nothing stored, no answer").arg(body.size()));
        closeExchange(false);
        return;
    }
    const int n = cur_.number;
    int slot = -2;
    QString what;
    if (cur_.kind == ExchangeKind::PluDownload) {
        what = QStringLiteral("PLU %1").arg(n);
        if (n <= 0x7FFF && pluBodyFits(body))
            slot = store(tables_.plu, decodePluBody(body, qint16(n)));
    } else {
        what = QStringLiteral("message %1").arg(n);
        if (n <= 0x7FFF)
            slot = store(tables_.ingred, decodeIngredBody(body, qint16(n)));
    }
    if (slot == -2 || slot == -1) {
        note(QStringLiteral("%1 not stored: %2")
                 .arg(what, slot == -1 ? QStringLiteral("every slot in use")
                                       : QStringLiteral("a value does not fit")));
        send({{0, one(kNotStored)}});
        closeExchange(false);
        return;
    }
    if (slot == 0) {
        note(QStringLiteral("record number 0: nothing to keep"));
    } else {
        note(QStringLiteral("stored %1 in slot %2").arg(what).arg(slot));
        changed_ = true;
    }
    if (onRecordTaken)
        onRecordTaken(n, body);
    send(answer(Step::Closing, one(kClosing), one(0x11)));
    closeExchange(true);
}

const Fault* ScaleProtocol::matchFault(Step step) {
    const ExchangeKind kind = cur_.kind != ExchangeKind::Unknown ? cur_.kind : cur_.guessKind;
    const bool unknown = kind == ExchangeKind::Unknown;
    for (Fault& f : faults_) {
        if (f.times == 0 || f.step != step)
            continue;
        bool hit = false;
        switch (f.target) {
        case FaultTarget::Any:
            hit = true;
            break;
        case FaultTarget::Exchange:
            hit = cur_.ordinal == f.number;
            break;
        case FaultTarget::Display:
            hit = unknown || kind == ExchangeKind::Display;
            break;
        case FaultTarget::Plu:
            hit = (unknown || isPlu(kind)) && cur_.number == f.number;
            break;
        case FaultTarget::Ingred:
            hit = (unknown || isIngred(kind)) && cur_.number == f.number;
            break;
        case FaultTarget::Record:
            hit = kind != ExchangeKind::Display && cur_.number == f.number;
            break;
        }
        if (!hit)
            continue;
        if (f.times > 0)
            --f.times;
        return &f;
    }
    return nullptr;
}

bool ScaleProtocol::spoil(Step step, Pieces& pieces, const QByteArray& wrong) {
    const Fault* f = matchFault(step);
    if (!f)
        return true;
    note(QStringLiteral("fault %1 at %2").arg(f->text, stepName(step)));
    // The last piece that carries bytes, if any, and the answer's bytes as one.
    qsizetype last = -1;
    for (qsizetype i = 0; i < qsizetype(pieces.size()); ++i)
        if (!pieces[size_t(i)].stray && !pieces[size_t(i)].bytes.isEmpty())
            last = i;
    const QByteArray all = joined(pieces);
    switch (f->kind) {
    case FaultKind::Silent:
        pieces.clear();
        break;
    case FaultKind::Wrong:
        if (f->flipAt < 0 && !wrong.isEmpty()) {
            const int pause = pieces.empty() ? 0 : pieces.front().delayMs;
            pieces = {{pause, (f->byte && wrong.size() == 1) ? one(*f->byte) : wrong}};
        } else if (!all.isEmpty()) {
            // Counted over the pieces that carry bytes, in order.
            qsizetype at = std::max(f->flipAt, 0) % all.size();
            for (Burst& b : pieces) {
                if (b.stray)
                    continue;
                if (at < b.bytes.size()) {
                    b.bytes[at] = char(~quint8(b.bytes[at]));
                    break;
                }
                at -= b.bytes.size();
            }
        }
        break;
    case FaultKind::Extra:
        if (last < 0) {
            pieces.push_back({});
            last = qsizetype(pieces.size()) - 1;
        }
        pieces[size_t(last)].bytes.append(char(f->byte.value_or(0x55)));
        break;
    case FaultKind::Short:
        if (last >= 0)
            pieces[size_t(last)].bytes.chop(1);
        break;
    case FaultKind::Delay:
        if (!pieces.empty())
            pieces.front().delayMs += f->delayMs;
        return true;
    case FaultKind::Late:
        if (!all.isEmpty())
            pieces.push_back({f->delayMs, all.right(1), true});
        return true;
    }
    cur_.spoiled = true;
    return false;
}

ScaleProtocol::Pieces ScaleProtocol::answer(Step step, const QByteArray& bytes,
                                            const QByteArray& wrong) {
    Pieces pieces{{0, bytes}};
    spoil(step, pieces, wrong);
    return pieces;
}

void ScaleProtocol::tellReply(int number, const Pieces& reply) {
    if (const QByteArray bytes = joined(reply); onReply && !bytes.isEmpty())
        onReply(number, bytes);
}

void ScaleProtocol::send(const Pieces& pieces) {
    for (const Burst& b : pieces) {
        if (b.bytes.isEmpty())
            continue;
        if (b.stray)
            note(QStringLiteral("a late byte, %1 ms after").arg(b.delayMs));
        else if (b.delayMs > 0)
            note(QStringLiteral("after %1 ms").arg(b.delayMs));
        log_.append(QStringLiteral("sc> ") + hexBytes(b.bytes));
        out_.push_back(b);
    }
}

void ScaleProtocol::note(const QString& text) {
    flushIgnored();
    log_.append(QStringLiteral("# ") + text);
}

void ScaleProtocol::logPc(const QByteArray& bytes) {
    log_.append(QStringLiteral("pc> ") + hexBytes(bytes));
}

void ScaleProtocol::flushIgnored() {
    if (ignored_.isEmpty())
        return;
    const QByteArray bytes = std::exchange(ignored_, {});
    log_.append(QStringLiteral("# %1 byte(s) outside an exchange: ignored").arg(bytes.size()));
    logPc(bytes);
}

} // namespace tarn::sim
