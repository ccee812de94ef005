// SPDX-License-Identifier: GPL-3.0-or-later
#include "Download.h"

#include "Compare.h"
#include "DownloadPlan.h"
#include "EveryPort.h"
#include "PortName.h"

#include <QCommandLineParser>

namespace tarn::cli {

namespace {

// One line on stderr for each text that the scale will keep only part of; the job goes on.
void warnOfCutTexts(Session& session, TableKind kind, const DownloadOptions& options) {
    for (const CutText& cut : cutTexts(session.workspace(), kind, options))
        session.console().warning(
            //: %1: the record ("plu#2"), %2: its field as in the files ("Item name1"), %3: the
            //: part of the text the scale keeps
            Download::tr("%1 %2 is longer than the scale keeps; it keeps \"%3\"")
                .arg(sentRecordName(kind, cut.slot), cut.field, cut.kept));
}

} // namespace

QString Download::summary() const {
    return tr("Load FILE and send its records to the scale on every port at once.");
}

std::optional<UsageError> Download::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    const QCommandLineOption one(QStringLiteral("one"), QString(), QStringLiteral("N"));
    const QCommandLineOption range(QStringLiteral("range"), QString(), QStringLiteral("S E"));
    const QCommandLineOption all(QStringLiteral("all"));
    const QCommandLineOption changed(QStringLiteral("changed"));
    const QCommandLineOption verify(QStringLiteral("verify"));
    parser.addOptions({one, range, all, changed, verify, formatOption()});
    if (auto error = parseTableAndFile(parser, joinRange(words)))
        return error;
    if (moreThanOneExtent(parser))
        return UsageError{tr("download takes one of --one, --range, --all and --changed")};
    verify_ = parser.isSet(verify);
    // The numbers go to the transfer as the window's number boxes would hold them: it checks
    // them, and refuses as the window does.
    if (parser.isSet(one)) {
        options_.extent = DownloadExtent::One;
        options_.one = parser.value(one);
    } else if (parser.isSet(range)) {
        const QStringList startEnd = parser.value(range).split(kRangeJoin);
        if (startEnd.size() != 2)
            return UsageError{tr("--range needs 2 values")};
        options_.extent = DownloadExtent::Range;
        options_.start = startEnd[0];
        options_.end = startEnd[1];
    } else if (parser.isSet(changed)) {
        // Each port's records are found from what its scale holds, as its job starts.
        options_.extent = DownloadExtent::Changed;
    } else {
        options_.extent = DownloadExtent::All;
    }
    if (auto error = takeFormat(parser))
        return error;
    return takePorts(ports + parser.values(QStringLiteral("port")), kMaxPorts,
                     tr("download takes at most %1 ports").arg(kMaxPorts), ports_);
}

namespace {

// How the download went on one port, for --format: its outcome ("ok", "nothing" when a Changed
// download found nothing to send, "differs" when its verify found differences, "stopped",
// "failed", "refused", "busy" when another program held the port), the records the scale took,
// and the text of the failure that ended it.
QVariantList portSummary(const QString& port, const PortEnd& end, bool verify) {
    QString outcome = QStringLiteral("failed");
    QString failure = end.openFailure;
    int records = 0;
    if (end.held) {
        outcome = QStringLiteral("busy");
    } else if (!end.outcome) {
        if (failure.isEmpty())
            outcome = QStringLiteral("stopped");
    } else {
        const TransferResult& result = end.outcome->result;
        records = result.records;
        switch (result.outcome) {
        case TransferOutcome::Finished:
        case TransferOutcome::EndOfData:
            outcome = result.nothingToSend ? QStringLiteral("nothing") : QStringLiteral("ok");
            if (verify && !end.outcome->differences) {
                outcome = QStringLiteral("failed");
                failure = end.outcome->readResult.message;
            } else if (verify && !end.outcome->differences->empty()) {
                outcome = QStringLiteral("differs");
            } else if (end.outcome->unrecorded) {
                outcome = QStringLiteral("unrecorded");
                failure = end.outcome->storeProblem;
            }
            break;
        case TransferOutcome::Refused:
            outcome = QStringLiteral("refused");
            failure = result.message;
            break;
        case TransferOutcome::Stopped:
            outcome = QStringLiteral("stopped");
            break;
        default:
            failure = result.message;
            break;
        }
    }
    return {port, outcome, records, failure.isEmpty() ? QVariant() : QVariant(failure)};
}

} // namespace

