// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the cells of both grids, key by key, on the real main window. What a key does to
// the cells and the cursor is tested on the cell-editing code
// (tests/tables/tst_cellediting.cpp); here each rule has one case, on one grid or the other,
// and both grids where their texts differ.
#include "WindowTest.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestEditing : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { dropWindow(); }

    void printableKeyReplacesTheCellText();
    void controlKeysOpenTheCellTextWithCaretAtEnd();
    void overlayLiesOverTheCellAndFollowsIt();
    void overlayLeavesTheViewWithItsCellAndComesBack();
    void enterMovesAlongTheRow();
    void enterOnLastColumnOfRow200GrowsTheView();
    void enterOnRow201IsRefused_data();
    void enterOnRow201IsRefused();
    void escapeKeepsTheOldText();
    void downArrowCommitsAndStays();
    void clickOnAnotherCellCommitsIntoTheEditedCell();
    void programMovingTheCursorCommitsIntoTheEditedCell();
    void gridRegainingTheFocusCommits();
    void newAfterGrowingLeaves201Rows_data();
    void newAfterGrowingLeaves201Rows();
    void editingLeavesRecordsAndCountsAlone();
    void anEditOpenWhenTheTableIsReplacedIsDropped();

private:
    // The grid a test edits, and its edit box: the PLU grid unless onGrid() says otherwise.
    void onGrid(const QString& grid) {
        view_ = w->findChild<GridView*>(grid);
        edit_ = get<QLineEdit>(grid == QLatin1String("grdPLU") ? "txtEditGrid" : "txtEditGrid1");
        QVERIFY(view_ && edit_);
    }
    GridView* view() const { return view_; }
    QLineEdit* edit() const { return edit_; }
    TextGrid& grid() const { return view()->grid(); }

    // Shows the grid's tab and puts the operator's cursor on (row, col) with the focus on the grid.
    void focusGridAt(int row, int col) { WindowTest::focusGridAt(view(), row, col); }
    void press(Qt::Key k) { key(k); }
    void type(const QString& text);
    void verifyCursor(int row, int col) const;
    void verifyClosed() const;
    QRect cellInView(int row, int col) const;

    GridView* view_ = nullptr;
    QLineEdit* edit_ = nullptr;
};

void TestEditing::init() {
    makeWindow();
    // "New" over typed cells asks first; these tests drop what was typed.
    useReplaceQuestion();
    replace->answer(SaveQuestion::Answer::Discard);
    QVERIFY(QTest::qWaitForWindowActive(w));
    onGrid("grdPLU");
}

// Keys go where the operator's keys go: to the widget with the focus.
void TestEditing::type(const QString& text) {
    for (QChar ch : text) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, ch.toLatin1());
    }
}

void TestEditing::verifyCursor(int row, int col) const {
    QCOMPARE(grid().row(), row);
    QCOMPARE(grid().col(), col);
    QCOMPARE(view()->currentIndex().row(), row - 1);
    QCOMPARE(view()->currentIndex().column(), col - 1);
}

void TestEditing::verifyClosed() const {
    QVERIFY(edit()->isHidden());
    QVERIFY(view()->hasFocus());
}

QRect TestEditing::cellInView(int row, int col) const {
    return view()->visualRect(view()->model()->index(row - 1, col - 1));
}

void TestEditing::printableKeyReplacesTheCellText() {
    grid().setText(3, 2, "12");
    focusGridAt(3, 2);
    QVERIFY(edit()->isHidden());

    type("5");
    QVERIFY(!edit()->isHidden());
    QVERIFY(edit()->hasFocus());
    QCOMPARE(edit()->text(), QString("5"));
    QCOMPARE(edit()->cursorPosition(), 1);
    QCOMPARE(grid().text(3, 2), QString("12")); // nothing written until the edit is committed

    type("7");
    QCOMPARE(edit()->text(), QString("57"));
}

