// SPDX-License-Identifier: GPL-3.0-or-later
// tarnlink-cli in this process, its ports made by the test: what it refuses before any port
// opens, and Ctrl-C while a port is still connecting.

#include "Command.h"
#include "CommandLine.h"
#include "FakeScale.h"
#include "Interrupt.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace tarn::testing {
namespace {

using cli::Console;
using cli::runCommandLine;

// A port whose open waits, as a connect to a network serial server that does not answer does,
// until it is stopped; Ctrl-C comes as soon as the wait has begun.
class ConnectingPort : public Port {
public:
    explicit ConnectingPort(Interrupt& interrupt) : interrupt_(interrupt) {}
    std::optional<QString> open(const QString& name) override {
        name_ = name;
        QMetaObject::invokeMethod(&interrupt_, "arrived", Qt::QueuedConnection);
        while (stopFlag() && !stopFlag()->isRaised())
            stopFlag()->sleep(std::chrono::hours(1));
        return QStringLiteral("the connect was ended");
    }
    void close() override {}
    bool isOpen() const override { return false; }
    QString name() const override { return name_; }
    QString systemName() const override { return name_; }
    void write(const QByteArray&) override {}
    qint64 bytesWaiting() const override { return 0; }
    QByteArray readAll() override { return {}; }

private:
    Interrupt& interrupt_;
    QString name_;
};

class InProcess : public ::testing::Test {
protected:
    ~InProcess() override {
        std::fclose(out_);
        std::fclose(err_);
        std::free(outText_);
        std::free(errText_);
    }
    // Runs the command line; every port it makes is counted.
    int run(const QStringList& args, const PortFactory& ports = {}) {
        Console console(out_, err_);
        return runCommandLine(args, console, &interrupt, [&] {
            ++portsMade;
            return ports ? ports() : PortParts{nullptr, nullptr};
        });
    }
    QString out() {
        std::fflush(out_);
        return QString::fromUtf8(outText_, qsizetype(outSize_));
    }
    QString err() {
        std::fflush(err_);
        return QString::fromUtf8(errText_, qsizetype(errSize_));
    }

    Interrupt interrupt;
    QTemporaryDir dir;
    int portsMade = 0;

private:
    char* outText_ = nullptr;
    size_t outSize_ = 0;
    char* errText_ = nullptr;
    size_t errSize_ = 0;
    std::FILE* out_ = open_memstream(&outText_, &outSize_);
    std::FILE* err_ = open_memstream(&errText_, &errSize_);
};

TEST_F(InProcess, thePortGivenTwiceIsAUsageError) {
    EXPECT_EQ(run({"--port", "/dev/pts/2", "--port", "/dev/pts/2", "download", "plu", "a.PLU"}), 2);
    EXPECT_TRUE(err().startsWith("tarnlink-cli: --port /dev/pts/2 is given twice\n"))
        << err().toStdString();
    EXPECT_EQ(run({"--port", "COM1", "download", "plu", "a.PLU", "--port", "com1"}), 2);
    EXPECT_TRUE(err().contains("--port com1 is given twice")) << err().toStdString();
    EXPECT_EQ(run({"--port", "", "display"}), 2);
    EXPECT_TRUE(err().contains("--port \"\": no port name")) << err().toStdString();
    EXPECT_EQ(portsMade, 0);
}

// Two names of one device in one command: refused before any port opens, naming both and the
// device, rather than one of them found "in use" by the command itself.
TEST_F(InProcess, twoNamesOfOnePortAreAUsageError) {
    const QString link = dir.filePath("scale");
    ASSERT_TRUE(QFile::link("/dev/null", link));
    EXPECT_EQ(run({"--port", link, "--port", "/dev/null", "download", "plu", "a.PLU"}), 2);
    EXPECT_TRUE(err().startsWith("tarnlink-cli: --port " + link +
                                 " and --port /dev/null are one port: /dev/null\n"))
        << err().toStdString();
    EXPECT_EQ(run({"--port", "tcp:localhost:4001", "--port", "tcp:127.0.0.1:4001", "download",
                   "plu", "a.PLU"}),
              2);
    EXPECT_TRUE(err().contains("--port tcp:localhost:4001 and --port tcp:127.0.0.1:4001 are one "
                               "port: tcp:127.0.0.1:4001"))
        << err().toStdString();
    EXPECT_EQ(portsMade, 0);
}

// An upload learns before the line is used that it could not keep what it reads.
TEST_F(InProcess, anUploadThatCouldNotBeKeptIsRefusedBeforeAnyPortOpens) {
    const QString nowhere = dir.filePath("gone/backup.PLU");
    EXPECT_EQ(run({"--port", "COM1", "upload", "plu", nowhere}), 1);
    EXPECT_EQ(err().toStdString(), ("tarnlink-cli: " + nowhere + " cannot be written: no folder " +
                                    dir.filePath("gone") + "\n")
                                       .toStdString());
    for (const char* number : {"0", "201"}) {
        EXPECT_EQ(
            run({"--port", "COM1", "upload", "plu", dir.filePath("backup.PLU"), "--one", number}),
            1);
    }
    EXPECT_EQ(out().toStdString(), "");
    EXPECT_TRUE(
        err().endsWith("ERROR! PLU number must be 1 to 200\nERROR! PLU number must be 1 to 200\n"))
        << err().toStdString();
    EXPECT_EQ(portsMade, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("backup.PLU")));
}

// Ctrl-C while the port is still connecting ends the upload at once: nothing is read, nothing
// written, and the run says it was interrupted.
TEST_F(InProcess, ctrlCWhileConnectingEndsTheUploadWithNothingWritten) {
    const QString backup = dir.filePath("backup.PLU");
    const int status = run({"--port", "tcp:scale.shop:4001", "upload", "plu", backup}, [&] {
        return PortParts{std::make_unique<ConnectingPort>(interrupt),
                         std::make_unique<SteadyClock>()};
    });
    EXPECT_EQ(status, 130); // 128 + SIGINT
    EXPECT_EQ(err().toStdString(), "tarnlink-cli: interrupted\n");
    EXPECT_EQ(out().toStdString(), "");
    EXPECT_FALSE(QFile::exists(backup));
}

// The command line on virtual time: a silent scale's five retries, some 37 s on a real line,
// end at once, each text a line and the job failed.
TEST_F(InProcess, aSilentScaleAbandonsTheDownloadOnVirtualTime) {
    const QString prices = dir.filePath("prices.PLU");
    QFile file(prices);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n");
    file.close();
    const int status = run({"--port", "/dev/ttyUSB7", "download", "plu", prices}, [] {
        auto clock = std::make_unique<VirtualClock>();
        auto scale = std::make_unique<FakeScale>(*clock);
        scale->silent();
        return PortParts{std::move(scale), std::move(clock)};
    });
    EXPECT_EQ(status, 1);
    QStringList expected{"PLU Count is 1"};
    for (int retry = 1; retry <= 5; ++retry)
        expected << "Sync error PLU No : 1" << QStringLiteral("Retry #%1").arg(retry);
    expected << "Sync error PLU No : 1";
    EXPECT_EQ(out().toStdString(), (expected.join('\n') + '\n').toStdString());
    EXPECT_EQ(portsMade, 1);
}

} // namespace
} // namespace tarn::testing
