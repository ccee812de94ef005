// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TableDiff.h"
#include "Workspace.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace tarn {

// The records the PC's table and the scale hold differently, field by field: number, field,
// PC, scale. Shown by Compare, and by a download's Verify that found differences.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    explicit CompareDialog(QWidget* parent);
    // `title` says what read the scale ("PLU Compare", "Verify").
    void show(const QString& title, TableKind kind, const std::vector<FieldDifference>& list);

private:
    QLabel* summary_;
    QTableWidget* list_;
};

} // namespace tarn
