// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook reader on workbook streams built record by record: every kind of cell, the
// shared strings across CONTINUE records, Excel 95's "Book" stream in its code page, and
// damage of every kind refused as "not a workbook it can read".

#include "CompoundFile.h"
#include "SheetTestSupport.h"
#include "Workbook.h"
#include "WorkbookStream.h"

#include <QFile>

using Kind = tarn::SheetCell::Kind;

namespace {

const QString kRefused = QStringLiteral("not a workbook it can read");

QByteArray u16(quint32 v) {
    return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF);
}
QByteArray u32(quint32 v) {
    return u16(v & 0xFFFF) + u16(v >> 16);
}
QByteArray f64(double d) {
    QByteArray b(8, '\0');
    std::memcpy(b.data(), &d, 8); // little-endian, as the file
    return b;
}
QByteArray rec(quint16 id, const QByteArray& data) {
    return u16(id) + u16(quint32(data.size())) + data;
}
QByteArray bof(quint16 type, bool biff8 = true) {
    return rec(0x0809, u16(biff8 ? 0x0600 : 0x0500) + u16(type) + QByteArray(biff8 ? 12 : 4, 0));
}
const QByteArray kEof = rec(0x000A, {});

// A cell's row, column and cell format.
QByteArray at(int row, int col, int xf = 0) {
    return u16(row) + u16(col) + u16(xf);
}
// A BIFF8 text with a two-byte count, 8-bit characters.
QByteArray text8(const QByteArray& s) {
    return u16(quint32(s.size())) + '\0' + s;
}
QByteArray sheetEntry(quint32 offset, int type, const QByteArray& name, bool biff8 = true,
                      bool hidden = false) {
    return rec(0x0085, u32(offset) + char(hidden ? 1 : 0) + char(type) + char(name.size()) +
                           (biff8 ? QByteArray(1, '\0') : QByteArray()) + name);
}

// A workbook stream: the globals (with `globals` after the sheet list), then one worksheet
// holding `cells`, and any sheets listed before it of the types given (the worksheet is
// hidden then).
QByteArray book(const QByteArray& globals, const QByteArray& cells, bool biff8 = true,
                const QList<int>& sheetsBefore = {}) {
    const QByteArray sheet = bof(0x0010, biff8) + cells + kEof;
    const QByteArray name = "S";
    const qsizetype entry = sheetEntry(0, 0, name, biff8).size();
    const qsizetype globalsSize = bof(0x0005, biff8).size() + entry * (sheetsBefore.size() + 1) +
                                  globals.size() + kEof.size();
    QByteArray g = bof(0x0005, biff8);
    for (int type : sheetsBefore)
        g += sheetEntry(quint32(globalsSize + sheet.size()), type, "X", biff8);
    g += sheetEntry(quint32(globalsSize), 0, name, biff8, !sheetsBefore.isEmpty()) + globals + kEof;
    return g + sheet;
}

tarn::ReadOutcome read(const QByteArray& stream, int rows = 20, int cols = 9) {
    return tarn::readWorkbookStream(stream, rows, cols);
}

QString cellText(const tarn::ReadOutcome& o, int r, int c) {
    if (!o.sheet || r >= o.sheet->rows.size())
        return QStringLiteral("<none>");
    return o.sheet->rows[r][c].text;
}

// A shared-string table: both counts, then the strings, split into records at the given cuts
// (the second and later pieces going into CONTINUE records).
QByteArray sst(quint32 unique, const QList<QByteArray>& pieces) {
    QByteArray out = rec(0x00FC, u32(unique) + u32(unique) + pieces.value(0));
    for (qsizetype i = 1; i < pieces.size(); ++i)
        out += rec(0x003C, pieces[i]);
    return out;
}
QByteArray labelSst(int row, quint32 index) {
    return rec(0x00FD, at(row, 0) + u32(index));
}

} // namespace

