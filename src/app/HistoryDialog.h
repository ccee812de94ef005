// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <QDialog>

class QTableWidget;

namespace tarn {

// The transfers the store remembers, newest first: when, port, table, kind, what, records,
// how it ended (the same list as tarnlink-cli history).
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistoryDialog(QWidget* parent);
    void show(const std::vector<TransferEntry>& entries);

private:
    QTableWidget* list_;
};

} // namespace tarn
