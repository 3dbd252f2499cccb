// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/channels/ChannelPage.h"

#include "core/model/ChannelRows.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "ui/pages/channels/ChannelGrid.h"
#include "ui/pages/channels/ChannelOptionButton.h"
#include "ui/pages/channels/PresetCheckBox.h"
#include "ui/pages/channels/PresetPanel.h"

#include <QHBoxLayout>
#include <QSignalBlocker>

namespace rv {

namespace {
constexpr int FirstSwitchChannel = 5;
} // namespace

ChannelPage::ChannelPage(SetupDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), setup_(document.setup()),
      logic_(document.writable().channels, document.writable().shownChannelOptions) {
    setObjectName(QStringLiteral("fraKanal"));
    presets_ = new PresetPanel(this);
    grid_ = new ChannelGrid(this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(presets_, 0, Qt::AlignTop);
    layout->addWidget(grid_, 1);

    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        QCheckBox* box = reverseBox(row);
        const QSignalBlocker blocker(box);
        box->setChecked(setup_.channels.reversed[static_cast<std::size_t>(row)]);
    }

    logic_.showSelection = [this](int row, int option) { grid_->showSelection(row, option); };
    logic_.clearPresetButtons = [this] { clearPresetButtons(); };
    connect(grid_, &ChannelGrid::optionToggled, this, &ChannelPage::optionToggled);
    connect(grid_, &ChannelGrid::optionDoubleClicked, this, [this](int row, int option) {
        logic_.doubleClickOption(row, option);
        noteChannelsChanged();
    });
    connect(grid_, &ChannelGrid::reverseToggled, this, [this](int row, bool checked) {
        document_.edit(SetupChange::Channels, [row, checked](Setup& setup) {
            setup.channels.reversed[static_cast<std::size_t>(row)] = checked;
        });
    });
    connect(presets_, &PresetPanel::presetPressed, this, &ChannelPage::applyPreset);
    connect(presets_, &PresetPanel::presetReleased, this, &ChannelPage::releasePreset);
    setTabOrder();
}

void ChannelPage::showSetup(const Setup& setup) {
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        const auto at = static_cast<std::size_t>(row);
        grid_->showSelection(row, setup.shownChannelOptions.at(at));
        QCheckBox* box = reverseBox(row);
        const QSignalBlocker blocker(box);
        box->setChecked(setup.channels.reversed.at(at));
    }
    if (setup.optionsShown) {
        setPhaseOptionsEnabled(setup.pitchMode != 0);
    }
}

void ChannelPage::setPhaseOptionsEnabled(bool enabled) {
    grid_->setOptionsEnabled(ChannelAssignment::Phase, FirstSwitchChannel,
                             ChannelAssignment::MaxChannel, enabled);
}

void ChannelPage::selectOption(int row, int option) {
    logic_.selectOption(row, option);
    noteChannelsChanged();
}

void ChannelPage::unselectOption(int row, int option) {
    logic_.unselectOption(row, option);
    noteChannelsChanged();
}

void ChannelPage::noteChannelsChanged() {
    document_.noteChanged(SetupChange::Channels);
}

void ChannelPage::clearPresetButtons() {
    for (int index = 1; index <= PresetPanel::Count; ++index) {
        presetBox(index)->setChecked(false);
    }
}

void ChannelPage::applyPreset(int index) {
    logic_.applyPreset(index);
    noteChannelsChanged();
}

void ChannelPage::releasePreset(int index) {
    for (int i = 1; i <= PresetPanel::Count; ++i) {
        if (i != index && presetBox(i)->isChecked()) {
            presetBox(i)->setChecked(false);
        }
    }
}

ChannelOptionButton* ChannelPage::option(int row, int option) const {
    return grid_->option(row, option);
}

QCheckBox* ChannelPage::reverseBox(int row) const {
    return grid_->reverseBox(row);
}

QCheckBox* ChannelPage::presetBox(int index) const {
    return presets_->box(index);
}

// The buttons report every change of their checked state; the logic keeps the
// row's shown option and runs the row's click logic (options of F_Main .. F_E3).
void ChannelPage::optionToggled(int row, int option, bool checked) {
    if (checked) {
        logic_.selectOption(row, option);
    } else {
        logic_.unselectOption(row, option);
    }
    noteChannelsChanged();
}

// Presets first, then row by row the row's options and its reverse box.
void ChannelPage::setTabOrder() {
    QWidget* previous = presetBox(1);
    auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int index = 2; index <= PresetPanel::Count; ++index) {
        chain(presetBox(index));
    }
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        for (int k = 1; k < ChannelGridLogic::Options; ++k) {
            chain(option(row, k));
        }
        chain(reverseBox(row));
    }
}

} // namespace rv
