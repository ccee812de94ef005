// SPDX-License-Identifier: GPL-3.0-or-later
// What the operator sees is what the scale gets: the questions the real window asks before it
// sends a stale table, cuts a text or replaces edits, the names its save dialogs propose, keys
// that act instead of typing, and what it remembers between runs. The scale is the in-process
// one on virtual time.
#include "Controls.h"
#include "FakeScale.h"
#include "GridUndo.h"
#include "GridView.h"
#include "MainWindow.h"
#include "WindowTest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;
using Unsaved = DownloadQuestion::Unsaved;
using Answer = SaveQuestion::Answer;

namespace {
const QByteArray kShop =
    kApplePluLine + "13,\"ORGANIC FREE RANGE CHICKEN BREAST 500G\",\"PEAR\",200,0,0,0,0,0\r\n";
} // namespace

class TestSafety : public WindowTest {
    Q_OBJECT

    ScriptedDownloadQuestion* download = nullptr;
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void init() {
        makeWindow();
        useChooser();
        auto questions = std::make_unique<ScriptedDownloadQuestion>();
        download = questions.get();
        w->setDownloadQuestion(std::move(questions));
        useReplaceQuestion();
        openOnScale();
    }
    void cleanup() { dropWindow(); }

    // A price changed in the grid and not saved: the download asks, and sends what the
    // operator chose, never the stale table without a word.
    void aDownloadOfAGridWithUnsavedChangesAsksFirst() {
        openPlu(dir.path(), kShop.left(kShop.indexOf('\n') + 1));
        c().optDownAllPLU->setChecked(true);
        typeInto(c().grdPLU, 1, 4, "1999");
        QVERIFY(w->gridUndo(TableKind::Plu).isChanged());

        QVERIFY(click("cmdPLUDownload")); // no answer: Cancel
        QCOMPARE(download->askedUnsaved, QStringList{"PLU"});
        QVERIFY(scale->received.empty());

        download->answer(Unsaved::DownloadSaved);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(scale->received.size(), size_t(1));
        QCOMPARE(priceOnLine(scale->received.back().second), 1500u);

        download->answer(Unsaved::SaveAndDownload);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(scale->received.size(), size_t(2));
        QCOMPARE(priceOnLine(scale->received.back().second), 1999u);
        QVERIFY(readBytes(path("shop.PLU")).contains(",1999,"));
        QCOMPARE(c().panel1->text(), QString(" THE END "));

        // Saved: the next download asks nothing.
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(download->askedUnsaved.size(), 3);
        QCOMPARE(scale->received.size(), size_t(3));

        // A workbook export saves the grid but not the records: still asked.
        typeInto(c().grdPLU, 1, 4, "2100");
        chooser->answer(path("book.xls"));
        trigger("mnuXls");
        QVERIFY(!w->gridUndo(TableKind::Plu).isChanged());
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(download->askedUnsaved.size(), 4);
        QCOMPARE(scale->received.size(), size_t(3));

        // The ingredient download asks the same about its own grid.
        typeInto(c().grdINGRED, 1, 2, "SALT");
        QVERIFY(click("cmdINGREDDownload"));
        QCOMPARE(download->askedUnsaved.last(), QString("INGRED"));
        QCOMPARE(scale->received.size(), size_t(3));
    }

