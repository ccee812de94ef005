// The .csv import on any bytes.
#include "SheetImportTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tarn::fuzz::importSheetBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                                 "csv");
    return 0;
}
