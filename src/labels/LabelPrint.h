// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LabelContent.h"
#include "LabelLayout.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace tarn {

// The pages of labels and of the price list, drawn by one function each on any paged device:
// the window's preview, a PDF file (QPdfWriter) and a printer (QPrinter) get the same page.
//
// A text too long for its place on a label is drawn smaller, down to a floor size, and then
// cut with an ellipsis: nothing is drawn past a label's edge.

struct LabelRun {
    LabelLayout layout;
    std::vector<Label> labels;
    int skip = 0; // positions of the first sheet already used, left empty
    int pages() const;
};
void paintLabels(QPagedPaintDevice& device, const LabelRun& run);

// The price list: one row a record, the shop's name and the date in each page's header,
// "Page N of M" at its foot; A4.
struct PriceListRun {
    QString shop;
    QDate date;
    std::vector<Label> rows;
    int pages() const;
};
void paintPriceList(QPagedPaintDevice& device, const PriceListRun& run);

// Draws `paint`'s pages into a PDF file at `path`, which is replaced only once it is whole;
// the reason when it could not be written.
std::optional<QString> writePdf(const QString& path, const QString& title,
                                const std::function<void(QPagedPaintDevice&)>& paint);
// Sends `paint`'s pages to the system's printer of that name; the reason when there is no
// such printer (naming those there are) or it failed.
std::optional<QString> printOn(const QString& printer, const QString& title,
                               const std::function<void(QPagedPaintDevice&)>& paint);

} // namespace tarn
