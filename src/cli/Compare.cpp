// SPDX-License-Identifier: GPL-3.0-or-later
#include "Compare.h"

#include "EveryPort.h"

#include <QCommandLineParser>

namespace tarn::cli {

QStringList differenceLines(TableKind kind, const std::vector<FieldDifference>& differences) {
    const QString table = QString::fromLatin1(sideOf(kind).name) + QLatin1Char(' ');
    QStringList lines;
    int last = -1;
    for (const FieldDifference& d : differences) {
        QString part;
        if (onOneSideOnly(d, kind))
            part = d.scale.isEmpty() ? QStringLiteral("not on the scale")
                                     : QStringLiteral("only on the scale");
        else
            part = d.field + QStringLiteral(" PC ") + d.pc + QStringLiteral(", scale ") + d.scale;
        if (d.number == last)
            lines.last() += QStringLiteral("; ") + part;
        else
            lines << table + QString::number(d.number) + QStringLiteral(": ") + part;
        last = d.number;
    }
    return lines;
}

QString Compare::summary() const {
    return QStringLiteral("Read the scale's table and list the records it holds unlike FILE.");
}

std::optional<UsageError> Compare::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    if (auto error = parseTableAndFile(parser, words))
        return error;
    const QStringList given = ports + parser.values(QStringLiteral("port"));
    if (auto error = checkPorts(given))
        return error;
    if (given.size() > 1)
        return UsageError{QStringLiteral("compare reads from one port")};
    port_ = given.isEmpty() ? QStringLiteral("COM1") : given.first();
    return std::nullopt;
}

int Compare::run(Session& session) {
    Workspace& ws = session.workspace();
    if (!loadTable(ws, kind_, file_))
        return kFailed;
    const std::vector<PortEnd> ends =
        runOnEveryPort(session, {port_}, CompareJob{downloadJob(kind_, ws, {})},
                       [](const JobOutcome& o) { return o.differences.has_value(); });
    const PortEnd& end = ends.front();
    if (!end.ended)
        return kFailed;
    const std::vector<FieldDifference>& differences = *end.outcome->differences;
    for (const QString& line : differenceLines(kind_, differences))
        session.console().line(line);
    if (differences.empty()) {
        session.console().line(QStringLiteral("The scale holds this table"));
        return kDone;
    }
    session.console().line(
        QStringLiteral("The scale holds %1 record(s) differently").arg(recordsIn(differences)));
    return kDiffer;
}

} // namespace tarn::cli
