// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's queue and its stop, on virtual time with the in-process scale: requests run one
// at a time in the order made, a stop ends what runs and what was queued before it, and the line
// is left at rest for the next job.

#include "DownloadJobs.h"
#include "Engine.h"
#include "FakeScale.h"
#include "LineGate.h"

#include <QTest>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <map>
#include <mutex>

namespace tarn::testing {
namespace {

using Kind = FakeScale::LogEntry::Kind;

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto time = std::make_unique<VirtualClock>();
        clock = time.get();
        auto port = std::make_unique<FakeScale>(*clock);
        scale = port.get();
        scale->byteTime = Clock::Time(0);
        make(PortParts{std::move(port), std::move(time)});
        ASSERT_TRUE(answered(engine->open(QStringLiteral("ttyFAKE"))));
    }
    void make(PortParts parts) {
        engine = std::make_unique<Engine>(std::move(parts));
        Engine* e = engine.get();
        QObject::connect(
            e, &Engine::opened,
            [this](const QString&, const QString&, bool, RequestId id) { answers.push_back(id); });
        QObject::connect(e, &Engine::closed, [this](bool, RequestId id) { answers.push_back(id); });
        QObject::connect(e, &Engine::finished, [this](const JobOutcome& o, RequestId id) {
            answers.push_back(id);
            outcomes[id] = o;
        });
        QObject::connect(e, &Engine::status, [this](const QString& t) { texts << t; });
    }
    // Runs this thread's event loop until request `id` has been answered.
    bool answered(RequestId id) {
        return QTest::qWaitFor([&] { return std::count(answers.begin(), answers.end(), id); },
                               10000);
    }
    // Holds the worker at the next job's first wait of the line until `gate` is released.
    void holdAtFirstWait(LineGate& gate) {
        clock->onWait = [&gate, first = true]() mutable {
            if (std::exchange(first, false))
                gate.hold();
        };
    }
    std::vector<quint16> received() const {
        std::vector<quint16> numbers;
        for (const auto& r : scale->received)
            numbers.push_back(r.first);
        return numbers;
    }

    VirtualClock* clock = nullptr;
    FakeScale* scale = nullptr;
    std::unique_ptr<Engine> engine;
    std::vector<RequestId> answers;
    std::map<RequestId, JobOutcome> outcomes;
    QStringList texts;
};

// Requests made while a job waits on the line are not run inside it: each waits its turn, and
// the answers come in the order the requests were made. A close is one of them.
TEST_F(EngineTest, requestsRunOneAtATimeInTheOrderMade) {
    LineGate gate;
    holdAtFirstWait(gate);
    const RequestId first = engine->run(pluDownload(2, 10));
    ASSERT_TRUE(gate.reached());
    const RequestId second = engine->run(pluDownload(1, 20));
    const RequestId close = engine->close();
    gate.release();
    ASSERT_TRUE(answered(close));

    EXPECT_EQ(answers, (std::vector<RequestId>{1, first, second, close}));
    EXPECT_EQ(outcomes[first].result.outcome, TransferOutcome::Finished);
    EXPECT_EQ(outcomes[second].result.outcome, TransferOutcome::Finished);
    EXPECT_EQ(received(), (std::vector<quint16>{10, 11, 20}));
    EXPECT_FALSE(engine->isOpen());
}

// A stop ends the job that runs, as soon as the record on the line is through, and the job
// queued before it without touching the line; a job asked for after the stop runs.
TEST_F(EngineTest, aStopEndsWhatRunsAndWhatWasQueuedBeforeIt) {
    LineGate gate;
    holdAtFirstWait(gate);
    const RequestId running = engine->run(pluDownload(3, 10));
    ASSERT_TRUE(gate.reached());
    const RequestId queued = engine->run(pluDownload(3, 20));
    engine->stop();
    const RequestId after = engine->run(pluDownload(1, 30));
    gate.release();
    ASSERT_TRUE(answered(after));

    EXPECT_TRUE(outcomes[running].stopped);
    EXPECT_EQ(outcomes[running].result.lastRecord, 1);
    EXPECT_TRUE(outcomes[queued].stopped);
    EXPECT_EQ(outcomes[queued].result.outcome, TransferOutcome::Stopped);
    EXPECT_EQ(outcomes[after].result.outcome, TransferOutcome::Finished);
    EXPECT_EQ(received(), (std::vector<quint16>{10, 30}));
}

// A stop while the scale is silent ends the wait at once, whether the wait is for the sync
// answer or the pause after a failed sync; nothing more is sent or retried.
TEST_F(EngineTest, aStopEndsAWaitForASilentScaleAtOnce) {
    scale->silent();
    for (const double at : {1.0, 3.0}) { // in the first sync's 2 s wait, in the pause after it
        const Clock::Time start = clock->now();
        clock->at(start + seconds(at), [this] { engine->stop(); });
        texts.clear();
        const RequestId job = engine->run(pluDownload(1));
        ASSERT_TRUE(answered(job));
        EXPECT_TRUE(outcomes[job].stopped) << at;
        EXPECT_EQ(clock->now() - start, seconds(at)) << at;
        const QStringList said =
            at < 2 ? QStringList() : QStringList{"Sync error PLU No : 1", "Retry #1"};
        EXPECT_EQ(texts, said) << at;
    }
}

