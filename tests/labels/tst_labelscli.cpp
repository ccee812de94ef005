// SPDX-License-Identifier: GPL-3.0-or-later
// tarnlink-cli labels, the real program: what it selects, what it refuses.

#include "LabelTestSupport.h"
#include "PortIdentity.h"
#include "Records.h"
#include "Store.h"
#include "TableDiff.h"
#include "TableFile.h"
#include "Workspace.h"

#include <QFileInfo>

using namespace tarn;
using namespace tarn::testing;

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

class LabelsCliTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    CliRun cli(const QStringList& args, const QStringList& settings = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!settings.isEmpty()) {
            QFile f(path("tarnlink.conf"));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(settings.join(QLatin1Char('\n')).toUtf8());
            env.insert("TARNLINK_SETTINGS", f.fileName());
        }
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CLI_BINARY), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    const QString table_ = path("shop.PLU");
    const QStringList records_ = {R"(1,"APPLES","",299,7,0,2001,1,0)",
                                  R"(2,"BANANAS","",189,5,0,2002,1,0)",
                                  R"(3,"CHEDDAR","",1250,21,0,3001,2,0)"};
};

TEST_F(LabelsCliTest, ChangedAfterAPriceChangePrintsExactlyThatRecord) {
    writePluFile(table_, records_);
    CliRun first = cli({"labels", "plu", table_, "--changed", "-o", path("first.pdf")});
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("Labels: 3 on 1 page(s) written to " + path("first.pdf")));

    CliRun again = cli({"labels", "plu", table_, "--changed", "-o", path("again.pdf")});
    EXPECT_EQ(again.status, 0);
    EXPECT_TRUE(again.out.contains("No labels to print: every label was printed as it stands"));
    EXPECT_FALSE(QFileInfo::exists(path("again.pdf")));

    QStringList changed = records_;
    changed[1] = R"(2,"BANANAS","",199,5,0,2002,1,0)";
    writePluFile(table_, changed);
    CliRun after = cli({"labels", "plu", table_, "--changed", "-o", path("after.pdf")});
    EXPECT_EQ(after.status, 0) << after.err.toStdString();
    const QString text = pdfText(path("after.pdf"));
    EXPECT_EQ(text.count("PLU "), 1) << text.toStdString();
    EXPECT_TRUE(text.contains("PLU 2"));
    EXPECT_TRUE(text.contains("1.99"));
}

TEST_F(LabelsCliTest, PortAndChangedPrintWhatAChangedDownloadWouldSendByTheStoresWord) {
    writePluFile(table_, records_);
    // The store says the scale holds records 1 and 3 as they stand.
    const QString port = path("ttyLABELS");
    Workspace ws;
    ASSERT_TRUE(load(ws, TableKind::Plu, table_).ok());
    const std::vector<WireRecord> wire = wireRecords(ws.plu.records, ws.plu.count);
    {
        Store store;
        const QString scale = storeKey(portIdentity(port));
        ASSERT_TRUE(store.transaction(
            [&] {
                for (const WireRecord& r : {wire[0], wire[2]})
                    if (!store.hold(scale, TableKind::Plu, 0, r.slot, r.number, r.bytes,
                                    QDateTime::currentDateTimeUtc()))
                        return false;
                return true;
            },
            std::chrono::seconds(5)));
    }
    CliRun r = cli({"--port", port, "labels", "plu", table_, "--changed", "-o", path("sent.pdf")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("the scale on " + port + " was not checked")) << r.err.toStdString();
    const QString text = pdfText(path("sent.pdf"));
    EXPECT_EQ(text.count("PLU "), 1) << text.toStdString();
    EXPECT_TRUE(text.contains("PLU 2"));
}

TEST_F(LabelsCliTest, OneRangeSkipAndThePriceList) {
    writePluFile(table_, records_);
    CliRun range = cli({"labels", "plu", table_, "--range", "2", "3", "--layout", "roll", "-o",
                        path("range.pdf")});
    EXPECT_EQ(range.status, 0) << range.err.toStdString();
    EXPECT_TRUE(range.out.contains("Labels: 2 on 2 page(s)"));
    CliRun past = cli({"labels", "plu", table_, "--one", "4", "-o", path("past.pdf")});
    EXPECT_EQ(past.status, 1);
    EXPECT_TRUE(past.err.contains("ERROR! slot 4 is past the table's 3 record(s)"));
    CliRun skip = cli({"labels", "plu", table_, "--skip", "24", "-o", path("skip.pdf")});
    EXPECT_EQ(skip.status, 2);
    EXPECT_TRUE(skip.err.contains("--skip is 0 to 23 on a 3x8 sheet of 24 labels, not 24"));
    CliRun list = cli({"labels", "plu", table_, "--list", "-o", path("prices.pdf")},
                      {"shop = high-street", "currency = €"});
    EXPECT_EQ(list.status, 0) << list.err.toStdString();
    const QString text = pdfText(path("prices.pdf"));
    EXPECT_TRUE(text.contains("high-street"));
    EXPECT_TRUE(text.contains(QStringLiteral("€12.50")));
}

TEST_F(LabelsCliTest, BadSettingsAMissingPrinterAndALayoutThatDoesNotFitAreRefused) {
    writePluFile(table_, records_);
    CliRun wide = cli({"labels", "plu", table_, "-o", path("x.pdf")},
                      {"[labels]", "label = 70x37", "columns = 4"});
    EXPECT_EQ(wide.status, 2);
    EXPECT_TRUE(wide.err.contains("[labels] does not fit: 4 column(s) of 70 mm"))
        << wide.err.toStdString();
    CliRun barcode = cli({"labels", "plu", table_, "-o", path("x.pdf")}, {"barcode = qr"});
    EXPECT_EQ(barcode.status, 2);
    EXPECT_TRUE(barcode.err.contains("barcode is code128, ean8 or instore, not qr"));
    CliRun printer = cli({"labels", "plu", table_, "--printer", "no-such-printer"});
    EXPECT_EQ(printer.status, 1);
    EXPECT_TRUE(printer.err.contains("ERROR! there is no printer no-such-printer"))
        << printer.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("x.pdf")));
}

} // namespace