    // New, Open, a workbook import and an upload ask Exit's question for the table they would
    // replace, and only when its grid has changes.
    void replacingAGridWithUnsavedChangesAsksFirst() {
        typeInto(c().grdPLU, 1, 1, "7");
        typeInto(c().grdPLU, 1, 2, "MILK");
        for (const char* entry : {"mnuFileNew", "mnuFileOpen", "mnuLxls"}) {
            trigger(entry); // no answer: Cancel
            QCOMPARE(c().grdPLU->grid().text(1, 2), QString("MILK"));
        }
        QVERIFY(click("cmdPLUUpload"));
        QCOMPARE(c().grdPLU->grid().text(1, 2), QString("MILK"));
        QVERIFY(scale->fromPc().isEmpty());
        QCOMPARE(replace->asked.size(), size_t(4));
        QCOMPARE(replace->asked.front(), QStringList{"PLU"});
        QVERIFY(chooser->filtersAsked.isEmpty());

        // The other table has no changes: it is replaced at once.
        trigger("mnuFileNew1");
        QCOMPARE(replace->asked.size(), size_t(4));

        // "Save" saves through the dialog (the table has no file), then replaces.
        replace->answer(Answer::Save);
        chooser->answer(path("kept"));
        trigger("mnuFileNew");
        QVERIFY(readBytes(path("kept.PLU")).startsWith("7,\"MILK\","));
        QCOMPARE(c().grdPLU->grid().text(1, 2), QString());

        typeInto(c().grdPLU, 1, 2, "EGGS");
        replace->answer(Answer::Discard);
        trigger("mnuFileNew");
        QCOMPARE(c().grdPLU->grid().text(1, 2), QString());
    }

    // A name longer than the scale keeps is tinted in the grid with what the scale keeps in its
    // tool tip, and the download asks once before it sends it.
    void textsLongerThanTheScaleKeepsAreShownAndAskedAbout() {
        openPlu(dir.path(), kShop);
        const QAbstractItemModel* model = c().grdPLU->model();
        const QModelIndex longName = model->index(1, 1);
        QCOMPARE(model->data(longName, Qt::BackgroundRole).value<QColor>(), GridModel::cutTint());
        QVERIFY(!model->data(model->index(0, 1), Qt::BackgroundRole).isValid());
        QVERIFY(c().grdPLU->toolTipFor(2, 2).contains("\"EE RANGE CHICKEN BREAST 500G\""));

        // What the "One" box selects is said under it, whole, wrapped on a line of its own.
        c().SSTab->setCurrentIndex(3);
        c().txtDownOnePluNo->setText("2");
        const QLabel* said = w->findChild<QLabel*>("lblDownOnePLU");
        QCOMPARE(said->text(), QString("row 2: PLU 13 ORGANIC FREE RANGE CHICKEN BREAST 500G"));
        QTRY_VERIFY(said->isVisible() && said->height() >= said->heightForWidth(said->width()));
        QVERIFY(said->y() >= c().txtDownOnePluNo->geometry().bottom());
        c().txtDownOnePluNo->setText("1");
        QCOMPARE(w->findChild<QLabel*>("lblDownOnePLU")->text(), QString("row 1: PLU 12 APPLE"));

        c().optDownAllPLU->setChecked(true);
        QVERIFY(click("cmdPLUDownload")); // no answer: not sent
        QCOMPARE(download->askedCuts.size(), 1);
        QCOMPARE(download->askedCuts.front(),
                 QString("1 text is longer than the scale keeps; it will keep:\n"
                         "row 2, Item name1: \"EE RANGE CHICKEN BREAST 500G\"\nSend anyway?"));
        QVERIFY(scale->received.empty());

        download->answerCuts(true);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(scale->received.size(), size_t(2));
        QCOMPARE(scale->received.back().second.mid(4, 28),
                 QByteArray("EE RANGE CHICKEN BREAST 500G"));

        // One record that fits: nothing to ask.
        c().optDownOnePLU->setChecked(true);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(download->askedCuts.size(), 2);
        QCOMPARE(scale->received.size(), size_t(3));
    }

    // Save dialogs propose the table's name with the chosen kind's extension, and a name typed
    // without one gets the chosen filter's.
    void saveDialogsProposeAndAddTheChosenKindsExtension() {
        openPlu(dir.path(), kShop);
        chooser->answer(path("out1"));
        trigger("mnuXls");
        QCOMPARE(chooser->proposed.last(), QString("shop.xls"));
        QVERIFY(QFile::exists(path("out1.xls")));
        QVERIFY(readBytes(path("shop.PLU")) == kShop);

        chooser->answer(path("out2"), 3); // "OpenDocument Spreadsheet"
        trigger("mnuXls");
        QVERIFY(QFile::exists(path("out2.ods")));

        chooser->answer(path("out3"));
        trigger("mnuFileSave");
        QCOMPARE(chooser->proposed.last(), QString("shop.PLU"));
        QVERIFY(readBytes(path("out3.PLU")).startsWith("12,\"APPLE\""));
        QVERIFY(!QFile::exists(path("out3")));
    }

