// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestTexts.h"
#include "Transfers.h"

#include "RecordCodec.h"
#include "TransferBench.h"
#include "WorkspaceTransfers.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Failing comparisons show the texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using namespace tarn;
using namespace tarn::testing;
using Kind = FakeScale::LogEntry::Kind;
using Step = FakeScale::Step;
using Action = FakeScale::Action;

namespace {

// The bench's workspace and link, with helpers to fill the tables and read the scale's log.
class TransfersTest : public ::testing::Test, protected TransferBench {
protected:
    TransfersTest() { EXPECT_TRUE(opened); }

    void withFile() { ws.setFilePath(QStringLiteral("/tmp/table.PLU")); }
    void pluRows(int count) {
        for (int i = 1; i <= count; ++i) {
            PluRecord& r = ws.plu.records[size_t(i)];
            r.pluNo = qint16(100 + i);
            r.name1 = QStringLiteral("Item %1").arg(i);
            r.unitPrice = 1000 + i;
        }
        ws.plu.count = qint16(count);
    }
    void ingredRows(int count) {
        for (int i = 1; i <= count; ++i) {
            IngredRecord& r = ws.ingred.records[size_t(i)];
            r.messageNo = qint16(50 + i);
            r.lines[0] = QStringLiteral("Line one of %1").arg(i);
            r.lines[7] = QStringLiteral("Line eight");
        }
        ws.ingred.count = qint16(count);
    }
    static DownloadOptions range(const char* start, const char* end) {
        return {DownloadExtent::Range, QStringLiteral("1"), QString::fromLatin1(start),
                QString::fromLatin1(end)};
    }
    static DownloadOptions one(const char* n) {
        return {DownloadExtent::One, QString::fromLatin1(n), {}, {}};
    }
    static UploadOptions upOne(const char* n) {
        return {UploadExtent::One, QString::fromLatin1(n)};
    }
    // Seconds at which the PC sent the sync byte, and at which the port closed.
    std::vector<double> syncTimes() const {
        std::vector<double> out;
        for (const auto& e : scale->log())
            if (e.kind == Kind::FromPc && e.bytes == hex("A5"))
                out.push_back(secs(e.at));
        return out;
    }
    std::vector<double> closeTimes() const {
        std::vector<double> out;
        for (Clock::Time t : scale->times(Kind::Closed))
            out.push_back(secs(t));
        return out;
    }
    QByteArray pluBytes(const PluRecord& r) { return encodePluRecord(r).bytes; }
};

// ---- Downloads -------------------------------------------------------------------------
// The retry, pause and time-out rules of each step are the handshake's, tested there; these
// tests keep what a transfer adds: extents, tables, refusals, texts between records.

TEST_F(TransfersTest, silentScaleAbandonsAnIngredientDownloadWithItsOwnText) {
    withFile();
    ingredRows(1);
    scale->silent();
    const auto r = downloadIngred(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::Abandoned);
    EXPECT_EQ(status.size(), 11u);
    EXPECT_EQ(status.front(), QStringLiteral("Sync error Message No : 1"));
    EXPECT_EQ(status[9], QStringLiteral("Retry #5"));
    EXPECT_EQ(status.back(), QStringLiteral("Sync error Message No : 1"));
}

TEST_F(TransfersTest, allPluSendsEverySlotInOrderAndEndsWithTheEnd) {
    withFile();
    pluRows(3);
    std::vector<std::pair<int, int>> progress;
    const auto r = downloadPlu(ws, *link, {},
                               [&](int done, int total) { progress.emplace_back(done, total); });
    EXPECT_EQ(r.outcome, TransferOutcome::Finished);
    EXPECT_EQ(r.records, 3);
    EXPECT_EQ(status, texts({"plu#1 is transfered", "plu#2 is transfered", "plu#3 is transfered",
                             " THE END "}));
    ASSERT_EQ(scale->received.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(scale->received[size_t(i)].first, 101 + i);
        EXPECT_EQ(scale->received[size_t(i)].second, pluBytes(ws.plu.records[size_t(i + 1)]));
    }
    // Every record is its own exchange, and the port is reset after each.
    EXPECT_EQ(scale->fromPc().left(4), hex("A5020065"));
    EXPECT_EQ(closeTimes().size(), 3u);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(TransfersTest, aStartAboveTheEndIsValidAndSendsNothing) {
    withFile();
    pluRows(10);
    EXPECT_EQ(downloadPlu(ws, *link, range("5", "3")).outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({" THE END "}));
    EXPECT_TRUE(scale->fromPc().isEmpty());
}

TEST_F(TransfersTest, anEndAboveTheCountIsNotValid) {
    withFile();
    pluRows(10);
    ingredRows(10);
    EXPECT_EQ(downloadPlu(ws, *link, range("1", "11")).outcome, TransferOutcome::Refused);
    EXPECT_EQ(downloadIngred(ws, *link, range("11", "1")).outcome, TransferOutcome::Refused);
    EXPECT_EQ(status, texts({"PLU Range is not valid", "INGRED Range is not valid"}));
    EXPECT_TRUE(scale->fromPc().isEmpty());
}

TEST_F(TransfersTest, anEmptyTableRefusesEvenAll) {
    withFile();
    EXPECT_EQ(downloadPlu(ws, *link, {}).outcome, TransferOutcome::Refused);
    EXPECT_EQ(status, texts({"PLU Range is not valid"}));
}

TEST_F(TransfersTest, numberBoxesThatAreNoTableRowAreNotValid) {
    withFile();
    pluRows(5);
    ingredRows(5);
    for (const char* text : {"abc", "0", "-1", "1.5", "", "2x", "99999"}) {
        status.clear();
        EXPECT_EQ(downloadPlu(ws, *link, one(text)).outcome, TransferOutcome::Refused) << text;
        EXPECT_EQ(downloadPlu(ws, *link, range(text, "2")).outcome, TransferOutcome::Refused);
        EXPECT_EQ(downloadIngred(ws, *link, range("1", text)).outcome, TransferOutcome::Refused);
        EXPECT_EQ(status, texts({"PLU Range is not valid", "PLU Range is not valid",
                                 "INGRED Range is not valid"}))
            << text;
    }
    EXPECT_TRUE(scale->fromPc().isEmpty());
    // Blanks around a number are allowed.
    status.clear();
    EXPECT_EQ(downloadPlu(ws, *link, one(" 2 ")).outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"plu#2 is transfered", " THE END "}));
}

