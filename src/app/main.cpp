// SPDX-License-Identifier: GPL-3.0-or-later
#include "Interrupt.h"
#include "MainWindow.h"

#include "PortActions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QSettings>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnlink"));
    QApplication::setApplicationVersion(QStringLiteral(TARNLINK_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnlink.png")));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Keeps the PLU and ingredient tables of a label-printing retail scale."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Choose this port on the \"Port\" tab: COM1, COM2 or a device path "
                       "(\"Other\"). It opens when \"Open\" is pressed."),
        QStringLiteral("name"));
    options.addOption(port);
    options.process(app);

    tarn::MainWindow window;
    // What the window remembers between runs, in the platform's usual place
    // (~/.config/Tarnlink/Tarnlink.ini on Linux); "--port" still chooses for this run.
    window.setMemory(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                 QStringLiteral("Tarnlink"),
                                                 QStringLiteral("Tarnlink")));
    if (options.isSet(port))
        window.portActions().choosePort(options.value(port));
    // Exit ends the event loop: the window goes, and with it the engine, which stops what runs
    // on the line and closes the port on its own thread.
    // Ctrl-C in the terminal, kill, or the session ending: the same way out as Exit.
    tarn::Interrupt interrupt;
    QObject::connect(&interrupt, &tarn::Interrupt::arrived, &window,
                     &tarn::MainWindow::exitProgram);
    window.show();
    return QApplication::exec();
}