    // The filter chosen decides the kind written; a name of another kind gets its extension
    // before "already exists" is asked, and "No" shows the dialog again.
    void aSaveNeverWritesOneKindUnderAnothersName() {
        openPlu(dir.path(), kApplePluLine);
        chooser->answer(path("shop.PLU"), 2); // "Excel Workbook"
        trigger("mnuXls");
        QCOMPARE(readBytes(path("shop.PLU")), kApplePluLine);
        QVERIFY(readBytes(path("shop.PLU.xlsx")).startsWith("PK"));
        QVERIFY(writeBytes(path("victim.xls"), "a workbook"));
        chooser->answer(path("victim.xls"));
        trigger("mnuFileSave");
        QCOMPARE(readBytes(path("victim.xls")), QByteArray("a workbook"));
        QCOMPARE(source(), path("victim.xls.PLU"));

        typeInto(c().grdPLU, 1, 4, "1999");
        chooser->answerReplace(false);
        chooser->answer(path("victim.xls")); // then cancelled
        trigger("mnuFileSave");
        QCOMPARE(chooser->replaceAsked, QStringList{"victim.xls.PLU"});
        QCOMPARE(chooser->proposed.last(), QString("victim.xls.PLU"));
        QCOMPARE(readBytes(path("victim.xls.PLU")), kApplePluLine);
    }

