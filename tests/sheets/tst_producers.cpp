// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheets as other programs write them, each fault's smallest file made here: nesting,
// formulas never computed, "_xHHHH_" texts, over-long texts, huge repeat counts, byte-order
// marks, control characters, rows past the 200th, UTF-16 "Unicode text", .xlsx dates, flat
// .fods, a DTD and the 2006 pre-release .xlsx.

#include "SheetExchange.h"
#include "SheetFile.h"
#include "SheetParts.h"
#include "SheetTestSupport.h"
#include "WorkspaceSnapshot.h"

#include <QFile>

using tarn::ReadOutcome;
using tarn::TableKind;
using tarn::Workspace;
using K = tarn::SheetCell::Kind;

namespace {

const QString kUncomputed = QStringLiteral(
    "the formula has no stored result - open and save the file in a spreadsheet program");
const QString kTooLong =
    QStringLiteral("the text is longer than the 32767 characters a cell holds");

class Producers : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }
    QString package(const QString& name, const QVector<tarn::parts::ZipEntry>& entries) {
        return write(name, tarn::parts::zipOf(entries).value_or(QByteArray()));
    }
    // An .xlsx of one sheet: its sheetData rows, shared texts, cell formats and namespace.
    QString xlsx(const QString& name, const QByteArray& rows, const QByteArray& strings = {},
                 const QByteArray& styles = {}, const QByteArray& ns = {}) {
        const QByteArray xmlns = ns.isEmpty() ? QByteArray() : " xmlns=\"" + ns + "\"";
        QVector<tarn::parts::ZipEntry> parts = {
            {"xl/workbook.xml", "<workbook" + xmlns +
                                    " xmlns:r=\"r\"><sheets><sheet name=\"S\" r:id=\"i\"/>"
                                    "</sheets></workbook>"},
            {"xl/_rels/workbook.xml.rels",
             "<Relationships><Relationship Id=\"i\" Type=\"w/worksheet\" Target=\"s.xml\"/>"
             "<Relationship Id=\"j\" Type=\"w/sharedStrings\" Target=\"t.xml\"/>"
             "<Relationship Id=\"k\" Type=\"w/styles\" Target=\"y.xml\"/></Relationships>"},
            {"xl/s.xml", "<worksheet" + xmlns + "><sheetData>" + rows + "</sheetData></worksheet>"},
            {"xl/t.xml", "<sst>" + strings + "</sst>"},
            {"xl/y.xml", "<styleSheet>" + styles + "</styleSheet>"}};
        return package(name, parts);
    }
    // An .ods whose first table holds `rows` (the table namespaces declared).
    QString ods(const QString& name, const QByteArray& rows, const QByteArray& before = {}) {
        return package(name, {{"content.xml", before + kOdsHead + rows + kOdsTail}});
    }
    // The import's status after a refusal, with nothing of the workspace changed.
    QString refused(const QString& file) {
        Workspace ws;
        ws.startUp();
        const auto before = tarn::testing::WorkspaceSnapshot::of(ws);
        const tarn::Report import = tarn::importWorkbook(ws, TableKind::Plu, file);
        EXPECT_FALSE(import) << file.toStdString();
        EXPECT_EQ(tarn::testing::WorkspaceSnapshot::of(ws), before);
        return import.last();
    }
    ReadOutcome read(const QString& file) { return tarn::readSheetFile(file, 201, 9); }

    static inline const QByteArray kOdsHead =
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
        "<office:spreadsheet><table:table table:name=\"T\">";
    static inline const QByteArray kOdsTail =
        "</table:table></office:spreadsheet></office:body></office:document-content>";
    QTemporaryDir dir;
};

QByteArray odsRow(const QByteArray& cells, const QByteArray& attributes = {}) {
    return "<table:table-row" + attributes + ">" + cells + "</table:table-row>";
}
QByteArray odsText(const QByteArray& text) {
    return "<table:table-cell office:value-type=\"string\"><text:p>" + text +
           "</text:p></table:table-cell>";
}
// A header row and one record whose column B is `b`.
QByteArray odsRecord(const QByteArray& b) {
    return odsRow(odsText("PLU No")) +
           odsRow("<table:table-cell office:value-type=\"float\" office:value=\"1\"/>" + b);
}

