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
    enum Row : int { Main = 0, Tail, Nick, Roll, Phase, Mode, E1, E2, E3 };

    // KMain, KTail, KNick, KRoll, KPhase, KMode, KE1, KE2, KE3.
    std::array<std::uint8_t, Rows> K{};
    // States of the reverse boxes Reverse(0..8).
    std::array<bool, Rows> Reverse{};

    // Reverse x 128 + channel, the encoding of image entries 50..58.
    std::uint8_t channelByte(int row) const;

    // 0 (none) or a receiver channel 1..9; anything else names no option of the grid.
    static bool isChannel(int value) { return value >= NoChannel && value <= MaxChannel; }
    static bool isRow(int row) { return row >= 0 && row < Rows; }

    bool operator==(const ChannelAssignment&) const = default;
};

} // namespace rv
