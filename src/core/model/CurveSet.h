// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace rv {

// One stick curve: eleven points, 0..200 (100 = centre) or -1 for a removed point.
using Curve = std::array<std::int16_t, 11>;
constexpr std::int16_t RemovedPoint = -1;
constexpr int CurvePoints = 11;

enum FlightPhase : int { Hover = 0, Acro = 1 };

// The eleven curves, addressed by letter or by (flight phase, curve index).
class CurveSet {
public:
    static constexpr int Count = 11;
    // The order in which the transfer sends the curves.
    static constexpr std::string_view SendOrder = "MTAGNRtagnr";
    // The record stores M T A G t a g, then the reserved fields, then N R n r.
    static constexpr std::string_view FileOrderFirst = "MTAGtag";
    static constexpr std::string_view FileOrderSecond = "NRnr";

    static bool isValidLetter(char letter);
    // Letter of (phase, curve index); '\0' for the pair (acro, 0) and anything out of range.
    static char letterOf(int phase, int curveIndex);
    // Point 0 of HoverMain and HoverGas is held at 0 by the editor.
    static bool isHeldAtZero(int phase, int curveIndex);
    // 1.25 for the cyclic curves (index 4 and 5), else 1.
    static double scaleOf(int curveIndex);

    Curve& byLetter(char letter);
    const Curve& byLetter(char letter) const;
    // nullptr where the pair addresses no curve.
    Curve* at(int phase, int curveIndex);
    const Curve* at(int phase, int curveIndex) const;

    bool operator==(const CurveSet& other) const = default;

private:
    static int slotOf(char letter);
    std::array<Curve, Count> curves_{};
};

// Copy of a curve with its removed points filled by straight lines, rounded
// half to even; column 0 and trailing gaps stay as they are. The result is
// what the transfer sends (SendPoints); the curve itself is left unchanged.
Curve FillCurveGaps(const Curve& curve);

} // namespace rv
