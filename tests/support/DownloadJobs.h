// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Jobs.h"

namespace tarn::testing {

// A download of `count` PLU records numbered from `first`, in slots 1 on, each with a name and a
// price of its own ("ITEM 3" at 300), as the engine takes it from a table file.
inline DownloadJob pluDownload(int count, int first = 1) {
    TableRecords<PluRecord> table;
    table.count = qint16(count);
    for (int i = 1; i <= count; ++i) {
        const int number = first + i - 1;
        table.records[size_t(i)].pluNo = qint16(number);
        table.records[size_t(i)].name1 = QStringLiteral("ITEM %1").arg(number);
        table.records[size_t(i)].unitPrice = 100 * number;
    }
    DownloadJob job;
    job.table = table;
    job.hasFile = true;
    return job;
}

} // namespace tarn::testing
