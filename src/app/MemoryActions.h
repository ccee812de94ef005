// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QObject>

#include <memory>
#include <optional>

class QTimer;

namespace tarn {

class MainWindow;
class ScaleMemory;
class TransferActions;

// What the window does with the store of what each scale holds: the number beside each
// "Changed" option (the records a Changed download would send now to the chosen port's
// scale), "PLU Compare" / "INGRED Compare" with their list, the list of a Verify that found
// differences, the "History" dialog, and the store's problem, said once.
//
// The window reads the store on its own thread, through its own connection; the engine's
// worker writes it through another.
class MemoryActions : public QObject {
    Q_OBJECT
public:
    explicit MemoryActions(MainWindow& window);
    ~MemoryActions() override;

private:
    // The records a Changed download of the table would send now (the count shown), or, with
    // `fromGrid`, once the grid is saved; nullopt when the save would refuse the grid.
    std::optional<int> changedCount(TableKind kind, bool fromGrid);
    void attach(Engine* engine);
    void ended(const JobOutcome& outcome);
    void compare(TableKind kind);
    void showHistory();
    // The counts again, once the events now queued have run.
    void refreshSoon();
    void refresh();
    // The port the next job runs on: the open one, or the one chosen on the Port tab.
    QString port() const;
    ScaleMemory& memory();

    MainWindow& window_;
    TransferActions* transfers_;
    std::unique_ptr<ScaleMemory> memory_;
    QTimer* refresh_;
};

} // namespace tarn
