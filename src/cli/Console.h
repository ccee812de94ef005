// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <optional>
#include <vector>

namespace tarn::cli {

// Where the program writes. stdout carries the results: the status texts of a job, one per
// line, and what a command finds (a compare's differences, the history, the read-outs);
// stderr the errors ("ERROR! ..." texts among the status texts), warnings, usage errors and the
// program's own remarks. Lines from several threads (one per port) never mix.
//
// On a terminal, a job's texts on each port are one progress line, rewritten in place at the
// foot of the output ("PORT deli: 37 / 200  plu#37 is transfered"), instead of a line each;
// written anywhere else, every text is a line as it comes.
class Console {
public:
    // `terminal`: whether stdout is a terminal; by default asked of the system.
    Console(std::FILE* out, std::FILE* err, std::optional<bool> terminal = std::nullopt);

    // --quiet: results and errors only, no status texts, progress or warnings.
    void setQuiet(bool quiet) { quiet_ = quiet; }
    // stdout carries a document (--format csv or json): no status texts or progress on it.
    void setStatusShown(bool shown) { statusShown_ = shown; }
    // Whether a job's texts go to progress lines (a terminal, status texts shown).
    bool live() const { return terminal_ && statusShown_ && !quiet_; }

    // A result: one line on stdout, written at once (a batch log follows the job as it runs).
    void line(const QString& text);
    // Lines a command finds, many at once (history, compare): flushed when a status line
    // comes, or by flush().
    void row(const QString& text);
    void flush();
    // A status text as the window's status line would show it, after `prefix` ("PORT deli: "):
    // an error text as a line on stderr, any other as a line on stdout unless status texts are
    // not shown.
    void status(const QString& text, const QString& prefix = QString());
    // A status text that tells why a job was refused or failed, as a line on stderr.
    void error(const QString& text, const QString& prefix = QString());
    // "tarnlink-cli: " and the text, on stderr.
    void remark(const QString& text);
    // A remark that --quiet leaves out.
    void warning(const QString& text);
    // Text as it is, on stderr.
    void errorText(const QString& text);

    // `rows` progress lines (one a port) while a job runs, when live(); each is drawn from its
    // first progress() on. Lines and errors written meanwhile go above them; endProgress()
    // takes them away.
    void beginProgress(int rows);
    void progress(int row, const QString& text);
    void endProgress();

    // An error text of the status line ("ERROR! cannot open ...", " Error ! PLU No is over ").
    static bool isErrorText(const QString& text);

    // A line could not be written to stdout (a full disk, a closed pipe): the job's log is
    // not whole, and the job must not end as done. The system's reason, or nothing.
    std::optional<QString> outputFailure() const;

private:
    void write(std::FILE* to, const QByteArray& bytes); // with mutex_ held
    void clearRows();                                   // with mutex_ held
    void drawRows();                                    // with mutex_ held
    QByteArray fitted(const QString& text) const;

    std::FILE* out_;
    std::FILE* err_;
    bool terminal_ = false;
    bool errOnTerminal_ = false;
    bool quiet_ = false;
    bool statusShown_ = true;
    std::mutex mutex_;
    std::vector<QString> rows_;
    int drawn_ = 0; // rows on the screen now
    std::atomic<bool> outFailed_ = false;
    int outErrno_ = 0;
};

} // namespace tarn::cli
