// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Faults.h"
#include "ScaleTables.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <vector>

namespace tarn::sim {

// Bytes the scale sends as one piece, after delayMs of quiet (counted from when the piece
// before has gone out, or from now).
struct Burst {
    int delayMs = 0;
    QByteArray bytes;
    // A byte left on the line (a Late fault): it follows the piece before after delayMs whatever
    // goes out meanwhile, and reaches the PC even across a reset of its port.
    bool stray = false;
    bool operator==(const Burst&) const = default;
};

enum class ExchangeKind { Unknown, PluDownload, IngredDownload, PluUpload, IngredUpload, Display };

// What an upload request for n answers with: the record in the scale's n-th slot, or the record
// whose PLU number (an ingredient: message number) is n, wherever it stands. Either way a
// request the scale holds nothing for gets the empty reply.
enum class UploadAnswers { BySlot, ByNumber };

// The scale's side of the line as a machine fed with the PC's bytes. It answers into a list of
// bursts and a log, and never touches a device or a clock, so it runs the same behind the
// simulator's pseudo-terminal as behind the tests' in-process port on virtual time.
//
// Log lines: "pc> A5" for bytes the PC sent, one line per protocol unit (sync byte, command
// byte, the two number bytes, a whole record, or a run of ignored bytes); "sc> 77" for each
// burst the scale sends; "# ..." for notes (faults, storing, delays).
class ScaleProtocol {
public:
    // goAheadGapMs: quiet between an ingredient upload's go-ahead byte and its reply, so that
    // the PC can take the lone go-ahead before the reply comes in.
    explicit ScaleProtocol(ScaleTables& tables, std::vector<Fault> faults = {},
                           int goAheadGapMs = 50);

    // Later faults are tried after the earlier ones.
    void addFault(Fault fault) { faults_.push_back(std::move(fault)); }

    void setUploadAnswers(UploadAnswers answers) { answers_ = answers; }
    UploadAnswers uploadAnswers() const { return answers_; }

    void feed(const QByteArray& bytes);
    void feed(char byte);
    // The PC has gone quiet: an exchange in the middle is dropped (the scale waits for a sync
    // byte again), and bytes ignored outside an exchange reach the log.
    void lineIdle();
    bool midExchange() const { return state_ != State::Idle; }

    std::vector<Burst> takeOutput();
    QStringList takeLog();
    // True once after each record stored.
    bool takeTablesChanged();

    int exchanges() const { return cur_.ordinal; }
    const std::vector<Fault>& faults() const { return faults_; }

    // Told of each upload reply and display record that goes out, faults included (with the
    // requested number; -1 for the display), and of each downloaded record the scale takes and
    // answers (its number and body; a record numbered 0 is answered but not kept).
    std::function<void(int number, const QByteArray& bytes)> onReply;
    std::function<void(int number, const QByteArray& body)> onRecordTaken;

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
    // The slot an upload request for n answers with; 0 when the scale holds nothing for it.
    template <class Table> int answeringSlot(const Table& table, int n) const;

    // One answer on its way out: its bytes in pieces, each after a pause of its own.
    using Pieces = std::vector<Burst>;
    const Fault* matchFault(Step step);
    // Spoils an answer by the first fault aimed at the step; true when it still goes out as the
    // PC expects it (on time or late). `wrong` is its wrong value; empty: its first byte turns.
    bool spoil(Step step, Pieces& answer, const QByteArray& wrong);
    Pieces answer(Step step, const QByteArray& bytes, const QByteArray& wrong);
    void send(const Pieces& answer);
    void tellReply(int number, const Pieces& reply);
    // An upload reply: the PLU reply's echo (-1: none, as for an ingredient), the number and
    // record, the closing byte.
    void sendUploadReply(int echo, const QByteArray& record, int gapMs);

    void note(const QString& text);
    void logPc(const QByteArray& bytes);
    void flushIgnored();

    ScaleTables& tables_;
    std::vector<Fault> faults_;
    int gapMs_;
    UploadAnswers answers_ = UploadAnswers::BySlot;

    State state_ = State::Idle;
    QByteArray got_;
    int recordSize_ = 0;
    bool fillerExpected_ = false;
    QByteArray ignored_;

    Exchange cur_;
    ExchangeKind prevKind_ = ExchangeKind::Unknown;
    int prevNumber_ = -1;
    bool prevFinished_ = false;

    std::vector<Burst> out_;
    QStringList log_;
    bool changed_ = false;
};

QString hexBytes(const QByteArray& bytes);

} // namespace tarn::sim
