// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer buttons of the real window against the real scale simulator on a pseudo-terminal:
// every transfer end to end, the bytes on the line as the simulator logged them, and the
// window's state afterwards.

#include "GridUndo.h"
#include "ScaleLink.h"
#include "WindowTest.h"
#include "Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarn;
using namespace tarn::testing;

namespace {

// The bytes of one record as a log line shows them: "pc> 00 0B ...".
QString line(const char* who, const QByteArray& bytes) {
    return QString::fromLatin1(who) + QString::fromLatin1(bytes.toHex(' ').toUpper());
}
QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}

} // namespace

class TestTransfers : public WindowTest {
    Q_OBJECT

    QTemporaryDir dir;
    QProcess* scale = nullptr;
    QString logPath;
    qsizetype logSeen = 0;
    // SSTab's and the progress bar's state at each status text.
    std::vector<std::pair<bool, bool>> duringStatus;

    // (Re)starts the simulator with `args` and opens the window's port on its terminal (or, with
    // --tcp, on its network serial server).
    void startScale(QStringList args) {
        stopScale();
        logPath =
            dir.filePath(QStringLiteral("scale%1.log").arg(QDateTime::currentMSecsSinceEpoch()));
        logSeen = 0;
        scale = new QProcess(this);
        args << QStringLiteral("--log") << logPath;
        scale->start(QString::fromLocal8Bit(qgetenv("TARNLINK_SCALE")), args);
        QVERIFY2(scale->waitForStarted(5000), "tarnlink-scale did not start");
        while (!scale->canReadLine())
            QVERIFY(scale->waitForReadyRead(10000));
        const QString first = QString::fromLocal8Bit(scale->readLine()).trimmed();
        QVERIFY2(first.startsWith(QLatin1String("device ")) ||
                     first.startsWith(QLatin1String("port tcp:")),
                 qPrintable(first));
        get<QRadioButton>("optComOther")->setChecked(true);
        get<QComboBox>("cboComPort")->setEditText(first.section(QLatin1Char(' '), 1));
        QVERIFY(click("cmdPortOpen"));
        QVERIFY2(w->engine().isOpen(), qPrintable(status()));
    }
    void stopScale() {
        if (!scale)
            return;
        if (w->engine().isOpen())
            QVERIFY(click("cmdPortClose"));
        scale->terminate();
        scale->waitForFinished(5000);
        delete scale;
        scale = nullptr;
    }
    // The byte lines of the log written since the last call (notes left out). The simulator
    // logs a unit once the line goes quiet, so wait for the expected count.
    QStringList newLogLines(int atLeast) {
        QStringList lines;
        for (int tries = 0; tries < 100; ++tries) {
            QFile f(logPath);
            if (f.open(QIODevice::ReadOnly)) {
                const QStringList all =
                    QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                lines.clear();
                for (qsizetype i = logSeen; i < all.size(); ++i)
                    if (!all[i].startsWith(QLatin1Char('#')))
                        lines << all[i];
                if (lines.size() >= atLeast) {
                    logSeen = all.size();
                    return lines;
                }
            }
            QTest::qWait(20);
        }
        return lines;
    }
    void checkWindowAfterTransfer() {
        QVERIFY(get<QTabWidget>("SSTab")->isEnabled());
        QVERIFY(get<QProgressBar>("prgTransfer")->isHidden());
        QVERIFY(!duringStatus.empty());
        for (const auto& [tabs, bar] : duringStatus) {
            QVERIFY(!tabs);
            QVERIFY(bar);
        }
        duringStatus.clear();
    }

private slots:
    void initTestCase() {
        QVERIFY2(!qgetenv("TARNLINK_SCALE").isEmpty(), "TARNLINK_SCALE names the simulator");
        makeWindow();
        connect(&w->workspace(), &Workspace::statusChanged, this, [this](const QString& t) {
            // Refusals come before the transfer starts; the progress bar is not shown for them.
            if (t.startsWith(QLatin1String("open port")) || t == QLatin1String("close port"))
                return;
            duringStatus.emplace_back(get<QTabWidget>("SSTab")->isEnabled(),
                                      get<QProgressBar>("prgTransfer")->isVisible());
        });
        startScale({QStringLiteral("--no-pace")});
        duringStatus.clear();
    }

    void cleanupTestCase() {
        stopScale();
        dropWindow();
    }

