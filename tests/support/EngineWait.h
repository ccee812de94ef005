// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window tests and the engine's thread: waiting until what a click asked for has been answered,
// and holding the engine's thread at a wait of the line while the window is looked at.

#include "LineGate.h"
#include "MainWindow.h"
#include "PortActions.h"
#include "TransferActions.h"

#include <QTest>

namespace tarn::testing {

// The window's job on the line, and whether it runs.
inline bool jobRunning(MainWindow& w) {
    const auto* transfers = w.findChild<TransferActions*>();
    return transfers && transfers->running();
}

// Waits (real time: the engine has a thread of its own) until what the window asked of the
// engine (an open, a close, a job) has been answered, its every signal delivered. False when it
// did not come within `ms`.
inline bool settle(MainWindow& w, int ms = 30000) {
    return QTest::qWaitFor([&] { return !w.portActions().waiting() && !jobRunning(w); }, ms);
}

} // namespace tarn::testing
