// SPDX-License-Identifier: GPL-3.0-or-later
// Import and export of both tables through workbooks, on a workspace without a window.

#include "CompoundFile.h"
#include "SheetExchange.h"
#include "SheetTestSupport.h"
#include "WorkbookStream.h"

#include <QFile>

using tarn::IngredRecord;
using tarn::PluRecord;
using tarn::TableKind;
using tarn::TextGrid;
using tarn::Workspace;

namespace {

const QDate kDay(2026, 12, 6);

QVector<QStringList> cells(const TextGrid& g) {
    QVector<QStringList> out;
    for (int r = 0; r < g.rows(); ++r) {
        QStringList row;
        for (int c = 0; c < g.cols(); ++c)
            row.append(g.text(r, c));
        out.append(row);
    }
    return out;
}

class SheetExchange : public ::testing::Test {
protected:
    void SetUp() override { ws.startUp(); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void setRow(TextGrid& g, int row, const QStringList& texts) {
        for (int c = 0; c < texts.size(); ++c)
            g.setText(row, c + 1, texts[c]);
    }
    QStringList row(const TextGrid& g, int r) const {
        QStringList out;
        for (int c = 0; c < g.cols(); ++c)
            out.append(g.text(r, c));
        return out;
    }

    QTemporaryDir dir;
    Workspace ws;
};

// What an import must leave alone when it fails.
struct Snapshot {
    explicit Snapshot(Workspace& ws)
        : plu(cells(ws.plu.grid)), ingred(cells(ws.ingred.grid)), pluRecords(ws.plu.records),
          ingredRecords(ws.ingred.records), pluCount(ws.plu.count), ingredCount(ws.ingred.count),
          filePath(ws.filePath()) {}
    bool operator==(const Snapshot&) const = default;
    QVector<QStringList> plu, ingred;
    tarn::PluTable pluRecords;
    tarn::IngredTable ingredRecords;
    qint16 pluCount, ingredCount;
    QString filePath;
};

} // namespace

TEST_F(SheetExchange, pluExportImportKeepsEveryCell) {
    TextGrid& g = ws.plu.grid;
    setRow(g, 1, {"101", "Apple", "Golden", "250", "3", "10", "2001", "4", "7"});
    setRow(g, 2, {"102", "", "", "", "", "", "", "", ""});
    setRow(g, 3,
           {"103", "A name of thirty characters!!", "x", "  12", "007", "-3", "2147483647", "2.0",
            "0"});
    ASSERT_TRUE(tarn::exportWorkbook(ws, TableKind::Plu, path("plu.xls"), kDay));

    Workspace back;
    back.startUp();
    const tarn::Report imported = tarn::importWorkbook(back, TableKind::Plu, path("plu.xls"));
    ASSERT_TRUE(imported) << imported.last().toStdString();
    const TextGrid& b = back.plu.grid;
    ASSERT_EQ(b.rows(), 5);
    EXPECT_EQ(row(b, 0), QStringList({"NO", "PLU No", "           Item Name1           ",
                                      "           Item Name2           ", "U/Price", "Valid Date",
                                      "Tare", "Item Code", "G Code", "Message No"}));
    EXPECT_EQ(row(b, 1),
              QStringList({"1", "101", "Apple", "Golden", "250", "3", "10", "2001", "4", "7"}));
    EXPECT_EQ(row(b, 2), QStringList({"2", "102", "", "", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(b, 3), QStringList({"3", "103", "A name of thirty characters!!", "x", "  12",
                                      "007", "-3", "2147483647", "2.0", "0"}));
    EXPECT_EQ(row(b, 4), QStringList({"4", "", "", "", "", "", "", "", "", ""}));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(b.rowHeight(i), 300);
    EXPECT_EQ(b.row(), 4);
    EXPECT_EQ(back.plu.count, 3);
    EXPECT_EQ(back.filePath(), path("plu.xls"));
    EXPECT_EQ(imported.last(), QStringLiteral(" Data is End "));

    const PluRecord r3 = back.plu.records[3];
    EXPECT_EQ(r3.pluNo, 103);
    EXPECT_EQ(r3.name1, QStringLiteral("A name of thirty characters!"));
    EXPECT_EQ(r3.unitPrice, 12);
    EXPECT_EQ(r3.validDate, 7);
    EXPECT_EQ(r3.tare, -3);
    EXPECT_EQ(r3.itemCode, 2147483647);
    EXPECT_EQ(r3.groupCode, 2);
    EXPECT_EQ(r3.messageNo, 0);
    EXPECT_EQ(back.plu.records[2], (PluRecord{102, 0, {}, {}, 0, 0, 0, 0, 0}));
    EXPECT_EQ(back.plu.records[4], PluRecord{});
}

TEST_F(SheetExchange, twoHundredRecordsGoOutAndComeBackWhole) {
    // The grid's last row holds record 200: the export goes on to it.
    for (int i = 1; i <= 200; ++i) {
        setRow(ws.plu.grid, i,
               {QString::number(i), QStringLiteral("name %1").arg(i), QStringLiteral("line two"),
                QString::number(i * 100), QString::number(i % 30), QString::number(i % 7),
                QString::number(900000 + i), QString::number(i % 5), QString::number(i % 200)});
        QStringList lines{QString::number(i)};
        for (int l = 1; l <= 8; ++l)
            lines.append(QStringLiteral("message %1 line %2").arg(i).arg(l));
        setRow(ws.ingred.grid, i, lines);
    }
    ASSERT_EQ(ws.plu.grid.rows(), 201);
    ASSERT_TRUE(tarn::exportWorkbook(ws, TableKind::Plu, path("p.xls"), kDay));
    ASSERT_TRUE(tarn::exportWorkbook(ws, TableKind::Ingred, path("i.xls"), kDay));

    Workspace back;
    back.startUp();
    ASSERT_TRUE(tarn::importWorkbook(back, TableKind::Plu, path("p.xls")));
    ASSERT_TRUE(tarn::importWorkbook(back, TableKind::Ingred, path("i.xls")));
    for (auto [sent, got, count] :
         {std::tuple{&ws.plu.grid, &back.plu.grid, back.plu.count},
          std::tuple{&ws.ingred.grid, &back.ingred.grid, back.ingred.count}}) {
        EXPECT_EQ(count, 200);
        ASSERT_EQ(got->rows(), 202);
        for (int r = 1; r <= 200; ++r)
            EXPECT_EQ(row(*got, r), row(*sent, r)) << "row " << r;
        EXPECT_EQ(row(*got, 201), QStringList(10, QString()));
    }
    EXPECT_EQ(back.plu.records[200].pluNo, 200);
    EXPECT_EQ(back.plu.records[200].itemCode, 900200);
    EXPECT_EQ(back.ingred.records[200].lines[7], QStringLiteral("message 200 line 8"));
    EXPECT_EQ(back.ingred.records[1].messageNo, 1);
}

TEST_F(SheetExchange, ingredientExportImportFillsEmptyLinesAndCutsAtFifty) {
    const QString sixty = QString(60, QLatin1Char('m'));
    setRow(ws.ingred.grid, 1, {"1", "flour", "", sixty, "", "", "", "", "salt"});
    setRow(ws.ingred.grid, 2, {"2"});
    ASSERT_TRUE(tarn::exportWorkbook(ws, TableKind::Ingred, path("i.xls"), kDay));
    Workspace back;
    back.startUp();
    ASSERT_TRUE(tarn::importWorkbook(back, TableKind::Ingred, path("i.xls")));
    const TextGrid& g = back.ingred.grid;
    ASSERT_EQ(g.rows(), 4);
    EXPECT_EQ(row(g, 0).mid(1, 2), QStringList({"Message No", "           Message1            "}));
    EXPECT_EQ(row(g, 1), QStringList({"1", "1", "flour", " ", sixty, " ", " ", " ", " ", "salt"}));
    EXPECT_EQ(row(g, 2), QStringList({"2", "2", " ", " ", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(back.ingred.count, 2);
    const IngredRecord& r1 = back.ingred.records[1];
    EXPECT_EQ(r1.lines[0], QStringLiteral("flour"));
    EXPECT_EQ(r1.lines[1], QStringLiteral(" "));
    EXPECT_EQ(r1.lines[2], QString(50, QLatin1Char('m')));
    EXPECT_EQ(back.ingred.records[2].lines[7], QStringLiteral(" "));
}

TEST_F(SheetExchange, exportStopsAtTheFirstEmptyNumberAndReportsEachRow) {
    setRow(ws.plu.grid, 1, {"1", "a"});
    setRow(ws.plu.grid, 2, {" ", "b"});
    setRow(ws.plu.grid, 3, {"3", "c"});
    setRow(ws.plu.grid, 5, {"5", "never"});
    const tarn::Report exported = tarn::exportWorkbook(ws, TableKind::Plu, path("p.xls"), kDay);
    ASSERT_TRUE(exported);
    EXPECT_EQ(exported.texts,
              QStringList({" Excel File Save ", " Data Changing ....  1", " Data Changing ....   ",
                           " Data Changing ....  3", " Save End"}));
    const QStringList dump = xlrdDump(path("p.xls"));
    ASSERT_GE(dump.size(), 3);
    EXPECT_EQ(dump[1], QStringLiteral("name PLU 06.12.26"));
    EXPECT_EQ(dump[2], QStringLiteral("size 4 9"));
    EXPECT_TRUE(dump.contains(QStringLiteral("cell 0 1 text '           Item Name1           '")));
    EXPECT_TRUE(dump.contains(QStringLiteral("cell 0 6 text 'Item Code'")));
    EXPECT_TRUE(dump.contains(QStringLiteral("cell 1 0 number 1.0")));
    EXPECT_TRUE(dump.contains(QStringLiteral("cell 2 0 text ' '")));
    EXPECT_TRUE(dump.contains(QStringLiteral("cell 3 1 text 'c'")));
    EXPECT_FALSE(dump.contains(QStringLiteral("cell 4 1 text 'never'")));
}

TEST_F(SheetExchange, exportOfAnEmptyTableHoldsTheHeadersOnly) {
    const tarn::Report exported = tarn::exportWorkbook(ws, TableKind::Ingred, path("i.xls"), kDay);
    ASSERT_TRUE(exported);
    const QStringList dump = xlrdDump(path("i.xls"));
    const QStringList expectedStart = {"sheets 1", "name INGRED 06.12.26", "size 1 9",
                                       "cell 0 0 text 'Message No'",
                                       "cell 0 1 text '           Message1            '"};
    EXPECT_EQ(dump.mid(0, 5), expectedStart);
    EXPECT_EQ(exported.last(), QStringLiteral(" Save End"));
    EXPECT_EQ(tarn::sheetNameFor(TableKind::Plu, QDate(2027, 1, 2)),
              QStringLiteral("PLU 02.01.27"));
}

TEST_F(SheetExchange, aFailedSaveSaysSoAndLeavesNoFile) {
    setRow(ws.plu.grid, 1, {"1", "a"});
    const tarn::Report exported =
        tarn::exportWorkbook(ws, TableKind::Plu, path("missing/p.xls"), kDay);
    EXPECT_FALSE(exported);
    EXPECT_TRUE(exported.last().startsWith(QStringLiteral("ERROR! cannot save p.xls: ")))
        << exported.last().toStdString();
    EXPECT_FALSE(QFile::exists(path("missing/p.xls")));
}

TEST_F(SheetExchange, importTakesNumbersTextsAndBlanksFromAnotherWriter) {
    const tarn::Report imported = tarn::importWorkbook(ws, TableKind::Plu, bookPath("whole.xls"));
    ASSERT_TRUE(imported) << imported.last().toStdString();
    const QStringList& statuses = imported.texts;
    const TextGrid& g = ws.plu.grid;
    ASSERT_EQ(g.rows(), 7);
    EXPECT_EQ(row(g, 1), QStringList({"1", "1", "Apple", "red", "12", "3", "5", "1001", "2", "7"}));
    EXPECT_EQ(row(g, 2), QStringList({"2", "2", "Pear", "", "12", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(g, 3), QStringList({"3", "3", "   ", QString(30, QLatin1Char('x')), "-7", " 42 ",
                                      "0", "2147483647", "-1", "2"}));
    EXPECT_EQ(row(g, 4), QStringList({"4", "4", "17", "0.1", "0", "1000", "0", "0", "0", "0"}));
    EXPECT_EQ(row(g, 5).mid(0, 5), QStringList({"5", "5", "2026-12-06", "1", "1"}));
    EXPECT_EQ(row(g, 6), QStringList({"6", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(ws.plu.count, 5);
    EXPECT_EQ(ws.plu.records[2].unitPrice, 12); // the number cell 12.0
    EXPECT_EQ(ws.plu.records[3].name2, QString(28, QLatin1Char('x')));
    EXPECT_EQ(ws.plu.records[3].validDate, 42);
    EXPECT_EQ(ws.plu.records[3].messageNo, 2);
    EXPECT_EQ(ws.plu.records[4].name1, QStringLiteral("17"));
    EXPECT_EQ(ws.plu.records[4].validDate, 1000);
    EXPECT_EQ(statuses.mid(0, 4), QStringList({" Open Excel File ", " Initializing ",
                                               " Data Format Changing ....  PLU No      ",
                                               " Data Format Changing ....  1      "}));
    EXPECT_EQ(statuses.mid(statuses.size() - 3), QStringList({" Data Format Changing ....        ",
                                                              "PLU Number is 5", " Data is End "}));
}

TEST_F(SheetExchange, importStopsAtTheFirstEmptyNumberAndAtTwoHundred) {
    ASSERT_TRUE(tarn::importWorkbook(ws, TableKind::Plu, bookPath("gap.xls")));
    EXPECT_EQ(ws.plu.count, 2);
    EXPECT_EQ(ws.plu.grid.rows(), 4);
    // The stop row is copied as the sheet holds it, and not converted.
    EXPECT_EQ(row(ws.plu.grid, 3).mid(0, 3), QStringList({"3", "", "lost"}));

    const tarn::Report many = tarn::importWorkbook(ws, TableKind::Plu, bookPath("many.xls"));
    ASSERT_TRUE(many);
    EXPECT_EQ(ws.plu.count, 200);
    EXPECT_EQ(ws.plu.grid.rows(), 202);
    EXPECT_EQ(ws.plu.grid.text(200, 1), QStringLiteral("200"));
    EXPECT_EQ(row(ws.plu.grid, 201), QStringList(10, QString()));
    EXPECT_EQ(many.last(), QStringLiteral(" Data is End "));

    ASSERT_TRUE(tarn::importWorkbook(ws, TableKind::Plu, bookPath("two-hundred.xls")));
    EXPECT_EQ(ws.plu.count, 200);
    EXPECT_EQ(ws.plu.grid.rows(), 202);

    ASSERT_TRUE(tarn::importWorkbook(ws, TableKind::Plu, bookPath("error-after-stop.xls")));
    EXPECT_EQ(ws.plu.count, 1);
}

TEST_F(SheetExchange, emptyA1AndAMissingHeaderRow) {
    const tarn::Report emptyA1 = tarn::importWorkbook(ws, TableKind::Plu, bookPath("empty-a1.xls"));
    ASSERT_TRUE(emptyA1);
    const QStringList& statuses = emptyA1.texts;
    // The grid keeps only its caption row.
    ASSERT_EQ(ws.plu.grid.rows(), 1);
    EXPECT_EQ(row(ws.plu.grid, 0),
              QStringList({"NO", "", "B head", "", "D head", "", "", "", "", ""}));
    EXPECT_EQ(ws.plu.count, 0);
    EXPECT_EQ(statuses.mid(statuses.size() - 2), QStringList({"PLU Number is 0", " Data is End "}));

    ASSERT_TRUE(tarn::importWorkbook(ws, TableKind::Plu, bookPath("headerless.xls")));
    EXPECT_EQ(row(ws.plu.grid, 0).mid(0, 3), QStringList({"NO", "1", "first"}));
    EXPECT_EQ(ws.plu.count, 2);
    EXPECT_EQ(ws.plu.records[1].name1, QStringLiteral("second"));
}

TEST_F(SheetExchange, ingredientImportFromAnotherWriter) {
    const tarn::Report imported =
        tarn::importWorkbook(ws, TableKind::Ingred, bookPath("ingred.xls"));
    ASSERT_TRUE(imported);
    const TextGrid& g = ws.ingred.grid;
    EXPECT_EQ(ws.ingred.count, 3);
    EXPECT_EQ(row(g, 1), QStringList({"1", "1", "flour, water", " ", QString(60, QLatin1Char('y')),
                                      " ", " ", " ", " ", "250"}));
    EXPECT_EQ(row(g, 3).mid(0, 4), QStringList({"3", " 3 ", " ", "spaces above"}));
    EXPECT_EQ(ws.ingred.records[3].messageNo, 3);
    EXPECT_EQ(ws.ingred.records[1].lines[2], QString(50, QLatin1Char('y')));
    EXPECT_EQ(ws.ingred.records[1].lines[7], QStringLiteral("250"));
    EXPECT_EQ(ws.ingred.records[2].messageNo, 2);
    EXPECT_EQ(imported.last(), QStringLiteral(" Data is End "));
}

// A PLU table LibreOffice saved with a chart beside it and formulas in its cells. Its prices
// in odd rows carry half a unit, which the scale cannot hold: the import names the first.
TEST_F(SheetExchange, readsAWorkbookLibreOfficeWroteAndRefusesItsFractions) {
    const QString book = QStringLiteral(SHEETS_TEST_SOURCE "/data/lo-plu.xls");
    const tarn::ReadOutcome read = tarn::readWorkbook(book, 201, 9);
    ASSERT_TRUE(read.sheet) << read.error.toStdString();
    const auto text = [&](int r, int c) { return read.sheet->rows.value(r).value(c).text; };
    EXPECT_EQ(text(1, 0), QStringLiteral("101"));
    EXPECT_EQ(text(1, 3), QStringLiteral("125.5"));
    EXPECT_EQ(text(3, 2), QStringLiteral("2026-12-06"));
    EXPECT_EQ(text(3, 4), QStringLiteral("469")); // =ROUND(D4*Markup;0)
    EXPECT_EQ(text(6, 1), QStringLiteral("half bold"));

    const tarn::Report refused = tarn::importWorkbook(ws, TableKind::Plu, book);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.last(),
              QStringLiteral("ERROR! sheet row 2, column D: U/Price 125.5 is not a whole number"));
    EXPECT_EQ(ws.plu.count, 0);
}

// A failed import, wherever it fails, leaves both tables and the file source as they were.
TEST_F(SheetExchange, aFailedImportChangesNothing) {
    ASSERT_TRUE(tarn::importWorkbook(ws, TableKind::Plu, bookPath("whole.xls")));
    ASSERT_TRUE(tarn::importWorkbook(ws, TableKind::Ingred, bookPath("ingred.xls")));
    ws.plu.grid.setText(1, 2, QStringLiteral("edited, not saved"));
    const Snapshot before(ws);

    QFile::copy(bookPath("many.xls"), path("cut.xls"));
    QFile cut(path("cut.xls"));
    ASSERT_TRUE(cut.resize(cut.size() / 2));
    QFile text(path("text.xls"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("PLU No,Item name1\r\n1,Apple\r\n");
    text.close();

    // The mixed workbook, encrypted: its globals begin with a FILEPASS record.
    QByteArray stream = tarn::workbookStreamOf(bookPath("mixed.xls")).value();
    const qsizetype afterBof = 4 + (quint8(stream[2]) | quint8(stream[3]) << 8);
    stream.insert(afterBof, QByteArray::fromHex("2F000600010001000100"));
    QFile locked(path("locked.xls"));
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    locked.write(tarn::compoundFile(stream, "Workbook").value());
    locked.close();

    const std::pair<QString, QString> cases[] = {
        {path("locked.xls"), "ERROR! locked.xls: the workbook is protected by a password"},
        {bookPath("error.xls"), "ERROR! sheet row 150, column D: the cell holds an error value"},
        {bookPath("letters.xls"), "ERROR! sheet row 4, column A: PLU No is not a number"},
        {bookPath("too-big.xls"), "ERROR! sheet row 3, column A: PLU No is out of range"},
        {bookPath("price-too-big.xls"), "ERROR! sheet row 2, column D: U/Price is out of range"},
        {bookPath("mixed.xls"), "ERROR! sheet row 3, column D: U/Price 12.5 is not a whole number"},
        {path("cut.xls"), "ERROR! cut.xls: not a workbook it can read"},
        {path("text.xls"), "ERROR! text.xls: not a workbook it can read"},
    };
    for (const auto& [file, message] : cases) {
        const tarn::Report refused = tarn::importWorkbook(ws, TableKind::Plu, file);
        EXPECT_FALSE(refused) << file.toStdString();
        EXPECT_EQ(refused.last(), message);
        EXPECT_TRUE(Snapshot(ws) == before) << file.toStdString();
    }
    EXPECT_FALSE(tarn::importWorkbook(ws, TableKind::Ingred, path("cut.xls")));
    EXPECT_TRUE(Snapshot(ws) == before);
    const tarn::Report blank =
        tarn::importWorkbook(ws, TableKind::Ingred, bookPath("blank-number.xls"));
    EXPECT_FALSE(blank);
    EXPECT_EQ(blank.last(),
              QStringLiteral("ERROR! sheet row 3, column A: Message No is not a number"));
    EXPECT_TRUE(Snapshot(ws) == before);
}
