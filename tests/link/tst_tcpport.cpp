// SPDX-License-Identifier: GPL-3.0-or-later
// The port to a scale behind a network serial server, against an in-process server.

#include "Handshake.h"
#include "PortFactory.h"
#include "PortName.h"
#include "RecordCodec.h"
#include "TcpPort.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace tarn;

namespace {

// Lets the event loop run until `done` or two seconds have passed.
template <class F> bool runUntil(F done) {
    QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// A thread with an event loop for a test's server: the link's waits block the test's thread,
// so the server answers from here. on() runs a function there (at once when called there) and
// waits for it. The function and its end pass under a mutex of ours, so that ThreadSanitizer
// sees them ordered; the thread's loop is only woken by an event that carries nothing.
class ServerThread {
public:
    ServerThread() : context_(*this) {
        context_.moveToThread(&thread_);
        thread_.start();
    }
    ~ServerThread() {
        thread_.quit();
        thread_.wait();
    }
    void on(std::function<void()> f) {
        if (QThread::currentThread() == &thread_) {
            f();
            return;
        }
        std::unique_lock lock(mutex_);
        task_ = std::move(f);
        QCoreApplication::postEvent(&context_, new QEvent(QEvent::User));
        done_.wait(lock, [this] { return !task_; });
    }
    template <class T> T get(const std::function<T()>& f) {
        T value{};
        on([&] { value = f(); });
        return value;
    }

private:
    struct Context : QObject {
        explicit Context(ServerThread& owner) : owner_(owner) {}
        bool event(QEvent*) override {
            owner_.runTask();
            return true;
        }
        ServerThread& owner_;
    };
    void runTask() {
        const std::lock_guard lock(mutex_);
        if (task_)
            task_();
        task_ = nullptr;
        done_.notify_all();
    }

    QThread thread_;
    Context context_;
    std::mutex mutex_;
    std::condition_variable done_;
    std::function<void()> task_;
};

// Listens on 127.0.0.1, on the server's thread; each connection it takes goes to `accepted`.
// Its port.
quint16 listenLocally(std::unique_ptr<QTcpServer>& server,
                      std::function<void(QTcpSocket*)> accepted) {
    server = std::make_unique<QTcpServer>();
    server->listen(QHostAddress::LocalHost);
    QTcpServer* listening = server.get();
    QObject::connect(listening, &QTcpServer::newConnection, [listening, accepted] {
        while (QTcpSocket* s = listening->nextPendingConnection())
            accepted(s);
    });
    return listening->serverPort();
}

// A serial server on 127.0.0.1 with the scale behind it played by `answer`, which sees the
// bytes of the connection as they come.
class Server {
public:
    using Answer = std::function<void(QTcpSocket&, const QByteArray& heard)>;
    Server() {
        thread_.on([this] {
            port_ = listenLocally(server_, [this](QTcpSocket* s) {
                ++connections_;
                conn_ = s;
                QObject::connect(s, &QTcpSocket::readyRead, [this, s] {
                    heard_ += s->readAll();
                    if (answer_)
                        answer_(*s, heard_);
                });
            });
        });
    }
    ~Server() {
        thread_.on([this] { server_.reset(); });
    }
    QString name() const { return QStringLiteral("tcp:127.0.0.1:%1").arg(port_); }
    void stopListening() {
        thread_.on([this] { server_->close(); });
    }
    // Sends at once, into the system's buffers at the PC's end of the connection.
    void send(const QByteArray& bytes) {
        thread_.on([this, bytes] {
            conn_->write(bytes);
            conn_->flush();
        });
    }
    void dropConnection() {
        thread_.on([this] { conn_->abort(); });
    }
    void setAnswer(Answer answer) {
        thread_.on([this, answer] { answer_ = answer; });
    }
    int connections() {
        return thread_.get<int>([this] { return connections_; });
    }
    bool connected() {
        return thread_.get<bool>([this] { return conn_ != nullptr; });
    }

private:
    ServerThread thread_;
    std::unique_ptr<QTcpServer> server_;
    quint16 port_ = 0;
    Answer answer_;
    QByteArray heard_;
    int connections_ = 0;
    QPointer<QTcpSocket> conn_;
};

class NetLine : public ::testing::Test {
protected:
    void SetUp() override {
        link = std::make_unique<ScaleLink>(std::make_unique<AnyPort>(),
                                           std::make_unique<SteadyClock>());
        QObject::connect(link.get(), &ScaleLink::portLost,
                         [this](const QString& m) { lost.push_back(m); });
        const auto error = link->open(server.name());
        ASSERT_FALSE(error) << error->toStdString();
        ASSERT_TRUE(runUntil([&] { return server.connected(); }));
    }
    Server server;
    std::unique_ptr<ScaleLink> link;
    std::vector<QString> lost;
};

// What the operator is told when a port does not open `name`; empty when it opened.
QString failureOpening(const QString& name) {
    AnyPort port;
    const auto error = port.open(name);
    return error && !port.isOpen() ? cannotOpenText(port.systemName(), *error) : QString();
}

} // namespace

TEST(TcpPortNames, hostPortAndBracketedIpv6AreReadAndAnythingElseIsNot) {
    const auto name = networkAddressOf(QStringLiteral("tcp:scale-3.shop:4001"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->host, QStringLiteral("scale-3.shop"));
    EXPECT_EQ(name->port, 4001);
    const auto v6 = networkAddressOf(QStringLiteral("TCP:[fe80::1]:2001"));
    ASSERT_TRUE(v6);
    EXPECT_EQ(v6->host, QStringLiteral("fe80::1"));
    EXPECT_EQ(v6->port, 2001);
    for (const char* bad : {"tcp:fe80::1:2001", "tcp:host", "tcp:host:0", "tcp:host:65536",
                            "tcp::4001", "tcp:[]:4001", "/dev/ttyS0"})
        EXPECT_FALSE(networkAddressOf(QString::fromLatin1(bad))) << bad;
}

// A server that takes no more connections (its queue full) leaves a connect unanswered: the
// open gives up after its time and says so.
TEST(TcpPortOpen, aServerThatDoesNotAnswerIsGivenUpOn) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    ASSERT_GE(filler, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::listen(listener, 0), 0); // never accepted: one connection fills the queue
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
    ASSERT_EQ(::connect(filler, reinterpret_cast<sockaddr*>(&address), size), 0);
    const QString name = QStringLiteral("tcp:127.0.0.1:%1").arg(ntohs(address.sin_port));

    const QString said = failureOpening(name);
    ::close(filler);
    ::close(listener);
    EXPECT_EQ(said, QStringLiteral("ERROR! cannot open ") + name +
                        QStringLiteral(": no connection within 3 s"));
}

TEST(TcpPortOpen, aRefusedConnectionGivesTheSystemsReason) {
    QString name;
    {
        Server gone;
        name = gone.name();
    }
    EXPECT_EQ(failureOpening(name), QStringLiteral("ERROR! cannot open ") + name +
                                        QStringLiteral(": Connection refused"));
}

// A network server's port takes a lock as a serial port does, by its address: a second
// program under another name of the same server is told who holds it, and never connects.
TEST(TcpPortOpen, aSecondProgramOnTheSameServerIsToldWhoHoldsIt) {
    Server server;
    const QString byName = QStringLiteral("tcp:localhost:%1").arg(server.name().section(':', 2));
    AnyPort holder;
    ASSERT_FALSE(holder.open(byName));
    EXPECT_EQ(holder.identity(), server.name());
    ASSERT_TRUE(runUntil([&] { return server.connections() == 1; }));
    AnyPort other;
    EXPECT_EQ(other.open(server.name()).value_or(QString()),
              QStringLiteral("in use by another program (process %1)").arg(::getpid()));
    holder.close();
    EXPECT_FALSE(other.open(server.name()));
    EXPECT_TRUE(runUntil([&] { return server.connections() == 2; }));
}

TEST_F(NetLine, aConnectionDroppedMidTransferIsALostPort) {
    server.setAnswer([this](QTcpSocket& s, const QByteArray& heard) {
        if (heard == QByteArray("\xA5", 1)) {
            s.write("\x77");
        } else {
            server.stopListening();
            s.abort(); // the server drops the line after the command byte
        }
    });
    PluRecord r;
    r.pluNo = 7;
    std::vector<QString> texts;
    FunctionSink sink([&](const QString& t) { texts.push_back(t); });
    Handshake h(*link, sink, exchanges::pluDownload());
    const auto result = h.download(1, 7, encodePluRecord(r).bytes, [] {});
    EXPECT_EQ(result.outcome, Handshake::Outcome::PortLost);
    EXPECT_FALSE(link->isOpen());
    ASSERT_FALSE(lost.empty());
    EXPECT_TRUE(lost.front().startsWith(QStringLiteral("ERROR! lost port ") + server.name() +
                                        QStringLiteral(": ")))
        << lost.front().toStdString();
}

TEST_F(NetLine, aLateByteIsEmptiedByTheResetOnTheSameConnection) {
    // In the system's buffer, not yet fetched by the event loop.
    server.send(QByteArray("\x10\x99", 2));
    EXPECT_FALSE(link->reset());
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(link->port().bytesWaiting(), 0);
    server.send("\x77");
    EXPECT_EQ(link->rxByte(), 0x77);
    EXPECT_EQ(server.connections(), 1);
    EXPECT_TRUE(lost.empty());
}

TEST_F(NetLine, aResetThatFindsTheConnectionGoneReconnectsOnceAndElseLosesThePort) {
    server.dropConnection();
    EXPECT_FALSE(link->reset());
    EXPECT_TRUE(link->isOpen());
    ASSERT_TRUE(runUntil([&] { return server.connections() == 2; }));
    EXPECT_TRUE(lost.empty());

    server.stopListening();
    server.dropConnection();
    const auto message = link->reset();
    const QString expected = QStringLiteral("ERROR! lost port ") + server.name() +
                             QStringLiteral(": Connection refused");
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, expected);
    EXPECT_FALSE(link->isOpen());
    EXPECT_EQ(lost, std::vector<QString>{expected});
}

