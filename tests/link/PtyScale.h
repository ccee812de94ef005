// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace tarn::testing {

// The scale's end of a pseudo-terminal, answering a script on a thread of its own (the PC's
// waits block the test's thread): each time the bytes the PC sent begin with the next expected
// request, the reply is written back. It keeps its own descriptor of the terminal side, so the
// PC's close and reopen never hang up the line.
class PtyScale {
public:
    PtyScale() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
            ::pipe(quit_) != 0)
            return;
        path_ = QString::fromLocal8Bit(::ptsname(master_));
        keep_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        termios raw{};
        ::tcgetattr(keep_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(keep_, TCSANOW, &raw);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        thread_ = std::thread([this] { serve(); });
    }
    ~PtyScale() {
        if (thread_.joinable()) {
            [[maybe_unused]] const ssize_t n = ::write(quit_[1], "q", 1);
            thread_.join();
        }
        for (const int fd : {keep_, master_, quit_[0], quit_[1]})
            if (fd >= 0)
                ::close(fd);
    }
    PtyScale(const PtyScale&) = delete;
    PtyScale& operator=(const PtyScale&) = delete;

    bool ok() const { return keep_ >= 0; }
    QString path() const { return path_; }

    void expect(const QByteArray& request, const QByteArray& reply) {
        const std::lock_guard lock(mutex_);
        script_.emplace_back(request, reply);
    }
    void send(const QByteArray& bytes) {
        [[maybe_unused]] const ssize_t n =
            ::write(master_, bytes.constData(), size_t(bytes.size()));
    }
    bool scriptDone() {
        const std::lock_guard lock(mutex_);
        return script_.empty();
    }
    // Everything the PC wrote, and what is left unmatched.
    QByteArray heard() {
        const std::lock_guard lock(mutex_);
        return heard_;
    }
    QByteArray pending() {
        const std::lock_guard lock(mutex_);
        return pending_;
    }

private:
    void serve() {
        for (;;) {
            pollfd fds[2] = {{master_, POLLIN, 0}, {quit_[0], POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0 || fds[1].revents)
                return;
            char buf[512];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                continue;
            const std::lock_guard lock(mutex_);
            heard_.append(buf, n);
            pending_.append(buf, n);
            while (!script_.empty() && pending_.startsWith(script_.front().first)) {
                pending_.remove(0, script_.front().first.size());
                const QByteArray reply = script_.front().second;
                script_.pop_front();
                if (!reply.isEmpty())
                    send(reply);
            }
        }
    }

    int master_ = -1;
    int keep_ = -1;
    int quit_[2] = {-1, -1};
    QString path_;
    std::mutex mutex_;
    QByteArray heard_;
    QByteArray pending_;
    std::deque<std::pair<QByteArray, QByteArray>> script_;
    std::thread thread_;
};

} // namespace tarn::testing
