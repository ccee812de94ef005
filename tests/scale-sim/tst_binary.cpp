// SPDX-License-Identifier: GPL-3.0-or-later
// The real tarnlink-scale on its pseudo-terminal, driven with plain POSIX reads and writes.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}
std::string show(const QByteArray& b) {
    return b.toHex(' ').toUpper().toStdString();
}

class Scale {
public:
    explicit Scale(QStringList args) {
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(SCALE_BINARY), args);
        if (!process.waitForStarted(5000))
            return;
        while (!process.canReadLine() && process.waitForReadyRead(10000)) {
        }
        firstLine = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~Scale() {
        if (fd >= 0)
            ::close(fd);
        process.terminate();
        process.waitForFinished(5000);
    }

    QString device() const {
        return firstLine.startsWith("device ") ? firstLine.mid(7) : QString();
    }

    bool openLine() {
        if (fd >= 0)
            ::close(fd);
        fd = ::open(QFile::encodeName(device()).constData(), O_RDWR | O_NOCTTY);
        if (fd < 0)
            return false;
        termios t{};
        ::tcgetattr(fd, &t);
        ::cfmakeraw(&t);
        return ::tcsetattr(fd, TCSANOW, &t) == 0;
    }

    void send(const QByteArray& bytes) {
        ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    }

    // Up to n bytes, waiting at most a few seconds for them; fewer when the line goes quiet.
    QByteArray receive(int n, int quietMs = 3000) {
        QByteArray got;
        while (got.size() < n) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, quietMs) <= 0)
                break;
            char buf[512];
            const ssize_t r = ::read(fd, buf, size_t(std::min<qsizetype>(n - got.size(), 512)));
            if (r <= 0)
                break;
            got.append(buf, r);
        }
        return got;
    }

    QProcess process;
    QString firstLine;
    int fd = -1;
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Binary, printsItsDeviceAndAnswersSyncAndDisplayRead) {
    Scale scale({"--no-pace", "--weight", "1234", "--unit-price", "1000", "--total-price", "2000"});
    ASSERT_TRUE(scale.device().startsWith("/dev/pts/")) << scale.firstLine.toStdString();
    ASSERT_TRUE(scale.openLine());
    scale.send(hex("A5"));
    EXPECT_EQ(show(scale.receive(1)), show(hex("77")));
    scale.send(hex("06"));
    EXPECT_EQ(show(scale.receive(13, 200)), show(hex("000004D2 000003E8 000007D0")));
}

TEST(Binary, lineSurvivesThePortBeingClosedAndReopenedAfterARecord) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("saved.PLU");
    const QString log = dir.filePath("bytes.log");
    const QString link = dir.filePath("ttyScale");
    Scale scale({"--no-pace", "--empty", "--save-plu", saved, "--log", log, "--link", link});
    ASSERT_FALSE(scale.device().isEmpty());
    EXPECT_EQ(QFile::symLinkTarget(link), scale.device());

    ASSERT_TRUE(scale.openLine());
    scale.send(hex("A5"));
    ASSERT_EQ(show(scale.receive(1)), "77");
    scale.send(hex("02"));
    ASSERT_EQ(show(scale.receive(1)), "01");
    scale.send(hex("000C"));
    ASSERT_EQ(show(scale.receive(2)), "00 0C");
    QByteArray record = hex("000007D1") + QByteArray(11, ' ') + "APPLE" + QByteArray(12, ' ') +
                        QByteArray(12, ' ') + "RED" + QByteArray(13, ' ') +
                        hex("000005DC 0003 0000 0001 0005");
    scale.send(record);
    ASSERT_EQ(show(scale.receive(1)), "10");
    EXPECT_EQ(readAll(saved),
              QByteArray("12,\"           APPLE            \",\"            RED     "
                         "        \",1500,3,0,2001,1,5\r\n"));

    ASSERT_TRUE(scale.openLine()); // the PC's port reset
    scale.send(hex("A5 05"));
    ASSERT_EQ(show(scale.receive(2)), "77 01");
    scale.send(hex("0001"));
    EXPECT_EQ(show(scale.receive(77)), show(hex("0001 000C") + record + hex("10")));

    QStringList pcAndScale;
    for (const QByteArray& line : readAll(log).split('\n'))
        if (!line.startsWith('#') && !line.isEmpty())
            pcAndScale << QString::fromLatin1(line.left(12));
    EXPECT_EQ(pcAndScale.join('|').toStdString(),
              "pc> A5|sc> 77|pc> 02|sc> 01|pc> 00 0C|sc> 00 0C|pc> 00 00 07|sc> 10|"
              "pc> A5|sc> 77|pc> 05|sc> 01|pc> 00 01|sc> 00 01 00");
}

