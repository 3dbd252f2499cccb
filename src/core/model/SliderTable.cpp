// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/SliderTable.h"

#include "core/model/ParameterImage.h"
#include "core/model/Setup.h"

#include <algorithm>
#include <array>

namespace rv {

namespace {

constexpr SliderDefinition percent(const char* slider, const char* value, const char* caption,
                                   const char* english, const char* frame, int index, bool expert,
                                   const char* key) {
    return {slider, value, caption, english, frame, SliderKind::Percent, index, 0,
            100,    1,     5,       expert,  key};
}

constexpr SliderDefinition milliseconds(const char* slider, const char* value, const char* caption,
                                        const char* english, int index, const char* key) {
    return {slider, value, caption, english, "fraFlash", SliderKind::Milliseconds, index, 0,
            2000,   10,    100,     false,   key};
}

constexpr SliderDefinition part(const char* slider, const char* value, const char* caption,
                                const char* english, int index, const char* key) {
    return {slider, value, caption, english, "fraTS", SliderKind::Part, index, 0,
            100,    1,     5,       false,   key};
}

constexpr std::array<SliderDefinition, 26> Rows{{
    {"Para13Sl", "Para13L", "Softstart", "Soft Start", "fraSystem", SliderKind::Percent, 13, 0, 10,
     1, 5, false, "soft_start"},
    percent("Para30Sl", "Para30L", "SystemGain", "System Gain", "fraSystem", 30, false,
            "system_gain"),
    percent("Para34Sl", "Para34L", "TailGain", "Tail Gain", "fraSystem", 34, false, "tail_gain"),
    percent("Para14Sl", "Para14L", "SpeedE", "Sensitivity", "fraSpeed", 14, true,
            "governor_sensitivity"),
    percent("Para15Sl", "Para15L", "SpeedI", "Intensity", "fraSpeed", 15, true,
            "governor_intensity"),
    percent("Para16Sl", "Para16L", "SpeedLW", "Load Change Effect", "fraSpeed", 16, true,
            "load_change_effect"),
    percent("Para17Sl", "Para17L", "SpeedLD", "Load Change Duration", "fraSpeed", 17, true,
            "load_change_duration"),
    percent("Para28Sl", "Para28L", "GyroE", "Standard Mode Sensitivity", "fraKreisel", 28, true,
            "gyro_standard_sensitivity"),
    percent("Para26Sl", "Para26L", "GyroLW", "Dynamic Gyro Comp.", "fraKreisel", 26, true,
            "dynamic_gyro_compensation"),
    percent("Para27Sl", "Para27L", "GyroLD", "Dyn. Gyro Holding Time", "fraKreisel", 27, true,
            "dynamic_gyro_holding_time"),
    percent("Para20Sl", "Para20L", "TailMix", "Tail Mixing", "fraTail", 20, false, "tail_mixing"),
    percent("Para21Sl", "Para21L", "TailGW", "Dynamic Compensation", "fraTail", 21, true,
            "tail_dynamic_compensation"),
    percent("Para22Sl", "Para22L", "TailGD", "Dynamic Holding Comp.", "fraTail", 22, true,
            "tail_dynamic_holding"),
    percent("Para19Sl", "Para19L", "TailS", "Combi Tail Mean Value", "fraTail", 19, true,
            "combi_tail_mean_value"),
    percent("Para24Sl", "Para24L", "Pitchmix", "Pitch Add On", "fraTail", 24, true, "pitch_add_on"),
    percent("Para25Sl", "Para25L", "HeadingE", "Heading Lock Sensitivity", "fraHeading", 25, true,
            "heading_lock_sensitivity"),
    percent("Para45Sl", "Para45L", "HeadingI", "Heading Lock Mixing", "fraHeading", 45, true,
            "heading_lock_mixing"),
    percent("Para33Sl", "Para33L", "HeadingDissolve", "Heading Lock Fade Out", "fraHeading", 33,
            true, "heading_lock_fade_out"),
    percent("Para43Sl", "Para43L", "HeadingRange", "Holding Angle", "fraHeading", 43, true,
            "holding_angle"),
    milliseconds("Para8Sl", "Para8L", "L1On", "ON 1", 8, "light_1_on"),
    milliseconds("Para9Sl", "Para9L", "L1Off", "OFF 1", 9, "light_1_off"),
    milliseconds("Para10Sl", "Para10L", "L2On", "ON 2", 10, "light_2_on"),
    milliseconds("Para11Sl", "Para11L", "L2Off", "OFF 2", 11, "light_2_off"),
    {"DualRateSl", "DualRateL", "DualRate", "Dual rate", "fraDualRate", SliderKind::Direct, 18, 0,
     100, 1, 5, false, "tail_dual_rate"},
    part("PitchSl", "PitchL", "PitchAnteil", "Collective Pitch Part", Index::PitchPart,
         "collective_pitch_part"),
    part("CyclSl", "CyclL", "ZyklischerAnteil", "Cyclic Pitch / Roll Part", Index::CyclicPart,
         "cyclic_pitch_part"),
}};

int clampToRange(const SliderDefinition& row, int position) {
    return std::clamp(position, row.minimum, row.maximum);
}

} // namespace

std::span<const SliderDefinition> sliderDefinitions() {
    return Rows;
}

const SliderDefinition* findSliderDefinition(const QString& sliderName) {
    for (const SliderDefinition& row : Rows) {
        if (sliderName == QLatin1String(row.slider)) {
            return &row;
        }
    }
    return nullptr;
}

namespace SliderArithmetic {

std::uint8_t byteForPosition(const SliderDefinition& row, int position) {
    // The slider bounds the position; clamping here keeps a stray caller from
    // producing a byte outside 0..255 that would otherwise wrap.
    const int p = clampToRange(row, position);
    switch (row.kind) {
    case SliderKind::Percent:
        return static_cast<std::uint8_t>(PercentScale::toByte(p));
    case SliderKind::Milliseconds:
        return static_cast<std::uint8_t>(p / 10);
    case SliderKind::Direct:
    case SliderKind::Part:
        break;
    }
    return static_cast<std::uint8_t>(p);
}

int positionForByte(const SliderDefinition& row, int byte) {
    switch (row.kind) {
    case SliderKind::Percent:
        return clampToRange(row, PercentScale::toPosition(byte));
    case SliderKind::Milliseconds:
        return clampToRange(row, byte * 10);
    case SliderKind::Direct:
    case SliderKind::Part:
        break;
    }
    return clampToRange(row, byte);
}

QString labelText(const SliderDefinition& row, int position) {
    if (row.kind == SliderKind::Milliseconds) {
        return QString::number(position / 10 * 10);
    }
    return QString::number(position);
}

} // namespace SliderArithmetic

int referencePosition(const Setup& set, const SliderDefinition& row) {
    return SliderArithmetic::positionForByte(row, set.referenceImage.at(row.index));
}

} // namespace rv
