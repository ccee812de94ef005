// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook reader and writer on their own: what a spreadsheet program and xlrd find in
// what we write, what we find in what xlwt writes, and files that are no workbook at all.

#include "CompoundFile.h"
#include "SheetTestSupport.h"
#include "Workbook.h"
#include "WorkbookStream.h"

#include <QFile>
#include <QRandomGenerator>

using tarn::ReadOutcome;
using tarn::SheetCell;
using tarn::WriteSheet;
using Kind = SheetCell::Kind;

namespace {

QString writeTemp(const QTemporaryDir& dir, const WriteSheet& sheet, const char* name = "out.xls") {
    const QString path = dir.filePath(QString::fromLatin1(name));
    const QString error = tarn::writeWorkbook(path, sheet);
    EXPECT_EQ(error, QString());
    return path;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

// Our reading in the lines of dump_workbook.py --texts.
QStringList textsOf(const ReadOutcome& read) {
    QStringList lines = {QStringLiteral("name ") + read.sheet->name};
    for (int r = 0; r < read.sheet->rows.size(); ++r)
        for (int c = 0; c < read.sheet->rows[r].size(); ++c) {
            const SheetCell& cell = read.sheet->rows[r][c];
            if (cell.kind != Kind::Empty)
                lines.append(
                    QStringLiteral("%1 %2 %3")
                        .arg(r)
                        .arg(c)
                        .arg(cell.kind == Kind::Error ? QStringLiteral("#ERROR") : cell.text));
        }
    return lines;
}

QString dataPath(const char* name) {
    return QStringLiteral(SHEETS_TEST_SOURCE "/data/") + QString::fromLatin1(name);
}

WriteSheet sample() {
    WriteSheet s;
    s.name = QStringLiteral("PLU 06.12.26");
    s.rows = {{QStringLiteral("PLU No"), QStringLiteral("  Item  ")},
              {QStringLiteral("12"), QStringLiteral("Käse 250 g"), QStringLiteral("012")},
              {QStringLiteral("-5"), QString(), QStringLiteral(" 7"), QStringLiteral("Brot €")},
              {QStringLiteral("0"), QStringLiteral("-0"), QStringLiteral("1.5")}};
    s.columnWidths = tarn::fittedWidths(s.rows, 4);
    s.activeRow = 1;
    return s;
}

} // namespace

TEST(WorkbookText, wholeNumbersAreOnlyTheirCanonicalDecimalForm) {
    for (const char* yes : {"0", "12", "-5", "2147483648", "999999999999999", "-999999999999999"})
        EXPECT_TRUE(tarn::isWholeNumberText(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", "-", "-0", "012", "00", " 12", "12 ", "+1", "1.0", "1e3", "1,5",
                           "abc", "1000000000000000", "12a"})
        EXPECT_FALSE(tarn::isWholeNumberText(QString::fromLatin1(no))) << no;
}

TEST(WorkbookWriter, readsBackTheSameTextsWithNumbersAsNumbers) {
    QTemporaryDir dir;
    const QString path = writeTemp(dir, sample());
    const ReadOutcome read = tarn::readWorkbook(path, 100, 4);
    ASSERT_TRUE(read.sheet) << read.error.toStdString();
    EXPECT_EQ(read.sheet->name, QStringLiteral("PLU 06.12.26"));
    ASSERT_EQ(read.sheet->rows.size(), 4);
    const auto& rows = read.sheet->rows;
    const QStringList expected[4] = {
        {"PLU No", "  Item  ", "", ""},
        {"12", "Käse 250 g", "012", ""},
        {"-5", "", " 7", "Brot €"},
        {"0", "-0", "1.5", ""},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(rows[r][c].text, expected[r][c]) << "row " << r << " col " << c;
    EXPECT_EQ(rows[1][0].kind, Kind::Number);
    EXPECT_EQ(rows[1][2].kind, Kind::Text);
    EXPECT_EQ(rows[2][0].kind, Kind::Number);
    EXPECT_EQ(rows[2][1].kind, Kind::Empty);
    EXPECT_EQ(rows[3][1].kind, Kind::Text);
}

TEST(WorkbookWriter, xlrdFindsNameCellsTypesAndFittedWidths) {
    QTemporaryDir dir;
    const QString path = writeTemp(dir, sample());
    const QStringList dump = xlrdDump(path);
    const QStringList expected = {
        "sheets 1",
        "name PLU 06.12.26",
        "size 4 4",
        "cell 0 0 text 'PLU No'",
        "cell 0 1 text '  Item  '",
        "cell 1 0 number 12.0",
        "cell 1 1 text 'Käse 250 g'",
        "cell 1 2 text '012'",
        "cell 2 0 number -5.0",
        "cell 2 2 text ' 7'",
        "cell 2 3 text 'Brot €'",
        "cell 3 0 number 0.0",
        "cell 3 1 text '-0'",
        "cell 3 2 text '1.5'",
        "width 0 1792",
        "width 1 2816",
        "width 2 1024",
        "width 3 1792",
    };
    EXPECT_EQ(dump, expected);
}

// Texts up to the 32,767 characters a cell holds, of 8- and 16-bit characters, run on through
// CONTINUE records; xlrd reads them the same.
TEST(WorkbookWriter, longTextsAndManyRowsSurvive) {
    WriteSheet s;
    s.name = QStringLiteral("S");
    const QString longText = QString(QStringLiteral("ab")).repeated(1000); // 2000 characters
    for (int r = 0; r < 1000; ++r)
        s.rows.append({QString::number(r), longText.left(r)});
    s.rows.append({QStringLiteral("x"), QString(32767, QLatin1Char('w'))});
    s.rows.append({QStringLiteral("y"), QStringLiteral("€").repeated(32767)});
    QTemporaryDir dir;
    const QString path = writeTemp(dir, s);
    const ReadOutcome read = tarn::readWorkbook(path, 2000, 2);
    ASSERT_TRUE(read.sheet);
    ASSERT_EQ(read.sheet->rows.size(), 1002);
    for (int r = 0; r < 1000; r += 37) {
        EXPECT_EQ(read.sheet->rows[r][0].text, QString::number(r));
        EXPECT_EQ(read.sheet->rows[r][1].text, longText.left(r));
    }
    EXPECT_EQ(read.sheet->rows[1000][1].text, s.rows[1000][1]);
    EXPECT_EQ(read.sheet->rows[1001][1].text, s.rows[1001][1]);
    const QStringList dump = xlrdDump(path);
    EXPECT_TRUE(dump.contains(QStringLiteral("cell 1001 1 text '%1'").arg(s.rows[1001][1])));
    EXPECT_TRUE(dump.contains(QStringLiteral("cell 1000 1 text '%1'").arg(s.rows[1000][1])));
}

TEST(WorkbookWriter, refusesWhatAWorkbookCannotHold) {
    QTemporaryDir dir;
    WriteSheet s = sample();
    s.name = QString(32, QLatin1Char('n'));
    EXPECT_NE(tarn::writeWorkbook(dir.filePath(QStringLiteral("a.xls")), s), QString());
    s = sample();
    s.rows[1][1] = QString(32768, QChar(0x20AC));
    EXPECT_NE(tarn::writeWorkbook(dir.filePath(QStringLiteral("b.xls")), s), QString());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.xls"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.xls"))));
}

