// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace rv {

struct OptionGroupNames;
struct Setup;

// What selecting an option of a group changes.
enum class OptionTarget {
    PitchMode,  // state variable; Board also restricts other choices
    SpeedMode,  // state variable
    ServoMode,  // state variable
    MainOut,    // image 29 = index
    TailSignal, // image 31 bits 0..6 = index, bit 7 kept
    ComboTail,  // image 31 bit 7 = index, bits 0..6 kept
    TailBeep,   // image 32 = index
};

struct OptionGroupDefinition {
    const char* name;  // array name; option i is "<name>_<i>"
    const char* frame; // objectName of the frame
    int count;         // of options
    const OptionGroupNames* names;
    OptionTarget target;
};

std::span<const OptionGroupDefinition> optionGroupDefinitions();
const OptionGroupDefinition& optionGroupDefinition(OptionTarget target);

// The option of a group that shows the setup.
int selectedOption(const Setup& setup, OptionTarget target);
// The effect of selecting option `index` (no widgets involved).
void applyOptionSelection(Setup& set, OptionTarget target, int index);

} // namespace rv
