// SPDX-License-Identifier: GPL-3.0-or-later
#include "PriceListDialog.h"

#include "Settings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarn {

namespace {

const SheetCell& cellOf(const ReadSheet& list, int row, int column) {
    static const SheetCell empty;
    return row < list.rows.size() && column < list.rows[row].size() ? list.rows[row][column]
                                                                    : empty;
}

// The columns worth offering: up to the last one that holds anything in the list.
int usedColumns(const ReadSheet& list) {
    int used = 1;
    for (const auto& row : list.rows)
        for (int c = int(row.size()) - 1; c >= used; --c)
            if (row[c].kind != SheetCell::Kind::Empty) {
                used = c + 1;
                break;
            }
    return used;
}

QTableWidget* newTable(QWidget* parent, const char* name, const QStringList& headers) {
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setTabKeyNavigation(false); // one stop of Tab, as any other control
    return table;
}

// A caption with a mnemonic no other control of the dialog has: a field's digit ("Message&1"),
// else the first letter of one of its words, else any free letter. `taken` keeps the letters.
QString withMnemonic(const QString& caption, QString& taken) {
    QList<qsizetype> candidates;
    if (!caption.isEmpty() && caption.back().isDigit())
        candidates << caption.size() - 1;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i].isLetter() && (i == 0 || !caption[i - 1].isLetter()))
            candidates << i;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i].isLetterOrNumber())
            candidates << i;
    for (const qsizetype at : candidates) {
        const QChar letter = caption[at].toLower();
        if (!taken.contains(letter)) {
            taken += letter;
            return QString(caption).insert(at, QLatin1Char('&'));
        }
    }
    return caption;
}

} // namespace

