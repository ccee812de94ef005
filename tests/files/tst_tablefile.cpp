// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFile.h"

#include <gtest/gtest.h>

using namespace tarn;

namespace {

PluRecord apple() {
    PluRecord r;
    r.pluNo = 12;
    r.name1 = QStringLiteral("APPLE");
    r.name2 = QStringLiteral("RED");
    r.unitPrice = 1500;
    r.validDate = 3;
    r.tare = 0;
    r.itemCode = 2001;
    r.groupCode = 1;
    r.messageNo = 5;
    return r;
}

IngredRecord sugar() {
    IngredRecord r;
    r.messageNo = 3;
    r.lines[0] = QStringLiteral("SUGAR");
    r.lines[1] = QStringLiteral("SALT");
    return r;
}

template <class R> QByteArray written(const std::vector<R>& records) {
    const WrittenFile w = writeTableFile<R>(records);
    EXPECT_TRUE(w.ok()) << (w.problem ? w.problem->message().toStdString() : "");
    return w.bytes;
}

template <class R> std::string problemOf(const QByteArray& bytes) {
    const ParsedFile<R> parsed = parseTableFile<R>(bytes);
    EXPECT_TRUE(parsed.records.empty());
    return parsed.problem ? parsed.problem->message().toStdString() : "(no problem)";
}

QByteArray pluLines(int n) {
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes +=
            QByteArray::number(i) + ",\"N" + QByteArray::number(i) + "\",\"X\",1,2,3,4,5,6\r\n";
    return bytes;
}

} // namespace

// --- writing ---------------------------------------------------------------------------------

TEST(TableFileWrite, pluExampleIsOneLineOf34CharactersThenCrLf) {
    const QByteArray bytes = written<PluRecord>({apple()});
    EXPECT_EQ(bytes, QByteArray("12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"));
    EXPECT_EQ(bytes.size(), 34 + 2);
}

TEST(TableFileWrite, ingredientExampleWritesEmptyLinesAsOneSpace) {
    EXPECT_EQ(written<IngredRecord>({sugar()}),
              QByteArray("3,\"SUGAR\",\"SALT\",\" \",\" \",\" \",\" \",\" \",\" \"\r\n"));
}

TEST(TableFileWrite, negativeNumbersCommasSpacesAndWindows1252Bytes) {
    PluRecord r;
    r.pluNo = -32768;
    r.name1 = QString::fromUtf8("Caf\u00e9, 1\u20ac ");
    r.unitPrice = -2147483647 - 1;
    r.messageNo = 32767;
    EXPECT_EQ(written<PluRecord>({r, apple()}),
              QByteArray("-32768,\"Caf\xe9, 1\x80 \",\" \",-2147483648,0,0,0,0,32767\r\n"
                         "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"));
    EXPECT_EQ(written<PluRecord>({}), QByteArray());
}

TEST(TableFileWrite, refusesTextsThatCouldNotBeReadBackNamingRowAndColumn) {
    PluRecord quoted = apple();
    quoted.name2 = QStringLiteral("12\" TV");
    WrittenFile w = writeTableFile<PluRecord>(std::vector<PluRecord>{apple(), quoted});
    ASSERT_FALSE(w.ok());
    EXPECT_EQ(w.problem->message(),
              QStringLiteral("ERROR! row 2: Item name2 contains a double quote"));
    EXPECT_TRUE(w.bytes.isEmpty());

    IngredRecord foreign = sugar();
    foreign.lines[2] = QString::fromUtf8("Zucker \u3042");
    w = writeTableFile<IngredRecord>(std::vector<IngredRecord>{foreign});
    ASSERT_FALSE(w.ok());
    EXPECT_EQ(w.problem->message(),
              QString::fromUtf8("ERROR! row 1: Message3 contains \"\u3042\", which the file cannot "
                                "hold"));

    PluRecord broken = apple();
    broken.name1 = QStringLiteral("two\nlines");
    w = writeTableFile<PluRecord>(std::vector<PluRecord>{broken});
    ASSERT_FALSE(w.ok());
    EXPECT_EQ(w.problem->message(),
              QStringLiteral("ERROR! row 1: Item name1 contains a line break"));
}

// --- reading ---------------------------------------------------------------------------------

