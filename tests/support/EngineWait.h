// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window tests and the engine's thread: waiting until what a click asked for has been answered,
// and holding the engine's thread at a wait of the line while the window is looked at.

#include "Engine.h"

#include <QSemaphore>
#include <QTest>

namespace tarn::testing {

// Waits (real time: the engine has a thread of its own) until every request to the engine has
// been answered, its every signal delivered. False when it did not come within `ms`.
inline bool settle(Engine& engine, int ms = 30000) {
    return QTest::qWaitFor([&] { return !engine.busy(); }, ms);
}

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
