// SPDX-License-Identifier: GPL-3.0-or-later
// Port names as the operator and the command line give them, read in one place.

#include "PortName.h"

#include <gtest/gtest.h>

using namespace tarn;
using Kind = PortName::Kind;

TEST(PortNames, eachKindOfNameIsReadAsWhatItNames) {
    const std::pair<const char*, PortName> names[] = {
        {"COM1", {Kind::Com1, "Com1"}},
        {"Com1", {Kind::Com1, "Com1"}},
        {"com2", {Kind::Com2, "Com2"}},
        {" /dev/ttyUSB0 ", {Kind::Device, "/dev/ttyUSB0"}},
        {"COM3", {Kind::Device, "COM3"}},
        {"tcp:scale2.shop:4001", {Kind::Network, "tcp:scale2.shop:4001"}},
        {"TCP:[fd00::20]:4001", {Kind::Network, "TCP:[fd00::20]:4001"}},
    };
    for (const auto& [text, expected] : names) {
        const auto parsed = parsePortName(QString::fromLatin1(text));
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(*parsed, expected) << text;
    }
}

TEST(PortNames, aNameThatNamesNoPortSaysWhy) {
    const std::pair<QString, const char*> bad[] = {
        {QString(), "no port name"},
        {QStringLiteral("  "), "no port name"},
        {QStringLiteral("/dev/") + QString(250, QLatin1Char('x')),
         "the name is too long for a device"},
        {QStringLiteral("tcp:scale2.shop"), "not a network serial server's name (tcp:HOST:PORT)"},
        {QStringLiteral("tcp:fd00::20:4001"), "not a network serial server's name (tcp:HOST:PORT)"},
    };
    for (const auto& [text, why] : bad) {
        QString reason;
        EXPECT_FALSE(parsePortName(text, &reason)) << text.toStdString();
        EXPECT_EQ(reason.toStdString(), why) << text.toStdString();
    }
}
