// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "Numbers.h"
#include "PortName.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>

#include <algorithm>

namespace tarn {

namespace {

const char* const kEnvironment = "TARNLINK_SETTINGS";

// The problems of a settings file. Its keys and values are the file's own words and stay as
// they are in any language.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Settings)
};

// A comment at the end of a line: "#" or ";" after a blank.
QString withoutComment(const QString& line) {
    static const QRegularExpression comment(QStringLiteral("\\s[#;].*$"));
    return QString(line).remove(comment).trimmed();
}

} // namespace

QStringList Settings::files() {
    const QString own = qEnvironmentVariable(kEnvironment);
    if (!own.isEmpty())
        return {own};
    return {QStringLiteral("/etc/tarnlink/tarnlink.conf"),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/Tarnlink/tarnlink.conf")};
}

Settings Settings::load() {
    return read(files());
}

Settings Settings::read(const QStringList& files) {
    Settings settings;
    for (const QString& path : files)
        settings.readFile(path);
    return settings;
}

void Settings::set(std::vector<std::pair<QString, QString>>& into, const QString& key,
                   const QString& value) {
    for (auto& [k, v] : into)
        if (k == key) {
            v = value;
            return;
        }
    into.emplace_back(key, value);
}

void Settings::readFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return;
    auto fault = [&](const QString& text) {
        if (problem_.isEmpty())
            problem_ = text;
    };
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        //: %1 is the settings file, %2 the system's reason
        fault(Text::tr("%1: cannot be read: %2").arg(path, file.errorString()));
        return;
    }
    static const QRegularExpression scaleName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.-]*$"));
    QString section;
    int number = 0;
    while (!file.atEnd()) {
        const QString raw = QString::fromUtf8(file.readLine()).trimmed();
        ++number;
        const QString where = QString::number(number);
        if (raw.isEmpty() || raw.startsWith(QLatin1Char('#')) || raw.startsWith(QLatin1Char(';')))
            continue;
        const QString line = withoutComment(raw);
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            //: %1 is the settings file, %2 the line's number
            fault(Text::tr("%1 line %2: not NAME = VALUE").arg(path, where));
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (section.isEmpty()) {
            if (key == QLatin1String("price decimals")) {
                bool ok = false;
                const int decimals = value.toInt(&ok);
                if (!ok || decimals < 0 || decimals > kMaxPriceDecimals) {
                    //: "price decimals" is the setting's name in the file
                    fault(Text::tr("%1 line %2: price decimals is 0 to %3, not %4")
                              .arg(path, where, QString::number(kMaxPriceDecimals), value));
                    continue;
                }
            }
            set(settings_, key, value);
            continue;
        }
        if (section != QLatin1String("scales")) {
            auto found = std::find_if(sections_.begin(), sections_.end(),
                                      [&](const auto& s) { return s.first == section; });
            if (found == sections_.end())
                found = sections_.insert(sections_.end(), {section, {}});
            set(found->second, key, value);
            continue;
        }
        const auto named = parsePortName(key);
        if (!scaleName.match(key).hasMatch() || (named && named->kind != PortName::Kind::Device)) {
            fault(Text::tr("%1 line %2: \"%3\" is not a scale's name (letters, digits, -, _ and "
                           "., not COM1 or COM2)")
                      .arg(path, where, key));
            continue;
        }
        QString why;
        if (!parsePortName(value, &why)) {
            //: %3 is the scale's name, %4 why its port's name cannot be taken
            fault(Text::tr("%1 line %2: %3: %4").arg(path, where, key, why));
            continue;
        }
        set(scales_, key, value);
    }
}

QString Settings::portOf(const QString& name) const {
    for (const auto& [scale, port] : scales_)
        if (scale == name.trimmed())
            return port;
    return name;
}

QStringList Settings::scaleNames() const {
    QStringList names;
    for (const auto& [scale, port] : scales_)
        names << scale;
    return names;
}

QString Settings::value(const QString& key) const {
    for (const auto& [k, v] : settings_)
        if (k == key)
            return v;
    return {};
}

int Settings::priceDecimals() const {
    const QString given = value(QStringLiteral("price decimals"));
    return given.isEmpty() ? 2 : given.toInt();
}

std::vector<std::pair<QString, QString>> Settings::section(const QString& name) const {
    for (const auto& [section, lines] : sections_)
        if (section == name.toLower())
            return lines;
    return {};
}

QString Settings::store() const {
    return value(QStringLiteral("store"));
}

QString Settings::pc() const {
    const QString named = value(QStringLiteral("pc"));
    return named.isEmpty() ? QSysInfo::machineHostName() : named;
}

QString Settings::shop() const {
    const QString named = value(QStringLiteral("shop"));
    return named.isEmpty() ? pc() : named;
}

} // namespace tarn
