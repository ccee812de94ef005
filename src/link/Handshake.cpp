// SPDX-License-Identifier: GPL-3.0-or-later
#include "Handshake.h"

#include "RecordCodec.h"

#include <QCoreApplication>

namespace tarn {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Handshake)
};

constexpr quint8 kSync = 0xA5;
constexpr quint8 kSyncAnswer = 0x77;
constexpr quint8 kCommandAccepted = 0x01;
constexpr quint8 kGoAhead = 0x00;
constexpr quint8 kReadDisplay = 0x06;

using Order = Recovery::Order;

ExchangeDescription common(ExchangeDescription::Direction direction, quint8 command) {
    ExchangeDescription d;
    d.direction = direction;
    d.command = command;
    //: followed by the number of the retry
    d.retryText = Text::tr("Retry #");
    d.closingErrorText = Text::tr("SyncOK error");
    d.commandRecovery = {Order::ResetThenPause, 5};
    return d;
}

std::function<QString(int)> pluRestartsText() {
    return [](int index) {
        return Text::tr("ERROR! plu#%1: no valid answer after 10 restarts").arg(index);
    };
}
} // namespace

namespace exchanges {

ExchangeDescription pluDownload() {
    ExchangeDescription d = common(ExchangeDescription::Direction::Download, 0x02);
    d.recordBytes = kPluRecordBytes;
    d.retryLimit = 5;
    d.syncErrorText = [](int index) { return Text::tr("Sync error PLU No : %1").arg(index); };
    d.syncRecovery = {Order::PauseThenReset, 5};
    d.commandErrorText = Text::tr("Download command error");
    d.numberErrorText = Text::tr("PLU # is not same");
    d.numberRecovery = {Order::ResetThenPause, 5};
    d.closingRecovery = {Order::ResetThenPause, 5};
    d.restartLimitText = pluRestartsText();
    return d;
}

ExchangeDescription ingredDownload() {
    ExchangeDescription d = pluDownload();
    d.command = 0x00;
    d.recordBytes = kIngredRecordBytes;
    d.syncErrorText = [](int index) { return Text::tr("Sync error Message No : %1").arg(index); };
    d.numberErrorText = Text::tr("Message # is not same");
    d.restartLimitText = [](int index) {
        return Text::tr("ERROR! Message#%1: no valid answer after 10 restarts").arg(index);
    };
    return d;
}

ExchangeDescription pluUpload() {
    ExchangeDescription d = common(ExchangeDescription::Direction::Upload, 0x05);
    d.numberStep = ExchangeDescription::NumberStep::None;
    d.recordBytes = kPluReplyBytes;
    d.replyLimitSeconds = 4;
    d.retryLimit = 4;
    d.counterReset = ExchangeDescription::CounterReset::Never;
    d.syncErrorText = [](int) { return Text::tr("Sync error"); };
    d.syncRecovery = {Order::PauseThenReset, 2};
    d.commandErrorText = Text::tr("Upload command error");
    d.replyTimeoutText = Text::tr("Receive PLU time out");
    d.replyRecovery = {Order::ResetThenPause, 0};
    d.restartLimitText = pluRestartsText();
    return d;
}

ExchangeDescription ingredUpload() {
    ExchangeDescription d = pluUpload();
    d.command = 0x04;
    d.numberStep = ExchangeDescription::NumberStep::GoAhead;
    d.recordBytes = kIngredReplyBytes;
    d.counterReset = ExchangeDescription::CounterReset::AfterEachRecord;
    d.numberErrorText = Text::tr("Upload command error");
    d.numberRecovery = {Order::ResetThenPause, 5};
    // The reply takes about 0.42 s at 9600 baud; it is waited for like the PLU reply, rather
    // than read at once, which would take a record that is still coming in.
    d.replyTimeoutText = Text::tr("Receive INGRED time out");
    d.restartLimitText = [](int index) {
        return Text::tr("ERROR! INGRED#%1: no valid answer after 10 restarts").arg(index);
    };
    return d;
}

} // namespace exchanges

Handshake::Handshake(ScaleLink& link, StatusSink& sink, ExchangeDescription description)
    : link_(link), sink_(sink), d_(std::move(description)) {}