TEST(WorkbookStream, readsEveryKindOfCell) {
    // Cell format 1 shows a date through a format of the workbook's own, 2 through a built-in
    // one, 3 a time.
    const QByteArray xf0 = rec(0x00E0, u16(0) + u16(0) + QByteArray(16, 0));
    const QByteArray globals = rec(0x041E, u16(170) + text8("DD.MM.YY")) +
                               rec(0x041E, u16(171) + text8("[Red]\"d\"0.00")) + xf0 +
                               rec(0x00E0, u16(0) + u16(170) + QByteArray(16, 0)) +
                               rec(0x00E0, u16(0) + u16(22) + QByteArray(16, 0)) +
                               rec(0x00E0, u16(0) + u16(21) + QByteArray(16, 0)) +
                               rec(0x00E0, u16(0) + u16(171) + QByteArray(16, 0));
    const QByteArray formulaTail = u16(0) + u32(0) + u16(3) + QByteArray(3, 0);
    const QByteArray cells =
        rec(0x0203, at(0, 0) + f64(12)) + rec(0x0203, at(0, 1) + f64(12.5)) +
        rec(0x027E, at(0, 2) + u32((uint32_t(-7) << 2) | 2)) + // RK: the integer -7
        rec(0x027E, at(0, 3) + u32((1234u << 2) | 3)) +        // 12.34, an integer / 100
        rec(0x027E, at(0, 4) + u32(0x3FF80000)) +              // 1.5, the top of a double
        rec(0x00BD, u16(1) + u16(0) + u16(0) + u32((5u << 2) | 2) + u16(0) + u32(0x40000000) +
                        u16(1)) + // MULRK A2:B2 = 5, 2
        rec(0x0201, at(1, 2)) +
        rec(0x00BE, u16(1) + u16(3) + u16(0) + u16(0) + u16(4)) +
        rec(0x0205, at(2, 0) + '\1' + '\0') +   // TRUE
        rec(0x0205, at(2, 1) + '\x07' + '\1') + // #DIV/0!
        rec(0x0204, at(2, 2) + text8("label")) +
        rec(0x00D6, at(2, 3) + text8("rich") + u16(1) + u32(0)) +
        rec(0x0203, at(3, 0, 1) + f64(46362)) + // dates and a time
        rec(0x0203, at(3, 1, 2) + f64(46362.5)) + rec(0x0203, at(3, 2, 3) + f64(0.75)) +
        rec(0x0203, at(3, 3, 4) + f64(3)) + // digits in quotes and colours: still a number
        rec(0x0006, at(4, 0) + f64(42) + formulaTail) +
        rec(0x0006, at(4, 1) + QByteArray("\0\0\0\0\0\0\xFF\xFF", 8) + formulaTail) +
        rec(0x04BC, QByteArray(10, 0)) + rec(0x0207, text8("shared")) +
        rec(0x0006, at(4, 2) + QByteArray("\1\0\1\0\0\0\xFF\xFF", 8) + formulaTail) +
        rec(0x0006, at(4, 3) + QByteArray("\2\0\x2A\0\0\0\xFF\xFF", 8) + formulaTail) +
        rec(0x0006, at(4, 4) + QByteArray("\3\0\0\0\0\0\xFF\xFF", 8) + formulaTail) +
        // Any order, and the last value written to a cell wins.
        rec(0x0203, at(6, 0) + f64(1)) + rec(0x0203, at(5, 0) + f64(2)) +
        rec(0x0204, at(6, 0) + text8("last"));
    const tarn::ReadOutcome o = read(book(globals, cells));
    ASSERT_TRUE(o.sheet) << o.error.toStdString();
    EXPECT_EQ(o.sheet->name, QStringLiteral("S"));
    ASSERT_EQ(o.sheet->rows.size(), 7);
    const QStringList expected[] = {
        {"12", "12.5", "-7", "12.34", "1.5"},
        {"5", "2", "", "", ""},
        {"1", "", "label", "rich", ""},
        {"2026-12-06", "2026-12-06 12:00:00", "18:00:00", "3", ""},
        {"42", "shared", "1", "", ""},
        {"2", "", "", "", ""},
        {"last", "", "", "", ""},
    };
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(cellText(o, r, c), expected[r][c]) << "row " << r << " col " << c;
    EXPECT_EQ(o.sheet->rows[2][1].kind, Kind::Error);
    EXPECT_EQ(o.sheet->rows[4][3].kind, Kind::Error);
    EXPECT_EQ(o.sheet->rows[4][4].kind, Kind::Text); // the empty text
    EXPECT_EQ(o.sheet->rows[1][2].kind, Kind::Empty);
    EXPECT_EQ(o.sheet->rows[0][0].kind, Kind::Number);
}

