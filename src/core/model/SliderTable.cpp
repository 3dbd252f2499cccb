// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/SliderTable.h"

#include "core/model/ParameterImage.h"
#include "core/model/Setup.h"

#include <algorithm>
#include <array>

namespace rv {

namespace {

constexpr SliderDefinition percent(int index, bool expert, const char* key) {
    return {SliderKind::Percent, index, 0, 100, 1, 5, expert, key};
}

constexpr SliderDefinition milliseconds(int index, const char* key) {
    return {SliderKind::Milliseconds, index, 0, 2000, 10, 100, false, key};
}

constexpr SliderDefinition part(int index, const char* key) {
    return {SliderKind::Part, index, 0, 100, 1, 5, false, key};
}

constexpr std::array<SliderDefinition, 26> Rows{{
    {SliderKind::Percent, 13, 0, 10, 1, 5, false, "soft_start"},
    percent(30, false, "system_gain"),
    percent(34, false, "tail_gain"),
    percent(14, true, "governor_sensitivity"),
    percent(15, true, "governor_intensity"),
    percent(16, true, "load_change_effect"),
    percent(17, true, "load_change_duration"),
    percent(28, true, "gyro_standard_sensitivity"),
    percent(26, true, "dynamic_gyro_compensation"),
    percent(27, true, "dynamic_gyro_holding_time"),
    percent(20, false, "tail_mixing"),
    percent(21, true, "tail_dynamic_compensation"),
    percent(22, true, "tail_dynamic_holding"),
    percent(19, true, "combi_tail_mean_value"),
    percent(24, true, "pitch_add_on"),
    percent(25, true, "heading_lock_sensitivity"),
    percent(45, true, "heading_lock_mixing"),
    percent(33, true, "heading_lock_fade_out"),
    percent(43, true, "holding_angle"),
    milliseconds(8, "light_1_on"),
    milliseconds(9, "light_1_off"),
    milliseconds(10, "light_2_on"),
    milliseconds(11, "light_2_off"),
    {SliderKind::Direct, 18, 0, 100, 1, 5, false, "tail_dual_rate"},
    part(Index::PitchPart, "collective_pitch_part"),
    part(Index::CyclicPart, "cyclic_pitch_part"),
}};

int clampToRange(const SliderDefinition& row, int position) {
    return std::clamp(position, row.minimum, row.maximum);
}

} // namespace

std::span<const SliderDefinition> sliderDefinitions() {
    return Rows;
}

const SliderDefinition* findSliderDefinition(QStringView key) {
    for (const SliderDefinition& row : Rows) {
        if (key == QLatin1String(row.key)) {
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
