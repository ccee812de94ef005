#include "Download.h"

#include "ScaleLink.h"

namespace tarn::cli {

QString Download::summary() const {
    return QStringLiteral("Load FILE and send its records to the scale on each port in turn.");
}

std::optional<UsageError> Download::parse(const QStringList& ports, const QStringList& words) {
    Words w;
    if (auto error = scanTableAndFile(words,
                                      {{QStringLiteral("--one"), 1},
                                       {QStringLiteral("--range"), 2},
                                       {QStringLiteral("--all"), 0}},
                                      w))
        return error;

    const int one = w.count(QStringLiteral("--one"));
    const int range = w.count(QStringLiteral("--range"));
    const int all = w.count(QStringLiteral("--all"));
    if (one + range + all > 1)
        return UsageError{QStringLiteral("download takes one of --one, --range and --all")};
    // The numbers go to the transfer as the window's number boxes would hold them: it checks
    // them, and refuses as the window does.
    if (one) {
        options_.extent = DownloadExtent::One;
        options_.one = w.values(QStringLiteral("--one")).first();
    } else if (range) {
        options_.extent = DownloadExtent::Range;
        for (const auto& [name, values] : w.options)
            if (name == QLatin1String("--range")) {
                options_.start = values[0];
                options_.end = values[1];
            }
    } else {
        options_.extent = DownloadExtent::All;
    }
    ports_ = ports + w.values(QStringLiteral("--port"));
    if (ports_.isEmpty())
        ports_ << QStringLiteral("COM1");
    return std::nullopt;
}

int Download::run(Session& session) {
    // With several ports each port gets its last line, even one that was not tried: none is
    // after a failed load, a refusal (which would only repeat itself) or a Ctrl-C.
    const bool several = ports_.size() > 1;
    bool allEnded = true;
    bool tryMore = loadTable(session.workspace(), kind_, file_);
    for (const QString& port : ports_) {
        bool ended = false;
        if (tryMore && !session.interrupted()) {
            if (ScaleLink* link = session.openLink(port)) {
                const TransferResult result =
                    kind_ == TableKind::Plu
                        ? download<PluRecord>(session.workspace(), *link, options_)
                        : download<IngredRecord>(session.workspace(), *link, options_);
                session.closeLink();
                ended = result.outcome == TransferOutcome::Finished;
                tryMore = result.outcome != TransferOutcome::Refused &&
                          result.outcome != TransferOutcome::Stopped;
            }
        }
        if (several)
            session.console().line(
                QStringLiteral("PORT ") + port +
                (ended ? QStringLiteral(": THE END") : QStringLiteral(": not finished")));
        allEnded = allEnded && ended;
    }
    return allEnded ? kDone : kFailed;
}

} // namespace tarn::cli