TEST_F(Producers, nestingDeeperThanAHundredLevelsIsRefusedWithoutRecursion) {
    const int n = 100000;
    const QByteArray spans =
        QByteArray("<text:span>").repeated(n) + "x" + QByteArray("</text:span>").repeated(n);
    EXPECT_EQ(refused(ods("spans.ods", odsRecord(odsText(spans)))),
              QStringLiteral("ERROR! spans.ods: the part content.xml, line 1: elements nest "
                             "deeper than 100 levels"));
    const QByteArray groups = QByteArray("<table:table-row-group>").repeated(n) +
                              QByteArray("</table:table-row-group>").repeated(n);
    EXPECT_EQ(refused(ods("groups.ods", groups)),
              QStringLiteral("ERROR! groups.ods: the part content.xml, line 1: elements nest "
                             "deeper than 100 levels"));
    // As deep as a real file nests: read.
    const QByteArray some =
        QByteArray("<text:span>").repeated(50) + "deep" + QByteArray("</text:span>").repeated(50);
    const ReadOutcome ok =
        read(ods("some.ods", "<table:table-row-group>" + odsRecord(odsText(some)) +
                                 "</table:table-row-group>"));
    ASSERT_TRUE(ok.sheet) << ok.error.toStdString();
    EXPECT_EQ(ok.sheet->rows[1][1].text, QStringLiteral("deep"));
}

TEST_F(Producers, aFormulaWithoutAStoredResultFailsItsCell) {
    const QString book =
        xlsx("f.xlsx", "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>PLU No</t></is></c></row>"
                       "<row r=\"2\"><c r=\"A2\"><v>1</v></c><c r=\"D2\"><f>100+99</f></c></row>");
    const QString sheet = ods("f.ods", odsRecord("<table:table-cell/><table:table-cell/>"
                                                 "<table:table-cell table:formula=\"of:=1+2\"/>"));
    for (const QString& file : {book, sheet})
        EXPECT_EQ(refused(file), QStringLiteral("ERROR! sheet row 2, column D: ") + kUncomputed);

    // Computed formulas, an empty text result among them, are read as their results.
    const ReadOutcome ok =
        read(xlsx("ok.xlsx", "<row><c><f>1+1</f><v>2</v></c><c t=\"str\"><f>\"\"</f><v></v></c>"
                             "</row>"));
    ASSERT_TRUE(ok.sheet);
    EXPECT_EQ(ok.sheet->rows[0][0].text, QStringLiteral("2"));
    EXPECT_EQ(ok.sheet->rows[0][1].kind, K::Text);
}

// openpyxl keeps a formula it was given as <f>100+99</f><v></v>: no stored result, never a
// price of 0. Such a cell in the row that ends the records (column A empty) is not used.
TEST_F(Producers, openpyxlFormulasHaveNoResultAndOnlyCellsTakenRefuse) {
    const QString data = QStringLiteral(SHEETS_TEST_SOURCE "/data/");
    EXPECT_EQ(refused(data + QStringLiteral("openpyxl-formula.xlsx")),
              QStringLiteral("ERROR! sheet row 2, column D: ") + kUncomputed);

    Workspace ws;
    ws.startUp();
    const tarn::Report import =
        tarn::importWorkbook(ws, TableKind::Plu, data + QStringLiteral("openpyxl-end-row.xlsx"));
    ASSERT_TRUE(import) << import.last().toStdString();
    EXPECT_EQ(ws.plu.count, 1);
    EXPECT_EQ(ws.plu.records[1].unitPrice, 199);
    EXPECT_EQ(ws.plu.grid.text(2, 6), QString());
}

