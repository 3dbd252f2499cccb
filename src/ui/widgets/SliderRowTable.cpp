// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/SliderRowTable.h"

#include "core/model/SliderTable.h"

#include <QCoreApplication>

#include <array>
#include <cstring>

namespace rv {

namespace {

// The translations' context of the row captions.
constexpr char RowContext[] = "rv::SliderRow";

// Trailing blanks are part of some captions. One row per line reads best.
// clang-format off
constexpr auto Rows = std::to_array<SliderRowNames>({
    {"soft_start", "Para13Sl", "Para13L", "Softstart", QT_TRANSLATE_NOOP("rv::SliderRow", "Soft Start"), SliderFrame::System},
    {"system_gain", "Para30Sl", "Para30L", "SystemGain", QT_TRANSLATE_NOOP("rv::SliderRow", "System Gain"), SliderFrame::System},
    {"tail_gain", "Para34Sl", "Para34L", "TailGain", QT_TRANSLATE_NOOP("rv::SliderRow", "Tail Gain"), SliderFrame::System},
    {"governor_sensitivity", "Para14Sl", "Para14L", "SpeedE", QT_TRANSLATE_NOOP("rv::SliderRow", "Sensitivity"), SliderFrame::Speed},
    {"governor_intensity", "Para15Sl", "Para15L", "SpeedI", QT_TRANSLATE_NOOP("rv::SliderRow", "Intensity"), SliderFrame::Speed},
    {"load_change_effect", "Para16Sl", "Para16L", "SpeedLW", QT_TRANSLATE_NOOP("rv::SliderRow", "Load Change Effect"), SliderFrame::Speed},
    {"load_change_duration", "Para17Sl", "Para17L", "SpeedLD", QT_TRANSLATE_NOOP("rv::SliderRow", "Load Change Duration"), SliderFrame::Speed},
    {"gyro_standard_sensitivity", "Para28Sl", "Para28L", "GyroE", QT_TRANSLATE_NOOP("rv::SliderRow", "Standard Mode Sensitivity"), SliderFrame::Gyro},
    {"dynamic_gyro_compensation", "Para26Sl", "Para26L", "GyroLW", QT_TRANSLATE_NOOP("rv::SliderRow", "Dynamic Gyro Comp."), SliderFrame::Gyro},
    {"dynamic_gyro_holding_time", "Para27Sl", "Para27L", "GyroLD", QT_TRANSLATE_NOOP("rv::SliderRow", "Dyn. Gyro Holding Time"), SliderFrame::Gyro},
    {"tail_mixing", "Para20Sl", "Para20L", "TailMix", QT_TRANSLATE_NOOP("rv::SliderRow", "Tail Mixing"), SliderFrame::Tail},
    {"tail_dynamic_compensation", "Para21Sl", "Para21L", "TailGW", QT_TRANSLATE_NOOP("rv::SliderRow", "Dynamic Compensation"), SliderFrame::Tail},
    {"tail_dynamic_holding", "Para22Sl", "Para22L", "TailGD", QT_TRANSLATE_NOOP("rv::SliderRow", "Dynamic Holding Comp."), SliderFrame::Tail},
    {"combi_tail_mean_value", "Para19Sl", "Para19L", "TailS", QT_TRANSLATE_NOOP("rv::SliderRow", "Combi Tail Mean Value"), SliderFrame::Tail},
    {"pitch_add_on", "Para24Sl", "Para24L", "Pitchmix", QT_TRANSLATE_NOOP("rv::SliderRow", "Pitch Add On"), SliderFrame::Tail},
    {"heading_lock_sensitivity", "Para25Sl", "Para25L", "HeadingE", QT_TRANSLATE_NOOP("rv::SliderRow", "Heading Lock Sensitivity"), SliderFrame::Heading},
    {"heading_lock_mixing", "Para45Sl", "Para45L", "HeadingI", QT_TRANSLATE_NOOP("rv::SliderRow", "Heading Lock Mixing"), SliderFrame::Heading},
    {"heading_lock_fade_out", "Para33Sl", "Para33L", "HeadingDissolve", QT_TRANSLATE_NOOP("rv::SliderRow", "Heading Lock Fade Out"), SliderFrame::Heading},
    {"holding_angle", "Para43Sl", "Para43L", "HeadingRange", QT_TRANSLATE_NOOP("rv::SliderRow", "Holding Angle"), SliderFrame::Heading},
    {"light_1_on", "Para8Sl", "Para8L", "L1On", QT_TRANSLATE_NOOP("rv::SliderRow", "ON 1"), SliderFrame::Flash},
    {"light_1_off", "Para9Sl", "Para9L", "L1Off", QT_TRANSLATE_NOOP("rv::SliderRow", "OFF 1"), SliderFrame::Flash},
    {"light_2_on", "Para10Sl", "Para10L", "L2On", QT_TRANSLATE_NOOP("rv::SliderRow", "ON 2"), SliderFrame::Flash},
    {"light_2_off", "Para11Sl", "Para11L", "L2Off", QT_TRANSLATE_NOOP("rv::SliderRow", "OFF 2"), SliderFrame::Flash},
    {"tail_dual_rate", "DualRateSl", "DualRateL", "DualRate", QT_TRANSLATE_NOOP("rv::SliderRow", "Dual rate"), SliderFrame::DualRate},
    {"collective_pitch_part", "PitchSl", "PitchL", "PitchAnteil", QT_TRANSLATE_NOOP("rv::SliderRow", "Collective Pitch Part "), SliderFrame::Swashplate},
    {"cyclic_pitch_part", "CyclSl", "CyclL", "ZyklischerAnteil", QT_TRANSLATE_NOOP("rv::SliderRow", "Cyclic Pitch / Roll Part"), SliderFrame::Swashplate},
});

constexpr auto Frames = std::to_array<SliderFrameNames>({
    {SliderFrame::System, "fraSystem", "rv::ControllerPage", QT_TRANSLATE_NOOP("rv::ControllerPage", "System Setup")},
    {SliderFrame::Speed, "fraSpeed", "rv::ControllerPage", QT_TRANSLATE_NOOP("rv::ControllerPage", "RPM")},
    {SliderFrame::Gyro, "fraKreisel", "rv::ControllerPage", QT_TRANSLATE_NOOP("rv::ControllerPage", "Gyro Settings")},
    {SliderFrame::Tail, "fraTail", "rv::ControllerPage", QT_TRANSLATE_NOOP("rv::ControllerPage", "Tail Setup")},
    {SliderFrame::Heading, "fraHeading", "rv::ControllerPage", QT_TRANSLATE_NOOP("rv::ControllerPage", "Heading Lock Settings")},
    {SliderFrame::Flash, "fraFlash", "rv::SetupPage", QT_TRANSLATE_NOOP("rv::SetupPage", "Flash Frequency (Timed in milliseconds)")},
    {SliderFrame::Swashplate, "fraTS", "rv::SetupPage", QT_TRANSLATE_NOOP("rv::SetupPage", "Swashplate Setup")},
    {SliderFrame::DualRate, "fraDualRate", "rv::SetupPage", QT_TRANSLATE_NOOP("rv::SetupPage", "Tail Servo")},
});
// clang-format on

} // namespace

std::span<const SliderRowNames> sliderRowNames() {
    return Rows;
}

const SliderRowNames& sliderRowNames(const SliderDefinition& definition) {
    for (const SliderRowNames& names : Rows) {
        if (std::strcmp(names.key, definition.key) == 0) {
            return names;
        }
    }
    qFatal("No slider row for %s", definition.key);
}

const SliderDefinition& sliderDefinition(const SliderRowNames& names) {
    const SliderDefinition* definition = findSliderDefinition(QString::fromLatin1(names.key));
    if (definition == nullptr) {
        qFatal("No slider %s", names.key);
    }
    return *definition;
}

const SliderFrameNames& sliderFrameNames(SliderFrame frame) {
    for (const SliderFrameNames& names : Frames) {
        if (names.frame == frame) {
            return names;
        }
    }
    return Frames.front();
}

QString sliderCaption(const SliderDefinition& definition) {
    return QCoreApplication::translate(RowContext, sliderRowNames(definition).text);
}

QString sliderFrameCaption(SliderFrame frame) {
    const SliderFrameNames& names = sliderFrameNames(frame);
    return QCoreApplication::translate(names.context, names.caption);
}

} // namespace rv
