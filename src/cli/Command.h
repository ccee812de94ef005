// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortFactory.h"
#include "Workspace.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QCommandLineParser;

namespace tarn {
class Interrupt;
} // namespace tarn

namespace tarn::cli {

// The exit status of the program.
enum ExitStatus : int {
    kDone = 0,   // the job ended normally
    kFailed = 1, // refused, failed or abandoned (Ctrl-C included)
    kUsage = 2,  // the command line could not be understood
};

// Where the program writes: stdout carries the status texts, one per line and nothing else;
// stderr the usage errors and the program's own remarks. Lines from several threads (one per
// port) never mix.
class Console {
public:
    Console(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}
    // One line on stdout, written at once (a batch log follows the job as it runs).
    void line(const QString& text);
    // "tarnlink-cli: " and the text, on stderr.
    void remark(const QString& text);
    // Text as it is, on stderr.
    void errorText(const QString& text);

    // A line could not be written to stdout (a full disk, a closed pipe): the job's log is
    // not whole, and the job must not end as done. The system's reason, or nothing.
    std::optional<QString> outputFailure() const;

private:
    std::FILE* out_;
    std::FILE* err_;
    std::mutex mutex_;
    std::atomic<bool> outFailed_ = false;
    int outErrno_ = 0;
};

// What a command needs to run: the tables with the status line turned into stdout lines, the
// console, the ports, and the Ctrl-C that ends a job at once.
class Session {
public:
    // `interrupt` (may be null) reports Ctrl-C; `ports` makes the parts of each port's link.
    Session(Console& console, Interrupt* interrupt, PortFactory ports);

    Workspace& workspace() { return workspace_; }
    Console& console() { return console_; }
    const PortFactory& ports() const { return ports_; }

    // The workspace's texts are printed once behind each of these (one "PORT name: " a port
    // when a job has several); just once, bare, unless set.
    void setLinePrefixes(const QStringList& prefixes) { prefixes_ = prefixes; }

    // A Ctrl-C (or SIGTERM) has come: what runs is stopped and no further job starts.
    // The signal arrives through the event queue, which this lets run first.
    bool interrupted();
    // Called on Ctrl-C, on the program's thread (a job on several ports stops them all).
    std::function<void()> onInterrupt;

    QDate today() const { return QDate::currentDate(); }

private:
    void interrupt();

    Console& console_;
    Workspace workspace_;
    PortFactory ports_;
    QStringList prefixes_{QString()};
    bool interrupted_ = false;
};

// A usage error: the message for stderr.
struct UsageError {
    QString message;
};
// What went wrong in a parse of QCommandLineParser, in the program's words ("unknown option
// --fast", "--port needs a value").
QString usageErrorText(const QCommandLineParser& parser);

// One command of the program, as KeePassXC's command-line tool has them: a name, a line of
// help, its own parsing of the words behind it, and its run.
class Command {
public:
    virtual ~Command() = default;

    virtual QString name() const = 0;
    // The command's synopsis after "tarnlink-cli ", and one line saying what it does.
    virtual QString synopsis() const = 0;
    virtual QString summary() const = 0;

    // Takes the ports given before the command and the words after it. Returns a usage
    // error, or nothing when the command can run.
    virtual std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) = 0;
    // Runs the job; returns the exit status.
    virtual int run(Session& session) = 0;

protected:
    // The ports as given to --port: each a port's name (COM1, COM2, a device path or
    // tcp:HOST:PORT), none given twice; or the usage error.
    static std::optional<UsageError> checkPorts(const QStringList& given);
    // Parses `words` with the command's own parser (its options added); a word "--" ends the
    // options. The usage error in the program's words when they do not fit.
    static std::optional<UsageError> parseWords(QCommandLineParser& parser,
                                                const QStringList& words);
    // "plu" or "ingred" (any case).
    static std::optional<TableKind> kindOf(const QString& word);
    // Parses `words` with `parser` (the command's own options added) and takes its operands:
    // "plu" or "ingred" into `kind`, then one path for each name in `files` ("FILE"; "IN",
    // "OUT") into `paths`. The paths' formats are the command's to check.
    std::optional<UsageError> parseTableOperands(QCommandLineParser& parser,
                                                 const QStringList& words, const QStringList& files,
                                                 TableKind& kind, QStringList& paths) const;
};

// download and upload: a table ("plu" or "ingred"), a file of that table, and options.
class TableCommand : public Command {
protected:
    // Parses `words` with `parser` (the command's own options added; --port is added here)
    // and takes the two operands plu|ingred and FILE into kind_ and file_.
    std::optional<UsageError> parseTableAndFile(QCommandLineParser& parser,
                                                const QStringList& words);

    TableKind kind_ = TableKind::Plu;
    QString file_;
};

// The commands, in the order the help lists them.
std::vector<std::unique_ptr<Command>> allCommands();

// The files a command reads and writes: a .PLU or .INGRED table file, or a spreadsheet
// (.XLS, .XLSX, .ODS, .FODS, .CSV, .TXT), told apart by the extension in any case.
enum class FileFormat { TableFile, Workbook };
// nullopt (with the reason in `why`) when the name fits neither format of the table.
std::optional<FileFormat> formatOf(TableKind kind, const QString& path, QString* why = nullptr);

// What a load, a save, an import or an export came to, printed in one place: each text as a
// line of the status line (the Session's stdout lines), then, when `console` is given, each
// warning of a completed one as a remark "warning: ..." on stderr. Returns whether it completed.
bool showReport(Workspace& ws, const Report& report, Console* console);

// The window's PLU/INGRED "Open" of a table file or workbook, with the dialog answered by
// `path`: the same texts and rules, " Excel File ... Data  " first for a workbook. Shows nothing.
[[nodiscard]] Report openTable(Workspace& ws, TableKind kind, const QString& path);
// The window's "Save" of the table file or workbook to `path`, " Input File Name " first for a
// workbook. Shows nothing; the table takes what was saved, as the window's Save does.
[[nodiscard]] Report writeTable(Workspace& ws, TableKind kind, const QString& path,
                                const QDate& today);

// openTable and writeTable, shown (the warnings go to `console` when given). Return whether the
// table was replaced, or the file written.
bool loadTable(Workspace& ws, TableKind kind, const QString& path, Console* console = nullptr);
bool saveTable(Workspace& ws, TableKind kind, const QString& path, const QDate& today);

} // namespace tarn::cli