void TestEditing::controlKeysOpenTheCellTextWithCaretAtEnd() {
    onGrid("grdINGRED");
    grid().setText(3, 2, "12");
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
        focusGridAt(3, 2);
        press(key);
        QVERIFY2(!edit()->isHidden(),
                 QByteArray("key ").append(QByteArray::number(int(key))).constData());
        QCOMPARE(edit()->text(), QString("12"));
        QCOMPARE(edit()->cursorPosition(), 2);
        press(Qt::Key_Escape);
        verifyClosed();
    }
    // Backspace opens the text; the next Backspace edits it.
    focusGridAt(3, 2);
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    type("3");
    QCOMPARE(edit()->text(), QString("13"));
    // Keys that type nothing, and Alt chords, leave the grid's own keys working.
    press(Qt::Key_Escape);
    press(Qt::Key_Right);
    verifyCursor(3, 3);
    QTest::keyClick(view(), Qt::Key_F, Qt::AltModifier);
    QVERIFY(edit()->isHidden());
    QCOMPARE(grid().text(3, 3), QString());
}

void TestEditing::overlayLiesOverTheCellAndFollowsIt() {
    focusGridAt(150, 6); // far down: the grid scrolls the cell into view
    type("1");
    QCOMPARE(edit()->parentWidget(), view()->viewport());
    QVERIFY(view()->viewport()->rect().contains(view()->visualRect(view()->currentIndex())));
    QCOMPARE(edit()->geometry(), cellInView(150, 6));

    const QRect before = edit()->geometry();
    view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->value() - 3);
    view()->horizontalScrollBar()->setValue(view()->horizontalScrollBar()->maximum());
    QVERIFY(edit()->geometry() != before);
    QCOMPARE(edit()->geometry(), cellInView(150, 6));

    const QSize viewBefore = view()->size();
    w->resize(w->width() - 200, w->height() - 100);
    QTRY_VERIFY(view()->size() != viewBefore);
    QCOMPARE(edit()->geometry(), cellInView(150, 6));
    QCOMPARE(edit()->isHidden(), !view()->viewport()->rect().intersects(cellInView(150, 6)));
    QCOMPARE(edit()->text(), QString("1"));
}

// Out of view the box is hidden and the grid has the keys, the edit still open; it comes back
// over its cell when the cell does, or when a key is typed meanwhile. It aligns its text like its
// column, and Tab writes it into the cell.
void TestEditing::overlayLeavesTheViewWithItsCellAndComesBack() {
    focusGridAt(5, 1);
    type("3");
    QVERIFY(edit()->alignment() & Qt::AlignLeft);
    press(Qt::Key_Escape);
    focusGridAt(5, 2);
    type("4");
    QVERIFY(edit()->alignment() & Qt::AlignHCenter);

    QScrollBar* bar = view()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QVERIFY(edit()->isHidden());
    QVERIFY(view()->hasFocus());
    QCOMPARE(grid().text(5, 2), QString());
    bar->setValue(0);
    QVERIFY(!edit()->isHidden());
    QVERIFY(edit()->hasFocus());
    QCOMPARE(edit()->geometry(), cellInView(5, 2));
    QCOMPARE(edit()->text(), QString("4"));

    bar->setValue(bar->maximum());
    type("2");
    QVERIFY(!edit()->isHidden());
    QCOMPARE(edit()->geometry(), cellInView(5, 2));
    QCOMPARE(edit()->text(), QString("42"));

    press(Qt::Key_Tab);
    QCOMPARE(grid().text(5, 2), QString("42"));
    verifyCursor(5, 2);
    verifyClosed();
}

void TestEditing::enterMovesAlongTheRow() {
    onGrid("grdINGRED");
    grid().setText(7, 4, "12");
    focusGridAt(7, 4);
    type("5");
    press(Qt::Key_Return);
    QCOMPARE(grid().text(7, 4), QString("5"));
    QCOMPARE(grid().text(7, 5), QString());
    verifyCursor(7, 5);
    verifyClosed();
    QCOMPARE(grid().rows(), 201);

    // The keypad's Enter does the same.
    type("6");
    press(Qt::Key_Enter);
    QCOMPARE(grid().text(7, 5), QString("6"));
    verifyCursor(7, 6);
}

