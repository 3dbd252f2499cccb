// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/ChannelAssignment.h"

#include <array>
#include <cstdint>

namespace rv {

// Rows that exchange channels with each other instead of sharing one.
enum class SwapGroup { Primary, Switch, None };

// One function row of the channel grid, top to bottom.
struct ChannelRowSpec {
    const char* optionArray; // objectName prefix of the row's ten options
    const char* frameName;   // the frame holding the row's options
    int firstChannel;        // options a user can choose: firstChannel..lastChannel
    int lastChannel;
    SwapGroup group;
    bool doubleClickClears;
    const char* key; // stable English name in the text form and the difference list
};

inline constexpr std::array<ChannelRowSpec, ChannelAssignment::Rows> ChannelRows{{
    {"F_Main", "fraPitchGasChannel", 1, 4, SwapGroup::Primary, false, "channel_pitch_throttle"},
    {"F_Heck", "fraTailChannel", 1, 4, SwapGroup::Primary, false, "channel_tail"},
    {"F_Nick", "fraNickChannel", 1, 4, SwapGroup::Primary, false, "channel_cyclic_pitch"},
    {"F_Roll", "fraRollChannel", 1, 4, SwapGroup::Primary, false, "channel_roll"},
    {"F_Phase", "fraPhaseChannel", 5, 9, SwapGroup::Switch, true, "channel_phase"},
    {"F_Mode", "Frame6", 5, 9, SwapGroup::Switch, true, "channel_mode"},
    {"F_E1", "fraLightChannel", 5, 9, SwapGroup::None, true, "channel_light"},
    {"F_E2", "fraExtra1Channel", 5, 9, SwapGroup::None, true, "channel_extra_1"},
    {"F_E3", "fraExtra2Channel", 5, 9, SwapGroup::None, true, "channel_extra_2"},
}};

// The four fixed layouts of the rows Pitch/Throttle, Tail, Cyclic pitch, Roll,
// Phase and Mode; element n-1 belongs to the preset box Vorwahl(n).
inline constexpr int PresetCount = 4;
inline constexpr int PresetRows = 6;
inline constexpr std::array<std::array<std::uint8_t, PresetRows>, PresetCount> PresetChannels{{
    {2, 4, 3, 1, 5, 6},
    {3, 4, 2, 1, 5, 6},
    {2, 1, 3, 4, 5, 6},
    {3, 1, 2, 4, 5, 6},
}};

// A preset unselects this option of rows Light, Extra1 and Extra2, without touching their channels.
inline constexpr std::array<int, 3> PresetClearedExtraOptions{7, 8, 9};

} // namespace rv
