// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/ParameterImage.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace rv {

struct OptionGroupNames;
struct Setup;
struct SliderDefinition;

enum class SettingKind {
    Slider,        // a parameter slider row: percent, milliseconds or a part
    SwitchTime,    // flight phase switch time, seconds
    GovernorSpeed, // governor speed, rpm
    Option,        // an option group or the gyro reverse box, by English name
    ServoReverse,  // a servo reverse box: "reversed" (byte 1) or "normal" (255)
    Channel,       // a channel row: receiver channel and reverse bit
};

// One setting a pilot sees, built from the slider table, the option groups
// and the channel rows: where it sits in the image and how it is shown.
struct SettingEntry {
    const char* key; // stable English name: "tail_gain"
    SettingKind kind;
    int index;
    std::uint8_t mask; // the bits of the entry that belong to this setting
    const SliderDefinition* slider = nullptr;
    const OptionGroupNames* options = nullptr;
    int row = 0; // servo 0..2 or channel row 0..8
};

// Every setting, in the order of the window's pages.
std::span<const SettingEntry> settingCatalog();
const SettingEntry* findSetting(QStringView key);

// The setting's bits of an image (the entry's byte under its mask).
std::uint8_t settingBits(const SettingEntry& setting, const ParameterImage& image);
void storeSettingBits(const SettingEntry& setting, std::uint8_t bits, ParameterImage& image);

// Writes bits into a setup as the setting's control would hold them, so that
// the collected image carries them (the phase channel of an RPM-controlled
// heli excepted, which is collected as none). The heli type does what
// choosing it does: RPM controlled takes the throttle curve and the third
// swashplate type along.
void storeSetting(Setup& setup, const SettingEntry& setting, std::uint8_t bits);

// The value as the window shows it, with its unit and options by their
// English names: "63 %", "500 ms", "1.5 s", "1500 rpm", "Governor",
// "reversed", "3 reversed", "none". Empty when the window has no control
// state for the bits (an option index without an option).
QString shownValue(const SettingEntry& setting, const ParameterImage& image);
// The same for a setup's collected image: what a save or transfer would carry.
QString shownValue(const SettingEntry& setting, const Setup& setup);
// The bits the window stores for a shown value (as shownValue writes it; the
// unit may be left out), or nothing when the text is no value of the setting.
std::optional<std::uint8_t> bitsForShownValue(const SettingEntry& setting, QStringView text);

// The shown value, followed by " (byte N)" when the shown value alone would
// store other bits (a byte kept from a file, a value outside the slider):
// what the text form and the difference list write, so that nothing is lost.
QString exactValue(const SettingEntry& setting, const ParameterImage& image);
// The bits of an exact value; nothing when it is malformed or its shown part
// does not show its byte.
std::optional<std::uint8_t> bitsForExactValue(const SettingEntry& setting, QStringView text);

// The bits of an image entry that no setting stands for (0xFF for an entry
// the window does not show at all, such as 4, 5, 12 or 59..70).
std::uint8_t unshownBits(int index);

} // namespace rv
