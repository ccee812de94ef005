// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class QSettings;
class QWidget;

namespace tarn {

// Where the window asks for a path to open or save. Filters are written as the operator-facing
// list "Description|*.a;*.b|Other|*.*", in English: the dialog shows each description
// translated (context "FileChooser", where the callers mark them with QT_TRANSLATE_NOOP), and
// the folder a dialog was last left in is kept under the English one. An empty answer means the
// operator cancelled.
class FileChooser {
    Q_DECLARE_TR_FUNCTIONS(FileChooser)

public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> openPath(const QString& filter) = 0;
    // The save dialog starts with `tableFile`'s base name and the extension of the chosen
    // filter (the first one until the operator chooses another). The chosen filter decides the
    // kind of file written: a name whose extension is not one of that filter's gets the
    // filter's added ("shop.PLU" saved as an Excel Workbook is "shop.PLU.xlsx"), so one kind of
    // file never lands under another kind's name. Only then is the operator asked whether to
    // replace a file of that name; "No" shows the dialog again.
    std::optional<QString> savePath(const QString& filter, const QString& tableFile = QString());

protected:
    // The extension a name saved under filter number `index` gets: ".xls" for "*.xls;*.xlsx",
    // ".PLU" for "*.plu;*.PLU" (a table file's own capitals), none for "*.*".
    static QString extensionOf(const QString& filter, int index);
    // The name proposed under filter `index` for a table kept in `tableFile` ("shop.PLU" under
    // "Excel File|*.xls": "shop.xls"); empty without a file.
    static QString proposedName(const QString& tableFile, const QString& filter, int index);
    // `path` as it is when its extension is one of filter `index`'s (of any filter's, for
    // "*.*"), or else with that filter's extension (the first filter's, for "*.*") added.
    static QString withExtension(const QString& path, const QString& filter, int index);

    struct Chosen {
        QString path;
        int filter = 0; // the index of the filter chosen in the dialog
    };
    virtual std::optional<Chosen> chooseSave(const QString& filter, const QString& proposed) = 0;
    // "already exists": true replaces the file at `path`.
    virtual bool mayReplace(const QString& path) = 0;
};

// The real one: a QFileDialog that starts in the folder that dialog was last left in.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* parent) : parent_(parent) {}
    std::optional<QString> openPath(const QString& filter) override;

    // "PLU file|*.plu;*.PLU" -> "PLU file (*.plu *.PLU)", one Qt filter per pair, each
    // description translated.
    static QStringList qtFilters(const QString& filter);

    // Where each dialog's last folder is kept between runs; without it, for this run only.
    void setMemory(QSettings* settings) { memory_ = settings; }

protected:
    std::optional<Chosen> chooseSave(const QString& filter, const QString& proposed) override;
    bool mayReplace(const QString& path) override;

private:
    QString folderKey(bool forSaving, const QString& filter) const;
    QString lastFolder(const QString& key) const;
    void keepFolder(const QString& key, const QString& path);

    QWidget* parent_;
    QSettings* memory_ = nullptr;
    QMap<QString, QString> folders_;
};

} // namespace tarn
