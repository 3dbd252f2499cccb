#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace rv {

// The program's icon, drawn at whatever size the desktop asks for. It is the
// picture of packaging/rotavionix-control.svg (used by the .desktop entry);
// drawing it needs neither an SVG nor an image-format plugin at start-up.
QIcon applicationIcon();

// Draws the icon into the square of side min(width, height) centred in area.
void paintApplicationIcon(QPainter& painter, const QRectF& area);

} // namespace rv
