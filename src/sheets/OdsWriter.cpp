// SPDX-License-Identifier: GPL-3.0-or-later
// .ods written as a zip package: the mimetype first and uncompressed, the manifest, the cells
// in content.xml and the active cell in settings.xml; .fods as one XML document holding the
// settings and the cells.

#include "SafeFile.h"
#include "SheetFile.h"
#include "SheetParts.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace tarn {

using namespace parts;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OdsWriter)
};

const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kStyle = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kFo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString kConfig = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:config:1.0");
const QString kManifest = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString kMimeType = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");
const QString kVersion = QStringLiteral("1.2");

// A paragraph's text, with every space kept: a run of spaces becomes one space and a
// <text:s> for the rest, or all <text:s> at the paragraph's ends; tabs and line breaks
// become their elements.
void writeParagraph(QXmlStreamWriter& w, const QString& text) {
    w.writeStartElement(kText, QStringLiteral("p"));
    QString plain;
    auto flush = [&] {
        if (!plain.isEmpty())
            w.writeCharacters(plain);
        plain.clear();
    };
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u' ') {
            qsizetype n = 1;
            while (i + n < text.size() && text[i + n] == u' ')
                ++n;
            const bool atEdge = i == 0 || i + n == text.size();
            if (!atEdge) {
                plain += u' ';
            }
            const qsizetype rest = atEdge ? n : n - 1;
            if (rest > 0) {
                flush();
                w.writeEmptyElement(kText, QStringLiteral("s"));
                if (rest > 1)
                    w.writeAttribute(kText, QStringLiteral("c"), QString::number(rest));
            }
            i += n;
        } else if (c == u'\t' || c == u'\n' || c == u'\r') {
            flush();
            w.writeEmptyElement(kText,
                                c == u'\t' ? QStringLiteral("tab") : QStringLiteral("line-break"));
            i += c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
        } else {
            plain += c;
            ++i;
        }
    }
    flush();
    w.writeEndElement();
}

void writeSettings(QXmlStreamWriter& w, const WriteSheet& sheet);

// content.xml, or (flat) the whole document in one: the settings, then the same content.
QByteArray content(const WriteSheet& sheet, bool flat) {
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument();
    w.writeNamespace(kOffice, QStringLiteral("office"));
    w.writeNamespace(kStyle, QStringLiteral("style"));
    w.writeNamespace(kText, QStringLiteral("text"));
    w.writeNamespace(kTable, QStringLiteral("table"));
    w.writeNamespace(kFo, QStringLiteral("fo"));
    if (flat)
        w.writeNamespace(kConfig, QStringLiteral("config"));
    w.writeStartElement(kOffice,
                        flat ? QStringLiteral("document") : QStringLiteral("document-content"));
    w.writeAttribute(kOffice, QStringLiteral("version"), kVersion);
    if (flat) {
        w.writeAttribute(kOffice, QStringLiteral("mimetype"), kMimeType);
        writeSettings(w, sheet);
    }

    // One column style per column: its width, 0.1055 inches to a character of the default font.
    w.writeStartElement(kOffice, QStringLiteral("automatic-styles"));
    for (int c = 0; c < int(sheet.columnWidths.size()); ++c) {
        w.writeStartElement(kStyle, QStringLiteral("style"));
        w.writeAttribute(kStyle, QStringLiteral("name"), QStringLiteral("co%1").arg(c + 1));
        w.writeAttribute(kStyle, QStringLiteral("family"), QStringLiteral("table-column"));
        w.writeEmptyElement(kStyle, QStringLiteral("table-column-properties"));
        w.writeAttribute(kStyle, QStringLiteral("column-width"),
                         QString::number(sheet.columnWidths[c] / 256.0 * 0.1055, 'f', 4) +
                             QStringLiteral("in"));
        w.writeEndElement();
    }
    w.writeEndElement();

    w.writeStartElement(kOffice, QStringLiteral("body"));
    w.writeStartElement(kOffice, QStringLiteral("spreadsheet"));
    w.writeStartElement(kTable, QStringLiteral("table"));
    w.writeAttribute(kTable, QStringLiteral("name"), sheet.name);
    for (int c = 0; c < int(sheet.columnWidths.size()); ++c) {
        w.writeEmptyElement(kTable, QStringLiteral("table-column"));
        w.writeAttribute(kTable, QStringLiteral("style-name"), QStringLiteral("co%1").arg(c + 1));
    }
    for (const QStringList& row : sheet.rows) {
        w.writeStartElement(kTable, QStringLiteral("table-row"));
        qsizetype used = row.size();
        while (used > 0 && row[used - 1].isEmpty())
            --used;
        for (qsizetype c = 0; c < used; ++c) {
            const QString& text = row[c];
            if (text.isEmpty()) {
                w.writeEmptyElement(kTable, QStringLiteral("table-cell"));
                continue;
            }
            w.writeStartElement(kTable, QStringLiteral("table-cell"));
            if (isWholeNumberText(text)) {
                w.writeAttribute(kOffice, QStringLiteral("value-type"), QStringLiteral("float"));
                w.writeAttribute(kOffice, QStringLiteral("value"), text);
            } else {
                w.writeAttribute(kOffice, QStringLiteral("value-type"), QStringLiteral("string"));
            }
            writeParagraph(w, text);
            w.writeEndElement();
        }
        if (used == 0)
            w.writeEmptyElement(kTable, QStringLiteral("table-cell"));
        w.writeEndElement();
    }
    w.writeEndElement(); // table
    w.writeEndElement(); // spreadsheet
    w.writeEndElement(); // body
    w.writeEndDocument();
    return bytes;
}

