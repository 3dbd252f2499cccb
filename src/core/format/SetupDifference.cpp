// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/SetupDifference.h"

#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/format/SetupText.h"
#include "core/model/SettingCatalog.h"
#include "core/model/Setup.h"

#include <algorithm>

namespace rv {

namespace {

void addSettingChanges(const ParameterImage& before, const ParameterImage& after,
                       SetupDifferences& differences) {
    for (const SettingEntry& setting : settingCatalog()) {
        if (settingBits(setting, before) != settingBits(setting, after)) {
            differences.settings.push_back(
                {&setting, exactValue(setting, before), exactValue(setting, after)});
        }
    }
    for (int index = 0; index < ParameterImage::Size; ++index) {
        const std::uint8_t unshown = unshownBits(index);
        if ((before.at(index) & unshown) != (after.at(index) & unshown)) {
            differences.unshownEntries.push_back({index, before.at(index), after.at(index)});
        }
    }
}

void addCurveChanges(const CurveSet& before, const CurveSet& after, SetupDifferences& differences) {
    for (int phase : {Hover, Acro}) {
        for (int curveIndex = 0; curveIndex < 6; ++curveIndex) {
            const Curve* a = before.at(phase, curveIndex);
            const Curve* b = after.at(phase, curveIndex);
            if (a != nullptr && b != nullptr && *a != *b) {
                differences.curves.push_back({phase, curveIndex, *a, *b});
            }
        }
    }
}

void addReservedChanges(const Setup& before, const Setup& after, SetupDifferences& differences) {
    if (before.reservedByte != after.reservedByte) {
        differences.reservedByteDiffers = true;
        differences.reservedByteBefore = before.reservedByte;
        differences.reservedByteAfter = after.reservedByte;
    }
    for (int offset = 0; offset < Setup::ReservedTextSize; ++offset) {
        const auto a = static_cast<std::uint8_t>(before.reservedText.at(offset));
        const auto b = static_cast<std::uint8_t>(after.reservedText.at(offset));
        if (a != b) {
            differences.reservedText.push_back({offset, a, b});
        }
    }
}

} // namespace

bool SetupDifferences::isEmpty() const {
    return settings.empty() && curves.empty() && !commentDiffers && unshownEntries.empty() &&
           !reservedByteDiffers && reservedText.empty();
}

std::vector<SettingChange> SetupDifferences::channelRows() const {
    std::vector<SettingChange> rows;
    std::copy_if(
        settings.begin(), settings.end(), std::back_inserter(rows),
        [](const SettingChange& change) { return change.setting->kind == SettingKind::Channel; });
    return rows;
}

SetupDifferences recordDifferences(const QByteArray& before, const QByteArray& after) {
    Setup a;
    Setup b;
    decodeRecord(before, a);
    decodeRecord(after, b);
    SetupDifferences differences;
    addSettingChanges(a.image, b.image, differences);
    addCurveChanges(a.curves, b.curves, differences);
    if (a.storedComment != b.storedComment) {
        differences.commentDiffers = true;
        differences.commentBefore = commentTextFromField(a.storedComment);
        differences.commentAfter = commentTextFromField(b.storedComment);
    }
    addReservedChanges(a, b, differences);
    return differences;
}

QStringList differenceLines(const SetupDifferences& differences) {
    QStringList lines;
    const auto add = [&lines](const QString& key, const QString& before, const QString& after) {
        lines << key + QStringLiteral(": ") + before + QStringLiteral(" -> ") + after;
    };
    for (const SettingChange& change : differences.settings) {
        add(QLatin1String(change.setting->key), change.before, change.after);
    }
    for (const CurveChange& change : differences.curves) {
        add(curveKey(change.phase, change.curveIndex),
            curvePointsText(change.before, change.curveIndex),
            curvePointsText(change.after, change.curveIndex));
    }
    if (differences.commentDiffers) {
        const auto quoted = [](const QString& text) {
            return QLatin1Char('"') + escapedComment(text) + QLatin1Char('"');
        };
        add(QStringLiteral("comment"), quoted(differences.commentBefore),
            quoted(differences.commentAfter));
    }
    for (const ByteChange& change : differences.unshownEntries) {
        add(imageEntryKey(change.index), hexByteText(change.before), hexByteText(change.after));
    }
    if (differences.reservedByteDiffers) {
        add(QStringLiteral("reserved_byte"), hexByteText(differences.reservedByteBefore),
            hexByteText(differences.reservedByteAfter));
    }
    for (const ByteChange& change : differences.reservedText) {
        add(QStringLiteral("reserved_text byte %1").arg(change.index), hexByteText(change.before),
            hexByteText(change.after));
    }
    return lines;
}

SetupDifferences setupDifferences(const Setup& before, const Setup& after) {
    return recordDifferences(recordOf(before), recordOf(after));
}

} // namespace rv
