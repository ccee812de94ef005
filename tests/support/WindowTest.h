// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every window test needs: the real main window, its controls by name, the status line,
// clicks that wait for the engine's answer, the operator's keys and menu entries, scripted
// dialogs, and an in-process scale on virtual time.

#include "Controls.h"
#include "EngineWait.h"
#include "FakeScale.h"
#include "GridView.h"
#include "Language.h"
#include "LineGate.h"
#include "MainWindow.h"
#include "ScriptedDialogs.h"
#include "TableFile.h"
#include "TestTexts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace tarn::testing {

class WindowTest : public QObject {
protected:
    MainWindow* w = nullptr;
    // The in-process scale and its clock, once useScale() has been called.
    VirtualClock* clock = nullptr;
    FakeScale* scale = nullptr;
    // The scripted dialogs, once installed with useChooser(), useExitQuestion() or
    // useReplaceQuestion().
    ScriptedFileChooser* chooser = nullptr;
    ScriptedSaveQuestion* question = nullptr;
    ScriptedSaveQuestion* replace = nullptr;
    // What Exit asks while an exchange runs: scripted in every window ("Go on" unless told).
    ScriptedStopQuestion* stopping = nullptr;

    // A window whose Exit is counted in `exits` (and noted in `exited`) and ends nothing.
    // Tests of the menus alone may leave it hidden.
    void makeWindow(bool shown = true) {
        w = new MainWindow;
        exited = false;
        exits = 0;
        w->setExitHandler([this] {
            exited = true;
            ++exits;
        });
        auto stop = std::make_unique<ScriptedStopQuestion>();
        stopping = stop.get();
        w->setStopQuestion(std::move(stop));
        if (shown)
            w->show();
    }
    void dropWindow() {
        delete w;
        w = nullptr;
        clock = nullptr;
        scale = nullptr;
        chooser = nullptr;
        question = nullptr;
        replace = nullptr;
        stopping = nullptr;
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
    // The file dialogs answer what `chooser` is told to.
    void useChooser() {
        auto files = std::make_unique<ScriptedFileChooser>();
        chooser = files.get();
        w->setFileChooser(std::move(files));
    }
    // Exit with unsaved tables asks `question`.
    void useExitQuestion() {
        auto q = std::make_unique<ScriptedSaveQuestion>();
        question = q.get();
        w->setExitQuestion(std::move(q));
    }
    // "New", an open or an import over typed cells asks `replace`.
    void useReplaceQuestion() {
        auto q = std::make_unique<ScriptedSaveQuestion>();
        replace = q.get();
        w->setReplaceQuestion(std::move(q));
    }

    const Controls& c() const { return w->controls(); }
    template <class W> W* get(const char* name) const {
        return w->findChild<W*>(QString::fromLatin1(name));
    }
    QString status() const { return c().panel1->text(); }
    // The file source as its box shows it.
    QString source() const { return get<QLineEdit>("txtFilePath")->text(); }
    // A click on the named button, and whatever it asked of the engine answered.
    bool click(const char* button) {
        get<QPushButton>(button)->click();
        return settle(*w);
    }
    // The named menu entry, chosen.
    void trigger(const char* entry) {
        auto* action = get<QAction>(entry);
        QVERIFY2(action, entry);
        action->trigger();
    }

    // Keys go where the operator's keys go: to the widget with the focus.
    static void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), mods);
    }
    // Shows the grid's tab and puts the operator's cursor on (row, col), the focus on the grid.
    void focusGridAt(GridView* view, int row, int col) {
        c().SSTab->setCurrentWidget(view->parentWidget());
        view->grid().setCurrent(row, col);
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
    }
    // Types `text` into the cell (row, col) of a grid as the operator does, ending with Enter.
    void typeInto(GridView* view, int row, int col, const QString& text) {
        focusGridAt(view, row, col);
        QTest::keyClicks(QApplication::focusWidget(), text);
        key(Qt::Key_Return);
    }

    // The price file of PLU 1 to 3, PLU 2 at `price2`, written in `folder` and loaded as
    // PLU > Open does.
    void loadPrices(const QString& folder, int price2) {
        const QString file = folder + QStringLiteral("/prices.PLU");
        QVERIFY(writeBytes(
            file, "1,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n" +
                      QStringLiteral("2,\"PEAR\",\"\",%1,3,0,2002,1,5\r\n").arg(price2).toLatin1() +
                      "3,\"PLUM\",\"\",990,3,0,2003,1,5\r\n"));
        QVERIFY(w->showReport(load(w->workspace(), TableKind::Plu, file)));
    }
    // `bytes` as shop.PLU in `folder`, opened as PLU > Open opens it (the chooser scripted).
    void openPlu(const QString& folder, const QByteArray& bytes) {
        const QString file = folder + QStringLiteral("/shop.PLU");
        QVERIFY(writeBytes(file, bytes));
        chooser->answer(file);
        trigger("mnuFileOpen");
        QCOMPARE(w->workspace().filePath(), file);
    }
    // The unit price's four bytes in a PLU record on the line.
    static quint32 priceOnLine(const QByteArray& record) {
        return quint32(quint8(record[60])) << 24 | quint32(quint8(record[61])) << 16 |
               quint32(quint8(record[62])) << 8 | quint8(record[63]);
    }
    // The shown window's port opened on the in-process scale, as the operator opens it.
    void openOnScale() {
        useScale();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(click("cmdPortOpen"));
        QVERIFY(w->engine().isOpen());
    }
    // A full PLU table (PLU 1 to 200) behind `file`, ALL PLU chosen on the Download tab.
    void fullPluTable(const QString& file) {
        Workspace& ws = w->workspace();
        for (int i = 1; i <= kMaxRecords; ++i)
            ws.plu.records[size_t(i)].pluNo = qint16(i);
        ws.plu.count = kMaxRecords;
        ws.setFilePath(file);
        c().optDownAllPLU->setChecked(true);
    }
    // The scale falls silent once it has taken `records` records; `gate` holds the line at the
    // PC's next sync byte, while the window is looked at.
    void silentAfter(size_t records, LineGate& gate) {
        clock->onWait = [this, records, &gate, silent = false, held = false]() mutable {
            if (!silent && scale->received.size() == records) {
                silent = true;
                scale->silent();
            } else if (silent && !held && scale->fromPc().endsWith('\xA5')) {
                held = true;
                gate.hold();
            }
        };
    }

    // The next modal dialog the window opens (a question, the price list) is handed to `act`
    // while the window waits in it; one that `act` left open is closed. `answered` says
    // whether it came and went. (A button's key clicks it a moment later, in the event loop.)
    void whenAsked(std::function<void(QWidget*)> act) {
        answered = false;
        auto* poll = new QTimer(this);
        poll->setInterval(10);
        connect(poll, &QTimer::timeout, this,
                [this, poll, act = std::move(act), tries = 0]() mutable {
                    QWidget* dialog = QApplication::activeModalWidget();
                    if (!dialog && ++tries < 500)
                        return;
                    poll->stop();
                    poll->deleteLater();
                    if (!dialog)
                        return;
                    QPointer<QWidget> open(dialog);
                    (void)QTest::qWaitForWindowActive(dialog);
                    act(dialog);
                    answered = !open || !open->isVisible();
                    if (open && open->isVisible())
                        open->close();
                });
        poll->start();
    }

    bool exited = false;
    int exits = 0;
    bool answered = false;
};

// A window test runs in the language the test names: TARNLINK_TEST_LANGUAGE ("de", ...), or
// the testing language's file in TARNLINK_TEST_TRANSLATION; English without either.
inline void installTestLanguage() {
    if (const QString file = qEnvironmentVariable("TARNLINK_TEST_TRANSLATION"); !file.isEmpty()) {
        if (!installTranslationFile(*QCoreApplication::instance(), file))
            qFatal("cannot read the testing language %s", qPrintable(file));
    } else if (const QString language = qEnvironmentVariable("TARNLINK_TEST_LANGUAGE");
               !language.isEmpty()) {
        if (!installLanguage(*QCoreApplication::instance(), QLocale(language)))
            qFatal("Tarnlink has no texts in %s", qPrintable(language));
    }
}
Q_COREAPP_STARTUP_FUNCTION(installTestLanguage)

} // namespace tarn::testing
