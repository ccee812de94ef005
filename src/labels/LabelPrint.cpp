// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelPrint.h"

#include "Barcode.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

// The texts printed for the shop's customers, and the problems of a print.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelPrint)
};

// The price list's "Use within" of a label: "5 days", empty for none.
QString daysText(int days) {
    if (days <= 0)
        return {};
    //: the price list's column "Use within"
    return days == 1 ? Text::tr("1 day") : Text::tr("%n days", nullptr, days);
}

// Millimetres on a device: its dots per millimetre, and rectangles in millimetres as dots.
struct Scale {
    double dots = 1;
    QRectF rect(double x, double y, double w, double h) const {
        return {x * dots, y * dots, w * dots, h * dots};
    }
};

// The largest point size whose line fits `height` dots.
double pointsFor(double heightDots, const QPaintDevice& device) {
    return heightDots / device.logicalDpiY() * 72.0 / 1.25;
}

// Draws `text` in `box`, from `largest` points down to `smallest` until it fits the box's
// width, then cut with an ellipsis.
void fitText(QPainter& p, const QRectF& box, const QString& text, double largest, double smallest,
             bool bold, Qt::Alignment align = Qt::AlignLeft) {
    if (text.isEmpty() || box.width() <= 0 || box.height() <= 0)
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    double size = std::min(largest, pointsFor(box.height(), *p.device()));
    size = std::max(size, std::min(smallest, largest));
    QString shown = text;
    for (;;) {
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font, p.device());
        if (metrics.horizontalAdvance(text) <= box.width())
            break;
        if (size - 0.5 < smallest) {
            shown = metrics.elidedText(text, Qt::ElideRight, box.width());
            break;
        }
        size -= 0.5;
    }
    p.setFont(font);
    p.save();
    p.setClipRect(box);
    p.drawText(box, int(align | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
    p.restore();
}

void drawBarcode(QPainter& p, const QRectF& box, const BarcodeChoice& choice) {
    const BarcodeBars bars = encodeBarcode(choice);
    if (bars.bars.empty() || bars.size.isEmpty())
        return;
    const double sx = box.width() / bars.size.width();
    const double sy = box.height() / bars.size.height();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QRectF& r : bars.bars)
        p.drawRect(QRectF(box.left() + r.x() * sx, box.top() + r.y() * sy, r.width() * sx,
                          r.height() * sy));
    p.restore();
}

// One label in `r` (dots): the names across the top; the price, its unit and the valid date
// on the left; the PLU number and the barcode with its digits on the right.
void drawLabel(QPainter& p, const QRectF& r, const Label& l, double dotsPerMm) {
    const double pad = std::clamp(r.height() / dotsPerMm * 0.06, 1.0, 2.5) * dotsPerMm;
    const QRectF in = r.adjusted(pad, pad, -pad, -pad);
    const double w = in.width(), h = in.height();
    double y = in.top();
    fitText(p, QRectF(in.left(), y, w, h * 0.2), l.name1, 14, 6, true);
    y += h * 0.2;
    fitText(p, QRectF(in.left(), y, w, h * 0.15), l.name2, 11, 5.5, false);
    y += h * 0.17;
    const double area = in.bottom() - y;
    const double left = w * 0.45;
    fitText(p, QRectF(in.left(), y, left, area * 0.55), l.price, 28, 8, true);
    fitText(p, QRectF(in.left(), y + area * 0.55, left, area * 0.22), l.unit, 10, 5, false);
    fitText(p, QRectF(in.left(), y + area * 0.77, left, area * 0.23), l.useWithin, 8, 5, false);
    const QRectF right(in.left() + left + pad / 2, y, w - left - pad / 2, area);
    //: printed on a label; %1 is the PLU's number
    const QString plu = Text::tr("PLU %1").arg(l.plu);
    if (l.barcode.digits.isEmpty()) {
        fitText(p, QRectF(right.left(), right.top(), right.width(), area * 0.5), plu, 22, 7, true,
                Qt::AlignRight);
        return;
    }
    fitText(p, QRectF(right.left(), right.top(), right.width(), area * 0.3), plu, 16, 7, true,
            Qt::AlignRight);
    drawBarcode(p, QRectF(right.left(), right.top() + area * 0.32, right.width(), area * 0.5),
                l.barcode);
    fitText(p, QRectF(right.left(), right.top() + area * 0.82, right.width(), area * 0.18),
            l.barcode.digits, 8, 4.5, false, Qt::AlignHCenter);
}

