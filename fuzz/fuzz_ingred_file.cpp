// SPDX-License-Identifier: GPL-3.0-or-later
// The .INGRED file reader.
#include "TableFileTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tarn::fuzz::readTableFile<tarn::IngredRecord>(data, size);
    return 0;
}
