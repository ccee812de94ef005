// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its dialogs on the screen of a small laptop, 1024 x 600: each opens within the
// screen's available area, with its buttons on the screen.
#include "CompareDialog.h"
#include "ExitGuard.h"
#include "HistoryDialog.h"
#include "PriceListDialog.h"
#include "WindowTest.h"

#include <QAbstractButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestSmallScreen : public WindowTest {
    Q_OBJECT

    QTemporaryDir dir;

    // The dialog and each of its buttons lie within the screen's available area.
    static void fitsWithItsButtons(QWidget* dialog) {
        QVERIFY(dialog && dialog->isVisible());
        const QRect room = dialog->screen()->availableGeometry();
        QVERIFY2(room.contains(dialog->frameGeometry()), qPrintable(dialog->objectName()));
        for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
            if (b->isVisible())
                QVERIFY2(room.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())),
                         qPrintable(b->text()));
    }

private slots:
    void init() {
        makeWindow();
        useChooser();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup() { dropWindow(); }

    void theWindowAndEveryDialogFitTheScreen() {
        QCOMPARE(w->screen()->availableGeometry(), QRect(0, 0, 1024, 600));
        QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));

        const QString list = dir.filePath("till.csv");
        QVERIFY(writeBytes(list, "PLU No;Price\r\n101;2,99\r\n"));
        chooser->answer(list);
        trigger("mnuPriceList");
        auto* prices = w->findChild<PriceListDialog*>();
        QVERIFY(QTest::qWaitForWindowExposed(prices));
        fitsWithItsButtons(prices);
        prices->reject();

        auto* compare = new CompareDialog(w);
        compare->show(QStringLiteral("PLU Compare"), TableKind::Plu, {});
        fitsWithItsButtons(compare);
        auto* history = new HistoryDialog(w);
        history->show({});
        fitsWithItsButtons(history);

        // A question, looked at while it waits for its answer.
        QTimer::singleShot(0, w, [] {
            QWidget* box = QApplication::activeModalWidget();
            fitsWithItsButtons(box);
            if (box)
                box->close();
        });
        DialogSaveQuestion(w).ask({QStringLiteral("PLU")});
    }
};

// The offscreen screen, made 1024 x 600 before the application starts.
int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1024, "height": 600,
                                "logicalDpi": 96}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestSmallScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_smallscreen.moc"
