#pragma once

#include "RecordCodec.h"

#include <QByteArray>

// The records memory_child writes: write w is number w % 200 + 1, its 72 bytes telling the
// write apart from every other.
inline int recordNumber(long w) {
    return int(w % 200) + 1;
}

inline QByteArray recordBytes(long w) {
    QByteArray bytes(tarn::kPluRecordBytes, ' ');
    const QByteArray tag = QByteArray::number(qlonglong(w));
    bytes.replace(0, tag.size(), tag);
    return bytes;
}
