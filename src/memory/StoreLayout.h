// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StoreConnection.h"

#include <optional>

namespace tarn {

// The store's tables, step by step: step k brings a store of layout version k to k + 1, the
// same on SQLite and on a server. Each version also says the oldest layout version whose
// Tarnlink can still use a store of it: a step that only adds (a column, a table, an index)
// keeps older programs working, so a chain's PCs need not all be upgraded on one day.
struct StoreLayout {
    // The layout this Tarnlink writes.
    static constexpr int kVersion = 5;

    // Brings the store's layout up to kVersion, or finds a newer layout this Tarnlink can
    // still use. The failure, in the operator's words, when it cannot: a newer layout that
    // needs a newer Tarnlink ("upgrade this PC: the store needs Tarnlink 0.6 or later"), a file
    // only read that is older, a step that could not be written.
    static std::optional<StoreFailure> open(StoreConnection& db);
};

} // namespace tarn