PriceListDialog::PriceListDialog(TableKind kind, ReadSheet list, const TextGrid& grid,
                                 const std::optional<RememberedMapping>& remembered,
                                 QWidget* parent)
    : QDialog(parent), kind_(kind), list_(std::move(list)), grid_(grid) {
    setObjectName(QStringLiteral("dlgPriceList"));
    setWindowTitle(tr("Price list"));
    // What is chosen scrolls on a small screen; the buttons stay under it, in sight.
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);

    // The list's first rows, as the till wrote them.
    const int columns = usedColumns(list_);
    QStringList letters;
    for (int c = 0; c < columns; ++c)
        letters.append(columnLetter(c));
    QTableWidget* shown = newTable(this, "grdPriceListFile", letters);
    const int rows = std::min<int>(kShownRows, int(list_.rows.size()));
    shown->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            shown->setItem(r, c, new QTableWidgetItem(cellOf(list_, r, c).text));
    shown->verticalHeader()->setVisible(true); // sheet row numbers
    shown->setMinimumHeight(shown->verticalHeader()->defaultSectionSize() * 5);
    layout->addWidget(shown, 1);

    // A column per field, in two columns of choices; a header text that is the field's own
    // name is taken at once.
    auto* form = new QGridLayout;
    const bool headers = hasHeaderRow(list_, ColumnMap());
    const QStringList firstRow = headers ? firstRowTexts(list_) : QStringList();
    constexpr int kPerColumn = 5;
    const QString applyText = tr("&Apply");
    const QString cancelText = tr("&Cancel");
    QString taken; // the buttons' letters first
    for (const QString& text : {applyText, cancelText})
        if (const qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < text.size())
            taken += text[at + 1].toLower();
    for (int f = 1; f <= kFieldColumns; ++f) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cboField%1").arg(f));
        //: a field that no column of the list fills
        box->addItem(tr("(not used)"), -1);
        for (int c = 0; c < columns; ++c) {
            const QString head = firstRow.value(c);
            box->addItem(head.isEmpty() ? columnLetter(c)
                                        : columnLetter(c) + QStringLiteral(": ") + head,
                         c);
        }
        int chosen = -1;
        if (remembered)
            chosen = remembered->map.columns[size_t(f - 1)];
        else
            for (int c = 0; c < columns && chosen < 0; ++c)
                if (firstRow.value(c).compare(fieldNameOf(kind, f), Qt::CaseInsensitive) == 0)
                    chosen = c;
        box->setCurrentIndex(std::max(0, box->findData(chosen)));
        fields_[size_t(f - 1)] = box;
        const int at = (f - 1) % kPerColumn;
        const int side = (f - 1) / kPerColumn * 2;
        // The field names are the files' own words, not translated.
        QString caption = withMnemonic(fieldNameOf(kind, f), taken);
        if (f == 1)
            //: %1: the key field's name, as the files name it ("PLU No")
            caption = tr("%1 (key)").arg(caption);
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        form->addWidget(label, at, side);
        form->addWidget(box, at, side + 1);
        connect(box, &QComboBox::currentIndexChanged, this, &PriceListDialog::update);
    }
    decimals_ = new QSpinBox(this);
    decimals_->setObjectName(QStringLiteral("spnPriceDecimals"));
    decimals_->setRange(0, kMaxPriceDecimals);
    // A list never seen before takes the shop's price decimals (the labels' too).
    decimals_->setValue(remembered ? remembered->priceDecimals : Settings::load().priceDecimals());
    if (priceColumnOf(kind) > 0) {
        auto* label = new QLabel(withMnemonic(tr("Price decimals"), taken), this);
        label->setBuddy(decimals_);
        form->addWidget(label, kPerColumn - 1, 2);
        form->addWidget(decimals_, kPerColumn - 1, 3);
    } else
        decimals_->hide();
    connect(decimals_, &QSpinBox::valueChanged, this, &PriceListDialog::update);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
    layout->addLayout(form);

    preview_ = newTable(this, "grdPriceListPreview",
                        {//: column: the grid's row and the record's key
                         tr("Record"),
                         //: column: the field that changes
                         tr("Field"),
                         //: column: the field's text before
                         tr("Old"),
                         //: column: the field's text after
                         tr("New")});
    layout->addWidget(preview_, 2);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblPriceListSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(body);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(scroll, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(cancelText);
    apply_ = buttons->addButton(applyText, QDialogButtonBox::AcceptRole);
    apply_->setObjectName(QStringLiteral("cmdPriceListApply"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);

    update();
    resize(820, 640);
    // The keyboard starts on the first field; Tab goes through the fields, the previews and
    // the buttons.
    fields_[0]->setFocus(Qt::OtherFocusReason);
}

ColumnMap PriceListDialog::columnMap() const {
    ColumnMap map;
    for (int f = 0; f < kFieldColumns; ++f)
        map.columns[size_t(f)] = fields_[size_t(f)]->currentData().toInt();
    return map;
}

int PriceListDialog::priceDecimals() const {
    return decimals_->value();
}

void PriceListDialog::update() {
    const ColumnMap map = columnMap();
    preview_->setRowCount(0);
    if (map.columns[0] < 0) {
        plan_ = MergePlan{};
        summary_->setText(
            tr("Choose the list's column for %1: it is the key.").arg(fieldNameOf(kind_, 1)));
        apply_->setEnabled(false);
        return;
    }
    plan_ = planMerge(grid_, kind_, list_, map, priceDecimals());
    preview_->setRowCount(int(plan_.changes.size()));
    for (int i = 0; i < plan_.changes.size(); ++i) {
        const FieldChange& c = plan_.changes[i];
        //: a record: its grid row (%1), its key field's name (%2) and value (%3)
        QString form = tr("row %1: %2 %3");
        if (c.added)
            //: a record the list adds: its grid row (%1), its key field's name (%2) and value (%3)
            form = tr("row %1: %2 %3 (new)");
        const QString record = form.arg(c.row).arg(fieldNameOf(kind_, 1), c.key);
        const QStringList texts = {record, fieldNameOf(kind_, c.col), c.before, c.after};
        for (int k = 0; k < texts.size(); ++k)
            preview_->setItem(i, k, new QTableWidgetItem(texts[k]));
    }
    preview_->resizeColumnsToContents();
    summary_->setText(plan_.ok() ? plan_.summary(kind_) : plan_.error);
    summary_->setStyleSheet(plan_.ok() ? QString() : QStringLiteral("color: #b00020"));
    apply_->setEnabled(plan_.ok() && !plan_.writes.isEmpty());
}

} // namespace tarn
