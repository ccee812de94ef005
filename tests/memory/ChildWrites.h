// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordCodec.h"

// What `memory_tests --child` writes: write w is number w % 200 + 1, its bytes telling the
// write apart from every other.
inline int recordNumber(long w) {
    return int(w % 200) + 1;
}

inline QByteArray recordBytes(long w) {
    return QByteArray::number(qlonglong(w)).leftJustified(tarn::kPluRecordBytes, ' ');
}
