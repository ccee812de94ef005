// SPDX-License-Identifier: GPL-3.0-or-later
// The labels' content, layouts and pages, read back from the PDF by independent readers.

#include "LabelPrint.h"
#include "LabelTestSupport.h"
#include "Settings.h"

#include <QFile>

using namespace tarn;
using namespace tarn::testing;

namespace {

PluRecord record(qint16 plu, const char* name1, const char* name2, qint32 price, qint32 code,
                 qint16 valid = 0) {
    PluRecord r;
    r.pluNo = plu;
    r.name1 = QString::fromUtf8(name1);
    r.name2 = QString::fromUtf8(name2);
    r.unitPrice = price;
    r.itemCode = code;
    r.validDate = valid;
    return r;
}

class LabelsTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    Settings settings(const QStringList& lines) const {
        const QString file = path("tarnlink.conf");
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lines.join(QLatin1Char('\n')).toUtf8());
        f.close();
        return Settings::read({file});
    }
    // The labels of `records` on sheets of `layout`, as a PDF; its path.
    QString printed(const std::vector<Label>& labels, const QString& layout = "3x8", int skip = 0) {
        const QString pdf = path("labels.pdf");
        const LabelRun run{*layoutNamed(layout, Settings()).layout, labels, skip};
        EXPECT_FALSE(writePdf(pdf, "Labels", [&](QPagedPaintDevice& d) { paintLabels(d, run); }));
        return pdf;
    }

    QTemporaryDir dir_;
};

TEST_F(LabelsTest, MoneyFollowsTheShopsDecimalsAndCurrency) {
    LabelStyle style;
    EXPECT_EQ(moneyText(299, style), "2.99");
    style.currency = QStringLiteral("€");
    EXPECT_EQ(moneyText(5, style), "€0.05");
    style.priceDecimals = 0;
    style.currency = QStringLiteral("CHF");
    EXPECT_EQ(moneyText(1250, style), "1250 CHF");
    style.priceDecimals = 3;
    style.currency.clear();
    EXPECT_EQ(moneyText(-1250, style), "-1.250");
}

TEST_F(LabelsTest, TheSettingsFileGivesTheStyleAndRefusesWhatItCannotTake) {
    const StyleResult good =
        labelStyleOf(settings({"price decimals = 3", "currency = £", "price unit = each",
                               "barcode = instore", "shop digit = 4", "shop = high-street"}));
    EXPECT_EQ(good.error, "");
    EXPECT_EQ(good.style,
              (LabelStyle{3, "£", PriceUnit::Each, BarcodeKind::InStore, 4, "high-street"}));
    EXPECT_EQ(labelStyleOf(settings({"barcode = qr"})).error,
              "barcode is code128, ean8 or instore, not qr");
    EXPECT_EQ(labelStyleOf(settings({"price unit = lb"})).error,
              "price unit is kg or each, not lb");
    EXPECT_EQ(labelStyleOf(settings({"shop digit = 12"})).error,
              "shop digit is one digit, 0 to 9, not 12");
    const Settings bad = settings({"price decimals = 5"});
    EXPECT_TRUE(bad.problem().endsWith("line 1: price decimals is 0 to 3, not 5"))
        << bad.problem().toStdString();
    EXPECT_EQ(bad.priceDecimals(), 2);
}

TEST_F(LabelsTest, ACodeThatDoesNotFitTheChosenBarcodeFallsBackToCode128) {
    LabelStyle ean8;
    ean8.barcode = BarcodeKind::Ean8;
    // 1234567's check digit is 0.
    EXPECT_EQ(barcodeFor(1234567, 1, ean8), (BarcodeChoice{BarcodeKind::Ean8, "12345670", {}}));
    EXPECT_EQ(barcodeFor(12345670, 1, ean8), (BarcodeChoice{BarcodeKind::Ean8, "12345670", {}}));
    EXPECT_EQ(barcodeFor(12345671, 9, ean8),
              (BarcodeChoice{BarcodeKind::Code128, "12345671",
                             "PLU 9: item code 12345671 does not end in its EAN-8 check digit: "
                             "Code 128 instead"}));
    EXPECT_EQ(barcodeFor(2001, 9, ean8).warning,
              "PLU 9: item code 2001 is not 7 or 8 digits: Code 128 instead");
    LabelStyle instore;
    instore.barcode = BarcodeKind::InStore;
    instore.shopDigit = 4;
    EXPECT_EQ(barcodeFor(2001, 1, instore).digits, "2400000020011");
    EXPECT_EQ(barcodeFor(0, 1, instore).digits, "");
    EXPECT_EQ(barcodeFor(-5, 3, instore).warning,
              "PLU 3: item code -5 is not a number of up to 10 digits: no barcode");
}

