// SPDX-License-Identifier: GPL-3.0-or-later
#include "Upload.h"

#include "EveryPort.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace tarn::cli {

QString Upload::summary() const {
    return tr("Read records from the scale and save the table to FILE.");
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
        return UsageError{tr("upload takes one of --one and --all")};
    if (parser.isSet(one)) {
        options_.extent = UploadExtent::One;
        options_.number = parser.value(one);
    } else {
        options_.extent = UploadExtent::All;
    }
    QStringList port;
    if (auto error = takePorts(ports + parser.values(QStringLiteral("port")), 1,
                               tr("upload reads from one port"), port))
        return error;
    port_ = port.first();
    return std::nullopt;
}

namespace {

// Why FILE could not be written after the upload, found before the line is used; nothing when
// it can be.
std::optional<QString> unwritable(const QString& path) {
    const QFileInfo file(path);
    if (file.isDir())
        return Upload::tr("it is a folder");
    if (file.exists())
        return file.isWritable() ? std::nullopt
                                 : std::optional<QString>(Upload::tr("permission denied"));
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return Upload::tr("no folder %1").arg(folder.filePath());
    if (!folder.isWritable())
        return Upload::tr("the folder %1 cannot be written to").arg(folder.filePath());
    return std::nullopt;
}

} // namespace

int Upload::run(Session& session) {
    Workspace& ws = session.workspace();
    // Refusals that need no scale come before the line is used.
    const UploadJob job{kind_, options_};
    if (const auto refusal = refusalOf(job)) {
        session.refuse(refusal->second);
        return kFailed;
    }
    if (const auto why = unwritable(file_)) {
        session.console().remark(tr("%1 cannot be written: %2").arg(file_, *why));
        return kFailed;
    }
    const std::vector<PortEnd> ends = runOnEveryPort(
        session, {port_}, job, [](const JobOutcome& o) { return uploadEnded(o.result.outcome); });
    const PortEnd& end = ends.front();
    if (!end.outcome)
        return failedStatus(end); // not opened, or Ctrl-C came first
    if (!end.ended) {
        // A part of the table must not take the place of a whole one in FILE.
        session.console().remark(tr("%1 not written: the upload did not end normally").arg(file_));
        return failedStatus(end);
    }
    ws.setFilePath(QString::fromLatin1(Workspace::kNoFile));
    showUpload(ws, end.outcome->received);
    if (!saveTable(ws, kind_, file_, session.today()))
        return kFailed;
    return end.outcome->unrecorded ? kUnrecorded : kDone;
}

} // namespace tarn::cli
