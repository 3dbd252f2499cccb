// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/SetupEdits.h"

#include "core/model/FlightPhaseValues.h"
#include "core/model/SliderTable.h"

namespace rv {

namespace {
constexpr int RpmControlled = 0;
constexpr int ThrottleCurve = 0;
constexpr int ThirdSwashplate = 2;
} // namespace

void selectHeliType(Setup& setup, int pitchMode) {
    setup.pitchMode = pitchMode;
    if (pitchMode == RpmControlled) {
        setup.speedMode = ThrottleCurve;
        setup.swashplateType = ThirdSwashplate;
    }
}

void setSliderPosition(Setup& setup, const SliderDefinition& row, int position) {
    const std::uint8_t byte = SliderArithmetic::byteForPosition(row, position);
    if (row.kind != SliderKind::Part) {
        setup.image.set(row.index, byte);
    } else if (row.index == Index::PitchPart) {
        setup.pitchPart = byte;
    } else {
        setup.cyclicPart = byte;
    }
}

int sliderPosition(const Setup& setup, const SliderDefinition& row) {
    if (row.kind != SliderKind::Part) {
        return SliderArithmetic::positionForByte(row, setup.image.at(row.index));
    }
    return SliderArithmetic::positionForByte(row, row.index == Index::PitchPart ? setup.pitchPart
                                                                                : setup.cyclicPart);
}

void setServoReversed(Setup& setup, int servo, bool reversed) {
    setup.servoInverters.at(static_cast<std::size_t>(servo)) =
        reversed ? Setup::ServoReversed : Setup::ServoNormal;
}

void setSwitchTimeOfShownPhase(Setup& setup, int tenths) {
    (setup.flightPhase == Hover ? setup.hoverToAcroTenths : setup.acroToHoverTenths) = tenths;
}

void setGovernorSpeed(Setup& setup, int phase, int sliderValue) {
    (phase == Hover ? setup.hoverSpeedRpm : setup.acroSpeedRpm) =
        FlightPhaseValues::speedForSliderValue(sliderValue);
}

void editComment(Setup& setup, const QString& boxText) {
    setup.editedComment = boxText;
    setup.changed = true;
}

} // namespace rv
