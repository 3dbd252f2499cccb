// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/CurveSet.h"

#include <QPointF>

namespace rv {
class CurvePicture;
struct Setup;
} // namespace rv

// Mouse events for the curve picture at logical coordinates (0..3200), so
// that tests state positions the way the editor's formulas do.
namespace curvetest {

void move(rv::CurvePicture* picture, QPointF logical, Qt::MouseButtons held = Qt::NoButton);
void press(rv::CurvePicture* picture, QPointF logical, Qt::MouseButton button);
void release(rv::CurvePicture* picture, QPointF logical, Qt::MouseButton button);
// Move there without a button (choosing the column and the cursor value), then click.
void clickAt(rv::CurvePicture* picture, QPointF logical, Qt::MouseButton button = Qt::LeftButton);

// The logical y of a point value (where its dot is drawn).
double yOf(int value);
// A logical y where the cursor reads the value (the middle of its 15-unit band,
// which lies just above the value's dot).
double cursorY(int value);
double xOf(int column);

rv::Curve ramp(int from, int step);

// The setup as a load of its record (with its heli type) leaves it.
void loadOwnRecord(rv::Setup& setup);

} // namespace curvetest
