// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkFixture.h"
#include "TestTexts.h"

using namespace tarn;
using namespace tarn::testing;

namespace {

class Wire : public LinkFixture {
protected:
    Wire() {
        scale->latency = {};
        scale->byteTime = {};
    }
};

class WireNearAMinuteTurn : public LinkFixture {
protected:
    WireNearAMinuteTurn() : LinkFixture(seconds(59.5)) {
        scale->latency = {};
        scale->byteTime = {};
    }
};

} // namespace

TEST_F(Wire, sendsNumbersHighByteFirstInOneWrite) {
    link->txInt(200);
    link->txInt(300);
    link->txByte(0xA5);
    link->txBytes(hex("0102"));
    EXPECT_EQ(scale->fromPc(), hex("00C8"
                                   "012C"
                                   "A5"
                                   "0102"));
    const auto writes = scale->times(FakeScale::LogEntry::Kind::FromPc);
    EXPECT_EQ(writes.size(), 4u);
}

TEST_F(Wire, receivesNumbersHighByteFirst) {
    scale->send(hex("012C"));
    EXPECT_EQ(link->rxInt(), 300);
    scale->send(hex("FFFE"));
    EXPECT_EQ(link->rxInt(), 65534); // above 32767: the caller sees it is not a number it sent
    scale->send(hex("77"));
    EXPECT_EQ(link->rxByte(), 0x77);
}

TEST_F(Wire, readsTheDisplayRecord) {
    scale->send(hex("000004D2"
                    "000003E8"
                    "0012D687"));
    const auto reading = link->rxFip();
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->weight, 1234u);
    EXPECT_EQ(reading->unitPrice, 1000u);
    EXPECT_EQ(reading->totalPrice, 1234567u);
}

TEST_F(Wire, aSilentLineTimesOutAfterTheLimitPlusOneSecond) {
    Clock::Time start = clock->now();
    EXPECT_EQ(link->rxByte(), std::nullopt); // not 0: a time-out is no value
    EXPECT_DOUBLE_EQ(since(start), 2.0);

    start = clock->now();
    EXPECT_EQ(link->rxInt(), std::nullopt);
    EXPECT_DOUBLE_EQ(since(start), 2.0);

    start = clock->now();
    EXPECT_FALSE(link->rxFip());
    EXPECT_DOUBLE_EQ(since(start), 6.0);
}

TEST_F(Wire, aReceivedZeroIsAValueAndComesAtOnce) {
    const Clock::Time start = clock->now();
    scale->send(hex("00"), seconds(0.3));
    EXPECT_EQ(link->rxByte(), std::optional<quint8>(0));
    EXPECT_DOUBLE_EQ(since(start), 0.3);
}

TEST_F(Wire, moreBytesThanExpectedTimeOutAndStayWaiting) {
    scale->send(hex("7701"));
    const Clock::Time start = clock->now();
    EXPECT_EQ(link->rxByte(), std::nullopt);
    EXPECT_DOUBLE_EQ(since(start), 2.0);
    EXPECT_EQ(link->port().bytesWaiting(), 2);
    EXPECT_EQ(link->rxInt(), 0x7701); // exactly two now: taken
    EXPECT_EQ(link->port().bytesWaiting(), 0);
}

TEST_F(Wire, elevenBytesOfTheDisplayRecordLeaveNothingTaken) {
    scale->send(hex("000004D2"
                    "000003E8"
                    "0012D6"));
    const Clock::Time start = clock->now();
    EXPECT_FALSE(link->rxFip());
    EXPECT_DOUBLE_EQ(since(start), 6.0);
    EXPECT_EQ(link->port().bytesWaiting(), 11);
}

TEST_F(Wire, bytesThatTrickleInAreTakenWhenTheCountIsReached) {
    const Clock::Time start = clock->now();
    scale->send(hex("01"), seconds(0.4));
    scale->send(hex("2C"), seconds(0.9));
    EXPECT_EQ(link->rxInt(), 300);
    EXPECT_DOUBLE_EQ(since(start), 0.9);
}

TEST_F(Wire, anAnswerJustInsideTheLimitIsTakenOneJustOutsideIsNot) {
    Clock::Time start = clock->now();
    scale->send(hex("77"), seconds(1.99));
    EXPECT_EQ(link->rxByte(), 0x77);
    EXPECT_DOUBLE_EQ(since(start), 1.99);

    start = clock->now();
    scale->send(hex("77"), seconds(2.01));
    EXPECT_EQ(link->rxByte(), std::nullopt);
    EXPECT_DOUBLE_EQ(since(start), 2.0);
}

TEST_F(WireNearAMinuteTurn, aWaitAcrossTheTurnOfAMinuteIsNotCutShort) {
    // Started in second 59.5 of a minute: the old seconds-field rule ended this at 60.0.
    const Clock::Time start = clock->now();
    scale->send(hex("77"), seconds(1.2));
    EXPECT_EQ(link->rxByte(), 0x77);
    EXPECT_DOUBLE_EQ(since(start), 1.2);
    const Clock::Time again = clock->now();
    link->pause(2);
    EXPECT_DOUBLE_EQ(since(again), 2.0);
}

TEST_F(Wire, aPauseLastsItsSeconds) {
    const Clock::Time start = clock->now();
    link->pause(5);
    EXPECT_DOUBLE_EQ(since(start), 5.0);
}

TEST_F(Wire, stopEndsEveryWaitAtOnce) {
    int waits = 0;
    clock->onWait = [&] {
        if (++waits == 3)
            link->stop();
    };
    scale->send(hex("00"), seconds(0.5)); // wakes the first waits
    scale->send(hex("00"), seconds(0.6));
    const Clock::Time start = clock->now();
    EXPECT_FALSE(link->receive(3, 5));
    EXPECT_LT(since(start), 1.0);
    const Clock::Time later = clock->now();
    link->pause(5);
    EXPECT_FALSE(link->rxFip());
    EXPECT_DOUBLE_EQ(since(later), 0.0);
    link->clearStop();
    link->pause(1);
    EXPECT_DOUBLE_EQ(since(later), 1.0);
}

TEST_F(Wire, aResetEmptiesTheReceiveBuffer) {
    scale->send(hex("7777"));
    clock->advance(seconds(0.1));
    ASSERT_EQ(link->port().bytesWaiting(), 2);
    scale->send(hex("10"), seconds(0.5)); // in flight during the reset: lost
    EXPECT_FALSE(link->reset());
    EXPECT_TRUE(link->isOpen());
    EXPECT_EQ(link->port().bytesWaiting(), 0);
    clock->advance(seconds(1));
    EXPECT_EQ(link->port().bytesWaiting(), 0);
}

// Only the operator's "Open" opens a port again once it was lost or closed.
TEST_F(Wire, aResetLeavesAClosedPortClosed) {
    link->close();
    const auto message = link->reset();
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, QStringLiteral("ERROR! port is not open"));
    EXPECT_FALSE(link->isOpen());
    EXPECT_EQ(scale->times(FakeScale::LogEntry::Kind::Opened).size(), 1u);
}

TEST_F(Wire, aResetThatCannotReopenReportsAndLeavesThePortClosed) {
    QString lost;
    QObject::connect(link.get(), &ScaleLink::portLost, [&](const QString& m) { lost = m; });
    scale->failOpens(1, QStringLiteral("No such file or directory"));
    const auto message = link->reset();
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, QStringLiteral("ERROR! cannot open ttyFAKE: No such file or directory"));
    EXPECT_EQ(lost, *message);
    EXPECT_FALSE(link->isOpen());
}
