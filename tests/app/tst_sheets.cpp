// SPDX-License-Identifier: GPL-3.0-or-later
// The four workbook entries of the PLU and INGRED menus on the real main window.

#include "SheetActions.h"
#include "SheetFile.h"
#include "WindowTest.h"
#include "Workbook.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

// What the four dialogs offer: every kind together, each kind, and all files.
const QString kAllSpreadsheets = QStringLiteral(
    "All spreadsheets|*.xls;*.xlsx;*.ods;*.fods;*.csv;*.txt|Excel File|*.xls|Excel Workbook|"
    "*.xlsx|OpenDocument Spreadsheet|*.ods;*.fods|CSV File|*.csv;*.txt|ALL File|*.*");

class TestSheets : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cancelledOpenDialogsLeaveOnlyTheFirstStatus();
    void cancelledSaveDialogsLeaveOnlyTheFirstStatus();
    void pluSavedAndOpenedThroughTheMenus();
    void ingredientSavedAndOpenedThroughTheMenus();
    void unreadableWorkbookReportsAndKeepsTheTable();
    void exportWritesTheKindOfTheNameChosen();
    void importNamesTheRecordsLeftOut();

private:
    QString panel() const { return status(); }

    MainWindow* window = nullptr; // the window under test, hidden: only its menus are used
    QStringList statuses;
    QTemporaryDir dir;
};

void TestSheets::init() {
    makeWindow(false);
    useChooser();
    window = w;
    auto* actions = window->findChild<SheetActions*>(QStringLiteral("sheetActions"));
    QVERIFY(actions);
    actions->setClock([] { return QDate(2026, 12, 6); });
    statuses.clear();
    connect(&window->workspace(), &Workspace::statusChanged, this,
            [this](const QString& s) { statuses.append(s); });
}

void TestSheets::cleanup() {
    dropWindow();
    window = nullptr;
}

void TestSheets::cancelledOpenDialogsLeaveOnlyTheFirstStatus() {
    const QStringList before = {window->workspace().plu.grid.text(0, 2), source()};
    chooser->answer(std::nullopt);
    trigger("mnuLxls");
    QCOMPARE(statuses, QStringList{"Excel File Ingred Data  "});
    chooser->answer(std::nullopt);
    trigger("mnuLxls1");
    QCOMPARE(statuses, QStringList({"Excel File Ingred Data  ", "Excel File INGRED Data  "}));
    QCOMPARE(panel(), QStringLiteral("Excel File INGRED Data  "));
    QCOMPARE(chooser->filtersAsked, QStringList(2, kAllSpreadsheets));
    QCOMPARE(QStringList({window->workspace().plu.grid.text(0, 2), source()}), before);
    QCOMPARE(source(), QStringLiteral("?"));
}

void TestSheets::cancelledSaveDialogsLeaveOnlyTheFirstStatus() {
    chooser->answer(std::nullopt);
    trigger("mnuXls");
    chooser->answer(std::nullopt);
    trigger("mnuLxls2");
    QCOMPARE(statuses, QStringList({" Input File Name ", " Input File Name "}));
    QCOMPARE(chooser->filtersAsked, QStringList(2, kAllSpreadsheets));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestSheets::pluSavedAndOpenedThroughTheMenus() {
    TextGrid& grid = window->workspace().plu.grid;
    const QStringList first = {"11", "Bread", "", "350", "", "", "", "", ""};
    for (int c = 0; c < 9; ++c)
        grid.setText(1, c + 1, first[c]);
    grid.setText(2, 1, QStringLiteral("12"));
    grid.setText(2, 2, QStringLiteral("Rolls"));
    const QString path = dir.filePath(QStringLiteral("plu.xls"));

    chooser->answer(path);
    trigger("mnuXls");
    QCOMPARE(statuses,
             QStringList({" Input File Name ", " Excel File Save ", " Data Changing ....  11",
                          " Data Changing ....  12", " Save End"}));
    QCOMPARE(panel(), QStringLiteral(" Save End"));
    const ReadOutcome saved = readWorkbook(path, 10, 9);
    QVERIFY(saved.sheet);
    QCOMPARE(saved.sheet->name, QStringLiteral("PLU 06.12.26"));

    trigger("mnuFileNew");
    statuses.clear();
    chooser->answer(path);
    trigger("mnuLxls");
    QCOMPARE(
        statuses,
        QStringList({"Excel File Ingred Data  ", " Open Excel File ", " Initializing ",
                     " Data Format Changing ....  PLU No      ",
                     " Data Format Changing ....  11      ", " Data Format Changing ....  12      ",
                     " Data Format Changing ....        ", "PLU Number is 2", " Data is End "}));
    QCOMPARE(panel(), QStringLiteral(" Data is End "));
    QCOMPARE(source(), path);
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.text(0, 0), QStringLiteral("NO"));
    QCOMPARE(grid.text(0, 2), QStringLiteral("           Item Name1           "));
    QCOMPARE(grid.text(1, 4), QStringLiteral("350"));
    QCOMPARE(grid.text(1, 5), QStringLiteral("0"));
    QCOMPARE(window->workspace().plu.count, qint16(2));
    QCOMPARE(window->workspace().plu.records[2].name1, QStringLiteral("Rolls"));
}

