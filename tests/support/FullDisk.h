// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A disk that is full for this process while the object lives: no file it writes may grow past
// `bytes` (the kernel's file size limit; a write past it fails, as on a full disk).

#include <csignal>
#include <sys/resource.h>

namespace tarn::testing {

class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        // The write fails instead of ending the process.
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previous_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit before_{};
    void (*previous_)(int) = nullptr;
};

} // namespace tarn::testing