int Download::run(Session& session) {
    // With several ports every line says its port (the file's own lines are printed for each),
    // and each port gets a last line saying how it ended, even one that was not tried (after a
    // failed load or a refusal). Scripts read those: "PORT name: " and the last lines, "THE END"
    // or "not finished", are the same in every language.
    Console& console = session.console();
    const bool several = ports_.size() > 1;
    const auto prefix = [several](const QString& port) {
        return several ? QStringLiteral("PORT ") + port + QStringLiteral(": ") : QString();
    };
    if (several) {
        QStringList prefixes;
        for (const QString& port : ports_)
            prefixes << prefix(port);
        session.setLinePrefixes(prefixes);
    }
    // In text the ports' last lines are the summary; --format gives it as rows.
    const bool rows = format() != Format::Text;
    Rows summary(console, format(),
                 {QStringLiteral("port"), QStringLiteral("outcome"), QStringLiteral("records"),
                  QStringLiteral("failure")});
    auto notTried = [&](const QString& outcome, const QString& why) {
        for (const QString& port : ports_) {
            if (rows)
                summary.add({}, {port, outcome, 0, why});
            else if (several)
                console.line(prefix(port) + QStringLiteral("not finished"));
        }
        return kFailed;
    };
    const Report loaded = openTable(session.workspace(), kind_, file_);
    if (!showReport(session.workspace(), loaded, &console))
        return notTried(QStringLiteral("failed"), loaded.last());
    DownloadJob job = downloadJob(kind_, session.workspace(), options_);
    job.verify = verify_;
    // The window's refusals, made once for every port before the line is touched.
    if (const auto refusal = refusalOf(job)) {
        session.refuse(refusal->second);
        for (const QString& port : ports_)
            recordNotRun(job, parsePortName(port).value_or(PortName{}).name, JobEnd::Refused,
                         refusal->second);
        return notTried(QStringLiteral("refused"), refusal->second);
    }
    warnOfCutTexts(session, kind_, options_);

    const std::vector<PortEnd> ends = runOnEveryPort(
        session, ports_, job,
        [](const JobOutcome& o) { return o.result.outcome == TransferOutcome::Finished; }, prefix,
        several && !rows ? [](bool done) { return done ? QStringLiteral("THE END")
                                                       : QStringLiteral("not finished"); }
                         : std::function<QString(bool)>());
    int failed = kDone;
    bool differ = false;
    bool unrecorded = false;
    for (size_t i = 0; i < ends.size(); ++i) {
        const PortEnd& end = ends[i];
        const QString& port = ports_[qsizetype(i)];
        if (rows)
            summary.add({}, portSummary(port, end, verify_));
        // A port another program held is worth another try; any other failure is not.
        if (!end.ended)
            failed = failed == kFailed ? kFailed : failedStatus(end);
        unrecorded = unrecorded || (end.outcome && end.outcome->unrecorded);
        if (!verify_ || !end.ended)
            continue;
        // A verify that could not read the table back has not shown the download whole.
        if (!end.outcome->differences) {
            failed = kFailed;
            continue;
        }
        if (!rows)
            for (const QString& line : differenceLines(kind_, *end.outcome->differences))
                console.line(prefix(port) + line);
        differ = differ || !end.outcome->differences->empty();
    }
    if (failed != kDone)
        return failed;
    if (differ)
        return kDiffer;
    // Sent, but the store could not record it: a later --changed reads the table first.
    return unrecorded ? kUnrecorded : kDone;
}

} // namespace tarn::cli
