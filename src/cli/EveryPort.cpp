#include "EveryPort.h"

#include "ScaleLink.h"

#include <QEventLoop>
#include <QThread>

#include <array>
#include <atomic>
#include <memory>
#include <mutex>

namespace tarn::cli {

namespace {

// The tables and file source a port's job starts from.
struct Snapshot {
    std::array<PluRecord, kTableSlots> plu;
    qint16 pluCount;
    std::array<IngredRecord, kTableSlots> ingred;
    qint16 ingredCount;
    QString filePath;
};

class PortThread : public QThread {
public:
    PortThread(Console& console, const QString& port, QString prefix, const Snapshot& start,
               const PortJob& job, const std::function<QString(bool)>& lastLine)
        : console_(console), port_(port), prefix_(std::move(prefix)), start_(start), job_(job),
          lastLine_(lastLine) {}

    bool ended() const { return ended_; }

    // From the program's thread: every wait of the link returns at once, and a connect still
    // under way ends. The link lives on this port's thread; the stop is carried out there.
    void stop() {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopped_ = true;
        if (link_)
            QMetaObject::invokeMethod(
                link_,
                [link = link_] {
                    link->stop();
                    if (!link->isOpen())
                        link->close();
                },
                Qt::QueuedConnection);
    }

protected:
    void run() override {
        runJob();
        if (lastLine_)
            console_.line(prefix_ + lastLine_(ended_));
    }

    void runJob() {
        Workspace ws;
        ws.plu.records = start_.plu;
        ws.plu.count = start_.pluCount;
        ws.ingred.records = start_.ingred;
        ws.ingred.count = start_.ingredCount;
        ws.setFilePath(start_.filePath);
        QString lostShown;
        printStatusLines(ws, console_, prefix_, lostShown);

        // The link is made here, so that it and its port belong to this thread; stop() reaches
        // it from the time it exists, a connect under way included.
        const std::unique_ptr<ScaleLink> link = newLink();
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (stopped_)
                return;
            link_ = link.get();
        }
        if (openLinkOn(*link, port_, ws, lostShown) && !link->stopped())
            ended_ = job_(ws, *link);
        link->close();
        const std::lock_guard<std::mutex> lock(mutex_);
        link_ = nullptr;
    }

private:
    Console& console_;
    const QString port_;
    const QString prefix_;
    const Snapshot& start_;
    const PortJob& job_;
    const std::function<QString(bool)>& lastLine_;
    std::atomic<bool> ended_ = false;
    std::mutex mutex_;
    bool stopped_ = false;
    ScaleLink* link_ = nullptr; // while the link exists, for stop()
};

} // namespace

std::vector<bool> runOnEveryPort(Session& session, const QStringList& ports, const PortJob& job,
                                 const std::function<QString(const QString&)>& prefix,
                                 const std::function<QString(bool ended)>& lastLine) {
    const Workspace& ws = session.workspace();
    const auto start = std::make_unique<Snapshot>(
        Snapshot{ws.plu.records, ws.plu.count, ws.ingred.records, ws.ingred.count, ws.filePath()});

    std::vector<std::unique_ptr<PortThread>> threads;
    for (const QString& port : ports)
        threads.push_back(std::make_unique<PortThread>(session.console(), port, prefix(port),
                                                       *start, job, lastLine));

    QEventLoop loop;
    size_t running = threads.size();
    for (auto& thread : threads)
        QObject::connect(thread.get(), &QThread::finished, &loop, [&] {
            if (--running == 0)
                loop.quit();
        });
    session.onInterrupt = [&] {
        for (auto& thread : threads)
            thread->stop();
    };
    // A Ctrl-C that came before: no port is opened, and each still says how it ended.
    if (session.interrupted())
        session.onInterrupt();
    for (auto& thread : threads)
        thread->start();
    // Ctrl-C comes in here.
    loop.exec();
    session.onInterrupt = nullptr;

    std::vector<bool> ended;
    for (auto& thread : threads) {
        thread->wait();
        ended.push_back(thread->ended());
    }
    return ended;
}

} // namespace tarn::cli