TEST_F(LabelsTest, TheCommonSheetsFitAndALayoutThatDoesNotIsRefusedWithTheReason) {
    for (const LabelLayout& l : labelLayouts())
        EXPECT_FALSE(layoutProblem(l)) << l.name.toStdString();
    const LayoutResult wide =
        layoutFromSection({{"page", "A4"}, {"label", "70x37"}, {"columns", "4"}, {"rows", "8"}});
    EXPECT_FALSE(wide.layout);
    EXPECT_EQ(wide.error, "[labels] does not fit: 4 column(s) of 70 mm with gaps of 0 mm need "
                          "280 mm, the page is 210 mm wide");
    EXPECT_EQ(layoutFromSection({{"rows", "8"}, {"margins", "0 10"}}).error,
              "[labels] does not fit: 8 row(s) of 37 mm with gaps of 0 mm from a margin of 10 mm "
              "need 306 mm, the page is 297 mm high");
    EXPECT_EQ(layoutFromSection({{"label", "70 by 37"}}).error,
              "[labels] label: 70 by 37 is not WIDTHxHEIGHT in mm");
    const LayoutResult own = layoutFromSection({{"page", "100x50"},
                                                {"label", "45x20"},
                                                {"columns", "2"},
                                                {"rows", "2"},
                                                {"margins", "4 4"},
                                                {"gaps", "2 2"}});
    ASSERT_TRUE(own.layout) << own.error.toStdString();
    EXPECT_EQ(own.layout->labelRect(3), QRectF(51, 26, 45, 20));
}

TEST_F(LabelsTest, APageHoldsTheNamesInTheScalesCodePageThePriceAndTheValidDate) {
    LabelStyle style;
    style.currency = QStringLiteral("€");
    const std::vector<Label> labels = {
        labelOf(record(12, "CRÈME BRÛLÉE", "Käse & Weißwurst", 1890, 2001, 3), 1, style),
        labelOf(record(13, "PEARS", "€ SPECIAL", 349, 0), 2, style)};
    const QString text = pdfText(printed(labels));
    for (const char* shown :
         {"CRÈME BRÛLÉE", "Käse & Weißwurst", "€18.90", "per kg", "use within 3 days", "PLU 12",
          "PEARS", "€ SPECIAL", "€3.49", "PLU 13"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("use within 0"));
}

TEST_F(LabelsTest, ATextTooLongForItsLineIsCutWithAnEllipsis) {
    const QString name(28, QLatin1Char('W'));
    const std::vector<Label> labels = {
        labelOf(record(1, name.toLatin1(), "", 100, 0), 1, LabelStyle())};
    const QString text = pdfText(printed(labels, "4x10"));
    EXPECT_FALSE(text.contains(name)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("WWW…"))) << text.toStdString();
}

TEST_F(LabelsTest, EveryBarcodeKindReadsAsTheItemCode) {
    LabelStyle code128, ean8, instore;
    ean8.barcode = BarcodeKind::Ean8;
    instore.barcode = BarcodeKind::InStore;
    instore.shopDigit = 7;
    const std::vector<Label> labels = {
        labelOf(record(1, "A", "", 100, 2001), 1, code128),
        labelOf(record(2, "B", "", 100, 2147483647), 2, code128),
        labelOf(record(3, "C", "", 100, 1234567), 3, ean8),
        labelOf(record(4, "D", "", 100, 4001), 4, instore),
        labelOf(record(5, "E", "", 100, 5001), 5, ean8)}; // falls back to Code 128
    // The smallest common sheet: the narrowest bars.
    EXPECT_EQ(pdfBarcodes(printed(labels, "4x10"), dir_.path()),
              (QStringList{"CODE-128:2001", "CODE-128:2147483647", "CODE-128:5001",
                           "EAN-13:2700000040010", "EAN-8:12345670"}));
}

TEST_F(LabelsTest, SkippedPositionsStayEmptyAndTheRestGoesOnTheNextSheet) {
    std::vector<Label> labels;
    for (int i = 1; i <= 3; ++i)
        labels.push_back(labelOf(record(qint16(i), "ITEM", "", 100, 0), i, LabelStyle()));
    const LabelRun run{*layoutNamed("2x7", Settings()).layout, labels, 12};
    EXPECT_EQ(run.pages(), 2);
    const QStringList pages = pdfText(printed(labels, "2x7", 12)).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(pages[0].count("PLU "), 2);
    EXPECT_EQ(pages[1].count("PLU "), 1);
}

TEST_F(LabelsTest, ThePriceListHasTheShopTheDateARowARecordAndPageNumbers) {
    std::vector<Label> rows;
    for (int i = 1; i <= 40; ++i)
        rows.push_back(labelOf(record(qint16(i), "ITEM", "", 100 * i, 9000 + i), i, LabelStyle()));
    const PriceListRun run{"high-street", QDate(2026, 12, 7), rows};
    const QString pdf = path("prices.pdf");
    ASSERT_FALSE(
        writePdf(pdf, "Price list", [&](QPagedPaintDevice& d) { paintPriceList(d, run); }));
    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("high-street"));
    EXPECT_TRUE(pages[1].contains("2026-12-07"));
    EXPECT_TRUE(pages[0].contains("Page 1 of 2"));
    EXPECT_TRUE(pages[1].contains("Page 2 of 2"));
    EXPECT_TRUE(pages[1].contains("9040"));
    EXPECT_TRUE(pages[1].contains("40.00"));
}

TEST_F(LabelsTest, APdfThatCannotBeWrittenSaysWhy) {
    const auto why =
        writePdf(path("no-such-folder/labels.pdf"), "Labels", [](QPagedPaintDevice&) {});
    ASSERT_TRUE(why);
    EXPECT_TRUE(why->startsWith(path("no-such-folder/labels.pdf") + ": ")) << why->toStdString();
}

} // namespace
