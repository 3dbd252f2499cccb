// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/SetupSheet.h"

#include "core/format/SetupRecord.h"
#include "core/model/CurveGeometry.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/OptionFields.h"
#include "core/model/SettingCatalog.h"
#include "core/model/Setup.h"
#include "core/settings/ProgramLanguage.h"
#include "core/settings/SettingsStore.h"
#include "ui/texts/MessageTexts.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/widgets/SliderRowTable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace rv {

namespace {

// The context of this file's texts in the translations.
struct SheetText {
    Q_DECLARE_TR_FUNCTIONS(rv::SheetText)
};

bool isGyroReverse(const SettingEntry& setting) {
    return setting.kind == SettingKind::Option && setting.index == OptionFields::GyroReverse.index;
}

// The sections of the sheet: the frames of the slider rows, then these.
enum Section : int { SwitchTimes = 100, Options, ServoReverse, Channels };

// The frame (or page) whose caption heads the setting's section, as the window groups them.
int sectionOf(const SettingEntry& setting) {
    switch (setting.kind) {
    case SettingKind::Slider:
        return static_cast<int>(sliderRowNames(*setting.slider).frame);
    case SettingKind::SwitchTime:
        return SwitchTimes;
    case SettingKind::GovernorSpeed:
        return static_cast<int>(SliderFrame::Speed);
    case SettingKind::Option:
        return isGyroReverse(setting) ? static_cast<int>(SliderFrame::Gyro) : Options;
    case SettingKind::ServoReverse:
        return ServoReverse;
    case SettingKind::Channel:
        return Channels;
    }
    return Options;
}

QString sectionHeading(int section) {
    switch (section) {
    case SwitchTimes:
        return plainCaption(SettingCaptions::switchTimes());
    case Options:
        return plainCaption(SettingCaptions::page(2));
    case ServoReverse:
        return plainCaption(SettingCaptions::servoFrame());
    case Channels:
        return plainCaption(SettingCaptions::page(3));
    default:
        return plainCaption(sliderFrameCaption(static_cast<SliderFrame>(section)));
    }
}

QString optionCaption(const SettingEntry& setting, std::uint8_t bits) {
    const OptionGroupNames& names = *setting.options;
    const int option = bits >> std::countr_zero(names.field.mask);
    if (option >= names.field.count) {
        return {};
    }
    if (isGyroReverse(setting)) {
        // A check box: its states have no captions of their own in the window.
        const QString states[] = {SheetText::tr("Off"), SheetText::tr("On"),
                                  SheetText::tr("Unset")};
        return states[option];
    }
    return plainCaption(SettingCaptions::option(names, option));
}

QString localValue(const SettingEntry& setting, const ParameterImage& image) {
    const std::uint8_t bits = settingBits(setting, image);
    switch (setting.kind) {
    case SettingKind::Slider:
        return shownValue(setting, image); // a number with "%" or "ms" in every language
    case SettingKind::SwitchTime:
        return FlightPhaseValues::formatSwitchTime(FlightPhaseValues::limitSwitchTenths(bits)) +
               QStringLiteral(" s");
    case SettingKind::GovernorSpeed:
        return FlightPhaseValues::formatSpeed(FlightPhaseValues::speedFromByte(bits)) +
               QLatin1Char(' ') + SettingCaptions::speedUnit();
    case SettingKind::Option:
        return optionCaption(setting, bits);
    case SettingKind::ServoReverse:
        return bits == Setup::ServoReversed ? SheetText::tr("reversed") : SheetText::tr("normal");
    case SettingKind::Channel: {
        const int channel = channelOf(bits);
        if (!ChannelAssignment::isChannel(channel)) {
            return {};
        }
        return channel == ChannelAssignment::NoChannel ? QStringLiteral("-")
                                                       : QString::number(channel);
    }
    }
    return {};
}

// The shown value, and the byte itself where the value alone would hide it
// (a byte kept from a file, a value outside its slider): the sheet must not
// show two different setups alike.
SheetRow settingRow(const SettingEntry& setting, const ParameterImage& image) {
    SheetRow row{settingRowCaption(setting), localValue(setting, image), {}};
    if (exactValue(setting, image) != shownValue(setting, image)) {
        const QString byte = SheetText::tr("(byte %1)").arg(settingBits(setting, image));
        row.value = row.value.isEmpty() ? byte : row.value + QLatin1Char(' ') + byte;
    }
    if (setting.kind == SettingKind::Channel && reverseOf(settingBits(setting, image))) {
        row.extra = plainCaption(SettingCaptions::reverseHeading());
    }
    return row;
}

std::vector<SheetSection> settingSections(const ParameterImage& image) {
    std::vector<SheetSection> sections;
    std::vector<int> shown;
    for (const SettingEntry& setting : settingCatalog()) {
        const int section = sectionOf(setting);
        std::size_t at = 0;
        while (at < shown.size() && shown[at] != section) {
            ++at;
        }
        if (at == shown.size()) {
            shown.push_back(section);
            SheetSection heading{sectionHeading(section), std::nullopt, {}};
            if (setting.kind == SettingKind::Channel) {
                heading.columnHeadings = SheetRow{plainCaption(SettingCaptions::functionHeading()),
                                                  plainCaption(SettingCaptions::channelHeading()),
                                                  plainCaption(SettingCaptions::reverseHeading())};
            }
            sections.push_back(heading);
        }
        sections[at].rows.push_back(settingRow(setting, image));
    }
    return sections;
}

QString curveName(int curveIndex) {
    QString name = plainCaption(SettingCaptions::curve(curveIndex));
    // Two throttle curves: one for each heli type.
    if (curveIndex == 0 || curveIndex == 3) {
        const OptionGroupNames& heliType = *findSetting(u"heli_type")->options;
        name += QStringLiteral(" (%1)").arg(
            plainCaption(SettingCaptions::option(heliType, curveIndex == 0 ? 0 : 1)));
    }
    return name;
}

std::vector<SheetCurve> sheetCurves(const CurveSet& curves, const std::array<QString, 2>& phases) {
    std::vector<SheetCurve> sheet;
    for (int phase : {Hover, Acro}) {
        for (int index = 0; index < 6; ++index) {
            const Curve* points = curves.at(phase, index);
            if (points == nullptr) {
                continue;
            }
            SheetCurve curve{phases.at(static_cast<std::size_t>(phase)),
                             curveName(index),
                             index,
                             CurveSet::scaleOf(index),
                             *points,
                             FillCurveGaps(*points),
                             {}};
            for (std::int16_t value : *points) {
                curve.shown << (value == RemovedPoint ? QStringLiteral("-")
                                                      : QString::number(CurveGeometry::shownValue(
                                                            value, curve.scale)));
            }
            sheet.push_back(curve);
        }
    }
    return sheet;
}

} // namespace

