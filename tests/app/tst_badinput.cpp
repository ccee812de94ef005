// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what they claim, fed to every open and import entry of the menus: each
// ends at a clear status text and leaves both tables and the file source as they were.

#include "SheetExchange.h"
#include "WindowTest.h"
#include "WorkspaceSnapshot.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tarn;
using namespace tarn::testing;

class BadInput : public WindowTest {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    void open(const QString& action, const QString& file) {
        chooser->answer(file);
        trigger(qPrintable(action));
    }
    // The tables as the operator sees them, with the file source as its box shows it.
    WorkspaceSnapshot snapshot() {
        auto s = WorkspaceSnapshot::of(w->workspace());
        s.filePath = source();
        return s;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const QByteArray pluLines = "12,\"APPLE\",\"RED\",1500,3,0,2001,1,0\r\n"
                                    "13,\"PEAR\",\" \",250,1,5,2002,2,4\r\n";
        QVERIFY(writeBytes(path("good.PLU"), pluLines));
        QVERIFY(writeBytes(path("good.INGRED"), kSugarIngredLine));
        for (const char* ext : {"PLU", "INGRED", "xls"}) {
            QVERIFY(writeBytes(path(QStringLiteral("empty.") + ext), QByteArray()));
            QByteArray junk;
            quint32 x = 2463534242u; // xorshift: the same bytes every run, zeros included
            for (int i = 0; i < 4096; ++i) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                junk.append(char(x & 0xFF));
            }
            QVERIFY(writeBytes(path(QStringLiteral("junk.") + ext), junk));
            QByteArray big;
            while (big.size() < 10 * 1024 * 1024)
                big += pluLines;
            QVERIFY(writeBytes(path(QStringLiteral("big.") + ext), big));
        }
        // A real workbook under a table file's name, and a table file under a workbook's.
        Workspace ws;
        ws.startUp();
        ws.plu.grid.setText(1, 1, "5");
        ws.plu.grid.setText(1, 2, "PLUMS");
        QVERIFY(exportWorkbook(ws, TableKind::Plu, path("book.xls"), QDate(2026, 12, 7)));
        QVERIFY(readBytes(path("book.xls")).startsWith("\xD0\xCF\x11\xE0"));
        QVERIFY(QFile::copy(path("book.xls"), path("book.PLU")));
        QVERIFY(QFile::copy(path("book.xls"), path("book.INGRED")));
        QVERIFY(QFile::copy(path("good.PLU"), path("table.xls")));
    }

    void init() {
        makeWindow(false);
        useChooser();
        // Both tables hold records before the bad file comes.
        open("mnuFileOpen", path("good.PLU"));
        QCOMPARE(status(), QString("PLU Count is 2"));
        open("mnuFileOpen1", path("good.INGRED"));
        QCOMPARE(status(), QString("Message Count is 1"));
    }
    void cleanup() { dropWindow(); }

    void badFileLeavesTheTables_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        const struct {
            const char* action;
            const char* ext;
            const char* disguised; // a file of the other kind under this entry's extension
        } entries[] = {{"mnuFileOpen", "PLU", "book.PLU"},
                       {"mnuFileOpen1", "INGRED", "book.INGRED"},
                       {"mnuLxls", "xls", "table.xls"},
                       {"mnuLxls1", "xls", "table.xls"}};
        for (const auto& e : entries) {
            for (const QString& file :
                 {QStringLiteral("junk.") + e.ext, QString::fromLatin1(e.disguised),
                  QStringLiteral("big.") + e.ext}) {
                QTest::addRow("%s %s", e.action, qPrintable(file)) << e.action << file;
            }
        }
        QTest::addRow("mnuLxls empty.xls") << "mnuLxls"
                                           << "empty.xls";
        QTest::addRow("mnuLxls1 empty.xls") << "mnuLxls1"
                                            << "empty.xls";
    }
    void badFileLeavesTheTables() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        const WorkspaceSnapshot before = snapshot();
        open(action, path(file));
        const QString shown = status();
        QVERIFY2(shown.startsWith("ERROR! ") && shown.size() > 12, qPrintable(shown));
        QVERIFY2(snapshot() == before, qPrintable("the tables changed; status: " + shown));
    }

    // An empty table file is a table without records: it loads as such.
    void emptyTableFileLoadsAnEmptyTable() {
        open("mnuFileOpen", path("empty.PLU"));
        QCOMPARE(status(), QString("PLU Count is 0"));
        QCOMPARE(w->workspace().plu.count, qint16(0));
        QCOMPARE(w->workspace().plu.grid.text(1, 2), QString());
        QCOMPARE(source(), path("empty.PLU"));
        QCOMPARE(w->workspace().ingred.count, qint16(1));

        open("mnuFileOpen1", path("empty.INGRED"));
        QCOMPARE(status(), QString("Message Count is 0"));
        QCOMPARE(w->workspace().ingred.count, qint16(0));
        QCOMPARE(w->workspace().ingred.grid.text(1, 2), QString());
        QCOMPARE(source(), path("empty.INGRED"));
    }

    // What the operator reads for each kind of wrong file.
    void messagesSayWhatIsWrong() {
        open("mnuLxls", path("table.xls"));
        QCOMPARE(status(), QString("ERROR! table.xls: not a workbook it can read"));
        open("mnuLxls1", path("empty.xls"));
        QCOMPARE(status(), QString("ERROR! empty.xls: not a workbook it can read"));
        open("mnuFileOpen", path("big.PLU"));
        QCOMPARE(status(), QString("ERROR! line 201: more than 200 records"));
    }
};

QTEST_MAIN(BadInput)
#include "tst_badinput.moc"
