// SPDX-License-Identifier: GPL-3.0-or-later
// Faults given on the command line: their syntax, which answer they spoil and for how long.

#include "ScaleBytes.h"
#include "ScaleProtocol.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::sim;
using namespace tarn::sim::testing;

namespace {

Fault fault(const char* faultText) {
    QString error;
    const auto f = parseFault(QString::fromLatin1(faultText), error);
    EXPECT_TRUE(f.has_value()) << faultText << ": " << error.toStdString();
    return f.value_or(Fault{});
}

ScaleTables threePlus() {
    ScaleTables m;
    for (int i = 1; i <= 3; ++i) {
        m.plu[size_t(i)].pluNo = qint16(i);
        m.ingred[size_t(i)].messageNo = qint16(i);
    }
    return m;
}

QByteArray pluBody(int itemCode) {
    QByteArray b;
    b += char(0);
    b += char(0);
    b += char(0);
    b += char(itemCode);
    return b + spaces(56) + QByteArray(12, '\0');
}

// One PLU download exchange of number n; returns what the scale answered.
QByteArray download(ScaleProtocol& scale, int n) {
    QByteArray number;
    number += char(n >> 8);
    number += char(n & 0xFF);
    scale.feed(hex("A5 02") + number + pluBody(n));
    return sent(scale);
}

} // namespace

TEST(FaultSyntax, namedFaultsFixTheirStepAndTakeTargetAndCount) {
    const Fault f = fault("silent:plu=5:times=2");
    EXPECT_EQ(f.kind, FaultKind::Silent);
    EXPECT_EQ(f.step, Step::Sync);
    EXPECT_EQ(f.target, FaultTarget::Plu);
    EXPECT_EQ(f.number, 5);
    EXPECT_EQ(f.times, 2);

    const Fault close = fault("badclose:ingred=3:times=all");
    EXPECT_EQ(close.kind, FaultKind::Wrong);
    EXPECT_EQ(close.step, Step::Closing);
    EXPECT_EQ(close.target, FaultTarget::Ingred);
    EXPECT_EQ(close.times, -1);

    const Fault delay = fault("delay:step=reply:display:ms=7000");
    EXPECT_EQ(delay.step, Step::Reply);
    EXPECT_EQ(delay.target, FaultTarget::Display);
    EXPECT_EQ(delay.delayMs, 7000);

    EXPECT_EQ(fault("extra:at=4:byte=0x7e").byte, quint8(0x7E));
    EXPECT_EQ(fault("short").step, Step::Reply);
}

TEST(FaultSyntax, refusesWhatItCannotMean) {
    for (const char* bad : {"loud", "silent:plu=x", "silent:plu=1:ingred=2", "badsync:step=reply",
                            "silent:times=0", "wrong:step=reply", "extra:byte=100", "delay:ms=-1",
                            "silent:colour=red", "silent:at=0"}) {
        QString error;
        EXPECT_FALSE(parseFault(QString::fromLatin1(bad), error).has_value()) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
}

TEST(Faults, eachKindSpoilsTheSyncAnswerItsOwnWay) {
    const std::pair<const char*, const char*> cases[] = {{"silent", ""},
                                                         {"badsync", "76"},
                                                         {"wrong:byte=00", "00"},
                                                         {"extra", "77 55"},
                                                         {"short:step=sync", ""}};
    for (auto [faultText, answer] : cases) {
        ScaleTables m;
        ScaleProtocol scale(m, {fault(faultText)});
        scale.feed(hex("A5"));
        EXPECT_BYTES(sent(scale), hex(answer)) << faultText;
        scale.feed(hex("A5"));
        EXPECT_BYTES(sent(scale), hex("77")) << faultText << " lasts one attempt";
    }
}

TEST(Faults, delayHoldsTheAnswerBackAsItsOwnBurst) {
    ScaleTables m = threePlus();
    ScaleProtocol scale(
        m, {fault("delay:step=reply:ms=3000"), fault("delay:step=closing:plu=1:ms=900")});
    scale.feed(hex("A5 05 0002"));
    std::vector<Burst> out = scale.takeOutput();
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[2].delayMs, 3000) << "a reply is held back whole";
    EXPECT_EQ(out[2].bytes.size(), 77);
    scale.feed(hex("A5 05 0001"));
    out = scale.takeOutput();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[2].bytes.size(), 76);
    EXPECT_EQ(out[3], (Burst{900, hex("10")}));
}

