// SPDX-License-Identifier: GPL-3.0-or-later
// The .xlsx, .ods and .csv readers and writers: files LibreOffice made, hand-made parts that
// LibreOffice does not write, damaged and oversized files, and what our writers put down read
// back by openpyxl and by our own readers. data/mixed.{xlsx,ods} and the two mixed-*.csv were
// made once from data/mixed.fods with `soffice --headless --convert-to` (xlsx, ods, and csv with
// the filter options 59,34,76,1 for semicolons in UTF-8 and 44,34,1,1 for commas in
// Windows-1252).

#include "SheetExchange.h"
#include "SheetFile.h"
#include "SheetParts.h"
#include "SheetTestSupport.h"
#include "WorkspaceSnapshot.h"

#include <QFile>

using tarn::ReadOutcome;
using tarn::SheetCell;
using tarn::TableKind;
using tarn::Workspace;
using K = tarn::SheetCell::Kind;

namespace {

QString dataPath(const char* name) {
    return QStringLiteral(SHEETS_TEST_SOURCE "/data/") + QString::fromLatin1(name);
}

// A row as "kind:text" entries, trailing empty cells left out.
QStringList rowOf(const ReadOutcome& read, int r) {
    QStringList out;
    if (!read.sheet || r >= read.sheet->rows.size())
        return out;
    static const char* kinds[] = {"", "T", "N", "O", "E", "R"};
    for (const SheetCell& c : read.sheet->rows[r])
        out.append(
            QString::fromLatin1(kinds[int(c.kind)]) +
            (c.kind == K::Empty || c.kind == K::Error ? QString() : QStringLiteral(":") + c.text));
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

class Formats : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const QString& p, const QByteArray& bytes) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The parts zipped into a package at `name`.
    QString package(const char* name, const QVector<tarn::parts::ZipEntry>& entries) {
        const auto zip = tarn::parts::zipOf(entries);
        EXPECT_TRUE(zip);
        write(path(name), zip.value_or(QByteArray()));
        return path(name);
    }
    // An import that must fail: its text, with nothing of the workspace changed.
    QString refused(const QString& file) {
        Workspace ws;
        ws.startUp();
        const auto before = tarn::testing::WorkspaceSnapshot::of(ws);
        const tarn::Report import = tarn::importWorkbook(ws, TableKind::Plu, file);
        EXPECT_FALSE(import);
        EXPECT_EQ(tarn::testing::WorkspaceSnapshot::of(ws), before);
        return import.last();
    }
    QTemporaryDir dir;
};

const QStringList kHeader = {
    "T:PLU No", "T:   Item Name1   ", "T:Item Name2", "T:U/Price", "T:x", "T:x", "T:x", "T:x",
    "T:x"};

TEST_F(Formats, libreOfficeXlsxAndOdsGiveTheFirstSheetsCells) {
    for (const char* name : {"mixed.xlsx", "mixed.ods"}) {
        SCOPED_TRACE(name);
        const ReadOutcome read = tarn::readSheetFile(dataPath(name), 201, 9);
        ASSERT_TRUE(read.sheet) << read.error.toStdString();
        EXPECT_EQ(read.sheet->name, QStringLiteral("Prices"));
        EXPECT_EQ(read.sheet->rows.size(), 7);
        EXPECT_EQ(rowOf(read, 0), kHeader);
        EXPECT_EQ(rowOf(read, 1), QStringList({"N:101", "T:Käse fein €", "T:twolines", "N:12.5",
                                               "N:1", "", "N:202", "T:abc", "N:-3"}));
        EXPECT_EQ(rowOf(read, 2), QStringList({"T:0102", "T:a  b", "E"}));
        EXPECT_EQ(rowOf(read, 3), QStringList());
        EXPECT_EQ(rowOf(read, 6), QStringList({"N:7"}));
    }
}

TEST_F(Formats, csvTakesUtf8OrWindows1252AndCommasOrSemicolons) {
    for (const char* name : {"mixed-semicolon-utf8.csv", "mixed-comma-1252.csv"}) {
        SCOPED_TRACE(name);
        const ReadOutcome read = tarn::readSheetFile(dataPath(name), 201, 9);
        ASSERT_TRUE(read.sheet) << read.error.toStdString();
        EXPECT_EQ(rowOf(read, 0), kHeader);
        EXPECT_EQ(rowOf(read, 1), QStringList({"T:101", "T:Käse fein €", "T:twolines", "T:12.5",
                                               "T:1", "", "T:202", "T:abc", "T:-3"}));
        EXPECT_EQ(rowOf(read, 2), QStringList({"T:0102", "T:a  b", "T:#DIV/0!"}));
        EXPECT_EQ(rowOf(read, 6), QStringList({"T:7"}));
    }

    // A byte-order mark, CR LF, quoted separators, quotes and line breaks; a header with more
    // commas than semicolons keeps the comma.
    write(path("q.csv"), "\xEF\xBB\xBF"
                         "a;b,c,d\r\n\"x, \"\"y\"\"\",\"two\r\nlines\",,\" \"\r\n");
    ReadOutcome read = tarn::readSheetFile(path("q.csv"), 201, 9);
    ASSERT_TRUE(read.sheet);
    EXPECT_EQ(rowOf(read, 0), QStringList({"T:a;b", "T:c", "T:d"}));
    EXPECT_EQ(rowOf(read, 1), QStringList({"T:x, \"y\"", "T:two\r\nlines", "", "T: "}));

    write(path("open.csv"), "a,b\n1,\"never closed\n2,x\n");
    EXPECT_EQ(refused(path("open.csv")),
              QStringLiteral("ERROR! open.csv: line 2: a quoted field has no closing quote"));
}

