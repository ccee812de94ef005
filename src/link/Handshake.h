// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaleLink.h"

#include <QString>

#include <functional>

namespace tarn {

// Where the texts of an exchange go: the window's status line, the command line's output.
class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void status(const QString& text) = 0;
};

// A sink over any callable, e.g. FunctionSink sink([&](const QString& t) { ws.status(t); });
class FunctionSink : public StatusSink {
public:
    explicit FunctionSink(std::function<void(const QString&)> f) : f_(std::move(f)) {}
    void status(const QString& text) override { f_(text); }

private:
    std::function<void(const QString&)> f_;
};

// The steps of a record's exchange, as a failure names them.
enum class HandshakeStep { Sync, Command, Number, Reply, Closing };

// After a counted failure: the port reset and the pause, in the step's own order.
struct Recovery {
    enum class Order { PauseThenReset, ResetThenPause };
    Order order = Order::ResetThenPause;
    int pauseSeconds = 0;
};

// One kind of exchange with the scale, as a transfer drives it: byte values, sizes, limits,
// the recovery of each failed step and the status texts.
struct ExchangeDescription {
    enum class Direction { Download, Upload };
    // What follows the number the PC sends: the scale's echo of it (downloads), nothing (PLU
    // upload), or the go-ahead byte 0x00 (ingredient upload).
    enum class NumberStep { Echo, None, GoAhead };
    enum class CounterReset { AfterEachRecord, Never };

    Direction direction = Direction::Download;
    quint8 command = 0;
    NumberStep numberStep = NumberStep::Echo;
    // Downloads: the record's size, which is also the length of the zero filler after a wrong
    // echo. Uploads: the reply's size, all of which must be waiting within the reply limit.
    int recordBytes = 0;
    int replyLimitSeconds = 4; // uploads: limit N of the reply wait (N + 1 seconds)
    int retryLimit = 5;        // the counted failure that takes the counter above it abandons
    CounterReset counterReset = CounterReset::AfterEachRecord;
    int restartLimit = 10; // uncounted restarts of one record in a row before giving up

    std::function<QString(int index)> syncErrorText;
    Recovery syncRecovery;
    QString commandErrorText;
    Recovery commandRecovery;
    // Downloads: the echo differs (not counted, zero filler, restart at once), or none came
    // (counted, numberRecovery).
    // Ingredient upload: the go-ahead is missing or not 0x00 (counted, numberRecovery).
    QString numberErrorText;
    Recovery numberRecovery;
    // Uploads: the whole reply was not waiting, to the exact count, within replyLimitSeconds + 1
    // seconds (for the ingredient upload, counted from the go-ahead byte). Also the recovery of
    // a reply whose values do not fit the table.
    QString replyTimeoutText;
    Recovery replyRecovery;
    // Downloads: the closing byte is not 0x10 (counted, closingRecovery).
    // Uploads: the reply's last byte is not 0x10 (not counted, restart at once).
    QString closingErrorText;
    Recovery closingRecovery;
    QString retryText;
    std::function<QString(int index)> restartLimitText;
};

// The four table exchanges with the scale's byte values, limits, recoveries and texts.
namespace exchanges {
ExchangeDescription pluDownload();    // command 0x02, 72-byte record
ExchangeDescription ingredDownload(); // command 0x00, 400-byte record
ExchangeDescription pluUpload();      // command 0x05, 77-byte reply
ExchangeDescription ingredUpload();   // command 0x04, go-ahead, 403-byte reply
} // namespace exchanges

// The handshake of every record: sync 0xA5/0x77, command/0x01, number, record, closing 0x10,
// with counted failures ("Retry #" and the counter, then the step's reset and pause), the
// uncounted restarts (zero filler after a wrong echo, a wrong last byte of a reply), bounded
// to `restartLimit` in a row, and the port reset after each record.
//
// A transfer keeps one Handshake for its whole run (it holds the retry counter) and calls
// download() or upload() once per record.
class Handshake {
public:
    enum class Outcome {
        Done,              // the record went through; the port has been reset
        EndOfData,         // upload: inspect() said the reply marks the scale's end
        Refused,           // upload: inspect() refused the reply; the transfer ends
        Abandoned,         // a counted failure took the counter above the limit
        RestartsExhausted, // too many uncounted restarts in a row; message shown
        PortLost,          // the port was lost or a reset could not reopen it; message shown
        Stopped,           // stop() was called on the link
    };
    struct Result {
        Outcome outcome = Outcome::Done;
        QByteArray reply;                  // uploads: the reply (Done, EndOfData, Refused)
        QString message;                   // the last text shown for a failure, if any
        std::optional<HandshakeStep> step; // Abandoned: the step whose failure ended it
    };
    enum class Verdict { Accept, EndOfData, Refuse };

    Handshake(ScaleLink& link, StatusSink& sink, ExchangeDescription description);

    // One download record. `number` goes in the number step; `record` is sent as it is on
    // every attempt. onDone runs after the closing byte and before the port reset.
    Result download(int index, quint16 number, const QByteArray& record,
                    const std::function<void()>& onDone);

    // One upload record for request `number`. inspect() sees each complete reply before its
    // last byte is checked (to spot the scale's end, or refuse the reply); for the ingredient
    // upload it also sees a reply still coming in, from its first two bytes on, so that an end
    // mark is taken at once. check() sees a closed reply: a text it returns is a counted
    // failure (a value that does not fit the table). onDone(reply) runs when the reply is
    // accepted and closed, before the port reset.
    Result upload(int index, quint16 number,
                  const std::function<Verdict(const QByteArray&)>& inspect,
                  const std::function<void(const QByteArray&)>& onDone,
                  const std::function<std::optional<QString>(const QByteArray&)>& check = {});

    int retries() const { return retries_; }
    const ExchangeDescription& description() const { return d_; }

private:
    std::optional<Result> countedFailure(const QString& text, const Recovery& recovery,
                                         HandshakeStep step);
    // The port is gone (lost, or a reset could not reopen it): no step's own text, one end.
    Result portGone();
    // A port reset failed with `message`.
    Result lostInReset(const QString& message);
    std::optional<Result> uncountedRestart(int index, int& restarts);
    std::optional<Result> recover(const Recovery& recovery);
    std::optional<Result> finish(const std::function<void()>& onDone);
    bool syncAndCommand(int index, std::optional<Result>& failure);
    struct Reply {
        std::optional<QByteArray> bytes;
        QString failure;
        Recovery recovery;
        HandshakeStep step = HandshakeStep::Reply;
    };
    Reply receiveReply(const std::function<Verdict(const QByteArray&)>& inspect);
    Result stopped() const { return {Outcome::Stopped, {}, {}, {}}; }

    ScaleLink& link_;
    StatusSink& sink_;
    ExchangeDescription d_;
    int retries_ = 0;
};

// The display read: sync, command 0x06 (no answer), the 12-byte record. No retry, no reset.
struct DisplayAnswer {
    bool synced = false;                   // the scale answered the sync byte with 0x77
    std::optional<DisplayReading> reading; // nullopt when the record did not come in time
};
DisplayAnswer readDisplay(ScaleLink& link);

} // namespace tarn
