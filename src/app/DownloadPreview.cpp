// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadPreview.h"

#include "Controls.h"
#include "DownloadPlan.h"
#include "MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace tarn {

DownloadPreview::DownloadPreview(MainWindow& window) : QObject(&window), window_(window) {
    const Controls& c = window.controls();
    for (QLineEdit* box : {c.txtDownOnePluNo, c.txtDownStartPluNo, c.txtDownEndPluNo,
                           c.txtDownOneIngNo, c.txtDownStartIngNo, c.txtDownEndIngNo})
        connect(box, &QLineEdit::textChanged, this, &DownloadPreview::refresh);
    // The records change with a status text (a load, a save, an import, an upload, "New");
    // the tab is looked at again when it is shown.
    connect(&window.workspace(), &Workspace::statusChanged, this, &DownloadPreview::refresh);
    connect(c.SSTab, &QTabWidget::currentChanged, this, &DownloadPreview::refresh);
    refresh();
}

void DownloadPreview::refresh() {
    const Controls& c = window_.controls();
    const Workspace& ws = window_.workspace();
    struct Line {
        QLabel* label;
        TableKind kind;
        DownloadOptions options;
    };
    const Line lines[] = {
        {c.lblDownOnePLU, TableKind::Plu, {DownloadExtent::One, c.txtDownOnePluNo->text()}},
        {c.lblDownMultiplePLU,
         TableKind::Plu,
         {DownloadExtent::Range, {}, c.txtDownStartPluNo->text(), c.txtDownEndPluNo->text()}},
        {c.lblDownOneINGRED, TableKind::Ingred, {DownloadExtent::One, c.txtDownOneIngNo->text()}},
        {c.lblDownMultipleINGRED,
         TableKind::Ingred,
         {DownloadExtent::Range, {}, c.txtDownStartIngNo->text(), c.txtDownEndIngNo->text()}}};
    for (const Line& line : lines) {
        line.label->setText(downloadPreview(ws, line.kind, line.options));
        line.label->setToolTip(line.label->text()); // whole, where a narrow window cuts it short
    }
}

} // namespace tarn