TEST_F(TransfersTest, onePluSendsTheSlotsOwnPluNumber) {
    withFile();
    pluRows(5);
    ws.plu.records[4].pluNo = 42;
    EXPECT_EQ(downloadPlu(ws, *link, one("4")).outcome, TransferOutcome::Finished);
    EXPECT_EQ(scale->fromPc().left(4), hex("A502002A"));
    ASSERT_EQ(scale->received.size(), 1u);
    EXPECT_EQ(scale->received[0].first, 42);
    EXPECT_EQ(status, texts({"plu#4 is transfered", " THE END "}));
}

TEST_F(TransfersTest, anEmptySlotInTheExtentIsSentWithNumberZero) {
    withFile();
    pluRows(3);
    ws.plu.records[2] = PluRecord{};
    EXPECT_EQ(downloadPlu(ws, *link, {}).outcome, TransferOutcome::Finished);
    ASSERT_EQ(scale->received.size(), 3u);
    EXPECT_EQ(scale->received[1].first, 0);
    EXPECT_EQ(scale->received[1].second,
              QByteArray(4, '\0') + QByteArray(56, ' ') + QByteArray(12, '\0'));
}

TEST_F(TransfersTest, noFileRefusesBothDownloads) {
    pluRows(3);
    ingredRows(3);
    EXPECT_EQ(downloadPlu(ws, *link, {}).outcome, TransferOutcome::Refused);
    EXPECT_EQ(downloadIngred(ws, *link, {}).outcome, TransferOutcome::Refused);
    EXPECT_EQ(status, texts({"ERROR! select plu files", "ERROR! select ingred files"}));
    EXPECT_TRUE(scale->fromPc().isEmpty());
}

TEST_F(TransfersTest, aWrongEchoGetsAZeroFillerAndIsNotCounted) {
    withFile();
    pluRows(1);
    ingredRows(1);
    scale->inject({Step::Number, Action::Wrong, 1, 101});
    scale->inject({Step::Number, Action::Wrong, 1, 51});
    EXPECT_EQ(downloadPlu(ws, *link, {}).outcome, TransferOutcome::Finished);
    EXPECT_EQ(downloadIngred(ws, *link, {}).outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"PLU # is not same", "plu#1 is transfered", " THE END ",
                             "Message # is not same", "Message#1 is transfered", " THE END "}));
    const QByteArray pc = scale->fromPc();
    const QByteArray plu = pluBytes(ws.plu.records[1]);
    EXPECT_EQ(pc.left(4 + 72 + 4), hex("A5020065") + QByteArray(72, '\0') + hex("A5020065"));
    const qsizetype ingredStart = 2 * (4 + 72);
    EXPECT_EQ(pc.mid(ingredStart, 4 + 400 + 1),
              hex("A5000033") + QByteArray(400, '\0') + hex("A5"));
    EXPECT_EQ(scale->received.size(), 2u);
    EXPECT_EQ(scale->received[0].second, plu);
}

