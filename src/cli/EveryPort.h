#pragma once

#include "Command.h"

#include <functional>
#include <vector>

namespace tarn::cli {

// A job on a link, run on the port's own thread with its own copy of the tables: true when it
// reached its normal end.
using PortJob = std::function<bool(Workspace& ws, ScaleLink& link)>;

// How many ports one run takes at most.
constexpr int kMaxPorts = 64;

// Runs `job` on every port at the same time, each on a thread of its own with its own link
// (port, clock and event loop) and its own copy of the session's tables and file source, so a
// silent or lost scale delays no other. Every status text of a port goes to stdout as it comes,
// after `prefix(port)`; a port's lines keep their order. A port that cannot be opened shows
// the window's "ERROR! cannot open ..." and has not ended normally. Ctrl-C stops every port at
// once, and each closes its port. A port's last line, when `lastLine` is given, is
// lastLine(ended), whether the port was tried or not. Returns, per port, whether its job ended
// normally.
std::vector<bool> runOnEveryPort(Session& session, const QStringList& ports, const PortJob& job,
                                 const std::function<QString(const QString&)>& prefix,
                                 const std::function<QString(bool ended)>& lastLine = {});

} // namespace tarn::cli
