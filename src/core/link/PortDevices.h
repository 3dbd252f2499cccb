// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rv {

// The device that port number 1..16 opens here: the one a pilot pinned to it
// in the settings, else the system's; "" when there is none. What the window
// and the command-line tool hand their serial link.
QString portDevice(int portNumber);

} // namespace rv
