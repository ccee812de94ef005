// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSemaphore>

namespace tarn::testing {

// Holds the engine's thread inside a wait of the line: hold() is called there (from the
// virtual clock's onWait), reached() and release() from the test's thread.
class LineGate {
public:
    // On the engine's thread: stops here until release().
    void hold() {
        reached_.release();
        go_.acquire();
    }
    bool reached(int ms = 10000) { return reached_.tryAcquire(1, ms); }
    void release() { go_.release(); }

private:
    QSemaphore reached_;
    QSemaphore go_;
};

} // namespace tarn::testing
