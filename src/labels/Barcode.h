// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LabelContent.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace tarn {

// A barcode's bars as the barcode library (libzint) lays them out, quiet zones included, in
// its own units: drawn by scaling them into a rectangle.
struct BarcodeBars {
    std::vector<QRectF> bars;
    QSizeF size;   // the whole symbol, quiet zones included
    QString error; // the library's reason when it would not encode the digits
};
BarcodeBars encodeBarcode(const BarcodeChoice& choice);

} // namespace tarn