TEST(WorkbookStream, followsSharedStringsAcrossContinueRecords) {
    const QByteArray strings =
        sst(6, {// "ab" going on as 16-bit "cd" in the next record, after its option byte
                u16(4) + '\0' + "ab",
                QByteArray("\1c\0d\0", 5) +
                    // the header fills the record; the characters follow the option byte
                    u16(2) + '\0',
                QByteArray("\0ef", 3) +
                    // rich runs and phonetic data going on without an option byte
                    u16(1) + '\x0C' + u16(1) + u32(2) + "g" + "\1\1",
                "\1\1\2\2" + u16(0) + '\0' + // an empty text
                    u16(1) + '\1' + QByteArray("\xAC\x20", 2),
                // a text beginning a record
                u16(2) + '\0' + "hi"});
    QByteArray cells;
    for (int i = 0; i < 6; ++i)
        cells += labelSst(i, quint32(i));
    const tarn::ReadOutcome o = read(book(strings, cells));
    ASSERT_TRUE(o.sheet) << o.error.toStdString();
    const QStringList expected = {"abcd", "ef", "g", "", "€", "hi"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(cellText(o, i, 0), expected[i]) << i;
    EXPECT_EQ(o.sheet->rows[3][0].kind, Kind::Text);
}

TEST(WorkbookStream, refusesDamage) {
    const QByteArray good = sst(1, {u16(2) + '\0' + "ab"});
    ASSERT_TRUE(read(book(good, labelSst(0, 0))).sheet);
    const QByteArray whole = book(good, labelSst(0, 0));
    const QList<QByteArray> bad = {
        book(sst(1, {u16(3) + '\0' + "ab"}), {}),                     // characters not there
        book(sst(1, {u16(2) + '\1' + "abc"}), {}),                    // half a character
        book(sst(1, {u16(4) + '\0' + "ab", ""}), {}),                 // an empty CONTINUE
        book(sst(1, {u16(2) + '\x08' + u16(0xFFFF) + "ab"}), {}),     // runs not there
        book(sst(1, {u16(2) + '\x04' + u32(0xFFFFFFF0) + "ab"}), {}), // phonetic data neither
        book(sst(2, {u16(2) + '\0' + "ab"}), {}),                     // fewer texts than counted
        book(sst(0x40000000, {u16(2) + '\0' + "ab"}), {}),            // far fewer
        book(good, labelSst(0, 1)),                                   // past the table
        book({}, labelSst(0, 0)),                                     // no table at all
        book({}, rec(0x0204, at(0, 0) + text8("abc").left(5))),       // a label cut short
        book({}, rec(0x0203, at(0, 0) + f64(1).left(7))),             // a number cut short
        book({}, rec(0x00BD, u16(0) + u16(0) + u16(0) + u32(2) + u16(3))), // MULRK count
        book({}, rec(0x00BE, u16(0) + u16(5) + u16(0) + u16(4))),          // last before first
        book(rec(0x041E, u16(170) + u16(50) + '\0' + "d"), {}),            // a format cut short
        whole.left(whole.size() - 4),                                      // the sheet never ends
        whole.left(whole.size() - 1),                                      // a record past the end
        bof(0x0005) + sst(0, {}) + kEof,                                   // no worksheet
        bof(0x0005) + rec(0x0085, u32(0) + '\0' + '\0' + '\x09' + '\0' + "S") + kEof,
        bof(0x0005) + sheetEntry(1000, 0, "S") + kEof,                     // no sheet where it says
        rec(0x0809, u16(0x0600) + u16(0x0010) + QByteArray(12, 0)) + kEof, // no globals
        QByteArray(),
    };
    for (qsizetype i = 0; i < bad.size(); ++i) {
        const tarn::ReadOutcome o = read(bad[i]);
        EXPECT_FALSE(o.sheet) << "case " << i;
        EXPECT_EQ(o.error, kRefused) << "case " << i;
    }
}

TEST(WorkbookStream, anEncryptedWorkbookNeedsItsPassword) {
    const tarn::ReadOutcome o = read(book(rec(0x002F, u16(1) + QByteArray(52, 0)), {}));
    EXPECT_FALSE(o.sheet);
    EXPECT_EQ(o.error, QStringLiteral("the workbook is protected by a password"));
}

// The first worksheet in the workbook's order, hidden or not, after a chart, a macro sheet and
// a module; a chart drawn in the sheet has cells of its own that are not the sheet's.
TEST(WorkbookStream, theFirstWorksheetIsRead) {
    const QByteArray chartInSheet =
        bof(0x0020) + rec(0x0203, at(0, 0) + f64(99)) + rec(0x0203, at(9, 0) + f64(99)) + kEof;
    const QByteArray stream =
        book({}, rec(0x0203, at(0, 0) + f64(1)) + chartInSheet + rec(0x0203, at(1, 0) + f64(2)),
             true, {2, 1, 6});
    const tarn::ReadOutcome o = read(stream);
    ASSERT_TRUE(o.sheet) << o.error.toStdString();
    EXPECT_EQ(o.sheet->name, QStringLiteral("S"));
    ASSERT_EQ(o.sheet->rows.size(), 2);
    EXPECT_EQ(cellText(o, 0, 0), QStringLiteral("1"));
    EXPECT_EQ(cellText(o, 1, 0), QStringLiteral("2"));
}

// Excel 5.0/95: 8-bit texts in the workbook's code page, in a "Book" stream whose name is
// found in any capitals.
TEST(WorkbookStream, excel95TextsInTheirCodePage) {
    const QByteArray cyrillic = "\xCF\xE8\xE2\xEE"; // "Пиво" in Windows-1251
    const auto globals = [&](quint32 sheetAt) {
        return bof(0x0005, false) + rec(0x0042, u16(1251)) +
               sheetEntry(sheetAt, 0, cyrillic, false) + kEof;
    };
    const QByteArray formula =
        rec(0x0006, at(1, 0) + QByteArray("\0\0\0\0\0\0\xFF\xFF", 8) + QByteArray(9, 0));
    const QByteArray sheet = bof(0x0010, false) + rec(0x0204, at(0, 0) + u16(4) + cyrillic) +
                             formula + rec(0x0207, u16(2) + "\xE0\xE1") + kEof;
    const QByteArray stream = globals(quint32(globals(0).size())) + sheet;
    QTemporaryDir dir;
    for (const char* name : {"Book", "BOOK", "workbook"}) {
        const QString path = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".xls"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tarn::compoundFile(stream, name).value());
        f.close();
        const tarn::ReadOutcome o = tarn::readWorkbook(path, 10, 2);
        ASSERT_TRUE(o.sheet) << name << ": " << o.error.toStdString();
        EXPECT_EQ(o.sheet->name, QStringLiteral("Пиво"));
        EXPECT_EQ(cellText(o, 0, 0), QStringLiteral("Пиво"));
        EXPECT_EQ(cellText(o, 1, 0), QStringLiteral("аб"));
    }
    // Gnumeric names code page 1200 (UTF-16) and writes the texts beyond ASCII as UTF-16.
    QByteArray gnumeric = stream;
    gnumeric.replace(gnumeric.indexOf(u16(1251)), 2, u16(1200));
    gnumeric.replace(gnumeric.indexOf(u16(4) + cyrillic), 6, u16(4) + QByteArray("\xC4\0b\0", 4));
    EXPECT_EQ(cellText(read(gnumeric), 0, 0), QStringLiteral("Äb"));
}

