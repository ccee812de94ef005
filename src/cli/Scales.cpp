// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scales.h"
#include "ScaleNotes.h"

#include "ChangedPlan.h"
#include "Compare.h" // kDiffer
#include "PortIdentity.h"
#include "TableDiff.h"

#include <QCommandLineParser>

namespace tarn::cli {

namespace {

// A moment, as RowTable's moments hold it.
QString timeText(const QDateTime& at) {
    return at.isValid() ? at.toUTC().toString(Qt::ISODate) : QString();
}

} // namespace

RowTable scaleRows(const std::vector<KnownScale>& scales) {
    RowTable out{{"scale", "place", "names", "pc", "user", "last_job", "outcome", "ended",
                  "how_ended", "confirmed"},
                 {}};
    for (const KnownScale& k : scales) {
        const TransferEntry& e = k.last;
        const QString job = QString::fromLatin1(sideOf(e.table).name) + QLatin1Char(' ') +
                            directionName(e.direction) + QLatin1Char(' ') + e.extent;
        out.rows.push_back({k.scale, k.place, k.names.join(QLatin1Char(' ')), k.pc, k.user, job,
                            e.outcome.isEmpty() ? (e.ended.isValid() ? QStringLiteral("-")
                                                                     : QStringLiteral("running"))
                                                : e.outcome,
                            timeText(e.ended), e.howEnded.trimmed(), timeText(k.checked)});
    }
    out.moments = {QStringLiteral("ended"), QStringLiteral("confirmed")};
    return out;
}

RowTable statusRows(const std::vector<ScaleStatus>& statuses) {
    RowTable out{{"scale", "place", "name", "holds", "differ", "also_holds", "confirmed", "why"},
                 {}};
    for (const ScaleStatus& s : statuses)
        out.rows.push_back({s.scale, s.place, s.name,
                            s.holds         ? QStringLiteral("yes")
                            : s.unconfirmed ? QStringLiteral("unconfirmed")
                                            : QStringLiteral("no"),
                            QString::number(s.differ), QString::number(s.extra),
                            timeText(s.checked), s.why});
    out.numbers = {QStringLiteral("differ"), QStringLiteral("also_holds")};
    out.moments = {QStringLiteral("confirmed")};
    return out;
}

QString Scales::summary() const {
    return tr("List every scale the store knows, with its last job.");
}

std::optional<UsageError> Scales::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    parser.addOption(formatOption());
    if (auto error = parseWords(parser, words))
        return error;
    if (!ports.isEmpty())
        return UsageError{tr("scales takes no --port: it lists every scale")};
    if (!parser.positionalArguments().isEmpty())
        return UsageError{tr("scales takes no %1").arg(parser.positionalArguments().first())};
    return takeFormat(parser);
}

int Scales::run(Session& session) {
    Store store;
    deliverUnrecorded(store); // jobs this PC could not record, first
    const std::vector<KnownScale> known = store.scales();
    if (const QString problem = store.takeProblem(); !problem.isEmpty()) {
        session.console().remark(problem);
        return kFailed;
    }
    printRows(session.console(), scaleRows(known), format());
    return kDone;
}

QString Status::summary() const {
    return tr("Say whether each scale holds FILE's table, by the store's word.");
}

std::optional<UsageError> Status::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    parser.addOption(formatOption());
    if (auto error = parseTableAndFile(parser, words))
        return error;
    ports_ = ports + parser.values(QStringLiteral("port"));
    if (auto error = checkPorts(ports_))
        return error;
    return takeFormat(parser);
}

int Status::run(Session& session) {
    Workspace& ws = session.workspace();
    if (!loadTable(ws, kind_, file_))
        return kFailed;
    Store store;
    deliverUnrecorded(store); // jobs this PC could not record, first
    // The scales asked about, or every one the store knows, by the store's key.
    std::vector<std::pair<QString, QString>> scales; // key, name shown
    if (ports_.isEmpty()) {
        for (const KnownScale& k : store.scales())
            scales.emplace_back(k.place.isEmpty() ? k.scale : k.scale + QLatin1Char('@') + k.place,
                                k.last.name);
    } else {
        for (const QString& port : ports_)
            scales.emplace_back(storeKey(portIdentity(port)), port);
    }
    if (const QString problem = store.takeProblem(); !problem.isEmpty()) {
        session.console().remark(problem);
        return kFailed;
    }
    if (scales.empty()) {
        session.console().remark(tr("the store knows no scale: name one with --port"));
        return kDiffer;
    }
    const std::vector<WireRecord> records = kind_ == TableKind::Plu
                                                ? wireRecords(ws.plu.records, ws.plu.count)
                                                : wireRecords(ws.ingred.records, ws.ingred.count);
    // The store's word on each scale as a Changed download takes it, before it reads anything.
    std::vector<ScaleStatus> statuses;
    bool all = true;
    for (const auto& [key, shown] : scales) {
        ChangedFacts facts;
        facts.table = records;
        facts.word = storeWordByKey(store, key, kind_);
        const ChangedStep step = planChanged(facts);
        ScaleStatus s;
        std::tie(s.scale, s.place) = splitStoreKey(key);
        s.name = shown;
        s.unconfirmed = bool(facts.word.doubt);
        // The program's words for programs, the operator's for people.
        s.why = facts.word.doubt
                    ? format() == Format::Text ? doubtShown(*facts.word.doubt) : *facts.word.doubt
                    : QString();
        s.checked = facts.word.checked;
        s.differ = int(changedSlots(records, facts.word.heldBytes()).size());
        s.extra = step.extra;
        s.holds = !s.unconfirmed && s.differ == 0;
        all = all && s.holds;
        statuses.push_back(std::move(s));
    }
    if (const QString problem = store.takeProblem(); !problem.isEmpty()) {
        session.console().remark(problem);
        return kFailed;
    }
    printRows(session.console(), statusRows(statuses), format());
    return all ? kDone : kDiffer;
}

} // namespace tarn::cli
