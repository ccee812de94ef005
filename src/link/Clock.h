// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <atomic>
#include <chrono>

namespace tarn {

class Port;

// Raised to make every wait of the link return at once (Stop, Exit, Ctrl-C), from any thread:
// the thread that waits sees it at once.
class StopFlag : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void raise();
    void clear() { raised_ = false; }
    bool isRaised() const { return raised_; }

signals:
    void raisedNow();

private:
    std::atomic<bool> raised_ = false;
};

// Time for the link's time-outs and pauses: monotonic, so a wait never ends early or late
// because the wall clock turned a minute or was set.
class Clock {
public:
    using Time = std::chrono::microseconds; // since the clock's own start
    virtual ~Clock() = default;

    virtual Time now() const = 0;
    // Returns when `deadline` has come, when `wake` (may be null) reports new bytes, or when
    // `stop` is raised; it may also return earlier without cause, so callers check and loop.
    // A clock may raise `stop` itself when the program is ending.
    virtual void waitUntil(Time deadline, Port* wake, StopFlag& stop) = 0;
};

// The program's clock: a steady clock, and waits that run a local event loop of the link's own
// thread, woken by the port's readyRead, a timer or the stop flag, so the CPU stays idle.
class EventLoopClock : public Clock {
public:
    Time now() const override;
    // Raises `stop` when the application asks its event loops to end during the wait.
    void waitUntil(Time deadline, Port* wake, StopFlag& stop) override;
};

} // namespace tarn