std::optional<Handshake::Result> Handshake::recover(const Recovery& recovery) {
    auto reset = [this]() -> std::optional<Result> {
        if (auto message = link_.reset())
            return lostInReset(*message);
        return std::nullopt;
    };
    if (recovery.order == Order::PauseThenReset) {
        link_.pause(recovery.pauseSeconds);
        // A stop cuts the pause short, not the reset: the line is left empty.
        if (auto lost = reset())
            return lost;
        if (link_.stopped())
            return stopped();
        return std::nullopt;
    }
    if (auto lost = reset())
        return lost;
    link_.pause(recovery.pauseSeconds);
    if (link_.stopped())
        return stopped();
    return std::nullopt;
}

Handshake::Result Handshake::lostInReset(const QString& message) {
    // A loss the link has reported (portLost) is shown once, there.
    if (!link_.lastResetReported())
        sink_.status(message);
    return Result{Outcome::PortLost, {}, message, {}};
}

Handshake::Result Handshake::portGone() {
    const QString message = portNotOpenText();
    sink_.status(message);
    return Result{Outcome::PortLost, {}, message, {}};
}

std::optional<Handshake::Result>
Handshake::countedFailure(const QString& text, const Recovery& recovery, HandshakeStep step) {
    // After a stop nothing is retried: the step's answer did not come, or not as it should.
    if (link_.stopped())
        return stopped();
    // A port that was lost on the way is not retried (nor reopened), and the step that found
    // it gone did not fail on its own.
    if (!link_.isOpen())
        return portGone();
    sink_.status(text);
    ++retries_;
    if (retries_ > d_.retryLimit)
        return Result{Outcome::Abandoned, {}, text, step};
    sink_.status(d_.retryText + QString::number(retries_));
    return recover(recovery);
}

std::optional<Handshake::Result> Handshake::uncountedRestart(int index, int& restarts) {
    if (link_.stopped())
        return stopped();
    if (++restarts > d_.restartLimit) {
        const QString message = d_.restartLimitText(index);
        sink_.status(message);
        return Result{Outcome::RestartsExhausted, {}, message, {}};
    }
    return std::nullopt;
}

std::optional<Handshake::Result> Handshake::finish(const std::function<void()>& onDone) {
    if (onDone)
        onDone();
    if (auto message = link_.reset())
        return lostInReset(*message);
    if (d_.counterReset == ExchangeDescription::CounterReset::AfterEachRecord)
        retries_ = 0;
    return std::nullopt;
}

// Sync and command steps. False when the attempt failed; `failure` then holds the record's
// end, or nothing when the record is to be tried again.
//
// A stop ends a record only between records, or where the scale's answer does not come (or
// comes wrong): a record whose answers keep coming is finished, so that the scale is left
// between exchanges and has taken exactly the records said to be acknowledged.
bool Handshake::syncAndCommand(int index, std::optional<Result>& failure) {
    link_.txByte(kSync);
    if (link_.rxByte() != kSyncAnswer) {
        failure = countedFailure(d_.syncErrorText(index), d_.syncRecovery, HandshakeStep::Sync);
        return false;
    }
    link_.txByte(d_.command);
    if (link_.rxByte() != kCommandAccepted) {
        failure = countedFailure(d_.commandErrorText, d_.commandRecovery, HandshakeStep::Command);
        return false;
    }
    return true;
}

Handshake::Result Handshake::download(int index, quint16 number, const QByteArray& record,
                                      const std::function<void()>& onDone) {
    int restarts = 0;
    for (;;) {
        if (link_.stopped())
            return stopped();
        std::optional<Result> failure;
        if (!syncAndCommand(index, failure)) {
            if (failure)
                return *failure;
            restarts = 0; // a counted failure ends a row of restarts
            continue;
        }
        link_.txInt(number);
        const auto echo = link_.rxInt();
        if (!echo) {
            // No echo at all is no number, not even 0: the scale may not have heard ours.
            if (auto end =
                    countedFailure(d_.numberErrorText, d_.numberRecovery, HandshakeStep::Number))
                return *end;
            restarts = 0;
            continue;
        }
        if (*echo != number) {
            // The scale now waits for a record: give it one of zeros, then start again.
            if (!link_.stopped())
                sink_.status(d_.numberErrorText);
            for (int i = 0; i < d_.recordBytes; ++i)
                link_.txByte(0);
            if (auto end = uncountedRestart(index, restarts))
                return *end;
            continue;
        }
        link_.txBytes(record);
        if (link_.rxByte() != kClosingByte) {
            if (auto end =
                    countedFailure(d_.closingErrorText, d_.closingRecovery, HandshakeStep::Closing))
                return *end;
            restarts = 0;
            continue;
        }
        if (auto end = finish(onDone))
            return *end;
        return {Outcome::Done, {}, {}, {}};
    }
}

