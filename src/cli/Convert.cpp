// SPDX-License-Identifier: GPL-3.0-or-later
#include "Convert.h"

#include <QCommandLineParser>

namespace tarn::cli {

QString Convert::summary() const {
    return QStringLiteral("Load the table from IN and save it to OUT.");
}

std::optional<UsageError> Convert::parse(const QStringList& ports, const QStringList& words) {
    if (!ports.isEmpty())
        return UsageError{QStringLiteral("convert does not use a port")};
    QCommandLineParser parser;
    QStringList paths;
    if (auto error = parseTableOperands(
            parser, words, {QStringLiteral("IN"), QStringLiteral("OUT")}, kind_, paths))
        return error;
    in_ = paths[0];
    out_ = paths[1];
    QString why;
    if (!formatOf(kind_, in_, &why) || !formatOf(kind_, out_, &why))
        return UsageError{why};
    return std::nullopt;
}

int Convert::run(Session& session) {
    Workspace& ws = session.workspace();
    if (!loadTable(ws, kind_, in_, &session.console()) ||
        !saveTable(ws, kind_, out_, session.today()))
        return kFailed;
    return kDone;
}

} // namespace tarn::cli
