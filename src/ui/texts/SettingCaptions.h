// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rv {

struct OptionGroupNames;
struct SettingEntry;

// The captions of the controls that name a setting, in the language of the
// installed translations. The pages show them on their controls; the range
// warning, the list of differences and the setup sheet name the settings by
// them. Each caption's context in the translations is the class that shows it.
namespace SettingCaptions {

// Page 1..4 of the tab strip.
QString page(int page);

// The option groups of the setup page (and the gyro reverse box, named like one).
QString optionFrame(const OptionGroupNames& group);
QString option(const OptionGroupNames& group, int option);
QString servoFrame();
QString servo(int servo); // 0..2

QString phaseFrame();
QString phase(int phase); // the flight phase options, Hover or Acro
QString switchTimes();
QString switchTime(int phase); // the switch time row leaving the phase
QString seconds();

QString speed(int phase); // the governor speed row of the phase
QString speedUnit();

QString curveFrame();
QString curve(int curve); // the curve selection's option 0..5

QString function(int row); // the channel grid's row 0..8
QString functionHeading();
QString channelHeading();
QString reverseHeading();

QString commentFrame();

} // namespace SettingCaptions

// A caption as a name in running text: without "&", surrounding blanks and a closing colon.
QString plainCaption(const QString& caption);
// The setting as the window names it: "Soft Start", "RPM Hover".
QString settingCaption(const SettingEntry& setting);
// The part of settingCaption that names it inside its frame: "Hover" for a governor speed.
QString settingRowCaption(const SettingEntry& setting);

} // namespace rv
