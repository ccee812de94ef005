// SPDX-License-Identifier: GPL-3.0-or-later
// The display read against a scale that answers with fuzzer bytes: a reading comes only from
// a whole 12-byte record, high byte first, after the scale answered the sync byte.
#include "FuzzScale.h"

#include "Handshake.h"
#include "ScaleLink.h"

using namespace tarn;
using namespace tarn::fuzz;

namespace {
quint32 bigEndian(const QByteArray& b, int at) {
    return quint32(quint8(b[at])) << 24 | quint32(quint8(b[at + 1])) << 16 |
           quint32(quint8(b[at + 2])) << 8 | quint32(quint8(b[at + 3]));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    auto clock = std::make_unique<testing::VirtualClock>();
    auto port = std::make_unique<FuzzScale>(input, *clock);
    testing::VirtualClock& time = *clock;
    FuzzScale& scale = *port;
    ScaleLink link(std::move(port), std::move(clock));
    require(!link.open(QStringLiteral("Com1")), "the port does not open");

    const DisplayAnswer answer = readDisplay(link);
    require(time.now() <= testing::seconds(8.5), "the display read outlasts its time-outs");
    if (!answer.synced) {
        require(!answer.reading, "a reading without the sync answer");
        return 0;
    }
    if (answer.reading) {
        require(scale.lastWrite() == QByteArray(1, '\x06'), "a reading before the command");
        const QByteArray record = scale.readSinceWrite();
        require(record.size() == 12, "a reading from other than 12 bytes");
        require(*answer.reading == DisplayReading{bigEndian(record, 0), bigEndian(record, 4),
                                                  bigEndian(record, 8)},
                "a reading that differs from its bytes");
    }
    return 0;
}
