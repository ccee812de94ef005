// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The engine's answers come through this thread's event loop.
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
