// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/ChannelGridLogic.h"

#include <QWidget>

class QCheckBox;

namespace rv {

class SetupDocument;
struct Setup;
class ChannelGrid;
class ChannelOptionButton;
class PresetPanel;

// Page 3, fraKanal: the presets and the channel assignment grid working on
// the channel variables and reverse flags of the Setup.
class ChannelPage : public QWidget {
    Q_OBJECT
public:
    explicit ChannelPage(SetupDocument& document, QWidget* parent = nullptr);

    // Shows the rows' options and reverse boxes, running no handler.
    void showSetup(const Setup& setup);
    // Options 5..9 of F_Phase; the heli-type switch turns them on and off.
    void setPhaseOptionsEnabled(bool enabled);
    // Selecting runs the row's click handler at once when the row's selection
    // changes; option 0 is the invisible "no channel" option.
    void selectOption(int row, int option);
    // Removes a row's selection without running any handler.
    void unselectOption(int row, int option);
    // After the row texts and the reverse heading were translated.

    // Unticks Vorwahl(1..4); every channel click handler calls it first.
    void clearPresetButtons();
    void applyPreset(int index);
    void releasePreset(int index);

    ChannelGrid* grid() const { return grid_; }
    PresetPanel* presets() const { return presets_; }
    ChannelOptionButton* option(int row, int option) const;
    QCheckBox* reverseBox(int row) const;
    QCheckBox* presetBox(int index) const;
    const ChannelGridLogic& logic() const { return logic_; }

private:
    void optionToggled(int row, int option, bool checked);
    void setTabOrder();
    // Each handler reports its change of the channels once it is made.
    void noteChannelsChanged();

    SetupDocument& document_;
    const Setup& setup_;
    ChannelGridLogic logic_;
    PresetPanel* presets_ = nullptr;
    ChannelGrid* grid_ = nullptr;
};

} // namespace rv