TEST_F(TransfersTest, aRecordThatCannotGoOnTheLineRefusesTheDownloadBeforeAnyByte) {
    withFile();
    pluRows(3);
    ingredRows(3);
    ws.plu.records[2].tare = -5;
    ws.ingred.records[3].lines[1] = QStringLiteral("Ω");
    EXPECT_EQ(downloadPlu(ws, *link, {}).outcome, TransferOutcome::Refused);
    EXPECT_EQ(downloadIngred(ws, *link, range("2", "3")).outcome, TransferOutcome::Refused);
    EXPECT_EQ(status, texts({"ERROR! PLU row 2: Tare is negative",
                             "ERROR! INGRED row 3: Message2 has no single-byte code for 'Ω'"}));
    EXPECT_TRUE(scale->fromPc().isEmpty());
    // A record outside the extent does not matter.
    EXPECT_EQ(downloadPlu(ws, *link, one("3")).outcome, TransferOutcome::Finished);
}

TEST_F(TransfersTest, aWrongClosingByteIsCountedAndResetsBeforeTheFiveSecondPause) {
    withFile();
    ingredRows(2);
    scale->inject({Step::Closing, Action::Wrong, 5, 52});
    const auto r = downloadIngred(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"Message#1 is transfered", "SyncOK error", "Retry #1", "SyncOK error",
                             "Retry #2", "SyncOK error", "Retry #3", "SyncOK error", "Retry #4",
                             "SyncOK error", "Retry #5", "Message#2 is transfered", " THE END "}));
    const auto syncs = syncTimes();
    const auto closes = closeTimes();
    ASSERT_EQ(syncs.size(), 7u);
    ASSERT_EQ(closes.size(), 7u);
    for (size_t k = 1; k <= 5; ++k)
        EXPECT_DOUBLE_EQ(syncs[k + 1] - closes[k], 5.0) << k;
}

TEST_F(TransfersTest, theDownloadCounterStartsAgainForEachRecord) {
    withFile();
    pluRows(2);
    scale->inject({Step::Command, Action::Silent, 5});
    scale->inject({Step::Closing, Action::Silent, 5, 102});
    EXPECT_EQ(downloadPlu(ws, *link, {}).outcome, TransferOutcome::Finished);
    EXPECT_EQ(status.back(), QStringLiteral(" THE END "));
    EXPECT_EQ(std::count(status.begin(), status.end(), QStringLiteral("Retry #5")), 2);
}

TEST_F(TransfersTest, aPortThatCannotReopenEndsTheTransferWithAMessage) {
    withFile();
    pluRows(2);
    // The loss reaches the status line once, as the link reports it (the window's and the
    // command line's way).
    QString lost;
    QObject::connect(link.get(), &ScaleLink::portLost, [&](const QString& m) {
        lost = m;
        ws.status(m);
    });
    scale->failOpens(1, QStringLiteral("Device or resource busy"));
    const auto r = downloadPlu(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::PortLost);
    EXPECT_EQ(r.records, 1);
    EXPECT_EQ(r.message, QStringLiteral("ERROR! cannot open ttyFAKE: Device or resource busy"));
    EXPECT_EQ(lost, r.message);
    EXPECT_EQ(status, texts({"plu#1 is transfered",
                             "ERROR! cannot open ttyFAKE: Device or resource busy"}));
    EXPECT_FALSE(link->isOpen());
}

TEST_F(TransfersTest, aClosedPortRefusesEveryTableTransfer) {
    withFile();
    pluRows(1);
    link->close();
    EXPECT_EQ(downloadPlu(ws, *link, {}).outcome, TransferOutcome::Refused);
    EXPECT_EQ(uploadIngred(ws, *link, {}).outcome, TransferOutcome::Refused);
    EXPECT_EQ(status, texts({"ERROR! port is not open", "ERROR! port is not open"}));
    EXPECT_EQ(ws.plu.count, 1); // nothing cleared
}

