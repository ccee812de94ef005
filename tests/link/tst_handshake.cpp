// SPDX-License-Identifier: GPL-3.0-or-later
#include "Handshake.h"
#include "LinkFixture.h"
#include "RecordCodec.h"
#include "TestTexts.h"

using namespace tarn;
using namespace tarn::testing;
using Kind = FakeScale::LogEntry::Kind;
using Outcome = Handshake::Outcome;

namespace {

// The ingredient upload's reading of a reply: message number 0 (or over 200) is the end.
Handshake::Verdict endAtMessageZero(const QByteArray& r) {
    const int m = quint8(r[0]) << 8 | quint8(r[1]);
    return m == 0 || m > 200 ? Handshake::Verdict::EndOfData : Handshake::Verdict::Accept;
}

// The status line as the operator would see it, with the virtual time of each text.
class StatusLog : public StatusSink {
public:
    explicit StatusLog(const Clock& clock) : clock_(clock) {}
    void status(const QString& text) override {
        texts.push_back(text);
        at.push_back(std::chrono::duration<double>(clock_.now()).count());
    }
    std::vector<QString> texts;
    std::vector<double> at;

private:
    const Clock& clock_;
};

std::vector<double> inSeconds(const std::vector<Clock::Time>& times) {
    std::vector<double> out;
    for (Clock::Time t : times)
        out.push_back(std::chrono::duration<double>(t).count());
    return out;
}

class HandshakeTest : public LinkFixture {
protected:
    HandshakeTest() : status(*clock) {}

    QByteArray pluRecord(qint16 number, const char* name) {
        PluRecord r;
        r.pluNo = number;
        r.name1 = QString::fromLatin1(name);
        r.unitPrice = 1500;
        return encodePluRecord(r).bytes;
    }
    Handshake::Result downloadPlu(Handshake& h, int index, quint16 number) {
        return h.download(index, number, pluRecord(qint16(number), "Apples"),
                          [&] { status.status(QStringLiteral("done")); });
    }
    Handshake::Result uploadPlu(Handshake& h, quint16 number) {
        return h.upload(
            number, number,
            [number](const QByteArray& reply) {
                return decodePluReply(reply).echo == number ? Handshake::Verdict::Accept
                                                            : Handshake::Verdict::EndOfData;
            },
            [&](const QByteArray&) { status.status(QStringLiteral("stored")); });
    }
    // Seconds at which the PC sent the sync byte.
    std::vector<double> syncTimes() const {
        std::vector<double> out;
        for (const auto& e : scale->log())
            if (e.kind == Kind::FromPc && e.bytes == hex("A5"))
                out.push_back(std::chrono::duration<double>(e.at).count());
        return out;
    }
    std::vector<double> closeTimes() const { return inSeconds(scale->times(Kind::Closed)); }
    std::vector<double> openTimes() const { return inSeconds(scale->times(Kind::Opened)); }

    StatusLog status;
};

} // namespace

TEST_F(HandshakeTest, aPluRecordGoesThroughAndThePortIsResetAfterIt) {
    Handshake h(*link, status, exchanges::pluDownload());
    const QByteArray record = pluRecord(7, "Apples");
    bool doneBeforeReset = false;
    const auto result = h.download(3, 7, record, [&] {
        doneBeforeReset = scale->times(Kind::Closed).empty();
        status.status(QStringLiteral("plu#3 is transfered"));
    });
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_TRUE(doneBeforeReset);
    EXPECT_EQ(scale->fromPc(), hex("A5"
                                   "02"
                                   "0007") +
                                   record);
    ASSERT_EQ(scale->received.size(), 1u);
    EXPECT_EQ(scale->received[0].first, 7);
    EXPECT_EQ(scale->received[0].second, record);
    EXPECT_EQ(status.texts, texts({"plu#3 is transfered"}));
    EXPECT_EQ(closeTimes().size(), 1u);
    EXPECT_EQ(openTimes().size(), 2u); // the first open and the reset
    EXPECT_TRUE(link->isOpen());
}

