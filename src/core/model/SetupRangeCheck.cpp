// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/SetupRangeCheck.h"

#include "core/model/ChannelRows.h"
#include "core/model/OptionFields.h"
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
    bool endsOnly; // only lowest or highest, nothing between
    CaptionPart caption;
    CaptionPart detail;
    ShownAs shown;
};

constexpr ByteRange option(const OptionField& field, CaptionPart caption) {
    return {field.index, field.mask, 0, field.highest(), false, caption, {}, ShownAs::Byte};
}

// The entries whose range is narrower than a byte and that no slider row
// bounds; the slider rows come from the slider table.
constexpr std::array<ByteRange, 14> Ranges{{
    {2, 0xFF, 0, 20, false, {"lHoverAcro", "Hover -> Acro"}, {}, ShownAs::Tenths},
    {3, 0xFF, 0, 20, false, {"lAcroHover", "Acro -> Hover"}, {}, ShownAs::Tenths},
    {6, 0xFF, 50, 250, false, {"fraSpeed", "RPM"}, {"lSpeedHover", "Hover"}, ShownAs::TimesTen},
    {7, 0xFF, 50, 250, false, {"fraSpeed", "RPM"}, {"lSpeedAcro", "Acro"}, ShownAs::TimesTen},
    option(OptionFields::MainOut, {"fraMainOut", "Main signal"}),
    option(OptionFields::TailSignal, {"fraTailType", "Tail Motor signal"}),
    option(OptionFields::TailBeep, {"fraTailBeep", "Tail Beep"}),
    {35, 0xFF, 1, 255, true, {"TS1Inv", "Servo 1"}, {}, ShownAs::Byte},
    {36, 0xFF, 1, 255, true, {"TS2Inv", "Servo 2"}, {}, ShownAs::Byte},
    {37, 0xFF, 1, 255, true, {"TS3Inv", "Servo 3"}, {}, ShownAs::Byte},
    option(OptionFields::HeliType, {"fraHeliType", "Heli Type"}),
    option(OptionFields::MainMotor, {"fraMain", "Main Motor Setup"}),
    option(OptionFields::Swashplate, {"fraTS", "Swashplate Setup"}),
    // The grey third state loads, but it is no setting the unit knows.
    {Index::GyroReverse, 0xFF, 0, 1, false, {"GyroInverter", "Gyro Reverse"}, {}, ShownAs::Byte},
}};

constexpr std::array<const char*, ChannelAssignment::Rows> FunctionLabels{
    "Funktion_0", "Funktion_1", "Funktion_2", "Funktion_3", "Funktion_4",
    "Funktion_5", "Funktion_6", "Funktion_7", "Funktion_8"};

constexpr std::array<CaptionPart, 6> CurveLabels{{{"Kurvenauswahl_0", "Throttle Curve"},
                                                  {"Kurvenauswahl_1", "Tail Curve"},
                                                  {"Kurvenauswahl_2", "Pitch Curve"},
                                                  {"Kurvenauswahl_3", "Throttle Curve"},
                                                  {"Kurvenauswahl_4", "Cyclic Pitch Curve"},
                                                  {"Kurvenauswahl_5", "Roll Curve"}}};
constexpr std::array<CaptionPart, 2> PhaseLabels{{{"Schweben", "Hover"}, {"Acro", "Acro"}}};

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
                 {{range.caption, range.detail}, range.index, '\0', -1, -1, value, range.shown}});
        }
    }
    for (const SliderDefinition& row : sliderDefinitions()) {
        const int value = image.at(row.index);
        const auto [lowest, highest] = byteRange(row);
        if (value < lowest || value > highest) {
            byIndex.append({row.index,
                            {{CaptionPart{row.caption, row.englishCaption}, CaptionPart{}},
                             row.index,
                             '\0',
                             -1,
                             -1,
                             value,
                             shownAs(row.kind)}});
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
            found.append({{CaptionPart{FunctionLabels[static_cast<std::size_t>(row)],
                                       ChannelRows[static_cast<std::size_t>(row)].englishText},
                           CaptionPart{}},
                          index,
                          '\0',
                          -1,
                          -1,
                          value,
                          ShownAs::Byte});
        }
    }
}

// The curve point as found, with the captions of its phase and curve.
OutOfRangeValue curvePoint(char letter, int point, int value) {
    for (int phase = Hover; phase <= Acro; ++phase) {
        for (int curve = 0; curve < static_cast<int>(CurveLabels.size()); ++curve) {
            if (CurveSet::letterOf(phase, curve) == letter) {
                return {{PhaseLabels[static_cast<std::size_t>(phase)],
                         CurveLabels[static_cast<std::size_t>(curve)]},
                        -1,
                        letter,
                        curve,
                        point,
                        value,
                        ShownAs::CurvePoint};
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