// Parts of a workbook as Excel and other programs write them, which LibreOffice does not: the
// sheets listed in another order than their parts, inline texts, booleans, cells without a
// reference, phonetic runs, escaped characters.
TEST_F(Formats, xlsxFollowsTheWorkbookAndReadsEveryKindOfCell) {
    const QByteArray rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"r1\" Type=\"http://x/officeDocument\" Target=\"book/main.xml\"/>"
        "</Relationships>";
    const QByteArray book =
        "<workbook xmlns:r=\"http://r\"><sheets><sheet name=\"Chart\" r:id=\"c\"/>"
        "<sheet name=\"First\" r:id=\"b\"/><sheet name=\"Later\" r:id=\"a\"/></sheets></workbook>";
    const QByteArray bookRels =
        "<Relationships><Relationship Id=\"a\" Type=\"http://x/worksheet\" Target=\"s1.xml\"/>"
        "<Relationship Id=\"b\" Type=\"http://x/worksheet\" Target=\"/sheets/s2.xml\"/>"
        "<Relationship Id=\"c\" Type=\"http://x/chartsheet\" Target=\"c1.xml\"/>"
        "<Relationship Id=\"d\" Type=\"http://x/sharedStrings\" Target=\"../strings.xml\"/>"
        "</Relationships>";
    const QByteArray strings =
        "<sst><si><t>zero</t></si>"
        "<si><r><rPr><b/></rPr><t xml:space=\"preserve\"> rich </t></r><r><t>text</t></r>"
        "<rPh><t>PHONETIC</t></rPh></si><si><t>tab_x0009_here</t></si></sst>";
    const QByteArray sheet =
        "<worksheet><sheetData>"
        "<row><c t=\"s\"><v>1</v></c><c t=\"inlineStr\"><is><t>inline</t></is></c>"
        "<c t=\"b\"><v>1</v></c><c t=\"e\"><v>#N/A</v></c><c><v>1.25E2</v></c></row>"
        "<row r=\"3\"><c r=\"C3\" t=\"s\"><v>2</v></c><c><v>0.1</v></c><c t=\"str\"><f>x</f>"
        "<v>formula</v></c><c r=\"J3\" t=\"s\"><v>0</v></c></row>"
        "<row r=\"202\"><c r=\"A202\" t=\"s\"><v>99</v></c></row>"
        "</sheetData></worksheet>";
    const QString file = package("order.xlsx", {{"_rels/.rels", rels},
                                                {"book/main.xml", book},
                                                {"book/_rels/main.xml.rels", bookRels},
                                                {"sheets/s2.xml", sheet},
                                                {"book/s1.xml", "<worksheet/>"},
                                                {"strings.xml", strings}});
    const ReadOutcome read = tarn::readSheetFile(file, 201, 9);
    ASSERT_TRUE(read.sheet) << read.error.toStdString();
    EXPECT_EQ(read.sheet->name, QStringLiteral("First"));
    EXPECT_EQ(rowOf(read, 0), QStringList({"T: rich text", "T:inline", "O:1", "E", "N:125"}));
    EXPECT_EQ(rowOf(read, 1), QStringList());
    EXPECT_EQ(rowOf(read, 2), QStringList({"", "", "T:tab\there", "N:0.1", "T:formula"}));
    EXPECT_EQ(read.sheet->rows.size(), 3); // row 202 lies beyond, its text is never looked up
}