// One rule in every kind: a text longer than 32,767 characters is neither written nor read.
TEST_F(Producers, overlongTextsAreRefusedInEveryKindBothWays) {
    Workspace ws;
    ws.startUp();
    ws.plu.grid.setText(1, 1, QStringLiteral("1"));
    ws.plu.grid.setText(1, 2, QString(32768, QLatin1Char('x')));
    for (const char* name : {"w.xls", "w.xlsx", "w.ods", "w.fods", "w.csv"}) {
        const tarn::Report exported =
            tarn::exportWorkbook(ws, TableKind::Plu, path(name), QDate(2026, 1, 1));
        EXPECT_FALSE(exported);
        EXPECT_EQ(exported.last(), QStringLiteral("ERROR! cannot save %1: row 2, column B: %2")
                                       .arg(QLatin1String(name), kTooLong));
        EXPECT_FALSE(QFile::exists(path(name)));
    }

    const QByteArray longText(32768, 'y');
    const QString files[] = {
        // The over-long text is the last shared text, which once came in whole.
        xlsx("r.xlsx",
             "<row><c t=\"s\"><v>0</v></c></row><row><c><v>1</v></c><c t=\"s\"><v>1</v></c></row>",
             "<si><t>PLU No</t></si><si><t>" + longText + "</t></si>"),
        ods("r.ods", odsRecord(odsText(longText))),
        ods("s.ods", odsRecord(odsText("<text:s text:c=\"99999999999999999999999\"/>"))),
        write("r.csv", "PLU No\r\n1," + longText + "\r\n")};
    for (const QString& file : files)
        EXPECT_EQ(refused(file), QStringLiteral("ERROR! sheet row 2, column B: ") + kTooLong);
    // The longest text a cell holds is read whole.
    const ReadOutcome full = read(write("full.csv", "a," + QByteArray(32767, 'z')));
    ASSERT_TRUE(full.sheet);
    EXPECT_EQ(full.sheet->rows[0][1].text.size(), 32767);
}

TEST_F(Producers, repeatCountsBeyondAnyIntegerSaturate) {
    const QByteArray rows =
        odsRow(odsText("PLU No")) +
        odsRow("<table:table-cell office:value-type=\"float\" office:value=\"7\" "
               "table:number-columns-repeated=\"9223372036854775807\"/>",
               " table:number-rows-repeated=\"9223372036854775807\"") +
        odsRow(odsText("never"), " table:number-rows-repeated=\"99999999999999999999999\"");
    Workspace ws;
    ws.startUp();
    const auto import = tarn::importWorkbook(ws, TableKind::Plu, ods("huge.ods", rows));
    ASSERT_TRUE(import) << import.last().toStdString();
    EXPECT_EQ(ws.plu.count, 200);
    EXPECT_EQ(ws.plu.records[200].tare, 7);
    EXPECT_EQ(import.warnings,
              QStringList("1048576 rows past the 200th were left out: a table holds at most 200 "
                          "records."));
}

TEST_F(Producers, aByteOrderMarkDecidesTheEncoding) {
    EXPECT_EQ(refused(write("bom.csv", "\xEF\xBB\xBFPLU No,Name\r\n1,Cr\xC3\xA8me\r\n2,\xFF\r\n")),
              QStringLiteral("ERROR! bom.csv: line 3: a byte that is not UTF-8, although the "
                             "file starts as UTF-8"));
    // Excel's "Unicode text": UTF-16 with its mark, tab-separated; either byte order.
    const QString text = QStringLiteral("PLU No\tName\tx\r\n1\tCrème, \"fine\"\t;\r\n");
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (QChar c : text) {
        le += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
        be += char(c.unicode() >> 8) + QByteArray(1, char(c.unicode() & 0xFF));
    }
    for (const QString& file : {write("le.txt", le), write("be.csv", be)}) {
        Workspace ws;
        ws.startUp();
        const tarn::Report import = tarn::importWorkbook(ws, TableKind::Plu, file);
        ASSERT_TRUE(import) << import.last().toStdString();
        EXPECT_EQ(ws.plu.records[1].name1, QStringLiteral("Crème, \"fine\""));
        EXPECT_EQ(ws.plu.grid.text(1, 3), QStringLiteral(";"));
    }
    EXPECT_EQ(refused(write("odd.csv", le + 'x')),
              QStringLiteral("ERROR! odd.csv: line 3: a byte that is not UTF-16, although the "
                             "file starts as UTF-16"));
}

