// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

#include "Port.h"

#include <cstdint>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace tarn {

StopFlag::StopFlag() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopFlag::~StopFlag() {
    if (fd_ >= 0)
        ::close(fd_);
}

void StopFlag::raise() {
    const std::lock_guard lock(change_);
    if (raised_.exchange(true))
        return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(fd_, &one, sizeof one);
}

void StopFlag::clear() {
    const std::lock_guard lock(change_);
    if (!raised_.exchange(false))
        return;
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(fd_, &count, sizeof count);
}

void StopFlag::sleep(std::chrono::milliseconds limit) const {
    if (isRaised() || limit <= std::chrono::milliseconds::zero())
        return;
    pollfd wake{fd_, POLLIN, 0};
    ::poll(&wake, 1, int(limit.count()));
}

Clock::Time SteadyClock::now() const {
    return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::waitUntil(Time deadline, Port* wake, StopFlag& stop) {
    if (stop.isRaised())
        return;
    const Time left = deadline - now();
    if (left <= Time::zero())
        return;
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left);
    if (wake)
        wake->waitForBytes(ms, stop);
    else
        stop.sleep(ms);
}

} // namespace tarn
