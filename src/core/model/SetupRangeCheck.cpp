// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/SetupRangeCheck.h"

#include "core/model/ChannelRows.h"
#include "core/model/OptionFields.h"
#include "core/model/SettingCatalog.h"
#include "core/model/SliderTable.h"

#include <algorithm>
#include <utility>

namespace rv {

namespace {

struct ByteRange {
    int index;
    std::uint8_t mask;
    int lowest;
    int highest;
    bool endsOnly;   // only lowest or highest, nothing between
    const char* key; // the setting it belongs to
    ShownAs shown;
};

constexpr ByteRange option(const OptionField& field, const char* key) {
    return {field.index, field.mask, 0, field.highest(), false, key, ShownAs::Byte};
}

// The entries whose range is narrower than a byte and that no slider row
// bounds; the slider rows come from the slider table.
constexpr std::array<ByteRange, 14> Ranges{{
    {2, 0xFF, 0, 20, false, "hover_to_acro_time", ShownAs::Tenths},
    {3, 0xFF, 0, 20, false, "acro_to_hover_time", ShownAs::Tenths},
    {6, 0xFF, 50, 250, false, "hover_speed", ShownAs::TimesTen},
    {7, 0xFF, 50, 250, false, "acro_speed", ShownAs::TimesTen},
    option(OptionFields::MainOut, "main_signal"),
    option(OptionFields::TailSignal, "tail_motor_signal"),
    option(OptionFields::TailBeep, "tail_beep"),
    {35, 0xFF, 1, 255, true, "servo_1_reverse", ShownAs::Byte},
    {36, 0xFF, 1, 255, true, "servo_2_reverse", ShownAs::Byte},
    {37, 0xFF, 1, 255, true, "servo_3_reverse", ShownAs::Byte},
    option(OptionFields::HeliType, "heli_type"),
    option(OptionFields::MainMotor, "main_motor"),
    option(OptionFields::Swashplate, "swashplate"),
    // The grey third state loads, but it is no setting the unit knows.
    {Index::GyroReverse, 0xFF, 0, 1, false, "gyro_reverse", ShownAs::Byte},
}};

constexpr int CurveCount = 6;

const SettingEntry* settingOf(const char* key) {
    return findSetting(QString::fromLatin1(key));
}

ShownAs shownAs(SliderKind kind) {
    switch (kind) {
    case SliderKind::Percent:
        return ShownAs::PercentPosition;
    case SliderKind::Milliseconds:
        return ShownAs::TimesTen;
    case SliderKind::Direct:
    case SliderKind::Part:
        break;
    }
    return ShownAs::Byte;
}

// The byte range a slider row can produce.
std::pair<int, int> byteRange(const SliderDefinition& row) {
    return {SliderArithmetic::byteForPosition(row, row.minimum),
            SliderArithmetic::byteForPosition(row, row.maximum)};
}

void checkImage(const ParameterImage& image, bool withChannelTable, QList<OutOfRangeValue>& found) {
    QList<std::pair<int, OutOfRangeValue>> byIndex;
    for (const ByteRange& range : Ranges) {
        const int value = image.at(range.index);
        const int masked = value & range.mask;
        const bool inside = range.endsOnly ? (masked == range.lowest || masked == range.highest)
                                           : (masked >= range.lowest && masked <= range.highest);
        if (!inside) {
            byIndex.append(
                {range.index,
                 {settingOf(range.key), range.index, '\0', -1, -1, -1, value, range.shown}});
        }
    }
    for (const SliderDefinition& row : sliderDefinitions()) {
        const int value = image.at(row.index);
        const auto [lowest, highest] = byteRange(row);
        if (value < lowest || value > highest) {
            byIndex.append(
                {row.index,
                 {settingOf(row.key), row.index, '\0', -1, -1, -1, value, shownAs(row.kind)}});
        }
    }
    std::stable_sort(byIndex.begin(), byIndex.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : byIndex) {
        found.append(entry.second);
    }
    if (!withChannelTable) {
        return;
    }
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        const int index = Index::FirstChannel + row;
        const int value = image.at(index);
        if (!ChannelAssignment::isChannel(channelOf(static_cast<std::uint8_t>(value)))) {
            found.append({settingOf(ChannelRows[static_cast<std::size_t>(row)].key), index, '\0',
                          -1, -1, -1, value, ShownAs::Byte});
        }
    }
}

// The curve point as found, with its phase and curve.
OutOfRangeValue curvePoint(char letter, int point, int value) {
    for (int phase = Hover; phase <= Acro; ++phase) {
        for (int curve = 0; curve < CurveCount; ++curve) {
            if (CurveSet::letterOf(phase, curve) == letter) {
                return {nullptr, -1, letter, phase, curve, point, value, ShownAs::CurvePoint};
            }
        }
    }
    return {};
}

} // namespace

QList<OutOfRangeValue> outOfRangeValues(const ParameterImage& image, const CurveSet& curves,
                                        bool withChannelTable) {
    QList<OutOfRangeValue> found;
    checkImage(image, withChannelTable, found);
    for (char letter : CurveSet::SendOrder) {
        const Curve& curve = curves.byLetter(letter);
        for (int point = 0; point < CurvePoints; ++point) {
            const int value = curve[static_cast<std::size_t>(point)];
            if (value != RemovedPoint && (value < 0 || value > 200)) {
                found.append(curvePoint(letter, point, value));
            }
        }
    }
    return found;
}

} // namespace rv
