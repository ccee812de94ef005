#pragma once

#include <QStringList>

namespace tarn {
class Interrupt;
}

namespace tarn::cli {

class Console;

// The whole program below main(): reads the command line (without the program's name), runs
// the command and returns the exit status. `interrupt` (may be null) reports Ctrl-C.
int runCommandLine(const QStringList& arguments, Console& console, Interrupt* interrupt);

// The text of --help.
QString helpText();

} // namespace tarn::cli