namespace {

// A network serial server as ser2net is one: the scale's bytes reach the connection in blocks
// of 64, some 67 ms apart (9600 baud), and what the scale sends after a connection has closed
// goes to the next one. The scale behind it answers the sync byte, the display read and the
// ingredient upload, whose reply marks the end of its data.
class PacedServer {
public:
    static constexpr int kBlock = 64;
    static constexpr int kBlockMs = 67;
    static constexpr DisplayReading kReading{1234, 1000, 1234};

    PacedServer() {
        thread_.on([this] {
            port_ = listenLocally(server_, [this](QTcpSocket* s) {
                conn_ = s;
                QObject::connect(s, &QTcpSocket::readyRead, [this, s] { hear(s->readAll()); });
            });
            pace_ = std::make_unique<QTimer>();
            QObject::connect(pace_.get(), &QTimer::timeout, [this] {
                if (conn_ && conn_->state() == QAbstractSocket::ConnectedState &&
                    !line_.isEmpty()) {
                    conn_->write(line_.left(kBlock));
                    conn_->flush();
                    line_.remove(0, kBlock);
                }
            });
            pace_->start(kBlockMs);
        });
    }
    ~PacedServer() {
        thread_.on([this] {
            pace_.reset();
            server_.reset();
        });
    }
    QString name() const { return QStringLiteral("tcp:127.0.0.1:%1").arg(port_); }
    bool lineEmpty() {
        return thread_.get<bool>([this] { return line_.isEmpty(); });
    }

private:
    static QByteArray be32(quint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = char(v >> (24 - 8 * i));
        return b;
    }
    void hear(const QByteArray& bytes) {
        for (const char c : bytes) {
            const quint8 b = quint8(c);
            if (state_ == 0 && b == 0xA5) {
                line_ += '\x77';
                state_ = 1;
            } else if (state_ == 1 && b == 0x06) {
                line_ +=
                    be32(kReading.weight) + be32(kReading.unitPrice) + be32(kReading.totalPrice);
                state_ = 0;
            } else if (state_ == 1 && b == 0x04) {
                line_ += '\x01';
                state_ = 2;
            } else if (state_ >= 2) {
                if (++state_ == 4) {
                    // The go-ahead, then a whole reply whose message number 0 ends the data.
                    line_ += QByteArray(1, '\0') + QByteArray(2, '\0') + QByteArray(400, 'm') +
                             QByteArray(1, '\x10');
                    state_ = 0;
                }
            } else {
                state_ = 0;
            }
        }
    }

