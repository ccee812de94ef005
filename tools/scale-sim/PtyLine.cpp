// SPDX-License-Identifier: GPL-3.0-or-later
#include "PtyLine.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace tarn::sim {

namespace {
// One byte at 9600 baud with a start and a stop bit: 10 bits.
constexpr std::chrono::nanoseconds kByteTime{1'000'000'000 / 960};
} // namespace

Pty::~Pty() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool Pty::open(QString& error) {
    auto fail = [&](const char* what) {
        error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                             QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return fail("grantpt/unlockpt");
    const char* name = ::ptsname(master_);
    if (!name)
        return fail("ptsname");
    path_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return fail("open the terminal side");
    termios t{};
    if (::tcgetattr(slave_, &t) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B9600);
    ::cfsetospeed(&t, B9600);
    if (::tcsetattr(slave_, TCSANOW, &t) != 0)
        return fail("tcsetattr");
    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl");
    return true;
}

LinePump::LinePump(int masterFd, ScaleProtocol& protocol, bool pace, int idleMs, QObject* parent)
    : QObject(parent), fd_(masterFd), protocol_(protocol), pace_(pace),
      readNotifier_(new QSocketNotifier(masterFd, QSocketNotifier::Read, this)),
      writeNotifier_(new QSocketNotifier(masterFd, QSocketNotifier::Write, this)) {
    writeNotifier_->setEnabled(false);
    connect(readNotifier_, &QSocketNotifier::activated, this, &LinePump::readable);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &LinePump::writable);
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LinePump::tick);
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(idleMs);
    connect(&idleTimer_, &QTimer::timeout, this, &LinePump::idle);
}

void LinePump::readable() {
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n > 0) {
            const auto now = Clock::now();
            for (ssize_t i = 0; i < n; ++i) {
                const auto due = pace_ ? std::max(now, inFree_) + kByteTime : now;
                inFree_ = due;
                inbound_.push_back({due, buf[i]});
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EIO) {
            // No terminal side open: cannot happen while we hold one; stop listening rather
            // than spin.
            readNotifier_->setEnabled(false);
        } else if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
            // A network connection closed or reset by the PC.
            readNotifier_->setEnabled(false);
            writeNotifier_->setEnabled(false);
            timer_.stop();
            idleTimer_.stop();
            if (onClosed)
                onClosed();
            return;
        }
        break;
    }
    tick();
}

void LinePump::writable() {
    writeOut();
}

void LinePump::tick() {
    const auto now = Clock::now();
    bool fed = false;
    while (!inbound_.empty() && inbound_.front().due <= now) {
        protocol_.feed(inbound_.front().byte);
        inbound_.pop_front();
        fed = true;
        drain();
    }
    if (fed)
        idleTimer_.start();
    while (!outbound_.empty() && outbound_.front().due <= now) {
        writeBuf_.append(outbound_.front().byte);
        outbound_.pop_front();
    }
    writeOut();
    schedule();
}

void LinePump::idle() {
    if (!inbound_.empty())
        return;
    protocol_.lineIdle();
    drain();
    schedule();
}

void LinePump::drain() {
    const auto now = Clock::now();
    for (const Burst& burst : protocol_.takeOutput()) {
        auto at = std::max(now, outFree_) + std::chrono::milliseconds(burst.delayMs);
        for (char c : burst.bytes) {
            if (pace_)
                at += kByteTime;
            outbound_.push_back({at, c});
        }
        outFree_ = at;
    }
    const QStringList lines = protocol_.takeLog();
    if (onLog && !lines.isEmpty())
        onLog(lines);
    if (protocol_.takeTablesChanged() && onTablesChanged)
        onTablesChanged();
}

void LinePump::schedule() {
    Clock::time_point next = Clock::time_point::max();
    if (!inbound_.empty())
        next = std::min(next, inbound_.front().due);
    if (!outbound_.empty())
        next = std::min(next, outbound_.front().due);
    if (next == Clock::time_point::max()) {
        timer_.stop();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
    timer_.start(std::max<int>(0, int(wait.count())));
}

void LinePump::writeOut() {
    while (!writeBuf_.isEmpty()) {
        const ssize_t n = ::write(fd_, writeBuf_.constData(), size_t(writeBuf_.size()));
        if (n > 0) {
            writeBuf_.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: the terminal side's buffer is full; wait until it drains
    }
    writeNotifier_->setEnabled(!writeBuf_.isEmpty());
}

} // namespace tarn::sim
