// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

namespace tarn {

class GridView;

// The main window's controls as its handlers reach them, filled where the window makes them:
// a control that is misspelt or missing is a compile error, not a null pointer at run time.
// Each control also keeps its object name, for the tests and for accessibility tools.
struct Controls {
    // "PLU" menu. mnuO and mnuS are the "Open" and "Save" entries that open their sub-menus.
    QAction* mnuFileNew = nullptr;
    QAction* mnuO = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuLxls = nullptr;
    QAction* mnuS = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuXls = nullptr;
    QAction* mnuFileExit = nullptr;
    // "INGRED" menu; mnuO1 and mnuFi open the sub-menus.
    QAction* mnuFileNew1 = nullptr;
    QAction* mnuO1 = nullptr;
    QAction* mnuFileOpen1 = nullptr;
    QAction* mnuLxls1 = nullptr;
    QAction* mnuFi = nullptr;
    QAction* mnuFileSave1 = nullptr;
    QAction* mnuLxls2 = nullptr;
    QAction* mnuFileExit1 = nullptr;
    QAction* mnuAbout = nullptr;

    QTabWidget* SSTab = nullptr;

    // "Port"
    QRadioButton* optCom1 = nullptr;
    QRadioButton* optCom2 = nullptr;
    QRadioButton* optComOther = nullptr;
    QComboBox* cboComPort = nullptr;
    QPushButton* cmdPortOpen = nullptr;
    QPushButton* cmdPortClose = nullptr;
    QPushButton* cmdHistory = nullptr;     // the transfers the store remembers
    QTreeWidget* lstKnownScales = nullptr; // every scale the store knows, with its last job

    // "Display"
    QLineEdit* txtWeight = nullptr;
    QLineEdit* txtUnitPrice = nullptr;
    QLineEdit* txtTotalPrice = nullptr;
    QPushButton* cmdVFDUpdate = nullptr;

    // "PLU" and "INGRED": the grids and their overlay boxes.
    GridView* grdPLU = nullptr;
    QLineEdit* txtEditGrid = nullptr;
    GridView* grdINGRED = nullptr;
    QLineEdit* txtEditGrid1 = nullptr;

    // "Download"
    QRadioButton* optDownOnePLU = nullptr;
    QRadioButton* optDownMultiplePLU = nullptr;
    QRadioButton* optDownAllPLU = nullptr;
    QLineEdit* txtDownOnePluNo = nullptr;
    QLineEdit* txtDownStartPluNo = nullptr;
    QLineEdit* txtDownEndPluNo = nullptr;
    QRadioButton* optDownOneINGRED = nullptr;
    QRadioButton* optDownMultipleINGRED = nullptr;
    QRadioButton* optDownAllINGRED = nullptr;
    QLineEdit* txtDownOneIngNo = nullptr;
    QLineEdit* txtDownStartIngNo = nullptr;
    QLineEdit* txtDownEndIngNo = nullptr;
    // Beside the "One" and "Multiple" boxes: the records they select.
    QLabel* lblDownOnePLU = nullptr;
    QLabel* lblDownMultiplePLU = nullptr;
    QLabel* lblDownOneINGRED = nullptr;
    QLabel* lblDownMultipleINGRED = nullptr;
    QPushButton* cmdPLUDownload = nullptr;
    QPushButton* cmdINGREDDownload = nullptr;
    // "Changed": the records the scale does not hold as they stand; beside each, how many.
    QRadioButton* optDownChangedPLU = nullptr;
    QLabel* lblDownChangedPLU = nullptr;
    QRadioButton* optDownChangedINGRED = nullptr;
    QLabel* lblDownChangedINGRED = nullptr;
    QCheckBox* chkVerify = nullptr; // a compare after each download

    // "Upload"
    QRadioButton* optUpOnePLU = nullptr;
    QRadioButton* optUpAllPLU = nullptr;
    QLineEdit* txtUpOnePluNo = nullptr;
    QRadioButton* optUpOneING = nullptr;
    QRadioButton* optUpAllING = nullptr;
    QLineEdit* txtUpOneIngNo = nullptr;
    QPushButton* cmdPLUUpload = nullptr;
    QPushButton* cmdINGUpload = nullptr;
    QPushButton* cmdPLUCompare = nullptr;
    QPushButton* cmdINGCompare = nullptr;

    // Below the tabs.
    QLineEdit* txtFilePath = nullptr;
    QLabel* panel1 = nullptr; // the status line
    // The line under it and the progress bar: what a transfer that failed on the way did, and
    // what to do next.
    QLabel* lblTransferAdvice = nullptr;

    // The menu entries that replace, change or write out a table (New, Open, Save and the
    // workbook entries of both menus): none of them may run while an exchange is on the line.
    std::vector<QAction*> tableEntries() const {
        return {mnuFileNew,  mnuO,  mnuFileOpen,  mnuLxls,  mnuS,  mnuFileSave,  mnuXls,
                mnuFileNew1, mnuO1, mnuFileOpen1, mnuLxls1, mnuFi, mnuFileSave1, mnuLxls2};
    }
};

} // namespace tarn
