// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace tarn {

// Ctrl-C, SIGTERM and SIGHUP as a Qt signal, so that the program closes its port (and the port's
// lock file goes) before it ends. The signal handler only writes a byte to a pipe; the pipe's
// notifier emits arrived() from the main thread's event loop, which never waits on the line
// (the engines' threads do). A second signal, should the first not end the program, ends it
// the default way.
class Interrupt : public QObject {
    Q_OBJECT
public:
    explicit Interrupt(QObject* parent = nullptr);
    ~Interrupt() override;

    bool ok() const { return notifier_ != nullptr; }
    // The signal that came last (SIGINT when arrived() was emitted without one).
    int signal() const { return signal_; }

signals:
    void arrived();

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
    int signal_ = SIGINT;
};

} // namespace tarn
