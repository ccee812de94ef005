// SPDX-License-Identifier: GPL-3.0-or-later
#include "History.h"

#include <QCommandLineParser>

namespace tarn::cli {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

std::optional<int> recordNumber(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > kMaxRecords)
        return std::nullopt;
    return n;
}

} // namespace

QString historyLine(const TransferEntry& e) {
    QString line = e.started.toLocalTime().toString(kTimeFormat);
    line += e.ended.isValid() ? QStringLiteral(" to ") +
                                    e.ended.toLocalTime().toString(QStringLiteral("HH:mm:ss"))
                              : QStringLiteral(" (never ended)");
    line += QLatin1Char(' ') + e.port + QLatin1Char(' ') +
            QString::fromLatin1(sideOf(e.table).name) + QLatin1Char(' ') +
            directionName(e.direction) + QLatin1Char(' ') + e.extent + QStringLiteral(": ") +
            QString::number(e.records) + QStringLiteral(" record(s)");
    if (e.ended.isValid())
        line += QStringLiteral(", ") + e.howEnded.trimmed();
    return line;
}

QString History::summary() const {
    return QStringLiteral("List the transfers to and from the scales, newest first.");
}

std::optional<UsageError> History::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption plu(QStringLiteral("plu"), QString(), QStringLiteral("N"));
    const QCommandLineOption ingred(QStringLiteral("ingred"), QString(), QStringLiteral("N"));
    parser.addOptions({port, plu, ingred});
    if (auto error = parseWords(parser, words))
        return error;
    if (!parser.positionalArguments().isEmpty())
        return UsageError{QStringLiteral("history takes no ") +
                          parser.positionalArguments().first()};
    const QStringList given = ports + parser.values(port);
    if (auto error = checkPorts(given))
        return error;
    if (given.size() > 1)
        return UsageError{QStringLiteral("history takes one --port")};
    if (parser.isSet(plu) && parser.isSet(ingred))
        return UsageError{QStringLiteral("history takes one of --plu and --ingred")};
    filter_.port = given.value(0);
    for (const auto& [option, number] :
         {std::pair{&plu, &filter_.plu}, {&ingred, &filter_.ingred}}) {
        if (!parser.isSet(*option))
            continue;
        *number = recordNumber(parser.value(*option));
        if (!*number)
            return UsageError{QStringLiteral("--") + option->names().first() +
                              QStringLiteral(" takes a number from 1 to 200")};
    }
    return std::nullopt;
}

int History::run(Session& session) {
    ScaleMemory store;
    const std::vector<TransferEntry> entries = store.history(filter_);
    if (const QString problem = store.takeProblem(); !problem.isEmpty()) {
        session.console().remark(problem);
        return kFailed;
    }
    for (const TransferEntry& e : entries) {
        session.console().line(historyLine(e));
        if (!filter_.plu && !filter_.ingred)
            continue;
        // The record's own moments in that transfer.
        for (const RecordEntry& r : e.acknowledged)
            session.console().line(QStringLiteral("  ") +
                                   QString::fromLatin1(sideOf(e.table).name) + QLatin1Char(' ') +
                                   QString::number(r.number) + QStringLiteral(" (slot ") +
                                   QString::number(r.slot) + QStringLiteral(") at ") +
                                   r.at.toLocalTime().toString(kTimeFormat));
    }
    return kDone;
}

} // namespace tarn::cli
