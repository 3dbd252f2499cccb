// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/ChannelAssignment.h"

#include <array>
#include <functional>

namespace rv {

// The behaviour of the channel grid without its widgets: which option each
// row shows, what a click on an option of F_Main .. F_E3 does, with its swaps,
// the double-click clearing and the presets. The grid widgets mirror
// shownOption() through showSelection and feed user selections back in.
class ChannelGridLogic {
public:
    static constexpr int NoSelection = -1;
    static constexpr int Options = ChannelAssignment::MaxChannel + 1; // 0..9

    using ShownOptions = std::array<int, ChannelAssignment::Rows>;

    // Keeps the shown options itself, none at first.
    explicit ChannelGridLogic(ChannelAssignment& channels);
    // Keeps the shown options in `shown` (a setup's), which outlives it.
    ChannelGridLogic(ChannelAssignment& channels, ShownOptions& shown);
    ChannelGridLogic(const ChannelGridLogic&) = delete;
    ChannelGridLogic& operator=(const ChannelGridLogic&) = delete;

    // Called whenever the shown option of a row changes (NoSelection = none).
    std::function<void(int row, int option)> showSelection;
    // ClearPresetButtons: untick the four preset boxes.
    std::function<void()> clearPresetButtons;

    int shownOption(int row) const { return shown_.at(static_cast<std::size_t>(row)); }

    // Selecting an option, by the user or from code. When the row's shown
    // option changes, the row's click handler runs before this returns.
    // Returns false (and does nothing) for a row or option that does not exist.
    bool selectOption(int row, int option);
    // Unselecting never runs a handler; the row's channel stays as it is.
    void unselectOption(int row, int option);
    // A double-click on an option of F_Phase .. F_E3 clears the row; the
    // control rows have no such action.
    void doubleClickOption(int row, int option);
    // Pressing the preset box Vorwahl_<preset>, 1..4; any other index does nothing.
    void applyPreset(int preset);

private:
    // A click on an option of F_Main .. F_E3: the row's shown option became `option`.
    void rowClick(int row, int option);
    void passOldChannelOn(int row, int chosen, int old);
    void clearPresets();

    ChannelAssignment& channels_;
    ShownOptions ownShown_;
    ShownOptions& shown_;
    int handlerDepth_ = 0;
};

} // namespace rv
