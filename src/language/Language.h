// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace tarn {

// The language the desktop asks for, as gettext and Qt read it: LC_ALL, then LC_MESSAGES, then
// LANG name the locale, and LANGUAGE may list languages in front of it. A "C" or "POSIX" locale
// means the program's own English, whatever LANGUAGE says; so does an unset one.
QLocale desktopLanguage();

// Installs Tarnlink's texts in `language` and Qt's own (its file and print dialogs, its
// buttons) into the application, for the rest of the run. English, or a language Tarnlink has
// no texts in, installs nothing of ours: the texts stay as the program writes them. Returns
// whether one of ours was installed.
bool installLanguage(QCoreApplication& app, const QLocale& language);

// Installs the translation file at `path` (a .qm) alone: the testing language.
bool installTranslationFile(QCoreApplication& app, const QString& path);

} // namespace tarn