TEST(WorkbookWriter, aFailedWriteLeavesTheEarlierFile) {
    QTemporaryDir dir;
    const QString path = writeTemp(dir, sample());
    const QByteArray before = readBytes(path);
    WriteSheet bad = sample();
    bad.name.clear();
    EXPECT_NE(tarn::writeWorkbook(path, bad), QString());
    EXPECT_EQ(readBytes(path), before);
    // A folder that does not exist.
    EXPECT_NE(tarn::writeWorkbook(dir.filePath(QStringLiteral("no/such/x.xls")), sample()),
              QString());
}

TEST(WorkbookReader, takesXlwtCellsAsTexts) {
    const ReadOutcome read = tarn::readWorkbook(bookPath("mixed.xls"), 201, 9);
    ASSERT_TRUE(read.sheet) << read.error.toStdString();
    const auto& rows = read.sheet->rows;
    ASSERT_GE(rows.size(), 6);
    EXPECT_EQ(rows[1][3].text, QStringLiteral("12"));
    EXPECT_EQ(rows[1][3].kind, Kind::Number);
    EXPECT_EQ(rows[2][3].text, QStringLiteral("12.5"));
    EXPECT_EQ(rows[3][0].text, QStringLiteral("3"));
    EXPECT_EQ(rows[3][6].text, QStringLiteral("2147483647"));
    EXPECT_EQ(rows[3][4].text, QStringLiteral(" 42 "));
    EXPECT_EQ(rows[3][4].kind, Kind::Text);
    EXPECT_EQ(rows[4][2].text, QStringLiteral("0.1"));
    EXPECT_EQ(rows[4][4].text, QStringLiteral("1000"));
    EXPECT_EQ(rows[2][2].kind, Kind::Empty);
    EXPECT_EQ(rows[5][1].text, QStringLiteral("2026-12-06"));
    EXPECT_EQ(rows[5][2].text, QStringLiteral("1"));
}

