// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Byte helpers of the simulator's protocol tests.

#include "ScaleProtocol.h"

#include <gtest/gtest.h>

#include <string>

namespace tarn::sim::testing {

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}
inline QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}
inline QByteArray zeros(int n) {
    return QByteArray(n, '\0');
}
inline std::string show(const QByteArray& b) {
    return b.toHex(' ').toUpper().toStdString();
}
// Everything the scale sent, the bursts joined.
inline QByteArray sent(ScaleProtocol& scale) {
    QByteArray all;
    for (const Burst& b : scale.takeOutput())
        all += b.bytes;
    return all;
}

} // namespace tarn::sim::testing

// A failing comparison shows both sides as hex.
#define EXPECT_BYTES(actual, expected) EXPECT_EQ(show(actual), show(expected))
