// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "AboutDialog.h"
#include "DownloadPreview.h"
#include "Engine.h"
#include "FileActions.h"
#include "FindBar.h"
#include "GridActions.h"
#include "GridEditor.h"
#include "GridUndo.h"
#include "GridView.h"
#include "LabelActions.h"
#include "MemoryActions.h"
#include "PortActions.h"
#include "PriceListActions.h"
#include "ScreenFit.h"
#include "SheetActions.h"
#include "TabKeys.h"
#include "TransferActions.h"
#include "WindowMemory.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace tarn {

namespace {

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QAction* addEntry(QMenu* menu, const QString& caption, const char* name) {
    return named(menu->addAction(caption), name);
}

QLineEdit* numberBox(QWidget* parent, const char* name, const char* initial) {
    auto* box = named(new QLineEdit(QString::fromLatin1(initial), parent), name);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMaxLength(3);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return box;
}

// The text under a download's number boxes saying what they select: whole, wrapped on a line
// of its own, so that a long record name never widens the window nor is cut.
QLabel* previewLabel(QWidget* parent, const char* name) {
    auto* label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setProperty("ownLine", true);
    return label;
}

// A part of a tab that scrolls when the window is smaller than it: the rows of buttons and the
// status line stay outside, in sight.
QScrollArea* scrolled(QWidget* contents) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(contents);
    return area;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    return named(new QPushButton(caption, parent), name);
}

// The caption beside a bare option button: a click on it selects the option, as does its
// mnemonic (Alt and the underlined letter).
class OptionCaption : public QLabel {
public:
    OptionCaption(const QString& text, QRadioButton* option, QWidget* parent)
        : QLabel(text, parent), option_(option) {
        setBuddy(option);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            option_->isEnabled()) {
            option_->setFocus(Qt::MouseFocusReason);
            option_->click();
        }
    }

private:
    QRadioButton* option_;
};

// One line of a selection frame: the option button, then its label or caption (with its
// mnemonic marked by "&", or none: the arrow keys reach it from the frame's other options),
// then any number boxes; a preview label goes on the line below. The frame makes the option
// button and puts it into `button`.
struct OptionRow {
    QRadioButton** button;
    const char* option;
    QString label;
    std::vector<QWidget*> boxes;
};

// The count beside "Changed": its texts run long ("Nothing to send: the scale held this table
// when last checked (today 14:02)") and wrap rather than widen the window.
QLabel* countLabel(QWidget* page, const char* name) {
    auto* label = named(new QLabel(page), name);
    label->setWordWrap(true);
    return label;
}

