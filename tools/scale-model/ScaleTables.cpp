// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleTables.h"

#include "Cp1252.h"

namespace tarn::sim {

namespace {

template <class Table, class Record> int storeIn(Table& table, const Record& record) {
    const qint16 number = numberOf(record);
    if (number == 0)
        return 0;
    int firstEmpty = -1;
    for (int slot = 1; slot <= kMaxRecords; ++slot) {
        const qint16 held = numberOf(table[size_t(slot)]);
        if (held == number) {
            table[size_t(slot)] = record;
            return slot;
        }
        if (held == 0 && firstEmpty < 0)
            firstEmpty = slot;
    }
    if (firstEmpty > 0)
        table[size_t(firstEmpty)] = record;
    return firstEmpty;
}

// Texts held by the scale came from its own line or from a file in its code page; a
// character without a byte (only possible in a hand-built table) goes out as '?'.
QByteArray textBytes(const QString& text) {
    if (auto bytes = toCp1252(text))
        return *bytes;
    QByteArray out;
    for (QChar ch : text)
        out.append(toCp1252(QString(ch)).value_or(QByteArray("?")));
    return out;
}

QByteArray centredName(const QString& name) {
    QString s = name;
    if (s.size() > kNameWidth)
        s = s.right(kNameWidth);
    while (s.size() < kNameWidth) {
        if (s.size() % 2 == 1)
            s.append(QLatin1Char(' '));
        else
            s.prepend(QLatin1Char(' '));
    }
    return textBytes(s);
}

quint32 getU(const QByteArray& b, int at, int width) {
    quint32 v = 0;
    for (int i = 0; i < width; ++i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

} // namespace

ScaleTables ScaleTables::fixture() {
    ScaleTables m;
    m.plu[1] = {1, 2001, "APPLE", "RED", 1500, 3, 0, 1, 1};
    m.plu[2] = {2, 2002, "BANANA", "", 990, 5, 10, 1, 2};
    m.plu[3] = {3, 3001, "CHEESE", "GOUDA", 12950, 30, 5, 2, 0};
    m.ingred[1].messageNo = 1;
    m.ingred[1].lines = {"SUGAR", "SALT", "", "", "", "", "", ""};
    m.ingred[2].messageNo = 2;
    m.ingred[2].lines = {"WATER, FLOUR", "YEAST", "MAY CONTAIN NUTS", "", "", "", "", "KEEP COOL"};
    return m;
}

int store(PluTable& table, const PluRecord& record) {
    return storeIn(table, record);
}
int store(IngredTable& table, const IngredRecord& record) {
    return storeIn(table, record);
}

void putU16(QByteArray& out, quint16 v) {
    out.append(char(v >> 8));
    out.append(char(v & 0xFF));
}

void putU32(QByteArray& out, quint32 v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((v >> shift) & 0xFF));
}

QByteArray encodePluBody(const PluRecord& r) {
    QByteArray out;
    putU32(out, quint32(r.itemCode));
    out += centredName(r.name1);
    out += centredName(r.name2);
    putU32(out, quint32(r.unitPrice));
    putU16(out, quint16(r.validDate));
    putU16(out, quint16(r.tare));
    putU16(out, quint16(r.groupCode));
    putU16(out, quint16(r.messageNo));
    return out;
}

QByteArray encodeIngredBody(const IngredRecord& r) {
    QByteArray out;
    for (const QString& line : r.lines)
        out += textBytes(line.left(kLineWidth).leftJustified(kLineWidth, QLatin1Char(' ')));
    return out;
}

PluRecord decodePluBody(const QByteArray& body, qint16 pluNo) {
    const QByteArray b = body.leftJustified(kPluBodySize, '\0', true);
    PluRecord r;
    r.pluNo = pluNo;
    r.itemCode = qint32(getU(b, 0, 4));
    r.name1 = fromCp1252(b.mid(4, kNameWidth));
    r.name2 = fromCp1252(b.mid(32, kNameWidth));
    r.unitPrice = qint32(getU(b, 60, 4));
    r.validDate = qint16(getU(b, 64, 2));
    r.tare = qint16(getU(b, 66, 2));
    r.groupCode = qint16(getU(b, 68, 2));
    r.messageNo = qint16(getU(b, 70, 2));
    return r;
}

bool pluBodyFits(const QByteArray& b) {
    if (b.size() != kPluBodySize || getU(b, 0, 4) > 0x7FFFFFFFu || getU(b, 60, 4) > 0x7FFFFFFFu)
        return false;
    for (int at = 64; at < kPluBodySize; at += 2)
        if (getU(b, at, 2) > 0x7FFF)
            return false;
    return true;
}

IngredRecord decodeIngredBody(const QByteArray& body, qint16 messageNo) {
    const QByteArray b = body.leftJustified(kIngredBodySize, ' ', true);
    IngredRecord r;
    r.messageNo = messageNo;
    for (int i = 0; i < kIngredLines; ++i)
        r.lines[size_t(i)] = fromCp1252(b.mid(i * kLineWidth, kLineWidth));
    return r;
}

} // namespace tarn::sim
