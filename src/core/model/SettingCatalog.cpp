// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/SettingCatalog.h"

#include "core/model/ChannelRows.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/OptionFields.h"
#include "core/model/Rounding.h"
#include "core/model/Setup.h"
#include "core/model/SetupEdits.h"
#include "core/model/SliderTable.h"

#include <QRegularExpression>

#include <algorithm>
#include <bit>
#include <vector>

namespace rv {

namespace {

// The gyro reverse box is a check box with a third, grey state, named like options here.
constexpr OptionGroupNames GyroReverseNames{"gyro_reverse",         "GyroInverter",
                                            "GyroInverter",         "Gyro Reverse",
                                            {"Off", "On", "Unset"}, OptionFields::GyroReverse};

constexpr std::array<const char*, 3> ServoKeys{"servo_1_reverse", "servo_2_reverse",
                                               "servo_3_reverse"};
constexpr std::uint8_t WholeByte = 0xFF;

SettingEntry sliderSetting(const SliderDefinition& row) {
    return {row.key, SettingKind::Slider, row.index, WholeByte, &row};
}

SettingEntry optionSetting(const OptionGroupNames& names) {
    return {names.key, SettingKind::Option, names.field.index, names.field.mask, nullptr, &names};
}

std::vector<SettingEntry> buildCatalog() {
    std::vector<SettingEntry> catalog;
    // Setup page: heli type and options, servo reverse, parts, dual rate, light timings.
    for (const OptionGroupNames& names : OptionGroups) {
        catalog.push_back(optionSetting(names));
    }
    for (int servo = 0; servo < 3; ++servo) {
        const auto at = static_cast<std::size_t>(servo);
        catalog.push_back({ServoKeys.at(at), SettingKind::ServoReverse,
                           Index::ServoReverse1 + servo, WholeByte, nullptr, nullptr, servo});
    }
    // General page: switch times and governor speeds.
    catalog.push_back(
        {"hover_to_acro_time", SettingKind::SwitchTime, Index::HoverAcroTime, WholeByte});
    catalog.push_back(
        {"acro_to_hover_time", SettingKind::SwitchTime, Index::AcroHoverTime, WholeByte});
    catalog.push_back({"hover_speed", SettingKind::GovernorSpeed, Index::HoverSpeed, WholeByte});
    catalog.push_back({"acro_speed", SettingKind::GovernorSpeed, Index::AcroSpeed, WholeByte});
    // Controller and setup page sliders, then the gyro reverse box.
    for (const SliderDefinition& row : sliderDefinitions()) {
        catalog.push_back(sliderSetting(row));
    }
    catalog.push_back(optionSetting(GyroReverseNames));
    // Channel page.
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        const auto at = static_cast<std::size_t>(row);
        catalog.push_back({ChannelRows.at(at).key, SettingKind::Channel, Index::FirstChannel + row,
                           WholeByte, nullptr, nullptr, row});
    }
    return catalog;
}

const std::vector<SettingEntry>& catalog() {
    static const std::vector<SettingEntry> entries = buildCatalog();
    return entries;
}

QString unitOf(const SettingEntry& setting) {
    switch (setting.kind) {
    case SettingKind::Slider:
        return setting.slider->kind == SliderKind::Milliseconds ? QStringLiteral("ms")
                                                                : QStringLiteral("%");
    case SettingKind::SwitchTime:
        return QStringLiteral("s");
    case SettingKind::GovernorSpeed:
        return QStringLiteral("rpm");
    case SettingKind::Option:
    case SettingKind::ServoReverse:
    case SettingKind::Channel:
        break;
    }
    return {};
}

QString withUnit(const QString& number, const SettingEntry& setting) {
    return number + QLatin1Char(' ') + unitOf(setting);
}

const QString& reversedName() {
    static const QString name = QStringLiteral("reversed");
    return name;
}
const QString& normalName() {
    static const QString name = QStringLiteral("normal");
    return name;
}
const QString& noChannelName() {
    static const QString name = QStringLiteral("none");
    return name;
}

// The number of "12 %" or "12": the unit, when given, must be the setting's own.
std::optional<QString> numberPart(const SettingEntry& setting, QStringView text) {
    QString number = text.trimmed().toString();
    const QString unit = unitOf(setting);
    if (number.endsWith(unit)) {
        number.chop(unit.size());
        number = number.trimmed();
    }
    if (number.isEmpty()) {
        return std::nullopt;
    }
    return number;
}

std::optional<int> wholeNumber(const SettingEntry& setting, QStringView text, int lowest,
                               int highest) {
    const std::optional<QString> number = numberPart(setting, text);
    if (!number) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = number->toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint8_t> bitsForSlider(const SettingEntry& setting, QStringView text) {
    const SliderDefinition& row = *setting.slider;
    const std::optional<int> position = wholeNumber(setting, text, row.minimum, row.maximum);
    if (!position) {
        return std::nullopt;
    }
    return SliderArithmetic::byteForPosition(row, *position);
}

std::optional<std::uint8_t> bitsForSwitchTime(const SettingEntry& setting, QStringView text) {
    const std::optional<QString> number = numberPart(setting, text);
    bool ok = false;
    const double seconds = number ? QLocale::c().toDouble(*number, &ok) : 0.0;
    if (!ok || seconds < 0.0 || seconds > FlightPhaseValues::MaxSwitchTenths / 10.0) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(roundHalfEven(seconds * 10.0));
}

std::optional<std::uint8_t> bitsForSpeed(const SettingEntry& setting, QStringView text) {
    const std::optional<int> rpm =
        wholeNumber(setting, text, FlightPhaseValues::MinSpeed, FlightPhaseValues::MaxSpeed);
    if (!rpm) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(roundHalfEven(*rpm / 10.0));
}

std::optional<std::uint8_t> bitsForOption(const SettingEntry& setting, QStringView text) {
    const OptionGroupNames& names = *setting.options;
    const QStringView name = text.trimmed();
    for (int option = 0; option < names.field.count; ++option) {
        const QString caption =
            QString::fromUtf8(names.captions.at(static_cast<std::size_t>(option)));
        if (name.compare(caption, Qt::CaseInsensitive) == 0) {
            return static_cast<std::uint8_t>(option << std::countr_zero(names.field.mask));
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> bitsForServo(QStringView text) {
    const QStringView name = text.trimmed();
    if (name.compare(reversedName(), Qt::CaseInsensitive) == 0) {
        return Setup::ServoReversed;
    }
    if (name.compare(normalName(), Qt::CaseInsensitive) == 0) {
        return Setup::ServoNormal;
    }
    return std::nullopt;
}

std::optional<std::uint8_t> bitsForChannel(QStringView text) {
    QStringView rest = text.trimmed();
    bool reversed = false;
    if (rest.endsWith(reversedName(), Qt::CaseInsensitive)) {
        reversed = true;
        rest = rest.chopped(reversedName().size()).trimmed();
    }
    int channel = ChannelAssignment::NoChannel;
    if (rest.compare(noChannelName(), Qt::CaseInsensitive) != 0) {
        bool ok = false;
        channel = rest.toInt(&ok);
        if (!ok || channel <= ChannelAssignment::NoChannel ||
            channel > ChannelAssignment::MaxChannel) {
            return std::nullopt;
        }
    }
    return channelByte(reversed, channel);
}

QString shownChannel(std::uint8_t byte) {
    const int channel = channelOf(byte);
    if (!ChannelAssignment::isChannel(channel)) {
        return {};
    }
    QString text =
        channel == ChannelAssignment::NoChannel ? noChannelName() : QString::number(channel);
    if (reverseOf(byte)) {
        text += QLatin1Char(' ') + reversedName();
    }
    return text;
}

} // namespace

std::span<const SettingEntry> settingCatalog() {
    return catalog();
}

const SettingEntry* findSetting(QStringView key) {
    for (const SettingEntry& setting : catalog()) {
        if (key == QLatin1String(setting.key)) {
            return &setting;
        }
    }
    return nullptr;
}

std::uint8_t settingBits(const SettingEntry& setting, const ParameterImage& image) {
    return image.at(setting.index) & setting.mask;
}

void storeSettingBits(const SettingEntry& setting, std::uint8_t bits, ParameterImage& image) {
    const auto kept = static_cast<std::uint8_t>(image.at(setting.index) & ~setting.mask);
    image.set(setting.index, static_cast<std::uint8_t>(kept | (bits & setting.mask)));
}

void storeSetting(Setup& setup, const SettingEntry& setting, std::uint8_t bits) {
    bits &= setting.mask;
    switch (setting.kind) {
    case SettingKind::Slider:
        if (setting.slider->kind == SliderKind::Part) {
            (setting.index == Index::PitchPart ? setup.pitchPart : setup.cyclicPart) = bits;
            return;
        }
        break;
    case SettingKind::SwitchTime:
        (setting.index == Index::HoverAcroTime ? setup.hoverToAcroTenths
                                               : setup.acroToHoverTenths) = bits;
        return;
    case SettingKind::GovernorSpeed:
        (setting.index == Index::HoverSpeed ? setup.hoverSpeedRpm : setup.acroSpeedRpm) = bits * 10;
        return;
    case SettingKind::Option:
        if (setting.index == Index::PitchMode) {
            return selectHeliType(setup, bits);
        }
        if (setting.index == Index::SpeedMode) {
            setup.speedMode = bits;
            return;
        }
        if (setting.index == Index::ServoMode) {
            setup.swashplateType = bits;
            return;
        }
        break;
    case SettingKind::ServoReverse:
        setup.servoInverters.at(static_cast<std::size_t>(setting.row)) = bits;
        return;
    case SettingKind::Channel: {
        const auto row = static_cast<std::size_t>(setting.row);
        setup.channels.channel.at(row) = static_cast<std::uint8_t>(channelOf(bits));
        setup.channels.reversed.at(row) = reverseOf(bits);
        setup.shownChannelOptions.at(row) = channelOf(bits);
        return;
    }
    }
    storeSettingBits(setting, bits, setup.image);
}

QString shownValue(const SettingEntry& setting, const ParameterImage& image) {
    const std::uint8_t bits = settingBits(setting, image);
    switch (setting.kind) {
    case SettingKind::Slider: {
        const int position = SliderArithmetic::positionForByte(*setting.slider, bits);
        return withUnit(SliderArithmetic::labelText(*setting.slider, position), setting);
    }
    case SettingKind::SwitchTime:
        return withUnit(FlightPhaseValues::formatSwitchTime(
                            FlightPhaseValues::limitSwitchTenths(bits), QLocale::c()),
                        setting);
    case SettingKind::GovernorSpeed:
        return withUnit(FlightPhaseValues::formatSpeed(FlightPhaseValues::speedFromByte(bits)),
                        setting);
    case SettingKind::Option: {
        const OptionGroupNames& names = *setting.options;
        const int option = bits >> std::countr_zero(names.field.mask);
        return option < names.field.count
                   ? QString::fromUtf8(names.captions.at(static_cast<std::size_t>(option)))
                   : QString();
    }
    case SettingKind::ServoReverse:
        // The box is checked for byte 1 only; any other byte shows as normal.
        return bits == Setup::ServoReversed ? reversedName() : normalName();
    case SettingKind::Channel:
        return shownChannel(bits);
    }
    return {};
}

QString shownValue(const SettingEntry& setting, const Setup& setup) {
    return shownValue(setting, collectedImage(setup));
}

std::optional<std::uint8_t> bitsForShownValue(const SettingEntry& setting, QStringView text) {
    switch (setting.kind) {
    case SettingKind::Slider:
        return bitsForSlider(setting, text);
    case SettingKind::SwitchTime:
        return bitsForSwitchTime(setting, text);
    case SettingKind::GovernorSpeed:
        return bitsForSpeed(setting, text);
    case SettingKind::Option:
        return bitsForOption(setting, text);
    case SettingKind::ServoReverse:
        return bitsForServo(text);
    case SettingKind::Channel:
        return bitsForChannel(text);
    }
    return std::nullopt;
}

QString exactValue(const SettingEntry& setting, const ParameterImage& image) {
    const QString shown = shownValue(setting, image);
    const std::uint8_t bits = settingBits(setting, image);
    if (!shown.isEmpty() && bitsForShownValue(setting, shown) == bits) {
        return shown;
    }
    const QString byte = QStringLiteral("(byte %1)").arg(bits);
    return shown.isEmpty() ? byte : shown + QLatin1Char(' ') + byte;
}

std::optional<std::uint8_t> bitsForExactValue(const SettingEntry& setting, QStringView text) {
    static const QRegularExpression byteSuffix(QStringLiteral("^(.*?)\\s*\\(byte (\\d{1,3})\\)$"));
    const QString trimmed = text.trimmed().toString();
    const QRegularExpressionMatch match = byteSuffix.match(trimmed);
    if (!match.hasMatch()) {
        return bitsForShownValue(setting, trimmed);
    }
    const int byte = match.captured(2).toInt();
    if (byte > WholeByte || (byte & ~setting.mask) != 0) {
        return std::nullopt;
    }
    // The shown part must be what the window shows for that byte.
    ParameterImage image;
    storeSettingBits(setting, static_cast<std::uint8_t>(byte), image);
    const QString shown = shownValue(setting, image);
    if (match.captured(1).compare(shown, Qt::CaseInsensitive) != 0 &&
        bitsForShownValue(setting, match.captured(1)) != bitsForShownValue(setting, shown)) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(byte);
}

std::uint8_t unshownBits(int index) {
    std::uint8_t shown = 0;
    for (const SettingEntry& setting : catalog()) {
        if (setting.index == index) {
            shown |= setting.mask;
        }
    }
    return static_cast<std::uint8_t>(~shown);
}

} // namespace rv
