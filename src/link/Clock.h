#pragma once

#include <QObject>

#include <chrono>

namespace tarn {

class Port;

// Raised to make every wait of the link return at once (the window's Exit, the command line's
// Ctrl-C). Raise it from the thread that runs the link.
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
    bool raised_ = false;
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

// The program's clock: a steady clock, and waits that run a local event loop woken by the
// port's readyRead and a timer, so window events keep running and the CPU stays idle.
class EventLoopClock : public Clock {
public:
    Time now() const override;
    // Raises `stop` when the application asks its event loops to end during the wait.
    void waitUntil(Time deadline, Port* wake, StopFlag& stop) override;
};

} // namespace tarn
