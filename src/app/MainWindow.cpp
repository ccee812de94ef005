#include "MainWindow.h"

#include "AboutDialog.h"
#include "FileActions.h"
#include "FindBar.h"
#include "GridActions.h"
#include "GridEditor.h"
#include "GridHistory.h"
#include "GridView.h"
#include "PortActions.h"
#include "SheetActions.h"
#include "TransferActions.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tarn {

namespace {

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QAction* addEntry(QMenu* menu, const char* caption, const char* name) {
    return named(menu->addAction(QString::fromLatin1(caption)), name);
}

QLineEdit* numberBox(QWidget* parent, const char* name, const char* initial) {
    auto* box = named(new QLineEdit(QString::fromLatin1(initial), parent), name);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMaxLength(3);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    return named(new QPushButton(QString::fromLatin1(caption), parent), name);
}

// One line of a selection frame: the option button, then its label or caption, then any
// number boxes.
struct OptionRow {
    const char* option;
    const char* label;
    std::vector<QWidget*> boxes;
};

QGroupBox* selectionFrame(const char* title, bool captionsOnButtons,
                          const std::vector<OptionRow>& rows) {
    auto* frame = new QGroupBox(QString::fromLatin1(title));
    auto* grid = new QGridLayout(frame);
    int r = 0;
    for (const OptionRow& row : rows) {
        if (captionsOnButtons) {
            grid->addWidget(
                named(new QRadioButton(QString::fromLatin1(row.label), frame), row.option), r, 0, 1,
                2);
        } else {
            grid->addWidget(named(new QRadioButton(frame), row.option), r, 0);
            grid->addWidget(new QLabel(QString::fromLatin1(row.label), frame), r, 1);
        }
        int c = 2;
        for (QWidget* box : row.boxes) {
            box->setParent(frame);
            grid->addWidget(box, r, c++);
        }
        ++r;
    }
    grid->setColumnStretch(10, 1);
    return frame;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), chooser_(std::make_unique<DialogFileChooser>(this)),
      exitHandler_([] { QCoreApplication::exit(0); }),
      exitQuestion_(std::make_unique<DialogExitQuestion>(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tarnlink"));

    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    tabs_ = named(new QTabWidget(central), "SSTab");
    tabs_->addTab(buildPortTab(), QStringLiteral("Port"));
    tabs_->addTab(buildDisplayTab(), QStringLiteral("Display"));
    tabs_->addTab(buildGridTab(TableKind::Plu, "grdPLU", "txtEditGrid", " Error ! PLU No is over ",
                               "txtFind"),
                  QStringLiteral("PLU"));
    tabs_->addTab(buildDownloadTab(), QStringLiteral("Download"));
    tabs_->addTab(buildUploadTab(), QStringLiteral("Upload"));
    tabs_->addTab(buildGridTab(TableKind::Ingred, "grdINGRED", "txtEditGrid1",
                               " Error ! Message No is over ", "txtFind1"),
                  QStringLiteral("INGRED"));
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_, 1);

    auto* source = new QHBoxLayout;
    source->addWidget(new QLabel(QStringLiteral("Source"), central));
    filePath_ = named(new QLineEdit(central), "txtFilePath");
    source->addWidget(filePath_, 1);
    layout->addLayout(source);
    setCentralWidget(central);

    buildStatusBar();

    connect(&workspace_, &Workspace::statusChanged, this, &MainWindow::showStatus);
    connect(&workspace_, &Workspace::filePathChanged, filePath_, &QLineEdit::setText);

    fileActions_ = new FileActions(*this);
    new SheetActions(*this); // the workbook entries of both menus
    formLoad();
    portActions_ = new PortActions(*this, workspace_);
    new TransferActions(*this); // the transfer buttons and the display read
    resize(980, 640);
}

// The grids show the workspace's tables, so they go while the workspace is still there.
MainWindow::~MainWindow() {
    delete takeCentralWidget();
}

void MainWindow::setFileChooser(std::unique_ptr<FileChooser> chooser) {
    chooser_ = std::move(chooser);
}

void MainWindow::setExitQuestion(std::unique_ptr<ExitQuestion> question) {
    exitQuestion_ = std::move(question);
}

void MainWindow::showStatus(const QString& text) {
    panel1_->setText(text);
}

ScaleLink& MainWindow::link() {
    return portActions_->link();
}

void MainWindow::buildMenus() {
    QMenu* plu = named(menuBar()->addMenu(QStringLiteral("PLU")), "mnuFile");
    connect(addEntry(plu, "New", "mnuFileNew"), &QAction::triggered, this,
            [this] { workspace_.clear(TableKind::Plu); });
    QMenu* open = named(plu->addMenu(QStringLiteral("Open")), "mnuO");
    open->menuAction()->setObjectName(QStringLiteral("mnuO"));
    addEntry(open, "PLU File( *.PLU)", "mnuFileOpen");
    named(open->addSeparator(), "mnuSep1");
    addEntry(open, "Excel File( *.XLS)", "mnuLxls");
    QMenu* save = named(plu->addMenu(QStringLiteral("Save")), "mnuS");
    save->menuAction()->setObjectName(QStringLiteral("mnuS"));
    addEntry(save, "PLU File ( *.PLU)", "mnuFileSave");
    named(save->addSeparator(), "mnuSep2");
    addEntry(save, "Excel File( *.XLS)", "mnuXls");
    named(plu->addSeparator(), "mnuSep3");
    connect(addEntry(plu, "Exit", "mnuFileExit"), &QAction::triggered, this,
            &MainWindow::exitAfterAsking);

    QMenu* ingred = named(menuBar()->addMenu(QStringLiteral("INGRED")), "mnuFile1");
    connect(addEntry(ingred, "New", "mnuFileNew1"), &QAction::triggered, this,
            [this] { workspace_.clear(TableKind::Ingred); });
    QMenu* open1 = named(ingred->addMenu(QStringLiteral("Open")), "mnuO1");
    open1->menuAction()->setObjectName(QStringLiteral("mnuO1"));
    addEntry(open1, "INGRED File( *.INGRED)", "mnuFileOpen1");
    named(open1->addSeparator(), "mnuSep4");
    addEntry(open1, "Excel File( *.XLS)", "mnuLxls1");
    QMenu* save1 = named(ingred->addMenu(QStringLiteral("Save")), "mnuFi");
    save1->menuAction()->setObjectName(QStringLiteral("mnuFi"));
    addEntry(save1, "INGRED File( *.INGRED)", "mnuFileSave1");
    named(save1->addSeparator(), "mnuSep5");
    addEntry(save1, "Excel File( *.XLS)", "mnuLxls2");
    named(ingred->addSeparator(), "mnuSep6");
    connect(addEntry(ingred, "Exit", "mnuFileExit1"), &QAction::triggered, this,
            &MainWindow::exitAfterAsking);

    QAction* about = named(menuBar()->addAction(QStringLiteral("About")), "mnuAbout");
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

QWidget* MainWindow::buildPortTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* frame = new QGroupBox(QStringLiteral("Port No"), page);
    auto* options = new QVBoxLayout(frame);
    options->addWidget(named(new QRadioButton(QStringLiteral("Com1"), frame), "optCom1"));
    options->addWidget(named(new QRadioButton(QStringLiteral("Com2"), frame), "optCom2"));
    auto* other = new QHBoxLayout;
    other->addWidget(named(new QRadioButton(QStringLiteral("Other"), frame), "optComOther"));
    auto* device = named(new QComboBox(frame), "cboComPort");
    device->setEditable(true);
    device->setMinimumContentsLength(20);
    other->addWidget(device, 1);
    options->addLayout(other);
    layout->addWidget(frame);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(page, "cmdPortOpen", "Open"));
    buttons->addWidget(button(page, "cmdPortClose", "Close"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

QWidget* MainWindow::buildDisplayTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* frame = new QGroupBox(QStringLiteral("Window"), page);
    auto* form = new QFormLayout(frame);
    QFont labelFont = font();
    labelFont.setPointSizeF(13.5);
    QFont readoutFont = font();
    readoutFont.setPointSize(18);
    readoutFont.setBold(true);
    const std::pair<const char*, const char*> rows[] = {
        {"Weight", "txtWeight"}, {"Unit", "txtUnitPrice"}, {"Price", "txtTotalPrice"}};
    for (const auto& [caption, name] : rows) {
        auto* label = new QLabel(QString::fromLatin1(caption), frame);
        label->setFont(labelFont);
        auto* box = named(new QLineEdit(QStringLiteral("0"), frame), name);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFont(readoutFont);
        form->addRow(label, box);
    }
    layout->addWidget(frame);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(page, "cmdVFDUpdate", "Update"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

QWidget* MainWindow::buildGridTab(TableKind kind, const char* gridName, const char* editName,
                                  const char* rowOverMessage, const char* findName) {
    TextGrid& grid = kind == TableKind::Plu ? workspace_.plu.grid : workspace_.ingred.grid;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* view = named(new GridView(grid, page), gridName);
    layout->addWidget(view);
    // The overlay box is laid over the grid's current cell while an edit is open.
    auto* edit = named(new QLineEdit(page), editName);
    edit->hide();
    GridParts& parts = grids_[size_t(kind)];
    parts.history = new GridHistory(grid, this);
    parts.editor =
        new GridEditor(*view, *edit, workspace_, QString::fromLatin1(rowOverMessage), this);
    parts.editor->setCellWriter([history = parts.history](int row, int col, const QString& text) {
        history->writeCell(row, col, text);
    });
    auto* actions = new GridActions(*view, *parts.history, workspace_,
                                    QString::fromLatin1(rowOverMessage), findName, this);
    layout->insertWidget(0, &actions->findBar());
    return page;
}

QWidget* MainWindow::buildDownloadTab() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    QWidget* to1 = new QLabel(QStringLiteral("To"));
    QWidget* to2 = new QLabel(QStringLiteral("To"));
    layout->addWidget(
        selectionFrame("PLU Download Option", false,
                       {{"optDownOnePLU", "One PLU", {numberBox(page, "txtDownOnePluNo", "1")}},
                        {"optDownMultiplePLU",
                         "Multiple PLU",
                         {numberBox(page, "txtDownStartPluNo", "1"), to1,
                          numberBox(page, "txtDownEndPluNo", "2")}},
                        {"optDownAllPLU", "ALL PLU", {}}}),
        0, 0);
    layout->addWidget(
        selectionFrame(
            "INGRED Download Option", false,
            {{"optDownOneINGRED", "One INGRED", {numberBox(page, "txtDownOneIngNo", "1")}},
             {"optDownMultipleINGRED",
              "Multiple INGRED",
              {numberBox(page, "txtDownStartIngNo", "1"), to2,
               numberBox(page, "txtDownEndIngNo", "2")}},
             {"optDownAllINGRED", "ALL INGRED", {}}}),
        0, 1);
    layout->addWidget(button(page, "cmdPLUDownload", " PLU Download"), 1, 0);
    layout->addWidget(button(page, "cmdINGREDDownload", "INGRED Download"), 1, 1);
    layout->setRowStretch(2, 1);
    return page;
}

QWidget* MainWindow::buildUploadTab() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(
        selectionFrame("PLU Upload Option", false,
                       {{"optUpOnePLU", "One PLU", {numberBox(page, "txtUpOnePluNo", "1")}},
                        {"optUpAllPLU", "All PLU", {}}}),
        0, 0);
    layout->addWidget(
        selectionFrame("INGRED Upload Option", true,
                       {{"optUpOneING", "One INGRED", {numberBox(page, "txtUpOneIngNo", "1")}},
                        {"optUpAllING", "All INGRED", {}}}),
        0, 1);
    layout->addWidget(button(page, "cmdPLUUpload", "PLU Upload"), 1, 0);
    layout->addWidget(button(page, "cmdINGUpload", "INGRED Upload"), 1, 1);
    layout->setRowStretch(2, 1);
    return page;
}

void MainWindow::buildStatusBar() {
    auto* bar = named(new QStatusBar(this), "StatusBar");
    panel1_ = named(new QLabel(bar), "Panel1");
    auto* date = named(new QLabel(bar), "Panel2");
    auto* time = named(new QLabel(bar), "Panel3");
    bar->addWidget(panel1_, 1);
    bar->addPermanentWidget(date);
    bar->addPermanentWidget(time);
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

// Start-up: every control in its first state, both tables empty, no file.
void MainWindow::formLoad() {
    findChild<QRadioButton*>(QStringLiteral("optCom1"))->setChecked(true);
    findChild<QPushButton*>(QStringLiteral("cmdPortOpen"))->setEnabled(true);
    for (const char* name : {"cmdPortClose", "cmdVFDUpdate", "cmdPLUDownload", "cmdINGREDDownload",
                             "cmdPLUUpload", "cmdINGUpload"})
        findChild<QPushButton*>(QString::fromLatin1(name))->setEnabled(false);
    workspace_.startUp();
    for (const char* name : {"txtEditGrid", "txtEditGrid1"})
        findChild<QLineEdit*>(QString::fromLatin1(name))->hide();
    for (const char* name : {"optDownOnePLU", "optDownOneINGRED", "optUpOnePLU", "optUpOneING"})
        findChild<QRadioButton*>(QString::fromLatin1(name))->setChecked(true);
}

bool MainWindow::exitAfterAsking() {
    std::vector<ExitTable> tables;
    for (TableKind kind : {TableKind::Plu, TableKind::Ingred}) {
        const GridParts& parts = grids_[size_t(kind)];
        tables.push_back({QString::fromLatin1(sideOf(kind).name), parts.history,
                          [editor = parts.editor] { editor->commit(); },
                          [this, kind] { return fileActions_->saveBeforeExit(kind); }});
    }
    if (!mayExit(*exitQuestion_, tables))
        return false;
    exitProgram();
    return true;
}

void MainWindow::exitProgram() {
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
