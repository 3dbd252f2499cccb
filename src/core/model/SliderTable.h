// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <span>

namespace rv {

struct Setup;

// How a slider position becomes its image byte.
enum class SliderKind {
    Percent,      // byte = floor(p * 255 / 100)
    Milliseconds, // byte = floor(p / 10), the time in units of 10 ms
    Direct,       // byte = p
    Part,         // p goes into PitchPart or CyclicPart; the image follows at collection
};

// One parameter slider: what it writes and how. The window's row for it
// (controls, caption, frame) is the window's own business.
struct SliderDefinition {
    SliderKind kind;
    int index; // image index written (or collected, for the part rows)
    int minimum;
    int maximum;
    int singleStep;
    int pageStep;
    bool expert;     // shown only in expert mode
    const char* key; // stable English name in the text form and the difference list
};

// All 26 sliders, in the order the window shows them.
std::span<const SliderDefinition> sliderDefinitions();
// By its key ("tail_gain"); nullptr for none.
const SliderDefinition* findSliderDefinition(QStringView key);

namespace SliderArithmetic {
// The byte a position stands for (for a part row: the value of its state variable).
std::uint8_t byteForPosition(const SliderDefinition& row, int position);
// The slider position that shows a stored byte, clamped to the slider's range.
int positionForByte(const SliderDefinition& row, int byte);
// The value label's text for a position.
QString labelText(const SliderDefinition& row, int position);
} // namespace SliderArithmetic

// The position the restore double-click moves the slider to, from the
// reference image.
int referencePosition(const Setup& set, const SliderDefinition& row);

} // namespace rv
