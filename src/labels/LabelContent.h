// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Records.h"

#include <QString>

#include <utility>
#include <vector>

namespace tarn {

class Settings;

// What a shelf label or a price list row shows of a PLU record, worked out once and drawn by
// LabelPrint the same on the preview, the PDF and the printer.

// The barcode of the item code: Code 128 of its digits by default; by setting an EAN-8 (a
// code of 7 digits, its check digit added, or of 8 whose last digit is its check digit) or an
// in-store EAN-13 ("2", the shop's digit, the code in 10 digits, the check digit).
enum class BarcodeKind { Code128, Ean8, InStore };
// The label's price is per kilogram or for each item.
enum class PriceUnit { Kg, Each };

// The shop's settings a label follows (the settings file's lines outside a section):
//   price decimals = 2    currency = €    price unit = kg|each
//   barcode = code128|ean8|instore        shop digit = 0 to 9 (instore; default 0)
//   shop = high-street (the price list's header)
struct LabelStyle {
    int priceDecimals = 2;
    QString currency;
    PriceUnit unit = PriceUnit::Kg;
    BarcodeKind barcode = BarcodeKind::Code128;
    int shopDigit = 0;
    QString shop;
    bool operator==(const LabelStyle&) const = default;
};
struct StyleResult {
    LabelStyle style;
    QString error; // the first setting that cannot be taken; the others still count
};
StyleResult labelStyleOf(const Settings& settings);

// The check digit of an EAN (GS1 mod 10) of `digits`, the code without it.
int eanCheckDigit(const QString& digits);

// The barcode a label carries: the kind, the digits handed to the barcode library (check
// digit included) and why the kind chosen did not fit.
struct BarcodeChoice {
    BarcodeKind kind = BarcodeKind::Code128;
    QString digits;  // empty: no barcode (item code 0, or one that is no code)
    QString warning; // "PLU 12: item code 1234 is not 7 or 8 digits: Code 128 instead"
    bool operator==(const BarcodeChoice&) const = default;
};
BarcodeChoice barcodeFor(qint32 itemCode, int plu, const LabelStyle& style);

// A price in the smallest unit as money: 299 with 2 decimals and "€" is "€2.99"; a currency
// of more than one character follows the amount ("2.99 CHF").
QString moneyText(qint32 price, const LabelStyle& style);

struct Label {
    int slot = 0;
    int plu = 0;
    QString name1; // as the scale keeps them
    QString name2;
    QString price;     // "€2.99"
    QString unit;      // "per kg", "each"
    QString useWithin; // "use within 5 days"; empty when the valid date is 0
    int validDate = 0; // the days of useWithin, for the price list's column
    qint32 itemCode = 0;
    BarcodeChoice barcode;
    // What the label prints, as one text: two labels that print the same have the same.
    QString content() const;
    bool operator==(const Label&) const = default;
};
Label labelOf(const PluRecord& record, int slot, const LabelStyle& style);
// The labels of slots 1 to `count`, or of the slots given (in that order).
std::vector<Label> labelsOf(const PluTable& table, int count, const LabelStyle& style);
std::vector<Label> labelsOf(const PluTable& table, const std::vector<int>& chosen,
                            const LabelStyle& style);

// Each label's PLU number and content(), as the store keeps what was printed.
std::vector<std::pair<int, QString>> contentsOf(const std::vector<Label>& labels);

} // namespace tarn
