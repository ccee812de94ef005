// SPDX-License-Identifier: GPL-3.0-or-later
#include "Faults.h"

#include <QStringList>

namespace tarn::sim {

namespace {

std::optional<int> number(const QString& text, int min, int max, int base = 10) {
    bool ok = false;
    const int v = text.toInt(&ok, base);
    if (!ok || v < min || v > max)
        return std::nullopt;
    return v;
}

std::optional<Step> parseStep(const QString& s) {
    if (s == QLatin1String("sync"))
        return Step::Sync;
    if (s == QLatin1String("command"))
        return Step::Command;
    if (s == QLatin1String("number"))
        return Step::Number;
    if (s == QLatin1String("reply"))
        return Step::Reply;
    if (s == QLatin1String("closing"))
        return Step::Closing;
    return std::nullopt;
}

} // namespace

QString stepName(Step step) {
    switch (step) {
    case Step::Sync:
        return QStringLiteral("sync");
    case Step::Command:
        return QStringLiteral("command");
    case Step::Number:
        return QStringLiteral("number");
    case Step::Reply:
        return QStringLiteral("reply");
    case Step::Closing:
        return QStringLiteral("closing");
    }
    return {};
}

std::optional<Fault> parseFault(const QString& text, QString& error) {
    const QStringList parts = text.split(QLatin1Char(':'));
    Fault f;
    f.text = text;
    const QString kind = parts.value(0).trimmed().toLower();
    bool stepFixed = true;
    if (kind == QLatin1String("silent")) {
        f.kind = FaultKind::Silent;
        stepFixed = false;
    } else if (kind == QLatin1String("wrong")) {
        f.kind = FaultKind::Wrong;
        stepFixed = false;
    } else if (kind == QLatin1String("extra")) {
        f.kind = FaultKind::Extra;
        stepFixed = false;
    } else if (kind == QLatin1String("short")) {
        f.kind = FaultKind::Short;
        f.step = Step::Reply;
        stepFixed = false;
    } else if (kind == QLatin1String("delay")) {
        f.kind = FaultKind::Delay;
        stepFixed = false;
    } else if (kind == QLatin1String("badsync")) {
        f.kind = FaultKind::Wrong;
        f.step = Step::Sync;
    } else if (kind == QLatin1String("badcmd")) {
        f.kind = FaultKind::Wrong;
        f.step = Step::Command;
    } else if (kind == QLatin1String("badecho")) {
        f.kind = FaultKind::Wrong;
        f.step = Step::Number;
    } else if (kind == QLatin1String("badclose")) {
        f.kind = FaultKind::Wrong;
        f.step = Step::Closing;
    } else {
        error = QStringLiteral("unknown fault kind \"%1\"").arg(kind);
        return std::nullopt;
    }
    bool targetSet = false;
    for (int i = 1; i < parts.size(); ++i) {
        const QString item = parts[i].trimmed();
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        const QString key = (eq < 0 ? item : item.left(eq)).toLower();
        const QString value = eq < 0 ? QString() : item.mid(eq + 1);
        auto setTarget = [&](FaultTarget t, int min, int max) {
            const auto n = number(value, min, max);
            if (!n || targetSet)
                return false;
            f.target = t;
            f.number = *n;
            targetSet = true;
            return true;
        };
        bool ok = true;
        if (key == QLatin1String("plu"))
            ok = setTarget(FaultTarget::Plu, 0, 65535);
        else if (key == QLatin1String("ingred"))
            ok = setTarget(FaultTarget::Ingred, 0, 65535);
        else if (key == QLatin1String("at"))
            ok = setTarget(FaultTarget::Exchange, 1, 1 << 30);
        else if (key == QLatin1String("display") && eq < 0) {
            ok = !targetSet;
            f.target = FaultTarget::Display;
            targetSet = true;
        } else if (key == QLatin1String("times")) {
            if (value == QLatin1String("all")) {
                f.times = -1;
            } else if (const auto n = number(value, 1, 1 << 30)) {
                f.times = *n;
            } else {
                ok = false;
            }
        } else if (key == QLatin1String("step") && !stepFixed) {
            const auto s = parseStep(value);
            ok = s.has_value();
            if (s)
                f.step = *s;
        } else if (key == QLatin1String("ms")) {
            const auto n = number(value, 0, 600000);
            ok = n.has_value();
            f.delayMs = n.value_or(0);
        } else if (key == QLatin1String("byte")) {
            const bool prefixed = value.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
            const auto n = number(prefixed ? value.mid(2) : value, 0, 255, 16);
            ok = n.has_value();
            if (n)
                f.byte = quint8(*n);
        } else {
            ok = false;
        }
        if (!ok) {
            error = QStringLiteral("fault \"%1\": cannot use \"%2\"").arg(text, item);
            return std::nullopt;
        }
    }
    if (f.kind == FaultKind::Wrong && f.step == Step::Reply) {
        error = QStringLiteral("fault \"%1\": a reply has no single wrong value; use "
                               "step=number or step=closing")
                    .arg(text);
        return std::nullopt;
    }
    return f;
}

QString faultSyntaxHelp() {
    return QStringLiteral(
        "Faults (--fault FAULT, repeatable). FAULT is KIND followed by :KEY=VALUE items:\n"
        "  KIND     silent   the answer is not sent                      (default step=sync)\n"
        "           wrong    a wrong answer: another byte (byte=HH), or for an echo\n"
        "                    the number plus one                         (default step=sync)\n"
        "           extra    one byte more after the answer (byte=HH, default 55)\n"
        "                                                                (default step=sync)\n"
        "           short    the answer without its last byte            (default step=reply)\n"
        "           delay    the answer after ms=N milliseconds (default 2000)\n"
        "                                                                (default step=sync)\n"
        "           badsync  = wrong:step=sync     (sends 76 instead of 77)\n"
        "           badcmd   = wrong:step=command  (sends 02 instead of 01)\n"
        "           badecho  = wrong:step=number   (echoes the number plus one; for an\n"
        "                      ingredient upload sends the go-ahead 01 instead of 00)\n"
        "           badclose = wrong:step=closing  (sends 11 instead of 10)\n"
        "  step=    sync | command | number | reply | closing: which answer of the exchange\n"
        "           sync     77 to the sync byte A5\n"
        "           command  01 to the command byte\n"
        "           number   a download's echo; an ingredient upload's go-ahead 00;\n"
        "                    a PLU upload reply's first two bytes (the echo)\n"
        "           reply    an upload reply, whole; the display record\n"
        "           closing  10 after a downloaded record; an upload reply's last byte\n"
        "  target   plu=N    PLU exchanges (download or upload) of record number N\n"
        "           ingred=N ingredient exchanges of message number N\n"
        "           display  display reads\n"
        "           at=K     the K-th exchange of the run (every sync byte that starts\n"
        "                    an exchange counts, retries included; from 1)\n"
        "           (none)   every exchange\n"
        "  times=T  how many attempts the fault spoils (default 1; times=all for every one)\n"
        "\n"
        "A record number is the number on the line: a download's PLU or message number, an\n"
        "upload's requested number. The sync and command answers come before that number,\n"
        "so there the scale takes the record the PC is expected to be on: the one of the\n"
        "previous exchange if that one did not finish (a fault other than a delay spoiled\n"
        "it, or the PC broke it off), else the previous number plus one (1 at the start);\n"
        "and, at the sync answer, the kind of the previous exchange. Use at=K where numbers\n"
        "do not follow each other.\n"
        "Examples: --fault silent:plu=5:times=2   --fault badclose:ingred=3\n"
        "          --fault short:plu=2             --fault delay:step=reply:display:ms=7000\n"
        "          --fault extra:at=1              --fault badecho:plu=12:times=all\n");
}

} // namespace tarn::sim
