// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridView.h"

#include "CellEditing.h"
#include "ScaleText.h"
#include "TableFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QToolTip>

namespace tarn {

namespace {
Qt::Alignment alignmentOf(ColumnFormat::Align a) {
    return (a == ColumnFormat::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}
constexpr int kCellPadding = 10;

// Whether an action of the window has the key as one of its shortcuts, enabled or not.
bool boundToAction(const QWidget* widget, const QKeyEvent* key) {
    if (key->modifiers() == Qt::NoModifier && key->key() != Qt::Key_Delete &&
        (key->key() < Qt::Key_F1 || key->key() > Qt::Key_F35))
        return false; // plain typing is never taken from the grid
    const QKeySequence pressed(key->keyCombination());
    const QList<QAction*> actions = widget->window()->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(),
                       [&](const QAction* a) { return a->shortcuts().contains(pressed); });
}
} // namespace

GridModel::GridModel(TextGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    connect(&grid_, &TextGrid::cellChanged, this, [this](int row, int col) {
        if (row == 0 && col > 0) {
            emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
        } else if (col == 0 && row > 0) {
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        } else if (row > 0 && col > 0) {
            const QModelIndex i = index(row - 1, col - 1);
            emit dataChanged(i, i, {Qt::DisplayRole});
        }
    });
    connect(&grid_, &TextGrid::shapeChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&grid_, &TextGrid::formatChanged, this, [this] {
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                             {Qt::TextAlignmentRole});
    });
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.rows() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.cols() - 1;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return grid_.text(index.row() + 1, index.column() + 1);
    if (role == Qt::TextAlignmentRole)
        return int(alignmentOf(grid_.align(index.column() + 1)));
    if ((role == Qt::BackgroundRole || role == Qt::ToolTipRole) && kind_) {
        const int col = index.column() + 1;
        const QString text = grid_.text(index.row() + 1, col);
        // What the save would refuse is marked before the save refuses it.
        if (const QString why = cellRefusal(*kind_, col, text); !why.isEmpty())
            return role == Qt::BackgroundRole ? QVariant(refusedTint()) : QVariant(why);
        const auto kept = cutOnScale(*kind_, col, text);
        if (!kept)
            return {};
        if (role == Qt::BackgroundRole)
            return cutTint();
        //: A cell's tool tip: %1 is what the scale keeps of its text
        return tr("Longer than the scale keeps; it keeps \"%1\"").arg(*kept);
    }
    return {};
}

QColor GridModel::cutTint() {
    return QColor(255, 214, 153); // a light orange, readable with black text
}

QColor GridModel::refusedTint() {
    return QColor(255, 176, 176); // a light red, readable with black text
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole)
        return orientation == Qt::Horizontal ? grid_.text(0, section + 1).trimmed()
                                             : grid_.text(section + 1, 0);
    if (role == Qt::TextAlignmentRole)
        return int(orientation == Qt::Horizontal ? Qt::AlignCenter : alignmentOf(grid_.align(0)));
    return {};
}

GridView::GridView(TextGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(grid, this) {
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Every row has the height of a row the grid grows on Enter: 300 twips, 20 pixels at 96 dpi.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowPixels(kGrownRowTwips));
    // The operator may widen or narrow any column by dragging its edge in the header.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setCornerButtonEnabled(false);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid())
                    grid_.setCurrent(current.row() + 1, current.column() + 1);
            });
    connect(&grid_, &TextGrid::currentChanged, this, &GridView::showCurrent);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &GridView::cellsMoved);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int newSize) {
                if (!formatting_)
                    operatorWidths_.insert(section + 1, newSize);
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, &GridView::cellsMoved);
    connect(&grid_, &TextGrid::formatChanged, this, &GridView::applyFormat);
    connect(&grid_, &TextGrid::rowHeightChanged, this, &GridView::applyRowHeight);
    connect(&grid_, &TextGrid::shapeChanged, this, [this] {
        applyFormat();
        for (int r = 1; r < grid_.rows(); ++r)
            applyRowHeight(r);
        showCurrent(grid_.row(), grid_.col());
    });
    applyFormat();
    showCurrent(grid_.row(), grid_.col());
}

void GridView::setOperatorWidths(const QMap<int, int>& widths) {
    operatorWidths_ = widths;
    applyFormat();
}

