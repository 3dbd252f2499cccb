// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/ParameterImage.h"

#include <array>
#include <bit>
#include <cstdint>

namespace rv {

// The settings that are a choice among a few options and sit in an image
// entry (or in some bits of one): where each lives and how many options it
// has. The load's check for bytes no setting stands for, the range check
// before a transfer and the window's option groups all count from here.
struct OptionField {
    int index;
    std::uint8_t mask;
    int count;

    constexpr int highest() const { return count - 1; }
    // The option the bits under the mask stand for (shifted down for a high bit).
    int valueIn(const ParameterImage& image) const {
        return (image.at(index) & mask) >> std::countr_zero(mask);
    }
};

namespace OptionFields {
inline constexpr OptionField MainOut{Index::MainOut, 0xFF, 2};
inline constexpr OptionField TailSignal{Index::TailSignal, 0x7F, 2};
inline constexpr OptionField ComboTail{Index::TailSignal, 0x80, 2};
inline constexpr OptionField TailBeep{Index::TailBeep, 0xFF, 2};
inline constexpr OptionField HeliType{Index::PitchMode, 0xFF, 2};
inline constexpr OptionField MainMotor{Index::SpeedMode, 0xFF, 2};
inline constexpr OptionField Swashplate{Index::ServoMode, 0xFF, 3};
// The gyro reverse box: cleared, checked, or the grey third state.
inline constexpr OptionField GyroReverse{Index::GyroReverse, 0xFF, 3};

// In index order, as the load checks them (the combo tail bit holds any value).
inline constexpr std::array<OptionField, 7> All{MainOut,   TailSignal, TailBeep,   HeliType,
                                                MainMotor, Swashplate, GyroReverse};
} // namespace OptionFields

// An option group of the setup page: its options' objectNames ("<arrayName>_<i>"),
// frame, English captions, and the key the text form and the difference list name it by.
struct OptionGroupNames {
    const char* key;
    const char* arrayName;
    const char* frame;
    const char* frameCaption;
    std::array<const char*, 3> captions; // the first `field.count` are used
    OptionField field;
};

// The setup page's option groups, in the order the page shows them.
inline constexpr std::array<OptionGroupNames, 7> OptionGroups{{
    {"heli_type",
     "Board",
     "fraHeliType",
     "Heli Type",
     {"RPM controlled", "Pitch controlled", nullptr},
     OptionFields::HeliType},
    {"main_motor",
     "Drehzahl",
     "fraMain",
     "Main Motor Setup",
     {"Throttle Curve", "Governor", nullptr},
     OptionFields::MainMotor},
    {"main_signal",
     "MainOut",
     "fraMainOut",
     "Main signal",
     {"Power Board RV", "Servo / Controller", nullptr},
     OptionFields::MainOut},
    {"tail_motor_signal",
     "HeckMode",
     "fraTailType",
     "Tail Motor signal",
     {"Power Board RV", "Controller", nullptr},
     OptionFields::TailSignal},
    {"combo_tail",
     "KombiMode",
     "fraKombiTail",
     "Combo Tail",
     {"Off", "On", nullptr},
     OptionFields::ComboTail},
    {"tail_beep",
     "TailBeep",
     "fraTailBeep",
     "Tail Beep",
     {"Off", "On", nullptr},
     OptionFields::TailBeep},
    {"swashplate",
     "TSMode",
     "fraTS",
     "Swashplate Setup",
     {"120\u00b0", "90\u00b0", "Coll.Pitch, Cyc.Pitch, Roll"},
     OptionFields::Swashplate},
}};

} // namespace rv
