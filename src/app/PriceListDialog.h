// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PriceList.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tarn {

// "Price list": the list's first rows, a drop-down per table field choosing the list's column
// that fills it, the price decimals, and the changes the merge would make to the grid (record,
// field, old, new), worked out again at every choice. Apply is offered only for a list that
// fits and changes something; the dialog itself changes nothing.
class PriceListDialog : public QDialog {
    Q_OBJECT
public:
    PriceListDialog(TableKind kind, ReadSheet list, const TextGrid& grid,
                    const std::optional<RememberedMapping>& remembered, QWidget* parent = nullptr);

    const MergePlan& plan() const { return plan_; }
    ColumnMap columnMap() const;
    int priceDecimals() const;
    const ReadSheet& list() const { return list_; }

    // The list's first rows shown, at most.
    static constexpr int kShownRows = 8;

private:
    void update();

    TableKind kind_;
    ReadSheet list_;
    const TextGrid& grid_;
    std::array<QComboBox*, kFieldColumns> fields_{};
    QSpinBox* decimals_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* apply_ = nullptr;
    MergePlan plan_;
};

} // namespace tarn
