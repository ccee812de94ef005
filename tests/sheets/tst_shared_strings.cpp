// The shared-string table of a workbook is checked before FreeXL reads it: texts split across
// CONTINUE records still import, and a table whose lengths run past its records is refused.

#include "CompoundFile.h"
#include "SheetTestSupport.h"
#include "Workbook.h"
#include "WorkbookStream.h"

#include <QFile>

using tarn::StreamCheck;

namespace {

// The little-endian bytes of a 16- or 32-bit number.
QByteArray u16(quint32 v) {
    return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF);
}
QByteArray u32(quint32 v) {
    return u16(v & 0xFFFF) + u16(v >> 16);
}

// A shared-string table header: reference count, then unique count.
QByteArray counts(quint32 total, quint32 unique) {
    return u32(total) + u32(unique);
}

std::optional<quint32> countOf(const QList<QByteArray>& pieces) {
    QList<QByteArrayView> views;
    for (const QByteArray& p : pieces)
        views.append(p);
    return tarn::sharedStringCount(views);
}

struct Record {
    quint16 id;
    qsizetype data; // where the record's data starts in the stream
    quint16 len;
};

// Every record of a workbook stream, in order.
QList<Record> recordsOf(const QByteArray& s) {
    QList<Record> out;
    for (qsizetype at = 0; at + 4 <= s.size();) {
        const quint16 id = quint16(quint8(s[at]) | quint8(s[at + 1]) << 8);
        const quint16 len = quint16(quint8(s[at + 2]) | quint8(s[at + 3]) << 8);
        out.append({id, at + 4, len});
        at += 4 + len;
    }
    return out;
}

QByteArray streamOf(const QString& path) {
    const std::optional<QByteArray> stream = tarn::workbookStreamOf(path);
    EXPECT_TRUE(stream) << path.toStdString();
    return stream.value_or(QByteArray());
}