// The extent and the refusals as pure rules, the same for the window and the command line.
TEST(DownloadRules, theExtentIsAListOfSlotsAndTheRefusalsComeInTheirOrder) {
    using Slots = std::optional<std::vector<int>>;
    EXPECT_EQ(downloadSlots(5, {DownloadExtent::All, {}, {}, {}}), (Slots{{1, 2, 3, 4, 5}}));
    EXPECT_EQ(downloadSlots(5, {DownloadExtent::One, QStringLiteral(" 4 "), {}, {}}), (Slots{{4}}));
    EXPECT_EQ(
        downloadSlots(5, {DownloadExtent::Range, {}, QStringLiteral("2"), QStringLiteral("3")}),
        (Slots{{2, 3}}));
    EXPECT_EQ(
        downloadSlots(5, {DownloadExtent::Range, {}, QStringLiteral("5"), QStringLiteral("3")}),
        (Slots{std::vector<int>{}}));
    EXPECT_EQ(downloadSlots(5, {DownloadExtent::One, QStringLiteral("6"), {}, {}}), Slots{});

    TableRecords<PluRecord> table;
    table.count = 2;
    table.records[2].tare = -1;
    const DownloadOptions all{DownloadExtent::All, {}, {}, {}};
    const auto text = [](const auto& refusal) {
        return refusal ? refusal->second.toStdString() : std::string("none");
    };
    EXPECT_EQ(text(downloadRefusal<PluRecord>(table, false, all)), "ERROR! select plu files");
    EXPECT_EQ(text(downloadRefusal<PluRecord>(table, true,
                                              {DownloadExtent::One, QStringLiteral("3"), {}, {}})),
              "PLU Range is not valid");
    EXPECT_EQ(downloadRefusal<PluRecord>(table, true, all)->first, Refusal::Record);
    EXPECT_EQ(text(downloadRefusal<PluRecord>(table, true,
                                              {DownloadExtent::One, QStringLiteral("1"), {}, {}})),
              "none");
}

// Each record the scale took is reported once, after its closing byte, with its slot, its
// number and its bytes as sent; nothing for an attempt that failed.
TEST_F(TransfersTest, eachRecordTakenIsAcknowledgedOnceWithItsBytes) {
    withFile();
    pluRows(2);
    scale->inject({Step::Closing, Action::Wrong, 1, 102});
    WorkspaceSink sink(ws);
    const auto r =
        tarn::download<PluRecord>(recordsOf<PluRecord>(ws), true, *link, DownloadOptions{}, sink);
    EXPECT_EQ(r.outcome, TransferOutcome::Finished);
    EXPECT_EQ(r.lastRecord, 2);
    ASSERT_EQ(sink.acks.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const RecordAck& ack = sink.acks[size_t(i)];
        EXPECT_TRUE(ack.download);
        EXPECT_EQ(ack.slot, i + 1);
        EXPECT_EQ(ack.number, 101 + i);
        EXPECT_EQ(ack.wire, scale->received[size_t(i)].second);
    }
}

// ---- Uploads ---------------------------------------------------------------------------

class UploadTest : public TransfersTest {
protected:
    void scaleHoldsPlus(int count) {
        for (int n = 1; n <= count; ++n) {
            PluRecord r;
            r.itemCode = 7000 + n;
            r.name1 = QStringLiteral("Cheese");
            r.unitPrice = 250 * n;
            r.tare = 3;
            r.messageNo = qint16(n);
            scale->plus[quint16(n)] = pluBytes(r);
        }
    }
    void scaleHoldsIngreds(int count) {
        for (int n = 1; n <= count; ++n) {
            QByteArray lines;
            for (int k = 1; k <= 8; ++k)
                lines += QStringLiteral("m%1 line %2").arg(n).arg(k).leftJustified(50).toLatin1();
            scale->ingreds[quint16(n)] = lines;
        }
    }
};