    // The focus comes back to the grid after a job, and from its box when a load replaces the
    // grid: Ctrl+Z acts at once.
    void theFocusComesBackAfterAJobAndALoad() {
        openPlu(dir.path(), kApplePluLine);
        typeInto(c().grdPLU, 1, 4, "1999");
        download->answer(Unsaved::DownloadSaved);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(scale->received.size(), size_t(1));
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c().grdPLU->grid().text(1, 4), QString("1500"));
        key(Qt::Key_7); // the box takes the focus
        replace->answer(Answer::Discard);
        chooser->answer(path("shop.PLU"));
        trigger("mnuFileOpen");
        QVERIFY(c().grdPLU->hasFocus());
    }

    void aCellTheSaveRefusesIsMarkedAsItIsTyped() {
        typeInto(c().grdPLU, 1, 4, "2.99");
        const QModelIndex price = c().grdPLU->model()->index(0, 3);
        QCOMPARE(price.data(Qt::BackgroundRole).value<QColor>(), GridModel::refusedTint());
        QCOMPARE(c().grdPLU->toolTipFor(1, 4),
                 QString("U/Price is a whole number (cents): type 299"));
        typeInto(c().grdPLU, 2, 4, "19,90");
        QCOMPARE(c().grdPLU->toolTipFor(2, 4),
                 QString("U/Price is a whole number (cents): type 1990"));
    }

    // A key bound to an action of the window acts, also when the action has nothing to do,
    // and never opens an edit over an idle cell; Ctrl+S saves the current tab's table.
    void keysBoundToActionsActAndNeverOpenAnEdit() {
        GridView* view = c().grdPLU;
        typeInto(view, 3, 2, "TEA");
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view->grid().text(3, 2), QString());
        // Ctrl+Z again, with nothing left to undo, and the others on an idle cell.
        for (auto k : {Qt::Key_Z, Qt::Key_C, Qt::Key_V, Qt::Key_Y, Qt::Key_F}) {
            view->setFocus();
            QTRY_VERIFY(view->hasFocus());
            key(k, Qt::ControlModifier);
            QVERIFY2(c().txtEditGrid->isHidden(), qPrintable(QKeySequence(k).toString()));
        }
        QCOMPARE(view->grid().text(3, 2), QString("TEA")); // Ctrl+Y brought it back

        // Ctrl+S with the box still open over a cell saves what the box shows.
        typeInto(c().grdINGRED, 1, 1, "3");
        QTest::keyClicks(QApplication::focusWidget(), "SUGAR");
        QVERIFY(c().txtEditGrid1->isVisible());
        chooser->answer(path("msgs"));
        key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(chooser->filtersAsked.last(), QString("INGRED file|*.ingred;*.INGRED"));
        QVERIFY(readBytes(path("msgs.INGRED")).startsWith("3,\"SUGAR\""));

        // Once the table has its file, Ctrl+S saves into it; the menu entry asks where.
        typeInto(c().grdINGRED, 1, 2, "SALT");
        key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(chooser->filtersAsked.size(), 1);
        QVERIFY(readBytes(path("msgs.INGRED")).startsWith("3,\"SALT\""));
        trigger("mnuFileSave1");
        QCOMPARE(chooser->filtersAsked.size(), 2);
    }

    void displayReadOutsCannotBeTyped() {
        c().SSTab->setCurrentIndex(1);
        for (QLineEdit* box : {c().txtWeight, c().txtUnitPrice, c().txtTotalPrice}) {
            QVERIFY(box->isReadOnly());
            box->setFocus();
            QTest::keyClicks(box, "42");
            QCOMPARE(box->text(), QString("0"));
        }
    }

    // The chosen port and the operator's column widths are there again at the next start, from
    // the window's own settings file; the window fits the screen.
    void thePortAndColumnWidthsAreKeptBetweenRuns() {
        const QString file = path("tarnlink.conf");
        QVERIFY(click("cmdPortClose"));
        w->setMemory(std::make_unique<QSettings>(file, QSettings::IniFormat));
        c().cboComPort->setEditText("/dev/ttyUSB7");
        c().grdPLU->horizontalHeader()->resizeSection(1, 333);
        w->exitProgram();
        cleanup();

        MainWindow next;
        QVERIFY(next.controls().optCom1->isChecked());
        next.setMemory(std::make_unique<QSettings>(file, QSettings::IniFormat));
        QVERIFY(next.controls().optComOther->isChecked());
        QCOMPARE(next.controls().cboComPort->currentText(), QString("/dev/ttyUSB7"));
        QCOMPARE(next.controls().grdPLU->columnWidth(1), 333);
        const QSize room = next.screen()->availableGeometry().size();
        QVERIFY(next.width() <= room.width() && next.height() <= room.height());
    }

    // --port chooses for one run: the port remembered before is there at the next start, and
    // with none remembered nothing is written, so the settings file's "port =" still applies.
    void aPortGivenForOneRunIsNotRemembered() {
        const QString file = path("one-run.conf");
        QVERIFY(click("cmdPortClose"));
        w->setMemory(std::make_unique<QSettings>(file, QSettings::IniFormat));
        w->portActions().choosePortForThisRun("backroom");
        QCOMPARE(c().cboComPort->currentText(), QString("backroom"));
        w->exitProgram();
        cleanup();
        QVERIFY(!QSettings(file, QSettings::IniFormat).contains("port"));

        QSettings(file, QSettings::IniFormat).setValue("port", "/dev/ttyUSB7");
        MainWindow next;
        next.setMemory(std::make_unique<QSettings>(file, QSettings::IniFormat));
        next.portActions().choosePortForThisRun("COM2");
        next.exitProgram();
        QCOMPARE(QSettings(file, QSettings::IniFormat).value("port").toString(),
                 QString("/dev/ttyUSB7"));
    }

    // Com2 chosen is Com2 at the next start.
    void theSecondComPortIsKeptBetweenRuns() {
        const QString file = path("tarnlink.conf");
        QVERIFY(click("cmdPortClose"));
        w->setMemory(std::make_unique<QSettings>(file, QSettings::IniFormat));
        c().optCom2->setChecked(true);
        w->exitProgram();
        cleanup();

        MainWindow next;
        next.setMemory(std::make_unique<QSettings>(file, QSettings::IniFormat));
        QVERIFY(next.controls().optCom2->isChecked());
    }
};

QTEST_MAIN(TestSafety)
#include "tst_safety.moc"
