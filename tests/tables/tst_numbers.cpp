// SPDX-License-Identifier: GPL-3.0-or-later
#include "Numbers.h"

#include <gtest/gtest.h>

using tarn::IntWidth;
using tarn::NumberResult;
using tarn::parseNumber;

namespace {
qint32 value16(const char* text) {
    const NumberResult r = parseNumber(QString::fromUtf8(text), IntWidth::Int16);
    EXPECT_TRUE(r.ok()) << text;
    return r.value;
}
NumberResult::Error error16(const char* text) {
    return parseNumber(QString::fromUtf8(text), IntWidth::Int16).error;
}
} // namespace

TEST(ParseNumber, ReadsDecimalWithBlanksAroundAndASign) {
    EXPECT_EQ(value16("12"), 12);
    EXPECT_EQ(value16("  -7 "), -7);
    EXPECT_EQ(value16("+3"), 3);
    EXPECT_EQ(value16("007"), 7);
    EXPECT_EQ(value16("-0"), 0);
}

TEST(ParseNumber, RefusesAFractionAndNamesItButTakesAZeroFraction) {
    EXPECT_EQ(value16("12.0"), 12);
    EXPECT_EQ(value16(" -4.000 "), -4);
    EXPECT_EQ(value16("4."), 4);
    EXPECT_EQ(value16(".0"), 0);
    for (const char* bad : {"2.99", "0.5", ".7", "-3.5", "12.00000000000000000001", "32767.5"})
        EXPECT_EQ(error16(bad), NumberResult::Error::NotWhole) << bad;
    // The message shows the text as written, so the operator finds the cell or line.
    EXPECT_EQ(parseNumber(QStringLiteral(" 2.99 "), IntWidth::Int32).reason(),
              QStringLiteral("2.99 is not a whole number"));
}

TEST(ParseNumber, RefusesTextsThatAreNotDecimalNumbers) {
    for (const char* bad : {"", "   ", "abc", "1 2", "1e3", "0x10", "--1", "1,5", ".", "-", "12a"})
        EXPECT_EQ(error16(bad), NumberResult::Error::NotANumber) << '"' << bad << '"';
    // Digits from other scripts are not decimal digits of a file or a cell.
    EXPECT_EQ(parseNumber(QString::fromUtf8("\u0661\u0662"), IntWidth::Int16).error,
              NumberResult::Error::NotANumber);
}

TEST(ParseNumber, ChecksTheFieldsRange) {
    EXPECT_EQ(value16("32767"), 32767);
    EXPECT_EQ(value16("-32768"), -32768);
    EXPECT_EQ(error16("32768"), NumberResult::Error::OutOfRange);
    EXPECT_EQ(error16("-32769"), NumberResult::Error::OutOfRange);
    const auto big = parseNumber(QStringLiteral("2147483647"), IntWidth::Int32);
    EXPECT_TRUE(big.ok());
    EXPECT_EQ(big.value, 2147483647);
    EXPECT_EQ(parseNumber(QStringLiteral("-2147483648"), IntWidth::Int32).value, -2147483647 - 1);
    EXPECT_EQ(parseNumber(QStringLiteral("2147483648"), IntWidth::Int32).error,
              NumberResult::Error::OutOfRange);
    EXPECT_EQ(parseNumber(QStringLiteral("99999999999999999999999"), IntWidth::Int32).error,
              NumberResult::Error::OutOfRange);
}

TEST(ParseNumber, ExplainsWhyATextWasRefused) {
    EXPECT_EQ(parseNumber(QStringLiteral("x"), IntWidth::Int16).reason(),
              QStringLiteral("is not a number"));
    EXPECT_EQ(parseNumber(QStringLiteral("40000"), IntWidth::Int16).reason(),
              QStringLiteral("is out of range"));
}