    ServerThread thread_;
    std::unique_ptr<QTcpServer> server_;
    std::unique_ptr<QTimer> pace_;
    quint16 port_ = 0;
    QPointer<QTcpSocket> conn_;
    QByteArray line_;
    int state_ = 0;
};

class PacedLine : public ::testing::Test {
protected:
    void SetUp() override {
        link = std::make_unique<ScaleLink>(std::make_unique<AnyPort>(),
                                           std::make_unique<SteadyClock>());
        const auto error = link->open(server.name());
        ASSERT_FALSE(error) << error->toStdString();
    }
    PacedServer server;
    std::unique_ptr<ScaleLink> link;
    FunctionSink status{[](const QString&) {}};
};

} // namespace

// The rest of a reply whose first two bytes ended the upload comes in blocks with pauses longer
// than a serial line's: it is all let go by before the next exchange.
TEST_F(PacedLine, theRestOfAnEndReplyIsGoneBeforeTheNextExchange) {
    Handshake h(*link, status, exchanges::ingredUpload());
    const auto end = h.upload(1, 1,
                              [](const QByteArray& r) {
                                  return (quint8(r[0]) << 8 | quint8(r[1])) == 0
                                             ? Handshake::Verdict::EndOfData
                                             : Handshake::Verdict::Accept;
                              },
                              {});
    ASSERT_EQ(end.outcome, Handshake::Outcome::EndOfData);
    const DisplayAnswer answer = readDisplay(*link);
    EXPECT_TRUE(answer.synced);
    EXPECT_EQ(answer.reading, PacedServer::kReading);
}

// A job that ended while the scale was still answering (Ctrl-C) leaves bytes that the server
// passes on to the next connection: the port drops them as it opens, as a serial port does.
TEST_F(PacedLine, whatTheServerStillPassesOnIsDroppedWhenThePortOpens) {
    link->txByte(0xA5);
    ASSERT_EQ(link->rxByte(), 0x77);
    link->txByte(0x04);
    ASSERT_EQ(link->rxByte(), 0x01);
    link->txInt(1);
    QByteArray first;
    ASSERT_TRUE(link->collect(first, 1, [](const QByteArray& b) { return b.size() >= 3; }));
    const QString name = link->port().name();
    link->close();
    ASSERT_FALSE(server.lineEmpty());
    ASSERT_FALSE(link->open(name));
    const DisplayAnswer answer = readDisplay(*link);
    EXPECT_TRUE(answer.synced);
    EXPECT_EQ(answer.reading, PacedServer::kReading);
}
