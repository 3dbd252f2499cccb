// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace rv {

namespace detail {
// A whole number as int64, held at the ends of its range (NaN gives 0): a cast
// of a double outside that range is undefined, and "1e300" can be typed.
inline std::int64_t saturatedInt64(double whole) {
    constexpr double limit = 9223372036854775808.0; // 2^63, exact as a double
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (whole < -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(whole);
}
} // namespace detail

// Rounds to the nearest integer, a half to the even neighbour (0.5 -> 0,
// 1.5 -> 2, 17.5 -> 18, -0.5 -> 0). Every rounding of the program goes through
// here so that files and the wire agree with what the unit expects. Values
// beyond the int64 range give its ends.
inline std::int64_t roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double diff = value - lower;
    auto result = detail::saturatedInt64(lower);
    if (result != std::numeric_limits<std::int64_t>::max() &&
        (diff > 0.5 || (diff == 0.5 && (result % 2 != 0)))) {
        ++result;
    }
    return result;
}

// Floor towards minus infinity, as the "Int" of the curve formulas.
inline std::int64_t floorToInt(double value) {
    return detail::saturatedInt64(std::floor(value));
}

} // namespace rv
