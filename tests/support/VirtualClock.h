// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"
#include "Port.h"

#include <functional>
#include <map>

namespace tarn::testing {

// Time that jumps: a wait moves the clock straight to the next scheduled event (a byte from
// the scale) or to its deadline, so a 5-second pause takes no real time and its length can be
// asserted. Events run inside waits, as the port's readyRead does in the program.
class VirtualClock : public Clock {
public:
    explicit VirtualClock(Time start = Time::zero()) : now_(start) {}

    Time now() const override { return now_; }

    void waitUntil(Time deadline, Port* /*wake*/, StopFlag& stop) override {
        ++waits_;
        if (onWait)
            onWait();
        if (stop.isRaised())
            return;
        auto next = events_.begin();
        if (next != events_.end() && next->first <= deadline) {
            now_ = std::max(now_, next->first);
            auto action = std::move(next->second);
            events_.erase(next);
            action();
            return;
        }
        now_ = std::max(now_, deadline);
    }

    // Runs `action` when the clock reaches `when` (in order of time, then of scheduling).
    void at(Time when, std::function<void()> action) {
        events_.emplace(std::max(when, now_), std::move(action));
    }
    // Moves the clock on by `by`, running the events that fall due on the way.
    void advance(Time by) {
        const Time end = now_ + by;
        while (!events_.empty() && events_.begin()->first <= end) {
            auto next = events_.begin();
            now_ = std::max(now_, next->first);
            auto action = std::move(next->second);
            events_.erase(next);
            action();
        }
        now_ = end;
    }

    int waits() const { return waits_; }
    bool idle() const { return events_.empty(); }

    // Runs at the start of every wait (a test may raise a stop flag here).
    std::function<void()> onWait;

private:
    Time now_;
    std::multimap<Time, std::function<void()>> events_;
    int waits_ = 0;
};

inline Clock::Time seconds(double s) {
    return Clock::Time(static_cast<Clock::Time::rep>(s * 1e6));
}

} // namespace tarn::testing
