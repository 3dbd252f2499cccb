// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace rv {

// Which receiver channel (0 = none, 1..9) feeds each of the nine unit
// functions, and whether its signal is reversed.
class ChannelAssignment {
public:
    static constexpr int Rows = 9;
    static constexpr int NoChannel = 0;
    static constexpr int MaxChannel = 9;
    enum Row : int { Main = 0, Tail, CyclicPitch, Roll, Phase, Mode, Light, Extra1, Extra2 };

    // The receiver channel of each row, indexed by Row.
    std::array<std::uint8_t, Rows> channel{};
    // States of the reverse boxes Reverse_0 .. Reverse_8.
    std::array<bool, Rows> reversed{};

    // reversed x 128 + channel, the encoding of image entries 50..58.
    std::uint8_t channelByte(int row) const;

    // 0 (none) or a receiver channel 1..9; anything else names no option of the grid.
    static bool isChannel(int value) { return value >= NoChannel && value <= MaxChannel; }
    static bool isRow(int row) { return row >= 0 && row < Rows; }

    bool operator==(const ChannelAssignment&) const = default;
};

} // namespace rv
