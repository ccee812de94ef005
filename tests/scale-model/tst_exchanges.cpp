// SPDX-License-Identifier: GPL-3.0-or-later
// The scale's answers to each exchange, byte for byte, fed without a terminal.

#include "ScaleBytes.h"
#include "ScaleProtocol.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::sim;
using namespace tarn::sim::testing;

namespace {

ScaleTables tablesWith(PluRecord plu, IngredRecord ingred) {
    ScaleTables m;
    m.plu[1] = std::move(plu);
    m.ingred[1] = std::move(ingred);
    return m;
}

PluRecord apple() {
    return {7, 258, "ABC", "ABCD", 1500, 3, 300, 2, 9};
}

QByteArray appleBody() {
    return hex("00000102") + spaces(12) + "ABC" + spaces(13) + spaces(12) + "ABCD" + spaces(12) +
           hex("000005DC 0003 012C 0002 0009");
}

IngredRecord sugar() {
    IngredRecord r;
    r.messageNo = 4;
    r.lines = {"SUGAR", "", "", "", "", "", "", "SALT"};
    return r;
}

QByteArray sugarBody() {
    return "SUGAR" + spaces(45) + spaces(300) + "SALT" + spaces(46);
}

} // namespace

TEST(Exchanges, syncIsAnsweredWith77AndEachCommandWith01) {
    for (const char* command : {"02", "00", "05", "04"}) {
        ScaleTables m;
        ScaleProtocol scale(m);
        scale.feed(hex("A5"));
        EXPECT_BYTES(sent(scale), hex("77"));
        scale.feed(hex(command));
        EXPECT_BYTES(sent(scale), hex("01")) << command;
    }
}

TEST(Exchanges, displayReadSendsTheTwelveByteRecordBigEndian) {
    ScaleTables m;
    m.weight = 1234;
    m.unitPrice = 1000;
    m.totalPrice = 1234567;
    ScaleProtocol scale(m);
    scale.feed(hex("A5 06"));
    EXPECT_BYTES(sent(scale), hex("77 000004D2 000003E8 0012D687"));
    EXPECT_FALSE(scale.midExchange());
}

TEST(Exchanges, pluDownloadEchoesTheNumberStoresTheRecordAndCloses) {
    ScaleTables m;
    ScaleProtocol scale(m);
    scale.feed(hex("A5 02 0007"));
    EXPECT_BYTES(sent(scale), hex("77 01 0007"));
    scale.feed(appleBody().left(71));
    EXPECT_BYTES(sent(scale), QByteArray());
    scale.feed(appleBody().right(1));
    EXPECT_BYTES(sent(scale), hex("10"));
    EXPECT_TRUE(scale.takeTablesChanged());
    const PluRecord& got = m.plu[1];
    EXPECT_EQ(got.pluNo, 7);
    EXPECT_EQ(got.itemCode, 258);
    EXPECT_EQ(got.name1, QString(12, ' ') + "ABC" + QString(13, ' '));
    EXPECT_EQ(got.name2, QString(12, ' ') + "ABCD" + QString(12, ' '));
    EXPECT_EQ(got.unitPrice, 1500);
    EXPECT_EQ(got.validDate, 3);
    EXPECT_EQ(got.tare, 300);
    EXPECT_EQ(got.groupCode, 2);
    EXPECT_EQ(got.messageNo, 9);
}

TEST(Exchanges, downloadReplacesTheSameNumberElseTakesTheFirstEmptySlot) {
    ScaleTables m;
    m.plu[1].pluNo = 5;
    m.plu[3].pluNo = 7;
    ScaleProtocol scale(m);
    scale.feed(hex("A5 02 0007") + appleBody());
    EXPECT_EQ(m.plu[3].itemCode, 258);
    scale.feed(hex("A5 02 0008") + appleBody());
    EXPECT_EQ(m.plu[2].pluNo, 8);
    EXPECT_EQ(m.plu[4].pluNo, 0);
}

