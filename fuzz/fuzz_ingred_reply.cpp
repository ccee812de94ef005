// SPDX-License-Identifier: GPL-3.0-or-later
// The 403-byte ingredient upload reply: any bytes decode; a reply without problems encodes
// back to the same 400 record bytes.
#include "FuzzInput.h"

#include "RecordCodec.h"

using namespace tarn;
using tarn::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(std::min<size_t>(size, 403)));
    reply.append(QByteArray(kIngredReplyBytes - reply.size(), '\0'));
    const IngredReply decoded = decodeIngredReply(reply);
    require(decoded.messageNo == (quint8(reply[0]) << 8 | quint8(reply[1])),
            "message number misread");
    require(decoded.closed == (quint8(reply[402]) == 0x10), "closing byte misread");
    if (!decoded.problems.empty()) {
        for (const FieldProblem& p : decoded.problems)
            require(!p.field.isEmpty() && !p.reason.isEmpty(), "a problem without its field");
        return 0;
    }
    require(decoded.record.messageNo == decoded.messageNo, "message number lost");
    for (const QString& line : decoded.record.lines)
        require(line.size() == 50, "a line not 50 characters wide");
    const EncodedRecord again = encodeIngredRecord(decoded.record);
    require(again.ok(), "a decoded record does not encode");
    require(again.bytes == reply.mid(2, 400), "a decoded record encodes to other bytes");
    return 0;
}