// Reads a workbook stream put into a compound file of its own, as a file would hold it.
tarn::ReadOutcome readStream(const QTemporaryDir& dir, const QByteArray& stream) {
    const std::optional<QByteArray> file = tarn::compoundFile(stream, "Workbook");
    EXPECT_TRUE(file);
    const QString path = dir.filePath(QStringLiteral("stream.xls"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(file.value_or(QByteArray()));
    f.close();
    return tarn::readWorkbook(path, 201, 9);
}

QString corpusPath(const char* name) {
    return QStringLiteral(SHEETS_TEST_SOURCE "/../../fuzz/corpus/fuzz_workbook/") +
           QString::fromLatin1(name);
}

} // namespace

TEST(SharedStrings, holdTogetherInOneRecord) {
    // "ab" of 8-bit characters, "€1" of 16-bit ones, and an empty text.
    const QByteArray table = counts(5, 3) + u16(2) + '\0' + "ab" + u16(2) + '\1' +
                             QByteArray::fromHex("ac203100") + u16(0) + '\0';
    EXPECT_EQ(countOf({table}), 3u);
    EXPECT_EQ(countOf({counts(0, 0)}), 0u);
    // Formatting runs (4 bytes each) and phonetic data follow the characters.
    const QByteArray rich = counts(1, 1) + u16(2) + '\x0C' + u16(2) + u32(3) + "ab" +
                            QByteArray(8, '\x01') + QByteArray(3, '\x02');
    EXPECT_EQ(countOf({rich}), 1u);
}

TEST(SharedStrings, followTextsAcrossContinueRecords) {
    // 8-bit characters going on as 16-bit ones after the record boundary, and back.
    EXPECT_EQ(countOf({counts(1, 1) + u16(4) + '\0' + "ab", QByteArray("\1c\0d\0", 5)}), 1u);
    EXPECT_EQ(countOf({counts(1, 1) + u16(3) + '\1' + QByteArray("a\0", 2), QByteArray("\0bc", 3)}),
              1u);
    // The header fills the record; every character is in the next one, after its option byte.
    EXPECT_EQ(countOf({counts(2, 2) + u16(2) + '\0', QByteArray("\0ab", 3) + u16(1) + '\0' + "c"}),
              2u);
    // A text begins a CONTINUE record: no option byte in front of its header.
    EXPECT_EQ(countOf({counts(2, 2) + u16(1) + '\0' + "a", u16(1) + '\1' + QByteArray("b\0", 2)}),
              2u);
    // Formatting runs and phonetic data go on without an option byte.
    EXPECT_EQ(
        countOf({counts(1, 1) + u16(1) + '\x0C' + u16(1) + u32(2) + "a" + "\1\1", "\1\1\2\2"}), 1u);
}

TEST(SharedStrings, refuseLengthsBeyondTheirRecords) {
    const QByteArray good = counts(1, 1) + u16(2) + '\0' + "ab";
    ASSERT_EQ(countOf({good}), 1u);
    const QList<QList<QByteArray>> bad = {
        {counts(1, 1) + u16(0xBBBB) + '\0' + "ab"},                // characters claimed, not there
        {counts(1, 1) + u16(2) + '\1' + "ab"},                     // 16-bit: 4 bytes needed
        {counts(1, 1) + u16(2) + '\x08' + u16(0xFFFF) + "ab"},     // formatting runs missing
        {counts(1, 1) + u16(2) + '\x04' + u32(0xFFFFFFF0) + "ab"}, // phonetic data missing
        {counts(1, 1) + u16(2) + '\x08' + "\1"},                   // run count cut off
        {counts(1, 1) + u16(2), QByteArray("\0ab", 3)},            // header split
        {counts(1, 1) + u16(2) + '\1' + "a", "\1b\0"},             // half a character
        {counts(1, 1) + u16(4) + '\0' + "ab"},                     // no CONTINUE to go on in
        {counts(1, 1) + u16(4) + '\0' + "ab", ""},                 // an empty one
        {counts(2, 2) + u16(2) + '\0' + "ab"},                     // fewer texts than counted
        {good + u16(1) + '\0' + "c"},                              // more texts than counted
        {good, QByteArray(1, '\0')},                               // bytes left over
        {counts(0x80000000, 1) + u16(2) + '\0' + "ab"},            // counts beyond 32-bit signed
        {counts(1, 0x80000000) + u16(2) + '\0' + "ab"},
        {QByteArray("\1\0\0\0\1\0\0", 7)}, // counts cut off
        {},
    };
    for (qsizetype i = 0; i < bad.size(); ++i)
        EXPECT_EQ(countOf(bad[i]), std::nullopt) << "case " << i;
}

// xlwt splits two texts across CONTINUE records: one of 8-bit characters, one of 16-bit ones.
TEST(SharedStrings, textsSplitAcrossContinueRecordsImport) {
    const QByteArray stream = streamOf(bookPath("long-texts.xls"));
    const QList<Record> records = recordsOf(stream);
    qsizetype sst = 0;
    while (sst < records.size() && records[sst].id != 0x00FC)
        ++sst;
    ASSERT_LT(sst + 2, records.size());
    const Record first = records[sst + 1];
    const Record second = records[sst + 2];
    ASSERT_EQ(first.id, 0x003C);
    ASSERT_EQ(second.id, 0x003C);
    // Both begin inside a text, with the option byte of its remaining characters.
    EXPECT_EQ(stream.mid(first.data, 5), QByteArray("\0ine ", 5));
    EXPECT_EQ(stream.mid(second.data, 5), QByteArray("\1a\0b\0", 5));
    EXPECT_EQ(tarn::checkWorkbookStream(stream), StreamCheck::Sound);

    const tarn::ReadOutcome read = tarn::readWorkbook(bookPath("long-texts.xls"), 100, 2);
    ASSERT_TRUE(read.sheet) << read.error.toStdString();
    ASSERT_EQ(read.sheet->rows.size(), 60);
    const QString middle = QStringLiteral("abcdefghij").repeated(19);
    for (int r = 0; r < 60; ++r) {
        const QString euro = r % 2 == 0 ? QStringLiteral("€") : QString();
        EXPECT_EQ(read.sheet->rows[r][1].text, QStringLiteral("line %1 ").arg(r) + middle + euro)
            << "row " << r;
    }

    // The first continuation taken as 16-bit characters no longer fits its records.
    QByteArray wide = stream;
    wide[first.data] = '\1';
    EXPECT_EQ(tarn::checkWorkbookStream(wide), StreamCheck::SharedStrings);
    QTemporaryDir dir;
    EXPECT_EQ(readStream(dir, wide).error, QStringLiteral("not a workbook it can read"));
}

// Workbooks the fuzzer found: a damaged character count sends FreeXL reading past its buffer.
TEST(SharedStrings, theStoredOverReadsAreRefusedBeforeFreeXl) {
    for (const char* name : {"freexl-overread-fb6549b8c95dae564ae36f5efe6b129ea127c3fa",
                             "freexl-overread-fbba1a0f59d4ae06fb6ae56b24d6a172a8831de0",
                             "freexl-overread-ffe13e9c64f7a0bdf07f7b134930174a334647f0"}) {
        const QString path = corpusPath(name);
        ASSERT_TRUE(QFile::exists(path)) << name;
        EXPECT_EQ(tarn::checkWorkbookStream(streamOf(path)), StreamCheck::SharedStrings) << name;
        const tarn::ReadOutcome read = tarn::readWorkbook(path, 201, 9);
        EXPECT_FALSE(read.sheet) << name;
        EXPECT_EQ(read.error, QStringLiteral("not a workbook it can read")) << name;
    }
    for (const char* name : {"seed-plu.xls", "seed-ingred.xls", "seed-formulas.xls"})
        EXPECT_EQ(tarn::checkWorkbookStream(streamOf(corpusPath(name))), StreamCheck::Sound)
            << name;
    for (const char* name : {"mixed.xls", "many.xls", "ingred.xls", "two-sheets.xls"})
        EXPECT_EQ(tarn::checkWorkbookStream(streamOf(bookPath(name))), StreamCheck::Sound) << name;
}

// FreeXL also copies the texts of number formats, fonts, sheet names and text cells by the
// count they claim; a count that runs past its record is refused first.
TEST(SharedStrings, aTextLongerThanItsRecordIsRefusedBeforeFreeXl) {
    for (const char* name : {"freexl-format-overread-001a689e00ecf1b004d39cf9df7d167e5676ceee",
                             "freexl-format-overread-c18e65bb1c7938a43c7dad9cf846257f69eec230"}) {
        const QString path = corpusPath(name);
        ASSERT_TRUE(QFile::exists(path)) << name;
        EXPECT_EQ(tarn::checkWorkbookStream(streamOf(path)), StreamCheck::Damaged) << name;
        EXPECT_EQ(tarn::readWorkbook(path, 201, 9).error,
                  QStringLiteral("not a workbook it can read"))
            << name;
    }
    const QByteArray stream = streamOf(bookPath("mixed.xls"));
    ASSERT_EQ(tarn::checkWorkbookStream(stream), StreamCheck::Sound);
    for (const quint16 id : {quint16(0x041E), quint16(0x0031), quint16(0x0085)}) {
        const auto records = recordsOf(stream);
        const auto r = std::find_if(records.begin(), records.end(),
                                    [id](const Record& x) { return x.id == id; });
        ASSERT_NE(r, records.end()) << id;
        const qsizetype count = r->data + (id == 0x041E ? 2 : id == 0x0031 ? 14 : 6);
        QByteArray longer = stream;
        longer[count] = char(quint8(longer[count]) + 1); // one character more than the record has
        EXPECT_EQ(tarn::checkWorkbookStream(longer), StreamCheck::Damaged) << id;
    }
}

TEST(SharedStrings, aTextCellMustNameAStringOfTheTable) {
    const QByteArray stream = streamOf(bookPath("mixed.xls"));
    ASSERT_EQ(tarn::checkWorkbookStream(stream), StreamCheck::Sound);
    qsizetype label = -1;
    quint32 unique = 0;
    for (const Record& r : recordsOf(stream)) {
        if (r.id == 0x00FC)
            unique = quint32(quint8(stream[r.data + 4])) | quint32(quint8(stream[r.data + 5])) << 8;
        if (r.id == 0x00FD && label < 0)
            label = r.data;
    }
    ASSERT_GE(label, 0);
    ASSERT_GT(unique, 0u);
    QByteArray patched = stream;
    patched.replace(label + 6, 4, u32(unique - 1)); // the last string: fine
    EXPECT_EQ(tarn::checkWorkbookStream(patched), StreamCheck::Sound);
    patched.replace(label + 6, 4, u32(unique)); // one past it
    EXPECT_EQ(tarn::checkWorkbookStream(patched), StreamCheck::SharedStrings);
    QTemporaryDir dir;
    EXPECT_EQ(readStream(dir, patched).error, QStringLiteral("not a workbook it can read"));
    // A cut-off stream is damage of another kind.
    EXPECT_EQ(tarn::checkWorkbookStream(stream.left(label)), StreamCheck::Damaged);
}
