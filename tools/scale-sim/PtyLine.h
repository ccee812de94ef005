// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaleProtocol.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>

class QSocketNotifier;

namespace tarn::sim {

// A pseudo-terminal whose other side the PC opens as its serial port. The scale keeps a
// descriptor of that side open itself, so the PC's closing and reopening of the port (after
// every record) never hangs up the line.
class Pty {
public:
    Pty() = default;
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool open(QString& error);
    int masterFd() const { return master_; }
    const QString& devicePath() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};

// Moves bytes between the pseudo-terminal (or a network connection) and the protocol machine. With
// pacing, each byte takes 1/960 s on the line in each direction, as at 9600 baud (8N1). Waits on
// the descriptor and on timers; nothing polls.
class LinePump : public QObject {
    Q_OBJECT
public:
    LinePump(int masterFd, ScaleProtocol& protocol, bool pace, int idleMs,
             QObject* parent = nullptr);

    std::function<void(const QStringList&)> onLog;
    std::function<void()> onTablesChanged;
    // The far end has gone (a network connection closed); the pump has stopped reading.
    std::function<void()> onClosed;

private:
    using Clock = std::chrono::steady_clock;
    struct Timed {
        Clock::time_point due;
        char byte;
    };

    void readable();
    void writable();
    void tick();
    void idle();
    void drain();
    void schedule();
    void writeOut();

    int fd_;
    ScaleProtocol& protocol_;
    bool pace_;
    QSocketNotifier* readNotifier_;
    QSocketNotifier* writeNotifier_;
    QTimer timer_;
    QTimer idleTimer_;
    std::deque<Timed> inbound_;
    std::deque<Timed> outbound_;
    Clock::time_point inFree_{};
    Clock::time_point outFree_{};
    QByteArray writeBuf_;
};

} // namespace tarn::sim
