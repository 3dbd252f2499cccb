// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Rounding.h"

namespace rv::CurveGeometry {

// The curve picture's logical space: 3200 x 3200 units, origin top left.
constexpr double LogicalSize = 3200.0;
constexpr int LastColumn = 10;

// x of column c: 100 .. 3100.
constexpr double columnX(int column) {
    return 100.0 + 300.0 * column;
}
// y of point value v: 200 at 110, 100 at 1610, 0 at 3110.
constexpr double valueY(double value) {
    return 110.0 + 15.0 * (200.0 - value);
}

// The nearest column; a cursor exactly half-way belongs to the left one.
// Positions beyond the picture (a drag leaving it) stay on the outer columns.
inline int columnAt(double x) {
    const double q = (x - 100.0) / 300.0;
    auto c = static_cast<int>(floorToInt(q));
    if (q - c > 0.5) {
        ++c;
    }
    return c < 0 ? 0 : (c > LastColumn ? LastColumn : c);
}

// The point value under the cursor; meaningful only within 0..200.
inline int cursorValueAt(double y) {
    return 199 - static_cast<int>(floorToInt((y - 110.0) / 15.0));
}
inline bool isValidValue(int value) {
    return value >= 0 && value <= 200;
}

// The number shown for a point or cursor value: rounded down, never up.
inline int shownValue(int value, double scale) {
    return static_cast<int>(floorToInt(scale * (value - 100)));
}
// The point value stored for a shown number.
inline int storedValue(int shown, double scale) {
    return static_cast<int>(floorToInt(100.0 + shown / scale));
}
// The point value for a typed number: the smallest value shown as that number
// or above, within 0..200. On a 1.25 curve, where not every number can be
// shown, the curve then shows what was typed wherever it can hold it.
inline int storedValueForTyped(int shown, double scale) {
    const int value = static_cast<int>(-floorToInt(-(100.0 + shown / scale)));
    return value < 0 ? 0 : (value > 200 ? 200 : value);
}

} // namespace rv::CurveGeometry
