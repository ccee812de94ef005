#include "Command.h"

#include "Convert.h"
#include "Display.h"
#include "Download.h"
#include "Interrupt.h"
#include "ScaleLink.h"
#include "SerialPort.h"
#include "SheetExchange.h"
#include "SheetFile.h"
#include "TableFile.h"
#include "Upload.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace tarn::cli {

void Console::line(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

void Console::remark(const QString& text) {
    errorText(QStringLiteral("tarnlink-cli: ") + text + QLatin1Char('\n'));
}

void Console::errorText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), err_);
    std::fflush(err_);
}

Session::Session(Console& console, Interrupt* interrupt) : console_(console) {
    // Start-up as the window's, before the status line is turned into output: its count
    // texts are not part of any job.
    workspace_.startUp();
    QObject::connect(&workspace_, &Workspace::statusChanged, [this](const QString& text) {
        // A port reset that cannot reopen the port reports it through the link and through
        // the transfer: the window shows the same text twice, one over the other.
        const bool again = text == lostShown_;
        lostShown_.clear();
        if (!again)
            console_.line(text);
    });
    if (interrupt)
        QObject::connect(interrupt, &Interrupt::arrived, &workspace_,
                         [this] { this->interrupt(); });
}

Session::~Session() {
    closeLink();
}

ScaleLink* Session::openLink(const QString& port) {
    closeLink();
    if (interrupted())
        return nullptr;
    // COM1 and COM2 are the window's two ports; anything else names the device itself.
    QString name = port;
    if (port.compare(QLatin1String("COM1"), Qt::CaseInsensitive) == 0)
        name = QStringLiteral("Com1");
    else if (port.compare(QLatin1String("COM2"), Qt::CaseInsensitive) == 0)
        name = QStringLiteral("Com2");
    auto link = std::make_unique<ScaleLink>(std::make_unique<SerialPort>(),
                                            std::make_unique<EventLoopClock>());
    if (const auto reason = link->open(name)) {
        workspace_.status(cannotOpenText(link->port().systemName(), *reason));
        return nullptr;
    }
    // The port failed (an adapter pulled out) or a reset could not reopen it.
    QObject::connect(link.get(), &ScaleLink::portLost, &workspace_, [this](const QString& message) {
        workspace_.status(message);
        lostShown_ = message;
    });
    link_ = std::move(link);
    return link_.get();
}

void Session::closeLink() {
    if (link_)
        link_->close();
    link_.reset();
}

bool Session::interrupted() {
    QCoreApplication::processEvents();
    return interrupted_;
}

void Session::interrupt() {
    interrupted_ = true;
    if (link_)
        link_->stop();
}

int Words::count(const QString& option) const {
    int n = 0;
    for (const auto& [name, values] : options)
        n += name == option ? 1 : 0;
    return n;
}

QStringList Words::values(const QString& option) const {
    QStringList out;
    for (const auto& [name, values] : options)
        if (name == option)
            out << (values.isEmpty() ? QString() : values.first());
    return out;
}

std::optional<UsageError> Command::scan(const QStringList& words,
                                        const std::vector<std::pair<QString, int>>& known,
                                        Words& out) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (optionsEnded || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            out.operands << word;
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = word;
        std::optional<QString> attached; // --port=/dev/ttyUSB0
        if (const qsizetype eq = word.indexOf(QLatin1Char('=')); eq > 0) {
            name = word.left(eq);
            attached = word.mid(eq + 1);
        }
        const auto it = std::find_if(known.begin(), known.end(),
                                     [&](const auto& k) { return k.first == name; });
        if (it == known.end())
            return UsageError{QStringLiteral("unknown option ") + name};
        const int arity = it->second;
        QStringList values;
        if (attached) {
            if (arity != 1)
                return UsageError{name + QStringLiteral(" takes ") +
                                  (arity == 0 ? QStringLiteral("no value")
                                              : QStringLiteral("%1 values").arg(arity))};
            values << *attached;
        } else {
            if (i + arity >= words.size())
                return UsageError{name + QStringLiteral(" needs ") +
                                  (arity == 1 ? QStringLiteral("a value")
                                              : QStringLiteral("%1 values").arg(arity))};
            for (int k = 0; k < arity; ++k)
                values << words[++i];
        }
        out.options.emplace_back(name, values);
    }
    return std::nullopt;
}

std::optional<TableKind> Command::kindOf(const QString& word) {
    if (word.compare(QLatin1String("plu"), Qt::CaseInsensitive) == 0)
        return TableKind::Plu;
    if (word.compare(QLatin1String("ingred"), Qt::CaseInsensitive) == 0)
        return TableKind::Ingred;
    return std::nullopt;
}

std::optional<UsageError>
TableCommand::scanTableAndFile(const QStringList& words,
                               std::vector<std::pair<QString, int>> options, Words& w) {
    options.emplace_back(QStringLiteral("--port"), 1);
    if (auto error = scan(words, options, w))
        return error;
    if (w.operands.size() != 2)
        return UsageError{name() + QStringLiteral(" needs plu|ingred and FILE")};
    const auto kind = kindOf(w.operands[0]);
    if (!kind)
        return UsageError{name() + QStringLiteral(": the table is plu or ingred, not ") +
                          w.operands[0]};
    kind_ = *kind;
    file_ = w.operands[1];
    QString why;
    if (!formatOf(kind_, file_, &why))
        return UsageError{why};
    return std::nullopt;
}

std::vector<std::unique_ptr<Command>> allCommands() {
    std::vector<std::unique_ptr<Command>> all;
    all.push_back(std::make_unique<Download>());
    all.push_back(std::make_unique<Upload>());
    all.push_back(std::make_unique<Display>());
    all.push_back(std::make_unique<Convert>());
    return all;
}

std::optional<FileFormat> formatOf(TableKind kind, const QString& path, QString* why) {
    const QString suffix = QFileInfo(path).suffix();
    const QString own = kind == TableKind::Plu ? QStringLiteral("PLU") : QStringLiteral("INGRED");
    if (suffix.compare(own, Qt::CaseInsensitive) == 0)
        return FileFormat::TableFile;
    if (hasSheetExtension(path))
        return FileFormat::Workbook;
    if (why)
        *why = path + QStringLiteral(": ") + QString::fromLatin1(sideOf(kind).name) +
               QStringLiteral(" tables are kept in .") + own +
               QStringLiteral(" files and .XLS, .XLSX, .ODS or .CSV spreadsheets");
    return std::nullopt;
}

bool loadTable(Workspace& ws, TableKind kind, const QString& path) {
    if (formatOf(kind, path) == FileFormat::Workbook) {
        ws.status(QString::fromLatin1(sheetSideOf(kind).importStarts));
        return importWorkbook(ws, kind, path);
    }
    return load(ws, kind, path).ok();
}

bool saveTable(Workspace& ws, TableKind kind, const QString& path, const QDate& today) {
    if (formatOf(kind, path) == FileFormat::Workbook) {
        ws.status(QString::fromLatin1(kWorkbookExportStarts));
        return exportWorkbook(ws, kind, path, today);
    }
    return save(ws, kind, path).ok();
}

} // namespace tarn::cli
