// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h"

#include <QStringList>

namespace tarn::testing {

// Everything of the workspace an operator could lose: both grids' texts, both tables' records
// and counts, and the file source. Two snapshots compare equal when nothing changed.
struct WorkspaceSnapshot {
    QStringList pluTexts, ingredTexts;
    PluTable pluRecords;
    IngredTable ingredRecords;
    qint16 pluCount = 0, ingredCount = 0;
    QString filePath;
    bool operator==(const WorkspaceSnapshot&) const = default;

    static QStringList textsOf(const TextGrid& grid) {
        QStringList texts;
        for (int r = 0; r < grid.rows(); ++r)
            for (int c = 0; c < grid.cols(); ++c)
                texts.append(grid.text(r, c));
        return texts;
    }
    static WorkspaceSnapshot of(const Workspace& ws) {
        return {textsOf(ws.plu.grid), textsOf(ws.ingred.grid), ws.plu.records, ws.ingred.records,
                ws.plu.count,         ws.ingred.count,         ws.filePath()};
    }
};

} // namespace tarn::testing
