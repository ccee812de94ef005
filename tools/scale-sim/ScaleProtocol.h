// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Faults.h"
#include "ScaleMemory.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace tarn::sim {

// Bytes the scale sends as one piece, after delayMs of quiet (counted from when the piece
// before has gone out, or from now).
struct Burst {
    int delayMs = 0;
    QByteArray bytes;
    bool operator==(const Burst&) const = default;
};

enum class ExchangeKind { Unknown, PluDownload, IngredDownload, PluUpload, IngredUpload, Display };

// The scale's side of the line as a machine fed with the PC's bytes. It answers into a list of
// bursts and a log, and never touches a device or a clock, so it runs the same under test as
// behind the pseudo-terminal.
//
// Log lines: "pc> A5" for bytes the PC sent, one line per protocol unit (sync byte, command
// byte, the two number bytes, a whole record, or a run of ignored bytes); "sc> 77" for each
// burst the scale sends; "# ..." for notes (faults, storing, delays).
class ScaleProtocol {
public:
    // goAheadGapMs: quiet between an ingredient upload's go-ahead byte and its reply, so that
    // the PC can take the lone go-ahead before the reply comes in.
    explicit ScaleProtocol(ScaleMemory& memory, std::vector<Fault> faults = {},
                           int goAheadGapMs = 50);

    void feed(const QByteArray& bytes);
    void feed(char byte);
    // The PC has gone quiet: an exchange in the middle is dropped (the scale waits for a sync
    // byte again), and bytes ignored outside an exchange reach the log.
    void lineIdle();
    bool midExchange() const { return state_ != State::Idle; }

    std::vector<Burst> takeOutput();
    QStringList takeLog();
    // True once after each record stored.
    bool takeMemoryChanged();

    int exchanges() const { return cur_.ordinal; }
    const std::vector<Fault>& faults() const { return faults_; }

private:
    enum class State { Idle, Command, Number, Record };
    struct Exchange {
        int ordinal = 0;
        ExchangeKind kind = ExchangeKind::Unknown;
        ExchangeKind guessKind = ExchangeKind::Unknown;
        int number = 1;
        bool spoiled = false;
        bool open = false;
    };

    void startExchange();
    void closeExchange(bool finished);
    void onCommand(quint8 b);
    void onNumber();
    void onRecord();
    void resync();

    const Fault* matchFault(Step step);
    // Adds one answer to the pending burst, spoiled by a matching fault; true when it goes out
    // as the PC expects it (on time or late).
    bool unit(Step step, QByteArray bytes, QByteArray wrong);
    void flushBurst();
    void sendRaw(const QByteArray& bytes);

    void note(const QString& text);
    void logPc(const QByteArray& bytes);
    void flushIgnored();

    ScaleMemory& mem_;
    std::vector<Fault> faults_;
    int gapMs_;

    State state_ = State::Idle;
    QByteArray got_;
    int recordSize_ = 0;
    bool fillerExpected_ = false;
    QByteArray ignored_;

    Exchange cur_;
    ExchangeKind prevKind_ = ExchangeKind::Unknown;
    int prevNumber_ = -1;
    bool prevFinished_ = false;

    QByteArray pending_;
    int pendingDelay_ = 0;
    std::vector<Burst> out_;
    QStringList log_;
    bool changed_ = false;
};

QString hexBytes(const QByteArray& bytes);

} // namespace tarn::sim
