// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

namespace rv {

struct SliderDefinition;

// The frames that hold slider rows.
enum class SliderFrame { System, Speed, Gyro, Tail, Heading, Flash, Swashplate, DualRate };

// How the window shows one slider of the core's table: the objectNames of its
// controls, its caption (an English source text for the translations) and its frame.
struct SliderRowNames {
    const char* key;        // the core's SliderDefinition::key
    const char* slider;     // objectName of the slider, e.g. "Para13Sl"
    const char* valueLabel; // e.g. "Para13L"
    const char* caption;    // objectName of the caption label, e.g. "Softstart"
    const char* text;       // the caption, e.g. "Soft Start"
    SliderFrame frame;
};

// A frame's objectName and caption; the page that shows it is the context of its caption.
struct SliderFrameNames {
    SliderFrame frame;
    const char* name;
    const char* context;
    const char* caption;
};

// All 26 rows, each frame's rows in their display order.
std::span<const SliderRowNames> sliderRowNames();
const SliderRowNames& sliderRowNames(const SliderDefinition& definition);
const SliderDefinition& sliderDefinition(const SliderRowNames& names);
const SliderFrameNames& sliderFrameNames(SliderFrame frame);

// In the language of the installed translations.
QString sliderCaption(const SliderDefinition& definition);
QString sliderFrameCaption(SliderFrame frame);

} // namespace rv
