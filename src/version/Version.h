// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarn {

// The version of this build, as git described its source ("0.4.0+12.gabc1234"), or the
// project's version with "+unknown" when it was built without its history.
const char* programVersion();

} // namespace tarn