TEST(Faults, commandAndEchoAndClosingAnswersOfADownload) {
    ScaleTables m;
    ScaleProtocol cmd(m, {fault("badcmd")});
    cmd.feed(hex("A5 02"));
    EXPECT_BYTES(sent(cmd), hex("77 02"));

    ScaleProtocol echo(m, {fault("badecho")});
    EXPECT_BYTES(download(echo, 1), hex("77 01 0002"));
    EXPECT_EQ(m.plu[1].pluNo, 0) << "the record after a wrong echo is filler";

    ScaleProtocol closing(m, {fault("badclose")});
    EXPECT_BYTES(download(closing, 1), hex("77 01 0001 11"));

    ScaleProtocol shortEcho(m, {fault("short:step=number")});
    EXPECT_BYTES(download(shortEcho, 2), hex("77 01 00"));
    EXPECT_EQ(m.plu[2].pluNo, 0);
}

TEST(Faults, uploadRepliesCanBeShortLongOrBadlyClosed) {
    ScaleTables m = threePlus();
    ScaleProtocol scale(
        m, {fault("short:plu=1"), fault("extra:step=reply:plu=2"), fault("badclose:plu=3")});
    scale.feed(hex("A5 05 0001"));
    const QByteArray shorter = sent(scale);
    EXPECT_EQ(shorter.size(), 2 + 76);
    EXPECT_NE(shorter.right(1), hex("10")) << "the reply's last byte is its closing byte";
    scale.feed(hex("A5 05 0002"));
    const QByteArray longer = sent(scale);
    EXPECT_EQ(longer.size(), 2 + 78);
    EXPECT_EQ(longer.right(2), hex("10 55"));
    scale.feed(hex("A5 05 0003"));
    const QByteArray badlyClosed = sent(scale);
    EXPECT_EQ(badlyClosed.size(), 2 + 77);
    EXPECT_EQ(badlyClosed.right(1), hex("11"));
}

TEST(Faults, ingredientUploadGoAheadCanBeWrong) {
    ScaleTables m = threePlus();
    ScaleProtocol scale(m, {fault("badecho:ingred=2")});
    scale.feed(hex("A5 04 0002"));
    const std::vector<Burst> out = scale.takeOutput();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_BYTES(out[2].bytes, hex("01"));
}

TEST(Faults, aimedAtARecordWaitForItsNumberAndCountItsAttempts) {
    ScaleTables m;
    ScaleProtocol scale(m, {fault("badclose:plu=2:times=2")});
    EXPECT_BYTES(download(scale, 1), hex("77 01 0001 10"));
    EXPECT_BYTES(download(scale, 2), hex("77 01 0002 11"));
    EXPECT_BYTES(download(scale, 2), hex("77 01 0002 11"));
    EXPECT_BYTES(download(scale, 2), hex("77 01 0002 10"));
    EXPECT_BYTES(download(scale, 2), hex("77 01 0002 10"));
}

TEST(Faults, syncFaultsFollowTheRecordThePcIsExpectedToBeOn) {
    ScaleTables m;
    ScaleProtocol scale(m, {fault("silent:plu=3:times=2")});
    EXPECT_BYTES(download(scale, 1), hex("77 01 0001 10"));
    EXPECT_BYTES(download(scale, 2), hex("77 01 0002 10"));
    // Record 3 is next: its sync goes unanswered twice, each retry still being record 3.
    scale.feed(hex("A5"));
    EXPECT_BYTES(sent(scale), QByteArray());
    scale.lineIdle();
    scale.feed(hex("A5"));
    EXPECT_BYTES(sent(scale), QByteArray());
    scale.lineIdle();
    EXPECT_BYTES(download(scale, 3), hex("77 01 0003 10"));
}

