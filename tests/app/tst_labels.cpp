// SPDX-License-Identifier: GPL-3.0-or-later
// Labels on the real main window: after a Changed download it offers the labels of the records
// just sent, and those are the labels printed.

#include "LabelActions.h"
#include "LabelPrint.h"
#include "TableFile.h"
#include "WindowTest.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeySequence>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestLabels : public WindowTest {
    Q_OBJECT

    QTemporaryDir dir;

    // The labels the window prints, as pdftotext reads them from the page it would print.
    QString printedFrom(const char* offerOrEntry) {
        const QString pdf = dir.filePath("printed.pdf");
        QFile::remove(pdf);
        auto* labels = w->findChild<LabelActions*>();
        labels->setPreview([&](const std::function<void(QPagedPaintDevice&)>& paint) {
            return !writePdf(pdf, "Labels", paint);
        });
        QTimer::singleShot(0, this, [this] {
            auto* dialog = w->findChild<QDialog*>(QStringLiteral("dlgLabels"));
            if (dialog)
                dialog->findChild<QPushButton*>(QStringLiteral("cmdLabelsPreview"))->click();
        });
        if (auto* offer = get<QPushButton>(offerOrEntry))
            offer->click();
        else
            trigger(offerOrEntry);
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        if (!text.waitForFinished(30000) || text.exitCode() != 0)
            return "pdftotext failed: " + text.errorString();
        return QString::fromUtf8(text.readAllStandardOutput());
    }

private slots:
    void initTestCase() {
        qputenv("TARNLINK_STORE", dir.filePath("scales.sqlite").toLocal8Bit());
        qputenv("TARNLINK_NOTES_DIR", dir.path().toLocal8Bit());
    }
    void init() {
        makeWindow();
        useScale();
        QVERIFY(click("cmdPortOpen"));
    }
    void cleanup() { dropWindow(); }

    void aChangedDownloadOffersTheLabelsOfTheRecordsItSent() {
        loadPrices(dir.path(), 349);
        c().optDownChangedPLU->setChecked(true);
        QVERIFY(click("cmdPLUDownload"));
        auto* offer = get<QPushButton>("cmdPrintSentLabels");
        QVERIFY(offer->isVisible());
        QCOMPARE(offer->text(), QStringLiteral("Print labels for the 3 records just sent"));

        loadPrices(dir.path(), 399);
        QVERIFY(click("cmdPLUDownload"));
        QCOMPARE(offer->text(), QStringLiteral("Print labels for the 1 records just sent"));
        const QString text = printedFrom("cmdPrintSentLabels");
        QCOMPARE(text.count("PLU "), 1);
        QVERIFY2(text.contains("PEAR") && text.contains("3.99"), qPrintable(text));
        QVERIFY(!offer->isVisible());

        // The menu's entry prints every record by default.
        QCOMPARE(printedFrom("mnuPrintLabels").count("PLU "), 3);
    }

    // Every option and button of the dialog has a mnemonic, none twice.
    void everyChoiceOfTheLabelsDialogHasAMnemonicOfItsOwn() {
        loadPrices(dir.path(), 349);
        QStringList keys;
        QStringList captions;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = w->findChild<QDialog*>(QStringLiteral("dlgLabels"));
            if (!dialog)
                return;
            for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
                captions << b->text();
                keys << QKeySequence::mnemonic(b->text()).toString();
            }
            dialog->reject();
        });
        trigger("mnuPrintLabels");
        QVERIFY(captions.contains(QStringLiteral("Ca&ncel")));
        QVERIFY2(!keys.contains(QString()), qPrintable(captions.join(", ")));
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }
};

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
