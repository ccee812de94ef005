// SPDX-License-Identifier: GPL-3.0-or-later
#include "Format.h"

#include "Console.h"

namespace tarn::cli {

namespace {

QString csvField(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return {};
    QString text = value.toString();
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
        text != text.trimmed())
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    return text;
}

// A JSON string: quoted, with the quote, the backslash and control characters escaped.
QString jsonString(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString jsonValue(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QStringLiteral("null");
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
        return QString::number(value.toLongLong());
    return jsonString(value.toString());
}

} // namespace

std::optional<Format> formatNamed(const QString& name) {
    if (name == QLatin1String("text"))
        return Format::Text;
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("json"))
        return Format::Json;
    return std::nullopt;
}

Rows::Rows(Console& console, Format format, QStringList fields)
    : console_(console), format_(format), fields_(std::move(fields)) {}

void Rows::start() {
    if (started_)
        return;
    started_ = true;
    if (format_ == Format::Csv) {
        QStringList header;
        for (const QString& field : fields_)
            header << csvField(field);
        console_.line(header.join(QLatin1Char(',')));
    } else if (format_ == Format::Json) {
        console_.line(QStringLiteral("["));
    }
}

void Rows::add(const QString& text, const QVariantList& values) {
    start();
    if (format_ == Format::Text) {
        console_.line(text);
        return;
    }
    QStringList parts;
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        const QVariant value = values.value(i);
        parts << (format_ == Format::Csv
                      ? csvField(value)
                      : jsonString(fields_[i]) + QLatin1Char(':') + jsonValue(value));
    }
    if (format_ == Format::Csv) {
        console_.row(parts.join(QLatin1Char(',')));
        return;
    }
    // Each object on a line of its own; the comma goes before every one but the first.
    console_.row((first_ ? QStringLiteral(" {") : QStringLiteral(",{")) +
                 parts.join(QLatin1Char(',')) + QLatin1Char('}'));
    first_ = false;
}

void Rows::finish() {
    if (finished_)
        return;
    finished_ = true;
    start();
    if (format_ == Format::Json)
        console_.line(QStringLiteral("]"));
    console_.flush();
}

} // namespace tarn::cli
