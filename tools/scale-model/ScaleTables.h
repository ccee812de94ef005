// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Records.h"

#include <QByteArray>

namespace tarn::sim {

// The simulated scale's own tables: 200 PLU slots, 200 ingredient-message slots and the three
// values of its display. A slot whose record number is 0 is empty. A received record replaces
// the one with the same number, or else takes the first empty slot. Which record an upload
// request answers with is the protocol's choice (UploadAnswers).
struct ScaleTables {
    PluTable plu{};
    IngredTable ingred{};
    qint32 weight = 1234;
    qint32 unitPrice = 1000;
    qint32 totalPrice = 1234;

    // A few records of each kind, for runs without a table file.
    static ScaleTables fixture();
};

// The slot (1 to 200) the record went to; 0 when its number is 0 (an empty record, nothing to
// keep); -1 when every slot holds another number.
int store(PluTable& table, const PluRecord& record);
int store(IngredTable& table, const IngredRecord& record);

// Record bytes on the line, numbers big-endian, texts in the scale's code page.
inline constexpr int kPluBodySize = 72;
inline constexpr int kIngredBodySize = 400;
inline constexpr int kNameWidth = 28;
inline constexpr int kLineWidth = 50;

// 72 bytes; names centred in 28 characters, a longer name keeps its last 28.
QByteArray encodePluBody(const PluRecord& record);
// 400 bytes; each line left-aligned in 50 characters, a longer line keeps its first 50.
QByteArray encodeIngredBody(const IngredRecord& record);
// Every value is kept as its bits (a number above the signed range comes out negative), so that
// encoding the record again gives the same bytes; a body of another length is cut or padded.
PluRecord decodePluBody(const QByteArray& body, qint16 pluNo);
IngredRecord decodeIngredBody(const QByteArray& body, qint16 messageNo);
// Whether each number of a 72-byte body fits the table's signed field.
bool pluBodyFits(const QByteArray& body);

void putU16(QByteArray& out, quint16 v);
void putU32(QByteArray& out, quint32 v);

} // namespace tarn::sim