// The grid's growth below row 200 reaches the view: its rows, their numbers and heights.
void TestEditing::enterOnLastColumnOfRow200GrowsTheView() {
    onGrid("grdINGRED");
    focusGridAt(200, 9);
    type("77");
    press(Qt::Key_Return);

    QCOMPARE(grid().text(200, 9), QString("77"));
    verifyCursor(201, 1);
    verifyClosed();
    QCOMPARE(grid().rows(), 203);
    QCOMPARE(view()->model()->rowCount(), 202);
    for (int r = 1; r < 203; ++r)
        QCOMPARE(grid().text(r, 0), QString::number(r));
    for (int r = 201; r < 203; ++r) {
        QCOMPARE(grid().rowHeight(r), 300);
        QCOMPARE(view()->rowHeight(r - 1), 20);
        for (int c = 1; c <= 9; ++c)
            QCOMPARE(grid().text(r, c), QString());
    }
    QCOMPARE(grid().rowHeight(200), TextGrid::kStandardHeight);
    // One height for every row, the rows made at start-up included.
    QCOMPARE(view()->rowHeight(0), 20);
    QCOMPARE(view()->rowHeight(199), 20);
}

void TestEditing::enterOnRow201IsRefused_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("message");
    QTest::newRow("PLU") << "grdPLU"
                         << " Error ! PLU No is over ";
    QTest::newRow("INGRED") << "grdINGRED"
                            << " Error ! Message No is over ";
}

void TestEditing::enterOnRow201IsRefused() {
    QFETCH(QString, grid);
    QFETCH(QString, message);
    onGrid(grid);
    focusGridAt(200, 9);
    type("1");
    press(Qt::Key_Return);
    verifyCursor(201, 1);
    QCOMPARE(status(), QString("Message Count is 0"));

    type("9");
    press(Qt::Key_Return);
    QCOMPARE(status(), message);
    QCOMPARE(this->grid().text(201, 1), QString());
    verifyCursor(201, 1);
    verifyClosed();
    QCOMPARE(this->grid().rows(), 203);

    // Only Enter is refused there: the Down arrow still writes the text.
    type("8");
    press(Qt::Key_Down);
    QCOMPARE(this->grid().text(201, 1), QString("8"));
    verifyCursor(201, 1);
}

void TestEditing::escapeKeepsTheOldText() {
    grid().setText(4, 3, "12");
    focusGridAt(4, 3);
    type("99");
    press(Qt::Key_Escape);
    QCOMPARE(grid().text(4, 3), QString("12"));
    verifyCursor(4, 3);
    verifyClosed();

    // Opened with the cell text and emptied, Escape still keeps the text.
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    QCOMPARE(edit()->text(), QString());
    press(Qt::Key_Escape);
    QCOMPARE(grid().text(4, 3), QString("12"));
    verifyClosed();
}

void TestEditing::downArrowCommitsAndStays() {
    onGrid("grdINGRED");
    grid().setText(4, 3, "12");
    focusGridAt(4, 3);
    type("8");
    press(Qt::Key_Down);
    QCOMPARE(grid().text(4, 3), QString("8"));
    verifyCursor(4, 3);
    verifyClosed();

    // With the edit closed, the Down arrow is the grid's own again.
    press(Qt::Key_Down);
    verifyCursor(5, 3);
    QCOMPARE(grid().text(5, 3), QString());
}

void TestEditing::clickOnAnotherCellCommitsIntoTheEditedCell() {
    grid().setText(9, 6, "old");
    focusGridAt(5, 2);
    type("42");
    const QRect target = view()->visualRect(view()->model()->index(8, 5));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, target.center());
    QCOMPARE(grid().text(5, 2), QString("42"));
    QCOMPARE(grid().text(9, 6), QString("old"));
    verifyCursor(9, 6);
    verifyClosed();
}

void TestEditing::programMovingTheCursorCommitsIntoTheEditedCell() {
    onGrid("grdINGRED");
    focusGridAt(5, 2);
    type("42");
    grid().setCurrent(10, 1);
    QCOMPARE(grid().text(5, 2), QString("42"));
    QCOMPARE(grid().text(10, 1), QString());
    QVERIFY(edit()->isHidden());
}

