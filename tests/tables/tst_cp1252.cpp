// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"

#include <gtest/gtest.h>

using tarn::firstUnencodable;
using tarn::fromCp1252;
using tarn::toCp1252;

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
    EXPECT_EQ(text[0x81], QChar(0x0081)); // unassigned: the control character of that value
    EXPECT_EQ(toCp1252(text), all);
}

TEST(Cp1252, RefusesTextWithACharacterOutsideTheCodePage) {
    EXPECT_EQ(toCp1252(QStringLiteral("Caf\u00e9 \u20ac5")), QByteArray("Caf\xe9 \x80"
                                                                        "5"));
    EXPECT_FALSE(toCp1252(QStringLiteral("\u0100")));
    EXPECT_FALSE(toCp1252(QStringLiteral("ok\u0080"))); // C1 0x80 is the euro's byte, not its own
    EXPECT_EQ(firstUnencodable(QStringLiteral("ab\u03a9cd\u0100")), QStringLiteral("\u03a9"));
    EXPECT_EQ(firstUnencodable(QString::fromUtf8("x\xF0\x9F\x8D\x8E")),
              QString::fromUtf8("\xF0\x9F\x8D\x8E")); // a surrogate pair stays whole
    EXPECT_EQ(firstUnencodable(QStringLiteral("plain")), QString());
}
