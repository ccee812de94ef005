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
        if (onOneSideOnly(d, kind) && d.scale.isEmpty())
            part = Compare::tr("not on the scale");
        else if (onOneSideOnly(d, kind)) {
            const QString shown = scaleRecordText(d);
            if (shown.isEmpty())
                part = Compare::tr("only on the scale");
            else
                //: %1: the record as the scale holds it, "PEARS, U/Price 349"
                part = Compare::tr("only on the scale: %1").arg(shown);
        } else
            //: A field that differs: its name as in the files ("U/Price"), the PC's value, the
            //: scale's value.
            part = Compare::tr("%1 PC %2, scale %3").arg(d.field, d.pc, d.scale);
        if (d.number == last)
            lines.last() += QStringLiteral("; ") + part;
        else
            lines << table + QString::number(d.number) + QStringLiteral(": ") + part;
        last = d.number;
    }
    return lines;
}

QStringList differenceFields() {
    return {QStringLiteral("port"),  QStringLiteral("table"), QStringLiteral("number"),
            QStringLiteral("what"),  QStringLiteral("field"), QStringLiteral("pc"),
            QStringLiteral("scale"), QStringLiteral("name"),  QStringLiteral("price")};
}

void addDifferenceRows(Rows& rows, const QString& port, TableKind kind,
                       const std::vector<FieldDifference>& differences) {
    const QStringList lines = differenceLines(kind, differences); // one a record
    const QString table = QString::fromLatin1(sideOf(kind).name);
    qsizetype line = -1;
    int last = -1;
    for (const FieldDifference& d : differences) {
        const bool newRecord = d.number != last;
        if (newRecord)
            ++line;
        last = d.number;
        // In text a record is one line, whatever its fields.
        if (rows.format() == Format::Text && !newRecord)
            continue;
        const QString what = !onOneSideOnly(d, kind) ? QStringLiteral("differs")
                             : d.scale.isEmpty()     ? QStringLiteral("pc-only")
                                                     : QStringLiteral("scale-only");
        // A record only the scale holds: its name and price (an ingredient: its first line).
        const bool scaleOnly = what == QLatin1String("scale-only");
        const QVariant name = scaleOnly ? QVariant(d.scaleName) : QVariant();
        const QVariant price =
            scaleOnly && !d.scalePrice.isEmpty() ? QVariant(d.scalePrice.toLongLong()) : QVariant();
        rows.add(lines.value(line),
                 {port, table, d.number, what, d.field, d.pc, d.scale, name, price});
    }
}

QString Compare::summary() const {
    return tr("Read the scale's table and list the records it holds unlike FILE.");
}

std::optional<UsageError> Compare::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    parser.addOption(formatOption());
    if (auto error = parseTableAndFile(parser, words))
        return error;
    if (auto error = takeFormat(parser))
        return error;
    QStringList port;
    if (auto error = takePorts(ports + parser.values(QStringLiteral("port")), 1,
                               tr("compare reads from one port"), port))
        return error;
    port_ = port.first();
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
        return failedStatus(end);
    const std::vector<FieldDifference>& differences = *end.outcome->differences;
    Rows rows(session.console(), format(), differenceFields());
    addDifferenceRows(rows, port_, kind_, differences);
    rows.finish();
    if (format() != Format::Text)
        return differences.empty() ? kDone : kDiffer;
    if (differences.empty()) {
        session.console().line(tr("The scale holds this table"));
        return kDone;
    }
    session.console().line(
        tr("The scale holds %n record(s) differently", nullptr, recordsIn(differences)));
    return kDiffer;
}

} // namespace tarn::cli
