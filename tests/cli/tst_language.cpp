// SPDX-License-Identifier: GPL-3.0-or-later
// The command line speaks the desktop's language: the first of LANGUAGE's list on a desktop
// that has a language, the program's English exactly for LANG=C or LC_ALL=C whatever LANGUAGE
// says, and output for programs (--format) the same in every language. Polish counts in
// three forms; Qt's own texts (its dialogs' buttons) come in the same language.

#include "CliRun.h"
#include "Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace tarn::testing {
namespace {

// Each run names its whole language: the tests' own (LC_ALL=C) is cleared first.
CliResult runIn(const QStringList& language, const QStringList& args) {
    return runCli(args, 60000,
                  QStringList{"LC_ALL=", "LC_MESSAGES=", "LANG=", "LANGUAGE="} + language);
}

// What the shipped translation makes of a text of the command line in `language`.
QString translated(const char* language, const char* context, const char* text, int n = -1) {
    QTranslator translator;
    EXPECT_TRUE(translator.load(QLocale(QString::fromLatin1(language)), QStringLiteral("tarnlink"),
                                QStringLiteral("_"), QStringLiteral(":/i18n")));
    QString found = translator.translate(context, text, nullptr, n);
    return n < 0 ? found : found.replace(QLatin1String("%n"), QString::number(n));
}

TEST(Language, theDesktopsLanguageSpeaksAndCIsTheProgramsEnglish) {
    const QStringList unknown{"frobnicate"};
    const QString english = QStringLiteral("unknown command frobnicate");
    const QString german = translated("de", "CommandLine", "unknown command %1").arg("frobnicate");
    const QString polish = translated("pl", "CommandLine", "unknown command %1").arg("frobnicate");
    ASSERT_NE(german, english);

    EXPECT_TRUE(runIn({"LANG=de_DE.UTF-8"}, unknown).err.contains(german.toUtf8()));
    EXPECT_TRUE(
        runIn({"LANG=de_DE.UTF-8", "LANGUAGE=pl:de"}, unknown).err.contains(polish.toUtf8()));
    const QByteArray plain = runIn({}, unknown).err;
    EXPECT_TRUE(plain.contains(english.toUtf8()));
    EXPECT_EQ(runIn({"LANG=C", "LANGUAGE=de"}, unknown).err, plain);
    EXPECT_EQ(runIn({"LC_ALL=C", "LANG=de_DE.UTF-8"}, unknown).err, plain);
    EXPECT_EQ(runIn({"LANG=it_IT.UTF-8"}, unknown).err, plain); // no texts in Italian
}

TEST(Language, outputForProgramsIsTheSameInEveryLanguage) {
    QTemporaryDir dir;
    const QString plu = dir.filePath("prices.PLU");
    ASSERT_TRUE(writeBytes(plu, "12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"));
    const QStringList status{"--port", dir.filePath("ttyNONE"), "status", "plu", plu, "--format",
                             "csv"};
    const CliResult c = runIn({"LANG=C"}, status);
    ASSERT_FALSE(c.out.isEmpty());
    for (const char* language : {"LANG=de_DE.UTF-8", "LANG=pl_PL.UTF-8"}) {
        const CliResult there = runIn({language}, status);
        EXPECT_EQ(there.out, c.out) << language;
        EXPECT_EQ(there.exitCode, c.exitCode) << language;
    }
}

TEST(Language, qtsOwnTextsComeInTheSameLanguage) {
    ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), QLocale(QLocale::German)));
    EXPECT_NE(QCoreApplication::translate("CommandLine", "Usage:"), "Usage:");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

TEST(Language, polishCountsInThreeForms) {
    EXPECT_EQ(translated("pl", "History", "%n record(s)", 1), "1 rekord");
    EXPECT_EQ(translated("pl", "History", "%n record(s)", 2), "2 rekordy");
    EXPECT_EQ(translated("pl", "History", "%n record(s)", 5), "5 rekordów");
    EXPECT_EQ(translated("pl", "History", "%n record(s)", 22), "22 rekordy");
}

} // namespace
} // namespace tarn::testing
