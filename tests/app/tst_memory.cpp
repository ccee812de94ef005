// SPDX-License-Identifier: GPL-3.0-or-later
// The window and the store of what each scale holds, against the in-process scale on virtual
// time: the count beside "Changed" follows the table, the port and the store; Compare lists
// nothing when the scale holds the table.
#include "RecordCodec.h"
#include "SafetyQuestions.h"
#include "TableFile.h"
#include "WindowTest.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestMemory : public WindowTest {
    Q_OBJECT

    QTemporaryDir dir;

    bool countIs(const QString& text) {
        return QTest::qWaitFor([&] { return c().lblDownChangedPLU->text() == text; }, 5000);
    }

private slots:
    void initTestCase() {
        qputenv("TARNLINK_STORE", dir.filePath("scales.sqlite").toLocal8Bit());
        qputenv("TARNLINK_NOTES_DIR", dir.path().toLocal8Bit()); // notes of this store only
    }
    void init() {
        makeWindow();
        useScale();
        QVERIFY(click("cmdPortOpen"));
    }
    void cleanup() { dropWindow(); }

    void theChangedCountFollowsTableAndStore() {
        loadPrices(dir.path(), 349);
        QVERIFY2(countIs("3 to send"), qPrintable(c().lblDownChangedPLU->text()));
        c().optDownChangedPLU->setChecked(true);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QStringLiteral(" THE END "));
        QCOMPARE(int(scale->received.size()), 3);
        // Whose word it is: when the scale last confirmed it (here, acknowledging the records).
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return c().lblDownChangedPLU->text().contains(QRegularExpression(
                             "^Nothing to send: the scale held this table when last checked "
                             "\\((today|yesterday) \\d\\d:\\d\\d\\)$"));
                     },
                     5000),
                 qPrintable(c().lblDownChangedPLU->text()));
        c().SSTab->setCurrentIndex(3); // the Download tab, where the count stands
        QVERIFY2(!QTest::qWaitFor([&] { return w->width() > 1024; }, 300),
                 "the long count wraps rather than widening the window");

        loadPrices(dir.path(), 399);
        QVERIFY2(countIs("1 to send"), qPrintable(c().lblDownChangedPLU->text()));
        // Another port's scale has been sent nothing.
        QVERIFY(click("cmdPortClose"));
        c().optCom2->setChecked(true);
        QVERIFY2(countIs("3 to send"), qPrintable(c().lblDownChangedPLU->text()));
        c().optCom1->setChecked(true);
        QVERIFY2(countIs("1 to send"), qPrintable(c().lblDownChangedPLU->text()));
    }

    // After a download, Compare finds the scale holding the table; the table on screen stays.
    void compareListsNoDifferenceAfterADownload() {
        loadPrices(dir.path(), 349);
        c().optDownAllPLU->setChecked(true);
        QVERIFY(click("cmdPLUDownload"));
        QVERIFY(click("cmdPLUCompare"));
        auto* list = w->findChild<QTableWidget*>(QStringLiteral("lstDifferences"));
        QVERIFY(list);
        QCOMPARE(list->rowCount(), 0);
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("lblCompare"))->text(),
                 QStringLiteral("The scale holds this table"));
        QCOMPARE(int(w->workspace().plu.count), 3);
        QCOMPARE(c().txtFilePath->text(), dir.filePath("prices.PLU"));
    }

    // A record only the scale holds is listed with its name and price.
    void compareShowsWhatARecordOnlyOnTheScaleIs() {
        loadPrices(dir.path(), 349);
        c().optDownAllPLU->setChecked(true);
        QVERIFY(click("cmdPLUDownload"));
        scale->plus[4] = encodePluRecord({4, 0, "FIGS", "", 120, 0, 0, 0, 0}).bytes;
        QVERIFY(click("cmdPLUCompare"));
        const auto* list = w->findChild<QTableWidget*>(QStringLiteral("lstDifferences"));
        QVERIFY(list);
        QCOMPARE(list->rowCount(), 1);
        QStringList row;
        for (int col = 0; col < 4; ++col)
            row << list->item(0, col)->text();
        QCOMPARE(row, (QStringList{"4", "PLU No", "(none)", "FIGS, U/Price 120"}));
    }

    // A grid ahead of its saved table: the count says what goes once it is saved, and Compare
    // asks as a download does.
    void compareAndTheCountSeeAGridWithUnsavedChanges() {
        useChooser();
        auto questions = std::make_unique<ScriptedDownloadQuestion>();
        ScriptedDownloadQuestion* asked = questions.get();
        w->setDownloadQuestion(std::move(questions));
        loadPrices(dir.path(), 349);
        chooser->answer(dir.filePath("prices.PLU"));
        trigger("mnuFileOpen"); // the table's own file, for "Save and compare"
        c().optDownAllPLU->setChecked(true);
        QVERIFY(click("cmdPLUDownload"));
        typeInto(c().grdPLU, 2, 4, "111");
        QVERIFY2(countIs("1 to send once saved"), qPrintable(c().lblDownChangedPLU->text()));

        asked->answer(DownloadQuestion::Unsaved::SaveAndDownload);
        QVERIFY(click("cmdPLUCompare"));
        QCOMPARE(asked->askedUnsaved, QStringList{"PLU Compare"});
        const auto* list = w->findChild<QTableWidget*>(QStringLiteral("lstDifferences"));
        QVERIFY(list);
        QCOMPARE(list->item(0, 2)->text() + " " + list->item(0, 3)->text(), QString("111 349"));
    }
    // The Port tab lists the scale sent to with its last job, from the store.
    void thePortTabListsTheKnownScalesWithTheirLastJob() {
        loadPrices(dir.path(), 349);
        c().optDownAllPLU->setChecked(true);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QStringLiteral(" THE END "));
        QTreeWidget* list = c().lstKnownScales;
        QVERIFY(QTest::qWaitFor(
            [&] {
                return list->topLevelItemCount() == 1 &&
                       list->topLevelItem(0)->text(3) == "PLU download ALL" &&
                       list->topLevelItem(0)->text(5) == "ok";
            },
            5000));
    }
};

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
