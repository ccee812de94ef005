#include "FileChooser.h"

#include <QFileDialog>

namespace tarn {

QStringList DialogFileChooser::qtFilters(const QString& filter) {
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns);
    }
    return out;
}

std::optional<QString> DialogFileChooser::ask(bool forSaving, const QString& filter) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFilters(filter));
    if (!lastPath_.isEmpty())
        dialog.selectFile(lastPath_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    lastPath_ = dialog.selectedFiles().constFirst();
    return lastPath_;
}

std::optional<QString> ScriptedFileChooser::next(const QString& filter) {
    filtersAsked << filter;
    if (answers_.empty())
        return std::nullopt;
    std::optional<QString> a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

} // namespace tarn
