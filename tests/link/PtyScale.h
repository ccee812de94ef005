// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSocketNotifier>
#include <QString>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <deque>
#include <memory>
#include <utility>

namespace tarn::testing {

// The scale's end of a pseudo-terminal, answering a script: each time the bytes the PC sent
// begin with the next expected request, the reply is written back. It keeps its own
// descriptor of the terminal side, so the PC's close and reopen never hang up the line.
class PtyScale {
public:
    PtyScale() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            return;
        path_ = QString::fromLocal8Bit(::ptsname(master_));
        keep_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        termios raw{};
        ::tcgetattr(keep_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(keep_, TCSANOW, &raw);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readLine(); });
    }
    ~PtyScale() {
        notifier_.reset();
        if (keep_ >= 0)
            ::close(keep_);
        if (master_ >= 0)
            ::close(master_);
    }
    PtyScale(const PtyScale&) = delete;
    PtyScale& operator=(const PtyScale&) = delete;

    bool ok() const { return keep_ >= 0; }
    QString path() const { return path_; }

    void expect(const QByteArray& request, const QByteArray& reply) {
        script_.emplace_back(request, reply);
    }
    void send(const QByteArray& bytes) {
        if (::write(master_, bytes.constData(), size_t(bytes.size())) != bytes.size())
            failedWrites_++;
    }
    bool scriptDone() const { return script_.empty(); }
    // Everything the PC wrote, and what is left unmatched.
    QByteArray heard;
    QByteArray pending;
    int failedWrites_ = 0;

private:
    void readLine() {
        char buf[512];
        for (;;) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                break;
            heard.append(buf, n);
            pending.append(buf, n);
        }
        while (!script_.empty() && pending.startsWith(script_.front().first)) {
            pending.remove(0, script_.front().first.size());
            const QByteArray reply = script_.front().second;
            script_.pop_front();
            if (!reply.isEmpty())
                send(reply);
        }
    }

    int master_ = -1;
    int keep_ = -1;
    QString path_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::deque<std::pair<QByteArray, QByteArray>> script_;
};

} // namespace tarn::testing
