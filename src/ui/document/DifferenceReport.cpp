// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/document/DifferenceReport.h"

#include "core/format/ParameterRecord.h"
#include "core/model/CurveGeometry.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/OptionFields.h"
#include "core/model/SettingCatalog.h"
#include "core/model/Setup.h"
#include "ui/texts/SettingCaptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <bit>
#include <optional>

namespace rv {

namespace {

// The context of this file's texts in the translations.
struct DifferenceText {
    Q_DECLARE_TR_FUNCTIONS(rv::DifferenceText)
};

QString arrow() {
    return QStringLiteral(" \u2192 ");
}

QString reverseState(int state) {
    switch (state) {
    case 0:
        return DifferenceText::tr("normal");
    case 1:
        return DifferenceText::tr("reversed");
    default:
        return DifferenceText::tr("unset");
    }
}

QString optionCaption(const SettingEntry& setting, int option) {
    const OptionGroupNames& names = *setting.options;
    if (option >= names.field.count) {
        return {};
    }
    // The gyro reverse box has no options of its own: it reads like the servo boxes.
    if (names.field.index == Index::GyroReverse) {
        return reverseState(option);
    }
    return plainCaption(SettingCaptions::option(names, option));
}

QString channelText(std::uint8_t byte) {
    const int channel = channelOf(byte);
    if (!ChannelAssignment::isChannel(channel)) {
        return {};
    }
    QString text = channel == ChannelAssignment::NoChannel ? DifferenceText::tr("none")
                                                           : QString::number(channel);
    if (reverseOf(byte)) {
        text += QLatin1Char(' ') + DifferenceText::tr("reversed");
    }
    return text;
}

// The value as the window shows it in its language; the catalog's English
// value says whether that alone would stand for the bits.
QString windowValue(const SettingEntry& setting, const ParameterImage& image) {
    const std::uint8_t bits = settingBits(setting, image);
    QString shown;
    switch (setting.kind) {
    case SettingKind::Slider:
        shown = shownValue(setting, image); // numbers, % and ms read alike in every language
        break;
    case SettingKind::SwitchTime:
        shown = FlightPhaseValues::formatSwitchTime(FlightPhaseValues::limitSwitchTenths(bits)) +
                QLatin1Char(' ') + plainCaption(SettingCaptions::seconds());
        break;
    case SettingKind::GovernorSpeed:
        shown = FlightPhaseValues::formatSpeed(FlightPhaseValues::speedFromByte(bits)) +
                QLatin1Char(' ') + SettingCaptions::speedUnit();
        break;
    case SettingKind::Option:
        shown = optionCaption(setting, bits >> std::countr_zero(setting.options->field.mask));
        break;
    case SettingKind::ServoReverse:
        shown = reverseState(bits == Setup::ServoReversed ? 1 : 0);
        break;
    case SettingKind::Channel:
        shown = channelText(bits);
        break;
    }
    const QString english = shownValue(setting, image);
    if (!english.isEmpty() && bitsForShownValue(setting, english) == bits) {
        return shown;
    }
    const QString byte = DifferenceText::tr("(byte %1)").arg(bits);
    return shown.isEmpty() ? byte : shown + QLatin1Char(' ') + byte;
}

QString curveCaption(int phase, int curveIndex) {
    return plainCaption(SettingCaptions::curve(curveIndex)) + QStringLiteral(", ") +
           plainCaption(SettingCaptions::phase(phase));
}

QString pointValue(std::int16_t value, int curveIndex) {
    return value == RemovedPoint
               ? DifferenceText::tr("removed")
               : QString::number(CurveGeometry::shownValue(value, CurveSet::scaleOf(curveIndex)));
}

// The differing points of one side ("point 8: 40; point 9: 60"), or of both
// sides together ("point 8: 40 -> 50; ...") for the one-line form.
QString curvePoints(const CurveChange& change, bool before, bool after) {
    QStringList points;
    for (int point = 0; point < CurvePoints; ++point) {
        const auto at = static_cast<std::size_t>(point);
        if (change.before.at(at) == change.after.at(at)) {
            continue;
        }
        QStringList values;
        if (before) {
            values << pointValue(change.before.at(at), change.curveIndex);
        }
        if (after) {
            values << pointValue(change.after.at(at), change.curveIndex);
        }
        points << DifferenceText::tr("point %1: %2").arg(point + 1).arg(values.join(arrow()));
    }
    return points.join(QStringLiteral("; "));
}

QString commentCaption() {
    // The frame caption goes on with the box's limit: "Comments: (max. ...)".
    return plainCaption(SettingCaptions::commentFrame()).section(QLatin1Char(':'), 0, 0);
}

// Settings, then curves, then the channel rows.
void addSettingRows(const SetupDifferences& differences, const Setup& before, const Setup& after,
                    std::vector<DifferenceRow>& rows) {
    using Section = DifferenceRow::Section;
    for (const bool channels : {false, true}) {
        for (const SettingChange& change : differences.settings) {
            const SettingEntry& setting = *change.setting;
            if ((setting.kind == SettingKind::Channel) != channels) {
                continue;
            }
            rows.push_back({channels ? Section::Channels : Section::Settings,
                            settingCaption(setting),
                            windowValue(setting, before.image),
                            windowValue(setting, after.image),
                            {}});
        }
        if (!channels) {
            for (const CurveChange& change : differences.curves) {
                rows.push_back({Section::Curves, curveCaption(change.phase, change.curveIndex),
                                curvePoints(change, true, false), curvePoints(change, false, true),
                                curvePoints(change, true, true)});
            }
        }
    }
}

void addByteRows(const SetupDifferences& differences, std::vector<DifferenceRow>& rows) {
    using Section = DifferenceRow::Section;
    const QString entry = QStringLiteral("P"); // as the value editor names an entry
    for (const ByteChange& change : differences.unshownEntries) {
        rows.push_back({Section::OtherBytes,
                        entry + QString::number(change.index),
                        QString::number(change.before),
                        QString::number(change.after),
                        {}});
    }
    if (differences.reservedByteDiffers) {
        rows.push_back({Section::OtherBytes,
                        DifferenceText::tr("Reserved byte"),
                        QString::number(differences.reservedByteBefore),
                        QString::number(differences.reservedByteAfter),
                        {}});
    }
    for (const ByteChange& change : differences.reservedText) {
        rows.push_back({Section::OtherBytes,
                        DifferenceText::tr("Reserved text, byte %1").arg(change.index),
                        QString::number(change.before),
                        QString::number(change.after),
                        {}});
    }
}

} // namespace

DifferenceReport compareRecords(const QByteArray& other, const QByteArray& window) {
    DifferenceReport report;
    report.differences = recordDifferences(other, window);
    const SetupDifferences& differences = report.differences;
    Setup before;
    Setup after;
    decodeRecord(other, before);
    decodeRecord(window, after);
    addSettingRows(differences, before, after, report.rows);
    if (differences.commentDiffers) {
        report.rows.push_back({DifferenceRow::Section::Comment,
                               commentCaption(),
                               differences.commentBefore,
                               differences.commentAfter,
                               {}});
    }
    addByteRows(differences, report.rows);
    return report;
}

QString sectionTitle(DifferenceRow::Section section) {
    switch (section) {
    case DifferenceRow::Section::Settings:
        return DifferenceText::tr("Settings");
    case DifferenceRow::Section::Curves:
        return DifferenceText::tr("Curves");
    case DifferenceRow::Section::Channels:
        return DifferenceText::tr("Channel assignment");
    case DifferenceRow::Section::Comment:
        return DifferenceText::tr("Comment");
    case DifferenceRow::Section::OtherBytes:
        return DifferenceText::tr("Bytes the window does not show");
    }
    return {};
}

QString comparisonHeader(const QString& otherSide) {
    return DifferenceText::tr("%1 compared with the window").arg(otherSide);
}

QString sameValuesLine(const QString& otherSide) {
    return DifferenceText::tr("%1 and the window hold the same values.").arg(otherSide);
}

QString fileSideName(const QString& path) {
    // In full: a relative name says nothing about which copy was compared.
    return DifferenceText::tr("File %1").arg(
        QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

QString differenceText(const DifferenceReport& report, const QString& otherSide) {
    if (report.isEmpty()) {
        return sameValuesLine(otherSide) + QLatin1Char('\n');
    }
    QString text = comparisonHeader(otherSide) + QLatin1Char('\n');
    std::optional<DifferenceRow::Section> section;
    for (const DifferenceRow& row : report.rows) {
        if (row.section != section) {
            section = row.section;
            text += QLatin1Char('\n') + sectionTitle(row.section) + QLatin1Char('\n');
        }
        if (row.section == DifferenceRow::Section::Comment) {
            // Whole comments, each on lines of its own.
            text += QStringLiteral("  %1:\n%3\n  %2:\n%4\n")
                        .arg(otherSide, DifferenceText::tr("Window"), row.before, row.after);
            continue;
        }
        const QString change =
            row.summary.isEmpty() ? row.before + arrow() + row.after : row.summary;
        text += QStringLiteral("  %1: %2\n").arg(row.caption, change);
    }
    return text;
}

} // namespace rv
