// SPDX-License-Identifier: GPL-3.0-or-later
// The .csv reader on any bytes.
#include "SheetReaderTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tarn::fuzz::readSheetBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                               "csv");
    return 0;
}
