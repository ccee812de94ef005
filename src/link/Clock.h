// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>

namespace tarn {

class Port;

// Raised to make every wait of the link return at once (Stop, Exit, Ctrl-C), from any thread.
// A thread blocked in a wait sees it through descriptor(), which is readable while the flag is
// raised, so the wait ends without the waiting thread running anything else.
class StopFlag {
public:
    StopFlag();
    ~StopFlag();
    StopFlag(const StopFlag&) = delete;
    StopFlag& operator=(const StopFlag&) = delete;

    void raise();
    void clear();
    bool isRaised() const { return raised_.load(); }
    // For poll(): readable while raised.
    int descriptor() const { return fd_; }
    // Blocks until `limit` has passed or the flag is raised.
    void sleep(std::chrono::milliseconds limit) const;

private:
    std::mutex change_; // the flag and the descriptor change together
    std::atomic<bool> raised_ = false;
    int fd_ = -1;
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
    virtual void waitUntil(Time deadline, Port* wake, StopFlag& stop) = 0;
};

// The program's clock: a steady clock, and waits that block the link's thread in the port's
// own wait (Port::waitForBytes) or a sleep, woken by the port's bytes, the deadline or the stop
// flag, so the CPU stays idle and nothing else runs on that thread meanwhile.
class SteadyClock : public Clock {
public:
    Time now() const override;
    void waitUntil(Time deadline, Port* wake, StopFlag& stop) override;
};

} // namespace tarn
