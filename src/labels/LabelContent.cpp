// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelContent.h"

#include "ScaleText.h"
#include "Settings.h"

namespace tarn {

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
        fault(QStringLiteral("price unit is kg or each, not ") + unit);
    const QString barcode = settings.value(QStringLiteral("barcode")).toLower();
    if (barcode == QLatin1String("ean8"))
        s.barcode = BarcodeKind::Ean8;
    else if (barcode == QLatin1String("instore"))
        s.barcode = BarcodeKind::InStore;
    else if (!barcode.isEmpty() && barcode != QLatin1String("code128"))
        fault(QStringLiteral("barcode is code128, ean8 or instore, not ") + barcode);
    const QString digit = settings.value(QStringLiteral("shop digit"));
    if (!digit.isEmpty()) {
        bool ok = false;
        s.shopDigit = digit.toInt(&ok);
        if (!ok || digit.size() != 1 || s.shopDigit < 0) {
            s.shopDigit = 0;
            fault(QStringLiteral("shop digit is one digit, 0 to 9, not ") + digit);
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
    const QString who = QStringLiteral("PLU %1: item code ").arg(plu) + code;
    if (itemCode < 0) {
        c.warning = who + QStringLiteral(" is not a number of up to 10 digits: no barcode");
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
            c.warning = who + (code.size() == 8
                                   ? QStringLiteral(" does not end in its EAN-8 check digit: "
                                                    "Code 128 instead")
                                   : QStringLiteral(" is not 7 or 8 digits: Code 128 instead"));
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
    l.unit = style.unit == PriceUnit::Kg ? QStringLiteral("per kg") : QStringLiteral("each");
    if (r.validDate > 0)
        l.useWithin = r.validDate == 1 ? QStringLiteral("use within 1 day")
                                       : QStringLiteral("use within %1 days").arg(r.validDate);
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
