// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleProtocol.h"

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

} // namespace

QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

ScaleProtocol::ScaleProtocol(ScaleMemory& memory, std::vector<Fault> faults, int goAheadGapMs)
    : mem_(memory), faults_(std::move(faults)), gapMs_(goAheadGapMs) {}

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

bool ScaleProtocol::takeMemoryChanged() {
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
    unit(Step::Sync, one(kSyncAnswer), one(0x76));
    flushBurst();
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
        putU32(record, quint32(mem_.weight));
        putU32(record, quint32(mem_.unitPrice));
        putU32(record, quint32(mem_.totalPrice));
        unit(Step::Reply, record, record);
        flushBurst();
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
    unit(Step::Command, one(kAccepted), one(0x02));
    flushBurst();
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
    case ExchangeKind::IngredDownload:
        fillerExpected_ = !unit(Step::Number, u16(quint32(n)), u16(quint32(n + 1)));
        flushBurst();
        recordSize_ = cur_.kind == ExchangeKind::PluDownload ? kPluBodySize : kIngredBodySize;
        state_ = State::Record;
        return;
    case ExchangeKind::PluUpload: {
        const bool held = n >= 1 && n <= kMaxNumber && mem_.plu[size_t(n)].pluNo != 0;
        const PluRecord record = held ? mem_.plu[size_t(n)] : PluRecord{};
        // A record the scale does not hold is answered with another number in the echo.
        const int echo = held ? n : (n == 0 ? 1 : 0);
        if (!held)
            note(QStringLiteral("PLU %1 not held: echo %2").arg(n).arg(echo));
        unit(Step::Number, u16(quint32(echo)), u16(quint32(echo + 1)));
        unit(Step::Reply, u16(quint16(record.pluNo)) + encodePluBody(record), {});
        unit(Step::Closing, one(kClosing), one(0x11));
        break;
    }
    case ExchangeKind::IngredUpload: {
        const bool held = n >= 1 && n <= kMaxNumber && mem_.ingred[size_t(n)].messageNo != 0;
        const IngredRecord record = held ? mem_.ingred[size_t(n)] : IngredRecord{};
        if (!held)
            note(QStringLiteral("message %1 not held: message number 0").arg(n));
        unit(Step::Number, one(kGoAhead), one(0x01));
        flushBurst();
        pendingDelay_ = gapMs_;
        unit(Step::Reply, u16(quint16(record.messageNo)) + encodeIngredBody(record), {});
        unit(Step::Closing, one(kClosing), one(0x11));
        break;
    }
    default:
        break;
    }
    flushBurst();
    closeExchange(true);
    state_ = State::Idle;
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
        const auto record = n <= 0x7FFF ? decodePluBody(body, qint16(n)) : std::nullopt;
        if (record)
            slot = store(mem_.plu, *record);
    } else {
        what = QStringLiteral("message %1").arg(n);
        if (n <= 0x7FFF)
            slot = store(mem_.ingred, decodeIngredBody(body, qint16(n)));
    }
    if (slot == -2 || slot == -1) {
        note(QStringLiteral("%1 not stored: %2")
                 .arg(what, slot == -1 ? QStringLiteral("every slot in use")
                                       : QStringLiteral("a value does not fit")));
        sendRaw(one(kNotStored));
        closeExchange(false);
        return;
    }
    if (slot == 0) {
        note(QStringLiteral("record number 0: nothing to keep"));
    } else {
        note(QStringLiteral("stored %1 in slot %2").arg(what).arg(slot));
        changed_ = true;
    }
    unit(Step::Closing, one(kClosing), one(0x11));
    flushBurst();
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
        }
        if (!hit)
            continue;
        if (f.times > 0)
            --f.times;
        return &f;
    }
    return nullptr;
}

bool ScaleProtocol::unit(Step step, QByteArray bytes, QByteArray wrong) {
    const Fault* f = matchFault(step);
    if (!f) {
        pending_ += bytes;
        return true;
    }
    note(QStringLiteral("fault %1 at %2").arg(f->text, stepName(step)));
    if (f->kind != FaultKind::Delay)
        cur_.spoiled = true;
    switch (f->kind) {
    case FaultKind::Silent:
        bytes.clear();
        break;
    case FaultKind::Wrong:
        bytes = (f->byte && wrong.size() == 1) ? one(*f->byte) : wrong;
        break;
    case FaultKind::Extra:
        bytes.append(char(f->byte.value_or(0x55)));
        break;
    case FaultKind::Short:
        bytes.chop(1);
        break;
    case FaultKind::Delay:
        flushBurst();
        pendingDelay_ += f->delayMs;
        pending_ += bytes;
        return true;
    }
    pending_ += bytes;
    return false;
}

void ScaleProtocol::flushBurst() {
    if (pending_.isEmpty())
        return;
    if (pendingDelay_ > 0)
        note(QStringLiteral("after %1 ms").arg(pendingDelay_));
    log_.append(QStringLiteral("sc> ") + hexBytes(pending_));
    out_.push_back({pendingDelay_, std::exchange(pending_, {})});
    pendingDelay_ = 0;
}

void ScaleProtocol::sendRaw(const QByteArray& bytes) {
    flushBurst();
    pending_ = bytes;
    flushBurst();
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
