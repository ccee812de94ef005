// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tarn::sim {

// The scale's answers within one exchange, in order.
//   sync     0x77 to the sync byte
//   command  0x01 to the command byte
//   number   the echo of a download's number; the go-ahead 0x00 of an ingredient upload;
//            the echo field (bytes 0-1) of a PLU upload reply
//   reply    an upload reply, whole (its echo and closing byte spoiled first by their own
//            faults); the display record
//   closing  0x10 after a downloaded record; the last byte of an upload reply
enum class Step { Sync, Command, Number, Reply, Closing };

enum class FaultKind {
    Silent, // the answer is not sent
    Wrong,  // a wrong value: another byte, for an echo the number plus one, for a reply its
            // first byte with every bit turned
    Extra,  // one byte more after the answer
    Short,  // the answer without its last byte
    Delay,  // the answer after a pause
    Late,   // the answer, and its last byte once more a pause after it: a byte still on the
            // line from the last exchange, which the PC's port reset does not stop
};
// Late, Record, flipAt: for the tests' in-process scale; the command line names none of them.

enum class FaultTarget {
    Any,      // every exchange
    Plu,      // PLU download or upload of one record number
    Ingred,   // ingredient download or upload of one message number
    Record,   // either table's download or upload of one record number
    Display,  // display reads
    Exchange, // the n-th exchange of the run (each sync byte that starts one counts)
};

struct Fault {
    FaultKind kind = FaultKind::Silent;
    Step step = Step::Sync;
    FaultTarget target = FaultTarget::Any;
    int number = 0;             // record number or exchange ordinal
    int times = 1;              // attempts still to spoil; -1 = every attempt
    int delayMs = 2000;         // Delay and Late
    std::optional<quint8> byte; // Wrong and Extra: the byte to send instead of the default
    int flipAt = -1;            // Wrong: the byte of the answer (from 0, wrapping) whose bits
                                // all turn, in place of the default wrong value
    QString text;               // as given on the command line, for the log
};

// Parses "KIND[:KEY=VALUE]..." (see faultSyntaxHelp()). On failure returns nullopt and sets
// error.
std::optional<Fault> parseFault(const QString& text, QString& error);

QString faultSyntaxHelp();
QString stepName(Step step);

} // namespace tarn::sim