void GridView::applyFormat() {
    const QFontMetrics fm(font());
    formatting_ = true;
    for (int c = 1; c < grid_.cols(); ++c) {
        const QString caption = grid_.text(0, c).left(grid_.widthChars(c));
        setColumnWidth(c - 1,
                       operatorWidths_.value(c, fm.horizontalAdvance(caption) + kCellPadding));
    }
    formatting_ = false;
    const QString corner = grid_.text(0, 0);
    verticalHeader()->setFixedWidth(
        std::max(fm.horizontalAdvance(corner), fm.horizontalAdvance(QStringLiteral("000"))) +
        kCellPadding);
    viewport()->update();
}

void GridView::applyRowHeight(int row) {
    if (row < 1 || row >= grid_.rows())
        return;
    const int twips = grid_.rowHeight(row);
    verticalHeader()->resizeSection(row - 1, twips == TextGrid::kStandardHeight
                                                 ? verticalHeader()->defaultSectionSize()
                                                 : rowPixels(twips));
}

int GridView::rowPixels(int twips) const {
    constexpr int kTwipsPerInch = 1440;
    constexpr int kLineRoom = 4;
    return std::max(twips * logicalDpiY() / kTwipsPerInch, fontMetrics().height() + kLineRoom);
}

void GridView::showCurrent(int row, int col) {
    if (row < 1 || col < 1)
        return; // a fixed cell is never shown as the cursor
    const QModelIndex index = model_.index(row - 1, col - 1);
    if (index == currentIndex())
        return; // the view moved it itself, with its selection
    syncing_ = true;
    // Moved by the program: the selection is the cursor's cell alone.
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    syncing_ = false;
}

QRect GridView::cellRect(int row, int col) const {
    const QRect r = visualRect(model_.index(row - 1, col - 1));
    return r.translated(viewport()->pos());
}

void GridView::keyPressEvent(QKeyEvent* event) {
    // Alt and Meta chords are commands, not typing.
    const bool typing =
        !event->text().isEmpty() && !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
    if (typing && isSignalConnected(QMetaMethod::fromSignal(&GridView::characterTyped))) {
        event->accept();
        emit characterTyped(event->text());
        return;
    }
    QTableView::keyPressEvent(event);
}

QString GridView::toolTipFor(int row, int col) const {
    if (row < 1 || col < 1 || row >= grid_.rows() || col >= grid_.cols())
        return {};
    const QString text = grid_.text(row, col);
    QStringList tip;
    const QFontMetrics fm(font());
    if (fm.horizontalAdvance(text) + kCellPadding > columnWidth(col - 1))
        tip << text;
    const QString kept = model_.data(model_.index(row - 1, col - 1), Qt::ToolTipRole).toString();
    if (!kept.isEmpty())
        tip << kept;
    return tip.join(QLatin1Char('\n'));
}

bool GridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString tip =
            index.isValid() ? toolTipFor(index.row() + 1, index.column() + 1) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        return true;
    }
    return QTableView::viewportEvent(event);
}

// A key that one of the window's actions is bound to is left to the action, also while the
// action cannot act (Ctrl+Z with nothing to undo): it never opens an edit.
bool GridView::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (boundToAction(this, key)) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void GridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    emit focusReceived();
}

void GridView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    emit cellsMoved();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    emit cellsMoved();
}

void GridView::moveEvent(QMoveEvent* event) {
    QTableView::moveEvent(event);
    emit cellsMoved();
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    // A click on a row number selects the row. The header ignores a press within its resize grip
    // of a row's edge, although these rows cannot be resized; such a press selects the row here.
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QHeaderView* header = verticalHeader();
        const int y = press->position().toPoint().y();
        const int row = header->logicalIndexAt(y);
        const int top = header->sectionViewportPosition(row);
        const int grip = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
        if (press->button() == Qt::LeftButton && row >= 0 &&
            (y < top + grip || y >= top + header->sectionSize(row) - grip)) {
            selectRow(row);
            return true;
        }
    }
    // The corner cell belongs to the fixed row and column: shaded, with row 0's first text.
    if (event->type() == QEvent::Paint) {
        if (auto* corner = qobject_cast<QAbstractButton*>(watched)) {
            QPainter painter(corner);
            QStyleOptionHeader opt;
            opt.initFrom(corner);
            opt.state |= QStyle::State_Enabled; // a fixed cell, not a greyed-out button
            opt.palette.setCurrentColorGroup(QPalette::Active);
            opt.rect = corner->rect();
            opt.text = grid_.text(0, 0).trimmed();
            opt.textAlignment = Qt::AlignCenter;
            opt.position = QStyleOptionHeader::OnlyOneSection;
            opt.orientation = Qt::Horizontal;
            corner->style()->drawControl(QStyle::CE_Header, &opt, &painter, corner);
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace tarn