TEST_F(Formats, brokenPackagesAreRefusedWithTheirReason) {
    const QByteArray sheet =
        "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>3</v></c></row></sheetData>"
        "</worksheet>";
    const QVector<tarn::parts::ZipEntry> good = {
        {"xl/workbook.xml", "<workbook><sheets><sheet name=\"S\" r:id=\"i\" "
                            "xmlns:r=\"r\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"i\" Type=\"w/worksheet\" Target=\"s.xml\"/>"
         "<Relationship Id=\"j\" Type=\"w/sharedStrings\" Target=\"t.xml\"/></Relationships>"},
        {"xl/s.xml", sheet},
        {"xl/t.xml", "<sst><si><t>a</t></si></sst>"}};
    EXPECT_EQ(
        refused(package("range.xlsx", good)),
        QStringLiteral("ERROR! range.xlsx: cell A1 names shared text 3, but there are only 1"));

    auto broken = good;
    broken[2].bytes = "<worksheet><sheetData><row></sheetData></worksheet>";
    EXPECT_TRUE(refused(package("bad.xlsx", broken))
                    .startsWith(QStringLiteral("ERROR! bad.xlsx: the part xl/s.xml is not "
                                               "well-formed XML (line 1: ")));
    broken = good.mid(1);
    EXPECT_EQ(refused(package("none.xlsx", broken)),
              QStringLiteral("ERROR! none.xlsx: not an .xlsx workbook"));
    write(path("text.ods"), "just text");
    EXPECT_EQ(refused(path("text.ods")),
              QStringLiteral("ERROR! text.ods: not an .ods spreadsheet"));
    EXPECT_EQ(refused(package("empty.ods", {{"content.xml", ""}})),
              QStringLiteral("ERROR! empty.ods: the part content.xml is damaged or cut short"));
}

// A small file that inflates far beyond what a table needs is refused before it is inflated;
// a sheet that repeats an empty row or cell a million times is read as the rows it stands for.
TEST_F(Formats, zipBombsAndRepeatsCostNothing) {
    const QByteArray huge(100 * 1024 * 1024, ' ');
    const QString bomb = package("bomb.ods", {{"content.xml", huge}});
    EXPECT_LT(QFileInfo(bomb).size(), 1024 * 1024);
    EXPECT_EQ(refused(bomb),
              QStringLiteral("ERROR! bomb.ods: the part content.xml expands to more than 64 MB"));

    const QByteArray content =
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
        "<office:spreadsheet><table:table table:name=\"T\">"
        "<table:table-row><table:table-cell table:number-columns-repeated=\"1000000000\" "
        "office:value-type=\"string\"><text:p>all</text:p></table:table-cell></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell "
        "office:value-type=\"float\" office:value=\"5\"/></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"1000000000\"><table:table-cell/>"
        "</table:table-row><table:table-row><table:table-cell office:value-type=\"string\">"
        "<text:p>far</text:p></table:table-cell></table:table-row>"
        "</table:table></office:spreadsheet></office:body></office:document-content>";
    const ReadOutcome read =
        tarn::readSheetFile(package("repeat.ods", {{"content.xml", content}}), 201, 9);
    ASSERT_TRUE(read.sheet) << read.error.toStdString();
    EXPECT_EQ(rowOf(read, 0), QStringList(9, QStringLiteral("T:all")));
    EXPECT_EQ(rowOf(read, 2), QStringList({"N:5"}));
    EXPECT_EQ(read.sheet->rows.size(), 3);
}

TEST_F(Formats, writtenFilesReadBackTheSame) {
    Workspace ws;
    ws.startUp();
    const QStringList first = {"7", "Käse \"alt\", 100 g", "  two  spaces ", "1250", "", "", "", "",
                               ""};
    for (int c = 0; c < 9; ++c)
        ws.plu.grid.setText(1, c + 1, first[c]);
    ws.plu.grid.setText(2, 1, QStringLiteral("0012"));
    ws.plu.grid.setText(2, 2, QStringLiteral("line\none"));
    for (const char* name : {"plu.xlsx", "plu.ODS", "plu.fods", "plu.Csv"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(tarn::exportWorkbook(ws, TableKind::Plu, path(name), QDate(2026, 12, 6)));
        Workspace back;
        back.startUp();
        const tarn::Report import = tarn::importWorkbook(back, TableKind::Plu, path(name));
        ASSERT_TRUE(import) << import.last().toStdString();
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 9; ++c)
                EXPECT_EQ(back.plu.grid.text(r, c), ws.plu.grid.text(r, c).isEmpty() && c >= 4
                                                        ? QStringLiteral("0")
                                                        : ws.plu.grid.text(r, c));
        EXPECT_EQ(back.plu.grid.text(0, 2), QStringLiteral("           Item Name1           "));
    }
    EXPECT_EQ(tarn::readSheetFile(path("plu.ODS"), 3, 9).sheet->name,
              QStringLiteral("PLU 06.12.26"));

    // openpyxl finds the sheet, texts as shared strings, numbers as numbers, fitted widths
    // and A2 active.
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(SHEETS_TEST_SOURCE "/dump_xlsx.py"), path("plu.xlsx")});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QStringList dump =
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const char* line : {"name PLU 06.12.26", "active A2", "cell A2 int 7", "cell D2 int 1250",
                             "cell A3 str '0012'", "cell C2 str '  two  spaces '",
                             "cell B1 str '           Item "
                             "Name1           '",
                             "width B 34", "width A 8", "shared 13"})
        EXPECT_TRUE(dump.contains(QString::fromUtf8(line))) << line << "\n"
                                                            << dump.join('\n').toStdString();
}

} // namespace
