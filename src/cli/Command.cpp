// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "Compare.h"
#include "Convert.h"
#include "Display.h"
#include "Download.h"
#include "History.h"
#include "Interrupt.h"
#include "Labels.h"
#include "Merge.h"
#include "PortIdentity.h"
#include "PortName.h"
#include "Scales.h"
#include "Settings.h"
#include "SheetExchange.h"
#include "SheetFile.h"
#include "StoreCommand.h"
#include "TableFile.h"
#include "Upload.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <csignal>

namespace tarn::cli {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Command)
};

// One of QCommandLineParser's sentences about an option, in the language Qt speaks (its
// translation, when one is installed), with the option's name captured.
QRegularExpression parserSentence(const char* sentence) {
    QString pattern =
        QRegularExpression::escape(QCoreApplication::translate("QCommandLineParser", sentence));
    pattern.replace(QRegularExpression::escape(QStringLiteral("%1")), QStringLiteral("(.*)"));
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}
} // namespace

QString usageErrorText(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return Text::tr("unknown option %1")
            .arg((unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) +
                 unknown.first());
    // Qt's own words for an option given without its value.
    if (const auto m = parserSentence("Missing value after '%1'.").match(parser.errorText());
        m.hasMatch())
        return Text::tr("%1 needs a value").arg(m.captured(1));
    if (const auto m = parserSentence("Unexpected value after '%1'.").match(parser.errorText());
        m.hasMatch())
        return Text::tr("%1 takes no value").arg(m.captured(1));
    return parser.errorText();
}

Session::Session(Console& console, Interrupt* interrupt, PortFactory ports)
    : console_(console), interrupt_(interrupt), ports_(std::move(ports)) {
    // Start-up as the window's, before the status line is turned into output: its count
    // texts are not part of any job.
    workspace_.startUp();
    QObject::connect(&workspace_, &Workspace::statusChanged, [this](const QString& text) {
        for (const QString& prefix : prefixes_)
            console_.status(text, prefix);
    });
    if (interrupt)
        QObject::connect(interrupt, &Interrupt::arrived, &workspace_,
                         [this] { this->interrupt(); });
}

bool Session::interrupted() {
    QCoreApplication::processEvents();
    return interrupted_;
}

void Session::refuse(const QString& text) {
    for (const QString& prefix : prefixes_)
        console_.error(text, prefix);
}

int Session::signal() const {
    return interrupt_ ? interrupt_->signal() : SIGINT;
}

void Session::interrupt() {
    interrupted_ = true;
    if (onInterrupt)
        onInterrupt();
}

std::optional<UsageError> Command::checkPorts(const QStringList& given) {
    const Settings settings = Settings::load();
    if (!given.isEmpty() && !settings.problem().isEmpty())
        return UsageError{settings.problem()};
    QStringList names;
    for (const QString& port : given) {
        QString why;
        const auto parsed = parsePortName(settings.portOf(port), &why);
        if (!parsed)
            return UsageError{tr("--port \"%1\": %2").arg(port, why)};
        if (names.contains(parsed->name))
            return UsageError{tr("--port %1 is given twice").arg(port)};
        names << parsed->name;
    }
    // Two names of one device (a link and the device, a scale's name and its port, a server by
    // its name and its address) would make the command's second open find the port held by
    // the command itself: refused before any port is opened.
    QStringList identities;
    for (const QString& name : names) {
        const QString identity = portIdentity(name);
        if (const qsizetype first = identities.indexOf(identity); first >= 0)
            return UsageError{tr("--port %1 and --port %2 are one port: %3")
                                  .arg(given[first], given[identities.size()], identity)};
        identities << identity;
    }
    return std::nullopt;
}

std::optional<UsageError> Command::takePorts(const QStringList& given, int most,
                                             const QString& tooMany, QStringList& ports) const {
    if (auto error = checkPorts(given))
        return error;
    if (given.size() > most)
        return UsageError{tooMany};
    ports = given;
    if (!ports.isEmpty())
        return std::nullopt;
    // No port given: the settings file names the one to use, or the job cannot know it.
    const Settings settings = Settings::load();
    if (!settings.problem().isEmpty())
        return UsageError{settings.problem()};
    const QString port = settings.value(QStringLiteral("port"));
    if (port.isEmpty())
        return UsageError{tr("%1 needs a port: give --port PORT, or name the scale to use in %2 "
                             "(\"port = NAME\")")
                              .arg(name(), Settings::files().last())};
    ports << port;
    return checkPorts(ports);
}

std::optional<UsageError> Command::parseWords(QCommandLineParser& parser,
                                              const QStringList& words) {
    const QCommandLineOption quiet(QStringLiteral("quiet"));
    parser.addOption(quiet);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("tarnlink-cli")} + words))
        return UsageError{usageErrorText(parser)};
    quiet_ = parser.isSet(quiet);
    return std::nullopt;
}

