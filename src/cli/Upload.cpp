#include "Upload.h"

#include "ScaleLink.h"

#include <QCommandLineParser>

namespace tarn::cli {

QString Upload::summary() const {
    return QStringLiteral("Read records from the scale and save the table to FILE.");
}

std::optional<UsageError> Upload::parse(const QStringList& ports, const QStringList& words) {
    QCommandLineParser parser;
    const QCommandLineOption one(QStringLiteral("one"), QString(), QStringLiteral("N"));
    const QCommandLineOption all(QStringLiteral("all"));
    parser.addOptions({one, all});
    if (auto error = parseTableAndFile(parser, words))
        return error;

    if (parser.optionNames().count(QStringLiteral("one")) +
            parser.optionNames().count(QStringLiteral("all")) >
        1)
        return UsageError{QStringLiteral("upload takes one of --one and --all")};
    if (parser.isSet(one)) {
        options_.extent = UploadExtent::One;
        options_.number = parser.value(one);
    } else {
        options_.extent = UploadExtent::All;
    }
    const QStringList given = ports + parser.values(QStringLiteral("port"));
    if (given.size() > 1)
        return UsageError{QStringLiteral("upload reads from one port")};
    port_ = given.isEmpty() ? QStringLiteral("COM1") : given.first();
    return std::nullopt;
}

int Upload::run(Session& session) {
    ScaleLink* link = session.openLink(port_);
    if (!link)
        return kFailed;
    Workspace& ws = session.workspace();
    const TransferResult result = kind_ == TableKind::Plu
                                      ? upload<PluRecord>(ws, *link, options_)
                                      : upload<IngredRecord>(ws, *link, options_);
    session.closeLink();
    const bool normalEnd =
        result.outcome == TransferOutcome::Finished || result.outcome == TransferOutcome::EndOfData;
    if (!normalEnd) {
        // A part of the table must not take the place of a whole one in FILE.
        session.console().remark(file_ + QStringLiteral(" not written: the upload did not end "
                                                        "normally"));
        return kFailed;
    }
    return saveTable(ws, kind_, file_, session.today()) ? kDone : kFailed;
}

} // namespace tarn::cli