// xlwt splits two texts across CONTINUE records: one of 8-bit characters, one of 16-bit ones.
TEST(WorkbookStream, xlwtTextsSplitAcrossContinueRecords) {
    const tarn::ReadOutcome o = tarn::readWorkbook(bookPath("long-texts.xls"), 100, 2);
    ASSERT_TRUE(o.sheet) << o.error.toStdString();
    ASSERT_EQ(o.sheet->rows.size(), 60);
    const QString middle = QStringLiteral("abcdefghij").repeated(19);
    for (int r = 0; r < 60; ++r) {
        const QString euro = r % 2 == 0 ? QStringLiteral("€") : QString();
        EXPECT_EQ(cellText(o, r, 1), QStringLiteral("line %1 ").arg(r) + middle + euro) << r;
    }
    // The first continuation taken as 16-bit characters no longer fits its records.
    QByteArray stream = tarn::workbookStreamOf(bookPath("long-texts.xls")).value();
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const quint16 id = quint16(quint8(stream[at]) | quint8(stream[at + 1]) << 8);
        const quint16 len = quint16(quint8(stream[at + 2]) | quint8(stream[at + 3]) << 8);
        if (id == 0x003C) {
            ASSERT_EQ(stream[at + 4], '\0');
            stream[at + 4] = '\1';
            break;
        }
        at += 4 + len;
    }
    EXPECT_EQ(read(stream).error, kRefused);
}