QCommandLineOption Command::formatOption() {
    return QCommandLineOption(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
}

std::optional<UsageError> Command::takeFormat(const QCommandLineParser& parser) {
    if (!parser.isSet(QStringLiteral("format")))
        return std::nullopt;
    const QString given = parser.value(QStringLiteral("format"));
    const auto format = formatNamed(given);
    if (!format)
        return UsageError{tr("--format is text, csv or json, not %1").arg(given)};
    format_ = *format;
    return std::nullopt;
}

std::optional<TableKind> Command::kindOf(const QString& word) {
    if (word.compare(QLatin1String("plu"), Qt::CaseInsensitive) == 0)
        return TableKind::Plu;
    if (word.compare(QLatin1String("ingred"), Qt::CaseInsensitive) == 0)
        return TableKind::Ingred;
    return std::nullopt;
}

std::optional<UsageError> Command::parseTableOperands(QCommandLineParser& parser,
                                                      const QStringList& words,
                                                      const QStringList& files, TableKind& kind,
                                                      QStringList& paths) {
    if (auto error = parseWords(parser, words))
        return error;
    const QStringList operands = parser.positionalArguments();
    if (operands.size() != files.size() + 1) {
        // "plu|ingred and FILE", "plu|ingred, IN and OUT", "plu|ingred, TABLE, IN and OUT"
        switch (files.size()) {
        case 1:
            return UsageError{tr("%1 needs plu|ingred and %2").arg(name(), files[0])};
        case 2:
            return UsageError{tr("%1 needs plu|ingred, %2 and %3").arg(name(), files[0], files[1])};
        default:
            return UsageError{tr("%1 needs plu|ingred, %2, %3 and %4")
                                  .arg(name(), files.value(0), files.value(1), files.value(2))};
        }
    }
    const auto table = kindOf(operands[0]);
    if (!table)
        return UsageError{tr("%1: the table is plu or ingred, not %2").arg(name(), operands[0])};
    kind = *table;
    paths = operands.mid(1);
    return std::nullopt;
}

QStringList Command::joinRange(const QStringList& words) {
    QStringList out;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i] == QLatin1String("--"))
            return out + words.mid(i);
        out << words[i];
        if (words[i] == QLatin1String("--range") && i + 2 < words.size()) {
            out << words[i + 1] + kRangeJoin + words[i + 2];
            i += 2;
        }
    }
    return out;
}

bool TableCommand::moreThanOneExtent(const QCommandLineParser& parser) {
    const QStringList given = parser.optionNames();
    return given.count(QStringLiteral("one")) + given.count(QStringLiteral("range")) +
               given.count(QStringLiteral("all")) + given.count(QStringLiteral("changed")) >
           1;
}

std::optional<UsageError> TableCommand::parseTableAndFile(QCommandLineParser& parser,
                                                          const QStringList& words) {
    parser.addOption({QStringLiteral("port"), QString(), QStringLiteral("PORT")});
    QStringList paths;
    if (auto error = parseTableOperands(parser, words, {QStringLiteral("FILE")}, kind_, paths))
        return error;
    file_ = paths[0];
    QString why;
    if (!formatOf(kind_, file_, &why))
        return UsageError{why};
    return std::nullopt;
}

std::vector<std::unique_ptr<Command>> allCommands() {
    std::vector<std::unique_ptr<Command>> all;
    all.push_back(std::make_unique<Download>());
    all.push_back(std::make_unique<Upload>());
    all.push_back(std::make_unique<Compare>());
    all.push_back(std::make_unique<History>());
    all.push_back(std::make_unique<Scales>());
    all.push_back(std::make_unique<Status>());
    all.push_back(std::make_unique<StoreCommand>());
    all.push_back(std::make_unique<Display>());
    all.push_back(std::make_unique<Convert>());
    all.push_back(std::make_unique<Merge>());
    all.push_back(std::make_unique<Labels>());
    return all;
}

std::optional<FileFormat> formatOf(TableKind kind, const QString& path, QString* why) {
    const QString suffix = QFileInfo(path).suffix();
    // The table's own extension is its name: .PLU, .INGRED.
    const QString own = QString::fromLatin1(sideOf(kind).name);
    if (suffix.compare(own, Qt::CaseInsensitive) == 0)
        return FileFormat::TableFile;
    if (hasSheetExtension(path))
        return FileFormat::Workbook;
    if (why)
        *why = Text::tr("%1: %2 tables are kept in .%2 files and .XLS, .XLSX, .ODS, .FODS, .CSV "
                        "or .TXT spreadsheets")
                   .arg(path, own);
    return std::nullopt;
}

bool showReport(Workspace& ws, const Report& report, Console* console) {
    for (const QString& text : report.texts)
        ws.status(text);
    if (console && report.ok())
        for (const QString& warning : report.warnings)
            console->warning(Text::tr("warning: %1").arg(warning));
    return report.ok();
}

Report openTable(Workspace& ws, TableKind kind, const QString& path) {
    if (formatOf(kind, path) != FileFormat::Workbook)
        return load(ws, kind, path);
    Report report = importWorkbook(ws, kind, path);
    report.texts.prepend(
        QCoreApplication::translate("SheetExchange", sheetSideOf(kind).importStarts));
    return report;
}

Report writeTable(Workspace& ws, TableKind kind, const QString& path, const QDate& today) {
    if (formatOf(kind, path) != FileFormat::Workbook)
        return save(ws, kind, path);
    Report report = exportWorkbook(ws, kind, path, today);
    report.texts.prepend(QCoreApplication::translate("SheetExchange", kWorkbookExportStarts));
    return report;
}

bool loadTable(Workspace& ws, TableKind kind, const QString& path, Console* console) {
    return showReport(ws, openTable(ws, kind, path), console);
}

bool saveTable(Workspace& ws, TableKind kind, const QString& path, const QDate& today) {
    return showReport(ws, writeTable(ws, kind, path, today), nullptr);
}

} // namespace tarn::cli
