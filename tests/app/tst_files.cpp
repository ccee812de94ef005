// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTest.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class FileMenus : public WindowTest {
    Q_OBJECT

private:
    MainWindow* window = nullptr; // the window under test, hidden: only its menus are used
    QTemporaryDir dir;

    // These tests only choose menu entries.
    void click(const char* name) { trigger(name); }
    TextGrid& pluGrid() { return window->workspace().plu.grid; }
    TextGrid& ingredGrid() { return window->workspace().ingred.grid; }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static QByteArray contents(const QString& path) { return readBytes(path); }

private slots:
    void init() {
        makeWindow(false);
        useChooser();
        window = w;
    }
    void cleanup() { dropWindow(); }

    void pluSaveAndOpenThroughTheMenus() {
        pluGrid().setText(1, 1, "12");
        pluGrid().setText(1, 2, "APPLE");
        pluGrid().setText(1, 3, "RED");
        pluGrid().setText(1, 4, "1500");
        pluGrid().setText(1, 5, "3");
        pluGrid().setText(1, 6, "0");
        pluGrid().setText(1, 7, "2001");
        pluGrid().setText(1, 8, "1");
        chooser->answer(path("shop.PLU"));
        click("mnuFileSave");
        QCOMPARE(chooser->filtersAsked, QStringList({"PLU file|*.plu;*.PLU"}));
        QCOMPARE(contents(path("shop.PLU")),
                 QByteArray("12,\"APPLE\",\"RED\",1500,3,0,2001,1,0\r\n"));
        QCOMPARE(status(), QString("PLU Count is 1"));
        QCOMPARE(source(), path("shop.PLU"));
        QCOMPARE(pluGrid().text(1, 9), QString("0"));

        click("mnuFileNew");
        QCOMPARE(pluGrid().text(1, 2), QString());
        chooser->answer(path("shop.PLU"));
        click("mnuFileOpen");
        QCOMPARE(chooser->filtersAsked.last(), QString("PLU file|*.plu;*.PLU"));
        QCOMPARE(status(), QString("PLU Count is 1"));
        QCOMPARE(source(), path("shop.PLU"));
        QCOMPARE(pluGrid().text(1, 2), QString("APPLE"));
        QCOMPARE(window->workspace().plu.records[1].unitPrice, 1500);
    }

    void ingredientSaveAndOpenThroughTheMenus() {
        ingredGrid().setText(1, 1, "3");
        ingredGrid().setText(1, 2, "SUGAR");
        ingredGrid().setText(1, 3, "SALT");
        chooser->answer(path("shop.INGRED"));
        click("mnuFileSave1");
        QCOMPARE(chooser->filtersAsked, QStringList({"INGRED file|*.ingred;*.INGRED"}));
        QCOMPARE(contents(path("shop.INGRED")),
                 QByteArray("3,\"SUGAR\",\"SALT\",\" \",\" \",\" \",\" \",\" \",\" \"\r\n"));
        QCOMPARE(status(), QString("INGRED Count is 1"));

        click("mnuFileNew1");
        chooser->answer(path("shop.INGRED"));
        click("mnuFileOpen1");
        QCOMPARE(chooser->filtersAsked.last(), QString("INGRED file|*.ingred;*.INGRED"));
        QCOMPARE(status(), QString("Message Count is 1"));
        QCOMPARE(source(), path("shop.INGRED"));
        QCOMPARE(ingredGrid().text(1, 3), QString("SALT"));
        QCOMPARE(ingredGrid().text(1, 4), QString(" "));
    }

    void cancelledDialogsStaySilent() {
        pluGrid().setText(1, 1, "1");
        chooser->answer(std::nullopt);
        click("mnuFileOpen");
        chooser->answer(std::nullopt);
        click("mnuFileSave");
        chooser->answer(std::nullopt);
        click("mnuFileSave1");
        QCOMPARE(chooser->filtersAsked.size(), 3);
        QCOMPARE(status(), QString("Message Count is 0"));
        QCOMPARE(source(), QString("?"));
        QCOMPARE(window->workspace().plu.count, qint16(0));
        QCOMPARE(pluGrid().text(1, 9), QString());
    }

    void refusedSaveAsksForNoFileAndSaysWhere() {
        pluGrid().setText(1, 1, "1");
        pluGrid().setText(2, 1, "2");
        pluGrid().setText(2, 4, "1,50");
        chooser->answer(path("never.PLU"));
        click("mnuFileSave");
        QVERIFY(chooser->filtersAsked.isEmpty());
        QCOMPARE(status(), QString("ERROR! row 2: U/Price is a whole number (cents): type 150"));
        QVERIFY(!QFile::exists(path("never.PLU")));
        QCOMPARE(source(), QString("?"));
    }

    void failedOpenLeavesTheTableAsItWas() {
        QFile f(path("broken.INGRED"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1,\"A\",\"B\",\"C\"\r\n");
        f.close();
        ingredGrid().setText(1, 1, "9");
        chooser->answer(path("broken.INGRED"));
        click("mnuFileOpen1");
        QCOMPARE(status(), QString("ERROR! line 1: the file ends before Message4"));
        QCOMPARE(ingredGrid().text(1, 1), QString("9"));
        QCOMPARE(source(), QString("?"));
    }
};

QTEST_MAIN(FileMenus)
#include "tst_files.moc"
