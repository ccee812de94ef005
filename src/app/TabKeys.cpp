// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabKeys.h"

#include "GridView.h"
#include "MainWindow.h"

#include <QAction>
#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

namespace tarn {

TabKeys::TabKeys(MainWindow& window) : QObject(&window), window_(window) {
    const auto bind = [this, &window](const char* name, QList<QKeySequence> keys, int by) {
        auto* action = new QAction(&window);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
        connect(action, &QAction::triggered, this, [this, by] { step(by); });
    };
    bind("actNextTab",
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    bind("actPreviousTab",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
         -1);
    // A tab's mnemonic reaches the tab bar as a shortcut event.
    window.controls().SSTab->tabBar()->installEventFilter(this);
}

void TabKeys::step(int by) {
    QTabWidget* tabs = window_.controls().SSTab;
    const int count = tabs->count();
    tabs->setCurrentIndex((tabs->currentIndex() + by + count) % count);
    focusPage();
}

bool TabKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut)
        return QObject::eventFilter(watched, event);
    // The tab bar shows the tab, then the focus follows it.
    const bool taken = static_cast<QObject*>(watched)->event(event);
    focusPage();
    return taken;
}

void TabKeys::focusPage() {
    const Controls& c = window_.controls();
    QWidget* page = c.SSTab->currentWidget();
    if (page == c.grdPLU->parentWidget()) {
        window_.showGrid(TableKind::Plu);
        return;
    }
    if (page == c.grdINGRED->parentWidget()) {
        window_.showGrid(TableKind::Ingred);
        return;
    }
    // Elsewhere the control last used on the page, or its first.
    QWidget* last = page->focusWidget();
    if (last && last != page && last->isVisible() && last->isEnabled()) {
        last->setFocus(Qt::TabFocusReason);
        return;
    }
    for (QWidget* next = page->nextInFocusChain(); next && next != page;
         next = next->nextInFocusChain())
        if (page->isAncestorOf(next) && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
}

} // namespace tarn
