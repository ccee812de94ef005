// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelContent.h"

#include "ScaleText.h"
#include "Settings.h"

#include <QCoreApplication>

namespace tarn {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelContent)
};
} // namespace

StyleResult labelStyleOf(const Settings& settings) {
    StyleResult r;
    LabelStyle& s = r.style;
    auto fault = [&r](const QString& why) {
        if (r.error.isEmpty())
            r.error = why;
    };
    s.priceDecimals = settings.priceDecimals();
    s.currency = settings.value(QStringLiteral("currency"));
    s.shop = settings.value(QStringLiteral("shop"));
    const QString unit = settings.value(QStringLiteral("price unit")).toLower();
    if (unit == QLatin1String("each"))
        s.unit = PriceUnit::Each;
    else if (!unit.isEmpty() && unit != QLatin1String("kg"))
        //: "price unit" is a setting's name, "kg" and "each" its values: they stay as they are
        fault(Text::tr("price unit is kg or each, not %1").arg(unit));
    const QString barcode = settings.value(QStringLiteral("barcode")).toLower();
    if (barcode == QLatin1String("ean8"))
        s.barcode = BarcodeKind::Ean8;
    else if (barcode == QLatin1String("instore"))
        s.barcode = BarcodeKind::InStore;
    else if (!barcode.isEmpty() && barcode != QLatin1String("code128"))
        //: "barcode" is a setting's name, "code128", "ean8" and "instore" its values
        fault(Text::tr("barcode is code128, ean8 or instore, not %1").arg(barcode));
    const QString digit = settings.value(QStringLiteral("shop digit"));
    if (!digit.isEmpty()) {
        bool ok = false;
        s.shopDigit = digit.toInt(&ok);
        if (!ok || digit.size() != 1 || s.shopDigit < 0) {
            s.shopDigit = 0;
            //: "shop digit" is a setting's name
            fault(Text::tr("shop digit is one digit, 0 to 9, not %1").arg(digit));
        }
    }
    return r;
}

int eanCheckDigit(const QString& digits) {
    // From the right, the digits weigh 3, 1, 3, ...
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int d = digits[digits.size() - 1 - i].digitValue();
        sum += i % 2 == 0 ? 3 * d : d;
    }
    return (10 - sum % 10) % 10;
}

BarcodeChoice barcodeFor(qint32 itemCode, int plu, const LabelStyle& style) {
    BarcodeChoice c;
    if (itemCode == 0)
        return c;
    const QString code = QString::number(itemCode);
    const QString number = QString::number(plu);
    if (itemCode < 0) {
        c.warning = Text::tr("PLU %1: item code %2 is not a number of up to 10 digits: no barcode")
                        .arg(number, code);
        return c;
    }
    c.digits = code;
    if (style.barcode == BarcodeKind::Ean8) {
        if (code.size() == 7) {
            c.kind = BarcodeKind::Ean8;
            c.digits = code + QString::number(eanCheckDigit(code));
        } else if (code.size() == 8 && eanCheckDigit(code.left(7)) == code[7].digitValue()) {
            c.kind = BarcodeKind::Ean8;
        } else {
            c.warning = code.size() == 8
                            ? Text::tr("PLU %1: item code %2 does not end in its EAN-8 check "
                                       "digit: Code 128 instead")
                                  .arg(number, code)
                            : Text::tr("PLU %1: item code %2 is not 7 or 8 digits: Code 128 "
                                       "instead")
                                  .arg(number, code);
        }
    } else if (style.barcode == BarcodeKind::InStore) {
        c.kind = BarcodeKind::InStore;
        const QString body = QLatin1Char('2') + QString::number(style.shopDigit) +
                             code.rightJustified(10, QLatin1Char('0'));
        c.digits = body + QString::number(eanCheckDigit(body));
    }
    return c;
}

QString moneyText(qint32 price, const LabelStyle& style) {
    const qint64 whole = qAbs(qint64(price));
    qint64 unit = 1;
    for (int i = 0; i < style.priceDecimals; ++i)
        unit *= 10;
    QString amount = QString::number(whole / unit);
    if (style.priceDecimals > 0)
        amount +=
            QLatin1Char('.') +
            QString::number(whole % unit).rightJustified(style.priceDecimals, QLatin1Char('0'));
    if (price < 0)
        amount.prepend(QLatin1Char('-'));
    if (style.currency.isEmpty())
        return amount;
    if (style.currency.size() == 1)
        return style.currency + amount;
    return amount + QLatin1Char(' ') + style.currency;
}

QString Label::content() const {
    // One field a line, so that no text can pass for another's.
    return QStringList{QString::number(plu),
                       name1,
                       name2,
                       price,
                       unit,
                       useWithin,
                       QString::number(int(barcode.kind)),
                       barcode.digits}
        .join(QLatin1Char('\n'));
}

Label labelOf(const PluRecord& r, int slot, const LabelStyle& style) {
    Label l;
    l.slot = slot;
    l.plu = r.pluNo;
    l.name1 = keptOnScale(TextField::PluName, r.name1).trimmed();
    l.name2 = keptOnScale(TextField::PluName, r.name2).trimmed();
    l.price = moneyText(r.unitPrice, style);
    if (style.unit == PriceUnit::Kg)
        //: printed on a label after the price
        l.unit = Text::tr("per kg");
    else
        //: printed on a label after the price
        l.unit = Text::tr("each");
    l.validDate = r.validDate;
    if (r.validDate > 0)
        l.useWithin = r.validDate == 1 ? Text::tr("use within 1 day")
                                       : Text::tr("use within %n days", nullptr, int(r.validDate));
    l.itemCode = r.itemCode;
    l.barcode = barcodeFor(r.itemCode, r.pluNo, style);
    return l;
}

std::vector<Label> labelsOf(const PluTable& table, int count, const LabelStyle& style) {
    std::vector<int> chosen;
    for (int slot = 1; slot <= count && slot < kTableSlots; ++slot)
        chosen.push_back(slot);
    return labelsOf(table, chosen, style);
}

std::vector<Label> labelsOf(const PluTable& table, const std::vector<int>& chosen,
                            const LabelStyle& style) {
    std::vector<Label> labels;
    for (int slot : chosen)
        if (slot >= 1 && slot < kTableSlots)
            labels.push_back(labelOf(table[size_t(slot)], slot, style));
    return labels;
}

std::vector<std::pair<int, QString>> contentsOf(const std::vector<Label>& labels) {
    std::vector<std::pair<int, QString>> contents;
    for (const Label& l : labels)
        contents.emplace_back(l.plu, l.content());
    return contents;
}

} // namespace tarn
