// SPDX-License-Identifier: GPL-3.0-or-later
// Port names as the operator and the command line give them, read in one place, and the
// scale each reaches.

#include "PortIdentity.h"
#include "PortName.h"
#include "PtyScale.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::testing;
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

// A scale is known by the device its port reaches: every name of one device is one scale,
// and a USB adapter by the stable name the system keeps for it.
TEST(PortIdentities, everyNameOfADeviceIsOneScale) {
    PtyScale pty;
    ASSERT_TRUE(pty.ok());
    QTemporaryDir dir;
    const QString link = dir.filePath("scale");
    ASSERT_TRUE(QFile::link(pty.path(), link));
    const QString device = pty.path();
    for (const QString& name : {pty.path(), pty.path().mid(5), link, QString(" " + link + " ")})
        EXPECT_EQ(portIdentity(name), device) << name.toStdString();
    EXPECT_EQ(portIdentity("Com1"), portIdentity("ttyS0"));
    EXPECT_EQ(portIdentity("ttyS0"), portIdentity("/dev/ttyS0"));

    // The adapter's by-id link names it, whichever of its names was typed.
    const QString byId = dir.filePath("by-id");
    ASSERT_TRUE(QDir().mkpath(byId));
    const QString stable = byId + "/usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0";
    ASSERT_TRUE(QFile::link(pty.path(), stable));
    EXPECT_EQ(serialIdentityOf(serialDeviceOf(link), byId), stable);
    EXPECT_EQ(serialIdentityOf(serialDeviceOf("/dev/ttyS1"), byId), "/dev/ttyS1");
}

TEST(PortIdentities, aNetworkServerIsItsAddressAndPort) {
    EXPECT_EQ(portIdentity("tcp:localhost:4001"), "tcp:127.0.0.1:4001");
    EXPECT_EQ(portIdentity("TCP:127.0.0.1:4001"), "tcp:127.0.0.1:4001");
    EXPECT_EQ(portIdentity("tcp:[::1]:4001"), "tcp:[::1]:4001");
    EXPECT_EQ(preferredAddress({QHostAddress("::1"), QHostAddress("127.0.0.1")}),
              QHostAddress("127.0.0.1"));
    EXPECT_EQ(portIdentity("tcp:no-such-host.invalid:4001"), "tcp:no-such-host.invalid:4001");
}
