// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordCodec.h"

#include "Cp1252.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace tarn {

namespace {

// A field's problem is said after the field's name ("Tare is negative").
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RecordCodec)
};

// Grid captions of the fields, for problem reports.
const char* const kMessageCaptions[kIngredLines] = {"Message1", "Message2", "Message3", "Message4",
                                                    "Message5", "Message6", "Message7", "Message8"};

// Builds a record field by field and remembers the first field that cannot be encoded.
class Writer {
public:
    void number(const char* field, qint64 value, int bytes) {
        if (value < 0) {
            refuse(field, negativeText());
            return;
        }
        for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
            out.append(char((value >> shift) & 0xFF));
    }
    void text(const char* field, const QString& wireText) {
        const std::optional<QByteArray> bytes = toCp1252(wireText);
        if (!bytes) {
            //: after a field's name; %1 is the character
            refuse(field,
                   Text::tr("has no single-byte code for '%1'").arg(firstUnencodable(wireText)));
            return;
        }
        out.append(*bytes);
    }
    void check(const char* field, qint64 value) {
        if (value < 0)
            refuse(field, negativeText());
    }
    EncodedRecord result() const {
        if (problem)
            return {QByteArray(), problem};
        return {out, std::nullopt};
    }

    QByteArray out;

private:
    static QString negativeText() {
        //: after a field's name
        return Text::tr("is negative");
    }
    void refuse(const char* field, const QString& reason) {
        if (!problem)
            problem = FieldProblem{QString::fromLatin1(field), reason};
    }
    std::optional<FieldProblem> problem;
};

// Reads a reply by position and lists the numbers that do not fit the table's fields.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : in(bytes) {}

    quint32 raw(int at, int bytes) const {
        quint32 v = 0;
        for (int i = 0; i < bytes; ++i)
            v = v << 8 | quint8(in[at + i]);
        return v;
    }
    template <class T> void number(const char* field, int at, T& target) {
        const quint32 v = raw(at, int(sizeof(T)));
        if (v > quint32(std::numeric_limits<T>::max())) {
            problems.push_back(
                //: after a field's name; %1 is the number read
                FieldProblem{QString::fromLatin1(field), Text::tr("is out of range: %1").arg(v)});
            target = 0;
            return;
        }
        target = T(v);
    }
    QString text(int at, int chars) const { return fromCp1252(in.mid(at, chars)); }

    const QByteArray& in;
    std::vector<FieldProblem> problems;
};

} // namespace

QString pluNameOnWire(const QString& name) {
    if (name.size() > kPluNameChars)
        return keptOnScale(TextField::PluName, name);
    // Spaces are added one at a time: at the end while the length is odd, at the front while
    // it is even, so the odd space falls to the right.
    const qsizetype missing = kPluNameChars - name.size();
    const qsizetype front = missing / 2;
    return QString(front, QLatin1Char(' ')) + name + QString(missing - front, QLatin1Char(' '));
}

QString ingredLineOnWire(const QString& line) {
    return keptOnScale(TextField::IngredLine, line).leftJustified(kIngredLineChars);
}

EncodedRecord encodePluRecord(const PluRecord& r) {
    Writer w;
    w.check("PLU No", r.pluNo);
    w.number("Item code", r.itemCode, 4);
    w.text("Item name1", pluNameOnWire(r.name1));
    w.text("Item name2", pluNameOnWire(r.name2));
    w.number("U/Price", r.unitPrice, 4);
    w.number("Valid Date", r.validDate, 2);
    w.number("Tare", r.tare, 2);
    w.number("G code", r.groupCode, 2);
    w.number("Message No", r.messageNo, 2);
    return w.result();
}

EncodedRecord encodeIngredRecord(const IngredRecord& r) {
    Writer w;
    w.check("Message No", r.messageNo);
    for (int i = 0; i < kIngredLines; ++i)
        w.text(kMessageCaptions[i], ingredLineOnWire(r.lines[size_t(i)]));
    return w.result();
}

PluReply decodePluReply(const QByteArray& reply) {
    Q_ASSERT(reply.size() == kPluReplyBytes);
    PluReply out;
    Reader in(reply);
    out.echo = quint16(in.raw(0, 2));
    PluRecord& r = out.record;
    in.number("PLU No", 2, r.pluNo);
    in.number("Item code", 4, r.itemCode);
    r.name1 = in.text(8, kPluNameChars);
    r.name2 = in.text(36, kPluNameChars);
    in.number("U/Price", 64, r.unitPrice);
    in.number("Valid Date", 68, r.validDate);
    in.number("Tare", 70, r.tare);
    in.number("G code", 72, r.groupCode);
    in.number("Message No", 74, r.messageNo);
    out.closed = quint8(reply[kPluReplyBytes - 1]) == kClosingByte;
    out.problems = std::move(in.problems);
    return out;
}

IngredReply decodeIngredReply(const QByteArray& reply) {
    Q_ASSERT(reply.size() == kIngredReplyBytes);
    IngredReply out;
    Reader in(reply);
    out.messageNo = quint16(in.raw(0, 2));
    in.number("Message No", 0, out.record.messageNo);
    for (int i = 0; i < kIngredLines; ++i)
        out.record.lines[size_t(i)] = in.text(2 + i * kIngredLineChars, kIngredLineChars);
    out.closed = quint8(reply[kIngredReplyBytes - 1]) == kClosingByte;
    out.problems = std::move(in.problems);
    return out;
}

} // namespace tarn
