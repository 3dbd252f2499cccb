// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/NeutralSetup.h"

#include "core/format/ParameterRecord.h"
#include "core/model/SliderTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace rv {

Setup neutralSetup() {
    Setup set;
    ParameterImage& image = set.image;
    constexpr int SoftStart = 13;
    for (const SliderDefinition& row : sliderDefinitions()) {
        if (row.kind == SliderKind::Percent) {
            image.set(row.index, static_cast<std::uint8_t>(
                                     PercentScale::toByte(row.index == SoftStart ? 5 : 50)));
        }
    }
    image.set(Index::HoverAcroTime, 5); // 0.5 s
    image.set(Index::AcroHoverTime, 5);
    image.set(Index::HoverSpeed, 150); // 1500 rpm
    image.set(Index::AcroSpeed, 150);
    image.set(Index::SpeedFactor06, 90); // 0.6 and 0.7 of the hover speed byte
    image.set(Index::SpeedFactor07, 105);
    for (int light = 8; light <= 11; ++light) {
        image.set(light, 0); // lights off
    }
    image.set(18, 100); // full tail servo travel
    for (int servo = 35; servo <= 37; ++servo) {
        image.set(servo, 255); // not reversed
    }
    image.set(Index::PitchPart, 50);
    image.set(Index::CyclicPart, 50);
    image.set(Index::PitchMode, 1); // pitch controlled, throttle curve, 120 degrees
    image.set(Index::SpeedMode, 0);
    image.set(Index::ServoMode, 0);

    const std::uint8_t tarvikMode1[] = {2, 4, 3, 1, 5, 6, 7, 8, 9};
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        set.channels.channel[static_cast<std::size_t>(row)] = tarvikMode1[row];
        image.set(Index::FirstChannel + row, tarvikMode1[row]);
    }

    Curve linear{};
    for (int column = 0; column < CurvePoints; ++column) {
        linear[static_cast<std::size_t>(column)] = static_cast<std::int16_t>(20 * column);
    }
    for (char letter : CurveSet::SendOrder) {
        set.curves.byLetter(letter) = linear;
    }

    set.storedComment =
        commentFieldFromText(QStringLiteral("Neutral starting setup shipped with Rotavionix "
                                            "Control: linear curves, channels as Tarvik Mode 1, "
                                            "mid-range gains, 1500 rpm, lights off. Check and tune "
                                            "every value before the first flight."));
    set.referenceImage.copyUnitEntriesFrom(set.image);
    return set;
}

namespace {
const QString defaultName = QStringLiteral("Default.rvc");
const QString sharedPart = QStringLiteral("rotavionix-control/Default.rvc");
} // namespace

QString findShippedNeutralSetup(const QString& programFolder) {
    const QDir program(programFolder);
    for (const QString& candidate : {program.filePath(QStringLiteral("../share/") + sharedPart),
                                     program.filePath(QStringLiteral("share/") + sharedPart)}) {
        if (QFileInfo(candidate).isFile()) {
            return QDir::cleanPath(candidate);
        }
    }
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, sharedPart);
}

QString copyNeutralSetupForPilot(const QString& shippedFile, const QStringList& folders) {
    for (const QString& folder : folders) {
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            continue;
        }
        const QString copy = QDir(folder).filePath(defaultName);
        if (QFileInfo::exists(copy)) {
            return copy; // never overwrite what the pilot may have tuned
        }
        if (QFile::copy(shippedFile, copy)) {
            // The shipped file may be read-only; the pilot's copy is theirs to save.
            QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner);
            return copy;
        }
    }
    return QString();
}

StartupFile startupParameterFile(const QString& lastFile) {
    if (lastFile != defaultName || QFileInfo::exists(lastFile)) {
        return {lastFile, false};
    }
    const QString shipped = findShippedNeutralSetup(QCoreApplication::applicationDirPath());
    if (shipped.isEmpty()) {
        return {lastFile, false};
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString copy = copyNeutralSetupForPilot(
        shipped,
        {documents.isEmpty() ? QString()
                             : QDir(documents).filePath(QStringLiteral("Rotavionix Control")),
         appData});
    if (copy.isEmpty()) {
        // Shown, but not remembered: the next start tries the copy again.
        return {QDir::toNativeSeparators(shipped), false};
    }
    return {QDir::toNativeSeparators(copy), true};
}

} // namespace rv
