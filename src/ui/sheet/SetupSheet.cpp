// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/SetupSheet.h"

#include "core/format/SetupRecord.h"
#include "core/model/CurveGeometry.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/OptionFields.h"
#include "core/model/SettingCatalog.h"
#include "core/model/Setup.h"
#include "core/model/SliderTable.h"
#include "core/settings/SettingsStore.h"
#include "ui/texts/TextTable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <cstring>

namespace rv {

namespace {

// The context of this file's texts in the translations.
struct SheetText {
    Q_DECLARE_TR_FUNCTIONS(rv::SheetText)
};

QString textOf(const char* target, const char* english) {
    return captionText(CaptionPart{target, english});
}

bool isGyroReverse(const SettingEntry& setting) {
    return setting.kind == SettingKind::Option && setting.index == OptionFields::GyroReverse.index;
}

// The objectName of the frame (or page) whose caption heads the setting's
// section, as the window groups them.
const char* sectionOf(const SettingEntry& setting) {
    switch (setting.kind) {
    case SettingKind::Slider:
        return setting.slider->frame;
    case SettingKind::SwitchTime:
        return "Umschaltzeit";
    case SettingKind::GovernorSpeed:
        return setting.caption[0].target;
    case SettingKind::Option:
        return isGyroReverse(setting) ? "fraKreisel" : "tab:2";
    case SettingKind::ServoReverse:
        return "frmServo";
    case SettingKind::Channel:
        return "tab:3";
    }
    return "";
}

QString rowCaption(const SettingEntry& setting) {
    // The governor speeds are named by their row inside the speed frame.
    const CaptionPart& part =
        setting.kind == SettingKind::GovernorSpeed ? setting.caption[1] : setting.caption[0];
    return captionText(part);
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
    const QByteArray target = QByteArray(names.arrayName) + '_' + QByteArray::number(option);
    return textOf(target.constData(), names.captions.at(static_cast<std::size_t>(option)));
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
               QLatin1Char(' ') + speedUnit();
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
    SheetRow row{rowCaption(setting), localValue(setting, image), {}};
    if (exactValue(setting, image) != shownValue(setting, image)) {
        const QString byte = SheetText::tr("(byte %1)").arg(settingBits(setting, image));
        row.value = row.value.isEmpty() ? byte : row.value + QLatin1Char(' ') + byte;
    }
    if (setting.kind == SettingKind::Channel && reverseOf(settingBits(setting, image))) {
        row.extra = textOf("tReverse_0", "rev.");
    }
    return row;
}

std::vector<SheetSection> settingSections(const ParameterImage& image) {
    std::vector<SheetSection> sections;
    std::vector<const char*> targets;
    for (const SettingEntry& setting : settingCatalog()) {
        const char* target = sectionOf(setting);
        std::size_t at = 0;
        while (at < targets.size() && std::strcmp(targets[at], target) != 0) {
            ++at;
        }
        if (at == targets.size()) {
            targets.push_back(target);
            SheetSection section{textOf(target, ""), std::nullopt, {}};
            if (setting.kind == SettingKind::Channel) {
                section.columnHeadings =
                    SheetRow{textOf("LFunction", "Function"), textOf("LChannel", "Channel"),
                             textOf("tReverse_0", "rev.")};
            }
            sections.push_back(section);
        }
        sections[at].rows.push_back(settingRow(setting, image));
    }
    return sections;
}

QString curveName(int curveIndex) {
    const QByteArray target = "Kurvenauswahl_" + QByteArray::number(curveIndex);
    QString name = textOf(target.constData(), "");
    // Two throttle curves: one for each heli type.
    if (curveIndex == 0 || curveIndex == 3) {
        name += QStringLiteral(" (%1)").arg(textOf(curveIndex == 0 ? "Board_0" : "Board_1", ""));
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
    sheet.title = textOf("msg:PROG", "Rotavionix Control") + QStringLiteral(" \u2013 ") +
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
    sheet.phases = {textOf("Schweben", "Hover"), textOf("Acro", "Acro")};
    sheet.curves = sheetCurves(setup.curves, sheet.phases);
    return sheet;
}

} // namespace rv