TEST(Exchanges, ingredientDownloadStoresEightLines) {
    ScaleTables m;
    ScaleProtocol scale(m);
    scale.feed(hex("A5 00 0004") + sugarBody());
    EXPECT_BYTES(sent(scale), hex("77 01 0004 10"));
    EXPECT_EQ(m.ingred[1].messageNo, 4);
    EXPECT_EQ(m.ingred[1].lines[0], "SUGAR" + QString(45, ' '));
    EXPECT_EQ(m.ingred[1].lines[7], "SALT" + QString(46, ' '));
}

TEST(Exchanges, recordNumberedZeroIsAcknowledgedButNotKept) {
    ScaleTables m;
    ScaleProtocol scale(m);
    scale.feed(hex("A5 02 0000") + hex("00000000") + spaces(56) + zeros(12));
    EXPECT_BYTES(sent(scale), hex("77 01 0000 10"));
    EXPECT_EQ(m.plu[1], PluRecord{});
    EXPECT_FALSE(scale.takeTablesChanged());
}

TEST(Exchanges, recordThatCannotBeKeptIsNotAcknowledged) {
    ScaleTables full;
    for (int i = 1; i <= 200; ++i)
        full.plu[size_t(i)].pluNo = qint16(1000 + i);
    ScaleProtocol scale(full);
    scale.feed(hex("A5 02 0007") + appleBody());
    EXPECT_BYTES(sent(scale), hex("77 01 0007 00"));

    ScaleTables m;
    ScaleProtocol tooBig(m);
    QByteArray body = appleBody();
    body[60] = char(0x80); // unit price above 2147483647
    tooBig.feed(hex("A5 02 0007") + body);
    EXPECT_BYTES(sent(tooBig), hex("77 01 0007 00"));
    EXPECT_EQ(m.plu[1], PluRecord{});
}

TEST(Exchanges, pluUploadRepliesWithEchoNumberRecordAndClosingByte) {
    ScaleTables m = tablesWith(apple(), sugar());
    ScaleProtocol scale(m);
    scale.feed(hex("A5 05 0001"));
    const QByteArray reply = hex("77 01") + hex("0001 0007") + appleBody() + hex("10");
    EXPECT_EQ(reply.size(), 2 + 77);
    EXPECT_BYTES(sent(scale), reply);
}

TEST(Exchanges, pluUploadOfAnEmptyOrMissingSlotEchoesAnotherNumber) {
    ScaleTables m = tablesWith(apple(), sugar());
    ScaleProtocol scale(m);
    const QByteArray emptyRecord = hex("0000 00000000") + spaces(56) + zeros(12) + hex("10");
    scale.feed(hex("A5 05 0002"));
    EXPECT_BYTES(sent(scale), hex("77 01 0000") + emptyRecord);
    scale.feed(hex("A5 05 00C9")); // 201
    EXPECT_BYTES(sent(scale), hex("77 01 0000") + emptyRecord);
    scale.feed(hex("A5 05 0000"));
    EXPECT_BYTES(sent(scale), hex("77 01 0001") + emptyRecord);
}

TEST(Exchanges, ingredientUploadSendsGoAheadThenReplyAfterAGap) {
    ScaleTables m = tablesWith(apple(), sugar());
    ScaleProtocol scale(m, {}, 30);
    scale.feed(hex("A5 04 0001"));
    const std::vector<Burst> out = scale.takeOutput();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[2], (Burst{0, hex("00")}));
    EXPECT_EQ(out[3].delayMs, 30);
    EXPECT_EQ(out[3].bytes.size(), 403);
    EXPECT_BYTES(out[3].bytes, hex("0004") + sugarBody() + hex("10"));
}

TEST(Exchanges, ingredientUploadOfAnEmptySlotCarriesMessageNumberZero) {
    ScaleTables m = tablesWith(apple(), sugar());
    ScaleProtocol scale(m);
    scale.feed(hex("A5 04 0002"));
    EXPECT_BYTES(sent(scale), hex("77 01 00 0000") + spaces(400) + hex("10"));
}

