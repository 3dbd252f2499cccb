// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"

#include <QString>

namespace rv {

struct SliderDefinition;

// What a control does to the setup when the pilot changes it: the window
// calls one of these from the control's change handler and shows the result.

// Heli type (`Board`). RPM controlled has neither governor nor a 120°/90°
// swashplate: it forces the throttle curve and the third swashplate type.
void selectHeliType(Setup& setup, int pitchMode);

// A parameter slider's position: its image byte, or the part for PitchSl and CyclSl.
void setSliderPosition(Setup& setup, const SliderDefinition& row, int position);
// The position that shows the slider's byte, limited to its range.
int sliderPosition(const Setup& setup, const SliderDefinition& row);

// A servo reverse box (`TS1Inv`..`TS3Inv`, servo 0..2).
void setServoReversed(Setup& setup, int servo, bool reversed);

// The switch-time slider writes the display of the flight phase the editor shows.
void setSwitchTimeOfShownPhase(Setup& setup, int tenths);
// A governor speed slider (hover or acro): the speed rounded down to 10 rpm.
void setGovernorSpeed(Setup& setup, int phase, int sliderValue);

// The comment box's text, with its line breaks as CR LF.
void editComment(Setup& setup, const QString& boxText);

} // namespace rv
