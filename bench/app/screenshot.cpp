// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the main window at its first size with a PLU table on its "PLU" tab, for the README.
//   screenshot TABLE.PLU OUT.png   renders the window into OUT.png
//   screenshot TABLE.PLU -         keeps showing it, for a screen grabber (under xvfb-run:
//                                  import -window root docs/window.png)
// Copy the table into a neutral folder first: "Source" shows its path.
#include "Language.h"
#include "MainWindow.h"
#include "TableFile.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tarn::installLanguage(app, tarn::desktopLanguage()); // LANG=de_DE.UTF-8: the German one
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot TABLE.PLU OUT.png|-\n");
        return 2;
    }
    tarn::MainWindow window;
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    // Loaded as PLU > Open loads it, its count on the status line.
    if (!window.showReport(
            tarn::load(window.workspace(), tarn::TableKind::Plu, QString::fromLocal8Bit(argv[1]))))
        return 1;
    window.findChild<QTabWidget*>(QStringLiteral("SSTab"))->setCurrentIndex(2);
    QApplication::processEvents();
    if (QString::fromLocal8Bit(argv[2]) == QLatin1String("-"))
        return QApplication::exec();
    return window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
