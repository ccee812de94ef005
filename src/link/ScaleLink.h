// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"
#include "Port.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace tarn {

// The three 32-bit values of the scale's display record, as received (unsigned; a value above
// 2,147,483,647 does not fit the program's numbers and is for the caller to report).
struct DisplayReading {
    quint32 weight = 0;
    quint32 unitPrice = 0;
    quint32 totalPrice = 0;
    bool operator==(const DisplayReading&) const = default;
};

// "ERROR! cannot open " + the port's name + ": " + the system's reason.
QString cannotOpenText(const QString& portName, const QString& reason);
// Why a port that another running program holds cannot be opened: "in use by another program
// (process N)". Such a port is worth another try later.
QString heldByAnotherProgramText(qint64 process);
// Whether an open failed (its reason, or cannotOpenText's text) because another program held
// the port.
bool heldByAnotherProgram(const QString& failure);
// "ERROR! port is not open": what an exchange that finds the port closed ends with.
QString portNotOpenText();

// The program's one path to the scale: the port with its open, close and reset, the pauses,
// and the byte-level send and receive operations with their time-outs.
//
// Receives follow the exact-count rule: a receive of K bytes takes the bytes only when exactly
// K are waiting; more or fewer until its limit means a time-out, and the waiting bytes stay.
// A receive with limit N gives up after N + 1 seconds on a monotonic clock; a pause of N
// seconds lasts N seconds. After stop() a pause ends at once, and a wait for the scale goes on
// only while an answer may still be on its way: until the line has carried nothing for
// lineQuiet() since the PC's last byte left it or the scale's last byte came. So the exchange
// under way ends as the scale ends it, and the line is at rest for the next.
class ScaleLink : public QObject {
    Q_OBJECT
public:
    // Limits N of the receives, in seconds (the wait lasts N + 1 seconds).
    static constexpr int kRxByteLimit = 1;
    static constexpr int kRxIntLimit = 1;
    static constexpr int kRxFipLimit = 5;

    ScaleLink(std::unique_ptr<Port> port, std::unique_ptr<Clock> clock, QObject* parent = nullptr);
    ~ScaleLink() override;

    Port& port() { return *port_; }
    Clock& clock() { return *clock_; }

    // Port control. open() returns the system's reason when the port cannot be opened. A port
    // opens empty: what a network serial server still passes on from the line (the rest of an
    // answer to an earlier connection) is taken and dropped until the line is quiet.
    std::optional<QString> open(const QString& name);
    void close();
    bool isOpen() const { return port_->isOpen(); }
    // Port reset: empty both buffers, by the port's own flush where it has one, else by closing
    // and at once reopening the same port. When the reopen fails the port stays closed,
    // portLost is emitted and the message ("ERROR! cannot open ...") is returned. A port that
    // is closed already (lost, or closed by the operator) is not reopened: the reset returns
    // portNotOpenText().
    std::optional<QString> reset();
    // Whether the last reset's failure was a loss that portLost has reported already (a reopen
    // that failed, a network server that its reconnect did not reach), so that whoever shows
    // the reset's message need not show it again.
    bool lastResetReported() const { return lastResetReported_; }

    // Waits `seconds` seconds (less when stopped).
    void pause(int seconds);

    // Stop: pauses and waits end (see above), now and until clearStop(); an open under way (a
    // connect) ends at once. stop() may be called from any thread.
    void stop() { stop_.raise(); }
    bool stopped() const { return stop_.isRaised(); }
    void clearStop() { stop_.clear(); }
    StopFlag& stopFlag() { return stop_; }

    // Wire primitives. Numbers travel high byte first.
    void txByte(quint8 byte);
    void txInt(quint16 value);
    void txBytes(const QByteArray& bytes);
    // One byte; nullopt on time-out. A time-out is never a value: a scale that says nothing
    // has not answered 0.
    std::optional<quint8> rxByte();
    // Two bytes as a number; nullopt on time-out.
    std::optional<quint16> rxInt();
    // The 12-byte display record, in one piece (kAnswerGap, see `gap` below); nullopt on
    // time-out, and when another byte follows within kRecordGap: a record of the wrong length,
    // or one whose first byte was left over from an earlier answer. That byte stays waiting.
    std::optional<DisplayReading> rxFip();
    // Some 50 byte times at 9600 baud: a line quiet for this long has ended an answer.
    static constexpr Clock::Time kRecordGap = std::chrono::milliseconds(50);
    // A pause inside an answer that ends it, for the `gap` of receive() and collect(): long,
    // so that bytes which piled up while the PC was busy elsewhere are not taken for a pause.
    static constexpr Clock::Time kAnswerGap = std::chrono::milliseconds(500);

    // The exact-count rule with limit N: exactly `count` bytes (of all taken, only the first
    // `count`), or nullopt after N + 1 seconds, on stop, or at once when the port is closed,
    // leaving the waiting bytes.
    // With a `gap`, the answer must come in one piece: a byte that arrives more than `gap`
    // after the one before it ends the wait at once (nullopt, the bytes stay waiting), since
    // what came before the pause is not the beginning of this answer.
    std::optional<QByteArray> receive(int count, int limitSeconds,
                                      std::optional<Clock::Time> gap = std::nullopt);
    // Takes the waiting bytes into `bytes` as they arrive until complete(bytes) holds (true),
    // or until N + 1 seconds have passed, the link is stopped or the port is closed (false).
    // With a `gap`, also false when bytes arrive more than `gap` after those already in `bytes`.
    bool collect(QByteArray& bytes, int limitSeconds,
                 const std::function<bool(const QByteArray&)>& complete,
                 std::optional<Clock::Time> gap = std::nullopt);
    // One byte's time on the line at 9600 baud (start bit, 8 data bits, stop bit).
    static constexpr Clock::Time kByteTime = std::chrono::microseconds(1'000'000 / 960);
    // How long the line must carry nothing to have ended an answer: kRecordGap, and on a
    // network serial server the pause between the blocks it passes bytes on in.
    Clock::Time lineQuiet() const { return kRecordGap + port_->paceGap(); }
    // Waits up to `quiet` for another byte to arrive: true when none came. Bytes stay waiting.
    bool quiet(Clock::Time quiet);
    // Takes and drops arriving bytes until the line has been quiet for `quiet`, or at most
    // N + 1 seconds (the rest of an answer that was taken before its end).
    void drain(Clock::Time quiet, int limitSeconds);

signals:
    // The port is closed now and the window must show it: a reset could not reopen it
    // ("ERROR! cannot open <name>: <reason>"), or it failed while open ("ERROR! lost port
    // <name>: <reason>", an adapter pulled out).
    void portLost(const QString& message);

private:
    // Waits for bytes until `deadline`; false when a stop ends the wait (see the class).
    bool waitForLine(Clock::Time deadline);
    void sent(qsizetype bytes);

    std::unique_ptr<Clock> clock_;
    std::unique_ptr<Port> port_;
    StopFlag stop_;
    StopFlag never_;           // the waits that a stop does not end
    Clock::Time lineFreeAt_{}; // when the PC's last byte has left the line
    Clock::Time lastHeard_{};  // when the scale's last byte came
    QString lostMessage_;      // the port's last loss, as portLost gave it
    bool lastResetReported_ = false;
};

} // namespace tarn