    void displayShowsTheScalesValues() {
        QVERIFY(click("cmdVFDUpdate"));
        QCOMPARE(get<QLineEdit>("txtWeight")->text(), QStringLiteral("1234"));
        QCOMPARE(get<QLineEdit>("txtUnitPrice")->text(), QStringLiteral("1000"));
        QCOMPARE(get<QLineEdit>("txtTotalPrice")->text(), QStringLiteral("1234"));
        QVERIFY(get<QPushButton>("cmdVFDUpdate")->isEnabled());
        QCOMPARE(newLogLines(4), (QStringList{"pc> A5", "sc> 77", "pc> 06",
                                              "sc> 00 00 04 D2 00 00 03 E8 00 00 04 D2"}));
        duringStatus.clear();
    }

    void allPluUploadReadsUntilTheScaleHasNoMore() {
        w->workspace().setFilePath(QStringLiteral("/tmp/before.PLU"));
        get<QRadioButton>("optUpAllPLU")->setChecked(true);
        QVERIFY(click("cmdPLUUpload"));
        QCOMPARE(status(), QStringLiteral("PLU is not exist"));
        const Workspace& ws = w->workspace();
        QCOMPARE(ws.plu.count, qint16(3));
        QCOMPARE(get<QLineEdit>("txtFilePath")->text(), QStringLiteral("?"));
        QCOMPARE(ws.plu.grid.text(3, 0), QStringLiteral("3"));
        QCOMPARE(ws.plu.grid.text(3, 1), QStringLiteral("3"));
        QCOMPARE(ws.plu.grid.text(4, 1), QString());
        QCOMPARE(ws.plu.records[3].name1.size(), 28);
        const QStringList lines = newLogLines(24);
        QCOMPARE(lines.mid(0, 4), (QStringList{"pc> A5", "sc> 77", "pc> 05", "sc> 01"}));
        QCOMPARE(lines[4], QStringLiteral("pc> 00 01"));
        QVERIFY(lines[5].startsWith(QLatin1String("sc> 00 01 00 01 ")));
        QCOMPARE(lines[5].size(), 4 + 77 * 3 - 1);
        QCOMPARE(lines.mid(18, 2), (QStringList{"pc> A5", "sc> 77"}));
        QCOMPARE(lines[20], QStringLiteral("pc> 05"));
        QCOMPARE(lines[22], QStringLiteral("pc> 00 04"));
        checkWindowAfterTransfer();
    }

    void oneIngredientUploadStandsInRowOne() {
        get<QRadioButton>("optUpOneING")->setChecked(true);
        get<QLineEdit>("txtUpOneIngNo")->setText(QStringLiteral("2"));
        QVERIFY(click("cmdINGUpload"));
        QCOMPARE(status(), QStringLiteral("INGRED#2 is received"));
        const Workspace& ws = w->workspace();
        QCOMPARE(ws.ingred.count, qint16(1));
        QCOMPARE(ws.ingred.grid.text(1, 0), QStringLiteral("2"));
        QCOMPARE(ws.ingred.grid.text(1, 1), QStringLiteral("2"));
        QCOMPARE(ws.ingred.grid.text(1, 2).size(), 50);
        QCOMPARE(ws.ingred.records[2].messageNo, qint16(2));
        QCOMPARE(ws.ingred.records[1].messageNo, qint16(0));
        const QStringList lines = newLogLines(6);
        QCOMPARE(lines.mid(0, 5),
                 (QStringList{"pc> A5", "sc> 77", "pc> 04", "sc> 01", "pc> 00 02"}));
        // The go-ahead, then the 403-byte reply that starts with the message number.
        QVERIFY2(lines.mid(5).join(' ').startsWith(QLatin1String("sc> 00 sc> 00 02 ")) ||
                     lines.mid(5).join(' ').startsWith(QLatin1String("sc> 00 00 02 ")),
                 qPrintable(lines.mid(5).join(' ').left(40)));
        checkWindowAfterTransfer();
    }

