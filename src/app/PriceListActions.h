// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workspace.h"

#include <QObject>

namespace tarn {

class MainWindow;

// "Price list..." under Open of the PLU and INGRED menus: a till's price list chosen, mapped
// and previewed in its dialog, then merged into the grid as one step that Undo takes back.
// The mapping applied is remembered (QSettings) for the next list with the same headers.
class PriceListActions : public QObject {
    Q_OBJECT
public:
    explicit PriceListActions(MainWindow& window);

    void openList(TableKind kind);

private:
    MainWindow& window_;
};

} // namespace tarn
