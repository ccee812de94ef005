// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Transfers.h"

#include <QString>

#include <optional>
#include <vector>

namespace tarn {

// What a download will send, worked out before it runs: for the window's questions and the
// text beside its number boxes, and for the command line's warnings.

// A text of a record that the scale keeps only part of: the slot, the field by its grid
// caption, and what the scale keeps.
struct CutText {
    int slot = 0;
    QString field;
    QString kept;
};

// The texts of the slots a download's options select that the scale will not keep whole, in
// slot and column order; none when its number boxes are not valid (the download refuses on its
// own).
std::vector<CutText> cutTexts(const Workspace& ws, TableKind kind, const DownloadOptions& options);

// A short text saying which records the "One" or "Multiple" choice of a download selects:
// "row 101: PLU 100 APPLES", "rows 5 to 3: nothing", "rows 1 to 3: PLU 12 APPLE to PLU 14 PEAR".
QString downloadPreview(const Workspace& ws, TableKind kind, const DownloadOptions& options);

} // namespace tarn
