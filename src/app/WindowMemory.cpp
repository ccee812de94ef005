// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowMemory.h"

#include "Controls.h"
#include "FileChooser.h"
#include "GridView.h"
#include "MainWindow.h"
#include "PortActions.h"
#include "ScreenFit.h"
#include "Settings.h"

#include <QScreen>
#include <QSettings>

namespace tarn {

namespace {

const QString kPort = QStringLiteral("port");
const QString kSize = QStringLiteral("window/size");

QString widthsKey(const char* grid) {
    return QStringLiteral("columns/") + QString::fromLatin1(grid);
}

QVariantList toList(const QMap<int, int>& widths) {
    QVariantList out;
    for (auto i = widths.begin(); i != widths.end(); ++i)
        out << i.key() << i.value();
    return out;
}

QMap<int, int> toWidths(const QVariantList& list) {
    QMap<int, int> out;
    for (qsizetype i = 0; i + 1 < list.size(); i += 2) {
        bool okColumn = false;
        bool okWidth = false;
        const int column = list[i].toInt(&okColumn);
        const int width = list[i + 1].toInt(&okWidth);
        if (okColumn && okWidth && width > 0)
            out.insert(column, width);
    }
    return out;
}

} // namespace

void restoreWindow(MainWindow& window, QSettings& settings) {
    const Controls& c = window.controls();
    // The port last chosen; else the one the settings file shared with the command line names.
    QString port = settings.value(kPort).toString();
    if (port.isEmpty())
        port = Settings::load().value(QStringLiteral("port"));
    if (!port.isEmpty())
        window.portActions().choosePort(port);
    // A size kept at another scale factor or on another screen is used only when it leaves
    // room for the window's work and fits this screen; else the window opens comfortable.
    const QSize size = settings.value(kSize).toSize();
    const QSize comfortable = window.comfortableSize();
    const QSize most =
        window.screen() ? ScreenFit::room(window.screen()->availableGeometry()) : size;
    const bool fits = size.isValid() && size.width() >= comfortable.width() &&
                      size.height() >= comfortable.height() && size.width() <= most.width() &&
                      size.height() <= most.height();
    window.resize(fits ? size : comfortable);
    c.grdPLU->setOperatorWidths(toWidths(settings.value(widthsKey("grdPLU")).toList()));
    c.grdINGRED->setOperatorWidths(toWidths(settings.value(widthsKey("grdINGRED")).toList()));
    if (auto* dialogs = dynamic_cast<DialogFileChooser*>(&window.fileChooser()))
        dialogs->setMemory(&settings);
}

void rememberWindow(MainWindow& window, QSettings& settings) {
    const Controls& c = window.controls();
    // "Com1" and "Com2" are read back in any case, as the command line's "--port" takes them.
    // A port given for one run leaves the one remembered before as it was.
    const QString port = window.portActions().portToRemember();
    if (!port.isEmpty())
        settings.setValue(kPort, port);
    settings.setValue(kSize, window.size());
    settings.setValue(widthsKey("grdPLU"), toList(c.grdPLU->operatorWidths()));
    settings.setValue(widthsKey("grdINGRED"), toList(c.grdINGRED->operatorWidths()));
    settings.sync();
}

} // namespace tarn
