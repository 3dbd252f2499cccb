#pragma once

namespace rv {

// Everything the program sets on the QApplication before its window is built:
// names (which place the settings file), version and style. The window icon
// follows once the first window has painted.
void setUpApplication();

} // namespace rv
