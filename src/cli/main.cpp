// SPDX-License-Identifier: GPL-3.0-or-later
// tarnlink-cli: the transfers, table files and workbooks of Tarnlink, for batch jobs.

#include "Command.h"
#include "CommandLine.h"
#include "Interrupt.h"
#include "Language.h"
#include "StoreWriter.h"
#include "Version.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <csignal>
#include <cstring>
#include <memory>

namespace {

// Whether the output is for a program: --format csv or json. It is the same in every language,
// its messages included.
bool machineOutput(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const char* format = nullptr;
        if (std::strcmp(argv[i], "--format") == 0 && i + 1 < argc)
            format = argv[i + 1];
        else if (std::strncmp(argv[i], "--format=", 9) == 0)
            format = argv[i] + 9;
        if (format && std::strcmp(format, "text") != 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Labels are drawn with fonts, which take a GUI application; a run from a script or a
    // timer has no display, and needs none for a PDF or a printer.
    bool labels = false;
    for (int i = 1; i < argc; ++i)
        labels = labels || std::strcmp(argv[i], "labels") == 0;
    if (labels && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        labels ? std::make_unique<QGuiApplication>(argc, argv)
               : std::make_unique<QCoreApplication>(argc, argv);
    // A reader of stdout that has gone away must not end a transfer half-way: the write fails
    // instead, and the job ends with status 1 once the scale has been left in order.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication::setApplicationName(QStringLiteral("tarnlink-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tarn::programVersion()));
    if (!machineOutput(argc, argv))
        tarn::installLanguage(*app, tarn::desktopLanguage());

    int status = 0;
    {
        tarn::Interrupt interrupt;
        tarn::cli::Console console(stdout, stderr);
        status =
            tarn::cli::runCommandLine(QCoreApplication::arguments().mid(1), console, &interrupt);
    }
    // A store that does not answer (a server gone) is not waited for at the end.
    return tarn::endProgram(status);
}
