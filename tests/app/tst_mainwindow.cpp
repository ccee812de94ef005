// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"
#include "WindowTest.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class TestMainWindow : public WindowTest {
    Q_OBJECT

private:
    template <class T> T* child(const char* name) {
        T* found = get<T>(name);
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

private slots:
    // The window as it starts, hidden until a test shows it.
    void init() { makeWindow(false); }
    void cleanup() { dropWindow(); }

    void startUpState() {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnlink"));
        auto* tabs = child<QTabWidget>("SSTab");
        QCOMPARE(tabs->count(), 6);
        const QStringList captions{"Port", "Display", "PLU", "Download", "Upload", "INGRED"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(tabs->tabText(i).remove('&'), captions[i]);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(tabs->isEnabled());

        QVERIFY(child<QRadioButton>("optCom1")->isChecked());
        QVERIFY(!child<QRadioButton>("optCom2")->isChecked());
        QVERIFY(child<QPushButton>("cmdPortOpen")->isEnabled());
        for (const char* name : {"cmdPortClose", "cmdVFDUpdate", "cmdPLUDownload",
                                 "cmdINGREDDownload", "cmdPLUUpload", "cmdINGUpload"})
            QVERIFY2(!child<QPushButton>(name)->isEnabled(), name);
        // Captions as shown; "&" marks the mnemonic letter.
        QCOMPARE(child<QPushButton>("cmdPLUDownload")->text().remove('&'),
                 QStringLiteral(" PLU Download"));
        QCOMPARE(child<QPushButton>("cmdINGUpload")->text().remove('&'),
                 QStringLiteral("INGRED Upload"));

        QCOMPARE(status(), QStringLiteral("Message Count is 0"));
        QCOMPARE(child<QLineEdit>("txtFilePath")->text(), QStringLiteral("?"));
        QVERIFY(!child<QLineEdit>("txtEditGrid")->isVisible());
        QVERIFY(!child<QLineEdit>("txtEditGrid1")->isVisible());

        for (const char* name : {"optDownOnePLU", "optDownOneINGRED", "optUpOnePLU", "optUpOneING"})
            QVERIFY2(child<QRadioButton>(name)->isChecked(), name);
        const std::pair<const char*, const char*> boxes[] = {
            {"txtDownOnePluNo", "1"}, {"txtDownStartPluNo", "1"}, {"txtDownEndPluNo", "2"},
            {"txtDownOneIngNo", "1"}, {"txtDownStartIngNo", "1"}, {"txtDownEndIngNo", "2"},
            {"txtUpOnePluNo", "1"},   {"txtUpOneIngNo", "1"}};
        for (const auto& [name, initial] : boxes) {
            auto* box = child<QLineEdit>(name);
            QCOMPARE(box->text(), QString::fromLatin1(initial));
            QCOMPARE(box->maxLength(), 3);
            QVERIFY(box->alignment() & Qt::AlignRight);
        }
        // Only the ingredient upload frame carries its texts on the option buttons.
        QCOMPARE(child<QRadioButton>("optUpAllING")->text().remove(QLatin1Char('&')),
                 QStringLiteral("All INGRED"));
        QCOMPARE(child<QRadioButton>("optUpAllPLU")->text(), QString());

        for (const char* name : {"txtWeight", "txtUnitPrice", "txtTotalPrice"}) {
            auto* box = child<QLineEdit>(name);
            QCOMPARE(box->text(), QStringLiteral("0"));
            QVERIFY(box->alignment() & Qt::AlignRight);
            QCOMPARE(box->font().pointSize(), 18);
            QVERIFY(box->font().bold());
        }
        auto* bar = child<QStatusBar>("StatusBar");
        QVERIFY(bar->findChild<QLabel*>(QStringLiteral("Panel2")));
        QVERIFY(!bar->findChild<QLabel*>(QStringLiteral("Panel3"))->text().isEmpty());
    }

    // A click on the caption beside a bare option button selects the option. Every option has
    // a mnemonic, or is reached with the arrow keys from another option of its frame; no
    // mnemonic is there twice among what is shown at once (the menu bar, the tabs, the page).
    void optionCaptionsAndMnemonicsSelectTheirOptions() {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* tabs = child<QTabWidget>("SSTab");
        const QList<QLabel*> labels = w->findChildren<QLabel*>();
        QStringList shownAlways;
        for (const QAction* entry : w->menuBar()->actions())
            shownAlways << QKeySequence::mnemonic(entry->text()).toString();
        for (int t = 0; t < tabs->count(); ++t)
            shownAlways << QKeySequence::mnemonic(tabs->tabText(t)).toString();
        for (int page = 0; page < tabs->count(); ++page) {
            QStringList keys = shownAlways;
            for (QRadioButton* option : tabs->widget(page)->findChildren<QRadioButton*>()) {
                QString caption = option->text();
                for (QLabel* label : labels)
                    if (label->buddy() == option)
                        caption = label->text();
                const QString key = QKeySequence::mnemonic(caption).toString();
                if (key.isEmpty()) {
                    const auto frame = option->parentWidget()->findChildren<QRadioButton*>();
                    QVERIFY2(qobject_cast<QGroupBox*>(option->parentWidget()) && frame.size() > 1,
                             qPrintable(option->objectName()));
                    continue;
                }
                QVERIFY2(!keys.contains(key), qPrintable(option->objectName()));
                keys << key;
            }
        }

        tabs->setCurrentIndex(3); // "Download"
        auto* all = child<QRadioButton>("optDownAllPLU");
        QLabel* allCaption = nullptr;
        for (QLabel* label : labels)
            if (label->buddy() == all)
                allCaption = label;
        QVERIFY(allCaption);
        QCOMPARE(allCaption->text().remove(QLatin1Char('&')), QStringLiteral("ALL PLU"));
        QTest::mouseClick(allCaption, Qt::LeftButton);
        QVERIFY(all->isChecked());
        QTest::keyClick(w, Qt::Key_U, Qt::AltModifier);
        QTRY_VERIFY(child<QRadioButton>("optDownMultipleINGRED")->isChecked()); // animated click
        QVERIFY(!child<QRadioButton>("optDownOneINGRED")->isChecked());
        // Alt+E picks One PLU; Down twice from there picks ALL PLU, which has no letter.
        QTest::keyClick(w, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(child<QRadioButton>("optDownOnePLU")->isChecked());
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        QVERIFY(all->isChecked());

        tabs->setCurrentIndex(4); // "Upload": the same letters choose this page's options
        QTest::keyClick(w, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(child<QRadioButton>("optUpOnePLU")->isChecked());
        key(Qt::Key_Down);
        QVERIFY(child<QRadioButton>("optUpAllPLU")->isChecked());
        QVERIFY(all->isChecked());
        QTest::keyClick(w, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(child<QRadioButton>("optUpOneING")->hasFocus());
        key(Qt::Key_Down);
        QVERIFY(child<QRadioButton>("optUpAllING")->isChecked());
    }

    void gridsShowNumberedRowsAndHeaders() {
        for (const char* name : {"grdPLU", "grdINGRED"}) {
            auto* view = child<GridView>(name);
            QCOMPARE(view->model()->rowCount(), 200);
            QCOMPARE(view->model()->columnCount(), 9);
            QCOMPARE(view->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
            QCOMPARE(view->model()->headerData(199, Qt::Vertical).toString(),
                     QStringLiteral("200"));
            QCOMPARE(view->model()->index(5, 3).data().toString(), QString());
        }
        auto* plu = child<GridView>("grdPLU");
        QCOMPARE(plu->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("PLU No"));
        QCOMPARE(plu->model()->headerData(8, Qt::Horizontal).toString(),
                 QStringLiteral("Message No"));
        // "<PLU No" aligns left, the others centre.
        QVERIFY(plu->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft);
        QVERIFY(plu->model()->index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter);
        // Trailing blanks widen a column: "Item name1          " is wider than "PLU No ".
        QVERIFY(plu->columnWidth(1) > plu->columnWidth(0));
        QCOMPARE(plu->columnWidth(1), plu->columnWidth(2));
        auto* ingred = child<GridView>("grdINGRED");
        QCOMPARE(ingred->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Message1"));
    }

    void menusCarryEveryCaptionAndName() {
        const std::pair<const char*, const char*> entries[] = {
            {"mnuFileNew", "New"},
            {"mnuFileOpen", "PLU File( *.PLU)"},
            {"mnuLxls", "Excel File( *.XLS)"},
            {"mnuFileSave", "PLU File ( *.PLU)"},
            {"mnuXls", "Excel File( *.XLS)"},
            {"mnuFileExit", "Exit"},
            {"mnuFileNew1", "New"},
            {"mnuFileOpen1", "INGRED File( *.INGRED)"},
            {"mnuLxls1", "Excel File( *.XLS)"},
            {"mnuFileSave1", "INGRED File( *.INGRED)"},
            {"mnuLxls2", "Excel File( *.XLS)"},
            {"mnuFileExit1", "Exit"},
            {"mnuAbout", "About"},
            {"mnuO", "Open"},
            {"mnuS", "Save"},
            {"mnuO1", "Open"},
            {"mnuFi", "Save"}};
        for (const auto& [name, caption] : entries) {
            auto* a = w->findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY2(a, name);
            QCOMPARE(a->text().remove('&'), QString::fromLatin1(caption));
            QVERIFY(a->isEnabled());
        }
        for (const char* sep : {"mnuSep1", "mnuSep2", "mnuSep3", "mnuSep4", "mnuSep5", "mnuSep6"}) {
            auto* a = w->findChild<QAction*>(QString::fromLatin1(sep));
            QVERIFY2(a && a->isSeparator(), sep);
        }
        const QList<QAction*> top = w->menuBar()->actions();
        QCOMPARE(top.size(), 3);
        QCOMPARE(top[0]->text().remove('&'), QStringLiteral("PLU"));
        QCOMPARE(top[1]->text().remove('&'), QStringLiteral("INGRED"));
        QCOMPARE(top[2]->text().remove('&'), QStringLiteral("About"));
        // The PLU menu in order: New, Open, Save, Print labels, Print price list, separator,
        // Exit.
        const QList<QAction*> plu = top[0]->menu()->actions();
        QCOMPARE(plu.size(), 7);
        QCOMPARE(plu[1]->objectName(), QStringLiteral("mnuO"));
        QCOMPARE(plu[3]->objectName(), QStringLiteral("mnuPrintLabels"));
        QCOMPARE(plu[4]->objectName(), QStringLiteral("mnuPrintPriceList"));
        QCOMPARE(plu[5]->objectName(), QStringLiteral("mnuSep3"));
        QCOMPARE(plu[6]->objectName(), QStringLiteral("mnuFileExit"));
    }

    void newAfterGrowthAndEditsRestoresTheTable() {
        Workspace& ws = w->workspace();
        ws.plu.grid.setRows(203);
        ws.plu.grid.setText(7, 4, QStringLiteral("999"));
        ws.plu.count = 7;
        ws.setFilePath(QStringLiteral("/tmp/x.PLU"));
        w->findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
        QCOMPARE(ws.plu.grid.rows(), 201);
        QCOMPARE(ws.plu.grid.text(7, 4), QString());
        QCOMPARE(ws.plu.count, qint16(0));
        QCOMPARE(status(), QStringLiteral("PLU Count is 0"));
        QCOMPARE(child<QLineEdit>("txtFilePath")->text(), QStringLiteral("?"));
        QCOMPARE(child<GridView>("grdPLU")->model()->rowCount(), 200);

        ws.ingred.grid.setRows(210);
        ws.ingred.grid.setText(2, 2, QStringLiteral("salt"));
        ws.setFilePath(QStringLiteral("/tmp/prices.PLU"));
        w->findChild<QAction*>(QStringLiteral("mnuFileNew1"))->trigger();
        QCOMPARE(ws.ingred.grid.rows(), 201);
        QCOMPARE(ws.ingred.grid.text(2, 2), QString());
        QCOMPARE(status(), QStringLiteral("Message Count is 0"));
        // The PLU table keeps its file; the INGRED tab shows the INGRED table's.
        QCOMPARE(child<QLineEdit>("txtFilePath")->text(), QStringLiteral("/tmp/prices.PLU"));
        child<QTabWidget>("SSTab")->setCurrentIndex(5);
        QCOMPARE(child<QLineEdit>("txtFilePath")->text(), QStringLiteral("?"));
    }

    // Every menu entry, tab and button has a mnemonic, none twice in one menu or on one page
    // (where the menu bar's and the tabs' are taken too). An option may go without one: the
    // arrow keys reach it in its frame (see above). Run in each language too.
    void everyEntryAndButtonHasAMnemonicOfItsOwn() {
        const auto texts = [](const QList<QAction*>& actions) {
            QStringList out;
            for (const QAction* a : actions)
                if (!a->isSeparator())
                    out << a->text();
            return out;
        };
        const QTabWidget* tabs = child<QTabWidget>("SSTab");
        QStringList bar = texts(w->menuBar()->actions());
        for (int t = 0; t < tabs->count(); ++t)
            bar << tabs->tabText(t);
        QList<QStringList> groups = {bar,
                                     texts(child<GridView>("grdPLU")->actions()),
                                     {child<QPushButton>("cmdStop")->text()}};
        for (const QMenu* menu : w->menuBar()->findChildren<QMenu*>())
            groups << texts(menu->actions());
        // An option of a frame of options, reached with the arrow keys ("ALL PLU").
        const auto arrowed = [](const QWidget* widget) {
            const auto* option = qobject_cast<const QRadioButton*>(widget);
            return option && qobject_cast<const QGroupBox*>(option->parentWidget()) &&
                   option->parentWidget()->findChildren<QRadioButton*>().size() > 1;
        };
        for (int t = 0; t < tabs->count(); ++t) {
            QStringList tab = bar;
            const auto add = [&](const QWidget* widget, const QString& caption) {
                if (!caption.isEmpty() &&
                    !(QKeySequence::mnemonic(caption).isEmpty() && arrowed(widget)))
                    tab << caption;
            };
            for (const QAbstractButton* b : tabs->widget(t)->findChildren<QAbstractButton*>())
                add(b, b->text()); // a bare option button: its caption is the label below
            for (const QLabel* label : tabs->widget(t)->findChildren<QLabel*>())
                if (label->buddy())
                    add(label->buddy(), label->text());
            groups << tab;
        }
        QStringList clashes;
        for (const QStringList& group : groups) {
            QStringList keys;
            for (const QString& caption : group)
                keys << QKeySequence::mnemonic(caption).toString();
            if (keys.contains(QString()) || keys.removeDuplicates() != 0)
                clashes << group.join(", ");
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    }

    void exitFromEitherMenuAndTheCloseControl() {
        w->findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
        w->findChild<QAction*>(QStringLiteral("mnuFileExit1"))->trigger();
        w->show();
        w->close();
        QCOMPARE(exits, 3);
    }

    void aboutIsModalAndShownAgainAsTheSameWindow() {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QAction* about = w->findChild<QAction*>(QStringLiteral("mnuAbout"));
        about->trigger();
        auto* first = w->findChild<AboutDialog*>(QStringLiteral("frmAbout"));
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("About"));
        QCOMPARE(QApplication::activeModalWidget(), first);
        const QString text =
            first->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
        QCOMPARE(text.split(QLatin1Char('\n')).size(), 3);
        QVERIFY(text.contains(QStringLiteral("PLU")));

        // While About is shown the main window takes no input.
        auto* openButton = child<QPushButton>("cmdPortOpen");
        QSignalSpy clicks(openButton, &QPushButton::clicked);
        // Click through the window system, where modality is enforced.
        const QPoint at = openButton->mapTo(w, openButton->rect().center());
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(clicks.count(), 0);

        QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!first->isVisible());
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at); // the same click now lands
        QCOMPARE(clicks.count(), 1);
        about->trigger();
        QCOMPARE(w->findChildren<AboutDialog*>().size(), 1);
        QVERIFY(first->isVisible());
        first->hide();
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
