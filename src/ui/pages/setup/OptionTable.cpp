// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/setup/OptionTable.h"

#include "core/model/OptionFields.h"
#include "core/model/ParameterImage.h"
#include "core/model/Setup.h"

#include <array>

namespace rv {

namespace {

OptionTarget targetOf(const OptionField& field) {
    if (field.index == OptionFields::HeliType.index) {
        return OptionTarget::PitchMode;
    }
    if (field.index == OptionFields::MainMotor.index) {
        return OptionTarget::SpeedMode;
    }
    if (field.index == OptionFields::Swashplate.index) {
        return OptionTarget::ServoMode;
    }
    if (field.index == OptionFields::MainOut.index) {
        return OptionTarget::MainOut;
    }
    if (field.index == OptionFields::TailBeep.index) {
        return OptionTarget::TailBeep;
    }
    return field.mask == OptionFields::ComboTail.mask ? OptionTarget::ComboTail
                                                      : OptionTarget::TailSignal;
}

std::array<OptionGroupDefinition, OptionGroups.size()> buildDefinitions() {
    std::array<OptionGroupDefinition, OptionGroups.size()> table{};
    for (std::size_t i = 0; i < OptionGroups.size(); ++i) {
        const OptionGroupNames& names = OptionGroups.at(i);
        table.at(i) = {names.arrayName, names.frame, names.field.count, &names,
                       targetOf(names.field)};
    }
    return table;
}

const std::array<OptionGroupDefinition, OptionGroups.size()>& definitions() {
    static const auto table = buildDefinitions();
    return table;
}

} // namespace

std::span<const OptionGroupDefinition> optionGroupDefinitions() {
    return definitions();
}

const OptionGroupDefinition& optionGroupDefinition(OptionTarget target) {
    for (const OptionGroupDefinition& group : definitions()) {
        if (group.target == target) {
            return group;
        }
    }
    return definitions().front();
}

int selectedOption(const Setup& setup, OptionTarget target) {
    switch (target) {
    case OptionTarget::PitchMode:
        return setup.pitchMode;
    case OptionTarget::SpeedMode:
        return setup.speedMode;
    case OptionTarget::ServoMode:
        return setup.swashplateType;
    case OptionTarget::MainOut:
        return SetupOptions::mainOut(setup);
    case OptionTarget::TailSignal:
        return SetupOptions::tailSignal(setup);
    case OptionTarget::ComboTail:
        return SetupOptions::comboTail(setup);
    case OptionTarget::TailBeep:
        return SetupOptions::tailBeep(setup);
    }
    return Setup::NoOption;
}

void applyOptionSelection(Setup& set, OptionTarget target, int index) {
    const auto byte = static_cast<std::uint8_t>(index);
    const std::uint8_t tail = set.image.at(Index::TailSignal);
    switch (target) {
    case OptionTarget::PitchMode:
        set.pitchMode = index;
        break;
    case OptionTarget::SpeedMode:
        set.speedMode = index;
        break;
    case OptionTarget::ServoMode:
        set.swashplateType = index;
        break;
    case OptionTarget::MainOut:
        set.image.set(Index::MainOut, byte);
        break;
    case OptionTarget::TailSignal:
        set.image.set(Index::TailSignal, static_cast<std::uint8_t>((tail & 0x80) | (byte & 0x7F)));
        break;
    case OptionTarget::ComboTail:
        set.image.set(Index::TailSignal,
                      static_cast<std::uint8_t>((tail & 0x7F) | (index != 0 ? 0x80 : 0)));
        break;
    case OptionTarget::TailBeep:
        set.image.set(Index::TailBeep, byte);
        break;
    }
}

} // namespace rv
