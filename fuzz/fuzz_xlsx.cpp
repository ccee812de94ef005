// SPDX-License-Identifier: GPL-3.0-or-later
// The .xlsx reader on any bytes: a zip file as it stands, or the workbook's parts to be zipped.
#include "SheetReaderTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QStringList names = {
        QStringLiteral("_rels/.rels"), QStringLiteral("xl/workbook.xml"),
        QStringLiteral("xl/_rels/workbook.xml.rels"), QStringLiteral("xl/worksheets/sheet1.xml"),
        QStringLiteral("xl/sharedStrings.xml")};
    tarn::fuzz::readSheetBytes(tarn::fuzz::packageOf(bytes, names), "xlsx");
    return 0;
}