void configItem(QXmlStreamWriter& w, const QString& name, const QString& type,
                const QString& value) {
    w.writeStartElement(kConfig, QStringLiteral("config-item"));
    w.writeAttribute(kConfig, QStringLiteral("name"), name);
    w.writeAttribute(kConfig, QStringLiteral("type"), type);
    w.writeCharacters(value);
    w.writeEndElement();
}

// The view: the sheet shown and its cursor on the active cell.
void writeSettings(QXmlStreamWriter& w, const WriteSheet& sheet) {
    w.writeStartElement(kOffice, QStringLiteral("settings"));
    w.writeStartElement(kConfig, QStringLiteral("config-item-set"));
    w.writeAttribute(kConfig, QStringLiteral("name"), QStringLiteral("ooo:view-settings"));
    w.writeStartElement(kConfig, QStringLiteral("config-item-map-indexed"));
    w.writeAttribute(kConfig, QStringLiteral("name"), QStringLiteral("Views"));
    w.writeStartElement(kConfig, QStringLiteral("config-item-map-entry"));
    configItem(w, QStringLiteral("ViewId"), QStringLiteral("string"), QStringLiteral("view1"));
    w.writeStartElement(kConfig, QStringLiteral("config-item-map-named"));
    w.writeAttribute(kConfig, QStringLiteral("name"), QStringLiteral("Tables"));
    w.writeStartElement(kConfig, QStringLiteral("config-item-map-entry"));
    w.writeAttribute(kConfig, QStringLiteral("name"), sheet.name);
    configItem(w, QStringLiteral("CursorPositionX"), QStringLiteral("int"),
               QString::number(sheet.activeCol));
    configItem(w, QStringLiteral("CursorPositionY"), QStringLiteral("int"),
               QString::number(sheet.activeRow));
    w.writeEndElement(); // map-entry of the sheet
    w.writeEndElement(); // Tables
    configItem(w, QStringLiteral("ActiveTable"), QStringLiteral("string"), sheet.name);
    w.writeEndElement(); // map-entry of the view
    w.writeEndElement(); // Views
    w.writeEndElement(); // config-item-set
    w.writeEndElement(); // settings
}

QByteArray settings(const WriteSheet& sheet) {
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument();
    w.writeNamespace(kOffice, QStringLiteral("office"));
    w.writeNamespace(kConfig, QStringLiteral("config"));
    w.writeStartElement(kOffice, QStringLiteral("document-settings"));
    w.writeAttribute(kOffice, QStringLiteral("version"), kVersion);
    writeSettings(w, sheet);
    w.writeEndDocument();
    return bytes;
}

QByteArray manifest() {
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument();
    w.writeNamespace(kManifest, QStringLiteral("manifest"));
    w.writeStartElement(kManifest, QStringLiteral("manifest"));
    w.writeAttribute(kManifest, QStringLiteral("version"), kVersion);
    auto entry = [&](const QString& path, const QString& type) {
        w.writeEmptyElement(kManifest, QStringLiteral("file-entry"));
        w.writeAttribute(kManifest, QStringLiteral("full-path"), path);
        w.writeAttribute(kManifest, QStringLiteral("media-type"), type);
    };
    entry(QStringLiteral("/"), kMimeType);
    entry(QStringLiteral("content.xml"), QStringLiteral("text/xml"));
    entry(QStringLiteral("settings.xml"), QStringLiteral("text/xml"));
    w.writeEndDocument();
    return bytes;
}

} // namespace

QString writeOds(const QString& path, const WriteSheet& sheet) {
    if (const QString why = unwritableCell(sheet); !why.isEmpty())
        return why;
    const std::optional<QByteArray> zip =
        zipOf({{QStringLiteral("mimetype"), kMimeType.toLatin1(), true},
               {QStringLiteral("content.xml"), content(sheet, false)},
               {QStringLiteral("settings.xml"), settings(sheet)},
               {QStringLiteral("META-INF/manifest.xml"), manifest()}});
    if (!zip)
        return Text::tr("cannot build the spreadsheet");
    return writeWholeFile(path, *zip);
}

QString writeFods(const QString& path, const WriteSheet& sheet) {
    if (const QString why = unwritableCell(sheet); !why.isEmpty())
        return why;
    return writeWholeFile(path, content(sheet, true));
}

} // namespace tarn
