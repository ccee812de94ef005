// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its dialogs on a small laptop's screen, 1024 x 600, at the scale factor the
// test is run with (QT_SCALE_FACTOR: 1, 1.5 and 2): each opens within the screen's available
// area; what does not fit scrolls, the status line, Source and the buttons stay on the screen.
// A remembered size is used only when it is comfortable and fits. Every text the window and its
// dialogs show is whole, in each language (TARNLINK_TEST_LANGUAGE); in the testing language
// (TARNLINK_TEST_TRANSLATION: every text longer and marked) every one must be marked, so none
// was left out of the translation.
#include "AboutDialog.h"
#include "CompareDialog.h"
#include "HistoryDialog.h"
#include "PriceList.h"
#include "PriceListDialog.h"
#include "WindowTest.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestSmallScreen : public WindowTest {
    Q_OBJECT

    QTemporaryDir dir;

    // The screen's room in the window's own pixels.
    static QRect room() {
        const qreal factor = QGuiApplication::primaryScreen()->devicePixelRatio();
        return {0, 0, qRound(1024 / factor), qRound(600 / factor)};
    }
    // Wholly on the screen and not scrolled out of sight, nor cut by its window.
    static bool inSight(const QWidget* widget) {
        return widget->isVisible() &&
               room().contains(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size())) &&
               widget->visibleRegion() == QRegion(widget->rect());
    }
    static QString translate(const char* context, const char* text, int n = -1) {
        return QCoreApplication::translate(context, text, nullptr, n);
    }
    static bool testingLanguage() { return qEnvironmentVariableIsSet("TARNLINK_TEST_TRANSLATION"); }
    // A text of ours, translated: the testing language marks it "[...~]". Texts without a
    // letter (numbers, "..."), the program's name and the table's field names (the words of
    // its files, never translated) are not texts to translate.
    static bool marked(const QString& text) {
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
        for (const TableKind kind : {TableKind::Plu, TableKind::Ingred})
            for (int col = 1; col <= 9; ++col)
                if (QString(text).remove(u'&').compare(fieldNameOf(kind, col),
                                                       Qt::CaseInsensitive) == 0)
                    return true;
        if (text.contains(u'\n'))
            return std::ranges::all_of(text.split(u'\n'), marked);
        return !text.contains(word) || text == QLatin1String("Tarnlink") ||
               (text.contains(u'[') && text.contains(QLatin1String("~]")));
    }
    // Qt's own dialogs and buttons, and the clock's date, which Qt puts in the desktop's words.
    static bool qtsOwn(const QWidget* x) {
        return qobject_cast<const QFileDialog*>(x->window()) != nullptr ||
               x->objectName() == QLatin1String("Panel2");
    }
    static bool qtsOwnButton(const QAbstractButton* b) {
        const auto* box = qobject_cast<const QDialogButtonBox*>(b->parentWidget());
        return box &&
               box->standardButton(const_cast<QAbstractButton*>(b)) != QDialogButtonBox::NoButton;
    }
    // Every text in sight is whole, and marked in the testing language.
    static void textsMarkedAndWhole(const QWidget* root) {
        QStringList unmarked, cut;
        const auto look = [&](const QString& text, const QWidget* where, bool whole) {
            if (testingLanguage() && !marked(text))
                unmarked << where->metaObject()->className() + QStringLiteral(" ") +
                                where->objectName() + QStringLiteral(": ") + text;
            else if (!whole)
                cut << where->objectName() + QStringLiteral(": ") + text;
        };
        if (!qtsOwn(root))
            look(root->windowTitle(), root, true);
        for (const QWidget* x : root->findChildren<QWidget*>()) {
            if (!x->isVisibleTo(root) || qtsOwn(x))
                continue;
            if (!x->toolTip().isEmpty())
                look(x->toolTip(), x, true);
            if (const auto* label = qobject_cast<const QLabel*>(x);
                label && !label->text().isEmpty())
                look(label->text(), x,
                     label->wordWrap() || label->width() >= label->minimumSizeHint().width());
            else if (const auto* b = qobject_cast<const QAbstractButton*>(x);
                     b && !b->text().isEmpty() && !qtsOwnButton(b))
                look(b->text(), x, b->width() >= b->sizeHint().width());
            else if (const auto* g = qobject_cast<const QGroupBox*>(x); g && !g->title().isEmpty())
                look(g->title(), x, g->width() >= g->minimumSizeHint().width());
            else if (const auto* tabs = qobject_cast<const QTabBar*>(x))
                for (int t = 0; t < tabs->count(); ++t)
                    look(tabs->tabText(t), x,
                         tabs->rect().contains(tabs->tabRect(t)) &&
                             tabs->tabRect(t).width() >
                                 tabs->fontMetrics().horizontalAdvance(
                                     QString(tabs->tabText(t)).remove(u'&')));
            else if (const auto* menus = qobject_cast<const QMenuBar*>(x))
                for (const QAction* menu : menus->actions()) {
                    look(menu->text(), x, true);
                    if (menu->menu())
                        for (const QAction* a : menu->menu()->actions())
                            if (!a->isSeparator())
                                look(a->text(), x, true);
                }
        }
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u'\n')));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
    // In a dialog, no shortcut letter is there twice: a translation may take one letter twice.
    static void shortcutsOnce(const QWidget* dialog) {
        QStringList keys;
        for (const QWidget* x : dialog->findChildren<QWidget*>()) {
            if (!x->isVisibleTo(dialog))
                continue;
            QString text;
            if (const auto* b = qobject_cast<const QAbstractButton*>(x))
                text = b->text();
            else if (const auto* l = qobject_cast<const QLabel*>(x); l && l->buddy())
                text = l->text();
            const QString key = QKeySequence::mnemonic(text).toString();
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(text));
            keys << key;
        }
    }
    static void fitsWithItsButtons(const QWidget* dialog) {
        QCOMPARE(dialog->screen()->availableGeometry(), room());
        QVERIFY2(room().contains(dialog->frameGeometry()), qPrintable(dialog->objectName()));
        for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
            if (qobject_cast<const QPushButton*>(b) && b->isVisibleTo(dialog))
                QVERIFY2(inSight(b), qPrintable(b->text()));
        textsMarkedAndWhole(dialog);
        if (qobject_cast<const QFileDialog*>(dialog) == nullptr)
            shortcutsOnce(dialog);
    }
    // The modal dialog that `open` opens fits, with its buttons in sight.
    void fitsWhenAsked(const std::function<void()>& open) {
        bool seen = false;
        whenAsked([&](QWidget* dialog) {
            fitsWithItsButtons(dialog);
            seen = true;
        });
        open(); // returns once the dialog has been looked at and closed
        QVERIFY(seen);
    }

