// SPDX-License-Identifier: GPL-3.0-or-later
#include "History.h"
#include "ScaleNotes.h"

#include "Settings.h"

#include <QCommandLineParser>

#include <tuple>

namespace tarn::cli {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// A moment for --format csv and json: UTC, "2026-12-07T15:03:53Z"; null when there is none.
QVariant utc(const QDateTime& moment) {
    return moment.isValid() ? QVariant(moment.toUTC().toString(Qt::ISODate)) : QVariant();
}

// PLU numbers go up to the field's 32,767 (a scale's table may hold any of them); message
// numbers to 200.
std::optional<int> recordNumber(const QString& text, int last) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > last)
        return std::nullopt;
    return n;
}

// "2026-12-07" or "2026-12-07 16:03" (or with seconds), local time.
QDateTime sinceOf(const QString& text) {
    const QString t = text.trimmed();
    for (const char* format :
         {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm"}) {
        const QDateTime at = QDateTime::fromString(t, QString::fromLatin1(format));
        if (at.isValid())
            return at;
    }
    const QDate day = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    return day.isValid() ? day.startOfDay() : QDateTime();
}

} // namespace

QString historyLine(const TransferEntry& e) {
    // The outcome word, the port's name, the table, the direction and what was asked are the
    // store's words, the same in every language.
    const QString started = e.started.toLocalTime().toString(kTimeFormat);
    //: A job's start (date and time) and end (time)
    QString line =
        e.ended.isValid()
            ? History::tr("%1 to %2")
                  .arg(started, e.ended.toLocalTime().toString(QStringLiteral("HH:mm:ss")))
            : History::tr("%1 (never ended)").arg(started);
    if (!e.outcome.isEmpty())
        line += QLatin1Char(' ') + e.outcome;
    // The name it was run under, and the scale's identity where that says more.
    line += QLatin1Char(' ') + e.name;
    if (e.scale != e.name)
        line += QStringLiteral(" (") + e.scale + QLatin1Char(')');
    line += QLatin1Char(' ') + QString::fromLatin1(sideOf(e.table).name) + QLatin1Char(' ') +
            directionName(e.direction) + QLatin1Char(' ') + e.extent + QStringLiteral(": ") +
            History::tr("%n record(s)", nullptr, e.records);
    if (e.differences)
        //: Records a compare or verify found held differently
        line += QStringLiteral(", ") + History::tr("%n differ", nullptr, *e.differences);
    if (e.ended.isValid())
        line += QStringLiteral(", ") + e.howEnded.trimmed();
    return line;
}

QString History::summary() const {
    return tr("List the jobs run on the scales, newest first.");
}

std::optional<UsageError> History::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption plu(QStringLiteral("plu"), QString(), QStringLiteral("N"));
    const QCommandLineOption ingred(QStringLiteral("ingred"), QString(), QStringLiteral("N"));
    const QCommandLineOption since(QStringLiteral("since"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption limit(QStringLiteral("limit"), QString(), QStringLiteral("N"));
    parser.addOptions({port, plu, ingred, since, limit, formatOption()});
    if (auto error = parseWords(parser, words))
        return error;
    if (auto error = takeFormat(parser))
        return error;
    if (!parser.positionalArguments().isEmpty())
        return UsageError{tr("history takes no %1").arg(parser.positionalArguments().first())};
    const QStringList given = ports + parser.values(port);
    if (auto error = checkPorts(given))
        return error;
    if (given.size() > 1)
        return UsageError{tr("history takes one --port")};
    if (parser.isSet(plu) && parser.isSet(ingred))
        return UsageError{tr("history takes one of --plu and --ingred")};
    // A scale's name from the settings stands for its port, as with every other command.
    filter_.port = given.isEmpty() ? QString() : Settings::load().portOf(given.value(0));
    for (const auto& [option, number, last] :
         {std::tuple{&plu, &filter_.plu, 32767}, {&ingred, &filter_.ingred, kMaxRecords}}) {
        if (!parser.isSet(*option))
            continue;
        *number = recordNumber(parser.value(*option), last);
        if (!*number)
            //: %1: the option's name ("plu"), %2: the highest number
            return UsageError{tr("--%1 takes a number from 1 to %2")
                                  .arg(option->names().first(), QString::number(last))};
    }
    if (parser.isSet(since)) {
        filter_.since = sinceOf(parser.value(since));
        if (!filter_.since.isValid())
            return UsageError{tr("--since takes a date: YYYY-MM-DD or \"YYYY-MM-DD HH:MM\"")};
    }
    filter_.limit = kShown;
    if (parser.isSet(limit)) {
        bool ok = false;
        filter_.limit = parser.value(limit).trimmed().toInt(&ok);
        if (!ok || filter_.limit < 0)
            return UsageError{tr("--limit takes a number: the newest N jobs (0: all)")};
    }
    return std::nullopt;
}

int History::run(Session& session) {
    Store store;
    deliverUnrecorded(store); // jobs this PC could not record, first
    const bool ofRecord = filter_.plu || filter_.ingred;
    QStringList fields{
        QStringLiteral("started"),   QStringLiteral("ended"),  QStringLiteral("outcome"),
        QStringLiteral("port"),      QStringLiteral("scale"),  QStringLiteral("table"),
        QStringLiteral("direction"), QStringLiteral("extent"), QStringLiteral("records"),
        QStringLiteral("differ"),    QStringLiteral("end")};
    // With a record's number, a row for each of its moments in a transfer.
    if (ofRecord)
        fields << QStringLiteral("number") << QStringLiteral("slot") << QStringLiteral("at");
    Rows rows(session.console(), format(), fields);
    // Each job as the store reads it: a long history is printed as it comes.
    const auto show = [&](const TransferEntry& e) {
        const QString table = QString::fromLatin1(sideOf(e.table).name);
        const QVariantList transfer{utc(e.started),
                                    utc(e.ended),
                                    e.outcome.isEmpty() ? QVariant() : QVariant(e.outcome),
                                    e.name,
                                    e.scale,
                                    table,
                                    directionName(e.direction),
                                    e.extent,
                                    e.records,
                                    e.differences ? QVariant(*e.differences) : QVariant(),
                                    e.ended.isValid() ? QVariant(e.howEnded.trimmed())
                                                      : QVariant()};
        if (format() == Format::Text) {
            session.console().line(historyLine(e));
            if (!ofRecord)
                return;
        } else if (!ofRecord) {
            rows.add({}, transfer);
            return;
        }
        // The record's own moments in that transfer.
        for (const RecordEntry& r : e.acknowledged)
            //: A record's moment in a job: table, number, slot, date and time
            rows.add(QStringLiteral("  ") + tr("%1 %2 (slot %3) at %4")
                                                .arg(table, QString::number(r.number),
                                                     QString::number(r.slot),
                                                     r.at.toLocalTime().toString(kTimeFormat)),
                     transfer + QVariantList{r.number, r.slot, utc(r.at)});
    };
    if (!store.history(filter_, show)) {
        session.console().remark(store.takeProblem());
        return kFailed;
    }
    return kDone;
}

} // namespace tarn::cli
