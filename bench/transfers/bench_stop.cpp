// SPDX-License-Identifier: GPL-3.0-or-later
// Stop, then Download: an engine sends 200 PLU records to tarnlink-scale on its pseudo-terminal
// (paced, 9600 baud), is stopped once the scale has acknowledged some records, and at once runs
// the download again. Prints where the stop left the transfer, what the scale had acknowledged
// (its byte log's closing bytes), and the time from the second download's start to its first
// record acknowledged, with any retry it needed.
#include "DownloadJobs.h"
#include "Engine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#ifndef SCALE_BINARY
#define SCALE_BINARY "tarnlink-scale"
#endif

using namespace tarn;
using namespace tarn::testing;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("TARNLINK_STORE", dir.filePath(QStringLiteral("scales.sqlite")).toLocal8Bit());
    const QString log = dir.filePath(QStringLiteral("scale.log"));
    QProcess scale;
    scale.start(QStringLiteral(SCALE_BINARY),
                {QStringLiteral("--empty"), QStringLiteral("--log"), log});
    if (!scale.waitForStarted(5000) || !scale.waitForReadyRead(10000)) {
        std::fprintf(stderr, "tarnlink-scale did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(scale.readLine()).trimmed().section(' ', 1);

    const DownloadJob job = pluDownload(kMaxRecords);

    Engine engine(systemPortParts());
    int acks = 0;
    int stopAt = 0;
    QStringList texts;
    std::optional<JobOutcome> outcome;
    QElapsedTimer sinceStart;
    qint64 firstAckMs = -1;
    QObject::connect(&engine, &Engine::acknowledged, [&](const RecordAck&) {
        if (++acks == stopAt)
            engine.stop();
        if (firstAckMs < 0)
            firstAckMs = sinceStart.elapsed();
    });
    QObject::connect(&engine, &Engine::status, [&](const QString& t) { texts << t; });
    QObject::connect(&engine, &Engine::finished,
                     [&](const JobOutcome& o, RequestId) { outcome = o; });
    bool opened = false;
    QObject::connect(&engine, &Engine::opened,
                     [&](const QString&, const QString& failure, bool, RequestId) {
                         opened = failure.isEmpty();
                     });
    engine.open(device);
    if (!QTest::qWaitFor([&] { return engine.isOpen(); }, 10000) || !opened) {
        std::fprintf(stderr, "the port did not open\n");
        return 1;
    }
    auto closingBytes = [&] {
        QFile f(log);
        f.open(QIODevice::ReadOnly);
        return int(f.readAll().count("sc> 10\n"));
    };
    auto runJob = [&](int stop) {
        acks = 0;
        stopAt = stop;
        outcome.reset();
        texts.clear();
        firstAckMs = -1;
        sinceStart.start();
        engine.run(job);
        return QTest::qWaitFor([&] { return outcome.has_value(); }, 600000);
    };
    for (const int stop : {38, 77, 120, 151, 190}) {
        const int before = closingBytes();
        if (!runJob(stop))
            return 1;
        const int lastRecord = outcome->result.lastRecord;
        QTest::qWait(300); // the scale's log is written as it goes
        const int scaleAcked = closingBytes() - before;
        if (!runJob(1))
            return 1;
        std::printf("stop at ack %3d: \"Stopped after plu#%d\", the scale acknowledged %d; "
                    "next download's first record after %lld ms, %lld retries\n",
                    stop, lastRecord, scaleAcked, firstAckMs,
                    qlonglong(texts.filter(QStringLiteral("Retry #")).size()));
    }
    scale.terminate();
    scale.waitForFinished(5000);
    return 0;
}