TEST(WorkbookReader, marksErrorValues) {
    const ReadOutcome read = tarn::readWorkbook(bookPath("error.xls"), 201, 9);
    ASSERT_TRUE(read.sheet);
    EXPECT_EQ(read.sheet->rows[149][3].kind, Kind::Error);
    EXPECT_EQ(read.sheet->rows[148][3].kind, Kind::Number);
    EXPECT_EQ(read.sheet->rows[148][3].text, QStringLiteral("1480"));
}

TEST(WorkbookReader, readsOnlyTheFirstWorksheet) {
    const ReadOutcome read = tarn::readWorkbook(bookPath("two-sheets.xls"), 201, 9);
    ASSERT_TRUE(read.sheet);
    EXPECT_EQ(read.sheet->name, QStringLiteral("first"));
    EXPECT_EQ(read.sheet->rows.size(), 2);
}

TEST(WorkbookReader, refusesFilesThatAreNotWorkbooks) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("plain.xls"));
    writeBytes(text, "1,\"Apple\",\"\",120,0,0,0,0,0\r\n");
    const QString empty = dir.filePath(QStringLiteral("empty.xls"));
    writeBytes(empty, QByteArray());
    // A compound file signature with nothing behind it.
    const QString header = dir.filePath(QStringLiteral("header.xls"));
    writeBytes(header, QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0'));
    for (const QString& path : {text, empty, header}) {
        const ReadOutcome read = tarn::readWorkbook(path, 201, 9);
        EXPECT_FALSE(read.sheet) << path.toStdString();
        EXPECT_EQ(read.error, QStringLiteral("not a workbook it can read"));
    }
    const ReadOutcome missing = tarn::readWorkbook(dir.filePath(QStringLiteral("gone.xls")), 1, 9);
    EXPECT_FALSE(missing.sheet);
    EXPECT_TRUE(missing.error.startsWith(QStringLiteral("cannot open ")))
        << missing.error.toStdString();
}

// Every cut of a workbook, ours and xlwt's, is refused (or, where the cut spares the cells,
// read) without a crash.
TEST(WorkbookReader, survivesTruncatedWorkbooks) {
    QTemporaryDir dir;
    WriteSheet s = sample();
    for (int r = 0; r < 300; ++r)
        s.rows.append({QString::number(r), QStringLiteral("name %1").arg(r)});
    const QString ours = writeTemp(dir, s, "ours.xls");
    for (const QString& source : {ours, bookPath("many.xls")}) {
        const QByteArray whole = readBytes(source);
        ASSERT_GT(whole.size(), 4096);
        int refused = 0;
        for (qsizetype cut = 0; cut < whole.size(); cut += 97) {
            const QString path = dir.filePath(QStringLiteral("cut.xls"));
            writeBytes(path, whole.left(cut));
            const ReadOutcome read = tarn::readWorkbook(path, 201, 9);
            if (!read.sheet) {
                ++refused;
                EXPECT_EQ(read.error, QStringLiteral("not a workbook it can read"));
            }
        }
        EXPECT_GT(refused, 0);
        // The stream itself cut short inside a whole compound file.
        const QString path = dir.filePath(QStringLiteral("half.xls"));
        writeBytes(path, whole.left(whole.size() / 2));
        EXPECT_FALSE(tarn::readWorkbook(path, 201, 9).sheet);
    }
}

