// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"
#include "RecordCodec.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::testing;

namespace {

QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}

PluRecord plu() {
    PluRecord r;
    r.pluNo = 7;
    r.itemCode = 258;
    r.name1 = QStringLiteral("ABC");
    r.name2 = QStringLiteral("ABCD");
    r.unitPrice = 1500;
    r.validDate = 3;
    r.tare = 300;
    r.groupCode = 12;
    r.messageNo = 200;
    return r;
}

} // namespace

TEST(PluNameOnWire, centresShortNamesWithTheOddSpaceOnTheRight) {
    EXPECT_EQ(pluNameOnWire(QString()), QString(28, QLatin1Char(' ')));
    EXPECT_EQ(pluNameOnWire(QStringLiteral("abc")), QString(12, QLatin1Char(' ')) +
                                                        QStringLiteral("abc") +
                                                        QString(13, QLatin1Char(' ')));
    EXPECT_EQ(pluNameOnWire(QStringLiteral("abcd")), QString(12, QLatin1Char(' ')) +
                                                         QStringLiteral("abcd") +
                                                         QString(12, QLatin1Char(' ')));
    EXPECT_EQ(pluNameOnWire(QStringLiteral("a")),
              QString(13, QLatin1Char(' ')) + QStringLiteral("a") + QString(14, QLatin1Char(' ')));
}

TEST(PluNameOnWire, keepsNamesOf28AndCutsLongerOnesFromTheFront) {
    const QString name28 = QStringLiteral("0123456789012345678901234567");
    EXPECT_EQ(pluNameOnWire(name28), name28);
    EXPECT_EQ(pluNameOnWire(QStringLiteral("XY") + name28), name28);
}

TEST(IngredLineOnWire, padsToFiftyAndCutsTheEnd) {
    EXPECT_EQ(ingredLineOnWire(QString()), QString(50, QLatin1Char(' ')));
    EXPECT_EQ(ingredLineOnWire(QStringLiteral("salt")),
              QStringLiteral("salt") + QString(46, QLatin1Char(' ')));
    const QString line52 = QString(50, QLatin1Char('x')) + QStringLiteral("YZ");
    EXPECT_EQ(ingredLineOnWire(line52), QString(50, QLatin1Char('x')));
}

TEST(EncodePluRecord, laysOutTheFieldsInWireOrder) {
    const EncodedRecord e = encodePluRecord(plu());
    ASSERT_TRUE(e.ok());
    ASSERT_EQ(e.bytes.size(), 72);
    EXPECT_EQ(e.bytes.mid(0, 4), hex("00000102"));
    EXPECT_EQ(e.bytes.mid(4, 28), spaces(12) + "ABC" + spaces(13));
    EXPECT_EQ(e.bytes.mid(32, 28), spaces(12) + "ABCD" + spaces(12));
    EXPECT_EQ(e.bytes.mid(60, 12), hex("000005DC"
                                       "0003"
                                       "012C"
                                       "000C"
                                       "00C8"));
}

TEST(EncodePluRecord, anEmptyRecordIsZerosAroundSpaces) {
    const EncodedRecord e = encodePluRecord(PluRecord{});
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(e.bytes, QByteArray(4, '\0') + spaces(56) + QByteArray(12, '\0'));
}

TEST(EncodePluRecord, sendsTheLargestValuesAndWindows1252Letters) {
    PluRecord r;
    r.itemCode = 2147483647;
    r.unitPrice = 16777216;
    r.tare = 32767;
    r.name1 = QStringLiteral("Caf\u00e9 \u20ac");
    const EncodedRecord e = encodePluRecord(r);
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(e.bytes.mid(0, 4), hex("7FFFFFFF"));
    EXPECT_EQ(e.bytes.mid(60, 4), hex("01000000"));
    EXPECT_EQ(e.bytes.mid(66, 2), hex("7FFF"));
    EXPECT_EQ(e.bytes.mid(4, 28), spaces(11) + QByteArray("Caf\xE9 \x80") + spaces(11));
}

TEST(EncodePluRecord, refusesNegativeNumbersNamingTheField) {
    struct Case {
        void (*spoil)(PluRecord&);
        const char* field;
    };
    const Case cases[] = {
        {[](PluRecord& r) { r.pluNo = -1; }, "PLU No"},
        {[](PluRecord& r) { r.itemCode = -258; }, "Item code"},
        {[](PluRecord& r) { r.unitPrice = -1; }, "U/Price"},
        {[](PluRecord& r) { r.validDate = -3; }, "Valid Date"},
        {[](PluRecord& r) { r.tare = -32768; }, "Tare"},
        {[](PluRecord& r) { r.groupCode = -1; }, "G code"},
        {[](PluRecord& r) { r.messageNo = -1; }, "Message No"},
    };
    for (const Case& c : cases) {
        PluRecord r = plu();
        c.spoil(r);
        const EncodedRecord e = encodePluRecord(r);
        EXPECT_FALSE(e.ok()) << c.field;
        EXPECT_TRUE(e.bytes.isEmpty()) << c.field;
        ASSERT_TRUE(e.problem) << c.field;
        EXPECT_EQ(e.problem->text(), QString::fromLatin1(c.field) + QStringLiteral(" is negative"));
    }
}