TEST_F(HandshakeTest, silentScaleAbandonsAPluDownloadAfterFiveRetries) {
    scale->silent();
    Handshake h(*link, status, exchanges::pluDownload());
    const auto result = downloadPlu(h, 3, 7);
    EXPECT_EQ(result.outcome, Outcome::Abandoned);
    EXPECT_EQ(result.message, QStringLiteral("Sync error PLU No : 3"));
    EXPECT_EQ(status.texts,
              texts({"Sync error PLU No : 3", "Retry #1", "Sync error PLU No : 3", "Retry #2",
                     "Sync error PLU No : 3", "Retry #3", "Sync error PLU No : 3", "Retry #4",
                     "Sync error PLU No : 3", "Retry #5", "Sync error PLU No : 3"}));
    // Each sync waits 2 s; then a pause of 5 s, then the port reset, then the next sync.
    EXPECT_EQ(syncTimes(), (std::vector<double>{0, 7, 14, 21, 28, 35}));
    EXPECT_EQ(status.at, (std::vector<double>{2, 2, 9, 9, 16, 16, 23, 23, 30, 30, 37}));
    EXPECT_EQ(closeTimes(), (std::vector<double>{7, 14, 21, 28, 35}));
    EXPECT_EQ(scale->fromPc(), QByteArray(6, char(0xA5)));
}

TEST_F(HandshakeTest, silentScaleAbandonsAnUploadAfterFourRetriesWithTwoSecondPauses) {
    scale->silent();
    Handshake h(*link, status, exchanges::ingredUpload());
    const auto result = h.upload(1, 1, nullptr, nullptr);
    EXPECT_EQ(result.outcome, Outcome::Abandoned);
    EXPECT_EQ(status.texts, texts({"Sync error", "Retry #1", "Sync error", "Retry #2", "Sync error",
                                   "Retry #3", "Sync error", "Retry #4", "Sync error"}));
    EXPECT_EQ(syncTimes(), (std::vector<double>{0, 4, 8, 12, 16}));
    EXPECT_EQ(closeTimes(), (std::vector<double>{4, 8, 12, 16}));
}

TEST_F(HandshakeTest, aWrongCommandAnswerResetsThePortBeforeTheFiveSecondPause) {
    scale->latency = {};
    scale->byteTime = {};
    scale->inject({FakeScale::Step::Command, FakeScale::Action::Wrong});
    Handshake h(*link, status, exchanges::pluDownload());
    EXPECT_EQ(downloadPlu(h, 1, 1).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"Download command error", "Retry #1", "done"}));
    ASSERT_EQ(closeTimes().size(), 2u);
    EXPECT_EQ(closeTimes()[0], 0.0);
    EXPECT_EQ(syncTimes(), (std::vector<double>{0, 5}));
    EXPECT_EQ(h.retries(), 0); // set back after the record
}

TEST_F(HandshakeTest, aMissingClosingByteIsCountedAndRetriedAfterResetAndPause) {
    scale->latency = {};
    scale->byteTime = {};
    scale->inject({FakeScale::Step::Closing, FakeScale::Action::Silent, 2});
    Handshake h(*link, status, exchanges::pluDownload());
    EXPECT_EQ(downloadPlu(h, 4, 9).outcome, Outcome::Done);
    EXPECT_EQ(status.texts,
              texts({"SyncOK error", "Retry #1", "SyncOK error", "Retry #2", "done"}));
    // closing waits 2 s, reset, 5 s pause: the syncs come 7 s apart
    EXPECT_EQ(syncTimes(), (std::vector<double>{0, 7, 14}));
    EXPECT_EQ(scale->received.size(), 3u);
}

TEST_F(HandshakeTest, aClosingByteWithAnExtraByteIsNotTaken) {
    scale->byteTime = {}; // both bytes arrive together
    scale->inject({FakeScale::Step::Closing, FakeScale::Action::Extra});
    Handshake h(*link, status, exchanges::pluDownload());
    EXPECT_EQ(downloadPlu(h, 1, 1).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"SyncOK error", "Retry #1", "done"}));
}

