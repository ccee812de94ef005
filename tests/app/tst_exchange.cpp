// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window against the in-process scale on virtual time: one exchange on the line at
// a time, a port state that the buttons tell truly, and a file source that cannot be typed into.
#include "GridUndo.h"
#include "RecordCodec.h"
#include "SafetyQuestions.h"
#include "ScaleLink.h"
#include "WindowTest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <utility>

using namespace tarn;
using namespace tarn::testing;
using Step = FakeScale::Step;
using Action = FakeScale::Action;

class TestExchange : public WindowTest {
    Q_OBJECT

    QStringList texts; // every status text since init()

    QPushButton* stopButton() const {
        return w->findChild<QPushButton*>(QStringLiteral("cmdStop"));
    }
    // The port buttons as the port is: "Open" enabled exactly while it is closed (inside a
    // tab control that an exchange holds disabled).
    bool buttonsAgreeWithThePort() const {
        const bool open = w->engine().isOpen();
        return c().cmdPortOpen->isEnabledTo(c().SSTab) == !open &&
               c().cmdPortClose->isEnabledTo(c().SSTab) == open &&
               c().cmdPLUUpload->isEnabledTo(c().SSTab) == open;
    }

private slots:
    void init() {
        makeWindow();
        useChooser();
        useScale();
        QVERIFY(click("cmdPortOpen"));
        QVERIFY(w->engine().isOpen());
        texts.clear();
        connect(&w->workspace(), &Workspace::statusChanged, this,
                [this](const QString& t) { texts << t; });
    }
    void cleanup() { dropWindow(); }

