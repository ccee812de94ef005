// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Records.h"
#include "ScaleText.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tarn {

// Both records as they travel on the line: numbers unsigned and high byte first, texts of a
// fixed width in Windows-1252, padded with spaces, no terminator.
inline constexpr int kPluRecordBytes = 72;
inline constexpr int kIngredRecordBytes = 400;
inline constexpr int kPluReplyBytes = 77;     // echo, PLU No, the record, closing byte
inline constexpr int kIngredReplyBytes = 403; // Message No, the record, closing byte
inline constexpr quint8 kClosingByte = 0x10;

// A value that cannot go on the line, or that came off it and does not fit the table: the
// field by its grid caption ("Tare", "Item name1", "Message3") and what is wrong with it
// ("is negative", "has no single-byte code for 'Ω'", "is out of range: 40000").
struct FieldProblem {
    QString field;
    QString reason;
    QString text() const { return field + QLatin1Char(' ') + reason; }
    bool operator==(const FieldProblem&) const = default;
};

struct EncodedRecord {
    QByteArray bytes; // empty when refused
    std::optional<FieldProblem> problem;
    bool ok() const { return !problem; }
};

// A PLU name as sent: centred in 28 characters (the odd space to the right), or its last 28.
QString pluNameOnWire(const QString& name);
// An ingredient line as sent: padded on the right to 50 characters, or its first 50.
QString ingredLineOnWire(const QString& line);

// The 72 bytes of a PLU record (its PLU No travels in the number step, but is checked here
// too). Refused, with the first field at fault, when a number is negative or a kept
// character has no Windows-1252 byte.
EncodedRecord encodePluRecord(const PluRecord& record);
// The 400 bytes of an ingredient record's eight lines (its Message No is checked as above).
EncodedRecord encodeIngredRecord(const IngredRecord& record);

struct PluReply {
    quint16 echo = 0;    // the requested number as the scale echoed it
    PluRecord record;    // a field that did not fit is left 0 and listed in problems
    bool closed = false; // the last byte is 0x10
    std::vector<FieldProblem> problems;
};

struct IngredReply {
    quint16 messageNo = 0; // as received; 0 or above 200 marks the scale's end
    IngredRecord record;   // messageNo set only when it fits
    bool closed = false;
    std::vector<FieldProblem> problems;
};

// Decode the 77-byte PLU upload reply. Texts keep every character, centring spaces included.
// Requires exactly 77 bytes.
PluReply decodePluReply(const QByteArray& reply);
// Decode the 403-byte ingredient upload reply. Requires exactly 403 bytes.
IngredReply decodeIngredReply(const QByteArray& reply);

} // namespace tarn
