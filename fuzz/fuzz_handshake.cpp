// SPDX-License-Identifier: GPL-3.0-or-later
// The whole handshake against a scale that answers with fuzzer bytes, on virtual time: one
// download record and two upload records (the first input byte picks PLU or ingredient for
// each). Every run must end within the time its limits allow, keep the retry counter within
// its limit, and store an uploaded record only from a whole, valid, closed reply, and count a
// download done only when the scale closed it after the whole record.
#include "FuzzScale.h"

#include "Handshake.h"
#include "RecordCodec.h"
#include "ScaleLink.h"

using namespace tarn;
using namespace tarn::fuzz;

namespace {

// Seconds one attempt can take at most: four receives of up to 6 s and a 5 s pause, rounded
// up generously; an uncounted restart is an attempt too.
constexpr int kAttemptBound = 40;

Clock::Time boundOf(const ExchangeDescription& d) {
    return testing::seconds(double(d.retryLimit + 1) * (d.restartLimit + 1) * kAttemptBound);
}

struct Texts : StatusSink {
    QStringList shown;
    void status(const QString& text) override { shown.append(text); }
};

void checkCounter(const Handshake& h, const Handshake::Result& result, const Texts& texts) {
    const int limit = h.description().retryLimit;
    if (result.outcome == Handshake::Outcome::Abandoned)
        require(h.retries() == limit + 1, "abandoned before the limit");
    else
        require(h.retries() <= limit, "the retry counter passed its limit");
    for (const QString& text : texts.shown) {
        if (text.startsWith(QLatin1String("Retry #")))
            require(text.mid(7).toInt() <= limit, "a retry shown beyond the limit");
    }
}

QByteArray pluRecordBytes() {
    PluRecord r;
    r.pluNo = 7;
    r.itemCode = 1234;
    r.name1 = QStringLiteral("APPLES");
    r.name2 = QStringLiteral("RED");
    r.unitPrice = 299;
    return encodePluRecord(r).bytes;
}

QByteArray ingredRecordBytes() {
    IngredRecord r;
    r.messageNo = 7;
    r.lines[0] = QStringLiteral("FLOUR, SUGAR");
    return encodeIngredRecord(r).bytes;
}

void download(ScaleLink& link, FuzzScale& scale, testing::VirtualClock& time, bool plu) {
    Texts texts;
    Handshake h(link, texts, plu ? exchanges::pluDownload() : exchanges::ingredDownload());
    const QByteArray record = plu ? pluRecordBytes() : ingredRecordBytes();
    const Clock::Time start = time.now();
    bool done = false;
    const auto result = h.download(1, 7, record, [&] {
        require(scale.lastWrite() == record, "done before the whole record was sent");
        require(scale.readSinceWrite() == QByteArray(1, '\x10'),
                "done without a lone closing byte after the record");
        done = true;
    });
    require(time.now() - start <= boundOf(h.description()), "a download record never ends");
    // The port reset after a record that went through may still lose the line.
    require(done == (result.outcome == Handshake::Outcome::Done ||
                     (result.outcome == Handshake::Outcome::PortLost && done)),
            "done and the outcome differ");
    checkCounter(h, result, texts);
}

// Uploads records 1 and 2 with one handshake, as a transfer would, while they come in.
void upload(ScaleLink& link, FuzzScale& scale, testing::VirtualClock& time, bool plu) {
    Texts texts;
    Handshake h(link, texts, plu ? exchanges::pluUpload() : exchanges::ingredUpload());
    const int size = plu ? kPluReplyBytes : kIngredReplyBytes;
    for (quint16 number = 1; number <= 2; ++number) {
        // What a transfer checks before it takes a reply: the fields fit and the number is
        // the one asked for; an ingredient number of 0 or above 200 is the scale's end.
        const auto inspect = [&](const QByteArray& reply) {
            if (!plu && reply.size() >= 2 && reply.size() < size) {
                // A message still coming in is looked at for its number alone: a scale may
                // end with the number 0 and nothing after it.
                const int n = (quint8(reply[0]) << 8) | quint8(reply[1]);
                return n == 0 || n > 200 ? Handshake::Verdict::EndOfData
                                         : Handshake::Verdict::Accept;
            }
            require(reply.size() == size, "a reply of the wrong size inspected");
            if (plu) {
                const PluReply r = decodePluReply(reply);
                return r.problems.empty() && r.echo == number ? Handshake::Verdict::Accept
                                                              : Handshake::Verdict::Refuse;
            }
            const IngredReply r = decodeIngredReply(reply);
            if (r.messageNo == 0 || r.messageNo > 200)
                return Handshake::Verdict::EndOfData;
            return r.problems.empty() ? Handshake::Verdict::Accept : Handshake::Verdict::Refuse;
        };
        std::optional<QByteArray> stored;
        const Clock::Time start = time.now();
        const auto result = h.upload(1, number, inspect, [&](const QByteArray& reply) {
            require(reply.size() == size, "a stored reply of the wrong size");
            require(quint8(reply.back()) == 0x10, "a stored reply without its closing byte");
            QByteArray taken = scale.readSinceWrite();
            if (!plu) {
                require(taken.startsWith('\0'), "a stored reply without the go-ahead byte");
                taken.remove(0, 1);
            }
            // Bytes behind a whole ingredient reply are drained, not stored.
            require(taken == reply || (!plu && taken.left(size) == reply),
                    "a stored reply that is not what the scale sent");
            QByteArray asked(2, '\0');
            asked[0] = char(number >> 8);
            asked[1] = char(number & 0xFF);
            require(scale.lastWrite() == asked, "a reply stored for another request");
            if (plu) {
                const PluReply r = decodePluReply(reply);
                require(r.problems.empty() && r.closed, "a stored PLU reply that does not fit");
            } else {
                const IngredReply r = decodeIngredReply(reply);
                require(r.problems.empty() && r.closed, "a stored message that does not fit");
            }
            stored = reply;
        });
        require(time.now() - start <= boundOf(h.description()), "an upload record never ends");
        require(stored.has_value() == (result.outcome == Handshake::Outcome::Done ||
                                       (result.outcome == Handshake::Outcome::PortLost && stored)),
                "stored and the outcome differ");
        if (result.outcome == Handshake::Outcome::Done)
            require(result.reply == *stored, "the result is not the stored reply");
        checkCounter(h, result, texts);
        if (result.outcome != Handshake::Outcome::Done)
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const quint8 pick = input.byte();
    auto clock = std::make_unique<testing::VirtualClock>();
    auto port = std::make_unique<FuzzScale>(input, *clock);
    testing::VirtualClock& time = *clock;
    FuzzScale& scale = *port;
    time.onWait = [&time] { require(time.waits() < 2000000, "the handshake waits forever"); };
    ScaleLink link(std::move(port), std::move(clock));
    require(!link.open(QStringLiteral("Com1")), "the port does not open");

    download(link, scale, time, pick & 1);
    if (!link.isOpen() && link.open(QStringLiteral("Com1")))
        return 0; // the line stays gone
    upload(link, scale, time, pick & 2);
    return 0;
}