TEST_F(HandshakeTest, aStrayByteAfterTheClosingByteDoesNotReachTheNextRecord) {
    scale->inject({FakeScale::Step::Closing, FakeScale::Action::Extra});
    Handshake h(*link, status, exchanges::pluDownload());
    EXPECT_EQ(downloadPlu(h, 1, 1).outcome, Outcome::Done);
    EXPECT_EQ(downloadPlu(h, 2, 2).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"done", "done"}));
}

TEST_F(HandshakeTest, aWrongEchoSendsAZeroRecordAndRestartsAtOnceUncounted) {
    scale->inject({FakeScale::Step::Number, FakeScale::Action::Wrong});
    Handshake h(*link, status, exchanges::pluDownload());
    const QByteArray record = pluRecord(7, "Apples");
    const auto result = h.download(2, 7, record, nullptr);
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"PLU # is not same"}));
    EXPECT_EQ(scale->fromPc(), hex("A5"
                                   "02"
                                   "0007") +
                                   QByteArray(72, '\0') +
                                   hex("A5"
                                       "02"
                                       "0007") +
                                   record);
    EXPECT_EQ(closeTimes().size(), 1u); // only the reset after the record
    ASSERT_EQ(scale->received.size(), 1u);
    EXPECT_EQ(scale->received[0].second, record);
}

// A silent scale echoes no number, not even the 0 of an empty slot: a counted failure with
// the port reset and the pause, and no record (nor filler) sent on that attempt.
TEST_F(HandshakeTest, noEchoIsACountedFailureWhateverTheNumber) {
    scale->latency = {};
    scale->byteTime = {};
    scale->inject({FakeScale::Step::Number, FakeScale::Action::Silent});
    Handshake h(*link, status, exchanges::pluDownload());
    const QByteArray record = pluRecord(0, "");
    EXPECT_EQ(h.download(4, 0, record, nullptr).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"PLU # is not same", "Retry #1"}));
    EXPECT_EQ(scale->fromPc(), hex("A5"
                                   "02"
                                   "0000"
                                   "A5"
                                   "02"
                                   "0000") +
                                   record);
    // The echo waits 2 s, then the reset and a pause of 5 s.
    EXPECT_EQ(syncTimes(), (std::vector<double>{0, 7}));
    EXPECT_EQ(h.retries(), 0); // set back after the record
}

TEST_F(HandshakeTest, anIngredientDownloadFillsWith400Zeros) {
    scale->inject({FakeScale::Step::Number, FakeScale::Action::Wrong});
    Handshake h(*link, status, exchanges::ingredDownload());
    IngredRecord r;
    r.messageNo = 12;
    r.lines[0] = QStringLiteral("sugar");
    const QByteArray record = encodeIngredRecord(r).bytes;
    EXPECT_EQ(h.download(5, 12, record, nullptr).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"Message # is not same"}));
    EXPECT_EQ(scale->fromPc(), hex("A5"
                                   "00"
                                   "000C") +
                                   QByteArray(400, '\0') +
                                   hex("A5"
                                       "00"
                                       "000C") +
                                   record);
}

TEST_F(HandshakeTest, endlessWrongEchoesEndAfterTenRestarts) {
    scale->inject({FakeScale::Step::Number, FakeScale::Action::Wrong, -1});
    Handshake h(*link, status, exchanges::pluDownload());
    const auto result = downloadPlu(h, 3, 7);
    EXPECT_EQ(result.outcome, Outcome::RestartsExhausted);
    EXPECT_EQ(result.message, QStringLiteral("ERROR! plu#3: no valid answer after 10 restarts"));
    EXPECT_EQ(status.texts.back(), result.message);
    EXPECT_EQ(status.texts.size(), 12u); // 11 mismatches, then the message
    EXPECT_EQ(syncTimes().size(), 11u);
    EXPECT_EQ(h.retries(), 0);
}

