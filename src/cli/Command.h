// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Console.h"
#include "Format.h"
#include "PortFactory.h"
#include "Workspace.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCommandLineOption;
class QCommandLineParser;

namespace tarn {
class Interrupt;
} // namespace tarn

namespace tarn::cli {

// The exit status of the program.
enum ExitStatus : int {
    kDone = 0,   // the job ended normally
    kFailed = 1, // refused, failed or abandoned
    kUsage = 2,  // the command line (or the settings file it relies on) could not be understood
    kDiffer = 3, // compare or --verify found the scale holding records differently
    kBusy = 4,   // a port was held by another program: worth another try later
    // The job went to the scale, but the store of what the scales hold could not record it,
    // so a later --changed cannot trust the store for that scale.
    kUnrecorded = 5,
    // Ended by a signal: 128 and its number (Ctrl-C 130, SIGTERM 143, SIGHUP 129).
    kSignalled = 128,
};

// What a command needs to run: the tables with the status line turned into the console's
// status texts, the console, the ports, and the Ctrl-C that ends a job at once.
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
    // Why a job was refused before the line was used, on stderr behind each prefix.
    void refuse(const QString& text);

    // A Ctrl-C (or SIGTERM) has come: what runs is stopped and no further job starts.
    // The signal arrives through the event queue, which this lets run first.
    bool interrupted();
    // The signal that interrupted the job (SIGINT when none is known).
    int signal() const;
    // Called on Ctrl-C, on the program's thread (a job on several ports stops them all).
    std::function<void()> onInterrupt;

    QDate today() const { return QDate::currentDate(); }

private:
    void interrupt();

    Console& console_;
    Interrupt* interrupt_;
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
    Q_DECLARE_TR_FUNCTIONS(Command)

public:
    virtual ~Command() = default;

    virtual QString name() const = 0;
    // The command's synopsis after "tarnlink-cli ", and one line saying what it does.
    virtual QString synopsis() const = 0;
    virtual QString summary() const = 0;
    // The options it takes after its name ("port", "one", ...; --quiet and --help go with
    // every command), for its --help.
    virtual QStringList options() const = 0;

    // Takes the ports given before the command and the words after it. Returns a usage
    // error, or nothing when the command can run.
    virtual std::optional<UsageError> parse(const QStringList& ports, const QStringList& words) = 0;
    // Runs the job; returns the exit status.
    virtual int run(Session& session) = 0;

    // --quiet was given after the command's name.
    bool quiet() const { return quiet_; }
    // --format, where the command takes it.
    Format format() const { return format_; }

protected:
    // The ports as given to --port: each a port's name (COM1, COM2, a device path or
    // tcp:HOST:PORT) or a scale's name from the settings file, no port given twice; or the
    // usage error.
    static std::optional<UsageError> checkPorts(const QStringList& given);
    // The ports a command that uses the line works on: those given (at most `most`, else the
    // usage error `tooMany`), or the settings file's "port" when none is. With neither, the
    // usage error names the settings file.
    std::optional<UsageError> takePorts(const QStringList& given, int most, const QString& tooMany,
                                        QStringList& ports) const;
    // Parses `words` with the command's own parser (its options and --quiet added); a word "--"
    // ends the options. The usage error in the program's words when they do not fit.
    std::optional<UsageError> parseWords(QCommandLineParser& parser, const QStringList& words);
    // --format text|csv|json: the option to add to the parser, and its value once parsed.
    static QCommandLineOption formatOption();
    std::optional<UsageError> takeFormat(const QCommandLineParser& parser);
    // "plu" or "ingred" (any case).
    static std::optional<TableKind> kindOf(const QString& word);
    // Parses `words` with `parser` (the command's own options added) and takes its operands:
    // "plu" or "ingred" into `kind`, then one path for each name in `files` ("FILE"; "IN",
    // "OUT") into `paths`. The paths' formats are the command's to check.
    std::optional<UsageError> parseTableOperands(QCommandLineParser& parser,
                                                 const QStringList& words, const QStringList& files,
                                                 TableKind& kind, QStringList& paths);
    // "--range S E": the parser takes one value an option, so the two words go as one, joined
    // by kRangeJoin.
    static constexpr QChar kRangeJoin = QLatin1Char('\n');
    static QStringList joinRange(const QStringList& words);

private:
    bool quiet_ = false;
    Format format_ = Format::Text;
};

// download and upload: a table ("plu" or "ingred"), a file of that table, and options.
class TableCommand : public Command {
protected:
    // Parses `words` with `parser` (the command's own options added; --port is added here)
    // and takes the two operands plu|ingred and FILE into kind_ and file_.
    std::optional<UsageError> parseTableAndFile(QCommandLineParser& parser,
                                                const QStringList& words);
    // Whether the parsed words give more than one of --one, --range, --all and --changed.
    static bool moreThanOneExtent(const QCommandLineParser& parser);

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
// text of the status line (the Session's lines), then, when `console` is given, each warning of
// a completed one as a remark "warning: ..." on stderr. Returns whether it completed.
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