TEST(Exchanges, fillerAfterADownloadIsSwallowedWithoutAnswer) {
    ScaleTables m;
    ScaleProtocol scale(m);
    scale.feed(hex("A5 02 0007") + zeros(72));
    EXPECT_BYTES(sent(scale), hex("77 01 0007"));
    EXPECT_EQ(m.plu[1], PluRecord{});
    scale.feed(hex("A5"));
    EXPECT_BYTES(sent(scale), hex("77"));
}

TEST(Exchanges, syncWhereACommandOrNumberIsDueStartsAgain) {
    ScaleTables m;
    ScaleProtocol scale(m);
    scale.feed(hex("A5 A5 02 A5 02 0007") + appleBody());
    EXPECT_BYTES(sent(scale), hex("77 77 01 77 01 0007 10"));
    EXPECT_EQ(m.plu[1].pluNo, 7);
}

TEST(Exchanges, bytesOutsideAnExchangeAndUnknownCommandsGetNoAnswer) {
    ScaleTables m;
    ScaleProtocol scale(m);
    scale.feed(hex("00 10 77"));
    EXPECT_BYTES(sent(scale), QByteArray());
    scale.feed(hex("A5 09 02"));
    EXPECT_BYTES(sent(scale), hex("77"));
    EXPECT_FALSE(scale.midExchange());
}

TEST(Exchanges, quietLineInTheMiddleOfARecordDropsTheExchange) {
    ScaleTables m;
    ScaleProtocol scale(m);
    scale.feed(hex("A5 02 0007") + appleBody().left(10));
    EXPECT_TRUE(scale.midExchange());
    scale.lineIdle();
    EXPECT_FALSE(scale.midExchange());
    sent(scale);
    scale.feed(hex("A5 06"));
    EXPECT_EQ(sent(scale).size(), 13);
}

TEST(Exchanges, repliesAndRecordsTakenAreToldAsTheyGo) {
    ScaleTables m = tablesWith(apple(), sugar());
    ScaleProtocol scale(m);
    std::vector<std::pair<int, QByteArray>> replies;
    std::vector<std::pair<int, QByteArray>> taken;
    scale.onReply = [&](int n, const QByteArray& b) { replies.emplace_back(n, b); };
    scale.onRecordTaken = [&](int n, const QByteArray& b) { taken.emplace_back(n, b); };
    const QByteArray empty = hex("00000000") + spaces(56) + zeros(12);
    scale.feed(hex("A5 05 0001 A5 06 A5 02 0000") + empty + hex("A5 02 0003") + zeros(72));
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0], std::make_pair(1, hex("0001 0007") + appleBody() + hex("10")));
    EXPECT_EQ(replies[1].first, -1);
    EXPECT_EQ(replies[1].second.size(), 12);
    EXPECT_EQ(taken, (std::vector<std::pair<int, QByteArray>>{{0, empty}})) << "not the filler";
}

TEST(Exchanges, logShowsEachUnitWithItsDirection) {
    ScaleTables m = tablesWith(apple(), sugar());
    ScaleProtocol scale(m);
    scale.feed(hex("17 A5 06 17 18"));
    scale.lineIdle();
    scale.feed(hex("A5 02 0003") + zeros(72));
    QStringList lines;
    for (const QString& line : scale.takeLog())
        if (!line.startsWith('#'))
            lines << line;
    const QString filler = "pc> " + QStringList(72, "00").join(' ');
    EXPECT_EQ(lines.join('\n').toStdString(), "pc> 17\n"
                                              "pc> A5\n"
                                              "sc> 77\n"
                                              "pc> 06\n"
                                              "sc> 00 00 04 D2 00 00 03 E8 00 00 04 D2\n"
                                              "pc> 17 18\n"
                                              "pc> A5\n"
                                              "sc> 77\n"
                                              "pc> 02\n"
                                              "sc> 01\n"
                                              "pc> 00 03\n"
                                              "sc> 00 03\n" +
                                                  filler.toStdString());
}

