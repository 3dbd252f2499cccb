// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/channel_reference.h"

namespace rvtest {

namespace {

constexpr std::array<int, 4> Primary{0, 1, 2, 3};
constexpr std::array<int, 2> Switch{4, 5};

template <typename Group>
bool distinct(const std::array<int, LiteralChannelSwap::Rows>& k, const Group& rows) {
    for (std::size_t a = 0; a < rows.size(); ++a) {
        for (std::size_t b = a + 1; b < rows.size(); ++b) {
            if (k[static_cast<std::size_t>(rows[a])] == k[static_cast<std::size_t>(rows[b])]) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

void LiteralChannelSwap::select(int row, int option) {
    auto& current = shown[static_cast<std::size_t>(row)];
    if (endless || current == option) {
        return;
    }
    current = option;
    click(row, option);
}

void LiteralChannelSwap::unselect(int row, int option) {
    auto& current = shown[static_cast<std::size_t>(row)];
    if (current == option) {
        current = None;
    }
}

void LiteralChannelSwap::click(int row, int k) {
    if (++handlerRuns > HandlerLimit) {
        endless = true;
        return;
    }
    const int old = channel[static_cast<std::size_t>(row)];
    channel[static_cast<std::size_t>(row)] = k;
    auto visit = [&](const auto& group) {
        for (int other : group) {
            if (other != row && shown[static_cast<std::size_t>(other)] == k) {
                select(other, old);
            }
        }
    };
    if (row < 4) {
        visit(Primary);
    } else if (row < 6) {
        visit(Switch);
    }
}

void LiteralChannelSwap::preset(int n) {
    static constexpr int Layout[4][6] = {
        {2, 4, 3, 1, 5, 6}, {3, 4, 2, 1, 5, 6}, {2, 1, 3, 4, 5, 6}, {3, 1, 2, 4, 5, 6}};
    if (n < 1 || n > 4) {
        return;
    }
    for (int row = 0; row < 6; ++row) {
        select(row, Layout[n - 1][row]);
    }
    unselect(6, 7);
    unselect(7, 8);
    unselect(8, 9);
}

bool groupsPairwiseDifferent(const std::array<int, LiteralChannelSwap::Rows>& k) {
    return distinct(k, Primary) && distinct(k, Switch);
}

} // namespace rvtest
