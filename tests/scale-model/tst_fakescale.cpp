// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' in-process port over the scale model: its tables by number, and the line.

#include "FakeScale.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::testing;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

class FakeLine : public ::testing::Test {
protected:
    FakeLine() { EXPECT_FALSE(scale.open(QStringLiteral("ttyFAKE"))); }
    // What the scale sends within a second of `bytes`.
    QByteArray exchange(const QByteArray& bytes) {
        scale.write(bytes);
        clock.advance(seconds(1));
        return scale.readAll();
    }
    VirtualClock clock;
    FakeScale scale{clock};
};

} // namespace

TEST_F(FakeLine, recordsByNumberAreUploadedAsTheyStandAndDownloadsJoinThem) {
    // Even values the program's fields cannot hold come back byte for byte.
    const QByteArray odd(72, char(0xFF));
    scale.plus[3] = odd;
    EXPECT_EQ(exchange(hex("A5 05 0003")), hex("77 01 0003 0003") + odd + hex("10"));
    ASSERT_EQ(scale.replies.size(), 1u);
    EXPECT_EQ(scale.replies[0], std::make_pair(3, hex("0003 0003") + odd + hex("10")));

    const QByteArray pears = hex("00000001") + QByteArray(56, 'P') + QByteArray(12, '\0');
    EXPECT_EQ(exchange(hex("A5 02 0009") + pears), hex("77 01 0009 10"));
    EXPECT_EQ(scale.plus[9], pears);
    ASSERT_EQ(scale.received.size(), 1u);
    EXPECT_EQ(scale.received[0], std::make_pair(quint16(9), pears));
    EXPECT_EQ(exchange(hex("A5 05 0003")).mid(2, 4), hex("0003 0003")) << "record 3 stays";
}

TEST_F(FakeLine, aLateByteOutlivesAPortResetWhereAnAnswerInFlightDoesNot) {
    scale.inject({FakeScale::Step::Sync, FakeScale::Action::Late, 1, -1, seconds(0.5)});
    scale.write(hex("A5"));
    scale.close();
    EXPECT_FALSE(scale.open(QStringLiteral("ttyFAKE")));
    clock.advance(seconds(1));
    EXPECT_EQ(scale.readAll(), hex("77"));
    EXPECT_EQ(scale.straysDelivered, 1);
}

TEST_F(FakeLine, aHalfExchangeIsForgottenAfterASecondOfSilence) {
    EXPECT_EQ(exchange(hex("A5 02 00")), hex("77 01"));
    clock.advance(seconds(0.5));
    EXPECT_EQ(exchange(hex("A5")), hex("77")) << "not the number's second byte";
}

TEST_F(FakeLine, aScaleAnsweringByNumberFindsADownloadedRecordWhereverItStands) {
    const QByteArray body = hex("00000001") + QByteArray(56, 'P') + QByteArray(12, '\0');
    scale.plus = {{3, body}, {12, body}};
    scale.answerUploads(sim::UploadAnswers::ByNumber);
    EXPECT_EQ(exchange(hex("A5 02 0011") + body), hex("77 01 0011 10")); // PLU 17, in slot 1
    EXPECT_EQ(exchange(hex("A5 05 0011")).mid(2, 4), hex("0011 0011"));
    EXPECT_EQ(exchange(hex("A5 05 000C")).mid(2, 4), hex("000C 000C"));
    EXPECT_EQ(exchange(hex("A5 05 0001")).mid(2, 4), hex("0000 0000")) << "nothing numbered 1";
}
