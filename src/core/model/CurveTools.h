// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/CurveSet.h"

#include <QString>

#include <optional>

namespace rv::CurveTools {

// Stored units one click of "Shift up" or "Shift down" moves every point.
constexpr int ShiftStep = 5;

// Presets: whole curves with every point present, in stored units 0..200.
// A straight line from the lowest to the highest output.
Curve linear();
// Every point at one value (a constant hover pitch).
Curve flat(int value);
// Highest output at both stick ends, straight down to `middle` at the centre
// (the idle-up throttle curve).
Curve vShape(int middle);
// The full-range line bent by `strengthPercent` (-100..100): positive values
// make it flatter around the centre and steeper at the ends, negative ones the
// opposite.
Curve expo(int strengthPercent);

// The curve the other way round: column c takes the point of column 10 - c,
// removed points included.
Curve mirrored(const Curve& curve);
// Every present point moved by delta, kept within 0..200; removed points stay removed.
Curve shifted(const Curve& curve, int delta);

// A whole number typed by the pilot: an optional sign and digits, blanks
// around allowed; nothing for anything else (also for an empty text).
std::optional<int> readWholeNumber(const QString& text);

} // namespace rv::CurveTools
