// SPDX-License-Identifier: GPL-3.0-or-later
// The .ods reader on any bytes: a zip file as it stands, or its content.xml to be zipped and
// also read as a flat .fods document.
#include "SheetReaderTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QStringList names = {QStringLiteral("content.xml")};
    tarn::fuzz::readSheetBytes(tarn::fuzz::packageOf(bytes, names), "ods");
    // The same XML as a flat document (.fods) is read by the same reader without the zip.
    if (!bytes.startsWith("PK"))
        tarn::fuzz::readSheetBytes(bytes.left(bytes.indexOf('\0')), "fods");
    return 0;
}
