// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QObject>
#include <QString>

#include <memory>

namespace tarn {

struct Controls;
class Workspace;

// The "Port" tab: the choice of port (Com1, Com2 or Other with a device name), "Open" and
// "Close" with the enabled states of the port and transfer buttons, and the engine that owns
// the port and runs the transfers on a thread of its own.
class PortActions : public QObject {
    Q_OBJECT
public:
    // Builds the engine over the system's ports; the port stays closed.
    PortActions(const Controls& controls, Workspace& workspace, QObject* parent);
    ~PortActions() override;

    Engine& engine() { return *engine_; }
    // A new engine over ports made by `factory` (tests: an in-process scale); the old one's
    // port is closed.
    void setPortFactory(const PortFactory& factory);

    // Chooses the port for the next "Open": "COM1" and "COM2" (any case) their options, any
    // other name "Other" with that name filled in.
    void choosePort(const QString& name);
    // The port chosen for the next "Open": "Com1", "Com2" or the name under "Other".
    QString chosenPort() const;
    // Chooses the port for this run alone (the window's --port): it is not remembered for the
    // next start unless the operator chooses another.
    void choosePortForThisRun(const QString& name);
    // The port the window remembers for the next start: the chosen one, or none while that is
    // still the one chosen for this run alone.
    QString portToRemember() const;

    // cmdPortOpen click / cmdPortClose click. The port opens on the engine's thread; the
    // status line says how it went once it has.
    void openPort();
    void closePort();
    // Ends any exchange at once and lets go of the port (Exit).
    void stop();
    // An open or a close asked of the engine has not been answered yet.
    bool waiting() const { return opening_ != 0 || closing_ != 0; }

signals:
    // A new engine: whoever runs jobs on it connects to it.
    void engineMade(tarn::Engine* engine);

private:
    void makeEngine(PortParts parts);
    void setOpenState(bool open);

    const Controls& c_;
    Workspace& workspace_;
    std::unique_ptr<Engine> engine_;
    RequestId opening_ = 0; // the open asked for and not yet answered, or 0
    RequestId closing_ = 0; // the same for the close
    bool open_ = false;     // opened, and not closed or lost since
    QString thisRunPort_;   // chosenPort() as choosePortForThisRun left it
};

} // namespace tarn