TEST_F(HandshakeTest, anUploadReplyWithAWrongLastByteIsRequestedAgainUncounted) {
    scale->plus[5] = pluRecord(5, "Pears");
    scale->inject({FakeScale::Step::Closing, FakeScale::Action::Wrong, 10});
    Handshake h(*link, status, exchanges::pluUpload());
    const auto result = uploadPlu(h, 5);
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_EQ(status.texts.size(), 11u);
    EXPECT_EQ(status.texts.front(), QStringLiteral("SyncOK error"));
    EXPECT_EQ(status.texts.back(), QStringLiteral("stored"));
    EXPECT_EQ(h.retries(), 0);
    EXPECT_EQ(closeTimes().size(), 1u);
    const PluReply reply = decodePluReply(result.reply);
    EXPECT_EQ(reply.echo, 5);
    EXPECT_EQ(reply.record.name1, pluNameOnWire(QStringLiteral("Pears")));

    scale->inject({FakeScale::Step::Closing, FakeScale::Action::Wrong, -1});
    EXPECT_EQ(uploadPlu(h, 5).outcome, Outcome::RestartsExhausted);
    EXPECT_EQ(status.texts.back(),
              QStringLiteral("ERROR! plu#5: no valid answer after 10 restarts"));
}

TEST_F(HandshakeTest, aShortPluReplyTimesOutAndIsRetriedAfterAResetWithoutPause) {
    scale->plus[1] = pluRecord(1, "Plums");
    scale->inject({FakeScale::Step::Reply, FakeScale::Action::Short});
    Handshake h(*link, status, exchanges::pluUpload());
    EXPECT_EQ(uploadPlu(h, 1).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"Receive PLU time out", "Retry #1", "stored"}));
    const auto syncs = syncTimes();
    ASSERT_EQ(syncs.size(), 2u);
    // The reply wait starts when the number is sent and lasts 5 s; the sync follows the reset.
    const auto numberSent = inSeconds({scale->log()[4].at})[0];
    EXPECT_DOUBLE_EQ(closeTimes()[0], numberSent + 5.0);
    EXPECT_DOUBLE_EQ(syncs[1], closeTimes()[0]);
}

TEST_F(HandshakeTest, thePluUploadCountsFailuresOverTheWholeTransfer) {
    for (quint16 n = 1; n <= 5; ++n)
        scale->plus[n] = pluRecord(qint16(n), "x");
    // Each record's first command answer is wrong.
    scale->inject({FakeScale::Step::Command, FakeScale::Action::Wrong, 1});
    Handshake h(*link, status, exchanges::pluUpload());
    Outcome last = Outcome::Done;
    int n = 1;
    for (; n <= 5 && last == Outcome::Done; ++n) {
        if (n > 1)
            scale->inject({FakeScale::Step::Command, FakeScale::Action::Wrong, 1});
        last = uploadPlu(h, quint16(n)).outcome;
    }
    EXPECT_EQ(last, Outcome::Abandoned);
    EXPECT_EQ(n - 1, 5);
    EXPECT_EQ(status.texts.back(), QStringLiteral("Upload command error"));
}

TEST_F(HandshakeTest, theIngredientUploadSetsItsCounterBackAfterEachRecord) {
    for (quint16 n = 1; n <= 5; ++n)
        scale->ingreds[n] = QByteArray(400, char('a' + n));
    Handshake h(*link, status, exchanges::ingredUpload());
    for (quint16 n = 1; n <= 5; ++n) {
        scale->inject({FakeScale::Step::Sync, FakeScale::Action::Wrong, 1});
        QByteArray got;
        const auto result = h.upload(n, n, nullptr, [&](const QByteArray& r) { got = r; });
        ASSERT_EQ(result.outcome, Outcome::Done) << n;
        const IngredReply reply = decodeIngredReply(got);
        EXPECT_EQ(reply.messageNo, n);
        EXPECT_EQ(reply.record.lines[7], QString(50, QLatin1Char(char('a' + n))));
    }
    EXPECT_EQ(status.texts.size(), 10u);
    EXPECT_EQ(status.texts[8], QStringLiteral("Sync error"));
    EXPECT_EQ(status.texts[9], QStringLiteral("Retry #1"));
}

TEST_F(HandshakeTest, aWrongGoAheadIsAnUploadCommandError) {
    scale->ingreds[2] = QByteArray(400, 'q');
    scale->inject({FakeScale::Step::Number, FakeScale::Action::Wrong});
    Handshake h(*link, status, exchanges::ingredUpload());
    EXPECT_EQ(h.upload(2, 2, nullptr, nullptr).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"Upload command error", "Retry #1"}));
    const auto syncs = syncTimes();
    ASSERT_EQ(syncs.size(), 2u);
    EXPECT_DOUBLE_EQ(syncs[1] - closeTimes()[0], 5.0);
}

