// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ChannelGridLogic.h"

#include "core/model/ChannelRows.h"

namespace rv {

namespace {

std::size_t at(int row) {
    return static_cast<std::size_t>(row);
}

} // namespace

ChannelGridLogic::ChannelGridLogic(ChannelAssignment& channels)
    : channels_(channels), shown_(ownShown_) {
    shown_.fill(NoSelection);
}

ChannelGridLogic::ChannelGridLogic(ChannelAssignment& channels, ShownOptions& shown)
    : channels_(channels), ownShown_{}, shown_(shown) {}

bool ChannelGridLogic::selectOption(int row, int option) {
    if (!ChannelAssignment::isRow(row) || option < 0 || option >= Options) {
        return false;
    }
    if (shown_[at(row)] == option) {
        return true; // an option that stays selected raises nothing
    }
    shown_[at(row)] = option;
    if (showSelection) {
        showSelection(row, option);
    }
    rowClick(row, option);
    return true;
}

void ChannelGridLogic::unselectOption(int row, int option) {
    if (!ChannelAssignment::isRow(row) || shown_[at(row)] != option) {
        return;
    }
    shown_[at(row)] = NoSelection;
    if (showSelection) {
        showSelection(row, NoSelection);
    }
}

void ChannelGridLogic::doubleClickOption(int row, int option) {
    if (!ChannelAssignment::isRow(row) || !ChannelRows[at(row)].doubleClickClears) {
        return;
    }
    unselectOption(row, option);
    channels_.channel[at(row)] = ChannelAssignment::NoChannel;
}

void ChannelGridLogic::applyPreset(int preset) {
    if (preset < 1 || preset > PresetCount) {
        return;
    }
    const auto& layout = PresetChannels[at(preset - 1)];
    for (int row = 0; row < PresetRows; ++row) {
        selectOption(row, layout[at(row)]);
    }
    for (std::size_t i = 0; i < PresetClearedExtraOptions.size(); ++i) {
        unselectOption(ChannelAssignment::Light + static_cast<int>(i),
                       PresetClearedExtraOptions[i]);
    }
}

void ChannelGridLogic::rowClick(int row, int option) {
    clearPresets();
    const int old = channels_.channel[at(row)];
    channels_.channel[at(row)] = static_cast<std::uint8_t>(option);
    // Only the row that was chosen hands its old channel on. The row that
    // receives it cannot find a partner while the group held different
    // channels, and with repeated channels (a loaded file) passing further
    // could bounce between the rows for ever.
    if (handlerDepth_ == 0) {
        ++handlerDepth_;
        passOldChannelOn(row, option, old);
        --handlerDepth_;
    }
}

void ChannelGridLogic::passOldChannelOn(int row, int chosen, int old) {
    const SwapGroup group = ChannelRows[at(row)].group;
    if (group == SwapGroup::None) {
        return;
    }
    for (int other = 0; other < ChannelAssignment::Rows; ++other) {
        if (other != row && ChannelRows[at(other)].group == group && shown_[at(other)] == chosen) {
            selectOption(other, old);
        }
    }
}

void ChannelGridLogic::clearPresets() {
    if (clearPresetButtons) {
        clearPresetButtons();
    }
}

} // namespace rv
