#include "Cp1252.h"

#include <gtest/gtest.h>

using namespace tarn;

TEST(Cp1252, everyByteDecodesAndEncodesBackToItself) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x9F], QChar(0x0178)); // Y with diaeresis
    EXPECT_EQ(text[0xE9], QChar(0x00E9)); // e acute
    const std::optional<QByteArray> back = toCp1252(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, refusesCharactersWithoutAByteInsteadOfWritingAQuestionMark) {
    EXPECT_FALSE(toCp1252(QString::fromUtf8("Apfel \u3042")).has_value());
    EXPECT_FALSE(toCp1252(QString::fromUtf8("\u0100")).has_value());
    EXPECT_FALSE(toCp1252(QString::fromUtf8("\U0001F600")).has_value());
    EXPECT_EQ(toCp1252(QString::fromUtf8("Caf\u00e9 \u20ac2")).value(), QByteArray("Caf\xe9 \x80"
                                                                                   "2"));
    EXPECT_EQ(toCp1252(QString()).value(), QByteArray());
}
