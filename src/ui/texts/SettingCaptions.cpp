// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/texts/SettingCaptions.h"

#include "core/model/ChannelAssignment.h"
#include "core/model/CurveSet.h"
#include "core/model/OptionFields.h"
#include "core/model/ParameterImage.h"
#include "core/model/SettingCatalog.h"
#include "ui/widgets/SliderRowTable.h"

#include <QCoreApplication>

#include <array>
#include <cstring>

namespace rv {

namespace {

// A source text and the context it is translated in.
struct Caption {
    const char* context;
    const char* english;

    QString text() const { return QCoreApplication::translate(context, english); }
};

// An option group's captions; a null option caption is the core's English
// one, shown alike in every language.
struct OptionCaptions {
    const char* key;
    Caption frame;
    std::array<const char*, 3> options;
};

// Trailing blanks are part of some captions. One entry per line reads best.
// clang-format off
constexpr auto Pages = std::to_array<Caption>({
    {"rv::MainWindow", QT_TRANSLATE_NOOP("rv::MainWindow", "General Setup Values")},
    {"rv::MainWindow", QT_TRANSLATE_NOOP("rv::MainWindow", "Rotavionix Configuration")},
    {"rv::MainWindow", QT_TRANSLATE_NOOP("rv::MainWindow", "Channel Allocation")},
    {"rv::MainWindow", QT_TRANSLATE_NOOP("rv::MainWindow", "Controller Setup Values")},
});

constexpr char SetupPage[] = "rv::SetupPage";
constexpr auto Options = std::to_array<OptionCaptions>({
    {"heli_type", {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Heli Type")},
     {QT_TRANSLATE_NOOP("rv::SetupPage", "RPM controlled"), QT_TRANSLATE_NOOP("rv::SetupPage", "Pitch controlled"), nullptr}},
    {"main_motor", {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Main Motor Setup")},
     {QT_TRANSLATE_NOOP("rv::SetupPage", "Throttle Curve"), QT_TRANSLATE_NOOP("rv::SetupPage", "Governor"), nullptr}},
    {"main_signal", {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Main signal")},
     {QT_TRANSLATE_NOOP("rv::SetupPage", "Power Board RV"), QT_TRANSLATE_NOOP("rv::SetupPage", "Servo / Controller"), nullptr}},
    {"tail_motor_signal", {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Tail Motor signal")},
     {QT_TRANSLATE_NOOP("rv::SetupPage", "Power Board RV"), QT_TRANSLATE_NOOP("rv::SetupPage", "Controller"), nullptr}},
    {"combo_tail", {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Combo Tail")},
     {QT_TRANSLATE_NOOP("rv::SetupPage", "Off"), QT_TRANSLATE_NOOP("rv::SetupPage", "On"), nullptr}},
    {"tail_beep", {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Tail Beep")},
     {QT_TRANSLATE_NOOP("rv::SetupPage", "Off"), QT_TRANSLATE_NOOP("rv::SetupPage", "On"), nullptr}},
    // The angles read alike in every language.
    {"swashplate", {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Swashplate Setup")},
     {nullptr, nullptr, QT_TRANSLATE_NOOP("rv::SetupPage", "Coll.Pitch, Cyc.Pitch, Roll")}},
    // A check box with a grey third state: its states have no captions of their own.
    {"gyro_reverse", {"rv::ControllerPage", QT_TRANSLATE_NOOP("rv::ControllerPage", "Gyro Reverse")},
     {nullptr, nullptr, nullptr}},
});

constexpr Caption ServoFrame{SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Servo Reverse")};
constexpr auto Servos = std::to_array<Caption>({
    {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Servo 1")},
    {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Servo 2")},
    {SetupPage, QT_TRANSLATE_NOOP("rv::SetupPage", "Servo 3")},
});

constexpr char PhasePanel[] = "rv::FlightPhasePanel";
constexpr Caption PhaseFrame{PhasePanel, QT_TRANSLATE_NOOP("rv::FlightPhasePanel", "Flight Phase")};
constexpr auto Phases = std::to_array<Caption>({
    {PhasePanel, QT_TRANSLATE_NOOP("rv::FlightPhasePanel", "Hover")},
    {PhasePanel, QT_TRANSLATE_NOOP("rv::FlightPhasePanel", "Acro")},
});
constexpr Caption SwitchTimes{PhasePanel, QT_TRANSLATE_NOOP("rv::FlightPhasePanel", "Switch Times:")};
constexpr auto SwitchTimeRows = std::to_array<Caption>({
    {PhasePanel, QT_TRANSLATE_NOOP("rv::FlightPhasePanel", "Hover -> Acro")},
    {PhasePanel, QT_TRANSLATE_NOOP("rv::FlightPhasePanel", "Acro -> Hover")},
});
//: Seconds, after a switch time.
constexpr Caption Seconds{PhasePanel, QT_TRANSLATE_NOOP("rv::FlightPhasePanel", "sec.")};

constexpr char SpeedRows[] = "rv::GovernorSpeedRows";
constexpr auto Speeds = std::to_array<Caption>({
    {SpeedRows, QT_TRANSLATE_NOOP("rv::GovernorSpeedRows", "Hover")},
    {SpeedRows, QT_TRANSLATE_NOOP("rv::GovernorSpeedRows", "Acro")},
});
//: The unit beside a governor speed (revolutions per minute).
constexpr Caption SpeedUnit{SpeedRows, QT_TRANSLATE_NOOP("rv::GovernorSpeedRows", "rpm")};

constexpr char Selection[] = "rv::CurveSelectionFrame";
constexpr Caption CurveFrame{Selection, QT_TRANSLATE_NOOP("rv::CurveSelectionFrame", "Curve selection")};
constexpr auto Curves = std::to_array<Caption>({
    {Selection, QT_TRANSLATE_NOOP("rv::CurveSelectionFrame", "Throttle Curve ")},
    {Selection, QT_TRANSLATE_NOOP("rv::CurveSelectionFrame", "Tail Curve")},
    {Selection, QT_TRANSLATE_NOOP("rv::CurveSelectionFrame", "Pitch Curve")},
    {Selection, QT_TRANSLATE_NOOP("rv::CurveSelectionFrame", "Throttle Curve")},
    {Selection, QT_TRANSLATE_NOOP("rv::CurveSelectionFrame", "Cyclic Pitch Curve")},
    {Selection, QT_TRANSLATE_NOOP("rv::CurveSelectionFrame", "Roll Curve")},
});

constexpr char Grid[] = "rv::ChannelGrid";
constexpr auto Functions = std::to_array<Caption>({
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Pitch / Throttle")},
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Tail")},
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Cyclic Pitch  ")},
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Roll")},
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Phase")},
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Mode")},
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Illumination")},
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Extra 1")},
    {Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Extra 2")},
});
//: Column heading of the channel page: the function a channel drives.
constexpr Caption FunctionHeading{Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Function")};
//: Column heading of the channel page: the receiver channel.
constexpr Caption ChannelHeading{Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "Channel")};
//: Column heading of the channel page: the channel is reversed.
constexpr Caption ReverseHeading{Grid, QT_TRANSLATE_NOOP("rv::ChannelGrid", "rev.")};

constexpr Caption CommentFrame{"rv::GeneralPage", QT_TRANSLATE_NOOP("rv::GeneralPage", "Comments: (max. 1000 characters)")};
// clang-format on

template <typename Table> QString textAt(const Table& table, int at) {
    return table.at(static_cast<std::size_t>(at)).text();
}

const OptionCaptions* optionCaptions(const OptionGroupNames& group) {
    for (const OptionCaptions& captions : Options) {
        if (std::strcmp(captions.key, group.key) == 0) {
            return &captions;
        }
    }
    return nullptr;
}

int phaseOf(int index, int hoverIndex) {
    return index == hoverIndex ? Hover : Acro;
}

} // namespace

namespace SettingCaptions {

QString page(int page) {
    return textAt(Pages, page - 1);
}

QString optionFrame(const OptionGroupNames& group) {
    const OptionCaptions* captions = optionCaptions(group);
    return captions != nullptr ? captions->frame.text() : QString::fromUtf8(group.frameCaption);
}

QString option(const OptionGroupNames& group, int option) {
    const auto at = static_cast<std::size_t>(option);
    const OptionCaptions* captions = optionCaptions(group);
    if (captions != nullptr && captions->options.at(at) != nullptr) {
        return QCoreApplication::translate(captions->frame.context, captions->options.at(at));
    }
    return QString::fromUtf8(group.captions.at(at));
}

QString servoFrame() {
    return ServoFrame.text();
}

QString servo(int servo) {
    return textAt(Servos, servo);
}

QString phaseFrame() {
    return PhaseFrame.text();
}

QString phase(int phase) {
    return textAt(Phases, phase);
}

QString switchTimes() {
    return SwitchTimes.text();
}

QString switchTime(int phase) {
    return textAt(SwitchTimeRows, phase);
}

QString seconds() {
    return Seconds.text();
}

QString speed(int phase) {
    return textAt(Speeds, phase);
}

QString speedUnit() {
    return SpeedUnit.text();
}

QString curveFrame() {
    return CurveFrame.text();
}

QString curve(int curve) {
    return textAt(Curves, curve);
}

QString function(int row) {
    return textAt(Functions, row);
}

QString functionHeading() {
    return FunctionHeading.text();
}

QString channelHeading() {
    return ChannelHeading.text();
}

QString reverseHeading() {
    return ReverseHeading.text();
}

QString commentFrame() {
    return CommentFrame.text();
}

} // namespace SettingCaptions

QString plainCaption(const QString& caption) {
    QString text = caption;
    text = text.remove(QLatin1Char('&')).trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text;
}

QString settingRowCaption(const SettingEntry& setting) {
    switch (setting.kind) {
    case SettingKind::Slider:
        return plainCaption(sliderCaption(*setting.slider));
    case SettingKind::SwitchTime:
        return plainCaption(
            SettingCaptions::switchTime(phaseOf(setting.index, Index::HoverAcroTime)));
    case SettingKind::Option:
        return plainCaption(SettingCaptions::optionFrame(*setting.options));
    case SettingKind::ServoReverse:
        return plainCaption(SettingCaptions::servo(setting.row));
    case SettingKind::Channel:
        return plainCaption(SettingCaptions::function(setting.row));
    case SettingKind::GovernorSpeed:
        return plainCaption(SettingCaptions::speed(phaseOf(setting.index, Index::HoverSpeed)));
    }
    return {};
}

QString settingCaption(const SettingEntry& setting) {
    if (setting.kind == SettingKind::GovernorSpeed) {
        return plainCaption(sliderFrameCaption(SliderFrame::Speed)) + QLatin1Char(' ') +
               settingRowCaption(setting);
    }
    return settingRowCaption(setting);
}

} // namespace rv