void setPage(QPagedPaintDevice& device, const QSizeF& mm) {
    if (auto* printer = dynamic_cast<QPrinter*>(&device))
        printer->setFullPage(true);
    const QPageSize size(mm, QPageSize::Millimeter);
    device.setPageLayout(
        QPageLayout(size, mm.width() > mm.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

double dotsPerMm(const QPaintDevice& device) {
    return device.logicalDpiX() / 25.4;
}

const QSizeF kListPage(210, 297);
const double kListMargin = 15;
const double kListRow = 6.5;
const double kListHead = 22; // the header and the columns' captions
const double kListFoot = 10;

int listRowsPerPage() {
    return int((kListPage.height() - 2 * kListMargin - kListHead - kListFoot) / kListRow);
}

} // namespace

int LabelRun::pages() const {
    const int per = std::max(1, layout.perPage());
    return labels.empty() ? 0 : int((skip + int(labels.size()) + per - 1) / per);
}

void paintLabels(QPagedPaintDevice& device, const LabelRun& run) {
    setPage(device, run.layout.page);
    QPainter p(&device);
    const double k = dotsPerMm(device);
    p.setPen(Qt::black);
    const int per = std::max(1, run.layout.perPage());
    for (size_t i = 0; i < run.labels.size(); ++i) {
        const int position = run.skip + int(i);
        if (position > run.skip && position % per == 0)
            device.newPage();
        const QRectF mm = run.layout.labelRect(position % per);
        drawLabel(p, QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k), run.labels[i],
                  k);
    }
}

int PriceListRun::pages() const {
    return std::max(1,
                    int((rows.size() + size_t(listRowsPerPage()) - 1) / size_t(listRowsPerPage())));
}

void paintPriceList(QPagedPaintDevice& device, const PriceListRun& run) {
    setPage(device, kListPage);
    QPainter p(&device);
    const Scale s{dotsPerMm(device)};
    p.setPen(Qt::black);
    const double x0 = kListMargin, width = kListPage.width() - 2 * kListMargin;
    // Columns: PLU, names, price, unit, item code, valid date; as parts of the width.
    struct Column {
        const char* caption;
        double part;
        Qt::Alignment align;
    };
    const Column columns[] = {{QT_TRANSLATE_NOOP("LabelPrint", "PLU"), 0.08, Qt::AlignRight},
                              {QT_TRANSLATE_NOOP("LabelPrint", "Item name1"), 0.24, Qt::AlignLeft},
                              {QT_TRANSLATE_NOOP("LabelPrint", "Item name2"), 0.2, Qt::AlignLeft},
                              {QT_TRANSLATE_NOOP("LabelPrint", "Price"), 0.13, Qt::AlignRight},
                              {QT_TRANSLATE_NOOP("LabelPrint", "Unit"), 0.08, Qt::AlignLeft},
                              {QT_TRANSLATE_NOOP("LabelPrint", "Item code"), 0.13, Qt::AlignRight},
                              {QT_TRANSLATE_NOOP("LabelPrint", "Use within"), 0.14, Qt::AlignLeft}};
    const int perPage = listRowsPerPage();
    const int pages = run.pages();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        double y = kListMargin;
        fitText(p, s.rect(x0, y, width * 0.6, 9), run.shop, 16, 8, true);
        fitText(p, s.rect(x0 + width * 0.6, y, width * 0.4, 9), run.date.toString(Qt::ISODate), 12,
                7, false, Qt::AlignRight);
        y += 10;
        //: the heading of the printed price list
        fitText(p, s.rect(x0, y, width, 6), Text::tr("Price list"), 11, 7, false);
        y += 6;
        double x = x0;
        for (const Column& c : columns) {
            fitText(p, s.rect(x + 1, y, width * c.part - 2, kListRow), Text::tr(c.caption), 9, 6,
                    true, c.align);
            x += width * c.part;
        }
        y += kListRow;
        p.drawLine(QPointF(x0 * s.dots, y * s.dots), QPointF((x0 + width) * s.dots, y * s.dots));
        const size_t first = size_t(page) * size_t(perPage);
        for (size_t i = first; i < std::min(run.rows.size(), first + size_t(perPage)); ++i) {
            const Label& l = run.rows[i];
            const QString texts[] = {QString::number(l.plu),
                                     l.name1,
                                     l.name2,
                                     l.price,
                                     l.unit,
                                     l.itemCode ? QString::number(l.itemCode) : QString(),
                                     daysText(l.validDate)};
            x = x0;
            for (size_t c = 0; c < std::size(columns); ++c) {
                fitText(p, s.rect(x + 1, y, width * columns[c].part - 2, kListRow), texts[c], 9, 6,
                        false, columns[c].align);
                x += width * columns[c].part;
            }
            y += kListRow;
        }
        fitText(p, s.rect(x0, kListPage.height() - kListMargin - 6, width, 6),
                Text::tr("Page %1 of %2").arg(page + 1).arg(pages), 8, 6, false, Qt::AlignHCenter);
    }
}

std::optional<QString> writePdf(const QString& path, const QString& title,
                                const std::function<void(QPagedPaintDevice&)>& paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return path + QStringLiteral(": ") + file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tarnlink"));
        paint(writer);
    }
    if (!file.commit())
        return path + QStringLiteral(": ") + file.errorString();
    return std::nullopt;
}

std::optional<QString> printOn(const QString& name, const QString& title,
                               const std::function<void(QPagedPaintDevice&)>& paint) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        const QStringList there = QPrinterInfo::availablePrinterNames();
        return there.isEmpty() ? Text::tr("there is no printer %1 (this PC has none)").arg(name)
                               //: %2 lists the printers this PC has
                               : Text::tr("there is no printer %1 (this PC has %2)")
                                     .arg(name, there.join(QStringLiteral(", ")));
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(title);
    paint(printer);
    if (printer.printerState() == QPrinter::Error)
        return Text::tr("the printer %1 failed").arg(name);
    return std::nullopt;
}

} // namespace tarn