// Bytes changed at random inside a workbook: some of these make the cell reader run past its
// buffers (seed 3 does so within 150 rounds); the program must answer every one and live on.
TEST(WorkbookReader, survivesDamagedWorkbooks) {
    const QByteArray whole = readBytes(bookPath("many.xls"));
    ASSERT_GT(whole.size(), 4096);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.xls"));
    QRandomGenerator random(3);
    int read = 0;
    for (int round = 0; round < 150; ++round) {
        QByteArray bytes = whole;
        const int changes = 1 + int(random.bounded(8));
        for (int k = 0; k < changes; ++k)
            bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        writeBytes(path, bytes);
        const ReadOutcome outcome = tarn::readWorkbook(path, 201, 9);
        if (outcome.sheet)
            ++read;
        else
            EXPECT_EQ(outcome.error, QStringLiteral("not a workbook it can read"));
    }
    EXPECT_GT(read, 0); // damage outside the cells read leaves the sheet readable
}

// A workbook saved by LibreOffice Calc (tests/sheets/data/formulas.xls) whose PLU numbers from
// row 3 on are formulas (=A2+1 ...): their last results are read like typed values.
TEST(WorkbookReader, takesTheResultsOfFormulas) {
    const ReadOutcome read =
        tarn::readWorkbook(QStringLiteral(SHEETS_TEST_SOURCE "/data/formulas.xls"), 201, 9);
    ASSERT_TRUE(read.sheet) << read.error.toStdString();
    const auto& rows = read.sheet->rows;
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[1][0].text, QStringLiteral("1"));
    EXPECT_EQ(rows[2][0].text, QStringLiteral("2"));
    EXPECT_EQ(rows[2][0].kind, Kind::Number);
    EXPECT_EQ(rows[3][0].text, QStringLiteral("3"));
    EXPECT_EQ(rows[3][1].text, QStringLiteral("5")); // =A3*2.5
    EXPECT_EQ(rows[2][1].text, QStringLiteral("Pear"));
    EXPECT_EQ(rows[1][2].kind, Kind::Error);         // =1/0
    EXPECT_EQ(rows[2][2].text, QStringLiteral("1")); // =1=1
}

// Workbooks that spreadsheet programs wrote (tests/sheets/data, see make_lo_workbooks.py): a
// chart beside the data, defined names and references to another sheet, shared and array
// formulas giving numbers, texts, booleans, errors and "", rich text, dates, a hidden first
// sheet, shared strings running on in CONTINUE records, and the Excel 95 format. Each reads
// cell for cell as xlrd reads it.
TEST(WorkbookReader, readsWhatSpreadsheetProgramsWriteAsXlrdDoes) {
    for (const char* name :
         {"lo-plu.xls", "lo-sheets.xls", "lo-long.xls", "gnumeric-95.xls", "formulas.xls"}) {
        const ReadOutcome read = tarn::readWorkbook(dataPath(name), 300, 9);
        ASSERT_TRUE(read.sheet) << name << ": " << read.error.toStdString();
        const QStringList xlrd =
            xlrdTexts(dataPath(name), 300, 9, QByteArray(name).contains("95") ? "cp1252" : "");
        ASSERT_GT(xlrd.size(), 5) << name;
        EXPECT_EQ(textsOf(read), xlrd) << name;
    }
    EXPECT_EQ(tarn::readWorkbook(dataPath("lo-sheets.xls"), 1, 1).sheet->name, "Old"); // hidden

    // The first sheet made a chart sheet: the first worksheet is the next one.
    QByteArray stream = tarn::workbookStreamOf(dataPath("lo-sheets.xls")).value();
    qsizetype at = 0;
    while (at + 4 <= stream.size() && !(stream[at] == '\x85' && stream[at + 1] == 0))
        at += 4 + (quint8(stream[at + 2]) | quint8(stream[at + 3]) << 8);
    ASSERT_LT(at + 9, stream.size());
    stream[at + 4 + 5] = 2;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart-first.xls"));
    writeBytes(path, tarn::compoundFile(stream, "Workbook").value());
    const ReadOutcome read = tarn::readWorkbook(path, 300, 9);
    ASSERT_TRUE(read.sheet);
    EXPECT_EQ(read.sheet->name, QStringLiteral("Now"));
    EXPECT_EQ(textsOf(read), xlrdTexts(path, 300, 9));
}
