#include "Download.h"

#include "DownloadPlan.h"
#include "EveryPort.h"
#include "ScaleLink.h"

#include <QCommandLineParser>

namespace tarn::cli {

namespace {

// A line that is open and carries nothing: a download on it, with the link stopped before it
// starts, makes every check it makes before the first byte and then ends at once.
class NoLine : public Port {
public:
    std::optional<QString> open(const QString& name) override {
        name_ = name;
        return std::nullopt;
    }
    void close() override {}
    bool isOpen() const override { return true; }
    QString name() const override { return name_; }
    QString systemName() const override { return name_; }
    void write(const QByteArray&) override {}
    qint64 bytesWaiting() const override { return 0; }
    QByteArray readAll() override { return {}; }
    bool clearBuffers() override { return true; }

private:
    QString name_;
};

TransferResult downloadTable(TableKind kind, Workspace& ws, ScaleLink& link,
                             const DownloadOptions& options) {
    return kind == TableKind::Plu ? download<PluRecord>(ws, link, options)
                                  : download<IngredRecord>(ws, link, options);
}

// "--range S E": the parser takes one value an option, so the two go as one.
constexpr QChar kRangeJoin = QLatin1Char('\n');
QStringList joinRange(const QStringList& words) {
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

// One line on stderr for each text that the scale will keep only part of; the job goes on.
void warnOfCutTexts(Session& session, TableKind kind, const DownloadOptions& options) {
    const Workspace& ws = session.workspace();
    const auto range =
        downloadSlots(options, kind == TableKind::Plu ? ws.plu.count : ws.ingred.count);
    if (!range)
        return;
    for (const CutText& cut : cutTexts(ws, kind, *range))
        session.console().remark(
            QStringLiteral("%1%2 %3 is longer than the scale keeps; it keeps \"%4\"")
                .arg(kind == TableKind::Plu ? QStringLiteral("plu#") : QStringLiteral("Message#"))
                .arg(cut.slot)
                .arg(cut.field, cut.kept));
}

} // namespace

QString Download::summary() const {
    return QStringLiteral("Load FILE and send its records to the scale on every port at once.");
}

std::optional<UsageError> Download::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    const QCommandLineOption one(QStringLiteral("one"), QString(), QStringLiteral("N"));
    const QCommandLineOption range(QStringLiteral("range"), QString(), QStringLiteral("S E"));
    const QCommandLineOption all(QStringLiteral("all"));
    parser.addOptions({one, range, all});
    if (auto error = parseTableAndFile(parser, joinRange(words)))
        return error;
    const QStringList given = parser.optionNames();
    if (given.count(QStringLiteral("one")) + given.count(QStringLiteral("range")) +
            given.count(QStringLiteral("all")) >
        1)
        return UsageError{QStringLiteral("download takes one of --one, --range and --all")};
    // The numbers go to the transfer as the window's number boxes would hold them: it checks
    // them, and refuses as the window does.
    if (parser.isSet(one)) {
        options_.extent = DownloadExtent::One;
        options_.one = parser.value(one);
    } else if (parser.isSet(range)) {
        const QStringList startEnd = parser.value(range).split(kRangeJoin);
        if (startEnd.size() != 2)
            return UsageError{QStringLiteral("--range needs 2 values")};
        options_.extent = DownloadExtent::Range;
        options_.start = startEnd[0];
        options_.end = startEnd[1];
    } else {
        options_.extent = DownloadExtent::All;
    }
    ports_ = ports + parser.values(QStringLiteral("port"));
    if (ports_.isEmpty())
        ports_ << QStringLiteral("COM1");
    if (ports_.size() > kMaxPorts)
        return UsageError{QStringLiteral("download takes at most %1 ports").arg(kMaxPorts)};
    return std::nullopt;
}

bool Download::refusedBeforeTheLine(Session& session) const {
    // The download's own checks, on a copy of the tables: a refusal (no file, a range, a
    // record that cannot go on the line) is shown here, once for every port.
    const Workspace& ws = session.workspace();
    Workspace probe;
    probe.plu.records = ws.plu.records;
    probe.plu.count = ws.plu.count;
    probe.ingred.records = ws.ingred.records;
    probe.ingred.count = ws.ingred.count;
    probe.setFilePath(ws.filePath());
    QStringList texts;
    QObject::connect(&probe, &Workspace::statusChanged,
                     [&texts](const QString& text) { texts << text; });
    ScaleLink link(std::make_unique<NoLine>(), std::make_unique<EventLoopClock>());
    link.open(QString());
    link.stop();
    if (downloadTable(kind_, probe, link, options_).outcome != TransferOutcome::Refused)
        return false;
    for (const QString& text : texts)
        session.console().line(text);
    return true;
}

int Download::run(Session& session) {
    // With several ports every line says its port, and each port gets a last line saying how
    // it ended, even one that was not tried (after a failed load or a refusal).
    const bool several = ports_.size() > 1;
    auto notFinished = [&] {
        if (several)
            for (const QString& port : ports_)
                session.console().line(QStringLiteral("PORT ") + port +
                                       QStringLiteral(": not finished"));
        return kFailed;
    };
    if (!loadTable(session.workspace(), kind_, file_) || refusedBeforeTheLine(session))
        return notFinished();
    warnOfCutTexts(session, kind_, options_);

    const TableKind kind = kind_;
    const DownloadOptions options = options_;
    const auto prefix = [several](const QString& port) {
        return several ? QStringLiteral("PORT ") + port + QStringLiteral(": ") : QString();
    };
    const std::vector<bool> ended = runOnEveryPort(
        session, ports_,
        [&](Workspace& ws, ScaleLink& link) {
            return downloadTable(kind, ws, link, options).outcome == TransferOutcome::Finished;
        },
        prefix,
        several ? [](bool done) { return done ? QStringLiteral("THE END")
                                              : QStringLiteral("not finished"); }
                : std::function<QString(bool)>());
    bool allEnded = true;
    for (const bool done : ended)
        allEnded = allEnded && done;
    return allEnded ? kDone : kFailed;
}

} // namespace tarn::cli
