// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/FlightPhaseValues.h"

#include "core/model/Rounding.h"

#include <algorithm>
#include <limits>

namespace rv::FlightPhaseValues {

namespace {
std::uint8_t toByte(std::int64_t value) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
}

double secondsOf(const QString& text, const QLocale& locale) {
    bool ok = false;
    double seconds = locale.toDouble(text, &ok);
    if (!ok) {
        // A text written before the locale was switched still reads back.
        seconds = QLocale::c().toDouble(text, &ok);
    }
    return ok ? seconds : 0.0;
}
} // namespace

QString formatSwitchTime(int tenths, const QLocale& locale) {
    return locale.toString(tenths / 10.0, 'f', QLocale::FloatingPointShortest);
}

int switchTimeTenths(const QString& text, const QLocale& locale) {
    // Held in int's range: "1e300" must read as very long, not wrap round.
    return static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(secondsOf(text, locale) * 10.0),
                                                     std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

int limitSwitchTenths(int tenths) {
    return std::clamp(tenths, 0, MaxSwitchTenths);
}

QString formatSpeed(int rpm) {
    return QString::number(rpm);
}

int speedForSliderValue(int value) {
    return static_cast<int>(floorToInt(value / 10.0)) * 10;
}

int speedOf(const QString& text) {
    bool ok = false;
    const int rpm = text.trimmed().toInt(&ok);
    return ok ? rpm : 0;
}

int speedFromByte(std::uint8_t byte) {
    return std::clamp(byte * 10, MinSpeed, MaxSpeed);
}

std::uint8_t switchTimeByte(const QString& text, const QLocale& locale) {
    return toByte(roundHalfEven(secondsOf(text, locale) * 10.0));
}

std::uint8_t speedByte(const QString& text) {
    return toByte(roundHalfEven(speedOf(text) / 10.0));
}

std::uint8_t speedFactor(std::uint8_t hoverSpeedByte, int tenths) {
    return toByte(roundHalfEven(hoverSpeedByte * tenths / 10.0));
}

} // namespace rv::FlightPhaseValues