TEST_F(HandshakeTest, anIngredientReplyIsTakenWholeHoweverTheLineSplitsIt) {
    scale->ingreds[3] = QByteArray(400, 'r');
    Handshake h(*link, status, exchanges::ingredUpload());
    for (Clock::Time pace : {Clock::Time::zero(), Clock::Time(1042), Clock::Time(5000)}) {
        scale->byteTime = pace;
        QByteArray got;
        const auto result = h.upload(3, 3, nullptr, [&](const QByteArray& r) { got = r; });
        ASSERT_EQ(result.outcome, Outcome::Done);
        ASSERT_EQ(got.size(), 403);
        EXPECT_EQ(got.left(2), hex("0003"));
        EXPECT_EQ(got.back(), '\x10');
    }
    EXPECT_TRUE(status.texts.empty());
}

TEST_F(HandshakeTest, aMissingIngredientReplyIsCountedAsATimeOutWithResetAndNoPause) {
    scale->ingreds[3] = QByteArray(400, 'r');
    scale->inject({FakeScale::Step::Reply, FakeScale::Action::Silent});
    Handshake h(*link, status, exchanges::ingredUpload());
    EXPECT_EQ(h.upload(3, 3, nullptr, nullptr).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"Receive INGRED time out", "Retry #1"}));
    const auto syncs = syncTimes();
    ASSERT_EQ(syncs.size(), 2u);
    ASSERT_FALSE(closeTimes().empty());
    EXPECT_DOUBLE_EQ(syncs[1], closeTimes()[0]);
    // The wait for the reply starts at the go-ahead byte and lasts 5 s (limit 4).
    const auto goAhead = scale->times(Kind::ToPc)[2];
    EXPECT_NEAR(closeTimes()[0] - std::chrono::duration<double>(goAhead).count(), 5.0, 0.01);
}

TEST_F(HandshakeTest, aMissingGoAheadIsAnUploadCommandErrorAfterTheByteLimit) {
    scale->ingreds[3] = QByteArray(400, 'r');
    scale->inject({FakeScale::Step::Number, FakeScale::Action::Silent});
    scale->inject({FakeScale::Step::Reply, FakeScale::Action::Silent});
    Handshake h(*link, status, exchanges::ingredUpload());
    EXPECT_EQ(h.upload(3, 3, nullptr, nullptr).outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"Upload command error", "Retry #1"}));
    const auto number = inSeconds(scale->times(Kind::FromPc))[2];
    EXPECT_NEAR(closeTimes()[0] - number, 2.0, 0.01);
    EXPECT_DOUBLE_EQ(syncTimes()[1] - closeTimes()[0], 5.0);
}

TEST_F(HandshakeTest, aWholeIngredientReplyWithAStrayByteBehindItIsTakenAndTheStrayDrained) {
    scale->byteTime = {}; // the reply comes in one piece, so the count passes 403 at once
    scale->ingreds[3] = QByteArray(400, 'r');
    scale->inject({FakeScale::Step::Reply, FakeScale::Action::Extra});
    Handshake h(*link, status, exchanges::ingredUpload());
    QByteArray got;
    EXPECT_EQ(h.upload(3, 3, nullptr, [&](const QByteArray& r) { got = r; }).outcome,
              Outcome::Done);
    EXPECT_EQ(got, hex("0003") + QByteArray(400, 'r') + hex("10"));
    EXPECT_TRUE(status.texts.empty());
    EXPECT_EQ(syncTimes().size(), 1u);
    EXPECT_EQ(link->port().bytesWaiting(), 0);
}