// The record step of an upload. A reply comes in one piece: bytes that arrive after a pause
// of ScaleLink::kAnswerGap are not part of it (a short reply completed by a byte left on the line
// would otherwise be taken as whole). The PLU reply must be waiting to the exact count. The
// ingredient upload first takes the go-ahead byte as soon as it arrives, with whatever came
// behind it, then gathers the reply until its length is there; a reply whose first two bytes
// already mark the scale's end is taken at once, however short or long. Bytes behind a whole
// reply are not part of it and are drained.
Handshake::Reply Handshake::receiveReply(const std::function<Verdict(const QByteArray&)>& inspect) {
    if (d_.numberStep != ExchangeDescription::NumberStep::GoAhead) {
        if (auto bytes = link_.receive(d_.recordBytes, d_.replyLimitSeconds, ScaleLink::kAnswerGap))
            return {bytes, {}, {}, HandshakeStep::Reply};
        return {std::nullopt, d_.replyTimeoutText, d_.replyRecovery, HandshakeStep::Reply};
    }
    QByteArray first;
    if (!link_.collect(first, ScaleLink::kRxByteLimit,
                       [](const QByteArray& b) { return !b.isEmpty(); }) ||
        quint8(first.front()) != kGoAhead)
        return {std::nullopt, d_.numberErrorText, d_.numberRecovery, HandshakeStep::Number};
    QByteArray reply = first.mid(1);
    const auto complete = [&](const QByteArray& b) {
        return b.size() >= d_.recordBytes ||
               (b.size() >= 2 && inspect && inspect(b) == Verdict::EndOfData);
    };
    if (!link_.collect(reply, d_.replyLimitSeconds, complete, ScaleLink::kAnswerGap))
        return {std::nullopt, d_.replyTimeoutText, d_.replyRecovery, HandshakeStep::Reply};
    if (reply.size() > d_.recordBytes) {
        reply.truncate(d_.recordBytes);
        link_.drain(link_.lineQuiet(), d_.replyLimitSeconds);
    }
    return {reply, {}, {}, HandshakeStep::Reply};
}

Handshake::Result
Handshake::upload(int index, quint16 number,
                  const std::function<Verdict(const QByteArray&)>& inspect,
                  const std::function<void(const QByteArray&)>& onDone,
                  const std::function<std::optional<QString>(const QByteArray&)>& check) {
    int restarts = 0;
    for (;;) {
        if (link_.stopped())
            return stopped();
        std::optional<Result> failure;
        if (!syncAndCommand(index, failure)) {
            if (failure)
                return *failure;
            restarts = 0;
            continue;
        }
        link_.txInt(number);
        const auto reply = receiveReply(inspect);
        if (!reply.bytes) {
            if (auto end = countedFailure(reply.failure, reply.recovery, reply.step))
                return *end;
            restarts = 0;
            continue;
        }
        switch (inspect ? inspect(*reply.bytes) : Verdict::Accept) {
        case Verdict::EndOfData:
            // An end mark taken before the whole reply: let the rest of it go by, so that the
            // next exchange starts on a quiet line.
            if (reply.bytes->size() < d_.recordBytes)
                link_.drain(link_.lineQuiet(), d_.replyLimitSeconds);
            return {Outcome::EndOfData, *reply.bytes, {}, {}};
        case Verdict::Refuse:
            return {Outcome::Refused, *reply.bytes, {}, {}};
        case Verdict::Accept:
            break;
        }
        if (quint8(reply.bytes->back()) != kClosingByte) {
            if (!link_.stopped())
                sink_.status(d_.closingErrorText);
            if (auto end = uncountedRestart(index, restarts))
                return *end;
            continue;
        }
        if (check) {
            if (const auto problem = check(*reply.bytes)) {
                if (auto end = countedFailure(*problem, d_.replyRecovery, HandshakeStep::Reply))
                    return *end;
                restarts = 0;
                continue;
            }
        }
        if (auto end = finish([&] {
                if (onDone)
                    onDone(*reply.bytes);
            }))
            return *end;
        return {Outcome::Done, *reply.bytes, {}, {}};
    }
}

DisplayAnswer readDisplay(ScaleLink& link) {
    link.txByte(kSync);
    if (link.rxByte() != kSyncAnswer)
        return {};
    link.txByte(kReadDisplay);
    return {true, link.rxFip()};
}

} // namespace tarn
