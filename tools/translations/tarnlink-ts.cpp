// SPDX-License-Identifier: GPL-3.0-or-later
// tarnlink-ts: the translators' checks and the testing language, over Qt Linguist's .ts files.
//
//   tarnlink-ts pseudo SOURCE.ts OUT.ts     every text of SOURCE (as lupdate wrote it) made
//                                           about 40 % longer and marked: "[Ŝàvé ţĥé ţàƀļé ~]"
//   tarnlink-ts check SOURCE.ts LANG.ts...  each language has every text of SOURCE, finished,
//                                           with the same placeholders, plural forms for its
//                                           rules, the shortcut letter and "ERROR! " kept
//
// Not installed: a tool of the build and the tests.

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QString note; // what the developer told the translator
    bool numerus = false;
    bool finished = false; // translated, not marked unfinished
    bool gone = false;     // kept by lupdate for a text the code no longer has
    QStringList translations;
    QString key() const { return context + u'\x1f' + source + u'\x1f' + comment; }
};

bool readTs(const QString& path, QDomDocument& doc) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tarnlink-ts: cannot read %s\n", qPrintable(path));
        return false;
    }
    const auto parsed = doc.setContent(&file);
    if (!parsed) {
        std::fprintf(stderr, "tarnlink-ts: %s is not a translation file\n", qPrintable(path));
        return false;
    }
    return true;
}

QList<Message> messagesOf(const QDomDocument& doc) {
    QList<Message> out;
    for (QDomElement ctx = doc.documentElement().firstChildElement(QStringLiteral("context"));
         !ctx.isNull(); ctx = ctx.nextSiblingElement(QStringLiteral("context"))) {
        const QString name = ctx.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = ctx.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            Message msg;
            msg.context = name;
            msg.source = m.firstChildElement(QStringLiteral("source")).text();
            msg.comment = m.firstChildElement(QStringLiteral("comment")).text();
            msg.note = m.firstChildElement(QStringLiteral("extracomment")).text();
            msg.numerus = m.attribute(QStringLiteral("numerus")) == QLatin1String("yes");
            const QDomElement t = m.firstChildElement(QStringLiteral("translation"));
            const QString type = t.attribute(QStringLiteral("type"));
            msg.finished = type.isEmpty();
            msg.gone = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
            if (msg.numerus)
                for (QDomElement f = t.firstChildElement(QStringLiteral("numerusform"));
                     !f.isNull(); f = f.nextSiblingElement(QStringLiteral("numerusform")))
                    msg.translations.append(f.text());
            else
                msg.translations.append(t.text());
            out.append(msg);
        }
    }
    return out;
}

// ---- the testing language ----

QChar accented(QChar c) {
    static const QHash<QChar, QChar> map = [] {
        const QString plain = QStringLiteral("aAbcCdDeEgGhHiIjJkKlLnNoOrRsStTuUwWyYzZ");
        const QString marked = QStringLiteral("àÀƀçÇđĐéÉĝĜĥĤîÎĵĴķĶļĻñÑöÖŕŔŝŜţŢûÛŵŴýÝžŽ");
        QHash<QChar, QChar> m;
        for (qsizetype i = 0; i < plain.size(); ++i)
            m.insert(plain[i], marked[i]);
        return m;
    }();
    return map.value(c, c);
}

// The text with its letters marked and padded to about 1.4 times its length; what the program
// fills in (%1, %n, %L2), markup (<b>), a mnemonic's letter and line breaks are kept.
QString pseudo(const QString& text) {
    if (text.trimmed().isEmpty())
        return text;
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'%' && i + 1 < text.size()) {
            qsizetype j = i + 1;
            if (text[j] == u'L' && j + 1 < text.size())
                ++j;
            if (text[j] == u'n' || text[j].isDigit()) {
                while (j + 1 < text.size() && text[j].isDigit() && text[j + 1].isDigit())
                    ++j;
                out += text.mid(i, j - i + 1);
                i = j;
                continue;
            }
        }
        if (c == u'<') {
            const qsizetype end = text.indexOf(u'>', i);
            if (end > i) {
                out += text.mid(i, end - i + 1);
                i = end;
                continue;
            }
        }
        if (c == u'&' && i + 1 < text.size()) {
            out += c;
            out += text[++i];
            continue;
        }
        out += accented(c);
    }
    const qsizetype pad = std::max<qsizetype>(1, (text.size() * 4 + 5) / 10 - 3);
    return u'[' + out + u' ' + QString(pad, u'~') + u']';
}