TEST_F(UploadTest, allPluStopsAtTheFirstNumberTheScaleDoesNotHold) {
    withFile();
    pluRows(9);
    scaleHoldsPlus(3);
    const auto r = uploadPlu(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::EndOfData);
    EXPECT_EQ(r.records, 3);
    EXPECT_EQ(status, texts({"plu#1 is received", "plu#2 is received", "plu#3 is received",
                             "PLU is not exist"}));
    EXPECT_EQ(ws.plu.count, 3);
    EXPECT_EQ(ws.filePath(), QStringLiteral("?"));
    // The PLU number comes from the reply (the fake scale answers n with PLU number n).
    EXPECT_EQ(ws.plu.records[2].pluNo, 2);
    EXPECT_EQ(ws.plu.records[2].unitPrice, 500);
    EXPECT_EQ(ws.plu.records[2].itemCode, 7002);
    EXPECT_EQ(ws.plu.records[2].name1, QStringLiteral("           Cheese           "));
    EXPECT_EQ(ws.plu.grid.text(2, 0), QStringLiteral("2"));
    EXPECT_EQ(ws.plu.grid.text(2, 4), QStringLiteral("500"));
    EXPECT_EQ(ws.plu.grid.text(2, 7), QStringLiteral("7002"));
    // What the table held before is gone, rows numbered.
    EXPECT_EQ(ws.plu.records[4], PluRecord{});
    EXPECT_EQ(ws.plu.grid.text(4, 0), QStringLiteral("4"));
    EXPECT_EQ(ws.plu.grid.text(4, 1), QString());
    EXPECT_EQ(scale->fromPc().left(5), hex("A5050001A5"));
}

TEST_F(UploadTest, aFirstNumberNotHeldLeavesTheTableCleared) {
    pluRows(4);
    const auto r = uploadPlu(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::EndOfData);
    EXPECT_EQ(status, texts({"PLU is not exist"}));
    EXPECT_EQ(ws.plu.count, 0);
    EXPECT_EQ(ws.plu.grid.text(1, 1), QString());
    EXPECT_EQ(ws.plu.grid.text(200, 0), QStringLiteral("200"));
}

TEST_F(UploadTest, allPluWithAFullScaleEndsAfterTwoHundredWithoutEnd) {
    scaleHoldsPlus(200);
    scale->byteTime = {};
    const auto r = uploadPlu(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::Finished);
    EXPECT_EQ(ws.plu.count, 200);
    EXPECT_EQ(status.back(), QStringLiteral("plu#200 is received"));
    EXPECT_EQ(ws.plu.grid.text(200, 4), QStringLiteral("50000"));
}

TEST_F(UploadTest, onePluStandsInRowOneWithItsNumberAndInItsOwnSlot) {
    scaleHoldsPlus(9);
    const auto r = uploadPlu(ws, *link, upOne("7"));
    EXPECT_EQ(r.outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"plu#7 is received"}));
    EXPECT_EQ(ws.plu.count, 1);
    EXPECT_EQ(ws.plu.records[7].unitPrice, 1750);
    EXPECT_EQ(ws.plu.records[1], PluRecord{});
    EXPECT_EQ(ws.plu.grid.text(1, 0), QStringLiteral("7"));
    EXPECT_EQ(ws.plu.grid.text(1, 1), QStringLiteral("7"));
    EXPECT_EQ(ws.plu.grid.text(1, 4), QStringLiteral("1750"));
    EXPECT_EQ(ws.plu.grid.text(7, 0), QStringLiteral("7"));
    EXPECT_EQ(ws.plu.grid.text(7, 4), QString());
}

TEST_F(UploadTest, uploadNumbersOutsideTheTableAreRefusedBeforeAnythingChanges) {
    withFile();
    pluRows(2);
    for (const char* text : {"0", "201", "x", "", "1.5", "-3"}) {
        EXPECT_EQ(uploadPlu(ws, *link, upOne(text)).outcome, TransferOutcome::Refused) << text;
        EXPECT_EQ(uploadIngred(ws, *link, upOne(text)).outcome, TransferOutcome::Refused);
    }
    EXPECT_EQ(status.front(), QStringLiteral("ERROR! PLU number must be 1 to 200"));
    EXPECT_EQ(status.back(), QStringLiteral("ERROR! INGRED number must be 1 to 200"));
    EXPECT_TRUE(scale->fromPc().isEmpty());
    EXPECT_EQ(ws.plu.count, 2);
    EXPECT_NE(ws.filePath(), QStringLiteral("?"));
}

TEST_F(UploadTest, thePluUploadCountsFailuresOverTheWholeUpload) {
    scaleHoldsPlus(5);
    scale->inject({Step::Reply, Action::Silent, 2, 1});
    scale->inject({Step::Reply, Action::Silent, 3, 2});
    const auto r = uploadPlu(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::Abandoned);
    EXPECT_EQ(status, texts({"Receive PLU time out", "Retry #1", "Receive PLU time out", "Retry #2",
                             "plu#1 is received", "Receive PLU time out", "Retry #3",
                             "Receive PLU time out", "Retry #4", "Receive PLU time out"}));
    // Record 1 arrived and stays, shown in its row.
    EXPECT_EQ(ws.plu.count, 1);
    EXPECT_EQ(ws.plu.grid.text(1, 4), QStringLiteral("250"));
    // A reply time-out resets the port and asks again at once.
    EXPECT_EQ(syncTimes()[1], closeTimes()[0]);
}

