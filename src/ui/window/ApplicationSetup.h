// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rv {

// Everything the program sets on the QApplication before its window is built:
// names (which place the settings file), version and the window icon.
void setUpApplication();

} // namespace rv
