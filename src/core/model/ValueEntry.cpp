// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ValueEntry.h"

#include "core/model/Rounding.h"

#include <cmath>

namespace rv::ValueEntry {

std::optional<double> readNumber(const QString& text, const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> byteOf(const QString& text, const QLocale& locale) {
    const std::optional<double> value = readNumber(text, locale);
    // Checked before rounding, so that no huge number is ever made an integer.
    if (!value || *value < -0.5 || *value > 255.5) {
        return std::nullopt;
    }
    const std::int64_t rounded = roundHalfEven(*value);
    if (rounded < 0 || rounded > 255) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

std::variant<int, TypedValueFault> positionOf(const QString& text, const QLocale& locale,
                                              const TypedRange& range) {
    const std::optional<double> value = readNumber(text, locale);
    if (!value) {
        return TypedValueFault::NotANumber;
    }
    const double position = *value * range.positionsPerUnit;
    // Checked before rounding, so that no huge number is ever made an integer.
    if (position < range.minimum - 0.5 || position > range.maximum + 0.5) {
        return TypedValueFault::OutOfRange;
    }
    const std::int64_t rounded = roundHalfEven(position);
    if (rounded < range.minimum || rounded > range.maximum) {
        return TypedValueFault::OutOfRange;
    }
    return static_cast<int>(rounded);
}

} // namespace rv::ValueEntry
