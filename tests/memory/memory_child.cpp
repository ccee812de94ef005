// Writes acknowledged records into a store as a download would, one transaction each, so that
// a test can kill it at any moment or run several at once.
//
//   memory_child PATH PORT COUNT   writes COUNT records, ends the transfer, exits 0 (1 when
//                                  the store reported a problem)
//   memory_child PATH PORT loop    writes records until killed
//
// Write w (from 0) is record number w % 200 + 1 with the bytes recordBytes(w); one byte goes
// to stdout after each write is committed.
#include "MemoryChild.h"
#include "ScaleMemory.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace tarn;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: memory_child PATH PORT COUNT|loop\n");
        return 2;
    }
    const bool loop = std::strcmp(argv[3], "loop") == 0;
    const long count = loop ? -1 : std::atol(argv[3]);
    ScaleMemory store(QString::fromLocal8Bit(argv[1]));
    const TransferKey key = store.beginTransfer(QString::fromLocal8Bit(argv[2]), TableKind::Plu,
                                                TransferDirection::Download, QStringLiteral("ALL"));
    for (long w = 0; loop || w < count; ++w) {
        store.recordHeld(key, recordNumber(w), recordNumber(w), recordBytes(w));
        if (write(STDOUT_FILENO, "r", 1) != 1)
            return 1;
    }
    store.endTransfer(key, QStringLiteral(" THE END "));
    const QString problem = store.takeProblem();
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    return 0;
}
