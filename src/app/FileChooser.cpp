// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>

namespace tarn {

namespace {

// The patterns of filter `index`: "*.xls", "*.xlsx".
QStringList patternsOf(const QString& filter, int index) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    const qsizetype at = qsizetype(index) * 2 + 1;
    if (index < 0 || at >= parts.size())
        return {};
    return parts[at].split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

// The extensions of filter `index` without their dots ("xls", "xlsx"); "*.*" gives none.
QStringList extensionsOf(const QString& filter, int index) {
    QStringList out;
    for (QString p : patternsOf(filter, index)) {
        p = p.trimmed();
        if (p.startsWith(QLatin1String("*.")) && p.indexOf(QLatin1Char('*'), 1) < 0)
            out << p.mid(2);
    }
    return out;
}

} // namespace

QString FileChooser::extensionOf(const QString& filter, int index) {
    QString chosen;
    for (QString p : patternsOf(filter, index)) {
        p = p.trimmed();
        if (!p.startsWith(QLatin1String("*.")) || p.indexOf(QLatin1Char('*'), 1) > 0)
            continue; // "*.*" gives no extension
        const QString ext = p.mid(1);
        if (chosen.isEmpty())
            chosen = ext;
        else if (ext.compare(chosen, Qt::CaseInsensitive) == 0 && ext == ext.toUpper())
            chosen = ext; // the same extension in capitals, as the scale's files are named
    }
    return chosen;
}

QString FileChooser::proposedName(const QString& tableFile, const QString& filter, int index) {
    if (tableFile.isEmpty())
        return {};
    const QFileInfo file(tableFile);
    const QString ext = extensionOf(filter, index);
    if (ext.isEmpty() || file.fileName().endsWith(ext, Qt::CaseInsensitive))
        return file.fileName();
    return file.completeBaseName() + ext;
}

QString FileChooser::withExtension(const QString& path, const QString& filter, int index) {
    QStringList allowed = extensionsOf(filter, index);
    QString added = extensionOf(filter, index);
    if (allowed.isEmpty()) { // "*.*": any kind this dialog saves
        const int filters = int(filter.split(QLatin1Char('|')).size() / 2);
        for (int i = 0; i < filters; ++i)
            allowed << extensionsOf(filter, i);
        added = extensionOf(filter, 0);
    }
    if (added.isEmpty() || allowed.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive))
        return path;
    return path + added;
}

std::optional<QString> FileChooser::savePath(const QString& filter, const QString& tableFile) {
    // Proposed beside the table's file; a dialog that was used before starts in its own folder.
    QString proposed = proposedName(tableFile, filter, 0);
    if (!proposed.isEmpty())
        proposed = QFileInfo(tableFile).absoluteDir().filePath(proposed);
    for (;;) {
        const std::optional<Chosen> chosen = chooseSave(filter, proposed);
        if (!chosen || chosen->path.isEmpty())
            return std::nullopt;
        const QString path = withExtension(chosen->path, filter, chosen->filter);
        if (!QFileInfo::exists(path) || mayReplace(path))
            return path;
        proposed = path;
    }
}

QStringList DialogFileChooser::qtFilters(const QString& filter) {
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QByteArray description = parts[i].trimmed().toUtf8();
        out << QStringLiteral("%1 (%2)").arg(
            QCoreApplication::translate("FileChooser", description.constData()), patterns);
    }
    return out;
}

QString DialogFileChooser::folderKey(bool forSaving, const QString& filter) const {
    return QStringLiteral("folders/%1 %2")
        .arg(forSaving ? QStringLiteral("save") : QStringLiteral("open"),
             filter.section(QLatin1Char('|'), 0, 0));
}

QString DialogFileChooser::lastFolder(const QString& key) const {
    if (memory_)
        return memory_->value(key).toString();
    return folders_.value(key);
}

void DialogFileChooser::keepFolder(const QString& key, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    folders_.insert(key, folder);
    if (memory_)
        memory_->setValue(key, folder);
}

std::optional<QString> DialogFileChooser::openPath(const QString& filter) {
    const QString key = folderKey(false, filter);
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFilters(filter));
    if (const QString folder = lastFolder(key); !folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    keepFolder(key, path);
    return path;
}

std::optional<FileChooser::Chosen> DialogFileChooser::chooseSave(const QString& filter,
                                                                 const QString& proposed) {
    const QString key = folderKey(true, filter);
    const QStringList filters = qtFilters(filter);
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Whether to replace a file is asked once the name has its kind's extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters);
    const QString folder = lastFolder(key);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    // The dialog adds the chosen filter's extension to a name typed without one, before it
    // asks whether to replace a file that is there.
    dialog.setDefaultSuffix(extensionOf(filter, 0).mid(1));
    if (!proposed.isEmpty())
        dialog.selectFile(folder.isEmpty() ? proposed : QFileInfo(proposed).fileName());
    int current = 0;
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
        const int index = int(filters.indexOf(chosen));
        if (index < 0)
            return;
        const QString oldExt = extensionOf(filter, current);
        const QString newExt = extensionOf(filter, index);
        current = index;
        dialog.setDefaultSuffix(newExt.mid(1));
        // The name in the box follows the kind chosen, when it still has the old kind's
        // extension.
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            const QString typed = name->text();
            if (!oldExt.isEmpty() && !newExt.isEmpty() &&
                typed.endsWith(oldExt, Qt::CaseInsensitive))
                name->setText(typed.left(typed.size() - oldExt.size()) + newExt);
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    keepFolder(key, path);
    return Chosen{path, std::max(0, int(filters.indexOf(dialog.selectedNameFilter())))};
}

bool DialogFileChooser::mayReplace(const QString& path) {
    return QMessageBox::question(parent_, QStringLiteral("Tarnlink"),
                                 FileChooser::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace tarn