private slots:
    void init() { makeWindow(); }
    void cleanup() { dropWindow(); }

    void theWindowFitsWithItsStatusLineSourceAndButtons() {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->screen()->availableGeometry(), room());
        QVERIFY(room().contains(w->frameGeometry()));
        for (int t = 0; t < c().SSTab->count(); ++t) {
            c().SSTab->setCurrentIndex(t);
            QTest::qWait(0); // laid out
            QVERIFY(inSight(w->statusBar()));
            QVERIFY(inSight(c().panel1));
            QVERIFY(inSight(get<QLineEdit>("txtFilePath")));
            for (QAbstractButton* b : c().SSTab->currentWidget()->findChildren<QAbstractButton*>())
                if (qobject_cast<QPushButton*>(b) || qobject_cast<QCheckBox*>(b))
                    QVERIFY2(inSight(b), qPrintable(b->text()));
            textsMarkedAndWhole(w);
        }
        // A long status text wraps rather than widen the window.
        w->workspace().status(QString(300, QLatin1Char('x')).replace(20, 1, " "));
        QTest::qWait(0);
        QVERIFY(room().contains(w->frameGeometry()));
    }

    void everyDialogFits() {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        useChooser();
        QVERIFY(writeBytes(dir.filePath("till.csv"), "PLU No;Price\r\n101;2,99\r\n"));
        chooser->answer(dir.filePath("till.csv"));
        trigger("mnuPriceList"); // 820 x 640 where there is room
        auto* prices = w->findChild<PriceListDialog*>();
        QVERIFY(QTest::qWaitForWindowExposed(prices));
        fitsWithItsButtons(prices);
        prices->reject();

        auto* history = new HistoryDialog(w);
        history->show({});
        QVERIFY(QTest::qWaitForWindowExposed(history));
        fitsWithItsButtons(history);
        history->close();
        auto* compare = new CompareDialog(w);
        compare->show(translate("tarn::MemoryActions", "%1 Compare").arg("PLU"), TableKind::Plu,
                      {});
        QVERIFY(QTest::qWaitForWindowExposed(compare));
        fitsWithItsButtons(compare);
        compare->close();
        auto* about = new AboutDialog(w);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        fitsWithItsButtons(about);
        about->close();

        // The questions, as the window asks them.
        const QStringList both{"PLU", "INGRED"};
        const QStringList remarks{
            "PLU: " + translate("tarn::MainWindow", "exported to %1; %2 is older")
                          .arg("a-long-name-for-a-shop.xlsx", "a-long-name-for-a-shop.PLU")};
        fitsWhenAsked([&] { DialogSaveQuestion(w).ask(both, remarks); });
        fitsWhenAsked([&] { DialogReplaceQuestion(w).ask({"PLU"}, {}); });
        fitsWhenAsked([&] {
            DialogStopQuestion(w).askStop(
                translate("tarn::TransferActions",
                          "A download is running (%1 of %2 sent). Stop it and exit?")
                    .arg(35)
                    .arg(200));
        });
        DialogDownloadQuestion download(w);
        fitsWhenAsked([&] { download.askUnsaved("PLU", DownloadQuestion::Before::Download); });
        fitsWhenAsked([&] {
            download.askCuts(
                translate("SafetyQuestions",
                          "%n texts are longer than the scale keeps; it will keep:", 3) +
                u'\n' +
                translate("SafetyQuestions", "row %1, %2: \"%3\"")
                    .arg("2", "Item name1", "EE RANGE CHICKEN BREAST 500G") +
                u'\n' + translate("SafetyQuestions", "Send anyway?"));
        });
        loadPrices(dir.path(), 349);
        fitsWhenAsked([&] { trigger("mnuPrintLabels"); });
        // The file dialogs.
        DialogFileChooser files(w);
        fitsWhenAsked([&] { files.openPath("PLU File|*.plu;*.PLU|All files|*.*"); });
        fitsWhenAsked([&] { files.savePath("PLU File|*.plu;*.PLU", dir.filePath("shop.PLU")); });
    }

    // A size remembered at another scale factor, too small for the window's work or larger
    // than the screen, is not used; one that is comfortable and fits is.
    void aRememberedSizeIsUsedOnlyWhenItIsComfortableAndFits() {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QSize comfortable = w->size();
        const QString file = dir.filePath("memory.ini");
        const auto openedWith = [&](const QSize& remembered) {
            {
                QSettings settings(file, QSettings::IniFormat);
                settings.setValue("window/size", remembered);
            }
            w->setMemory(std::make_unique<QSettings>(file, QSettings::IniFormat));
            return w->size();
        };
        QCOMPARE(openedWith(QSize(300, 200)), comfortable);
        QCOMPARE(openedWith(room().size() * 3), comfortable);
        // Wider by what the screen has left (at 1x; at 2x the window takes the screen).
        const QSize wider =
            (comfortable + QSize(10, 0)).boundedTo(w->screen()->availableSize() - QSize(16, 40));
        QCOMPARE(openedWith(wider), wider);
    }
};

// The offscreen screen is made 1024 x 600 before the application starts.
int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    if (!writeBytes(config, R"({"screens": [{"name": "small", "width": 1024, "height": 600}]})"))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestSmallScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_smallscreen.moc"
