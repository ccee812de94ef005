// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FuzzInput.h"

#include "TableFile.h"

#include <span>
#include <type_traits>
#include <vector>

namespace tarn::fuzz {

// Any bytes as a table file: the reader either refuses them with a problem that names what
// is wrong, or gives at most 200 records that the writer puts back into a file reading the
// same records again (an empty text
// comes back as one blank).
// The records as the writer puts them down: an empty text is written as one blank.
template <class R> std::vector<R> asWritten(std::vector<R> records) {
    for (R& r : records)
        forEachField(r, [](int, auto& value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>) {
                if (value.isEmpty())
                    value = QStringLiteral(" ");
            }
        });
    return records;
}

template <class R> void readTableFile(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ParsedFile<R> parsed = parseTableFile<R>(bytes);
    if (!parsed.ok()) {
        require(!parsed.problem->what.isEmpty(), "a refused file without a reason");
        require(parsed.problem->message().startsWith(QLatin1String("ERROR! ")),
                "a refusal that does not start with ERROR!");
        return;
    }
    require(parsed.records.size() <= size_t(kMaxRecords), "more than 200 records");
    const WrittenFile written = writeTableFile<R>(std::span<const R>(parsed.records));
    if (!written.ok())
        return; // e.g. a text holding a double quote, which no file can carry
    const ParsedFile<R> again = parseTableFile<R>(written.bytes);
    require(again.ok(), "a written file does not read back");
    require(again.records == asWritten(parsed.records),
            "a written file reads back different records");
}

} // namespace tarn::fuzz