// The rules every kind shares, in .xls: a formula whose text result never came (no STRING
// record) fails its cell, as does a text longer than a cell holds or with a control
// character; the rows past those asked for are counted while column A holds something.
TEST(WorkbookStream, refusedCellsAndTheRowsBeyond) {
    const QByteArray formulaTail = u16(0) + u32(0) + u16(3) + QByteArray(3, 0);
    const QByteArray stringResult = QByteArray("\0\0\0\0\0\0\xFF\xFF", 8);
    QByteArray longText = u16(32768) + '\0' + QByteArray(8000, 'x');
    QList<QByteArray> pieces = {longText};
    for (int left = 32768 - 8000; left > 0; left -= 8000)
        pieces.append('\0' + QByteArray(std::min(left, 8000), 'x'));
    QByteArray cells = rec(0x0006, at(0, 0) + stringResult + formulaTail) + // no STRING
                       labelSst(1, 0) + rec(0x0204, at(2, 0) + text8("a\x1F"));
    for (int r = 3; r < 8; ++r) // rows 6 and 7 lie beyond; a gap, then row 9
        cells += rec(0x0203, at(r, 0) + f64(r));
    cells += rec(0x0203, at(9, 0) + f64(9)) + rec(0x0201, at(7, 0)) + // the last write wins
             rec(0x0203, at(7, 1) + f64(1));
    const tarn::ReadOutcome o = read(book(sst(1, pieces), cells), 6);
    ASSERT_TRUE(o.sheet) << o.error.toStdString();
    const QStringList why = {
        "the formula has no stored result - open and save the file in a spreadsheet program",
        "the text is longer than the 32767 characters a cell holds",
        "the text holds the control character U+001F"};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(o.sheet->rows[r][0].kind, Kind::Refused);
        EXPECT_EQ(o.sheet->rows[r][0].text, why[r]);
    }
    EXPECT_EQ(o.sheet->rowsBeyond, 1);
}