SetupSheet setupSheet(const Setup& setup, int language, const QDate& date) {
    SetupSheet sheet;
    sheet.title = plainCaption(MessageTexts().programName) + QStringLiteral(" \u2013 ") +
                  SheetText::tr("Setup sheet");
    const bool named =
        !setup.currentFileName.isEmpty() && setup.currentFileName != SettingsStore::notFound();
    sheet.fileName =
        SheetText::tr("File: %1")
            .arg(named ? QFileInfo(setup.currentFileName).fileName() : QStringLiteral("-"));
    sheet.date =
        SheetText::tr("Date: %1").arg(languageLocale(language).toString(date, QLocale::LongFormat));
    if (hasUnsavedChanges(setup)) {
        sheet.unsavedNote = SheetText::tr("Changes not saved in the file");
    }
    sheet.sections = settingSections(collectedImage(setup));
    sheet.commentHeading = SheetText::tr("Comment");
    sheet.comment = commentBoxText(setup).trimmed();
    sheet.curvesHeading = SheetText::tr("Curves");
    sheet.phases = {plainCaption(SettingCaptions::phase(Hover)),
                    plainCaption(SettingCaptions::phase(Acro))};
    sheet.curves = sheetCurves(setup.curves, sheet.phases);
    return sheet;
}

} // namespace rv
