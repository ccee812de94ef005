// SPDX-License-Identifier: GPL-3.0-or-later
#include "Display.h"

#include "EveryPort.h"

#include <QCommandLineParser>

namespace tarn::cli {

QString Display::summary() const {
    return tr("Read the scale's weight, unit price and total price once.");
}

std::optional<UsageError> Display::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    parser.addOption(port);
    if (auto error = parseWords(parser, words))
        return error;
    if (!parser.positionalArguments().isEmpty())
        return UsageError{tr("display takes no %1").arg(parser.positionalArguments().first())};
    QStringList all;
    if (auto error = takePorts(ports + parser.values(port), 1, tr("display reads one port"), all))
        return error;
    port_ = all.first();
    return std::nullopt;
}

int Display::run(Session& session) {
    const std::vector<PortEnd> ends = runOnEveryPort(
        session, {port_}, DisplayJob{}, [](const JobOutcome& o) { return !o.stopped; });
    if (!ends.front().ended)
        return failedStatus(ends.front()); // not opened, or stopped by Ctrl-C
    const std::optional<DisplayTexts>& texts = ends.front().outcome->display;
    if (!texts) {
        // The window leaves its read-outs as they were and says nothing.
        session.console().remark(tr("the scale did not answer on %1").arg(port_));
        return kFailed;
    }
    Console& out = session.console();
    //: %1: the scale's weight read-out as it shows it
    out.line(tr("Weight %1").arg(texts->weight));
    //: %1: the scale's unit price read-out as it shows it
    out.line(tr("Unit %1").arg(texts->unitPrice));
    //: %1: the scale's total price read-out as it shows it
    out.line(tr("Price %1").arg(texts->totalPrice));
    if (!texts->recordCame) {
        // The window shows zeros; a batch job must not take them for a reading.
        session.console().remark(tr("the scale sent no display record on %1").arg(port_));
        return kFailed;
    }
    return kDone;
}

} // namespace tarn::cli
