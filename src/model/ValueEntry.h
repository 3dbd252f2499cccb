#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace rv::ValueEntry {

// A finite decimal number in the locale's notation, blanks around it allowed,
// group separators refused: "1.000" must not become 1000 where the dot groups
// thousands.
std::optional<double> readNumber(const QString& text, const QLocale& locale);

// The byte a text stands for: a decimal number rounded half to even, 0..255;
// nothing for anything else.
std::optional<int> byteOf(const QString& text, const QLocale& locale);

} // namespace rv::ValueEntry
