// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window: time from entering main() to the window being shown and
// exposed, the process's resident memory once it is up, and how many rows of the PLU grid the
// window shows at its first size. Run under a display (xvfb-run) or with
// QT_QPA_PLATFORM=offscreen.
#include "Controls.h"
#include "GridView.h"
#include "Language.h"
#include "MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
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
    // In the desktop's language, as the program starts: LANG=C against LANG=de_DE.UTF-8 gives
    // what a translation costs.
    tarn::installLanguage(app, tarn::desktopLanguage());
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

    const tarn::Controls& c = window.controls();
    c.SSTab->setCurrentWidget(c.grdPLU->parentWidget());
    QApplication::processEvents();
    const tarn::GridView* grid = c.grdPLU;
    int whole = 0;
    while (whole < grid->model()->rowCount() &&
           grid->rowViewportPosition(whole) + grid->rowHeight(whole) <= grid->viewport()->height())
        ++whole;
    std::printf("PLU rows in view:     %d of %d px each (window %dx%d)\n", whole,
                grid->rowHeight(0), window.width(), window.height());
    return 0;
}
