// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

#include "Port.h"

#include <QEventLoop>
#include <QTimer>

namespace tarn {

void StopFlag::raise() {
    raised_ = true;
    emit raisedNow();
}

Clock::Time EventLoopClock::now() const {
    return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

void EventLoopClock::waitUntil(Time deadline, Port* wake, StopFlag& stop) {
    if (stop.isRaised())
        return;
    const Time left = deadline - now();
    if (left <= Time::zero())
        return;
    // Our own wake-ups end the loop with 1; any other code means the application is quitting
    // and has ended every loop (QCoreApplication::exit), so the link must stop waiting.
    constexpr int kWoken = 1;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kWoken); });
    if (wake)
        QObject::connect(wake, &Port::readyRead, &loop, [&loop] { loop.exit(kWoken); });
    if (wake)
        QObject::connect(wake, &Port::failed, &loop, [&loop] { loop.exit(kWoken); });
    QObject::connect(&stop, &StopFlag::raisedNow, &loop, [&loop] { loop.exit(kWoken); });
    // Raised from another thread before the connection above was made.
    if (stop.isRaised())
        return;
    timer.start(ms);
    if (loop.exec() != kWoken)
        stop.raise();
}

} // namespace tarn
