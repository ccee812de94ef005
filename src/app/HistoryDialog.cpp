// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryDialog.h"

#include "ListDialog.h"

#include <QTableWidget>
#include <QVBoxLayout>

namespace tarn {

HistoryDialog::HistoryDialog(QWidget* parent) : QDialog(parent), list_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("dlgHistory"));
    setWindowTitle(QStringLiteral("History"));
    auto* layout = new QVBoxLayout(this);
    list_->setObjectName(QStringLiteral("lstHistory"));
    addReadOnlyList(*this, *layout, *list_,
                    {QStringLiteral("Started"), QStringLiteral("Ended"), QStringLiteral("Outcome"),
                     QStringLiteral("Port"), QStringLiteral("Scale"), QStringLiteral("Table"),
                     QStringLiteral("Kind"), QStringLiteral("What"), QStringLiteral("Records"),
                     QStringLiteral("Differ"), QStringLiteral("How it ended")});
    resize(1000, 440);
}

void HistoryDialog::show(const std::vector<TransferEntry>& entries) {
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    list_->setRowCount(int(entries.size()));
    for (int row = 0; row < int(entries.size()); ++row) {
        const TransferEntry& e = entries[size_t(row)];
        const QString cells[] = {e.started.toLocalTime().toString(format),
                                 e.ended.isValid() ? e.ended.toLocalTime().toString(format)
                                                   : QStringLiteral("(never ended)"),
                                 e.outcome,
                                 e.name,
                                 e.scale,
                                 QString::fromLatin1(sideOf(e.table).name),
                                 directionName(e.direction),
                                 e.extent,
                                 QString::number(e.records),
                                 e.differences ? QString::number(*e.differences) : QString(),
                                 e.howEnded.trimmed()};
        setListRow(*list_, row, cells);
    }
    showList(*this, *list_);
}

} // namespace tarn
