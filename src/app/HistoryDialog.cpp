// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryDialog.h"

#include "ListDialog.h"

#include <QTableWidget>
#include <QVBoxLayout>

namespace tarn {

HistoryDialog::HistoryDialog(QWidget* parent) : QDialog(parent), list_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("dlgHistory"));
    setWindowTitle(tr("History"));
    auto* layout = new QVBoxLayout(this);
    list_->setObjectName(QStringLiteral("lstHistory"));
    addReadOnlyList(*this, *layout, *list_,
                    {//: column: when the transfer started
                     tr("Started"),
                     //: column: when the transfer ended
                     tr("Ended"),
                     //: column: ok, failed, ... as the store keeps it
                     tr("Outcome"),
                     //: column: the port's name
                     tr("Port"),
                     //: column: the scale's identity
                     tr("Scale"),
                     //: column: PLU or INGRED
                     tr("Table"),
                     //: column: download, upload or compare
                     tr("Kind"),
                     //: column: which records (ALL, 1-5, Changed)
                     tr("What"),
                     //: column: the number of records
                     tr("Records"),
                     //: column: the number of records that differed
                     tr("Differ"),
                     //: column: the status text the transfer ended with
                     tr("How it ended")});
    resize(1000, 440);
}

void HistoryDialog::show(const std::vector<TransferEntry>& entries) {
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    list_->setRowCount(int(entries.size()));
    for (int row = 0; row < int(entries.size()); ++row) {
        const TransferEntry& e = entries[size_t(row)];
        const QString cells[] = {e.started.toLocalTime().toString(format),
                                 e.ended.isValid() ? e.ended.toLocalTime().toString(format)
                                                   : tr("(never ended)"),
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
