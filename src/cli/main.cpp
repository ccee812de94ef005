// tarnlink-cli: the transfers, table files and workbooks of Tarnlink, for batch jobs.

#include "Command.h"
#include "CommandLine.h"
#include "Interrupt.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnlink-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNLINK_VERSION));

    tarn::Interrupt interrupt;
    tarn::cli::Console console(stdout, stderr);
    return tarn::cli::runCommandLine(QCoreApplication::arguments().mid(1), console, &interrupt);
}
