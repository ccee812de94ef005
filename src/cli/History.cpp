// SPDX-License-Identifier: GPL-3.0-or-later
#include "History.h"

#include <QCommandLineParser>

namespace tarn::cli {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// --since: a day or a moment of it, local time.
QDateTime momentOf(const QString& text) {
    const QString t = text.trimmed();
    for (const char* format :
         {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm"}) {
        const QDateTime moment = QDateTime::fromString(t, QLatin1String(format));
        if (moment.isValid())
            return moment;
    }
    const QDate day = QDate::fromString(t, Qt::ISODate);
    return day.isValid() ? day.startOfDay() : QDateTime();
}

// A moment for --format csv and json: UTC, "2026-12-07T15:03:53Z"; null when there is none.
QVariant utc(const QDateTime& moment) {
    return moment.isValid() ? QVariant(moment.toUTC().toString(Qt::ISODate)) : QVariant();
}

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
    const QCommandLineOption since(QStringLiteral("since"), QString(), QStringLiteral("WHEN"));
    const QCommandLineOption limit(QStringLiteral("limit"), QString(), QStringLiteral("N"));
    parser.addOptions({port, plu, ingred, since, limit, formatOption()});
    if (auto error = parseWords(parser, words))
        return error;
    if (auto error = takeFormat(parser))
        return error;
    if (parser.isSet(since)) {
        since_ = momentOf(parser.value(since));
        if (!since_.isValid())
            return UsageError{QStringLiteral("--since takes a day or a moment, such as 2026-12-07 "
                                             "or \"2026-12-07 14:00\", not ") +
                              parser.value(since)};
    }
    filter_.limit = 50;
    if (parser.isSet(limit)) {
        bool ok = false;
        filter_.limit = parser.value(limit).toInt(&ok);
        if (!ok || filter_.limit < 0)
            return UsageError{QStringLiteral("--limit takes a number, 0 for all, not ") +
                              parser.value(limit)};
    }
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
    const bool ofRecord = filter_.plu || filter_.ingred;
    QStringList fields{QStringLiteral("started"),   QStringLiteral("ended"),
                       QStringLiteral("port"),      QStringLiteral("table"),
                       QStringLiteral("direction"), QStringLiteral("extent"),
                       QStringLiteral("records"),   QStringLiteral("end")};
    // With a record's number, a row for each of its moments in a transfer.
    if (ofRecord)
        fields << QStringLiteral("number") << QStringLiteral("slot") << QStringLiteral("at");
    Rows rows(session.console(), format(), fields);
    for (const TransferEntry& e : entries) {
        // The newest come first: the rest started before --since.
        if (since_.isValid() && e.started < since_)
            break;
        const QString table = QString::fromLatin1(sideOf(e.table).name);
        const QVariantList transfer{utc(e.started),
                                    utc(e.ended),
                                    e.port,
                                    table,
                                    directionName(e.direction),
                                    e.extent,
                                    e.records,
                                    e.ended.isValid() ? QVariant(e.howEnded.trimmed())
                                                      : QVariant()};
        if (format() == Format::Text) {
            session.console().line(historyLine(e));
            if (!ofRecord)
                continue;
        } else if (!ofRecord) {
            rows.add({}, transfer);
            continue;
        }
        // The record's own moments in that transfer.
        for (const RecordEntry& r : e.acknowledged)
            rows.add(QStringLiteral("  ") + table + QLatin1Char(' ') + QString::number(r.number) +
                         QStringLiteral(" (slot ") + QString::number(r.slot) +
                         QStringLiteral(") at ") + r.at.toLocalTime().toString(kTimeFormat),
                     transfer + QVariantList{r.number, r.slot, utc(r.at)});
    }
    return kDone;
}

} // namespace tarn::cli
