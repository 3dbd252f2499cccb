#include "ui/OptionTable.h"

#include "model/ParameterImage.h"
#include "model/Setup.h"

#include <QString>

#include <array>

namespace rv {

namespace {

const std::array<OptionGroupDefinition, 7>& definitions() {
    static const std::array<OptionGroupDefinition, 7> table{{
        {"Board",
         "fraHeliType",
         "Heli Type",
         {"RPM controlled", "Pitch controlled"},
         OptionTarget::PitchMode},
        {"Drehzahl",
         "fraMain",
         "Main Motor Setup",
         {"Throttle Curve", "Governor"},
         OptionTarget::SpeedMode},
        {"MainOut",
         "fraMainOut",
         "Main signal",
         {"Power Board RV", "Servo / Controller"},
         OptionTarget::MainOut},
        {"HeckMode",
         "fraTailType",
         "Tail Motor signal",
         {"Power Board RV", "Controller"},
         OptionTarget::TailSignal},
        {"KombiMode", "fraKombiTail", "Combo Tail", {"Off", "On"}, OptionTarget::ComboTail},
        {"TailBeep", "fraTailBeep", "Tail Beep", {"Off", "On"}, OptionTarget::TailBeep},
        {"TSMode",
         "fraTS",
         "Swashplate Setup",
         {QString::fromUtf8("120°"), QString::fromUtf8("90°"), "Coll.Pitch, Cyc.Pitch, Roll"},
         OptionTarget::ServoMode},
    }};
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
