// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaleLink.h"
#include "VirtualClock.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <vector>

namespace tarn::testing {

// An in-process scale on virtual time: a Port whose other end plays the scale's side of the
// line (sync, the five commands, echoes, closing byte, both upload replies, the display record)
// with faults that a test aims at a step, a record number and a count of attempts.
//
// The scale forgets a half-received exchange after a second of silence on the line, and
// ignores the record that follows an echo it got wrong. Bytes it sends while the PC's port
// is closed are lost, as on a real line.
class FakeScale : public Port {
public:
    enum class Step { Sync, Command, Number, Reply, Closing };
    enum class Action {
        Silent, // no answer at all
        Wrong,  // a different value (byte `at` flipped: the first, or for Closing the last)
        Extra,  // one byte too many
        Short,  // one byte too few
        Delay,  // the answer comes `delay` later
        Late,   // the answer, and its last byte once more `delay` after it, which a port
                // reset does not stop: a byte still on the line from the last exchange
    };
    struct Fault {
        Step step;
        Action action;
        int times = 1;   // attempts it spoils; -1 for every attempt
        int number = -1; // only for this record number (Number, Reply, Closing steps)
        Clock::Time delay{};
        int at = -1; // Wrong: the byte changed, counted from 0 (wraps); -1 for the default
    };
    struct LogEntry {
        enum class Kind { FromPc, ToPc, Opened, Closed, OpenFailed };
        Kind kind;
        Clock::Time at;
        QByteArray bytes;
    };

    explicit FakeScale(VirtualClock& clock);

    // Port
    std::optional<QString> open(const QString& name) override;
    void close() override;
    bool isOpen() const override { return open_; }
    QString name() const override { return name_; }
    QString systemName() const override { return name_; }
    void write(const QByteArray& bytes) override;
    qint64 bytesWaiting() const override { return inbound_.size(); }
    QByteArray readAll() override;

    // The scale's tables (records as their wire bytes) and display.
    std::map<quint16, QByteArray> plus;    // PLU number -> 72 bytes
    std::map<quint16, QByteArray> ingreds; // message number -> 400 bytes
    DisplayReading display;

    void inject(Fault fault) { faults_.push_back(fault); }
    void silent() { inject({Step::Sync, Action::Silent, -1}); }
    // The next `count` opens fail with `reason`.
    void failOpens(int count, const QString& reason) {
        openFailures_ = count;
        openFailure_ = reason;
    }
    // The line fails while the port is open (an adapter pulled out): the port closes and says why.
    void fail(const QString& reason) {
        close();
        emit failed(reason);
    }
    // Sends bytes to the PC unasked (a late or stray answer).
    void send(const QByteArray& bytes, Clock::Time after = {});

    // Time per byte on the line; 0 delivers each answer in one piece.
    Clock::Time byteTime = Clock::Time(1042); // 9600 baud, 10 bits a byte
    Clock::Time latency = Clock::Time(2000);

    const std::vector<LogEntry>& log() const { return log_; }
    // Every byte the PC wrote, in order.
    QByteArray fromPc() const;
    // Times of the log entries of one kind.
    std::vector<Clock::Time> times(LogEntry::Kind kind) const;
    // Upload replies and display records as the scale sent them, faults included, in order
    // (request number, or -1 for the display; bytes).
    std::vector<std::pair<int, QByteArray>> replies;
    // Bytes of Late faults that reached the PC.
    int straysDelivered = 0;
    // Records the scale stored from downloads, in order (number, bytes).
    std::vector<std::pair<quint16, QByteArray>> received;

private:
    enum class State { Idle, Command, Number, Record };
    void feed(quint8 byte);
    void answer(Step step, QByteArray bytes, int number);
    // The first fault aimed at this step and number; used up unless only looked at.
    Fault* faultFor(Step step, int number, bool useUp = true);

    VirtualClock& clock_;
    bool open_ = false;
    int session_ = 0; // changes at every close, so bytes in flight are lost
    QString name_;
    QByteArray inbound_;
    std::vector<Fault> faults_;
    std::vector<LogEntry> log_;
    int openFailures_ = 0;
    QString openFailure_;

    State state_ = State::Idle;
    Clock::Time lastByte_{};
    quint8 command_ = 0;
    QByteArray partial_;
    quint16 number_ = 0;
    bool ignoreRecord_ = false;
    Clock::Time lineFreeAt_{};
};

} // namespace tarn::testing
