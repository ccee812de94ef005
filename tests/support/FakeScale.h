// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaleLink.h"
#include "ScaleProtocol.h"
#include "VirtualClock.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <vector>

namespace tarn::testing {

// An in-process scale on virtual time: a Port whose other end is the scale model the simulator
// runs (tools/scale-model), with its faults, tables and display. This class is only the line:
// latency, 9600-baud pacing, an open and closed port, and what went which way when.
//
// The scale forgets a half-received exchange after a second of silence on the line. Bytes it
// sends while the PC's port is closed are lost, as on a real line, except a Late fault's byte.
class FakeScale : public Port {
public:
    using Step = sim::Step;
    using Action = sim::FaultKind;
    // A fault in short: aimed at a step and, for the Number, Reply and Closing steps, at a
    // record number of either table (-1: every exchange). Wrong sends the model's wrong value
    // (76 for 77, the number plus one for an echo, the first byte turned for a reply) unless
    // `at` names the byte to turn; Extra adds the byte EE.
    struct Fault {
        Step step;
        Action action;
        int times = 1;   // attempts it spoils; -1 for every attempt
        int number = -1; // only for this record number (Number, Reply, Closing steps)
        Clock::Time delay{};
        int at = -1; // Wrong: the byte turned, counted from 0 (wraps); -1 for the default
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

    // The records the scale holds, by number, as their wire bytes: record n stands in slot n
    // (above 200: the first free slot), so the upload of n answers with it whichever way the
    // scale answers. Records the scale takes in a download appear here too, though the scale
    // keeps them where it put them (the slot holding their number, else the first free one)
    // until this map is changed. A change here (or to `display`) reaches the scale at the
    // start of its next exchange, which lays every record out as above again.
    std::map<quint16, QByteArray> plus;    // PLU number -> 72 bytes
    std::map<quint16, QByteArray> ingreds; // message number -> 400 bytes
    DisplayReading display;

    // How the scale answers an upload request for n: with the record in its n-th slot (the
    // default), or with the record numbered n wherever it stands (a downloaded record, a
    // number above 200) and the empty reply when it holds no record numbered n.
    void answerUploads(sim::UploadAnswers answers) { protocol_.setUploadAnswers(answers); }

    void inject(const Fault& fault);
    // A fault as the simulator's --fault gives it (sim::parseFault).
    void inject(sim::Fault fault) { protocol_.addFault(std::move(fault)); }
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
    // Records the scale took from downloads, in order (number, bytes).
    std::vector<std::pair<quint16, QByteArray>> received;

private:
    // Hands `plus`, `ingreds` and `display` to the model's tables when a test has changed them.
    void showTables();
    void deliver(const sim::Burst& burst);
    // Bytes reach the PC unless its port has been closed since they were sent (`session`).
    bool arrive(const QByteArray& bytes, int session);

    VirtualClock& clock_;
    sim::ScaleTables tables_;
    sim::ScaleProtocol protocol_;
    std::map<quint16, QByteArray> shownPlus_;
    std::map<quint16, QByteArray> shownIngreds_;

    bool open_ = false;
    int session_ = 0; // changes at every close, so bytes in flight are lost
    QString name_;
    QByteArray inbound_;
    std::vector<LogEntry> log_;
    int openFailures_ = 0;
    QString openFailure_;
    Clock::Time lastByte_{};
    Clock::Time lineFreeAt_{};
};

} // namespace tarn::testing
