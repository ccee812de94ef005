// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindBar.h"

#include "GridBlock.h"
#include "GridView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace tarn {

FindBar::FindBar(GridView& view, const char* textName, QWidget* parent)
    : QWidget(parent), view_(view), text_(new QLineEdit(this)), note_(new QLabel(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Find"), this));
    text_->setObjectName(QString::fromLatin1(textName));
    text_->setClearButtonEnabled(true);
    text_->installEventFilter(this);
    layout->addWidget(text_, 1);
    auto* next = new QToolButton(this);
    //: Finds the next cell that holds the text
    next->setText(tr("&Next"));
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    layout->addWidget(next);
    layout->addWidget(note_);
    auto* shut = new QToolButton(this);
    //: Closes the find bar
    shut->setText(tr("&Close"));
    connect(shut, &QToolButton::clicked, this, &FindBar::close);
    layout->addWidget(shut);
    connect(text_, &QLineEdit::textChanged, note_, &QLabel::clear);
    hide();
}

QString FindBar::text() const {
    return text_->text();
}

void FindBar::open() {
    show();
    text_->selectAll();
    text_->setFocus(Qt::ShortcutFocusReason);
}

void FindBar::close() {
    hide();
    view_.setFocus(Qt::OtherFocusReason);
}

bool FindBar::findNext() {
    TextGrid& grid = view_.grid();
    const auto found = tarn::findNext(grid, text_->text(), grid.row(), grid.col());
    note_->setText(found || text_->text().isEmpty() ? QString() : tr("Not found"));
    if (!found)
        return false;
    grid.setCurrent(found->first, found->second);
    view_.scrollTo(view_.currentIndex());
    return true;
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            findNext();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarn
