// SPDX-License-Identifier: GPL-3.0-or-later
// The memory tests, and the process they kill or run side by side:
//   memory_tests --child PATH PORT COUNT|loop
// writes COUNT records (or until killed) through the store's writer as a download does; write w
// is record number w % 200 + 1 with bytes telling it apart, one byte to stdout after each (once
// it is in the store, when it loops until killed).
#include "ChildWrites.h"
#include "Store.h"
#include "StoreJobs.h"
#include "StoreWriter.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace {
int childWrites(char** argv) {
    using namespace tarn;
    const bool loop = std::strcmp(argv[4], "loop") == 0;
    tarn::testing::WriterJob job(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                                 TableKind::Plu, TransferDirection::Download, "ALL");
    for (long w = 0; loop || w < std::atol(argv[4]); ++w) {
        job.hold(recordNumber(w), recordNumber(w), recordBytes(w));
        // Killed: every write reported is in the store; racing: the writer groups them.
        if (loop)
            job.sync();
        if (write(STDOUT_FILENO, "r", 1) != 1)
            return 1;
    }
    return job.end(" THE END ").recorded ? 0 : 1;
}
// memory_tests --silent-store URL: a job's reads and end against a server that never answers,
// then the writer's end; prints what each gave and ends as the programs do.
int silentStore(char** argv) {
    using namespace tarn;
    std::optional<StoreWriter> writer(std::in_place, QString::fromLocal8Bit(argv[2]));
    writer->begin({"/dev/ttyS1@pc", "/dev/ttyS1", TableKind::Plu, TransferDirection::Download,
                   "ALL", QDateTime::currentDateTimeUtc()});
    std::printf("read %d\n", writer->read<int>([](Store&) { return 1; }, -1));
    writer->hold(1, 1, "a", QDateTime::currentDateTimeUtc());
    const StoreWriter::Verdict v = writer->finish({JobEnd::Ok, " THE END ", 1, {}, {}});
    std::printf("recorded %d: %s\n", v.recorded, qPrintable(v.problem));
    writer.reset();
    std::printf("abandoned %d\n", StoreWriter::abandoned());
    return endProgram(0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0)
        return childWrites(argv);
    if (argc == 3 && std::strcmp(argv[1], "--silent-store") == 0)
        return silentStore(argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
