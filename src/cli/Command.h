#pragma once

#include "Workspace.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tarn {
class ScaleLink;
}

namespace tarn::cli {

// The exit status of the program.
enum ExitStatus : int {
    kDone = 0,   // the job ended normally
    kFailed = 1, // refused, failed or abandoned (Ctrl-C included)
    kUsage = 2,  // the command line could not be understood
};

// Where the program writes: stdout carries the status texts, one per line and nothing else;
// stderr the usage errors and the program's own remarks.
class Console {
public:
    Console(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}
    // One line on stdout, written at once (a batch log follows the job as it runs).
    void line(const QString& text);
    // "tarnlink-cli: " and the text, on stderr.
    void remark(const QString& text);
    // Text as it is, on stderr.
    void errorText(const QString& text);

private:
    std::FILE* out_;
    std::FILE* err_;
};

// What a command needs to run: the tables with the status line turned into stdout lines, the
// console, the ports, and the Ctrl-C that ends a job at once.
class Interrupt;

class Session {
public:
    // `interrupt` (may be null) reports Ctrl-C.
    explicit Session(Console& console, Interrupt* interrupt = nullptr);
    ~Session();

    Workspace& workspace() { return workspace_; }
    Console& console() { return console_; }

    // Opens the link to the scale on a port as the command line names it (COM1, COM2 or a
    // device path); the session keeps it until closeLink(). When the port cannot be opened the
    // window's "ERROR! cannot open ..." text is printed and nullptr returned; after a Ctrl-C
    // nullptr is returned at once. A Ctrl-C stops the link's waits at once.
    ScaleLink* openLink(const QString& port);
    void closeLink();

    // A Ctrl-C (or SIGTERM) has come: the open link is stopped and no further job starts.
    // The signal arrives through the event queue, which this lets run first.
    bool interrupted();

    QDate today() const { return QDate::currentDate(); }

private:
    void interrupt();

    Console& console_;
    Workspace workspace_;
    std::unique_ptr<ScaleLink> link_; // the link now open, stopped on Ctrl-C
    bool interrupted_ = false;
    QString lostShown_; // the port's loss, just shown
};

// The words after the command's name, split into options and the other words.
struct Words {
    std::vector<std::pair<QString, QStringList>> options; // in the order given
    QStringList operands;

    int count(const QString& option) const;
    QStringList values(const QString& option) const; // each use's first value
};

// A usage error: the message for stderr.
struct UsageError {
    QString message;
};

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
    // Splits `words` into options (each known option with its number of values) and operands.
    // A word "--" ends the options.
    static std::optional<UsageError>
    scan(const QStringList& words, const std::vector<std::pair<QString, int>>& known, Words& out);
    // "plu" or "ingred" (any case).
    static std::optional<TableKind> kindOf(const QString& word);
};

// download and upload: a table ("plu" or "ingred"), a file of that table, and options.
class TableCommand : public Command {
protected:
    // Scans `words` for --port and the command's own `options`, and takes the two operands
    // plu|ingred and FILE into kind_ and file_.
    std::optional<UsageError> scanTableAndFile(const QStringList& words,
                                               std::vector<std::pair<QString, int>> options,
                                               Words& w);

    TableKind kind_ = TableKind::Plu;
    QString file_;
};

// The commands, in the order the help lists them.
std::vector<std::unique_ptr<Command>> allCommands();

// The files a command reads and writes: a .PLU or .INGRED table file, or a spreadsheet
// (.XLS, .XLSX, .ODS, .CSV), told apart by the extension in any case.
enum class FileFormat { TableFile, Workbook };
// nullopt (with the reason in `why`) when the name fits neither format of the table.
std::optional<FileFormat> formatOf(TableKind kind, const QString& path, QString* why = nullptr);

// The window's PLU/INGRED "Open" of a table file or workbook, with the dialog answered by
// `path`: the same texts and rules. Returns whether the table was replaced.
bool loadTable(Workspace& ws, TableKind kind, const QString& path);
// The window's "Save" of the table file or workbook to `path`. Returns whether it was written.
bool saveTable(Workspace& ws, TableKind kind, const QString& path, const QDate& today);

} // namespace tarn::cli
