// SPDX-License-Identifier: GPL-3.0-or-later
#include "Interrupt.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tarn {

namespace {
int pipeEnds[2] = {-1, -1};
// Ctrl-C, kill, and the terminal or session the program runs in going away.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void onSignal(int signal) {
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}
} // namespace

Interrupt::Interrupt(QObject* parent) : QObject(parent) {
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &Interrupt::drain);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

Interrupt::~Interrupt() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

void Interrupt::drain() {
    char buf[16];
    ssize_t n = 0;
    while ((n = ::read(pipeEnds[0], buf, sizeof buf)) > 0)
        signal_ = buf[n - 1];
    emit arrived();
}

} // namespace tarn