void TestSheets::ingredientSavedAndOpenedThroughTheMenus() {
    TextGrid& grid = window->workspace().ingred.grid;
    grid.setText(1, 1, QStringLiteral("5"));
    grid.setText(1, 2, QStringLiteral("milk"));
    const QString path = dir.filePath(QStringLiteral("ingred.xls"));
    chooser->answer(path);
    trigger("mnuLxls2");
    QCOMPARE(statuses, QStringList({" Input File Name ", " Excel File Save ",
                                    " Data Changing ....  5", " Save End"}));
    const ReadOutcome saved = readWorkbook(path, 10, 9);
    QVERIFY(saved.sheet);
    QCOMPARE(saved.sheet->name, QStringLiteral("INGRED 06.12.26"));

    trigger("mnuFileNew1");
    statuses.clear();
    chooser->answer(path);
    trigger("mnuLxls1");
    QCOMPARE(
        statuses,
        QStringList({"Excel File INGRED Data  ", " Open Excel File ", " Initializing ",
                     "  Data Format Changing....  Message No      ",
                     "  Data Format Changing....  5      ", "  Data Format Changing....        ",
                     "Ingredient Number is 1", " Data is End "}));
    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.text(1, 3), QStringLiteral(" "));
    QCOMPARE(window->workspace().ingred.count, qint16(1));
    QCOMPARE(window->workspace().ingred.records[1].lines[0], QStringLiteral("milk"));
    QCOMPARE(source(), path);
}

// A message after the import names the records past the 200th that were left out; an import
// with nothing to say shows none.
void TestSheets::importNamesTheRecordsLeftOut() {
    QStringList notices;
    window->setNotice([&](const QString& text) { notices.append(text); });
    QByteArray csv = "PLU No\r\n";
    for (int i = 1; i <= 201; ++i)
        csv += QByteArray::number(i) + "\r\n";
    const QString path = dir.filePath(QStringLiteral("many.csv"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(csv);
    f.close();
    chooser->answer(path);
    trigger("mnuLxls");
    QCOMPARE(panel(), QStringLiteral(" Data is End "));
    QCOMPARE(notices, QStringList("1 row past the 200th was left out: a table holds at most 200 "
                                  "records."));

    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("PLU No\r\n1\r\n");
    f.close();
    chooser->answer(path);
    trigger("mnuLxls");
    QCOMPARE(window->workspace().plu.count, qint16(1));
    QCOMPARE(notices.size(), 1);
}

void TestSheets::unreadableWorkbookReportsAndKeepsTheTable() {
    const QString path = dir.filePath(QStringLiteral("bad.xls"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a workbook");
    f.close();
    window->workspace().plu.grid.setText(1, 1, QStringLiteral("77"));
    chooser->answer(path);
    trigger("mnuLxls");
    QCOMPARE(panel(), QStringLiteral("ERROR! bad.xls: not a workbook it can read"));
    QCOMPARE(source(), QStringLiteral("?"));
    QCOMPARE(window->workspace().plu.grid.rows(), 201);
    QCOMPARE(window->workspace().plu.grid.text(1, 1), QStringLiteral("77"));

    chooser->answer(dir.filePath(QStringLiteral("no/such/folder/out.xls")));
    trigger("mnuXls");
    QVERIFY2(panel().startsWith(QStringLiteral("ERROR! cannot save out.xls: ")),
             qPrintable(panel()));
}

void TestSheets::exportWritesTheKindOfTheNameChosen() {
    window->workspace().plu.grid.setText(1, 1, QStringLiteral("11"));
    const QString ods = dir.filePath(QStringLiteral("plu.ods"));
    const QString csv = dir.filePath(QStringLiteral("plu.CSV"));
    const QString bare = dir.filePath(QStringLiteral("plu"));
    for (const QString& path : {ods, csv, bare}) {
        chooser->answer(path);
        trigger("mnuXls");
        QCOMPARE(panel(), QStringLiteral(" Save End"));
    }
    QCOMPARE(DialogFileChooser::qtFilters(chooser->filtersAsked.value(0)).value(0),
             QStringLiteral("All spreadsheets (*.xls *.xlsx *.ods *.fods *.csv *.txt)"));
    // Each file read by the reader of its kind only; a name typed without an extension gets
    // the chosen filter's (.xls for "All spreadsheets").
    QCOMPARE(readOds(ods, 2, 9).sheet.value_or(ReadSheet{}).rows.value(1).value(0).text,
             QStringLiteral("11"));
    QCOMPARE(readCsv(csv, 2, 9).sheet.value_or(ReadSheet{}).rows.value(1).value(0).text,
             QStringLiteral("11"));
    QVERIFY(!QFile::exists(bare));
    QCOMPARE(
        readWorkbook(bare + ".xls", 2, 9).sheet.value_or(ReadSheet{}).rows.value(1).value(0).text,
        QStringLiteral("11"));
    QVERIFY(!readOds(csv, 2, 9).sheet);
}

QTEST_MAIN(TestSheets)
#include "tst_sheets.moc"