// The scale's end (message number 0) with more bytes behind it than a reply holds: taken by
// its first two bytes at once, not after five time-outs.
TEST_F(HandshakeTest, anEndMarkWithMoreBytesThanAReplyEndsTheIngredientUploadAtOnce) {
    scale->byteTime = {};
    scale->inject({FakeScale::Step::Reply, FakeScale::Action::Extra}); // 00 00, 400 blanks, 10, EE
    Handshake h(*link, status, exchanges::ingredUpload());
    const auto result = h.upload(9, 9, endAtMessageZero, nullptr);
    EXPECT_EQ(result.outcome, Outcome::EndOfData);
    EXPECT_EQ(result.reply.left(2), hex("0000"));
    EXPECT_LT(since(Clock::Time::zero()), 1.0);
    EXPECT_TRUE(status.texts.empty());
    EXPECT_EQ(link->port().bytesWaiting(), 0);
}

TEST_F(HandshakeTest, anEndMarkOfTwoBytesEndsTheIngredientUploadAtOnce) {
    // A scale that sends only the go-ahead and the number 0 at the end.
    scale->inject({FakeScale::Step::Reply, FakeScale::Action::Silent});
    bool sent = false;
    clock->onWait = [&] {
        if (!sent && scale->fromPc().endsWith(hex("A5040009"))) {
            sent = true;
            scale->send(hex("0000"), Clock::Time(3000));
        }
    };
    Handshake h(*link, status, exchanges::ingredUpload());
    const auto result = h.upload(9, 9, endAtMessageZero, nullptr);
    EXPECT_EQ(result.outcome, Outcome::EndOfData);
    EXPECT_EQ(result.reply, hex("0000"));
    EXPECT_LT(since(Clock::Time::zero()), 1.0);
    EXPECT_TRUE(status.texts.empty());
}

TEST_F(HandshakeTest, aReplyThatFailsTheCheckIsACountedFailure) {
    scale->plus[4] = pluRecord(4, "Pears");
    Handshake h(*link, status, exchanges::pluUpload());
    int checks = 0;
    const auto result =
        h.upload(4, 4, nullptr, nullptr, [&](const QByteArray&) -> std::optional<QString> {
            if (++checks == 1)
                return QStringLiteral("ERROR! plu#4: U/Price is out of range");
            return std::nullopt;
        });
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_EQ(status.texts, texts({"ERROR! plu#4: U/Price is out of range", "Retry #1"}));
    EXPECT_EQ(h.retries(), 1);
}

TEST_F(HandshakeTest, theEndOfTheScalesDataEndsWithoutResetOrRetry) {
    Handshake h(*link, status, exchanges::pluUpload());
    const auto result = uploadPlu(h, 9);
    EXPECT_EQ(result.outcome, Outcome::EndOfData);
    EXPECT_EQ(decodePluReply(result.reply).echo, 0); // the echo of a record not held
    EXPECT_TRUE(status.texts.empty());
    EXPECT_TRUE(closeTimes().empty());
}

TEST_F(HandshakeTest, aResetThatCannotReopenEndsTheRecordWithAMessage) {
    scale->inject({FakeScale::Step::Command, FakeScale::Action::Wrong});
    scale->failOpens(1, QStringLiteral("Device or resource busy"));
    // The loss is reported once, as the link's, after the texts before it.
    QObject::connect(link.get(), &ScaleLink::portLost, [&](const QString& m) { status.status(m); });
    Handshake h(*link, status, exchanges::pluDownload());
    const auto result = downloadPlu(h, 1, 1);
    EXPECT_EQ(result.outcome, Outcome::PortLost);
    EXPECT_EQ(result.message,
              QStringLiteral("ERROR! cannot open ttyFAKE: Device or resource busy"));
    EXPECT_EQ(status.texts, texts({"Download command error", "Retry #1",
                                   "ERROR! cannot open ttyFAKE: Device or resource busy"}));
    EXPECT_FALSE(link->isOpen());
}

TEST_F(HandshakeTest, aFailedResetAfterARecordIsReportedToo) {
    Handshake h(*link, status, exchanges::pluDownload());
    scale->failOpens(1, QStringLiteral("Input/output error"));
    QObject::connect(link.get(), &ScaleLink::portLost, [&](const QString& m) { status.status(m); });
    const auto result = downloadPlu(h, 1, 1);
    EXPECT_EQ(result.outcome, Outcome::PortLost);
    EXPECT_EQ(status.texts, texts({"done", "ERROR! cannot open ttyFAKE: Input/output error"}));
}

