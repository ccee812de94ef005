// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "ExitGuard.h"
#include "FileChooser.h"
#include "PortFactory.h"
#include "SafetyQuestions.h"
#include "Workspace.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QHBoxLayout;
class QLabel;
class QSettings;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tarn {

class AboutDialog;
class FileActions;
class GridEditor;
class GridUndo;
class GridView;
class PortActions;
class TransferActions;
class Engine;

// frmMain: the program's one working window. It owns the workspace (both tables, the file
// source, the status line) and turns what the layers below report into controls' states.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return workspace_; }

    // Tests answer file dialogs in advance through their own chooser.
    void setFileChooser(std::unique_ptr<FileChooser> chooser);
    FileChooser& fileChooser() { return *chooser_; }

    // Exit asks this whether to save changed tables; tests answer it in advance.
    void setExitQuestion(std::unique_ptr<SaveQuestion> question);

    // What the window asks before it replaces or sends a table; tests answer in advance.
    void setReplaceQuestion(std::unique_ptr<SaveQuestion> question);
    void setDownloadQuestion(std::unique_ptr<DownloadQuestion> question);
    DownloadQuestion& downloadQuestion() { return *downloadQuestion_; }
    // What Exit asks while an exchange runs; tests answer in advance.
    void setStopQuestion(std::unique_ptr<StopQuestion> question);

    // Before something replaces a table's grid (New, Open, an upload): with changes not saved
    // in it, the operator is asked Exit's question for that table. False when the grid must
    // stay as it is.
    bool mayReplace(TableKind kind);
    // Writes an open edit of the table's grid into its cell.
    void commitOpenEdit(TableKind kind);
    // Shows the table's tab with the focus in its grid, where typing fills the current cell
    // (after a load, and when the operator shows the tab by keyboard).
    void showGrid(TableKind kind);
    // Saves the table (an open edit included) into its own file, through the save dialog when
    // it has none.
    bool saveToOwnFile(TableKind kind);
    // The file the table came from or was last saved to; empty when none.
    QString tableFile(TableKind kind) const;

    // A workbook export of the table's grid: Exit asks about it while the table's file is
    // behind the grid.
    void noteExport(TableKind kind, const QString& path);

    // The file behind each table on its own: the one it was loaded from, saved to or imported
    // from; "?" after New or an upload of it. A download refuses only when its own table has
    // none; the Source box shows the INGRED table's on the "INGRED" tab, the PLU table's on the
    // others.
    QString sourceOf(TableKind kind) const { return sources_[size_t(kind)]; }
    bool hasSource(TableKind kind) const;
    // While one lives, a change of the workspace's file is the source of `kind`'s table alone
    // (a load, a save, an import, New or an upload of that table); any other change of it (the
    // start-up) is the source of both.
    class SourceOf {
    public:
        SourceOf(MainWindow& window, TableKind kind);
        ~SourceOf();
        SourceOf(const SourceOf&) = delete;
        SourceOf& operator=(const SourceOf&) = delete;

    private:
        MainWindow& window_;
        std::optional<TableKind> before_;
    };

    // Where the window keeps what it remembers between runs (the chosen port, the dialogs'
    // folders, its size, the grids' column widths): read now, written at Exit.
    void setMemory(std::unique_ptr<QSettings> settings);
    // That place, or null when the window remembers nothing (tests).
    QSettings* memory() const { return memory_.get(); }
    // The size the window opens with: room for its work, within the screen's available area.
    QSize comfortableSize() const;
    // Writes what the window remembers; Exit does this itself.
    void remember();

    // The undo stack of a table's grid, which also knows whether the grid has changed.
    GridUndo& gridUndo(TableKind kind) { return *grids_[size_t(kind)].undo; }

    // What Exit does; the program's main() ends the process at once, tests record the call.
    void setExitHandler(std::function<void()> handler) { exitHandler_ = std::move(handler); }
    // Exit: stops any wait on the line, closes the port and ends the program, without asking
    // (also what an interrupt from outside does).
    void exitProgram();

    void showStatus(const QString& text);
    // Puts a widget at the right end of the status line (the progress bar, Stop).
    void addToStatusLine(QWidget* widget);
    // What a load, a save, an import, an export or New came to, shown in one place: each text
    // on the status line in turn, then the warnings of a completed one in a notice. Returns
    // whether it completed.
    bool showReport(const Report& report);
    // What tells the operator of warnings: a message box that does not wait for its answer;
    // tests keep the texts.
    void setNotice(std::function<void(const QString&)> notice) { notice_ = std::move(notice); }

    // The controls, for the handlers of the menus, buttons and grids.
    const Controls& controls() const { return c_; }

    // The "Port" tab's handlers and the engine that owns the port and runs the transfers.
    PortActions& portActions() { return *portActions_; }
    Engine& engine();
    // Ports made by `factory` from now on (tests: an in-process scale on virtual time).
    void setPortFactory(const PortFactory& factory);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildPortTab();
    QWidget* buildDisplayTab();
    // A grid's page: the grid, its overlay box and the editing of its cells.
    QWidget* buildGridTab(TableKind kind, GridView*& view, const char* gridName, QLineEdit*& edit,
                          const char* editName, const QString& rowOverMessage,
                          const char* findName);
    QWidget* buildDownloadTab();
    QWidget* buildUploadTab();
    void buildStatusBar();
    void formLoad();
    // Exit from a menu or the close control: while an exchange runs the operator is asked
    // whether to stop it (Exit goes on once it has ended, as after Stop), then, with unsaved
    // edits, whether to save them. False when the program stays open for now.
    bool exitAfterAsking();
    void showAbout();
    // Ctrl+N, Ctrl+O and Ctrl+S act on the table whose tab is current (PLU unless the INGRED
    // tab is): New and Open as their entries do, Save into the table's own file.
    void bindTableKeys();
    TableKind keyTable() const;
    // `fileBehind`: Exit asks about a table whose file is behind a grid exported to a workbook.
    ExitTable exitTable(TableKind kind, bool fileBehind);
    // At start the window never exceeds the screen's available area.
    void fitScreen();
    void takeSource(const QString& path);
    void showSource();

    Workspace workspace_;
    std::unique_ptr<FileChooser> chooser_;
    std::function<void()> exitHandler_;
    std::function<void(const QString&)> notice_;
    Controls c_;
    std::unique_ptr<SaveQuestion> exitQuestion_;
    std::unique_ptr<SaveQuestion> replaceQuestion_;
    std::unique_ptr<DownloadQuestion> downloadQuestion_;
    std::unique_ptr<StopQuestion> stopQuestion_;
    bool exitWhenStopped_ = false; // Exit waits for the exchange it stopped to end
    std::unique_ptr<QSettings> memory_;
    struct GridParts {
        GridEditor* editor = nullptr;
        GridUndo* undo = nullptr;
    };
    std::array<GridParts, 2> grids_; // by TableKind
    std::array<QString, 2> sources_; // by TableKind
    std::array<QString, 2> exports_; // by TableKind: the last workbook export since a load
    std::optional<TableKind> sourceFor_;
    FileActions* fileActions_ = nullptr;
    AboutDialog* about_ = nullptr;
    PortActions* portActions_ = nullptr;
    TransferActions* transfers_ = nullptr;
    QHBoxLayout* statusEnd_ = nullptr; // the status line's right end
};

} // namespace tarn
