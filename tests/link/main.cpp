// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The real port's tests run event loops.
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
