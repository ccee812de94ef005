// SPDX-License-Identifier: GPL-3.0-or-later
#include "Interrupt.h"
#include "Language.h"
#include "MainWindow.h"

#include "PortActions.h"
#include "StoreWriter.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QSettings>

#include <cstring>
#include <memory>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(WindowOptions)
};

// Whether the command line asks for --help or --version, which must answer on a terminal with
// no display: the window's application needs one, and is made only after this.
bool asksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        for (const char* asked : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], asked) == 0)
                return true;
    return false;
}

// The command line's options, described in the language of the translators installed by then;
// returns --port.
QCommandLineOption describeOptions(QCommandLineParser& options) {
    options.setApplicationDescription(
        Text::tr("Keeps the PLU and ingredient tables of a label-printing retail scale."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        Text::tr("Choose this port on the \"Port\" tab: COM1, COM2, a device path, "
                 "tcp:HOST:PORT or a scale's name from the settings file (\"Other\"), for this "
                 "run: it is not remembered. It opens when \"Open\" is pressed."),
        //: The value of --port in the help, as in --port <name>
        Text::tr("name"));
    options.addOption(port);
    return port;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Tarnlink"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tarn::programVersion()));
    if (asksForHelpOrVersion(argc, argv)) {
        // Prints the help or the version and ends the program.
        QCoreApplication console(argc, argv);
        tarn::installLanguage(console, tarn::desktopLanguage());
        QCommandLineParser options;
        describeOptions(options);
        options.process(console);
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnlink.png")));
    // The developers' testing language (every text marked) in place of the desktop's.
    if (const QString testing = qEnvironmentVariable("TARNLINK_TEST_TRANSLATION");
        testing.isEmpty())
        tarn::installLanguage(app, tarn::desktopLanguage());
    else
        tarn::installTranslationFile(app, testing);
    QCommandLineParser options;
    const QCommandLineOption port = describeOptions(options);
    options.process(app);

    int status = 0;
    {
        tarn::MainWindow window;
        // What the window remembers between runs, in the platform's usual place
        // (~/.config/Tarnlink/Tarnlink.ini on Linux); "--port" chooses for this run alone.
        window.setMemory(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                     QStringLiteral("Tarnlink"),
                                                     QStringLiteral("Tarnlink")));
        if (options.isSet(port))
            window.portActions().choosePortForThisRun(options.value(port));
        // Exit ends the event loop: the window goes, and with it the engine, which stops what runs
        // on the line and closes the port on its own thread.
        // Ctrl-C in the terminal, kill, or the session ending: the same way out as Exit.
        tarn::Interrupt interrupt;
        QObject::connect(&interrupt, &tarn::Interrupt::arrived, &window,
                         &tarn::MainWindow::exitProgram);
        window.show();
        status = QApplication::exec();
    }
    // A store that does not answer (a server gone) is not waited for at the end.
    return tarn::endProgram(status);
}
