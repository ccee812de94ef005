#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class QWidget;

namespace tarn {

// Where the window asks for a path to open or save. Filters are written as the operator-facing
// list "Description|*.a;*.b|Other|*.*". An empty answer means the operator cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> openPath(const QString& filter) = 0;
    virtual std::optional<QString> savePath(const QString& filter) = 0;
};

// The real one: a QFileDialog that remembers the last file name chosen, as one shared file
// dialog would.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* parent) : parent_(parent) {}
    std::optional<QString> openPath(const QString& filter) override { return ask(false, filter); }
    std::optional<QString> savePath(const QString& filter) override { return ask(true, filter); }

    // "PLU file|*.plu;*.PLU" -> "PLU file (*.plu *.PLU)", one Qt filter per pair.
    static QStringList qtFilters(const QString& filter);

private:
    std::optional<QString> ask(bool forSaving, const QString& filter);

    QWidget* parent_;
    QString lastPath_;
};

// For tests: answers from a queue prepared in advance (std::nullopt is a cancel) and keeps the
// filters it was asked with.
class ScriptedFileChooser : public FileChooser {
public:
    void answer(std::optional<QString> path) { answers_.push_back(std::move(path)); }
    std::optional<QString> openPath(const QString& filter) override { return next(filter); }
    std::optional<QString> savePath(const QString& filter) override { return next(filter); }
    QStringList filtersAsked;

private:
    std::optional<QString> next(const QString& filter);
    std::deque<std::optional<QString>> answers_;
};

} // namespace tarn