TEST_F(UploadTest, theIngredientUploadCountsFailuresPerRecord) {
    scaleHoldsIngreds(5);
    scale->inject({Step::Sync, Action::Wrong, 2});
    scale->inject({Step::Reply, Action::Silent, 3, 2});
    const auto r = uploadIngred(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::EndOfData);
    EXPECT_EQ(r.records, 5);
    EXPECT_EQ(status, texts({"Sync error", "Retry #1", "Sync error", "Retry #2",
                             "INGRED#1 is received", "Receive INGRED time out", "Retry #1",
                             "Receive INGRED time out", "Retry #2", "Receive INGRED time out",
                             "Retry #3", "INGRED#2 is received", "INGRED#3 is received",
                             "INGRED#4 is received", "INGRED#5 is received", "END"}));
    // A sync error pauses 2 s before the reset.
    EXPECT_NEAR(closeTimes()[0] - at[0], 2.0, 1e-9);
}

TEST_F(UploadTest, fourFailuresOfOneRecordThenSuccessAndTheFifthAbandons) {
    scaleHoldsIngreds(3);
    scale->inject({Step::Command, Action::Wrong, 4, -1});
    EXPECT_EQ(uploadIngred(ws, *link, upOne("2")).outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"Upload command error", "Retry #1", "Upload command error", "Retry #2",
                             "Upload command error", "Retry #3", "Upload command error", "Retry #4",
                             "INGRED#2 is received"}));
    status.clear();
    scale->inject({Step::Command, Action::Wrong, 5, -1});
    const auto r = uploadIngred(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::Abandoned);
    EXPECT_EQ(status.back(), QStringLiteral("Upload command error"));
    EXPECT_EQ(ws.ingred.count, 0);
}

TEST_F(UploadTest, aMessageNumberOfZeroOrAboveTwoHundredEnds) {
    scaleHoldsIngreds(5);
    auto r = uploadIngred(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::EndOfData);
    EXPECT_EQ(ws.ingred.count, 5);
    EXPECT_EQ(status.back(), QStringLiteral("END"));
    EXPECT_EQ(ws.ingred.grid.text(5, 9), QStringLiteral("m5 line 8").leftJustified(50));
    EXPECT_EQ(ws.ingred.grid.text(6, 1), QString());

    // The scale answers request 1 with message 201.
    scale->ingreds.clear();
    scale->ingreds[201] = QByteArray(400, 'z');
    status.clear();
    scale->inject({Step::Reply, Action::Silent, 1});
    clock->onWait = [&, sent = false]() mutable {
        if (!sent && scale->fromPc().endsWith(hex("A5040001"))) {
            sent = true;
            scale->send(hex("00C9") + QByteArray(400, 'z') + hex("10"), Clock::Time(3000));
        }
    };
    r = uploadIngred(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::EndOfData);
    EXPECT_EQ(status, texts({"END"}));
    EXPECT_EQ(ws.ingred.count, 0);
    EXPECT_EQ(ws.ingred.grid.text(1, 2), QString());
}

TEST_F(UploadTest, aScaleThatSendsOnlyTheEndNumberEndsAtOnce) {
    scaleHoldsIngreds(2);
    scale->inject({Step::Reply, Action::Silent, 1, 3});
    clock->onWait = [&, sent = false]() mutable {
        if (!sent && scale->fromPc().endsWith(hex("A5040003"))) {
            sent = true;
            scale->send(hex("0000"), Clock::Time(3000));
        }
    };
    const auto r = uploadIngred(ws, *link, {});
    EXPECT_EQ(r.outcome, TransferOutcome::EndOfData);
    EXPECT_EQ(status, texts({"INGRED#1 is received", "INGRED#2 is received", "END"}));
    EXPECT_LT(secs(clock->now()), 2.0); // no time-out waited for
}

TEST_F(UploadTest, aShortIngredientReplyIsACountedTimeOutNotHalfARecord) {
    scaleHoldsIngreds(1);
    scale->inject({Step::Reply, Action::Short, 1, 1});
    const auto r = uploadIngred(ws, *link, upOne("1"));
    EXPECT_EQ(r.outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"Receive INGRED time out", "Retry #1", "INGRED#1 is received"}));
    EXPECT_EQ(ws.ingred.records[1].lines[7], QStringLiteral("m1 line 8").leftJustified(50));
    // Reset right after the 5 s wait for the reply, and the sync at once after it.
    EXPECT_DOUBLE_EQ(syncTimes()[1], closeTimes()[0]);
}

