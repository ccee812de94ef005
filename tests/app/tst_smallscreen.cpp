// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its dialogs on a small laptop's screen, 1024 x 600: each opens within the
// screen's available area, with its buttons on the screen.
#include "PriceListDialog.h"
#include "WindowTest.h"

#include <QAbstractButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestSmallScreen : public WindowTest {
    Q_OBJECT

    static void fitsWithItsButtons(const QWidget* dialog) {
        const QRect room(0, 0, 1024, 600);
        QCOMPARE(dialog->screen()->availableGeometry(), room);
        QVERIFY(room.contains(dialog->frameGeometry()));
        for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
            QVERIFY2(room.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())),
                     qPrintable(b->text()));
    }

private slots:
    void theWindowAndItsDialogsFitTheScreen() {
        makeWindow();
        useChooser();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        fitsWithItsButtons(w);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("till.csv"), "PLU No;Price\r\n101;2,99\r\n"));
        chooser->answer(dir.filePath("till.csv"));
        trigger("mnuPriceList"); // 820 x 640 where there is room
        auto* prices = w->findChild<PriceListDialog*>();
        QVERIFY(QTest::qWaitForWindowExposed(prices));
        fitsWithItsButtons(prices);
        prices->reject();
        dropWindow();
    }
};

// The offscreen screen is made 1024 x 600 before the application starts.
int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    if (!writeBytes(config, R"({"screens": [{"name": "small", "width": 1024, "height": 600}]})"))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestSmallScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_smallscreen.moc"