TEST(TableFileRead, readsWhatTheWriterWrote) {
    PluRecord odd = apple();
    odd.name1 = QString::fromUtf8("a, b  \u20ac");
    odd.unitPrice = -7;
    const ParsedFile<PluRecord> p = parseTableFile<PluRecord>(written<PluRecord>({apple(), odd}));
    ASSERT_TRUE(p.ok()) << p.problem->message().toStdString();
    ASSERT_EQ(p.records.size(), 2u);
    EXPECT_EQ(p.records[0], apple());
    EXPECT_EQ(p.records[1], odd);

    IngredRecord full = sugar();
    full.lines[7] = QString(50, QLatin1Char('x')) + QStringLiteral("   ");
    const ParsedFile<IngredRecord> q = parseTableFile<IngredRecord>(written<IngredRecord>({full}));
    ASSERT_TRUE(q.ok());
    ASSERT_EQ(q.records.size(), 1u);
    EXPECT_EQ(q.records[0].lines[7], full.lines[7]);
    EXPECT_EQ(q.records[0].lines[2], QStringLiteral(" "));
}

TEST(TableFileRead, acceptsLfLineEndsFieldsSpreadOverLinesBlanksAndEmptyNumbers) {
    const QByteArray bytes = "12,\"APPLE\",\"RED\"\n"
                             "  1500,3\r\n"
                             "0,2001\n"
                             "1,5\n"
                             "7,\"B\",\"C\",,, ,\"9\",,\r\n"
                             "\r\n";
    const ParsedFile<PluRecord> p = parseTableFile<PluRecord>(bytes);
    ASSERT_TRUE(p.ok()) << p.problem->message().toStdString();
    ASSERT_EQ(p.records.size(), 2u);
    EXPECT_EQ(p.records[0], apple());
    EXPECT_EQ(p.records[1].pluNo, 7);
    EXPECT_EQ(p.records[1].unitPrice, 0);
    EXPECT_EQ(p.records[1].itemCode, 9);
    EXPECT_EQ(p.records[1].messageNo, 0);
}

TEST(TableFileRead, emptyAndExactly200LinesAreWhole) {
    const ParsedFile<PluRecord> empty = parseTableFile<PluRecord>(QByteArray());
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.records.empty());

    const ParsedFile<PluRecord> full = parseTableFile<PluRecord>(pluLines(200));
    ASSERT_TRUE(full.ok());
    ASSERT_EQ(full.records.size(), 200u);
    EXPECT_EQ(full.records[199].pluNo, 200);
    EXPECT_EQ(full.records[199].name1, QStringLiteral("N200"));
}

TEST(TableFileRead, refusesTheWholeFileNamingTheLine) {
    EXPECT_EQ(problemOf<PluRecord>(pluLines(201)), "ERROR! line 201: more than 200 records");
    EXPECT_EQ(problemOf<PluRecord>(pluLines(2) + "3,\"A\",\"B\",1\r\n"),
              "ERROR! line 3: the file ends before Valid Date");
    EXPECT_EQ(problemOf<PluRecord>(pluLines(6) + "7,\"A\",\"B\",1.20 EUR,0,0,0,0,0\r\n"),
              "ERROR! line 7: U/Price is not a number");
    EXPECT_EQ(problemOf<PluRecord>(pluLines(1) + "2,\"A\",\"B\",2.99,0,0,0,0,0\r\n"),
              "ERROR! line 2: U/Price 2.99 is not a whole number");
    EXPECT_EQ(problemOf<PluRecord>("1,\"A\",\"B\",1,0\n40000,0,0,0\n"),
              "ERROR! line 2: Tare is out of range");
    EXPECT_EQ(problemOf<IngredRecord>("1,\"open,\" \" \" \" \" \" \" \" \"\r\n"),
              "ERROR! line 1: the file ends before Message2");
    EXPECT_EQ(problemOf<IngredRecord>("1,\"A\",\"B\r\n"), "ERROR! line 1: Message2 has no closing "
                                                          "double quote");
    EXPECT_EQ(problemOf<IngredRecord>("x,\"A\"\r\n"), "ERROR! line 1: Message No is not a number");
}

TEST(TableFileRead, decodesWindows1252) {
    const ParsedFile<IngredRecord> p = parseTableFile<IngredRecord>(
        "5,\"Cr\xe8me \x80\",\" \",\" \",\" \",\" \",\" \",\" \",\" \"");
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p.records.size(), 1u);
    EXPECT_EQ(p.records[0].lines[0], QString::fromUtf8("Cr\u00e8me \u20ac"));
}

// --- grid to table ---------------------------------------------------------------------------

namespace {
void fillRow(TextGrid& grid, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c)
        grid.setText(row, c + 1, cells[c]);
}
} // namespace

class GridCopyTest : public ::testing::Test {
protected:
    void SetUp() override { ws.startUp(); }
    Workspace ws;
};

