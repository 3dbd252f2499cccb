// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveTools.h"

#include "core/model/CurveGeometry.h"
#include "core/model/Rounding.h"

#include <algorithm>
#include <cmath>

namespace rv::CurveTools {

using CurveGeometry::LastColumn;

namespace {
constexpr int Lowest = 0;
constexpr int Highest = 200;
constexpr int Centre = 5;

std::int16_t clampedPoint(double value) {
    return static_cast<std::int16_t>(
        std::clamp<std::int64_t>(roundHalfEven(value), Lowest, Highest));
}
} // namespace

Curve linear() {
    Curve curve{};
    for (int c = 0; c < CurvePoints; ++c) {
        curve[static_cast<std::size_t>(c)] = clampedPoint(Highest * c / double(LastColumn));
    }
    return curve;
}

Curve flat(int value) {
    Curve curve{};
    curve.fill(clampedPoint(value));
    return curve;
}

Curve vShape(int middle) {
    const int bottom = std::clamp(middle, Lowest, Highest);
    Curve curve{};
    for (int c = 0; c < CurvePoints; ++c) {
        const double fromCentre = std::abs(c - Centre) / double(Centre);
        curve[static_cast<std::size_t>(c)] = clampedPoint(bottom + (Highest - bottom) * fromCentre);
    }
    return curve;
}

Curve expo(int strengthPercent) {
    // The usual expo of transmitters, a blend of the line and its cube. A
    // negative strength bends each half the other way (steeper at the
    // centre): the cube blend itself would overshoot the ends there.
    const double k = std::abs(std::clamp(strengthPercent, -100, 100)) / 100.0;
    auto bent = [k](double t) { return (1.0 - k) * t + k * t * t * t; };
    Curve curve{};
    for (int c = 0; c < CurvePoints; ++c) {
        const double x = (c - Centre) / double(Centre);
        const double magnitude =
            strengthPercent >= 0 ? bent(std::abs(x)) : 1.0 - bent(1.0 - std::abs(x));
        curve[static_cast<std::size_t>(c)] =
            clampedPoint(100.0 + 100.0 * std::copysign(magnitude, x));
    }
    return curve;
}

Curve mirrored(const Curve& curve) {
    Curve result = curve;
    std::reverse(result.begin(), result.end());
    return result;
}

Curve shifted(const Curve& curve, int delta) {
    Curve result = curve;
    for (auto& point : result) {
        if (point != RemovedPoint) {
            point = clampedPoint(point + delta);
        }
    }
    return result;
}

std::optional<int> readWholeNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 6) {
        return std::nullopt;
    }
    int start = (trimmed[0] == QLatin1Char('-') || trimmed[0] == QLatin1Char('+')) ? 1 : 0;
    if (start == trimmed.size()) {
        return std::nullopt;
    }
    for (int i = start; i < trimmed.size(); ++i) {
        if (trimmed[i] < QLatin1Char('0') || trimmed[i] > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    return trimmed.toInt();
}

} // namespace rv::CurveTools
