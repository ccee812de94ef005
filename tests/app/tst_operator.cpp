// SPDX-License-Identifier: GPL-3.0-or-later
// The operator's day, keyboard first, on the real window and its real questions: a key pressed
// twice, the window closed while a table goes, the worst moments of a transfer, tabs and dialogs
// reached by their keys. The scale is the in-process one on virtual time and keeps what it is
// sent.
#include "GridUndo.h"
#include "Store.h"
#include "WindowTest.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestOperator : public WindowTest {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Alt and a letter, where the operator presses it: the widget with the focus.
    static void alt(Qt::Key letter) { key(letter, Qt::AltModifier); }

private slots:
    void init() {
        makeWindow();
        useChooser();
        openOnScale();
    }
    void cleanup() { dropWindow(); }

    // Alt+D pressed again in the question it opened answers nothing; Enter sends what the grid
    // shows, saved first.
    void aKeyPressedTwiceNeverSendsTheOldTable() {
        openPlu(dir.path(), kApplePluLine);
        typeInto(c().grdPLU, 1, 4, "349");
        c().SSTab->setCurrentIndex(3);
        c().optDownAllPLU->setChecked(true);
        c().cmdPLUDownload->setFocus();
        QStringList buttons;
        bool stillAsking = false;
        whenAsked([&](QWidget* box) {
            for (const QAbstractButton* b : box->findChildren<QAbstractButton*>())
                buttons << b->text();
            QTest::keyClick(box, Qt::Key_D, Qt::AltModifier);
            QTest::keyClick(box, Qt::Key_D);
            QTest::qWait(300); // a button's key clicks it a moment later
            stillAsking = box->isVisible();
            QTest::keyClick(box, Qt::Key_Return);
        });
        alt(Qt::Key_D);
        QTRY_VERIFY(answered);
        QVERIFY(settle(*w));

        QVERIFY2(stillAsking, qPrintable(buttons.join(" | ")));
        QVERIFY(buttons.filter("&D", Qt::CaseInsensitive).isEmpty());
        QCOMPARE(scale->received.size(), size_t(1));
        QCOMPARE(priceOnLine(scale->received.back().second), 349u);
        QVERIFY(readBytes(path("shop.PLU")).contains(",349,"));
        QCOMPARE(status(), QString(" THE END "));
    }

    // Closing the window while a download runs asks first: "Go on" leaves it running; "Stop
    // and exit" stops it as Stop does, recorded so, and the program ends once it has ended.
    void closingTheWindowInTheMiddleOfADownloadAsksFirst() {
        ScriptedStopQuestion& asked = *stopping;
        fullPluTable(path("shop.PLU"));
        // The scale falls silent after record 35; the line is held at the next sync.
        LineGate gate;
        silentAfter(35, gate);
        c().cmdPLUDownload->click();
        QVERIFY(gate.reached());
        const auto* bar = w->findChild<QProgressBar*>(QStringLiteral("prgTransfer"));
        QTRY_COMPARE(bar->text(), QStringLiteral("35 / 200"));

        QVERIFY(!w->close()); // no answer: "Go on"
        QCOMPARE(asked.asked,
                 QStringList{"A download is running (35 of 200 sent). Stop it and exit?"});
        QVERIFY(jobRunning(*w));
        asked.answer(true);
        trigger("mnuFileExit");
        QVERIFY(!exited); // not before the job has ended
        gate.release();
        QVERIFY(settle(*w));
        clock->onWait = nullptr;

        QTRY_VERIFY(exited);
        QCOMPARE(exits, 1);
        QCOMPARE(asked.asked.size(), 2);
        QCOMPARE(status(), QStringLiteral("Stopped after plu#35"));
        QCOMPARE(scale->received.size(), size_t(35));
        const std::vector<TransferEntry> jobs = Store().history({});
        QVERIFY(!jobs.empty());
        QCOMPARE(jobs.front().outcome, jobEndWord(JobEnd::Stopped));
        QCOMPARE(jobs.front().records, 35);
    }

    // Each table has its own file: New or an upload of one leaves the other's download as it
    // was, and the Source box shows the file of the table whose tab is shown.
    void eachTableHasItsOwnSource() {
        QVERIFY(writeBytes(path("shop.INGRED"), kSugarIngredLine));
        chooser->answer(path("shop.INGRED"));
        trigger("mnuFileOpen1");
        openPlu(dir.path(), kApplePluLine);
        c().optDownAllPLU->setChecked(true);
        c().optDownAllINGRED->setChecked(true);

        trigger("mnuFileNew");
        QVERIFY(click("cmdINGREDDownload"));
        QCOMPARE(status(), QString(" THE END "));
        QCOMPARE(scale->received.size(), size_t(1));
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QString("ERROR! select plu files"));
        const std::pair<int, QString> shown[] = {
            {0, "?"}, {2, "?"}, {3, "?"}, {5, path("shop.INGRED")}};
        for (const auto& [tab, file] : shown) {
            c().SSTab->setCurrentIndex(tab);
            QCOMPARE(source(), file);
        }

        // The other way round, after an upload of the INGRED table.
        openPlu(dir.path(), kApplePluLine);
        c().optUpAllING->setChecked(true);
        QVERIFY(click("cmdINGUpload"));
        QVERIFY(click("cmdINGREDDownload"));
        QCOMPARE(status(), QString("ERROR! select ingred files"));
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QString(" THE END "));
        QCOMPARE(scale->received.size(), size_t(2));
        QCOMPARE(source(), path("shop.PLU"));
        c().SSTab->setCurrentIndex(5);
        QCOMPARE(source(), QString("?"));
    }

    // A scale that stops answering, or a port lost, in the middle of a download: the status
    // texts as they were, the bar at the records done, and under it what happened and what to do.
    void aTransferThatFailsOnTheWaySaysWhatToDo() {
        fullPluTable(path("shop.PLU"));
        const auto* bar = w->findChild<QProgressBar*>(QStringLiteral("prgTransfer"));
        const QLabel* advice = c().lblTransferAdvice;

        clock->onWait = [&, silent = false]() mutable {
            if (!silent && scale->received.size() == 44) {
                silent = true;
                scale->silent();
            }
        };
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QStringLiteral("Sync error PLU No : 45"));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->text(), QStringLiteral("44 / 200"));
        QVERIFY(advice->isVisible());
        QCOMPARE(advice->text(), QStringLiteral("The scale stopped answering after 44 of 200 "
                                                "records. Check that it is on and cabled, then "
                                                "send Changed: it sends the rest."));

        cleanup(); // a fresh window and scale
        init();
        Workspace& again = w->workspace();
        for (int i = 1; i <= kMaxRecords; ++i)
            again.plu.records[size_t(i)].pluNo = qint16(i);
        again.plu.count = kMaxRecords;
        again.setFilePath(path("shop.PLU"));
        c().optDownAllPLU->setChecked(true);
        bar = w->findChild<QProgressBar*>(QStringLiteral("prgTransfer"));
        advice = c().lblTransferAdvice;
        clock->onWait = [&, lost = false]() mutable {
            if (!lost && scale->received.size() == 58) { // 57 acknowledged
                lost = true;
                scale->fail(QStringLiteral("Input/output error"));
            }
        };
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QStringLiteral("ERROR! port is not open"));
        QCOMPARE(bar->text(), QStringLiteral("57 / 200"));
        QCOMPARE(advice->text(), QStringLiteral("The port was lost after 57 of 200 records "
                                                "(adapter pulled out?). Open it again, then send "
                                                "Changed."));
        QVERIFY(advice->isVisible());
        // The next transfer starts with a clean line.
        QVERIFY(click("cmdPortOpen"));
        QVERIFY(click("cmdPLUDownload"));
        QVERIFY(!advice->isVisible());
    }

    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp switch tabs from anywhere, a grid
    // included, round past the ends; a table's tab shown by keyboard (those keys, or its
    // mnemonic) has the focus in its grid, where typing fills the current cell.
    void tabsAreSwitchedByKeyboardFromAnywhere() {
        openPlu(dir.path(), kApplePluLine);
        QTabWidget* tabs = c().SSTab;
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(c().grdPLU->hasFocus()); // a load puts the focus in the loaded grid
        c().grdPLU->grid().setCurrent(1, 4);
        key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 3);
        QVERIFY(tabs->currentWidget()->isAncestorOf(QApplication::focusWidget()));
        key(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(c().grdPLU->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), "319");
        key(Qt::Key_Return);
        QCOMPARE(w->workspace().plu.grid.text(1, 4), QStringLiteral("319"));

        key(Qt::Key_PageDown, Qt::ControlModifier);
        key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 2);
        tabs->setCurrentIndex(0);
        key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier); // round to the last
        QCOMPARE(tabs->currentIndex(), 5);
        QVERIFY(c().grdINGRED->hasFocus());
        alt(Qt::Key_L); // "P&LU"
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(c().grdPLU->hasFocus());
        alt(Qt::Key_O); // "D&ownload"
        QCOMPARE(tabs->currentIndex(), 3);
    }

    // History's list is left with its Close button's key.
    void historyClosesByItsKey() {
        QVERIFY(click("cmdHistory"));
        QDialog* history = nullptr; // shown once the store has answered
        QTRY_VERIFY((history = w->findChild<QDialog*>(QStringLiteral("dlgHistory"))) &&
                    history->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(history));
        alt(Qt::Key_C);
        QTRY_VERIFY(!history->isVisible());
    }

    // After a workbook export Exit still asks while the table's file is older than the grid,
    // naming the export; "Save" brings the file up to date.
    void anExportIsNoSaveOfTheTableFile() {
        useExitQuestion();
        openPlu(dir.path(), kApplePluLine);
        typeInto(c().grdPLU, 1, 4, "349");
        chooser->answer(path("shop.xlsx"), 2); // "Excel Workbook"
        trigger("mnuXls");
        QVERIFY(QFile::exists(path("shop.xlsx")));
        QVERIFY(!w->gridUndo(TableKind::Plu).isChanged());

        trigger("mnuFileExit"); // no answer: Cancel
        QVERIFY(!exited);
        QCOMPARE(question->asked, std::vector<QStringList>{{"PLU"}});
        QCOMPARE(question->remarked,
                 std::vector<QStringList>{{"PLU: exported to shop.xlsx; shop.PLU is older"}});
        question->answer(SaveQuestion::Answer::Save);
        trigger("mnuFileExit");
        QVERIFY(exited);
        QVERIFY(readBytes(path("shop.PLU")).contains(",349,"));
    }
};

QTEST_MAIN(TestOperator)
#include "tst_operator.moc"