TEST_F(GridCopyTest, stopsAtTheFirstRowWithoutANumberAndReadsEmptyCells) {
    TextGrid& g = ws.plu.grid;
    fillRow(g, 1, {"12", "APPLE", "RED", "1500", "3", "0", "2001", "1", "5"});
    fillRow(g, 2, {" 2.0 ", "", "", "", "", "", "", "", ""});
    fillRow(g, 4, {"4", "after the gap"});
    const GridCopy<PluRecord> c = copyFromGrid<PluRecord>(g);
    ASSERT_TRUE(c.ok());
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(c.records[0], apple());
    EXPECT_EQ(c.records[1].pluNo, 2);
    EXPECT_EQ(c.records[1].name1, QStringLiteral(" "));
    EXPECT_EQ(c.records[1].name2, QStringLiteral(" "));
    EXPECT_EQ(c.records[1].unitPrice, 0);
    const std::vector<std::pair<int, int>> empties{{2, 4}, {2, 5}, {2, 6}, {2, 7}, {2, 8}, {2, 9}};
    EXPECT_EQ(c.emptyNumberCells, empties);
    EXPECT_EQ(g.text(2, 9), QString()); // the copy itself touches nothing
}

TEST_F(GridCopyTest, aCellThatWillNotConvertIsNamedByRowAndColumn) {
    TextGrid& g = ws.plu.grid;
    fillRow(g, 1, {"1", "A", "B", "10"});
    fillRow(g, 2, {"2", "A", "B", "ten"});
    GridCopy<PluRecord> c = copyFromGrid<PluRecord>(g);
    ASSERT_FALSE(c.ok());
    EXPECT_EQ(c.problem->message(), QStringLiteral("ERROR! row 2: U/Price is not a number"));
    fillRow(g, 2, {"2", "A", "B", "2.99"});
    EXPECT_EQ(copyFromGrid<PluRecord>(g).problem->message(),
              QStringLiteral("ERROR! row 2: U/Price is a whole number (cents): type 299"));
    fillRow(g, 2, {"2", "A", "B", "10", "0.5"});
    EXPECT_EQ(copyFromGrid<PluRecord>(g).problem->message(),
              QStringLiteral("ERROR! row 2: Valid Date 0.5 is not a whole number"));
    EXPECT_TRUE(c.records.empty());

    fillRow(g, 2, {"2", "A", "B", "10", "32768"});
    c = copyFromGrid<PluRecord>(g);
    ASSERT_FALSE(c.ok());
    EXPECT_EQ(c.problem->message(), QStringLiteral("ERROR! row 2: Valid Date is out of range"));

    fillRow(ws.ingred.grid, 1, {"  "});
    const GridCopy<IngredRecord> i = copyFromGrid<IngredRecord>(ws.ingred.grid);
    ASSERT_FALSE(i.ok());
    EXPECT_EQ(i.problem->message(), QStringLiteral("ERROR! row 1: Message No is not a number"));
}

TEST_F(GridCopyTest, optionsForOtherReadersOfTheGrid) {
    fillRow(ws.ingred.grid, 1, {"1", "a long ingredient line", ""});
    const GridCopy<IngredRecord> c =
        copyFromGrid<IngredRecord>(ws.ingred.grid, CopyOptions{QString(), 6});
    ASSERT_TRUE(c.ok());
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(c.records[0].lines[0], QStringLiteral("a long"));
    EXPECT_EQ(c.records[0].lines[1], QString());
}

TEST_F(GridCopyTest, installShowsRecordsAndClearsTheRest) {
    fillRow(ws.plu.grid, 150, {"150", "old"});
    ws.plu.records[150].pluNo = 150;
    ws.plu.grid.setText(0, 1, QStringLiteral("changed caption"));
    const std::vector<PluRecord> two{apple(), apple()};
    installRecords<PluRecord>(ws.plu, two);
    EXPECT_EQ(ws.plu.count, 2);
    EXPECT_EQ(ws.plu.records[2], apple());
    EXPECT_EQ(ws.plu.records[150], PluRecord{});
    EXPECT_EQ(ws.plu.grid.text(2, 0), QStringLiteral("2"));
    EXPECT_EQ(ws.plu.grid.text(2, 4), QStringLiteral("1500"));
    EXPECT_EQ(ws.plu.grid.text(2, 7), QStringLiteral("2001"));
    EXPECT_EQ(ws.plu.grid.text(150, 0), QStringLiteral("150"));
    EXPECT_EQ(ws.plu.grid.text(150, 1), QString());
    EXPECT_EQ(ws.plu.grid.text(0, 1), QStringLiteral("PLU No "));

    ws.ingred.grid.setRows(5); // as an import can leave it
    installRecords<IngredRecord>(ws.ingred, std::vector<IngredRecord>(200, sugar()));
    EXPECT_EQ(ws.ingred.grid.rows(), 201);
    EXPECT_EQ(ws.ingred.grid.text(200, 2), QStringLiteral("SUGAR"));
}