    // While an exchange waits for the scale, nothing that starts another exchange, opens or
    // closes the port or replaces, changes or writes out a table can be used; Exit and About
    // can. All of it comes back afterwards.
    void oneExchangeAtATime_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("display read") << "cmdVFDUpdate" << QByteArray::fromHex("A506");
        QTest::newRow("PLU upload")
            << "cmdPLUUpload" << QByteArray::fromHex("A5050001").repeated(5);
    }
    void oneExchangeAtATime() {
        QFETCH(QString, button);
        QFETCH(QByteArray, line);
        Workspace& ws = w->workspace();
        // A table that a download would send, from a file.
        ws.plu.records[1].pluNo = 1;
        ws.plu.count = 1;
        ws.setFilePath(QStringLiteral("/shop/prices.PLU"));
        scale->inject({Step::Reply, Action::Silent, -1}); // no record, no reply: the PC waits
        texts.clear();

        // The engine's thread is held at its first wait while the window is tried.
        LineGate gate;
        clock->onWait = [&, first = true]() mutable {
            if (std::exchange(first, false))
                gate.hold();
        };
        w->findChild<QPushButton*>(button)->click();
        QVERIFY(gate.reached());
        bool held = !c().SSTab->isEnabled() && c().mnuFileExit->isEnabled() &&
                    c().mnuFileExit1->isEnabled() && c().mnuAbout->isEnabled() &&
                    stopButton()->isVisible();
        for (QAction* entry : c().tableEntries()) {
            held = held && !entry->isEnabled();
            entry->trigger();
        }
        for (QPushButton* b : {c().cmdPLUDownload, c().cmdINGREDDownload, c().cmdPLUUpload,
                               c().cmdINGUpload, c().cmdVFDUpdate, c().cmdPortClose})
            b->click();
        gate.release();
        QVERIFY(settle(*w));
        clock->onWait = nullptr;

        QVERIFY(held);
        QCOMPARE(scale->fromPc().toHex(' '), line.toHex(' '));
        QVERIFY2(chooser->filtersAsked.isEmpty(), qPrintable(chooser->filtersAsked.join(' ')));
        for (const QString& t : texts)
            QVERIFY2(!t.contains(QLatin1String("Count is")) && !t.contains(QLatin1String("port")),
                     qPrintable(t));
        QVERIFY(w->engine().isOpen());
        QVERIFY(c().SSTab->isEnabled());
        QVERIFY(!stopButton()->isVisible());
        for (QAction* entry : c().tableEntries())
            QVERIFY2(entry->isEnabled(), qPrintable(entry->objectName()));
        QVERIFY(c().cmdVFDUpdate->isEnabled());
        QVERIFY(c().cmdPortClose->isEnabled());
    }

    // A port that fails in the middle of an upload stays closed: the upload ends instead of
    // reopening it, and the buttons say closed at every step.
    void aLostPortStaysClosed() {
        for (qint16 n = 1; n <= 3; ++n)
            scale->plus[quint16(n)] = encodePluRecord(PluRecord{n, 0, {}, {}, 0, 0, 0, 0, 0}).bytes;
        bool failed = false;
        clock->onWait = [&] {
            if (!failed && scale->fromPc().endsWith(QByteArray::fromHex("A5050002"))) {
                failed = true;
                scale->fail(QStringLiteral("Input/output error"));
            }
        };
        bool agreed = true;
        connect(&w->workspace(), &Workspace::statusChanged, this,
                [&] { agreed = agreed && buttonsAgreeWithThePort(); });
        c().optUpAllPLU->setChecked(true);
        c().cmdPLUUpload->click();
        QVERIFY(settle(*w));
        clock->onWait = nullptr;

        QVERIFY(failed);
        QVERIFY(agreed);
        QVERIFY(!w->engine().isOpen());
        // Opened by "Open" and by the reset after record 1; never after the loss.
        QCOMPARE(scale->times(FakeScale::LogEntry::Kind::Opened).size(), size_t(2));
        // One text for the loss, then the end: no time-out of a reply that could not come.
        QCOMPARE(texts,
                 (QStringList{"plu#1 is received", "ERROR! lost port Com1: Input/output error",
                              "ERROR! port is not open"}));
        QCOMPARE(w->workspace().plu.count, qint16(1));
        QVERIFY(c().SSTab->isEnabled());
        QVERIFY(c().cmdPortOpen->isEnabled());
        QVERIFY(!c().cmdPLUUpload->isEnabled());
        QVERIFY(buttonsAgreeWithThePort());
    }

    // "Source" shows where the tables came from; typing cannot change it.
    void theSourceCannotBeTypedInto() {
        QLineEdit* source = c().txtFilePath;
        QVERIFY(source->isReadOnly());
        source->setFocus();
        QTest::keyClicks(source, QStringLiteral("/shop/prices.PLU"));
        QCOMPARE(source->text(), QStringLiteral("?"));
        c().cmdPLUDownload->click();
        QVERIFY(settle(*w));
        QCOMPARE(status(), QStringLiteral("ERROR! select plu files"));
    }

    // Stop (or Escape) while the scale is silent: the download ends at once where it was, the
    // port stays open, and the window says where it stopped.
    void stopEndsATransferWhereItIs() {
        fullPluTable(QStringLiteral("/shop/prices.PLU"));
        LineGate gate;
        // The scale falls silent after record 37; the line is held once the PC has taken
        // that record's closing byte and sent the next sync.
        silentAfter(37, gate);
        c().cmdPLUDownload->click();
        QVERIFY(gate.reached());
        QVERIFY(stopButton()->isVisible());
        QTest::keyClick(w, Qt::Key_Escape);
        gate.release();
        QVERIFY(settle(*w));
        clock->onWait = nullptr;

        QCOMPARE(status(), QStringLiteral("Stopped after plu#37"));
        QCOMPARE(texts.filter(QStringLiteral("Sync error")), QStringList());
        auto* bar = w->findChild<QProgressBar*>(QStringLiteral("prgTransfer"));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->text(), QStringLiteral("37 / 200"));
        QCOMPARE(scale->received.size(), size_t(37));
        QVERIFY(w->engine().isOpen());
        QVERIFY(c().cmdPortClose->isEnabled());
        QVERIFY(c().SSTab->isEnabled());
        QVERIFY(!stopButton()->isVisible());
    }

    // The Exit question asked while a transfer waits does not hold the line: the transfer's
    // time-outs run on while the question is open.
    void theExitQuestionDoesNotHoldTheLine() {
        Workspace& ws = w->workspace();
        ws.plu.records[1].pluNo = 1;
        ws.plu.count = 1;
        ws.setFilePath(QStringLiteral("/shop/prices.PLU"));
        w->gridUndo(TableKind::Plu).writeCell(2, 2, QStringLiteral("Pear"));
        scale->silent();
        // Released on the engine's thread once the first two retries' pauses have passed.
        QSemaphore waitedOn;
        clock->onWait = [&, told = false]() mutable {
            if (!told && clock->now() > std::chrono::seconds(15)) {
                told = true;
                waitedOn.release();
            }
        };
        struct Question : StopQuestion {
            QSemaphore* waitedOn;
            bool lineRanOn = false;
            bool askStop(const QString&) override {
                lineRanOn = waitedOn->tryAcquire(1, 10000);
                return false; // "Go on"
            }
        };
        auto question = std::make_unique<Question>();
        question->waitedOn = &waitedOn;
        Question& asked = *question;
        w->setStopQuestion(std::move(question));
        auto download = std::make_unique<ScriptedDownloadQuestion>();
        download->answer(DownloadQuestion::Unsaved::DownloadSaved); // the grid has an edit
        w->setDownloadQuestion(std::move(download));
        c().optDownAllPLU->setChecked(true);
        c().cmdPLUDownload->click();
        c().mnuFileExit->trigger();
        QVERIFY(asked.lineRanOn);
        QVERIFY(settle(*w));
        clock->onWait = nullptr;
        QCOMPARE(status(), QStringLiteral("Sync error PLU No : 1"));
    }
};

QTEST_MAIN(TestExchange)
#include "tst_exchange.moc"