// A stop while the scale acknowledges a record: the record is counted (it is on the scale),
// and the next download's first sync is answered at once, without a retry.
TEST_F(EngineTest, aStopLeavesTheLineAtRestForTheNextJob) {
    clock->onWait = [&] {
        if (scale->received.size() == 3) // the PC waits for the third record's closing byte
            engine->stop();
    };
    const RequestId stopped = engine->run(pluDownload(5));
    ASSERT_TRUE(answered(stopped));
    clock->onWait = nullptr;
    EXPECT_TRUE(outcomes[stopped].stopped);
    EXPECT_EQ(outcomes[stopped].result.lastRecord, 3);
    EXPECT_EQ(received().size(), size_t(3));

    const size_t from = scale->log().size();
    texts.clear();
    const RequestId next = engine->run(pluDownload(1));
    ASSERT_TRUE(answered(next));
    EXPECT_EQ(outcomes[next].result.outcome, TransferOutcome::Finished);
    EXPECT_EQ(texts.filter(QStringLiteral("Retry")), QStringList());
    // From the next job's sync byte to the first record's closing byte, on virtual time.
    const auto& log = scale->log();
    ASSERT_GT(log.size(), from);
    Clock::Time acked{};
    for (size_t i = log.size(); i-- > from;)
        if (log[i].kind == Kind::ToPc && log[i].bytes == QByteArray(1, '\x10'))
            acked = log[i].at;
    const double firstRecord = std::chrono::duration<double>(acked - log[from].at).count();
    RecordProperty("stopThenDownloadFirstRecordSeconds",
                   QString::number(firstRecord).toStdString());
    EXPECT_LT(firstRecord, 0.1);
}

// A port's open that waits for a network serial server which does not answer (its queue of
// connections full) ends at once when stopped, and the port stays closed.
TEST(EngineOpen, aStopEndsAConnectUnderWay) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
    ASSERT_EQ(::connect(filler, reinterpret_cast<sockaddr*>(&address), size), 0);

    Engine engine(systemPortParts());
    std::optional<std::pair<QString, bool>> answer;
    QObject::connect(&engine, &Engine::opened,
                     [&](const QString&, const QString& failure, bool stopped, RequestId) {
                         answer = {failure, stopped};
                     });
    engine.open(QStringLiteral("tcp:127.0.0.1:%1").arg(ntohs(address.sin_port)));
    engine.stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    ::close(filler);
    ::close(listener);
    ASSERT_TRUE(answer);
    EXPECT_EQ(*answer, (std::pair<QString, bool>{QString(), true}));
    EXPECT_FALSE(engine.isOpen());
}

// A line that never answers, on real time; what the PC sent, seen from the test's thread.
class DeafLine : public Port {
public:
    struct Heard {
        std::mutex mutex;
        QByteArray bytes;
        bool closed = false;
    };
    explicit DeafLine(std::shared_ptr<Heard> heard) : heard_(std::move(heard)) {}
    std::optional<QString> open(const QString& name) override {
        name_ = name;
        open_ = true;
        return std::nullopt;
    }
    void close() override {
        open_ = false;
        const std::lock_guard lock(heard_->mutex);
        heard_->closed = true;
    }
    bool isOpen() const override { return open_; }
    QString name() const override { return name_; }
    QString systemName() const override { return name_; }
    void write(const QByteArray& bytes) override {
        const std::lock_guard lock(heard_->mutex);
        heard_->bytes += bytes;
    }
    qint64 bytesWaiting() const override { return 0; }
    QByteArray readAll() override { return {}; }

private:
    std::shared_ptr<Heard> heard_;
    QString name_;
    bool open_ = false;
};

// An engine deleted while its job waits on the line (the window closing mid-transfer) stops the
// job where it is and closes the port on its own thread before the delete returns.
TEST(EngineEnd, deletingTheEngineStopsItsJobAndClosesThePort) {
    auto heard = std::make_shared<DeafLine::Heard>();
    auto engine = std::make_unique<Engine>(
        PortParts{std::make_unique<DeafLine>(heard), std::make_unique<SteadyClock>()});
    engine->open(QStringLiteral("ttyDEAF"));
    engine->run(pluDownload(1));
    const auto sent = [&] {
        const std::lock_guard lock(heard->mutex);
        return std::pair{heard->bytes, heard->closed};
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sent().first.isEmpty(); }, 10000));
    engine.reset(); // without the stop, five retries: some 37 s
    EXPECT_EQ(sent(), std::pair(QByteArray(1, '\xA5'), true));
}

} // namespace
} // namespace tarn::testing
