// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file shared by the window and the command line: the PC's file, then the user's.

#include "Settings.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarn;

namespace {

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& text) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}

} // namespace

TEST(Settings, theUsersLinesReplaceThePcsAndAnyOtherNameIsItsOwnPort) {
    QTemporaryDir dir;
    const QString pc = write(dir, "pc.conf",
                             "; the shop's scales\n"
                             "port = deli\n"
                             "store = /srv/tarnlink/scales.sqlite\n"
                             "[scales]\n"
                             "deli = /dev/ttyUSB0\n"
                             "backroom = tcp:10.0.0.20:4001  # the serial server\n"
                             "[later]\n"
                             "whatever it is = kept for a later version\n");
    const QString user =
        write(dir, "user.conf", "port = backroom\n[Scales]\ndeli = /dev/ttyUSB1\n");
    const Settings settings = Settings::read({pc, user, dir.filePath("missing.conf")});
    EXPECT_EQ(settings.problem().toStdString(), "");
    EXPECT_EQ(settings.scaleNames(), (QStringList{"deli", "backroom"}));
    EXPECT_EQ(settings.portOf("deli"), "/dev/ttyUSB1");
    EXPECT_EQ(settings.portOf("backroom"), "tcp:10.0.0.20:4001");
    EXPECT_EQ(settings.portOf("/dev/ttyS3"), "/dev/ttyS3");
    EXPECT_EQ(settings.value("port"), "backroom");
    EXPECT_EQ(settings.store(), "/srv/tarnlink/scales.sqlite");
}

// A device on a PC is that PC's, a network serial server the shop's: both named in the file, or
// else the host's name.
TEST(Settings, thePcIsTheHostAndTheShopThePcUnlessTheFileNamesThem) {
    QTemporaryDir dir;
    const Settings none = Settings::read({write(dir, "none.conf", "port = deli\n")});
    EXPECT_EQ(none.pc(), QSysInfo::machineHostName());
    EXPECT_EQ(none.shop(), QSysInfo::machineHostName());
    EXPECT_EQ(none.store(), "");
    const Settings pc = Settings::read({write(dir, "pc.conf", "pc = deli-pc\n")});
    EXPECT_EQ(pc.shop(), "deli-pc");
    const Settings both =
        Settings::read({write(dir, "both.conf", "pc = deli-pc\nshop = high-street\n")});
    EXPECT_EQ(both.pc(), "deli-pc");
    EXPECT_EQ(both.shop(), "high-street");
}

TEST(Settings, aLineThatCannotBeTakenIsNamedAndTheOthersStillCount) {
    QTemporaryDir dir;
    const QString path = write(dir, "tarnlink.conf",
                               "[scales]\n"
                               "deli = /dev/ttyUSB0\n"
                               "backroom = tcp:10.0.0.20\n"
                               "COM2 = /dev/ttyUSB1\n");
    const Settings settings = Settings::read({path});
    EXPECT_EQ(settings.problem().toStdString(),
              (path + " line 3: backroom: not a network serial server's name (tcp:HOST:PORT)")
                  .toStdString());
    EXPECT_EQ(settings.scaleNames(), (QStringList{"deli"}));
    EXPECT_EQ(
        Settings::read({write(dir, "bad.conf", "deli /dev/ttyUSB0\n")}).problem().toStdString(),
        (dir.filePath("bad.conf") + " line 1: not NAME = VALUE").toStdString());
}