int makePseudo(const QString& sourcePath, const QString& outPath) {
    QDomDocument doc;
    if (!readTs(sourcePath, doc))
        return 1;
    doc.documentElement().setAttribute(QStringLiteral("language"), QStringLiteral("en"));
    QDomNodeList messages = doc.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        QDomElement m = messages.at(i).toElement();
        const QString source = m.firstChildElement(QStringLiteral("source")).text();
        QDomElement old = m.firstChildElement(QStringLiteral("translation"));
        QDomElement t = doc.createElement(QStringLiteral("translation"));
        if (m.attribute(QStringLiteral("numerus")) == QLatin1String("yes")) {
            for (int form = 0; form < 2; ++form) {
                QDomElement f = doc.createElement(QStringLiteral("numerusform"));
                f.appendChild(doc.createTextNode(pseudo(source)));
                t.appendChild(f);
            }
        } else {
            t.appendChild(doc.createTextNode(pseudo(source)));
        }
        if (old.isNull())
            m.appendChild(t);
        else
            m.replaceChild(t, old);
    }
    QFile out(outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "tarnlink-ts: cannot write %s\n", qPrintable(outPath));
        return 1;
    }
    out.write(doc.toByteArray(1));
    return out.flush() ? 0 : 1;
}

// ---- the checks ----

QStringList placeholders(const QString& text) {
    static const QRegularExpression re(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(0));
    found.sort();
    return found;
}

bool hasMnemonic(const QString& text) {
    static const QRegularExpression re(QStringLiteral("(^|[^&])&[^&\\s]"));
    return re.match(text).hasMatch();
}

int pluralForms(const QString& language) {
    return language.startsWith(QLatin1String("pl")) ? 3 : 2;
}

int check(const QString& sourcePath, const QStringList& languagePaths) {
    QDomDocument sourceDoc;
    if (!readTs(sourcePath, sourceDoc))
        return 1;
    const QList<Message> sources = messagesOf(sourceDoc);
    QTextStream err(stderr);
    int problems = 0;
    auto report = [&](const QString& file, const Message& m, const QString& what) {
        if (++problems <= 40)
            err << file << ": " << m.context << ": \"" << m.source << "\": " << what << "\n";
    };
    for (const QString& path : languagePaths) {
        QDomDocument doc;
        if (!readTs(path, doc))
            return 1;
        const QString language = doc.documentElement().attribute(QStringLiteral("language"));
        QHash<QString, Message> translated;
        const QString gone = QStringLiteral("no longer in the program (run lupdate -no-obsolete)");
        for (const Message& m : messagesOf(doc)) {
            if (m.gone)
                report(path, m, gone);
            else
                translated.insert(m.key(), m);
        }
        QSet<QString> inSource;
        for (const Message& s : sources) {
            inSource.insert(s.key());
            const auto it = translated.constFind(s.key());
            if (it == translated.constEnd()) {
                report(path, s, QStringLiteral("missing (run lupdate)"));
                continue;
            }
            const Message& t = *it;
            if (!t.finished) {
                report(path, s, QStringLiteral("unfinished"));
                continue;
            }
            if (s.numerus && t.translations.size() != pluralForms(language))
                report(path, s,
                       QStringLiteral("%1 plural forms, %2 wanted")
                           .arg(t.translations.size())
                           .arg(pluralForms(language)));
            for (const QString& text : t.translations) {
                if (text.isEmpty() && !s.source.isEmpty())
                    report(path, s, QStringLiteral("empty translation"));
                else if (placeholders(text) != placeholders(s.source))
                    report(path, s,
                           QStringLiteral("placeholders %1 in \"%2\"")
                               .arg(placeholders(text).join(u' '), text));
                for (const char* start : {"ERROR! ", "Error !"})
                    if (s.source.startsWith(QLatin1String(start)) &&
                        !text.startsWith(QLatin1String(start)))
                        report(path, s,
                               QStringLiteral("must start \"%1\"").arg(QLatin1String(start)));
                // An option the arrow keys reach may give its letter up where a page has too few.
                if (hasMnemonic(s.source) && !hasMnemonic(text) &&
                    !s.note.contains(QLatin1String("without a shortcut")))
                    report(path, s,
                           QStringLiteral("the & of the shortcut is lost in \"%1\"").arg(text));
            }
        }
        for (const Message& t : translated)
            if (!inSource.contains(t.key()))
                report(path, t, gone);
    }
    if (problems > 40)
        err << "... " << problems - 40 << " more\n";
    return problems == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("pseudo"))
        return makePseudo(args[1], args[2]);
    if (args.size() >= 3 && args[0] == QLatin1String("check"))
        return check(args[1], args.mid(2));
    std::fputs("usage: tarnlink-ts pseudo SOURCE.ts OUT.ts\n"
               "       tarnlink-ts check SOURCE.ts LANG.ts...\n",
               stderr);
    return 2;
}
