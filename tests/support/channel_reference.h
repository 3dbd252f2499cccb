// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace rvtest {

// The channel swap exactly as first described: every row that shows the
// chosen channel is handed the old one, and that row's handler does the same
// again, with no guard at all. Bounded only so that a test can see it run away.
struct LiteralChannelSwap {
    static constexpr int Rows = 9;
    static constexpr int None = -1;
    static constexpr int HandlerLimit = 1000;

    std::array<int, Rows> channel{};
    std::array<int, Rows> shown{};
    int handlerRuns = 0;
    bool endless = false;

    void select(int row, int option);
    void unselect(int row, int option);
    void preset(int n);

private:
    void click(int row, int k);
};

// True when the rows of a swap group (Pitch/Throttle, Tail, Cyclic pitch, Roll;
// Phase, Mode) hold pairwise different values, counting "no channel" as a value.
bool groupsPairwiseDifferent(const std::array<int, LiteralChannelSwap::Rows>& k);

} // namespace rvtest