// A port lost while a step waits for the scale (here the echo) ends the record with one text
// for its end, not with the text of a step that could not run.
TEST_F(HandshakeTest, aPortLostDuringAStepEndsWithoutThatStepsText) {
    clock->onWait = [&, lost = false]() mutable {
        if (!lost && scale->fromPc().endsWith(hex("0001"))) {
            lost = true;
            scale->fail(QStringLiteral("Input/output error"));
        }
    };
    Handshake h(*link, status, exchanges::pluDownload());
    const auto result = downloadPlu(h, 1, 1);
    EXPECT_EQ(result.outcome, Outcome::PortLost);
    EXPECT_EQ(status.texts, texts({"ERROR! port is not open"}));
}

TEST_F(HandshakeTest, stopEndsARunningRetryAtOnce) {
    scale->silent();
    clock->onWait = [&] {
        if (clock->now() >= seconds(2)) // the first pause begins
            link->stop();
    };
    Handshake h(*link, status, exchanges::pluDownload());
    const auto result = downloadPlu(h, 1, 1);
    EXPECT_EQ(result.outcome, Outcome::Stopped);
    EXPECT_DOUBLE_EQ(since(Clock::Time::zero()), 2.0);
    // The pause ends; the reset after it still empties the line (the fake scale's port has no
    // flush of its own: it is closed and reopened).
    EXPECT_EQ(scale->times(Kind::Closed), std::vector<Clock::Time>{seconds(2)});
    EXPECT_TRUE(link->isOpen());
    EXPECT_EQ(status.texts, texts({"Sync error PLU No : 1", "Retry #1"}));
}

TEST(ExchangeDescriptions, carryTheScalesByteValuesAndLimits) {
    const auto d1 = exchanges::pluDownload();
    EXPECT_EQ(d1.command, 0x02);
    EXPECT_EQ(d1.recordBytes, 72);
    EXPECT_EQ(d1.retryLimit, 5);
    const auto d2 = exchanges::ingredDownload();
    EXPECT_EQ(d2.command, 0x00);
    EXPECT_EQ(d2.recordBytes, 400);
    EXPECT_EQ(d2.syncErrorText(12), QStringLiteral("Sync error Message No : 12"));
    const auto u1 = exchanges::pluUpload();
    EXPECT_EQ(u1.command, 0x05);
    EXPECT_EQ(u1.recordBytes, 77);
    EXPECT_EQ(u1.retryLimit, 4);
    const auto u2 = exchanges::ingredUpload();
    EXPECT_EQ(u2.command, 0x04);
    EXPECT_EQ(u2.recordBytes, 403);
}

class DisplayTest : public LinkFixture {};

TEST_F(DisplayTest, readsTheThreeValues) {
    scale->display = {1234, 1000, 2000};
    const DisplayAnswer a = readDisplay(*link);
    EXPECT_TRUE(a.synced);
    ASSERT_TRUE(a.reading);
    EXPECT_EQ(*a.reading, (DisplayReading{1234, 1000, 2000}));
    EXPECT_EQ(scale->fromPc(), hex("A5"
                                   "06"));
    EXPECT_TRUE(scale->times(Kind::Closed).empty());
}

TEST_F(DisplayTest, aSilentScaleEndsTheReadWithoutTheCommand) {
    scale->silent();
    const DisplayAnswer a = readDisplay(*link);
    EXPECT_FALSE(a.synced);
    EXPECT_EQ(scale->fromPc(), hex("A5"));
    EXPECT_DOUBLE_EQ(since(Clock::Time::zero()), 2.0);
}

TEST_F(DisplayTest, aShortRecordGivesNoReadingAfterSixSeconds) {
    scale->inject({FakeScale::Step::Reply, FakeScale::Action::Short});
    const Clock::Time start = clock->now();
    const DisplayAnswer a = readDisplay(*link);
    EXPECT_TRUE(a.synced);
    EXPECT_FALSE(a.reading);
    EXPECT_GT(since(start), 6.0);
    EXPECT_LT(since(start), 6.1);
}
