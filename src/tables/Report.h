// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tarn {

// What an operation on the tables came to (a load, a save, an import, an export, New): whether
// it completed, the status texts it has for the operator in the order they are shown, and what
// the operator should be told beside them of a completed one. The operations change the tables
// and return this; the window and the command line show it, each in one place.
struct Report {
    enum class Result { Done, Failed, Cancelled };
    Result result = Result::Done;
    QStringList texts;    // status texts, in order; the last is what the status line keeps
    QStringList warnings; // e.g. the rows an import left out; only for a completed operation

    bool ok() const { return result == Result::Done; }
    explicit operator bool() const { return ok(); }
    // The text the status line reads once the report is shown; empty when there is none.
    QString last() const { return texts.isEmpty() ? QString() : texts.last(); }

    // A completed report of one text.
    static Report saying(const QString& text) {
        Report report;
        report.say(text);
        return report;
    }

    void say(const QString& text) { texts.append(text); }
    // Ends the report as failed with its last text.
    Report& fail(const QString& text) {
        texts.append(text);
        result = Result::Failed;
        return *this;
    }
};

} // namespace tarn
