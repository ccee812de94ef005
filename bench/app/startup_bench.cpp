// Start-up of the main window: time from entering main() to the window being shown and
// exposed, and the process's resident memory once it is up. Run under a display (xvfb-run) or
// with QT_QPA_PLATFORM=offscreen.
#include "MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>

namespace {
long residentKiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const qint64 appMs = clock.elapsed();
    tarn::MainWindow window;
    const qint64 builtMs = clock.elapsed();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 10000)) {
        std::fprintf(stderr, "window was not exposed\n");
        return 1;
    }
    QApplication::processEvents();
    const qint64 shownMs = clock.elapsed();
    std::printf("QApplication ready:   %lld ms\n", static_cast<long long>(appMs));
    std::printf("main window built:    %lld ms\n", static_cast<long long>(builtMs));
    std::printf("window shown/exposed: %lld ms\n", static_cast<long long>(shownMs));
    std::printf("resident memory:      %ld KiB\n", residentKiB());
    return 0;
}
