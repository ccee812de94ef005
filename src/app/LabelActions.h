// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LabelContent.h"
#include "LabelLayout.h"

#include <QList>
#include <QObject>

#include <functional>
#include <map>
#include <vector>

class QPagedPaintDevice;
class QPushButton;

namespace tarn {

class MainWindow;

// PLU > "Print labels..." and "Print price list...": the shelf labels of the PLU table as
// the scale gets it (the records a download sends), chosen in a dialog (every record, one, a
// range, those changed since they were last printed from this file in this shop, or the
// records a Changed download just sent), shown in a preview of the pages from which they go
// to a printer, or written to a PDF file. After a Changed download of the PLU table the status
// bar offers "Print labels for the N records just sent".
//
// What was printed is kept in the store, read and written on a thread of its own.
class LabelActions : public QObject {
    Q_OBJECT
public:
    explicit LabelActions(MainWindow& window);

    // The labels dialog; `sent`: the slots a Changed download just sent (offered first).
    void printLabels(const QList<int>& sent = {});
    void printPriceList();

    // Where the pages are shown before they print: Qt's preview dialog unless another is given
    // (`f` gets the pages' painter and says whether they were printed).
    void setPreview(std::function<bool(const std::function<void(QPagedPaintDevice&)>&)> f) {
        preview_ = std::move(f);
    }

private:
    // Runs `work` with the window's store off its thread, then `done` on it (MemoryActions).
    void withStore(const QString& kind, std::function<std::map<int, QString>(class Store&)> work,
                   std::function<void(const std::map<int, QString>&, const QString&)> done);
    bool showPreview(const std::function<void(QPagedPaintDevice&)>& paint);
    void remember(const std::vector<Label>& labels);

    MainWindow& window_;
    QPushButton* offer_;
    QList<int> sent_;
    int printed_ = 0; // prints remembered so far
    std::function<bool(const std::function<void(QPagedPaintDevice&)>&)> preview_;
};

} // namespace tarn
