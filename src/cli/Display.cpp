// SPDX-License-Identifier: GPL-3.0-or-later
#include "Display.h"

#include "EveryPort.h"

#include <QCommandLineParser>

namespace tarn::cli {

QString Display::summary() const {
    return QStringLiteral("Read the scale's weight, unit price and total price once.");
}

std::optional<UsageError> Display::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    parser.addOption(port);
    if (auto error = parseWords(parser, words))
        return error;
    if (!parser.positionalArguments().isEmpty())
        return UsageError{QStringLiteral("display takes no ") +
                          parser.positionalArguments().first()};
    QStringList all;
    if (auto error = takePorts(ports + parser.values(port), 1,
                               QStringLiteral("display reads one port"), all))
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
        session.console().remark(QStringLiteral("the scale did not answer on ") + port_);
        return kFailed;
    }
    Console& out = session.console();
    out.line(QStringLiteral("Weight ") + texts->weight);
    out.line(QStringLiteral("Unit ") + texts->unitPrice);
    out.line(QStringLiteral("Price ") + texts->totalPrice);
    if (!texts->recordCame) {
        // The window shows zeros; a batch job must not take them for a reading.
        session.console().remark(QStringLiteral("the scale sent no display record on ") + port_);
        return kFailed;
    }
    return kDone;
}

} // namespace tarn::cli