TEST(Exchanges, recordsTravelInTheScalesCodePage) {
    PluRecord r;
    r.pluNo = 1;
    r.name1 = QString::fromUtf8("CAF\u00c9 \u20ac");
    r.name2 = QString(30, 'x').replace(0, 2, "AB");
    IngredRecord in;
    in.messageNo = 1;
    in.lines[0] = QString(52, 'y');
    ScaleTables m = tablesWith(r, in);
    ScaleProtocol scale(m);
    scale.feed(hex("A5 05 0001"));
    const QByteArray plu = sent(scale);
    EXPECT_BYTES(plu.mid(2 + 8, 28), spaces(11) + hex("434146C9 2080") + spaces(11));
    EXPECT_BYTES(plu.mid(2 + 36, 28), QByteArray(28, 'x'));
    scale.feed(hex("A5 04 0001"));
    EXPECT_BYTES(sent(scale).mid(2 + 1 + 2, 50), QByteArray(50, 'y'));
}

// A scale that answers an upload request for n with its record numbered n, wherever it stands.
class ByNumber : public ::testing::Test {
protected:
    ByNumber() {
        m.plu[1] = apple(); // PLU 7
        m.plu[2] = {500, 1, "PEAR", "", 250, 0, 0, 0, 0};
        m.plu[7] = {3, 1, "PLUM", "", 120, 0, 0, 0, 0};
        m.ingred[2] = sugar(); // message 4
        m.ingred[4].messageNo = 9;
        scale.setUploadAnswers(UploadAnswers::ByNumber);
    }
    ScaleTables m;
    ScaleProtocol scale{m};
};

TEST_F(ByNumber, anUploadAnswersWithTheRecordOfThatNumberInAnySlot) {
    scale.feed(hex("A5 05 0007"));
    EXPECT_BYTES(sent(scale), hex("77 01 0007 0007") + appleBody() + hex("10"));
    scale.feed(hex("A5 05 01F4")); // 500, beyond the last slot
    EXPECT_BYTES(sent(scale).mid(2, 4), hex("01F4 01F4"));
    scale.feed(hex("A5 04 0004"));
    EXPECT_BYTES(sent(scale), hex("77 01 00 0004") + sugarBody() + hex("10"));
}

TEST_F(ByNumber, aNumberNoRecordCarriesGetsTheEmptyReplyWhateverItsSlotHolds) {
    const QByteArray emptyRecord = hex("0000 00000000") + spaces(56) + zeros(12) + hex("10");
    scale.feed(hex("A5 05 0001")); // slot 1 holds PLU 7
    EXPECT_BYTES(sent(scale), hex("77 01 0000") + emptyRecord);
    scale.feed(hex("A5 05 0000"));
    EXPECT_BYTES(sent(scale), hex("77 01 0001") + emptyRecord);
    scale.feed(hex("A5 04 0002")); // slot 2 holds message 4
    EXPECT_BYTES(sent(scale), hex("77 01 00 0000") + spaces(400) + hex("10"));
}

TEST_F(ByNumber, aDownloadedRecordTakesTheSlotOfItsNumberElseTheFirstFreeAndAnswersAfter) {
    scale.feed(hex("A5 02 0003") + appleBody());
    EXPECT_EQ(m.plu[7].itemCode, 258) << "PLU 3 stays in slot 7";
    scale.feed(hex("A5 02 0008") + appleBody());
    EXPECT_EQ(m.plu[3].pluNo, 8);
    sent(scale);
    scale.feed(hex("A5 05 0008"));
    EXPECT_BYTES(sent(scale), hex("77 01 0008 0008") + appleBody() + hex("10"));
}
