// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FuzzInput.h"
#include "VirtualClock.h"

#include "Port.h"

#include <QByteArray>
#include <QString>

namespace tarn::fuzz {

// A scale whose every answer comes from the fuzzer: after each write of the PC it takes a
// control byte and answers with as many fuzzer bytes as that byte asks for, after one of four
// delays, in one piece or two. Once the input runs out it stays silent. It keeps what the PC
// wrote and read, so the harness can check what a stored record was built from.
//
// Control byte: bit 7 long answer (length = (bits 1-0) * 256 + the next byte), else the
// length is bits 3-0; bit 4 splits the answer in two pieces 1.2 s apart; bits 6-5 the delay
// (2 ms, 0.9 s, 1.5 s, 6 s). 0xFF answers nothing and makes the next open fail.
class FuzzScale : public Port {
public:
    FuzzScale(FuzzInput& input, testing::VirtualClock& clock) : input_(input), clock_(clock) {}

    std::optional<QString> open(const QString& name) override {
        name_ = name;
        if (failNextOpen_) {
            failNextOpen_ = false;
            return QStringLiteral("the line is gone");
        }
        open_ = true;
        return std::nullopt;
    }
    void close() override {
        open_ = false;
        ++session_;
        inbound_.clear();
    }
    bool isOpen() const override { return open_; }
    QString name() const override { return name_; }
    QString systemName() const override { return name_; }

    void write(const QByteArray& bytes) override {
        require(open_, "the PC wrote to a closed port");
        lastWrite_ = bytes;
        readSinceWrite_.clear();
        ++writes_;
        if (input_.empty())
            return;
        const quint8 ctl = input_.byte();
        if (ctl == 0xFF) {
            failNextOpen_ = true;
            return;
        }
        const int length = (ctl & 0x80) ? ((ctl & 0x03) << 8) | input_.byte() : (ctl & 0x0F);
        static constexpr qint64 kDelays[] = {2000, 900000, 1500000, 6000000};
        const Clock::Time delay{kDelays[(ctl >> 5) & 0x03]};
        const QByteArray answer = input_.bytes(size_t(length));
        if ((ctl & 0x10) && answer.size() >= 2) {
            const qsizetype half = answer.size() / 2;
            deliver(answer.left(half), delay);
            deliver(answer.mid(half), delay + Clock::Time(1200000));
        } else if (!answer.isEmpty()) {
            deliver(answer, delay);
        }
    }
    qint64 bytesWaiting() const override { return inbound_.size(); }
    QByteArray readAll() override {
        const QByteArray taken = inbound_;
        inbound_.clear();
        readSinceWrite_ += taken;
        return taken;
    }

    // The PC's last write, and every byte it took since.
    const QByteArray& lastWrite() const { return lastWrite_; }
    const QByteArray& readSinceWrite() const { return readSinceWrite_; }
    long writes() const { return writes_; }

private:
    void deliver(const QByteArray& bytes, Clock::Time after) {
        const int session = session_;
        clock_.at(clock_.now() + after, [this, bytes, session] {
            if (open_ && session == session_) {
                inbound_ += bytes;
                emit readyRead();
            }
        });
    }

    FuzzInput& input_;
    testing::VirtualClock& clock_;
    QString name_;
    bool open_ = false;
    bool failNextOpen_ = false;
    int session_ = 0;
    QByteArray inbound_;
    QByteArray lastWrite_;
    QByteArray readSinceWrite_;
    long writes_ = 0;
};

} // namespace tarn::fuzz
