// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/SetupRecord.h"

#include "core/format/ParameterRecord.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/SetupEdits.h"
#include "core/model/SliderTable.h"

#include <QCoreApplication>

namespace rv {

namespace {

// The position a slider is asked to take for a byte, before its range limits it.
int requestedPosition(const SliderDefinition& row, int byte) {
    switch (row.kind) {
    case SliderKind::Percent:
        return PercentScale::toPosition(byte);
    case SliderKind::Milliseconds:
        return byte * 10;
    case SliderKind::Direct:
    case SliderKind::Part:
        break;
    }
    return byte;
}

// A slider after a load. Its handler writes the byte of its position
// whenever the position moves or had to be limited; a slider that stays where
// it stood keeps the loaded byte as it is.
void applySlider(const Setup& previous, Setup& setup, const SliderDefinition& row) {
    const std::uint8_t loaded = setup.image.at(row.index);
    const int position = SliderArithmetic::positionForByte(row, loaded);
    if (position != requestedPosition(row, loaded) || position != sliderPosition(previous, row)) {
        setSliderPosition(setup, row, position);
    } else if (row.kind == SliderKind::Part) {
        setSliderPosition(setup, row, loaded); // the part takes the loaded value
    }
}

void applySliders(const Setup& previous, Setup& setup) {
    for (const SliderDefinition& row : sliderDefinitions()) {
        applySlider(previous, setup, row);
    }
}

void applyFlightPhaseValues(Setup& setup) {
    using namespace FlightPhaseValues;
    const ParameterImage& loaded = setup.image;
    setup.hoverToAcroTenths = limitSwitchTenths(loaded.at(Index::HoverAcroTime));
    setup.acroToHoverTenths = limitSwitchTenths(loaded.at(Index::AcroHoverTime));
    setup.hoverSpeedRpm = speedFromByte(loaded.at(Index::HoverSpeed));
    setup.acroSpeedRpm = speedFromByte(loaded.at(Index::AcroSpeed));
    // Derived from the hover speed as limited, the byte a save stores, so
    // that the saved file loads with the same entries 4 and 5.
    const auto hoverSpeed = static_cast<std::uint8_t>(*setup.hoverSpeedRpm / 10);
    setup.image.set(Index::SpeedFactor06, speedFactor(hoverSpeed, 6));
    setup.image.set(Index::SpeedFactor07, speedFactor(hoverSpeed, 7));
}

void applySelections(const Setup& previous, Setup& setup) {
    const ParameterImage& loaded = setup.image;
    setup.optionsShown = true;
    setup.speedMode = loaded.at(Index::SpeedMode);
    setup.swashplateType = loaded.at(Index::ServoMode);
    // Its handler runs even when the type stays: a load in RPM mode must not
    // keep a governor or 120°/90° setting.
    selectHeliType(setup, loaded.at(Index::PitchMode));
    for (std::size_t servo = 0; servo < setup.servoInverters.size(); ++servo) {
        const std::uint8_t byte = loaded.at(Index::ServoReverse1 + static_cast<int>(servo));
        const bool reversed = byte == Setup::ServoReversed;
        // A box that changes writes its state; one that stays keeps the byte.
        if (reversed != SetupOptions::servoReversed(previous, static_cast<int>(servo))) {
            setServoReversed(setup, static_cast<int>(servo), reversed);
        } else {
            setup.servoInverters.at(servo) = byte;
        }
    }
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        const std::uint8_t byte = loaded.at(Index::FirstChannel + row);
        const auto at = static_cast<std::size_t>(row);
        setup.channels.channel.at(at) = static_cast<std::uint8_t>(channelOf(byte));
        setup.channels.reversed.at(at) = reverseOf(byte);
        setup.shownChannelOptions.at(at) = channelOf(byte);
    }
}

void returnEditorToHover(Setup& setup) {
    setup.flightPhase = Hover;
    setup.curveIndex = setup.pitchMode == 1 ? 2 : 0;
    if (CurveSet::isHeldAtZero(Hover, setup.curveIndex)) {
        if (Curve* curve = setup.curves.at(Hover, setup.curveIndex)) {
            (*curve)[0] = 0;
        }
    }
}

Setup recordFields(const Setup& setup) {
    Setup fields;
    fields.image = collectedImage(setup);
    fields.curves = setup.curves;
    fields.reservedByte = setup.reservedByte;
    fields.reservedText = setup.reservedText;
    fields.storedComment = commentFieldToSave(setup);
    return fields;
}

} // namespace

QString Refusal::detail() const {
    return QCoreApplication::translate("rv::FileCommands",
                                       "Byte %1 of the parameter set holds %2, which no setting "
                                       "of this program stands for.")
        .arg(entry)
        .arg(value);
}

std::variant<Setup, Refusal> applyRecord(const Setup& previous, const QByteArray& record) {
    Setup decoded;
    decodeRecord(record, decoded);
    if (const std::optional<int> entry = firstUnshowableEntry(decoded.image)) {
        return Refusal{*entry, decoded.image.at(*entry)};
    }
    Setup setup = previous;
    setup.image = decoded.image;
    setup.curves = decoded.curves;
    setup.reservedByte = decoded.reservedByte;
    setup.reservedText = decoded.reservedText;
    setup.storedComment = decoded.storedComment;
    setup.editedComment.reset();
    setup.referenceImage.copyUnitEntriesFrom(decoded.image);

    applyFlightPhaseValues(setup);
    applySliders(previous, setup);
    applySelections(previous, setup);
    returnEditorToHover(setup);
    setup.changed = false;
    return setup;
}

namespace {
// The box compares as it shows the stored field: without trailing blanks,
// every line break as CR LF.
bool commentBoxDiffers(const Setup& setup) {
    return setup.editedComment &&
           *setup.editedComment != withWindowsLineBreaks(commentTextFromField(setup.storedComment));
}
} // namespace

QString commentFieldToSave(const Setup& setup) {
    return commentBoxDiffers(setup) ? commentFieldFromText(*setup.editedComment)
                                    : setup.storedComment;
}

QString commentBoxText(const Setup& setup) {
    return setup.editedComment
               ? QString(*setup.editedComment).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
               : commentBoxTextFromField(setup.storedComment);
}

QByteArray recordOf(const Setup& setup) {
    return encodeRecord(recordFields(setup));
}

Setup savedSetup(const Setup& setup) {
    Setup saved = setup;
    collectImage(saved);
    saved.storedComment = commentFieldToSave(setup);
    saved.referenceImage.copyUnitEntriesFrom(saved.image);
    saved.changed = false;
    return saved;
}

bool hasUnsavedChanges(const Setup& setup) {
    return !collectedImage(setup).unitEntriesEqual(setup.referenceImage) ||
           commentBoxDiffers(setup) || setup.changed;
}

} // namespace rv