TEST(Faults, commandFaultOfARetriedRecordHitsTheRetry) {
    ScaleTables m = threePlus();
    ScaleProtocol scale(m, {fault("badcmd:plu=2:times=1")});
    scale.feed(hex("A5 05 0001"));
    EXPECT_EQ(sent(scale).size(), 79);
    scale.feed(hex("A5 05"));
    EXPECT_BYTES(sent(scale), hex("77 02")) << "record 1 finished, so record 2 is next";
    scale.lineIdle();
    scale.feed(hex("A5 05 0002"));
    EXPECT_EQ(sent(scale).size(), 79);

    ScaleProtocol retry(m, {fault("badcmd:plu=1:times=2")});
    retry.feed(hex("A5 05"));
    EXPECT_BYTES(sent(retry), hex("77 02"));
    retry.lineIdle();
    retry.feed(hex("A5 05"));
    EXPECT_BYTES(sent(retry), hex("77 02"));
    retry.lineIdle();
    retry.feed(hex("A5 05 0001"));
    EXPECT_EQ(sent(retry).size(), 79);
}

TEST(Faults, exchangeOrdinalCountsEverySyncByte) {
    ScaleTables m;
    ScaleProtocol scale(m, {fault("badsync:at=3")});
    scale.feed(hex("A5 06"));
    sent(scale);
    scale.feed(hex("A5"));
    EXPECT_BYTES(sent(scale), hex("77"));
    scale.feed(hex("A5"));
    EXPECT_BYTES(sent(scale), hex("76"));
    scale.feed(hex("A5"));
    EXPECT_BYTES(sent(scale), hex("77"));
}

TEST(Faults, displayFaultLeavesOtherExchangesAlone) {
    ScaleTables m = threePlus();
    ScaleProtocol scale(m, {fault("short:display:times=all")});
    scale.feed(hex("A5 05 0001"));
    EXPECT_EQ(sent(scale).size(), 79);
    scale.feed(hex("A5 06"));
    EXPECT_EQ(sent(scale).size(), 1 + 11);
    scale.feed(hex("A5 06"));
    EXPECT_EQ(sent(scale).size(), 1 + 11);
}

TEST(Faults, faultsAreNamedInTheLog) {
    ScaleTables m;
    ScaleProtocol scale(m, {fault("badsync")});
    scale.feed(hex("A5"));
    EXPECT_TRUE(scale.takeLog().contains("# fault badsync at sync"));
}

// Faults the tests give in-process, beyond what the command line names.

namespace {
Fault inProcess(FaultKind kind, Step step) {
    Fault f;
    f.kind = kind;
    f.step = step;
    return f;
}
} // namespace

TEST(Faults, lateSendsTheAnswerThenItsLastByteOnceMoreAsAStray) {
    ScaleTables m;
    Fault late = inProcess(FaultKind::Late, Step::Closing);
    late.delayMs = 700;
    ScaleProtocol scale(m, {late});
    scale.feed(hex("A5 02 0001") + pluBody(1));
    const std::vector<Burst> out = scale.takeOutput();
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[3], (Burst{0, hex("10")}));
    EXPECT_EQ(out[4], (Burst{700, hex("10"), true}));
    EXPECT_EQ(m.plu[1].pluNo, 1);
}

TEST(Faults, wrongTurnsTheFirstByteOfAReplyOrTheByteItNames) {
    ScaleTables m = threePlus();
    Fault named = inProcess(FaultKind::Wrong, Step::Reply);
    named.flipAt = 77 + 2; // counted round the 77 bytes
    ScaleProtocol scale(m, {inProcess(FaultKind::Wrong, Step::Reply), named});
    scale.feed(hex("A5 05 0001"));
    EXPECT_BYTES(sent(scale).mid(2, 4), hex("FF01 0001"));
    scale.feed(hex("A5 05 0002"));
    EXPECT_BYTES(sent(scale).mid(2, 4), hex("0002 FF02"));
}

TEST(Faults, aimedAtARecordNumberTheyHitEitherTableAndSilenceTheWholeReply) {
    ScaleTables m = threePlus();
    Fault f = inProcess(FaultKind::Silent, Step::Reply);
    f.target = FaultTarget::Record;
    f.number = 2;
    f.times = -1;
    ScaleProtocol scale(m, {f});
    scale.feed(hex("A5 05 0001"));
    EXPECT_EQ(sent(scale).size(), 79);
    scale.feed(hex("A5 05 0002"));
    EXPECT_BYTES(sent(scale), hex("77 01"));
    scale.feed(hex("A5 04 0002"));
    EXPECT_BYTES(sent(scale), hex("77 01 00"));
    scale.feed(hex("A5 06"));
    EXPECT_EQ(sent(scale).size(), 13);
}