    void pluDownloadSendsTheTableAndEndsWithTheEnd() {
        Workspace& ws = w->workspace();
        ws.plu.records[1] =
            PluRecord{11, 258, QStringLiteral("Apple"), QString(), 1500, 7, 300, 2, 1};
        ws.plu.records[2] =
            PluRecord{12, 0, QStringLiteral("Pear"), QStringLiteral("Green"), 99, 0, 0, 0, 0};
        ws.plu.count = 2;
        ws.setFilePath(dir.filePath(QStringLiteral("t.PLU")));
        get<QRadioButton>("optDownAllPLU")->setChecked(true);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QStringLiteral(" THE END "));
        const QByteArray apple = QByteArray::fromHex("00000102") + spaces(11) + "Apple" +
                                 spaces(12) + spaces(28) +
                                 QByteArray::fromHex("000005DC0007012C00020001");
        const QByteArray pear = QByteArray::fromHex("00000000") + spaces(12) + "Pear" + spaces(12) +
                                spaces(11) + "Green" + spaces(12) +
                                QByteArray::fromHex("000000630000000000000000");
        QCOMPARE(newLogLines(16),
                 (QStringList{"pc> A5", "sc> 77", "pc> 02", "sc> 01", "pc> 00 0B", "sc> 00 0B",
                              line("pc> ", apple), "sc> 10", "pc> A5", "sc> 77", "pc> 02", "sc> 01",
                              "pc> 00 0C", "sc> 00 0C", line("pc> ", pear), "sc> 10"}));
        checkWindowAfterTransfer();
    }

    void pluDownloadReachesAScaleBehindANetworkSerialServer() {
        startScale({QStringLiteral("--no-pace"), QStringLiteral("--tcp"), QStringLiteral("0")});
        QVERIFY(status().startsWith(QLatin1String("open porttcp:127.0.0.1:")));
        duringStatus.clear();
        Workspace& ws = w->workspace();
        ws.plu.records[2] = PluRecord{12, 0, QStringLiteral("Pear"), QString(), 99, 0, 0, 0, 0};
        ws.plu.count = 2;
        ws.setFilePath(dir.filePath(QStringLiteral("t.PLU")));
        get<QRadioButton>("optDownOnePLU")->setChecked(true);
        get<QLineEdit>("txtDownOnePluNo")->setText(QStringLiteral("2"));
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QStringLiteral(" THE END "));
        const QStringList lines = newLogLines(8);
        QCOMPARE(lines.mid(0, 6),
                 (QStringList{"pc> A5", "sc> 77", "pc> 02", "sc> 01", "pc> 00 0C", "sc> 00 0C"}));
        QCOMPARE(lines.value(7), QStringLiteral("sc> 10"));
        checkWindowAfterTransfer();
        startScale({QStringLiteral("--no-pace")});
        duringStatus.clear();
    }

    void ingredientDownloadOfOneRecord() {
        Workspace& ws = w->workspace();
        ws.ingred.records[3].messageNo = 9;
        ws.ingred.records[3].lines[0] = QStringLiteral("Salt");
        ws.ingred.count = 3;
        ws.setFilePath(dir.filePath(QStringLiteral("t.INGRED")));
        get<QRadioButton>("optDownOneINGRED")->setChecked(true);
        get<QLineEdit>("txtDownOneIngNo")->setText(QStringLiteral("3"));
        QVERIFY(click("cmdINGREDDownload"));
        QCOMPARE(status(), QStringLiteral(" THE END "));
        QCOMPARE(newLogLines(8),
                 (QStringList{"pc> A5", "sc> 77", "pc> 00", "sc> 01", "pc> 00 09", "sc> 00 09",
                              line("pc> ", QByteArray("Salt") + spaces(396)), "sc> 10"}));
        checkWindowAfterTransfer();
    }

    void refusalsLeaveTheWindowAsItWas() {
        Workspace& ws = w->workspace();
        get<QRadioButton>("optDownMultiplePLU")->setChecked(true);
        get<QLineEdit>("txtDownStartPluNo")->setText(QStringLiteral("0"));
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(status(), QStringLiteral("PLU Range is not valid"));
        ws.setFilePath(QStringLiteral("?"));
        QVERIFY(click("cmdINGREDDownload"));
        QCOMPARE(status(), QStringLiteral("ERROR! select ingred files"));
        QVERIFY(get<QTabWidget>("SSTab")->isEnabled());
        QVERIFY(get<QProgressBar>("prgTransfer")->isHidden());
        duringStatus.clear();
    }

    // A sync answer that comes after its wait is over must not survive the port reset.
    void aLateAnswerIsGoneAfterThePortReset() {
        startScale({QStringLiteral("--no-pace"), QStringLiteral("--fault"),
                    QStringLiteral("delay:at=1:ms=2500")});
        duringStatus.clear();
        get<QRadioButton>("optUpOnePLU")->setChecked(true);
        get<QLineEdit>("txtUpOnePluNo")->setText(QStringLiteral("1"));
        std::vector<QString> texts;
        auto c = connect(&w->workspace(), &Workspace::statusChanged, this,
                         [&](const QString& t) { texts.push_back(t); });
        QVERIFY(click("cmdPLUUpload"));
        disconnect(c);
        QCOMPARE(texts, (std::vector<QString>{"Sync error", "Retry #1", "plu#1 is received"}));
        checkWindowAfterTransfer();
    }

    // A port that cannot be reopened in a reset ends the transfer and closes the port tab's
    // buttons; the tab control comes back.
    void aLostPortEndsTheTransfer() {
        startScale({QStringLiteral("--no-pace")});
        duringStatus.clear();
        get<QRadioButton>("optUpAllING")->setChecked(true);
        // The simulator goes away while the first record's reset is due.
        auto c =
            connect(&w->workspace(), &Workspace::statusChanged, this, [this](const QString& t) {
                if (t == QLatin1String("INGRED#1 is received") && scale) {
                    scale->kill();
                    scale->waitForFinished(5000);
                }
            });
        QVERIFY(click("cmdINGUpload"));
        disconnect(c);
        QVERIFY2(status().startsWith(QLatin1String("ERROR! ")), qPrintable(status()));
        QVERIFY(get<QTabWidget>("SSTab")->isEnabled());
        QVERIFY(get<QPushButton>("cmdPortOpen")->isEnabled());
        QVERIFY(!get<QPushButton>("cmdINGUpload")->isEnabled());
        QVERIFY(!w->engine().isOpen());
        QCOMPARE(w->workspace().ingred.count, qint16(1));
        delete scale;
        scale = nullptr;
        duringStatus.clear();
    }

    // "Update" cannot be pressed again while its read waits; a scale that does not answer the
    // sync byte leaves the read-outs as they were.
    void updateIsHeldWhileItsReadWaits() {
        startScale({QStringLiteral("--no-pace"), QStringLiteral("--fault"),
                    QStringLiteral("silent:display:times=all")});
        get<QLineEdit>("txtWeight")->setText(QStringLiteral("77"));
        bool enabledDuring = true;
        QTimer::singleShot(500, this,
                           [&] { enabledDuring = get<QPushButton>("cmdVFDUpdate")->isEnabled(); });
        QVERIFY(click("cmdVFDUpdate"));
        QVERIFY(!enabledDuring);
        QVERIFY(get<QPushButton>("cmdVFDUpdate")->isEnabled());
        QCOMPARE(get<QLineEdit>("txtWeight")->text(), QStringLiteral("77"));
        QCOMPARE(newLogLines(1), (QStringList{"pc> A5"}));
        duringStatus.clear();
    }

    // Exit in the middle of a transfer, its stop confirmed, ends it at once: the waits return,
    // the tab comes back. Unsaved edits in a grid are still asked about, once it has ended.
    void exitDuringATransferEndsIt() {
        startScale({QStringLiteral("--no-pace"), QStringLiteral("--fault"),
                    QStringLiteral("silent:times=all")});
        exited = false;
        useExitQuestion();
        question->answer(SaveQuestion::Answer::Discard);
        w->gridUndo(TableKind::Ingred).writeCell(4, 2, QStringLiteral("Salt"));
        Workspace& ws = w->workspace();
        ws.setFilePath(dir.filePath(QStringLiteral("t.PLU")));
        get<QRadioButton>("optDownAllPLU")->setChecked(true);
        stopping->answer(true);
        QTimer::singleShot(3000, this, [this] { get<QAction>("mnuFileExit")->trigger(); });
        QVERIFY(click("cmdPLUDownload"));
        QVERIFY(exited);
        QCOMPARE(stopping->asked,
                 QStringList{"A download is running (0 of 1 sent). Stop it and exit?"});
        QCOMPARE(question->asked, (std::vector<QStringList>{{QStringLiteral("INGRED")}}));
        QCOMPARE(status(), QStringLiteral("Stopped before the first record"));
        QVERIFY(get<QTabWidget>("SSTab")->isEnabled());
        duringStatus.clear();
    }
};

QTEST_MAIN(TestTransfers)
#include "tst_transfers.moc"
