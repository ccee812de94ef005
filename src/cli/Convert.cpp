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
    if (auto error = parseWords(parser, words))
        return error;
    const QStringList operands = parser.positionalArguments();
    if (operands.size() != 3)
        return UsageError{QStringLiteral("convert needs plu|ingred, IN and OUT")};
    const auto kind = kindOf(operands[0]);
    if (!kind)
        return UsageError{QStringLiteral("convert: the table is plu or ingred, not ") +
                          operands[0]};
    kind_ = *kind;
    in_ = operands[1];
    out_ = operands[2];
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
