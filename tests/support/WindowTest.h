#pragma once

// What every window test needs: the real main window, its controls by name, the status line,
// clicks that wait for the engine's answer, and an in-process scale on virtual time.

#include "Controls.h"
#include "EngineWait.h"
#include "FakeScale.h"
#include "MainWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace tarn::testing {

class WindowTest : public QObject {
protected:
    MainWindow* w = nullptr;
    // The in-process scale and its clock, once useScale() has been called.
    VirtualClock* clock = nullptr;
    FakeScale* scale = nullptr;

    // A window whose Exit is recorded in `exited` and ends nothing.
    void makeWindow() {
        w = new MainWindow;
        exited = false;
        w->setExitHandler([this] { exited = true; });
        w->show();
    }
    void dropWindow() {
        delete w;
        w = nullptr;
        clock = nullptr;
        scale = nullptr;
    }
    // The window's ports from now on: the in-process scale on virtual time.
    void useScale() {
        w->setPortFactory([this] {
            auto time = std::make_unique<VirtualClock>();
            clock = time.get();
            auto port = std::make_unique<FakeScale>(*clock);
            scale = port.get();
            return PortParts{std::move(port), std::move(time)};
        });
    }

    const Controls& c() const { return w->controls(); }
    template <class W> W* get(const char* name) const {
        return w->findChild<W*>(QString::fromLatin1(name));
    }
    QString status() const { return c().panel1->text(); }
    // A click on the named button, and whatever it asked of the engine answered.
    bool click(const char* button) {
        get<QPushButton>(button)->click();
        return settle(w->engine());
    }

    bool exited = false;
};

} // namespace tarn::testing
