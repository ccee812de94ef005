// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, paste, clear, undo and find in both grids, and Exit with unsaved edits, on the real
// main window. What a paste, a clear or a search does to the cells, edge by edge, is tested
// on the grid-block code (tests/tables/tst_gridblock.cpp); here each rule has one case.
#include "WindowTest.h"

#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestBlockEditing : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { dropWindow(); }

    void pasteFillsABlockFromTheCurrentCell();
    void pasteAtTheBottomGrowsTheGrid();
    void pasteReachingRow201IsRefusedWhole_data();
    void pasteReachingRow201IsRefusedWhole();
    void copyPutsTheSelectedBlockAsTabText();
    void deleteThenUndoThenRedo();
    void findMovesToTheNextMatchAndWraps();
    void exitWithoutChangesEndsAtOnce();
    void exitWithChangesAsksOnce();
    void exitSavesTheChangedTables();

private:
    void typeAndEnter(const char* text) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
        key(Qt::Key_Return);
    }
    void exitFromMenu() { trigger("mnuFileExit"); }
};

void TestBlockEditing::init() {
    makeWindow();
    useExitQuestion();
    // "New" over typed cells asks first; these tests drop what was typed.
    useReplaceQuestion();
    replace->answer(SaveQuestion::Answer::Discard);
    useChooser();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void TestBlockEditing::pasteFillsABlockFromTheCurrentCell() {
    GridView* view = c().grdPLU;
    TextGrid& grid = view->grid();
    grid.setText(5, 3, "old");
    grid.setText(6, 6, "kept");
    QGuiApplication::clipboard()->setText("Apples\t250\t\"a\tb\"\r\nPears\t\t7\r\n");
    focusGridAt(view, 5, 3);
    key(Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(grid.text(5, 3), QString("Apples"));
    QCOMPARE(grid.text(5, 4), QString("250"));
    QCOMPARE(grid.text(6, 3), QString("Pears"));
    QCOMPARE(grid.text(6, 5), QString("7"));
    QCOMPARE(grid.text(6, 6), QString("kept"));
    QCOMPARE(grid.rows(), 201);
    QCOMPARE(status(), QString("Message Count is 0"));
    QCOMPARE(w->workspace().plu.records[5].name1, QString()); // the records wait for a save

    key(Qt::Key_Z, Qt::ControlModifier); // the whole paste is one step
    QCOMPARE(grid.text(5, 3), QString("old"));
    QCOMPARE(grid.text(5, 4), QString());
    QCOMPARE(grid.text(6, 5), QString());
}

// The grid grows with the paste, and Undo takes the rows back with the cells.
void TestBlockEditing::pasteAtTheBottomGrowsTheGrid() {
    GridView* view = c().grdINGRED;
    TextGrid& grid = view->grid();
    QGuiApplication::clipboard()->setText("a\tb\tc\nd\te\tf\n");
    focusGridAt(view, 199, 8);
    key(Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(grid.text(199, 8), QString("a"));
    QCOMPARE(grid.text(200, 9), QString("e"));
    QCOMPARE(grid.rows(), 202);
    QCOMPARE(view->model()->rowCount(), 201);

    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(grid.rows(), 201);
    QCOMPARE(view->model()->rowCount(), 200);
    QCOMPARE(grid.text(200, 9), QString());
    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(grid.rows(), 202);
    QCOMPARE(grid.text(200, 8), QString("d"));
}

void TestBlockEditing::pasteReachingRow201IsRefusedWhole_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("message");
    QTest::newRow("PLU") << "grdPLU"
                         << " Error ! PLU No is over ";
    QTest::newRow("INGRED") << "grdINGRED"
                            << " Error ! Message No is over ";
}

void TestBlockEditing::pasteReachingRow201IsRefusedWhole() {
    QFETCH(QString, grid);
    QFETCH(QString, message);
    auto* view = w->findChild<GridView*>(grid);
    view->grid().setText(200, 2, "last");
    QGuiApplication::clipboard()->setText("x\ty\tz\nu\tv\tw\n");
    focusGridAt(view, 200, 2);
    key(Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(status(), message);
    QCOMPARE(view->grid().text(200, 2), QString("last"));
    QCOMPARE(view->grid().text(200, 3), QString());
    QCOMPARE(view->grid().rows(), 201);
    exitFromMenu(); // nothing was written, so nothing to ask about
    QVERIFY(question->asked.empty());
    QCOMPARE(exits, 1);
}

void TestBlockEditing::copyPutsTheSelectedBlockAsTabText() {
    GridView* view = c().grdPLU;
    TextGrid& grid = view->grid();
    grid.setText(2, 2, "Bread");
    grid.setText(2, 3, "120");
    grid.setText(3, 2, "Milk");
    focusGridAt(view, 2, 2);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Bread\t120\nMilk\t\n"));

    // A click on a row number takes the whole row, also right at the row's edge.
    QTest::mouseClick(view->verticalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(5, view->rowViewportPosition(1) + 1));
    key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("\tBread\t120\t\t\t\t\t\t\n"));
}

void TestBlockEditing::deleteThenUndoThenRedo() {
    GridView* view = c().grdPLU;
    TextGrid& grid = view->grid();
    grid.setText(4, 1, "1");
    grid.setText(4, 2, "Milk");
    grid.setText(5, 2, "Eggs");
    grid.setText(5, 3, "kept");
    focusGridAt(view, 4, 1);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Delete);
    for (auto [r, c] : {std::pair{4, 1}, {4, 2}, {5, 2}})
        QCOMPARE(grid.text(r, c), QString());
    QCOMPARE(grid.text(5, 3), QString("kept"));

    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(grid.text(4, 1), QString("1"));
    QCOMPARE(grid.text(4, 2), QString("Milk"));
    QCOMPARE(grid.text(5, 2), QString("Eggs"));

    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(grid.text(4, 2), QString());
    QCOMPARE(grid.text(5, 2), QString());

    // A typed cell is a step of its own; a New starts the undo stack afresh.
    focusGridAt(view, 7, 7);
    typeAndEnter("9");
    QCOMPARE(grid.text(7, 7), QString("9"));
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(grid.text(7, 7), QString());
    QCOMPARE(grid.text(4, 2), QString());
    trigger("mnuFileNew");
    focusGridAt(view, 1, 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(grid.text(4, 2), QString());
    QCOMPARE(grid.text(7, 7), QString());
}

void TestBlockEditing::findMovesToTheNextMatchAndWraps() {
    GridView* view = c().grdINGRED;
    TextGrid& grid = view->grid();
    grid.setText(3, 4, "Apple pie");
    grid.setText(150, 2, "GREEN APPLES");
    grid.setText(160, 9, "pear");
    focusGridAt(view, 100, 1);
    key(Qt::Key_F, Qt::ControlModifier);
    auto* find = get<QLineEdit>("txtFind1");
    QVERIFY(find->isVisible());
    QTRY_VERIFY(find->hasFocus());
    QTest::keyClicks(find, "apple");
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(grid.row(), 150);
    QCOMPARE(grid.col(), 2);
    QTest::keyClick(find, Qt::Key_F3); // past the end, round to the top
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.col(), 4);

    find->setText("plum");
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(grid.row(), 3); // nothing found: the cursor stays
    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(!find->isVisible());
    QTRY_VERIFY(view->hasFocus());
}

void TestBlockEditing::exitWithoutChangesEndsAtOnce() {
    focusGridAt(c().grdPLU, 3, 2);
    typeAndEnter("x");
    key(Qt::Key_Z, Qt::ControlModifier); // back where it started: nothing changed
    exitFromMenu();
    trigger("mnuFileExit1");
    QVERIFY(question->asked.empty());
    QCOMPARE(exits, 2);
}

void TestBlockEditing::exitWithChangesAsksOnce() {
    focusGridAt(c().grdINGRED, 3, 2);
    typeAndEnter("Salt");

    question->answer(SaveQuestion::Answer::Cancel);
    exitFromMenu();
    QCOMPARE(exits, 0);
    QVERIFY(!w->close()); // the close control asks too, and Cancel keeps the window
    QVERIFY(w->isVisible());
    QCOMPARE(question->asked.size(), size_t(2));
    QCOMPARE(question->asked[0], QStringList{"INGRED"});

    // An edit still open counts as written; Discard ends the program without saving.
    focusGridAt(c().grdPLU, 1, 1);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    question->answer(SaveQuestion::Answer::Discard);
    trigger("mnuFileExit1");
    QCOMPARE(exits, 1);
    QCOMPARE(question->asked.back(), QStringList({"PLU", "INGRED"}));
    QVERIFY(chooser->filtersAsked.isEmpty());
}

void TestBlockEditing::exitSavesTheChangedTables() {
    QTemporaryDir dir;
    const QString file = dir.filePath("shop.PLU");
    GridView* v = c().grdPLU;
    focusGridAt(v, 1, 1);
    typeAndEnter("5");

    // The table has no file: its save dialog is asked, and a cancel keeps the program open.
    question->answer(SaveQuestion::Answer::Save);
    exitFromMenu();
    QCOMPARE(exits, 0);
    QCOMPARE(chooser->filtersAsked, QStringList{"PLU file|*.plu;*.PLU"});

    question->answer(SaveQuestion::Answer::Save);
    chooser->answer(file);
    exitFromMenu();
    QCOMPARE(exits, 1);
    QVERIFY(QFile::exists(file));
    QCOMPARE(status(), QString("PLU Count is 1"));

    // Saved: nothing to ask. Edited again, the save goes to the same file without a dialog.
    exitFromMenu();
    QCOMPARE(question->asked.size(), size_t(2));
    focusGridAt(v, 2, 1);
    typeAndEnter("6");
    question->answer(SaveQuestion::Answer::Save);
    exitFromMenu();
    QCOMPARE(exits, 3);
    QCOMPARE(chooser->filtersAsked.size(), 2);
    QCOMPARE(status(), QString("PLU Count is 2"));
}

QTEST_MAIN(TestBlockEditing)
#include "tst_blockediting.moc"
