// SPDX-License-Identifier: GPL-3.0-or-later
// "Price list..." on the real main window: the dialog's choices, its preview, Apply as one step
// that Undo takes back, and the mapping remembered for the next list with the same headers.

#include "FileChooser.h"
#include "GridUndo.h"
#include "PriceListDialog.h"
#include "WindowTest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestPriceList : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() {
        makeWindow(false);
        useChooser();
    }
    void cleanup() { dropWindow(); }
    void applyIsOneUndoableStepAndTheMappingIsRemembered();
    void theDialogIsWorkedByKeyboardAlone();

private:
    QTemporaryDir dir;
};

void TestPriceList::initTestCase() {
    // A settings file of the test's own.
    QCoreApplication::setOrganizationName(QStringLiteral("tarnlink-test"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
}

void TestPriceList::applyIsOneUndoableStepAndTheMappingIsRemembered() {
    TextGrid& grid = w->workspace().plu.grid;
    const QStringList first = {"101", "APPLES", "", "250", "0", "0", "0", "0", "0"};
    for (int c = 0; c < 9; ++c)
        grid.setText(1, c + 1, first[c]);
    GridUndo& undo = w->gridUndo(TableKind::Plu);
    QVERIFY(!undo.isChanged());

    const QString list = dir.filePath(QStringLiteral("till.csv"));
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PLU No;Description;Price\r\n101;APPLES;2,99\r\n102;PEARS;1,5\r\n");
    file.close();

    const auto openDialog = [&] {
        chooser->answer(list);
        trigger("mnuPriceList");
        return w->findChild<PriceListDialog*>(QStringLiteral("dlgPriceList"));
    };
    QPointer<PriceListDialog> dialog = openDialog();
    QVERIFY(dialog);
    auto* price = dialog->findChild<QComboBox*>(QStringLiteral("cboField4"));
    auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("cmdPriceListApply"));
    auto* preview = dialog->findChild<QTableWidget*>(QStringLiteral("grdPriceListPreview"));
    // The key's header is the field's own name: chosen already. Nothing maps a price yet, so
    // 101 is unchanged and 102 would be new.
    QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("cboField1"))->currentText(),
             QStringLiteral("A: PLU No"));
    QCOMPARE(preview->rowCount(), 1);
    price->setCurrentIndex(price->findText(QStringLiteral("C: Price")));
    dialog->findChild<QComboBox*>(QStringLiteral("cboField2"))->setCurrentIndex(2);
    QCOMPARE(preview->rowCount(), 4);
    QCOMPARE(preview->item(0, 0)->text(), QStringLiteral("row 1: PLU No 101"));
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("U/Price"));
    QCOMPARE(preview->item(0, 2)->text(), QStringLiteral("250"));
    QCOMPARE(preview->item(0, 3)->text(), QStringLiteral("299"));
    QCOMPARE(preview->item(1, 0)->text(), QStringLiteral("row 2: PLU No 102 (new)"));
    QCOMPARE(grid.text(1, 4), QStringLiteral("250")); // the preview changes nothing

    // Three decimals: 2,99 is 2990, 1,5 is 1500.
    dialog->findChild<QSpinBox*>(QStringLiteral("spnPriceDecimals"))->setValue(3);
    QCOMPARE(preview->item(0, 3)->text(), QStringLiteral("2990"));
    dialog->findChild<QSpinBox*>(QStringLiteral("spnPriceDecimals"))->setValue(2);
    QVERIFY(apply->isEnabled());
    apply->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);

    QCOMPARE(grid.text(1, 4), QStringLiteral("299"));
    QCOMPARE(grid.text(2, 1), QStringLiteral("102"));
    QCOMPARE(grid.text(2, 2), QStringLiteral("PEARS"));
    QCOMPARE(grid.text(2, 4), QStringLiteral("150"));
    QCOMPARE(status(), QStringLiteral("Price list: 1 changed (U/Price 1), 1 new, 0 unchanged"));
    QVERIFY(undo.isChanged());
    QCOMPARE(undo.stack().count(), 1);

    undo.stack().undo();
    QCOMPARE(grid.text(1, 4), QStringLiteral("250"));
    QCOMPARE(grid.text(2, 1), QString());
    QVERIFY(!undo.isChanged());

    // The same headers again: the choices made are there, and Cancel changes nothing.
    dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("cboField4"))->currentText(),
             QStringLiteral("C: Price"));
    QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("cboField2"))->currentText(),
             QStringLiteral("B: Description"));
    dialog->reject();
    QCOMPARE(grid.text(1, 4), QStringLiteral("250"));
    QVERIFY(!undo.isChanged());
}

// The focus starts on the first field; each field's label has a mnemonic of its own that
// focuses its drop-down; Tab goes through the controls, each preview one stop, to Apply.
void TestPriceList::theDialogIsWorkedByKeyboardAlone() {
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    TextGrid& grid = w->workspace().plu.grid;
    grid.setText(1, 1, QStringLiteral("101"));
    grid.setText(1, 4, QStringLiteral("250"));
    const QString list = dir.filePath(QStringLiteral("cost.csv"));
    QVERIFY(writeBytes(list, "PLU No;Cost\r\n101;2,99\r\n"));
    chooser->answer(list);
    trigger("mnuPriceList");
    auto* dialog = w->findChild<PriceListDialog*>(QStringLiteral("dlgPriceList"));
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cboField1"));

    QStringList keys;
    for (const QPushButton* b : dialog->findChildren<QPushButton*>())
        keys << QKeySequence::mnemonic(b->text()).toString();
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (label->buddy())
            keys << QKeySequence::mnemonic(label->text()).toString();
    const int fields = int(dialog->findChildren<QComboBox*>().size()) + 1; // and the decimals
    QCOMPARE(keys.size(), fields + 2);
    QVERIFY2(!keys.contains(QString()) && keys.removeDuplicates() == 0, qPrintable(keys.join(' ')));

    key(Qt::Key_U, Qt::AltModifier); // "&U/Price"
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cboField4"));
    key(Qt::Key_End);
    QCOMPARE(qobject_cast<QComboBox*>(QApplication::focusWidget())->currentText(),
             QStringLiteral("B: Cost"));
    QStringList stops;
    while (stops.size() < 20 && QApplication::focusWidget()->objectName() != "cmdPriceListApply") {
        key(Qt::Key_Tab);
        stops << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(stops.count(QStringLiteral("grdPriceListPreview")), 1);
    QCOMPARE(stops.back(), QStringLiteral("cmdPriceListApply"));
    key(Qt::Key_Space);
    QTRY_COMPARE(grid.text(1, 4), QStringLiteral("299"));
}

QTEST_MAIN(TestPriceList)
#include "tst_pricelist.moc"
