// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

namespace rv::ValueEntry {

// A finite decimal number in the locale's notation, blanks around it allowed,
// group separators refused: "1.000" must not become 1000 where the dot groups
// thousands.
std::optional<double> readNumber(const QString& text, const QLocale& locale);

// The byte a text stands for: a decimal number rounded half to even, 0..255;
// nothing for anything else.
std::optional<int> byteOf(const QString& text, const QLocale& locale);

// A slider's range as the pilot types it: positions minimum..maximum, each
// shown as position / positionsPerUnit (seconds on a slider of tenths: 10).
struct TypedRange {
    int minimum = 0;
    int maximum = 0;
    int positionsPerUnit = 1;
};
enum class TypedValueFault { NotANumber, OutOfRange };

// The slider position for a value typed in the units shown, rounded half to
// even, or why there is none.
std::variant<int, TypedValueFault> positionOf(const QString& text, const QLocale& locale,
                                              const TypedRange& range);

} // namespace rv::ValueEntry