void TestEditing::gridRegainingTheFocusCommits() {
    focusGridAt(6, 7);
    type("31");
    auto* elsewhere = get<QLineEdit>("txtFilePath");
    elsewhere->setFocus();
    QTRY_VERIFY(elsewhere->hasFocus());
    QVERIFY(!edit()->isHidden()); // the edit stays open while the operator is elsewhere
    QCOMPARE(grid().text(6, 7), QString());

    view()->setFocus();
    QTRY_VERIFY(view()->hasFocus());
    QCOMPARE(grid().text(6, 7), QString("31"));
    verifyCursor(6, 7);
    verifyClosed();
}

void TestEditing::newAfterGrowingLeaves201Rows_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("countText");
    QTest::newRow("PLU") << "grdPLU"
                         << "mnuFileNew"
                         << "PLU Count is 0";
    QTest::newRow("INGRED") << "grdINGRED"
                            << "mnuFileNew1"
                            << "Message Count is 0";
}

void TestEditing::newAfterGrowingLeaves201Rows() {
    QFETCH(QString, grid);
    QFETCH(QString, action);
    QFETCH(QString, countText);
    onGrid(grid);
    focusGridAt(200, 9);
    type("3");
    press(Qt::Key_Return);
    type("4");
    press(Qt::Key_Down);
    QCOMPARE(this->grid().rows(), 203);
    QCOMPARE(this->grid().text(201, 1), QString("4"));

    trigger(qPrintable(action));
    QCOMPARE(this->grid().rows(), 201);
    QCOMPARE(view()->model()->rowCount(), 200);
    QCOMPARE(this->grid().text(200, 9), QString());
    QCOMPARE(this->grid().text(200, 0), QString("200"));
    QCOMPARE(status(), countText);
    QVERIFY(this->grid().row() <= 200);

    // Editing goes on as before in the renewed grid.
    focusGridAt(200, 9);
    type("5");
    press(Qt::Key_Return);
    QCOMPARE(this->grid().text(200, 9), QString("5"));
    QCOMPARE(this->grid().rows(), 203);
    QCOMPARE(this->grid().text(202, 0), QString("202"));
}

void TestEditing::anEditOpenWhenTheTableIsReplacedIsDropped() {
    onGrid("grdINGRED");
    focusGridAt(3, 2);
    type("77");
    QVERIFY(edit()->isVisible());
    trigger("mnuFileNew1");
    QVERIFY(edit()->isHidden());
    // Back in the grid, nothing of the old edit is written into the new table.
    focusGridAt(3, 2);
    press(Qt::Key_Return);
    QCOMPARE(grid().text(3, 2), QString());
}

void TestEditing::editingLeavesRecordsAndCountsAlone() {
    Workspace& ws = w->workspace();
    ws.plu.records[3].pluNo = 3;
    ws.plu.records[3].name1 = "Apples";
    ws.plu.records[3].unitPrice = 250;
    ws.plu.count = 3;
    ws.ingred.records[2].messageNo = 2;
    ws.ingred.records[2].lines[0] = "Flour, water";
    ws.ingred.count = 2;
    const auto pluBefore = ws.plu.records;
    const auto ingredBefore = ws.ingred.records;

    for (const auto& [gridName, editName] :
         {std::pair{"grdPLU", "txtEditGrid"}, std::pair{"grdINGRED", "txtEditGrid1"}}) {
        auto* v = w->findChild<GridView*>(gridName);
        WindowTest::focusGridAt(v, 3, 1);
        for (int c = 1; c <= 9; ++c) {
            QTest::keyClick(QApplication::focusWidget(), '7');
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(v->grid().text(3, 9), QString("7"));
        v->grid().setCurrent(200, 9);
        QTest::keyClick(QApplication::focusWidget(), '1');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(v->grid().rows(), 203);
        QVERIFY(w->findChild<QLineEdit*>(editName)->isHidden());
    }

    QVERIFY(ws.plu.records == pluBefore);
    QVERIFY(ws.ingred.records == ingredBefore);
    QCOMPARE(ws.plu.count, qint16(3));
    QCOMPARE(ws.ingred.count, qint16(2));
    QCOMPARE(ws.plu.records[3].name1, QString("Apples"));
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
