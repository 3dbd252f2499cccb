#pragma once

namespace rv {

// Everything the program sets on the QApplication before its window is built:
// names (which place the settings file), version, window icon and style.
void setUpApplication();

} // namespace rv
