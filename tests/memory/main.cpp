// SPDX-License-Identifier: GPL-3.0-or-later
// The memory tests, and the process they kill or run side by side:
//   memory_tests --child PATH PORT COUNT|loop
// writes COUNT records (or until killed) through the store as a download would; write w is
// record number w % 200 + 1 with bytes telling it apart, one byte to stdout after each commit.
#include "ChildWrites.h"
#include "ScaleMemory.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <unistd.h>

namespace {
int childWrites(char** argv) {
    using namespace tarn;
    const bool loop = std::strcmp(argv[4], "loop") == 0;
    ScaleMemory store(QString::fromLocal8Bit(argv[2]));
    const TransferKey key = store.beginTransfer(QString::fromLocal8Bit(argv[3]), TableKind::Plu,
                                                TransferDirection::Download, "ALL");
    for (long w = 0; loop || w < std::atol(argv[4]); ++w) {
        store.recordHeld(key, recordNumber(w), recordNumber(w), recordBytes(w));
        if (write(STDOUT_FILENO, "r", 1) != 1)
            return 1;
    }
    store.endTransfer(key, " THE END ");
    return store.takeProblem().isEmpty() ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0)
        return childWrites(argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