TEST_F(UploadTest, theIngredientReplyIsWaitedForAtNineThousandSixHundredBaud) {
    scaleHoldsIngreds(3);
    scale->byteTime = Clock::Time(1042);
    const auto r = uploadIngred(ws, *link, upOne("3"));
    EXPECT_EQ(r.outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"INGRED#3 is received"}));
    EXPECT_EQ(ws.ingred.records[3].messageNo, 3);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(ws.ingred.records[3].lines[size_t(k)],
                  QStringLiteral("m3 line %1").arg(k + 1).leftJustified(50));
    EXPECT_EQ(ws.ingred.grid.text(1, 0), QStringLiteral("3"));
    EXPECT_EQ(ws.ingred.grid.text(1, 1), QStringLiteral("3"));
    EXPECT_EQ(ws.ingred.grid.text(1, 9), QStringLiteral("m3 line 8").leftJustified(50));
    EXPECT_EQ(ws.ingred.grid.text(3, 2), QString());
}

// A reply a byte short, made up to its length by a byte that came a second later: not one
// reply, so not stored, however right its count and last byte look.
TEST_F(UploadTest, aShortReplyMadeUpByALateByteIsATimeOutNotARecord) {
    scaleHoldsPlus(1);
    scaleHoldsIngreds(1);
    auto strayAfter = [&](const char* request) {
        clock->onWait = [&, request, sent = false]() mutable {
            if (!sent && scale->fromPc().endsWith(hex(request))) {
                sent = true;
                scale->send(hex("10"), seconds(1.0));
            }
        };
    };
    scale->inject({Step::Reply, Action::Short, 1, 1});
    strayAfter("A5050001");
    EXPECT_EQ(uploadPlu(ws, *link, upOne("1")).outcome, TransferOutcome::Finished);
    scale->inject({Step::Reply, Action::Short, 1, 1});
    strayAfter("A5040001");
    EXPECT_EQ(uploadIngred(ws, *link, upOne("1")).outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"Receive PLU time out", "Retry #1", "plu#1 is received",
                             "Receive INGRED time out", "Retry #1", "INGRED#1 is received"}));
    EXPECT_EQ(ws.plu.records[1].unitPrice, 250);
    EXPECT_EQ(ws.ingred.records[1].lines[7], QStringLiteral("m1 line 8").leftJustified(50));
}

TEST_F(UploadTest, eachRecordStoredIsAcknowledgedWithTheReplyItCameIn) {
    scaleHoldsPlus(2);
    WorkspaceSink sink(ws);
    Received<PluRecord> received;
    const auto r = tarn::upload<PluRecord>(*link, UploadOptions{}, sink, received);
    EXPECT_EQ(r.outcome, TransferOutcome::EndOfData);
    ASSERT_EQ(sink.acks.size(), 2u);
    EXPECT_FALSE(sink.acks[1].download);
    EXPECT_EQ(sink.acks[1].slot, 2);
    EXPECT_EQ(sink.acks[1].number, 2);
    EXPECT_EQ(sink.acks[1].wire, scale->replies[1].second);
    EXPECT_EQ(received.records[2].unitPrice, 500);
}

TEST_F(UploadTest, aReplyForThreeCarryingNineIsStoredInSlotThree) {
    scaleHoldsIngreds(3);
    scale->inject({Step::Reply, Action::Silent, 1, 3});
    clock->onWait = [&, sent = false]() mutable {
        if (!sent && scale->fromPc().endsWith(hex("A5040003"))) {
            sent = true;
            scale->send(hex("0009") + QByteArray(400, 'n') + hex("10"), Clock::Time(3000));
        }
    };
    EXPECT_EQ(uploadIngred(ws, *link, upOne("3")).outcome, TransferOutcome::Finished);
    EXPECT_EQ(ws.ingred.records[3].messageNo, 9);
    EXPECT_EQ(ws.ingred.grid.text(1, 0), QStringLiteral("3"));
    EXPECT_EQ(ws.ingred.grid.text(1, 1), QStringLiteral("9"));
}

