// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarn {

namespace {

// Where the build puts the compiled texts: inside the programs.
const char* const kOurs = ":/i18n";

bool isPlainLocale(const QByteArray& name) {
    return name == "C" || name == "POSIX" || name.startsWith("C.") || name.startsWith("C@");
}

// Installs a translator owned by the application, so that it lives as long as the texts it
// gives.
bool install(QCoreApplication& app, const QLocale& language, const QString& file,
             const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(language, file, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

QLocale desktopLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        if (isPlainLocale(value))
            return QLocale::c();
        // Qt reads the same variables, LANGUAGE's list first.
        return QLocale::system();
    }
    return QLocale::c();
}

bool installLanguage(QCoreApplication& app, const QLocale& language) {
    if (language.language() == QLocale::C || language.language() == QLocale::English)
        return false;
    if (!install(app, language, QStringLiteral("tarnlink"), QString::fromLatin1(kOurs)))
        return false;
    // Qt's own dialogs in the same language, where the system has Qt's translations.
    install(app, language, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

bool installTranslationFile(QCoreApplication& app, const QString& path) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace tarn
