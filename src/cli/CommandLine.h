// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortFactory.h"

#include <QStringList>

namespace tarn {
class Interrupt;
}

namespace tarn::cli {

class Console;

// The whole program below main(): reads the command line (without the program's name), runs
// the command and returns the exit status. `interrupt` (may be null) reports Ctrl-C; `ports`
// makes the parts of each port's link (tests: an in-process scale on virtual time).
int runCommandLine(const QStringList& arguments, Console& console, Interrupt* interrupt,
                   const PortFactory& ports = systemPortParts);

// The text of --help.
QString helpText();

} // namespace tarn::cli