TEST(Binary, pacedLineDeliversTheGoAheadAndThenTheWholeReply) {
    Scale scale({"--gap", "20"});
    ASSERT_TRUE(scale.openLine());
    scale.send(hex("A5"));
    ASSERT_EQ(show(scale.receive(1)), "77");
    scale.send(hex("04"));
    ASSERT_EQ(show(scale.receive(1)), "01");
    scale.send(hex("0002"));
    EXPECT_EQ(show(scale.receive(1)), "00");
    const QByteArray reply = scale.receive(403);
    ASSERT_EQ(reply.size(), 403);
    EXPECT_EQ(show(reply.left(14)), show(hex("0002") + "WATER, FLOUR"));
    EXPECT_EQ(show(reply.right(1)), "10");
}

TEST(Binary, faultFromTheCommandLineSpoilsTheNamedAttemptsOnly) {
    Scale scale({"--no-pace", "--fault", "badsync:times=2", "--fault", "short:display"});
    ASSERT_TRUE(scale.openLine());
    for (const char* expected : {"76", "76", "77"}) {
        scale.send(hex("A5"));
        EXPECT_EQ(show(scale.receive(1)), expected);
    }
    scale.send(hex("06"));
    EXPECT_EQ(scale.receive(12, 200).size(), 11);
}

TEST(Binary, writesItsTablesOnExitAndRemovesItsLink) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("saved.INGRED");
    const QString link = dir.filePath("ttyScale");
    {
        Scale scale({"--no-pace", "--save-ingred", saved, "--link", link});
        ASSERT_FALSE(scale.device().isEmpty());
        EXPECT_FALSE(QFile::exists(saved));
        scale.process.terminate();
        ASSERT_TRUE(scale.process.waitForFinished(5000));
        EXPECT_EQ(scale.process.exitCode(), 0);
    }
    EXPECT_TRUE(readAll(saved).startsWith("1,\"SUGAR\",\"SALT\",\" \","));
    EXPECT_EQ(readAll(saved).count("\r\n"), 2);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(Binary, answersUploadsByNumberWhenAskedTo) {
    QTemporaryDir dir;
    QFile plu(dir.filePath("shop.PLU"));
    ASSERT_TRUE(plu.open(QIODevice::WriteOnly));
    plu.write("12,\"PEARS\",\"\",250,0,0,1,1,0\r\n");
    plu.close();
    Scale scale({"--no-pace", "--empty", "--plu", plu.fileName(), "--answer-by", "number"});
    ASSERT_TRUE(scale.openLine());
    scale.send(hex("A5 05 000C"));
    EXPECT_EQ(show(scale.receive(2 + 77).mid(2, 4)), show(hex("000C 000C")));
    scale.send(hex("A5 05 0001")); // slot 1 holds PLU 12
    EXPECT_EQ(show(scale.receive(2 + 77).mid(2, 4)), show(hex("0000 0000")));

    QProcess refused;
    refused.start(QStringLiteral(SCALE_BINARY), {"--answer-by", "name"});
    ASSERT_TRUE(refused.waitForFinished(5000));
    EXPECT_EQ(refused.exitCode(), 2);
}

TEST(Binary, refusesABadFaultWithAMessage) {
    QProcess p;
    p.start(QStringLiteral(SCALE_BINARY), {"--fault", "loud:plu=1"});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("unknown fault kind \"loud\""));
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
}

TEST(Binary, refusesAnUnknownOptionAsAUsageError) {
    QProcess p;
    p.start(QStringLiteral(SCALE_BINARY), {"--bogus"});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("bogus"));
}

TEST(Binary, helpDescribesFaultsAndTheLog) {
    QProcess p;
    p.start(QStringLiteral(SCALE_BINARY), {"--help"});
    ASSERT_TRUE(p.waitForFinished(5000));
    const QByteArray help = p.readAllStandardOutput();
    for (const char* text : {"--fault <FAULT>", "badclose", "times=T", "--no-pace", "sc> 77",
                             "device /dev/pts/N", "--answer-by <slot|number>"})
        EXPECT_TRUE(help.contains(text)) << text;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
