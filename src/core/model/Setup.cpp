// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/Setup.h"

#include "core/model/Rounding.h"

#include <algorithm>

namespace rv {

namespace {
std::uint8_t clampedByte(std::int64_t value) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
}
// A switch time and a speed as their displays are read back: an empty display counts as 0.
std::uint8_t switchTimeByte(const std::optional<int>& tenths) {
    return clampedByte(tenths.value_or(0));
}
std::uint8_t speedByte(const std::optional<int>& rpm) {
    return clampedByte(roundHalfEven(rpm.value_or(0) / 10.0));
}
} // namespace

ParameterImage collectedImage(const Setup& setup) {
    ParameterImage image = setup.image;
    image.set(Index::HoverAcroTime, switchTimeByte(setup.hoverToAcroTenths));
    image.set(Index::AcroHoverTime, switchTimeByte(setup.acroToHoverTenths));
    image.set(Index::HoverSpeed, speedByte(setup.hoverSpeedRpm));
    image.set(Index::AcroSpeed, speedByte(setup.acroSpeedRpm));
    for (int servo = 0; servo < 3; ++servo) {
        image.set(Index::ServoReverse1 + servo,
                  setup.servoInverters.at(static_cast<std::size_t>(servo)));
    }
    image.set(Index::PitchPart, setup.pitchPart);
    image.set(Index::CyclicPart, setup.cyclicPart);
    image.set(Index::PitchMode, static_cast<std::uint8_t>(setup.pitchMode));
    image.set(Index::SpeedMode, static_cast<std::uint8_t>(setup.speedMode));
    image.set(Index::ServoMode, static_cast<std::uint8_t>(setup.swashplateType));
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        std::uint8_t byte = setup.channels.channelByte(row);
        if (row == ChannelAssignment::Phase && setup.pitchMode != 1) {
            byte = 0; // the unit has no flight phases without collective pitch
        }
        image.set(Index::FirstChannel + row, byte);
    }
    return image;
}

void collectImage(Setup& setup) {
    setup.image = collectedImage(setup);
}

} // namespace rv
