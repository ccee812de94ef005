// SPDX-License-Identifier: GPL-3.0-or-later
#include "Barcode.h"

#include <QCoreApplication>

#include <zint.h>

#include <memory>

namespace tarn {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Barcode)
};
} // namespace

BarcodeBars encodeBarcode(const BarcodeChoice& choice) {
    BarcodeBars out;
    if (choice.digits.isEmpty())
        return out;
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                          &ZBarcode_Delete);
    if (!symbol) {
        out.error = Text::tr("the barcode library is out of memory");
        return out;
    }
    // EAN digits carry their check digit, which the library checks again.
    symbol->symbology = choice.kind == BarcodeKind::Code128 ? BARCODE_CODE128 : BARCODE_EANX_CHK;
    symbol->show_hrt = 0;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    const QByteArray data = choice.digits.toLatin1();
    const int encoded = ZBarcode_Encode(
        symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()));
    if (encoded >= ZINT_ERROR || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR ||
        !symbol->vector) {
        out.error = QString::fromLatin1(symbol->errtxt);
        return out;
    }
    out.size = QSizeF(symbol->vector->width, symbol->vector->height);
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        if (r->colour == -1)
            out.bars.emplace_back(r->x, r->y, r->width, r->height);
    return out;
}

} // namespace tarn