TEST_F(Producers, controlCharactersAreRefusedInEveryKind) {
    EXPECT_EQ(refused(write("nul.csv", QByteArray("PLU No,Name\r\n1,a\0b\r\n", 20))),
              QStringLiteral("ERROR! sheet row 2, column B: the text holds the control character "
                             "U+0000"));
    EXPECT_EQ(
        refused(xlsx("esc.xlsx", "<row><c t=\"inlineStr\"><is><t>a_x0001_</t></is></c></row>")),
        QStringLiteral("ERROR! sheet row 1, column A: the text holds the control character "
                       "U+0001"));
    Workspace ws;
    ws.startUp();
    ws.plu.grid.setText(1, 1, QStringLiteral("1"));
    ws.plu.grid.setText(1, 3, QStringLiteral("bell\a"));
    for (const char* name : {"c.xls", "c.xlsx", "c.csv"}) {
        const tarn::Report exported =
            tarn::exportWorkbook(ws, TableKind::Plu, path(name), QDate(2026, 1, 1));
        EXPECT_FALSE(exported);
        EXPECT_EQ(exported.last(),
                  QStringLiteral("ERROR! cannot save %1: row 2, column C: the text holds the "
                                 "control character U+0007")
                      .arg(QLatin1String(name)));
    }
}

// A table keeps 200 records, as before; now the rows left out, or an empty A1, are named.
TEST_F(Producers, anImportSaysWhatItLeftOut) {
    QByteArray csv = "PLU No\r\n";
    for (int i = 1; i <= 250; ++i)
        csv += QByteArray::number(i) + "\r\n";
    Workspace ws;
    ws.startUp();
    auto import = tarn::importWorkbook(ws, TableKind::Plu, write("many.csv", csv + "\r\n999\r\n"));
    ASSERT_TRUE(import);
    EXPECT_EQ(ws.plu.count, 200);
    EXPECT_EQ(import.warnings,
              QStringList("50 rows past the 200th were left out: a table holds at most 200 "
                          "records."));
    import =
        tarn::importWorkbook(ws, TableKind::Plu, write("200.csv", csv.left(csv.indexOf("201"))));
    EXPECT_TRUE(import.ok() && import.warnings.isEmpty());
    import = tarn::importWorkbook(ws, TableKind::Ingred, write("a1.csv", ",B head\r\n1,x\r\n"));
    ASSERT_TRUE(import);
    EXPECT_EQ(import.warnings,
              QStringList("Nothing was imported: cell A1 is empty, and the records end at the "
                          "first row whose column A is empty."));
}

// Dates in .xlsx as .xls and .ods give them: through the cell format's number format.
TEST_F(Producers, xlsxDatesReadThroughTheirNumberFormats) {
    const QByteArray styles =
        "<numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/>"
        "<numFmt numFmtId=\"165\" formatCode=\"0.00&quot;d&quot;\"/></numFmts>"
        "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/>"
        "<xf numFmtId=\"165\"/><xf numFmtId=\"22\"/><xf numFmtId=\"46\"/></cellXfs>";
    const ReadOutcome r =
        read(xlsx("d.xlsx",
                  "<row><c s=\"1\"><v>45306</v></c><c s=\"2\"><v>45306</v></c>"
                  "<c s=\"3\"><v>45306</v></c><c s=\"4\"><v>45306.5</v></c><c s=\"5\"><v>1.25</v>"
                  "</c><c><v>45306</v></c><c s=\"9\"><v>45306</v></c><c t=\"d\">"
                  "<v>2024-01-15T00:00:00</v></c></row>",
                  {}, styles));
    ASSERT_TRUE(r.sheet) << r.error.toStdString();
    QStringList texts;
    for (const tarn::SheetCell& c : r.sheet->rows[0])
        texts << c.text;
    EXPECT_EQ(texts, QStringList({"2024-01-15", "2024-01-15", "45306", "2024-01-15 12:00:00",
                                  "06:00:00", "45306", "45306", "2024-01-15", ""}));
}

TEST_F(Producers, aDtdAndThePreReleaseXlsxAreNamed) {
    EXPECT_EQ(refused(ods("dtd.ods", {}, "<!DOCTYPE x [<!ENTITY a \"b\">]>")),
              QStringLiteral("ERROR! dtd.ods: the part content.xml, line 1: a DTD is not allowed"));
    EXPECT_EQ(refused(xlsx("beta.xlsx", "<row><c t=\"s\"><v>0</v></c></row>", {}, {},
                           "http://schemas.openxmlformats.org/spreadsheetml/2006/5/main")),
              QStringLiteral("ERROR! beta.xlsx: the workbook is in the 2006 pre-release .xlsx "
                             "format, which is not a format it reads"));
}

} // namespace
