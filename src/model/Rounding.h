#pragma once

#include <cmath>
#include <cstdint>

namespace rv {

// Rounds to the nearest integer, a half to the even neighbour (0.5 -> 0,
// 1.5 -> 2, 17.5 -> 18, -0.5 -> 0). Every rounding of the program goes through
// here so that files and the wire agree with what the unit expects.
inline std::int64_t roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double diff = value - lower;
    auto result = static_cast<std::int64_t>(lower);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) {
        ++result;
    }
    return result;
}

// Floor towards minus infinity, as the "Int" of the curve formulas.
inline std::int64_t floorToInt(double value) {
    return static_cast<std::int64_t>(std::floor(value));
}

} // namespace rv
