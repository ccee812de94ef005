// SPDX-License-Identifier: GPL-3.0-or-later
// Two whole-table downloads against tarnlink-scale on its pseudo-terminal, paced as at 9600
// baud: the wall time of each against the time its bytes take on the wire, and the CPU the
// program uses while it waits for a scale that does not answer.
//
//   bench_transfers [records] [silent-seconds]     (defaults: 200, 10)

#include "ScaleLink.h"
#include "SerialPort.h"
#include "Transfers.h"
#include "WorkspaceTransfers.h"

#include "CpuTime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <optional>

using namespace tarn;
using namespace tarn::testing;

namespace {

#ifndef SCALE_BINARY
#define SCALE_BINARY "tarnlink-scale"
#endif

constexpr double kBytesPerSecond = 960.0;  // 9600 baud, 10 bits a byte
constexpr int kPluBytesPerRecord = 81;     // A5 77 02 01, number and echo, 72, 10
constexpr int kIngredBytesPerRecord = 409; // A5 77 00 01, number and echo, 400, 10

using Steady = std::chrono::steady_clock;

// The real port, with the program's own share of the time taken: from the moment an answer is
// taken to the next write (deciding, status texts, the port reset), and from the port's notice
// of the last bytes of an answer to their being taken (waking up).
class TimingPort : public Port {
public:
    TimingPort() {
        connect(&inner_, &Port::readyRead, this, [this] {
            arrived_ = Steady::now();
            emit readyRead();
        });
        connect(&inner_, &Port::failed, this, &Port::failed);
    }
    std::optional<QString> open(const QString& name) override { return inner_.open(name); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }
    QString name() const override { return inner_.name(); }
    QString systemName() const override { return inner_.systemName(); }
    void write(const QByteArray& bytes) override {
        if (taken_) {
            turnaround += Steady::now() - *taken_;
            taken_.reset();
        }
        inner_.write(bytes);
    }
    qint64 bytesWaiting() const override { return inner_.bytesWaiting(); }
    QByteArray readAll() override {
        QByteArray bytes = inner_.readAll();
        if (!bytes.isEmpty()) {
            taken_ = Steady::now();
            wakeUp += *taken_ - arrived_;
        }
        return bytes;
    }
    bool clearBuffers() override { return inner_.clearBuffers(); }

    double programSeconds() const {
        return std::chrono::duration<double>(turnaround + wakeUp).count();
    }
    void restart() {
        turnaround = wakeUp = {};
        taken_.reset();
    }
    Steady::duration turnaround{};
    Steady::duration wakeUp{};

private:
    SerialPort inner_;
    Steady::time_point arrived_{};
    std::optional<Steady::time_point> taken_;
};

// The simulator with `args`, its device read from its first line.
struct Scale {
    explicit Scale(const QStringList& args) {
        process.start(QStringLiteral(SCALE_BINARY), args);
        process.waitForStarted(5000);
        while (!process.canReadLine() && process.waitForReadyRead(10000)) {
        }
        const QString first = QString::fromLocal8Bit(process.readLine()).trimmed();
        if (first.startsWith(QLatin1String("device ")))
            device = first.mid(7);
    }
    ~Scale() {
        process.terminate();
        process.waitForFinished(5000);
    }
    QProcess process;
    QString device;
};

struct Figures {
    TransferResult result;
    double wall = 0;
    double cpu = 0;
    double program = 0;
};

TimingPort* timing = nullptr;

template <class F> Figures measure(F&& run) {
    timing->restart();
    QElapsedTimer timer;
    const double cpu0 = cpuSeconds(RUSAGE_SELF);
    timer.start();
    Figures f;
    f.result = run();
    f.wall = double(timer.nsecsElapsed()) / 1e9;
    f.cpu = cpuSeconds(RUSAGE_SELF) - cpu0;
    f.program = timing->programSeconds();
    return f;
}

void report(const char* what, const Figures& f, int records, int bytesPerRecord) {
    const double wire = records * bytesPerRecord / kBytesPerSecond;
    std::printf("%s: %d records, last text \"%s\"\n"
                "  wall %.3f s, wire %.3f s at 9600 baud: %.3f s over (%.2f%%)\n"
                "  the program's own share: %.3f s (%.2f%% of wire time); the rest is the "
                "line's and the simulator's timing\n"
                "  CPU %.3f s (%.2f%% of wall)\n",
                what, f.result.records, qPrintable(f.result.message), f.wall, wire, f.wall - wire,
                100.0 * (f.wall - wire) / wire, f.program, 100.0 * f.program / wire, f.cpu,
                100.0 * f.cpu / f.wall);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kMaxRecords;
    const int silentSeconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10;

    Workspace ws;
    ws.startUp();
    for (int i = 1; i <= records; ++i) {
        PluRecord& p = ws.plu.records[size_t(i)];
        p.pluNo = qint16(i);
        p.itemCode = 100000 + i;
        p.name1 = QStringLiteral("Article %1").arg(i);
        p.name2 = QStringLiteral("Shop shelf %1").arg(i % 17);
        p.unitPrice = 199 + i;
        IngredRecord& m = ws.ingred.records[size_t(i)];
        m.messageNo = qint16(i);
        for (int k = 0; k < kIngredLines; ++k)
            m.lines[size_t(k)] =
                QStringLiteral("Message %1, line %2: flour, salt, water").arg(i).arg(k + 1);
    }
    ws.plu.count = qint16(records);
    ws.ingred.count = qint16(records);
    ws.setFilePath(QStringLiteral("bench.PLU"));

    auto port = std::make_unique<TimingPort>();
    timing = port.get();
    ScaleLink link(std::move(port), std::make_unique<SteadyClock>());
    {
        Scale scale({QStringLiteral("--empty")}); // paced as at 9600 baud
        if (scale.device.isEmpty() || link.open(scale.device)) {
            std::fprintf(stderr, "cannot start or open %s\n", SCALE_BINARY);
            return 1;
        }
        report("PLU download, ALL", measure([&] { return downloadPlu(ws, link, {}); }), records,
               kPluBytesPerRecord);
        report("INGRED download, ALL", measure([&] { return downloadIngred(ws, link, {}); }),
               records, kIngredBytesPerRecord);
        link.close();
    }
    {
        Scale scale({QStringLiteral("--fault"), QStringLiteral("silent:times=all")});
        if (scale.device.isEmpty() || link.open(scale.device))
            return 1;
        QTimer::singleShot(silentSeconds * 1000, Qt::PreciseTimer, [&] { link.stop(); });
        const Figures f = measure([&] { return uploadPlu(ws, link, {}); });
        std::printf("silent scale: PLU upload waited %.3f s (last text \"%s\"), CPU %.4f s "
                    "(%.3f%% of wall)\n",
                    f.wall, qPrintable(f.result.message), f.cpu, 100.0 * f.cpu / f.wall);
        link.close();
    }
    return 0;
}
