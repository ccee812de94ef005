// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a port reset (close and reopen) on a pseudo-terminal, and the CPU used while
// the link waits six seconds for a scale that does not answer.
#include "ScaleLink.h"
#include "SerialPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

using namespace tarn;

namespace {
double cpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    const QString path = QString::fromLocal8Bit(::ptsname(master));
    const int keep = ::open(::ptsname(master), O_RDWR | O_NOCTTY); // the line stays up

    ScaleLink link(std::make_unique<SerialPort>(), std::make_unique<SteadyClock>());
    if (const auto error = link.open(path)) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }

    const int resets = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < resets; ++i)
        if (const auto error = link.reset()) {
            std::fprintf(stderr, "%s\n", qPrintable(*error));
            return 1;
        }
    const double perReset = double(timer.nsecsElapsed()) / 1e3 / resets;
    std::printf("port reset on %s: %.1f us each (%d resets)\n", qPrintable(path), perReset, resets);

    // RxFip on a silent line: limit 5, so the wait lasts 6 seconds.
    const double cpu0 = cpuSeconds();
    timer.restart();
    const auto reading = link.rxFip();
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpu0;
    std::printf("silent wait: %s after %.3f s, CPU %.4f s (%.3f%%)\n",
                reading ? "answer" : "time-out", wall, cpu, 100.0 * cpu / wall);

    link.close();
    ::close(keep);
    ::close(master);
    return 0;
}
