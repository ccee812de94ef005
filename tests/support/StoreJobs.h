// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Jobs written into a store as the program writes them, through a StoreWriter: a test seeds a
// store, or races two writers, on the production path.

#include "PortIdentity.h"
#include "Store.h"
#include "StoreWriter.h"

#include <map>

namespace tarn::testing {

class WriterJob {
public:
    WriterJob(const QString& storePath, const QString& port, TableKind table,
              TransferDirection direction, const QString& extent)
        : writer_(storePath), scale_(storeKey(portIdentity(port))) {
        writer_.begin(
            {scale_, port.trimmed(), table, direction, extent, QDateTime::currentDateTimeUtc()});
    }
    // The scale acknowledged (or sent) the record.
    void hold(int slot, int number, const QByteArray& bytes) {
        writer_.hold(slot, number, bytes, QDateTime::currentDateTimeUtc());
        ++records_;
    }
    void forget(const std::vector<int>& numbers) { writer_.forget(numbers); }
    // Waits until everything handed over so far is in the store, or could not be written.
    void sync() {
        writer_.read<bool>([](Store&) { return true; });
    }
    StoreWriter::Verdict end(const QString& howEnded, JobEnd end = JobEnd::Ok) {
        return writer_.finish(
            {end, howEnded, records_, std::nullopt, QDateTime::currentDateTimeUtc()});
    }
    const QString& scale() const { return scale_; }

private:
    StoreWriter writer_;
    QString scale_;
    int records_ = 0;
};

// What the store says the scale on port `port` of this PC holds, by number.
inline std::map<int, QByteArray> heldOn(const Store& store, const QString& port, TableKind table) {
    std::map<int, QByteArray> out;
    for (auto& [number, record] : store.heldRecords(storeKey(portIdentity(port)), table))
        out[number] = record.bytes;
    return out;
}

} // namespace tarn::testing
