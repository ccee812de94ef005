// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

// Processor time, user and system together, in seconds: of this process (RUSAGE_SELF) or of
// the child processes it has waited for (RUSAGE_CHILDREN).
inline double cpuSeconds(int who) {
    rusage u{};
    ::getrusage(who, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
