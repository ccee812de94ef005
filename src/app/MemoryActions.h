// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QObject>

#include <functional>
#include <map>

#include <memory>
#include <optional>

class QThread;
class QTimer;

namespace tarn {

class MainWindow;
class Store;
class TransferActions;

// What the window does with the store of what each scale holds: the number beside each
// "Changed" option (the records a Changed download would send now to the chosen port's
// scale), "PLU Compare" / "INGRED Compare" with their list, the list of a Verify that found
// differences, the "History" dialog, the Port tab's list of known scales with their last job,
// and the store's problem, said once.
//
// The window never waits on the store: it reads it on a thread of its own (StoreReader),
// through its own connection, and shows each answer when it comes; the engine's writer writes
// it through another. A store that failed is opened again at each refresh, and each new
// problem is shown.
class MemoryActions : public QObject {
    Q_OBJECT
public:
    explicit MemoryActions(MainWindow& window);
    ~MemoryActions() override;

    class StoreReader;

    // Runs `look` with the window's store on its thread, then `answer` with its result and the
    // store's problem on the window's. A newer question of the same `kind` takes the place of
    // one not yet asked.
    void askStore(const QString& kind, std::function<std::map<int, QString>(Store&)> look,
                  std::function<void(const std::map<int, QString>&, const QString&)> answer);

private:
    void attach(Engine* engine);
    void ended(const JobOutcome& outcome);
    void compare(TableKind kind);
    void showHistory();
    // The counts again, once the events now queued have run.
    void refreshSoon();
    void refresh();
    // The Port tab's list of the scales the store knows, read off the window's thread.
    void listKnownScales();
    // The port the next job runs on: the open one, or the one chosen on the Port tab.
    QString port() const;
    void showProblem(const QString& text);

    MainWindow& window_;
    TransferActions* transfers_;
    QThread* thread_;
    StoreReader* reader_; // lives on thread_
    QTimer* refresh_;
    int asked_ = 0;       // the last refresh asked; older answers are dropped
    QString lastProblem_; // the problem shown last
};

} // namespace tarn
