// SPDX-License-Identifier: GPL-3.0-or-later
// The pure half of the curve helpers: core tests link it without widgets.
#include "support/curve_test_helpers.h"

#include "core/model/CurveGeometry.h"

namespace curvetest {

double yOf(int value) {
    return rv::CurveGeometry::valueY(value);
}
double cursorY(int value) {
    return 110.0 + 15.0 * (199 - value) + 7.5;
}
double xOf(int column) {
    return rv::CurveGeometry::columnX(column);
}

rv::Curve ramp(int from, int step) {
    rv::Curve curve{};
    for (int c = 0; c < rv::CurvePoints; ++c) {
        curve[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(from + step * c);
    }
    return curve;
}

} // namespace curvetest