TEST(EncodePluRecord, refusesCharactersWithoutASingleByte) {
    PluRecord r = plu();
    r.name2 = QStringLiteral("Tea \u03a9");
    const EncodedRecord e = encodePluRecord(r);
    ASSERT_FALSE(e.ok());
    EXPECT_EQ(e.problem->text(), QStringLiteral("Item name2 has no single-byte code for '\u03a9'"));
    // A character that the cut drops does not matter.
    r.name2 = QStringLiteral("\u03a9\u03a9") + QString(28, QLatin1Char('x'));
    EXPECT_TRUE(encodePluRecord(r).ok());
}

TEST(EncodeIngredRecord, sendsEightLeftAlignedLines) {
    IngredRecord r;
    r.messageNo = 4;
    r.lines[0] = QStringLiteral("flour");
    r.lines[7] = QString(60, QLatin1Char('z'));
    const EncodedRecord e = encodeIngredRecord(r);
    ASSERT_TRUE(e.ok());
    ASSERT_EQ(e.bytes.size(), 400);
    EXPECT_EQ(e.bytes.left(50), QByteArray("flour") + spaces(45));
    EXPECT_EQ(e.bytes.mid(50, 300), spaces(300));
    EXPECT_EQ(e.bytes.mid(350), QByteArray(50, 'z'));
}

TEST(EncodeIngredRecord, refusesANegativeNumberOrAnUnencodableLine) {
    IngredRecord r;
    r.messageNo = -2;
    EXPECT_EQ(encodeIngredRecord(r).problem->text(), QStringLiteral("Message No is negative"));
    r.messageNo = 2;
    r.lines[2] = QStringLiteral("\u4e2d");
    EXPECT_EQ(encodeIngredRecord(r).problem->text(),
              QStringLiteral("Message3 has no single-byte code for '\u4e2d'"));
    // Beyond the 50 characters kept, anything goes.
    r.lines[2] = QString(50, QLatin1Char('a')) + QStringLiteral("\u4e2d");
    EXPECT_TRUE(encodeIngredRecord(r).ok());
}

TEST(DecodePluReply, readsEveryFieldAndKeepsTheSpaces) {
    const QByteArray reply = hex("0007"
                                 "0009") +
                             hex("00000102") + spaces(12) + "ABC" + spaces(13) + spaces(28) +
                             hex("000005DC"
                                 "0003"
                                 "012C"
                                 "000C"
                                 "00C8") +
                             hex("10");
    ASSERT_EQ(reply.size(), 77);
    const PluReply r = decodePluReply(reply);
    EXPECT_EQ(r.echo, 7);
    EXPECT_EQ(r.record.pluNo, 9);
    EXPECT_EQ(r.record.itemCode, 258);
    EXPECT_EQ(r.record.name1, QString(12, QLatin1Char(' ')) + QStringLiteral("ABC") +
                                  QString(13, QLatin1Char(' ')));
    EXPECT_EQ(r.record.name2, QString(28, QLatin1Char(' ')));
    EXPECT_EQ(r.record.unitPrice, 1500);
    EXPECT_EQ(r.record.validDate, 3);
    EXPECT_EQ(r.record.tare, 300);
    EXPECT_EQ(r.record.groupCode, 12);
    EXPECT_EQ(r.record.messageNo, 200);
    EXPECT_TRUE(r.closed);
    EXPECT_TRUE(r.problems.empty());
}

TEST(DecodePluReply, reportsValuesThatDoNotFitInsteadOfWrappingThem) {
    QByteArray reply = hex("0001"
                           "8000") +
                       hex("80000000") + spaces(56) +
                       hex("FFFFFFFF"
                           "0001"
                           "FFFF"
                           "7FFF"
                           "0000") +
                       hex("11");
    const PluReply r = decodePluReply(reply);
    EXPECT_FALSE(r.closed);
    EXPECT_EQ(r.record.pluNo, 0);
    EXPECT_EQ(r.record.itemCode, 0);
    EXPECT_EQ(r.record.unitPrice, 0);
    EXPECT_EQ(r.record.tare, 0);
    EXPECT_EQ(r.record.groupCode, 32767);
    ASSERT_EQ(r.problems.size(), 4u);
    EXPECT_EQ(r.problems[0].text(), QStringLiteral("PLU No is out of range: 32768"));
    EXPECT_EQ(r.problems[1].text(), QStringLiteral("Item code is out of range: 2147483648"));
    EXPECT_EQ(r.problems[2].text(), QStringLiteral("U/Price is out of range: 4294967295"));
    EXPECT_EQ(r.problems[3].text(), QStringLiteral("Tare is out of range: 65535"));
}

TEST(DecodeIngredReply, readsTheNumberAndEightFullLines) {
    QByteArray lines;
    for (int i = 0; i < 8; ++i)
        lines += QByteArray(1, char('a' + i)) + spaces(48) + QByteArray(1, '\xFC');
    const IngredReply r = decodeIngredReply(hex("0005") + lines + hex("10"));
    EXPECT_EQ(r.messageNo, 5);
    EXPECT_EQ(r.record.messageNo, 5);
    EXPECT_TRUE(r.closed);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(r.record.lines[size_t(i)], QChar(QLatin1Char(char('a' + i))) +
                                                 QString(48, QLatin1Char(' ')) +
                                                 QStringLiteral("\u00fc"));
}

TEST(DecodeIngredReply, reportsAMessageNumberAbove32767) {
    const IngredReply r = decodeIngredReply(hex("9000") + spaces(400) + hex("10"));
    EXPECT_EQ(r.messageNo, 0x9000);
    EXPECT_EQ(r.record.messageNo, 0);
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].text(), QStringLiteral("Message No is out of range: 36864"));
}
