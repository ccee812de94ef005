// SPDX-License-Identifier: GPL-3.0-or-later
// The window's event loop while a paced 200-PLU download runs against tarnlink-scale on its
// pseudo-terminal (9600 baud): a timer asks for a turn every 5 ms, and the bench prints the
// longest time between two turns, and how many exceeded 50 ms. The transfer runs on the
// engine's thread, so the window's loop should never wait on the line.
// Run with QT_QPA_PLATFORM=offscreen (or under a display).
#include "Controls.h"
#include "Engine.h"
#include "MainWindow.h"
#include "PortActions.h"
#include "TransferActions.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // What the simulated scale holds is no business of the user's own store.
    QTemporaryDir storeDir;
    qputenv("TARNLINK_STORE", storeDir.filePath(QStringLiteral("scales.sqlite")).toLocal8Bit());
    QProcess scale;
    scale.start(QStringLiteral(SCALE_BINARY), {QStringLiteral("--empty")});
    if (!scale.waitForStarted(5000) || !scale.waitForReadyRead(10000)) {
        std::fprintf(stderr, "tarnlink-scale did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(scale.readLine()).trimmed().section(' ', 1);

    tarn::MainWindow window;
    window.setExitHandler([] {});
    window.show();
    const tarn::Controls& c = window.controls();
    window.portActions().choosePort(device);
    c.cmdPortOpen->click();
    if (!QTest::qWaitFor([&] { return !window.portActions().waiting(); }, 10000) ||
        !window.engine().isOpen()) {
        std::fprintf(stderr, "port did not open: %s\n", qPrintable(c.panel1->text()));
        return 1;
    }
    tarn::Workspace& ws = window.workspace();
    for (int i = 1; i <= tarn::kMaxRecords; ++i) {
        tarn::PluRecord& r = ws.plu.records[size_t(i)];
        r.pluNo = qint16(i);
        r.name1 = QStringLiteral("Item %1").arg(i);
        r.unitPrice = 100 * i;
    }
    ws.plu.count = tarn::kMaxRecords;
    ws.setFilePath(QStringLiteral("/shop/prices.PLU"));
    c.optDownAllPLU->setChecked(true);

    std::vector<qint64> gaps;
    QElapsedTimer since;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        gaps.push_back(since.nsecsElapsed() / 1000);
        since.restart();
    });
    QElapsedTimer whole;
    whole.start();
    c.cmdPLUDownload->click();
    since.start();
    tick.start(5);
    auto* transfers = window.findChild<tarn::TransferActions*>();
    const bool ended = QTest::qWaitFor([&] { return !transfers->running(); }, 120000);
    tick.stop();
    const double seconds = whole.elapsed() / 1000.0;

    std::sort(gaps.begin(), gaps.end());
    const auto over = std::count_if(gaps.begin(), gaps.end(), [](qint64 g) { return g > 50000; });
    std::printf("download: \"%s\" after %.1f s%s\n", qPrintable(c.panel1->text()), seconds,
                ended ? "" : " (not ended)");
    if (!gaps.empty())
        std::printf("event loop turns: %zu, median gap %.1f ms, 99th percentile %.1f ms, "
                    "longest %.1f ms, over 50 ms: %ld\n",
                    gaps.size(), gaps[gaps.size() / 2] / 1000.0,
                    gaps[gaps.size() * 99 / 100] / 1000.0, gaps.back() / 1000.0, long(over));
    scale.terminate();
    scale.waitForFinished(5000);
    return 0;
}