TEST_F(UploadTest, theLastIngredientNumberEndsWithEnd) {
    scaleHoldsIngreds(200);
    scale->byteTime = {};
    EXPECT_EQ(uploadIngred(ws, *link, upOne("200")).outcome, TransferOutcome::Finished);
    EXPECT_EQ(status, texts({"INGRED#200 is received", "END"}));
}

TEST_F(UploadTest, aValueThatDoesNotFitIsACountedFailureNeverStored) {
    QByteArray record = pluBytes(PluRecord{});
    record.replace(60, 4, hex("FFFFFFFF")); // unit price above 2,147,483,647
    scale->plus[1] = record;
    const auto r = uploadPlu(ws, *link, upOne("1"));
    EXPECT_EQ(r.outcome, TransferOutcome::Abandoned);
    EXPECT_EQ(r.message, QStringLiteral("ERROR! PLU row 1: U/Price is out of range: 4294967295"));
    EXPECT_EQ(status[0], r.message);
    EXPECT_EQ(status[1], QStringLiteral("Retry #1"));
    EXPECT_EQ(status.size(), 9u);
    EXPECT_EQ(ws.plu.count, 0);
    EXPECT_EQ(ws.plu.records[1].unitPrice, 0);
    EXPECT_EQ(ws.plu.grid.text(1, 4), QString());
}

// ---- Display ---------------------------------------------------------------------------

TEST_F(TransfersTest, theDisplayShowsTheThreeValues) {
    scale->display = {1234, 1000, 2000};
    const auto shown = updateDisplay(*link);
    ASSERT_TRUE(shown);
    EXPECT_EQ(*shown, (DisplayTexts{QStringLiteral("1234"), QStringLiteral("1000"),
                                    QStringLiteral("2000")}));
    EXPECT_EQ(scale->fromPc(), hex("A506"));
    EXPECT_TRUE(status.empty());
    EXPECT_TRUE(closeTimes().empty());
}

TEST_F(TransfersTest, aDisplayRecordThatDoesNotComeShowsZerosAfterFiveToSixSeconds) {
    scale->inject({Step::Reply, Action::Silent});
    const auto shown = updateDisplay(*link);
    ASSERT_TRUE(shown);
    EXPECT_EQ(*shown,
              (DisplayTexts{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), false}));
    EXPECT_GE(secs(clock->now()), 5.0);
    EXPECT_LE(secs(clock->now()), 6.1);
}

TEST_F(TransfersTest, noSyncAnswerLeavesTheReadOutsAlone) {
    scale->silent();
    EXPECT_FALSE(updateDisplay(*link));
    EXPECT_GE(secs(clock->now()), 1.0);
    EXPECT_LE(secs(clock->now()), 2.0);
    EXPECT_EQ(scale->fromPc(), hex("A5"));
}

TEST_F(TransfersTest, aWrongSyncAnswerEndsTheReadAtOnceWithoutTheCommand) {
    scale->inject({Step::Sync, Action::Wrong});
    EXPECT_FALSE(updateDisplay(*link));
    EXPECT_EQ(scale->fromPc(), hex("A5"));
    EXPECT_LT(secs(clock->now()), 0.1);
}

// At 9600 baud the twelve bytes can be waiting to the exact count while one more is still
// coming; the first twelve are then not the record.
TEST_F(TransfersTest, aByteLeftBeforeTheDisplayRecordShowsZerosNotMixedValues) {
    scale->display = {1234, 1000, 2000};
    scale->inject({Step::Sync, Action::Extra}); // 77 EE: the EE comes after the command
    const auto shown = updateDisplay(*link);
    ASSERT_TRUE(shown);
    EXPECT_EQ(*shown,
              (DisplayTexts{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), false}));
}

TEST_F(TransfersTest, aDisplayRecordWithAByteTooManyShowsZeros) {
    scale->display = {1234, 1000, 2000};
    scale->inject({Step::Reply, Action::Extra});
    const auto shown = updateDisplay(*link);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(shown->recordCame);
    EXPECT_EQ(shown->weight, QStringLiteral("0"));
    // The next press, with the extra byte still waiting, does not take it for an answer.
    EXPECT_FALSE(updateDisplay(*link));
}

TEST_F(TransfersTest, displayValuesShowAsSignedNumbers) {
    scale->display = {0xFFFFFFFFu, 0x80000000u, 2147483647u};
    const auto shown = updateDisplay(*link);
    ASSERT_TRUE(shown);
    EXPECT_EQ(*shown, (DisplayTexts{QStringLiteral("-1"), QStringLiteral("-2147483648"),
                                    QStringLiteral("2147483647")}));
}

} // namespace
