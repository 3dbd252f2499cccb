#pragma once

#include <QIcon>

namespace rv {

// The program's icon, drawn at whatever size the desktop asks for. It is the
// picture of packaging/rotavionix-control.svg (used by the .desktop entry);
// drawing it needs neither an SVG nor an image-format plugin at start-up.
QIcon applicationIcon();

} // namespace rv
