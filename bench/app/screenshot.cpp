// Renders the main window with the example PLU table on its "PLU" tab into a PNG, for the
// README:  screenshot examples/shop.PLU docs/window.png
#include "MainWindow.h"
#include "TableFile.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot TABLE.PLU OUT.png\n");
        return 2;
    }
    tarn::MainWindow window;
    window.resize(1000, 520);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (!tarn::load(window.workspace(), tarn::TableKind::Plu, QString::fromLocal8Bit(argv[1])).ok())
        return 1;
    window.findChild<QTabWidget*>(QStringLiteral("SSTab"))->setCurrentIndex(2);
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