QGroupBox* selectionFrame(const QString& title, bool captionsOnButtons,
                          const std::vector<OptionRow>& rows) {
    auto* frame = new QGroupBox(title);
    auto* grid = new QGridLayout(frame);
    int r = 0;
    for (const OptionRow& row : rows) {
        if (captionsOnButtons) {
            *row.button = named(new QRadioButton(row.label, frame), row.option);
            grid->addWidget(*row.button, r, 0, 1, 2);
        } else {
            *row.button = named(new QRadioButton(frame), row.option);
            grid->addWidget(*row.button, r, 0);
            grid->addWidget(new OptionCaption(row.label, *row.button, frame), r, 1);
        }
        if (row.boxes.size() == 1 && qobject_cast<QLabel*>(row.boxes.front())) {
            // A text alone (the Changed count) takes the whole row, wrapped to fit it.
            row.boxes.front()->setParent(frame);
            grid->addWidget(row.boxes.front(), r, 2, 1, 4);
            ++r;
            continue;
        }
        int c = 2;
        QWidget* below = nullptr;
        for (QWidget* box : row.boxes) {
            if (box && box->property("ownLine").toBool()) {
                below = box;
            } else if (box) {
                box->setParent(frame);
                grid->addWidget(box, r, c);
            }
            ++c;
        }
        ++r;
        if (below) { // under the caption and the boxes
            below->setParent(frame);
            grid->addWidget(below, r++, 1, 1, 5);
        }
    }
    grid->setColumnStretch(5, 1);
    grid->setColumnStretch(10, 0);
    return frame;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), chooser_(std::make_unique<DialogFileChooser>(this)),
      exitHandler_([] { QCoreApplication::exit(0); }),
      exitQuestion_(std::make_unique<DialogSaveQuestion>(this)),
      replaceQuestion_(std::make_unique<DialogReplaceQuestion>(this)),
      downloadQuestion_(std::make_unique<DialogDownloadQuestion>(this)),
      stopQuestion_(std::make_unique<DialogStopQuestion>(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tarnlink"));

    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    QTabWidget* tabs = c_.SSTab = named(new QTabWidget(central), "SSTab");
    tabs->addTab(buildPortTab(), tr("Por&t"));
    tabs->addTab(buildDisplayTab(), tr("Displa&y"));
    //: A status line text: Enter or a paste would go past the table's last row. Keep the
    //: spaces at both ends and the start "Error !".
    const QString pluOver = tr(" Error ! PLU No is over ");
    //: The same for the INGRED table, whose records are messages.
    const QString ingredOver = tr(" Error ! Message No is over ");
    //: The tab of the PLU table's grid
    tabs->addTab(buildGridTab(TableKind::Plu, c_.grdPLU, "grdPLU", c_.txtEditGrid, "txtEditGrid",
                              pluOver, "txtFind"),
                 tr("P&LU"));
    tabs->addTab(buildDownloadTab(), tr("D&ownload"));
    tabs->addTab(buildUploadTab(), tr("Uplo&ad"));
    //: The tab of the INGRED table's grid
    tabs->addTab(buildGridTab(TableKind::Ingred, c_.grdINGRED, "grdINGRED", c_.txtEditGrid1,
                              "txtEditGrid1", ingredOver, "txtFind1"),
                 tr("IN&GRED"));
    tabs->setCurrentIndex(0);
    layout->addWidget(tabs, 1);

    auto* source = new QHBoxLayout;
    source->addWidget(new QLabel(tr("Source"), central));
    // Where the tables came from: shown, never typed (nothing reads a typed path).
    c_.txtFilePath = named(new QLineEdit(central), "txtFilePath");
    c_.txtFilePath->setReadOnly(true);
    source->addWidget(c_.txtFilePath, 1);
    layout->addLayout(source);
    setCentralWidget(central);

    buildStatusBar();

    connect(&workspace_, &Workspace::statusChanged, this, &MainWindow::showStatus);
    connect(&workspace_, &Workspace::filePathChanged, this, &MainWindow::takeSource);
    connect(c_.SSTab, &QTabWidget::currentChanged, this, &MainWindow::showSource);

    fileActions_ = new FileActions(*this);
    new SheetActions(*this);     // the workbook entries of both menus
    new PriceListActions(*this); // "Price list..." under both Open menus
    formLoad();
    portActions_ = new PortActions(c_, workspace_, this);
    transfers_ = new TransferActions(*this); // the transfer buttons and the display read
    connect(transfers_, &TransferActions::jobEnded, this, [this] {
        if (std::exchange(exitWhenStopped_, false))
            exitAfterAsking();
    });
    new DownloadPreview(*this); // what the download's number boxes select
    new MemoryActions(*this);   // what the scales hold: Changed, Compare, Verify, History
    new LabelActions(*this);    // PLU > Print labels..., Print price list...
    bindTableKeys();
    new TabKeys(*this);   // Ctrl+Tab, Ctrl+PgDn and the tabs' mnemonics
    new ScreenFit(*this); // the dialogs fit the screen as they open
    resize(comfortableSize());
}

// The grids show the workspace's tables, so they go while the workspace is still there.
MainWindow::~MainWindow() {
    delete takeCentralWidget();
}

void MainWindow::setFileChooser(std::unique_ptr<FileChooser> chooser) {
    chooser_ = std::move(chooser);
}

void MainWindow::setExitQuestion(std::unique_ptr<SaveQuestion> question) {
    exitQuestion_ = std::move(question);
}

void MainWindow::setReplaceQuestion(std::unique_ptr<SaveQuestion> question) {
    replaceQuestion_ = std::move(question);
}

void MainWindow::setDownloadQuestion(std::unique_ptr<DownloadQuestion> question) {
    downloadQuestion_ = std::move(question);
}

void MainWindow::setStopQuestion(std::unique_ptr<StopQuestion> question) {
    stopQuestion_ = std::move(question);
}

ExitTable MainWindow::exitTable(TableKind kind, bool fileBehind) {
    const GridParts& parts = grids_[size_t(kind)];
    ExitTable table{QString::fromLatin1(sideOf(kind).name),
                    parts.undo,
                    [editor = parts.editor] { editor->commit(); },
                    [this, kind] { return fileActions_->saveToOwnFile(kind); },
                    {}};
    if (fileBehind)
        table.fileBehind = [this, kind, undo = parts.undo]() -> QString {
            const QString exported = exports_[size_t(kind)];
            if (exported.isEmpty() || !undo->isAheadOfRecords())
                return {};
            const QString own = fileActions_->ownFile(kind);
            const QString workbook = QFileInfo(exported).fileName();
            if (own.isEmpty())
                //: Why Exit asks about a table with nothing unsaved: its grid went to a
                //: workbook (%1) and no file of the table's own (%2: PLU or INGRED) holds it.
                return tr("exported to %1; no %2 file holds it")
                    .arg(workbook, QString::fromLatin1(sideOf(kind).name));
            //: The same when the table's own file (%2) is older than the workbook (%1).
            return tr("exported to %1; %2 is older").arg(workbook, QFileInfo(own).fileName());
        };
    return table;
}

void MainWindow::noteExport(TableKind kind, const QString& path) {
    exports_[size_t(kind)] = path;
}

bool MainWindow::mayReplace(TableKind kind) {
    return mayExit(*replaceQuestion_, {exitTable(kind, false)});
}

void MainWindow::commitOpenEdit(TableKind kind) {
    grids_[size_t(kind)].editor->commit();
}

void MainWindow::showGrid(TableKind kind) {
    GridView* grid = kind == TableKind::Plu ? c_.grdPLU : c_.grdINGRED;
    c_.SSTab->setCurrentWidget(grid->parentWidget());
    grid->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::saveToOwnFile(TableKind kind) {
    return fileActions_->saveToOwnFile(kind);
}

QString MainWindow::tableFile(TableKind kind) const {
    return fileActions_->fileOf(kind);
}

bool MainWindow::hasSource(TableKind kind) const {
    return sources_[size_t(kind)] != QLatin1String(Workspace::kNoFile);
}

MainWindow::SourceOf::SourceOf(MainWindow& window, TableKind kind)
    : window_(window), before_(window.sourceFor_) {
    window.sourceFor_ = kind;
}

MainWindow::SourceOf::~SourceOf() {
    window_.sourceFor_ = before_;
}

void MainWindow::takeSource(const QString& path) {
    if (sourceFor_)
        sources_[size_t(*sourceFor_)] = path;
    else
        sources_.fill(path);
    showSource();
}

void MainWindow::showSource() {
    c_.txtFilePath->setText(sourceOf(keyTable()));
}

void MainWindow::setMemory(std::unique_ptr<QSettings> settings) {
    memory_ = std::move(settings);
    if (memory_)
        restoreWindow(*this, *memory_);
    fitScreen();
}

void MainWindow::remember() {
    if (memory_)
        rememberWindow(*this, *memory_);
}

QSize MainWindow::comfortableSize() const {
    const QSize size(980, 640);
    const QScreen* shown = screen();
    return shown ? size.boundedTo(ScreenFit::room(shown->availableGeometry())) : size;
}

void MainWindow::fitScreen() {
    if (const QScreen* shown = screen())
        ScreenFit::fitInto(*this, shown->availableGeometry());
}

TableKind MainWindow::keyTable() const {
    return c_.SSTab->currentWidget() == c_.grdINGRED->parentWidget() ? TableKind::Ingred
                                                                     : TableKind::Plu;
}

void MainWindow::bindTableKeys() {
    const Controls& c = c_;
    const auto bind = [this, &c] {
        const bool ingred = keyTable() == TableKind::Ingred;
        const std::pair<QAction*, QAction*> pairs[] = {{c.mnuFileNew, c.mnuFileNew1},
                                                       {c.mnuFileOpen, c.mnuFileOpen1}};
        const QKeySequence keys[] = {QKeySequence::New, QKeySequence::Open};
        for (size_t i = 0; i < 2; ++i) {
            (ingred ? pairs[i].second : pairs[i].first)->setShortcut(keys[i]);
            (ingred ? pairs[i].first : pairs[i].second)->setShortcut(QKeySequence());
        }
    };
    bind();
    connect(c.SSTab, &QTabWidget::currentChanged, this, bind);
    // The keys act while the menus are closed, wherever the focus is in the window.
    for (QAction* a : {c.mnuFileNew, c.mnuFileOpen, c.mnuFileNew1, c.mnuFileOpen1}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    // Ctrl+S saves into the table's own file without a dialog, as Exit's "Save" does; the
    // menu entries always show theirs. It waits with them while an exchange runs.
    auto* saveKey = new QAction(this);
    saveKey->setObjectName(QStringLiteral("actSaveKey"));
    saveKey->setShortcut(QKeySequence::Save);
    saveKey->setShortcutContext(Qt::WindowShortcut);
    addAction(saveKey);
    connect(saveKey, &QAction::triggered, this, [this] { saveToOwnFile(keyTable()); });
    connect(c.mnuFileSave, &QAction::enabledChanged, saveKey, &QAction::setEnabled);
}

void MainWindow::showStatus(const QString& text) {
    c_.panel1->setText(text);
}

void MainWindow::addToStatusLine(QWidget* widget) {
    statusEnd_->addWidget(widget);
}

bool MainWindow::showReport(const Report& report) {
    for (const QString& text : report.texts)
        workspace_.status(text);
    if (report.ok() && !report.warnings.isEmpty()) {
        const QString text = report.warnings.join(QLatin1Char('\n'));
        if (notice_) {
            notice_(text);
        } else {
            auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Tarnlink"), text,
                                        QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        }
    }
    return report.ok();
}

Engine& MainWindow::engine() {
    return portActions_->engine();
}

void MainWindow::setPortFactory(const PortFactory& factory) {
    portActions_->setPortFactory(factory);
}

void MainWindow::buildMenus() {
    Controls& c = c_;
    //: The PLU table's menu
    QMenu* plu = named(menuBar()->addMenu(tr("&PLU")), "mnuFile");
    //: Menu entry: empties the table
    c.mnuFileNew = addEntry(plu, tr("&New"), "mnuFileNew");
    connect(c.mnuFileNew, &QAction::triggered, this, [this] {
        if (!mayReplace(TableKind::Plu))
            return;
        const SourceOf source(*this, TableKind::Plu);
        showReport(workspace_.clear(TableKind::Plu));
    });
    //: The menu of the files to open the table from
    QMenu* open = named(plu->addMenu(tr("&Open")), "mnuO");
    c.mnuO = named(open->menuAction(), "mnuO");
    c.mnuFileOpen = addEntry(open, tr("&PLU File( *.PLU)"), "mnuFileOpen");
    named(open->addSeparator(), "mnuSep1");
    c.mnuLxls = addEntry(open, tr("&Excel File( *.XLS)"), "mnuLxls");
    //: The menu of the files to save the table into
    QMenu* save = named(plu->addMenu(tr("&Save")), "mnuS");
    c.mnuS = named(save->menuAction(), "mnuS");
    c.mnuFileSave = addEntry(save, tr("&PLU File ( *.PLU)"), "mnuFileSave");
    named(save->addSeparator(), "mnuSep2");
    c.mnuXls = addEntry(save, tr("&Excel File( *.XLS)"), "mnuXls");
    named(plu->addSeparator(), "mnuSep3");
    c.mnuFileExit = addEntry(plu, tr("E&xit"), "mnuFileExit");
    connect(c.mnuFileExit, &QAction::triggered, this, &MainWindow::exitAfterAsking);

    //: The INGRED table's menu
    QMenu* ingred = named(menuBar()->addMenu(tr("&INGRED")), "mnuFile1");
    //: Menu entry: empties the table
    c.mnuFileNew1 = addEntry(ingred, tr("&New"), "mnuFileNew1");
    connect(c.mnuFileNew1, &QAction::triggered, this, [this] {
        if (!mayReplace(TableKind::Ingred))
            return;
        const SourceOf source(*this, TableKind::Ingred);
        showReport(workspace_.clear(TableKind::Ingred));
    });
    //: The menu of the files to open the table from
    QMenu* open1 = named(ingred->addMenu(tr("&Open")), "mnuO1");
    c.mnuO1 = named(open1->menuAction(), "mnuO1");
    c.mnuFileOpen1 = addEntry(open1, tr("&INGRED File( *.INGRED)"), "mnuFileOpen1");
    named(open1->addSeparator(), "mnuSep4");
    c.mnuLxls1 = addEntry(open1, tr("&Excel File( *.XLS)"), "mnuLxls1");
    //: The menu of the files to save the table into
    QMenu* save1 = named(ingred->addMenu(tr("&Save")), "mnuFi");
    c.mnuFi = named(save1->menuAction(), "mnuFi");
    c.mnuFileSave1 = addEntry(save1, tr("&INGRED File( *.INGRED)"), "mnuFileSave1");
    named(save1->addSeparator(), "mnuSep5");
    c.mnuLxls2 = addEntry(save1, tr("&Excel File( *.XLS)"), "mnuLxls2");
    named(ingred->addSeparator(), "mnuSep6");
    c.mnuFileExit1 = addEntry(ingred, tr("E&xit"), "mnuFileExit1");
    connect(c.mnuFileExit1, &QAction::triggered, this, &MainWindow::exitAfterAsking);

    c.mnuAbout = named(menuBar()->addAction(tr("A&bout")), "mnuAbout");
    connect(c.mnuAbout, &QAction::triggered, this, &MainWindow::showAbout);
}

QWidget* MainWindow::buildPortTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* frame = new QGroupBox(tr("Port No"));
    auto* options = new QVBoxLayout(frame);
    Controls& c = c_;
    //: The serial port COM1
    c.optCom1 = named(new QRadioButton(tr("Com&1"), frame), "optCom1");
    options->addWidget(c.optCom1);
    //: The serial port COM2
    c.optCom2 = named(new QRadioButton(tr("Com&2"), frame), "optCom2");
    options->addWidget(c.optCom2);
    auto* other = new QHBoxLayout;
    //: Another port, named in the box beside it
    c.optComOther = named(new QRadioButton(tr("Othe&r"), frame), "optComOther");
    other->addWidget(c.optComOther);
    c.cboComPort = named(new QComboBox(frame), "cboComPort");
    c.cboComPort->setEditable(true);
    c.cboComPort->setMinimumContentsLength(20);
    other->addWidget(c.cboComPort, 1);
    options->addLayout(other);
    auto* contents = new QWidget;
    auto* parts = new QVBoxLayout(contents);
    parts->setContentsMargins(0, 0, 0, 0);
    parts->addWidget(frame);
    auto* buttons = new QHBoxLayout;
    //: Opens the port
    c.cmdPortOpen = button(page, "cmdPortOpen", tr("Op&en"));
    buttons->addWidget(c.cmdPortOpen);
    //: Closes the port
    c.cmdPortClose = button(page, "cmdPortClose", tr("&Close"));
    // Enter in the box of the "Other" port presses "Open".
    connect(c.cboComPort->lineEdit(), &QLineEdit::returnPressed, c.cmdPortOpen,
            &QPushButton::click);
    buttons->addWidget(c.cmdPortClose);
    c.cmdHistory = button(page, "cmdHistory", tr("&History"));
    buttons->addWidget(c.cmdHistory);
    buttons->addStretch(1);
    // Which scale is behind, at a glance: the store's word on each, read-only.
    auto* known = new QGroupBox(tr("Known scales"));
    auto* knownLayout = new QVBoxLayout(known);
    c.lstKnownScales = named(new QTreeWidget(known), "lstKnownScales");
    c.lstKnownScales->setRootIsDecorated(false);
    c.lstKnownScales->setSelectionMode(QAbstractItemView::NoSelection);
    c.lstKnownScales->setHeaderLabels({
        tr("Scale"),
        //: The port names the scale was used under
        tr("Names"),
        //: The computer that ran the scale's last job
        tr("PC"),
        tr("Last job"),
        //: When the last job ended
        tr("Ended"),
        tr("How it ended"),
        //: When the scale last confirmed what the store says it holds
        tr("Confirmed"),
    });
    knownLayout->addWidget(c.lstKnownScales);
    parts->addWidget(known, 1);
    // The port's buttons at the page's foot, in sight however small the window.
    layout->addWidget(scrolled(contents), 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* MainWindow::buildDisplayTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* frame = new QGroupBox(tr("Window"));
    auto* form = new QFormLayout(frame);
    QFont labelFont = font();
    labelFont.setPointSizeF(13.5);
    QFont readoutFont = font();
    readoutFont.setPointSize(18);
    readoutFont.setBold(true);
    const std::tuple<QString, const char*, QLineEdit**> rows[] = {
        {tr("Weight"), "txtWeight", &c_.txtWeight},
        //: The unit price the scale shows
        {tr("Unit"), "txtUnitPrice", &c_.txtUnitPrice},
        //: The total price the scale shows
        {tr("Price"), "txtTotalPrice", &c_.txtTotalPrice}};
    for (const auto& [caption, name, slot] : rows) {
        auto* label = new QLabel(caption, frame);
        label->setFont(labelFont);
        auto* box = *slot = named(new QLineEdit(QStringLiteral("0"), frame), name);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFont(readoutFont);
        box->setReadOnly(true); // what the scale shows, never typed
        form->addRow(label, box);
    }
    layout->addWidget(scrolled(frame));
    auto* buttons = new QHBoxLayout;
    //: Reads the scale's display again
    c_.cmdVFDUpdate = button(page, "cmdVFDUpdate", tr("&Update"));
    buttons->addWidget(c_.cmdVFDUpdate);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

QWidget* MainWindow::buildGridTab(TableKind kind, GridView*& view, const char* gridName,
                                  QLineEdit*& edit, const char* editName,
                                  const QString& rowOverMessage, const char* findName) {
    TextGrid& grid = kind == TableKind::Plu ? workspace_.plu.grid : workspace_.ingred.grid;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    view = named(new GridView(grid, page), gridName);
    view->setTableKind(kind);
    layout->addWidget(view);
    // The overlay box is laid over the grid's current cell while an edit is open.
    edit = named(new QLineEdit(view->viewport()), editName);
    edit->hide();
    GridParts& parts = grids_[size_t(kind)];
    parts.undo = new GridUndo(grid, this);
    connect(parts.undo, &GridUndo::replaced, this,
            [this, kind] { exports_[size_t(kind)].clear(); });
    parts.editor = new GridEditor(*view, *edit, workspace_, rowOverMessage, this);
    parts.editor->setCellWriter([undo = parts.undo](int row, int col, const QString& text) {
        undo->writeCell(row, col, text);
    });
    auto* actions = new GridActions(*view, *parts.undo, workspace_, rowOverMessage, findName, this);
    layout->insertWidget(0, &actions->findBar());
    return page;
}

QWidget* MainWindow::buildDownloadTab() {
    Controls& c = c_;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* choices = new QWidget;
    auto* frames = new QHBoxLayout(choices);
    frames->setContentsMargins(0, 0, 0, 0);
    //: Between the first and the last number of a range
    QWidget* to1 = new QLabel(tr("To"));
    //: Between the first and the last number of a range
    QWidget* to2 = new QLabel(tr("To"));
    frames->addWidget(
        selectionFrame(tr("PLU Download Option"), false,
                       {{&c.optDownOnePLU,
                         "optDownOnePLU",
                         //: An option the arrow keys reach: it may go without a shortcut letter
                         tr("On&e PLU"),
                         {c.txtDownOnePluNo = numberBox(page, "txtDownOnePluNo", "1"),
                          c.lblDownOnePLU = previewLabel(page, "lblDownOnePLU")}},
                        {&c.optDownMultiplePLU,
                         "optDownMultiplePLU",
                         //: An option the arrow keys reach: it may go without a shortcut letter
                         tr("&Multiple PLU"),
                         {c.txtDownStartPluNo = numberBox(page, "txtDownStartPluNo", "1"), to1,
                          c.txtDownEndPluNo = numberBox(page, "txtDownEndPluNo", "2"),
                          c.lblDownMultiplePLU = previewLabel(page, "lblDownMultiplePLU")}},
                        {&c.optDownAllPLU, "optDownAllPLU", tr("ALL PLU"), {}},
                        {&c.optDownChangedPLU,
                         "optDownChangedPLU",
                         //: Sends the records the scale does not hold as they stand. An option the
                         //: arrow keys reach: it may go without a shortcut letter
                         tr("&Changed"),
                         {c.lblDownChangedPLU = countLabel(page, "lblDownChangedPLU")}}}));
    frames->addWidget(
        selectionFrame(tr("INGRED Download Option"), false,
                       {{&c.optDownOneINGRED,
                         "optDownOneINGRED",
                         //: An option the arrow keys reach: it may go without a shortcut letter
                         tr("O&ne INGRED"),
                         {c.txtDownOneIngNo = numberBox(page, "txtDownOneIngNo", "1"),
                          c.lblDownOneINGRED = previewLabel(page, "lblDownOneINGRED")}},
                        {&c.optDownMultipleINGRED,
                         "optDownMultipleINGRED",
                         //: An option the arrow keys reach: it may go without a shortcut letter
                         tr("M&ultiple INGRED"),
                         {c.txtDownStartIngNo = numberBox(page, "txtDownStartIngNo", "1"), to2,
                          c.txtDownEndIngNo = numberBox(page, "txtDownEndIngNo", "2"),
                          c.lblDownMultipleINGRED = previewLabel(page, "lblDownMultipleINGRED")}},
                        {&c.optDownAllINGRED,
                         "optDownAllINGRED",
                         //: An option the arrow keys reach: it may go without a shortcut letter
                         tr("ALL ING&RED"),
                         {}},
                        {&c.optDownChangedINGRED,
                         "optDownChangedINGRED",
                         //: Sends the records the scale does not hold as they stand. An option the
                         //: arrow keys reach: it may go without a shortcut letter
                         tr("C&hanged"),
                         {c.lblDownChangedINGRED = countLabel(page, "lblDownChangedINGRED")}}}));
    layout->addWidget(scrolled(choices));
    auto* buttons = new QHBoxLayout;
    c.cmdPLUDownload = button(page, "cmdPLUDownload", tr(" PLU &Download"));
    buttons->addWidget(c.cmdPLUDownload);
    c.cmdINGREDDownload = button(page, "cmdINGREDDownload", tr("INGRED Do&wnload"));
    buttons->addWidget(c.cmdINGREDDownload);
    c.chkVerify = named(new QCheckBox(tr("&Verify"), page), "chkVerify");
    c.chkVerify->setToolTip(tr("After the download, read the table back and list any record "
                               "the scale holds differently"));
    buttons->addWidget(c.chkVerify);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

QWidget* MainWindow::buildUploadTab() {
    Controls& c = c_;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* choices = new QWidget;
    auto* frames = new QHBoxLayout(choices);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(selectionFrame(tr("PLU Upload Option"), false,
                                     {{&c.optUpOnePLU,
                                       "optUpOnePLU",
                                       tr("On&e PLU"),
                                       {c.txtUpOnePluNo = numberBox(page, "txtUpOnePluNo", "1")}},
                                      {&c.optUpAllPLU, "optUpAllPLU", tr("All PLU"), {}}}));
    frames->addWidget(selectionFrame(tr("INGRED Upload Option"), true,
                                     {{&c.optUpOneING,
                                       "optUpOneING",
                                       tr("O&ne INGRED"),
                                       {c.txtUpOneIngNo = numberBox(page, "txtUpOneIngNo", "1")}},
                                      {&c.optUpAllING, "optUpAllING", tr("All INGRED"), {}}}));
    layout->addWidget(scrolled(choices));
    auto* buttons = new QHBoxLayout;
    c.cmdPLUUpload = button(page, "cmdPLUUpload", tr("PLU &Upload"));
    buttons->addWidget(c.cmdPLUUpload);
    c.cmdINGUpload = button(page, "cmdINGUpload", tr("INGRED Uploa&d"));
    buttons->addWidget(c.cmdINGUpload);
    // Reads the scale's table beside the one on screen, which stays as it is.
    c.cmdPLUCompare = button(page, "cmdPLUCompare", tr("PLU Co&mpare"));
    buttons->addWidget(c.cmdPLUCompare);
    c.cmdINGCompare = button(page, "cmdINGCompare", tr("INGRED Compa&re"));
    buttons->addWidget(c.cmdINGCompare);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

void MainWindow::buildStatusBar() {
    auto* bar = named(new QStatusBar(this), "StatusBar");
    // The status line, and under it a line of advice after a transfer failed on the way.
    auto* body = new QWidget(bar);
    auto* lines = new QGridLayout(body);
    lines->setContentsMargins(0, 0, 0, 0);
    QLabel* panel1 = c_.panel1 = named(new QLabel(body), "Panel1");
    // A long text takes a second line, never widens the window: not even a long word (a path).
    panel1->setWordWrap(true);
    panel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* date = named(new QLabel(body), "Panel2");
    auto* time = named(new QLabel(body), "Panel3");
    lines->addWidget(panel1, 0, 0);
    lines->addWidget(date, 0, 1);
    lines->addWidget(time, 0, 2);
    statusEnd_ = new QHBoxLayout;
    lines->addLayout(statusEnd_, 0, 3);
    lines->setColumnStretch(0, 1);
    c_.lblTransferAdvice = named(new QLabel(body), "lblTransferAdvice");
    c_.lblTransferAdvice->setWordWrap(true);
    c_.lblTransferAdvice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    c_.lblTransferAdvice->hide();
    lines->addWidget(c_.lblTransferAdvice, 1, 0, 1, 4);
    bar->addWidget(body, 1);
    setStatusBar(bar);
    auto tick = [date, time] {
        const QDateTime now = QDateTime::currentDateTime();
        date->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
        time->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    };
    tick();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, tick);
    clock->start(1000);
}

// Start-up: every control in its first state, both tables empty, no file. The port's buttons
// are set by the Port tab's actions, with the port closed.
void MainWindow::formLoad() {
    const Controls& c = c_;
    c.optCom1->setChecked(true);
    showReport(workspace_.startUp());
    c.txtEditGrid->hide();
    c.txtEditGrid1->hide();
    for (QRadioButton* o : {c.optDownOnePLU, c.optDownOneINGRED, c.optUpOnePLU, c.optUpOneING})
        o->setChecked(true);
}

bool MainWindow::exitAfterAsking() {
    if (exitWhenStopped_)
        return false; // already stopping, to exit
    if (transfers_->running()) {
        if (!stopQuestion_->askStop(transfers_->runningText()))
            return false;
        // The job is stopped as Stop stops it, and recorded so; Exit goes on when it has ended
        // (unless it ended while the question was open).
        if (transfers_->running()) {
            exitWhenStopped_ = true;
            transfers_->cmdStop();
            return false;
        }
    }
    if (!mayExit(*exitQuestion_,
                 {exitTable(TableKind::Plu, true), exitTable(TableKind::Ingred, true)}))
        return false;
    exitProgram();
    return true;
}

void MainWindow::exitProgram() {
    remember();
    portActions_->stop();
    exitHandler_();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(exitAfterAsking());
}

void MainWindow::showAbout() {
    if (!about_)
        about_ = new AboutDialog(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

} // namespace tarn
