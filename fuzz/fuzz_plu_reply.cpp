// SPDX-License-Identifier: GPL-3.0-or-later
// The 77-byte PLU upload reply: any bytes decode; a reply without problems encodes back to
// the same 72 record bytes behind the echo and the PLU No.
#include "FuzzInput.h"

#include "RecordCodec.h"

using namespace tarn;
using tarn::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(std::min<size_t>(size, 77)));
    reply.append(QByteArray(kPluReplyBytes - reply.size(), '\0'));
    const PluReply decoded = decodePluReply(reply);
    require(decoded.echo == (quint8(reply[0]) << 8 | quint8(reply[1])), "echo misread");
    require(decoded.closed == (quint8(reply[76]) == 0x10), "closing byte misread");
    if (!decoded.problems.empty()) {
        for (const FieldProblem& p : decoded.problems)
            require(!p.field.isEmpty() && !p.reason.isEmpty(), "a problem without its field");
        return 0;
    }
    require(decoded.record.name1.size() == 28 && decoded.record.name2.size() == 28,
            "a name not 28 characters wide");
    const EncodedRecord again = encodePluRecord(decoded.record);
    require(again.ok(), "a decoded record does not encode");
    require(again.bytes == reply.mid(4, 72), "a decoded record encodes to other bytes");
    return 0;
}
