// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's dialogs answered by a test: each answers from what it was told in advance and
// keeps what it was asked. They go in through the window's setters (setFileChooser,
// setExitQuestion, setReplaceQuestion, setDownloadQuestion, setStopQuestion).

#include "ExitGuard.h"
#include "FileChooser.h"
#include "SafetyQuestions.h"

#include <QFileInfo>
#include <QStringList>

#include <deque>
#include <optional>
#include <utility>
#include <vector>

namespace tarn::testing {

// Answers from a queue prepared in advance (std::nullopt is a cancel) and keeps the
// filters it was asked with and the names the save dialogs proposed. "already exists" is
// answered from its own queue, and with "Yes" once that runs out.
class ScriptedFileChooser : public FileChooser {
public:
    // `filter`: the index of the filter the operator chose in a save dialog.
    void answer(std::optional<QString> path, int filter = 0) {
        answers_.push_back({std::move(path), filter});
    }
    void answerReplace(bool replace) { replaceAnswers_.push_back(replace); }
    std::optional<QString> openPath(const QString& filter) override;
    QStringList filtersAsked;
    QStringList proposed;     // the names proposed, without their folder
    QStringList replaceAsked; // the names "already exists" was asked about, without their folder

protected:
    std::optional<Chosen> chooseSave(const QString& filter, const QString& proposedName) override;
    bool mayReplace(const QString& path) override;

private:
    std::deque<std::pair<std::optional<QString>, int>> answers_;
    std::deque<bool> replaceAnswers_;
};

// Answers prepared in advance (Cancel and "no" once they run out), and what was
// asked.
class ScriptedDownloadQuestion : public DownloadQuestion {
public:
    void answer(Unsaved a) { unsaved_.push_back(a); }
    void answerCuts(bool send) { cuts_.push_back(send); }
    Unsaved askUnsaved(const QString& table, Before before) override;
    bool askCuts(const QString& text) override;
    QStringList askedUnsaved; // "PLU" before a download, "PLU Compare" before a compare
    QStringList askedCuts;

private:
    std::deque<Unsaved> unsaved_;
    std::deque<bool> cuts_;
};

// Answers prepared in advance (Cancel once they run out), and what was asked.
class ScriptedSaveQuestion : public SaveQuestion {
public:
    void answer(Answer a) { answers_.push_back(a); }
    Answer ask(const QStringList& tables, const QStringList& remarks) override;
    std::vector<QStringList> asked;
    std::vector<QStringList> remarked; // the remarks of each question

private:
    std::deque<Answer> answers_;
};

// Answers prepared in advance ("Go on" once they run out), and what was asked.
class ScriptedStopQuestion : public StopQuestion {
public:
    void answer(bool stop) { answers_.push_back(stop); }
    bool askStop(const QString& text) override;
    QStringList asked;

private:
    std::deque<bool> answers_;
};

inline std::optional<QString> ScriptedFileChooser::openPath(const QString& filter) {
    filtersAsked << filter;
    if (answers_.empty())
        return std::nullopt;
    std::optional<QString> a = std::move(answers_.front().first);
    answers_.pop_front();
    return a;
}

inline std::optional<FileChooser::Chosen>
ScriptedFileChooser::chooseSave(const QString& filter, const QString& proposedName) {
    filtersAsked << filter;
    proposed << QFileInfo(proposedName).fileName();
    if (answers_.empty())
        return std::nullopt;
    auto [path, index] = std::move(answers_.front());
    answers_.pop_front();
    if (!path)
        return std::nullopt;
    return Chosen{*path, index};
}

inline bool ScriptedFileChooser::mayReplace(const QString& path) {
    replaceAsked << QFileInfo(path).fileName();
    if (replaceAnswers_.empty())
        return true;
    const bool a = replaceAnswers_.front();
    replaceAnswers_.pop_front();
    return a;
}

inline DownloadQuestion::Unsaved ScriptedDownloadQuestion::askUnsaved(const QString& table,
                                                                      Before before) {
    askedUnsaved << (before == Before::Download ? table : table + QStringLiteral(" Compare"));
    if (unsaved_.empty())
        return Unsaved::Cancel;
    const Unsaved a = unsaved_.front();
    unsaved_.pop_front();
    return a;
}

inline bool ScriptedDownloadQuestion::askCuts(const QString& text) {
    askedCuts << text;
    if (cuts_.empty())
        return false;
    const bool a = cuts_.front();
    cuts_.pop_front();
    return a;
}

inline SaveQuestion::Answer ScriptedSaveQuestion::ask(const QStringList& tables,
                                                      const QStringList& remarks) {
    asked.push_back(tables);
    remarked.push_back(remarks);
    if (answers_.empty())
        return Answer::Cancel;
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

inline bool ScriptedStopQuestion::askStop(const QString& text) {
    asked << text;
    if (answers_.empty())
        return false;
    const bool a = answers_.front();
    answers_.pop_front();
    return a;
}

} // namespace tarn::testing
