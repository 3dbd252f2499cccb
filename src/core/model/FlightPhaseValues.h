// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace rv::FlightPhaseValues {

// Switch times in tenths of a second, governor speeds in revolutions per minute.
constexpr int MaxSwitchTenths = 20;
constexpr int MinSpeed = 500;
constexpr int MaxSpeed = 2500;

// Seconds with the locale's separator and no trailing zeros: 0, 0.5, 1, 1.5, 2.
QString formatSwitchTime(int tenths, const QLocale& locale = QLocale());
// Tenths for a shown time, a half to even; an empty or unreadable display counts as 0.
int switchTimeTenths(const QString& text, const QLocale& locale = QLocale());
// A stored time limited to what the switch-time slider can show.
int limitSwitchTenths(int tenths);

QString formatSpeed(int rpm);
// The speed shown for a slider position: rounded down to a multiple of 10.
int speedForSliderValue(int value);
// Rpm of a shown speed; an empty or unreadable display counts as 0.
int speedOf(const QString& text);
// A stored speed byte as rpm, limited to the slider range.
int speedFromByte(std::uint8_t byte);

// Image bytes as collected: rounded half to even and kept within a byte.
std::uint8_t switchTimeByte(const QString& text, const QLocale& locale = QLocale());
std::uint8_t speedByte(const QString& text);
// Bytes 4 and 5, derived from the hover speed byte: byte x 6 / 10 and byte x 7 / 10.
std::uint8_t speedFactor(std::uint8_t hoverSpeedByte, int tenths);

} // namespace rv::FlightPhaseValues
