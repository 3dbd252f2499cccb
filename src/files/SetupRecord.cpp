#include "files/SetupRecord.h"

#include "files/ParameterRecord.h"
#include "link/TransferProtocol.h"
#include "model/FlightPhaseValues.h"
#include "model/SliderTable.h"

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

// A slider's byte after a load. The slider's handler writes the byte of its
// position whenever the position moves or had to be limited; a slider that
// stays where it stood keeps the loaded byte as it is.
std::uint8_t sliderByteAfterLoad(const SliderDefinition& row, std::uint8_t loaded,
                                 std::uint8_t before) {
    const int requested = requestedPosition(row, loaded);
    const int position = SliderArithmetic::positionForByte(row, loaded);
    if (position == requested && position == SliderArithmetic::positionForByte(row, before)) {
        return loaded;
    }
    return SliderArithmetic::byteForPosition(row, position);
}

std::uint8_t& partOf(Setup& setup, int index) {
    return index == Index::PitchPart ? setup.pitchPart : setup.cyclicPart;
}

void applySliders(const Setup& previous, Setup& setup) {
    for (const SliderDefinition& row : sliderDefinitions()) {
        if (row.kind == SliderKind::Part) {
            const std::uint8_t before =
                row.index == Index::PitchPart ? previous.pitchPart : previous.cyclicPart;
            partOf(setup, row.index) = sliderByteAfterLoad(row, setup.image.at(row.index), before);
        } else {
            setup.image.set(row.index, sliderByteAfterLoad(row, setup.image.at(row.index),
                                                           previous.image.at(row.index)));
        }
    }
}

void applyFlightPhaseValues(Setup& setup) {
    using namespace FlightPhaseValues;
    const ParameterImage& loaded = setup.image;
    setup.hoverToAcroTenths = limitSwitchTenths(loaded.at(Index::HoverAcroTime));
    setup.acroToHoverTenths = limitSwitchTenths(loaded.at(Index::AcroHoverTime));
    const std::uint8_t hoverSpeed = loaded.at(Index::HoverSpeed);
    setup.hoverSpeedRpm = speedFromByte(hoverSpeed);
    setup.acroSpeedRpm = speedFromByte(loaded.at(Index::AcroSpeed));
    // Derived from the stored byte, not from the limited speed.
    setup.image.set(Index::SpeedFactor06, speedFactor(hoverSpeed, 6));
    setup.image.set(Index::SpeedFactor07, speedFactor(hoverSpeed, 7));
}

void applySelections(const Setup& previous, Setup& setup) {
    const ParameterImage& loaded = setup.image;
    setup.optionsShown = true;
    setup.pitchMode = loaded.at(Index::PitchMode);
    setup.speedMode = loaded.at(Index::DrehzahlMode);
    setup.swashplateType = loaded.at(Index::ServoMode);
    if (setup.pitchMode == 0) {
        // RPM controlled: no governor and no 120°/90° swashplate.
        setup.speedMode = 0;
        setup.swashplateType = 2;
    }
    for (std::size_t servo = 0; servo < setup.servoInverters.size(); ++servo) {
        const std::uint8_t byte = loaded.at(Index::ServoReverse1 + static_cast<int>(servo));
        const bool reversed = byte == Setup::ServoReversed;
        const bool wasReversed = previous.servoInverters.at(servo) == Setup::ServoReversed;
        setup.servoInverters.at(servo) = reversed == wasReversed ? byte
                                         : reversed              ? Setup::ServoReversed
                                                                 : Setup::ServoNormal;
    }
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        const std::uint8_t byte = loaded.at(Index::FirstChannel + row);
        const auto at = static_cast<std::size_t>(row);
        setup.channels.K.at(at) = static_cast<std::uint8_t>(channelOf(byte));
        setup.channels.Reverse.at(at) = reverseOf(byte);
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

ParameterSet recordFields(const Setup& setup) {
    ParameterSet fields;
    fields.image = collectedImage(setup);
    fields.curves = setup.curves;
    fields.reservedByte = setup.reservedByte;
    fields.reservedText = setup.reservedText;
    fields.commentText = commentFieldToSave(setup);
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
    ParameterSet decoded;
    decodeRecord(record, decoded);
    if (const std::optional<int> entry = firstUnshowableEntry(decoded.image)) {
        return Refusal{*entry, decoded.image.at(*entry)};
    }
    Setup setup = previous;
    setup.image = decoded.image;
    setup.curves = decoded.curves;
    setup.reservedByte = decoded.reservedByte;
    setup.reservedText = decoded.reservedText;
    setup.storedComment = decoded.commentText;
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

QByteArray transferStream(const Setup& setup, bool withChannelTable) {
    return TransferProtocol::transferText(collectedImage(setup), setup.curves, withChannelTable);
}

Setup transferredSetup(const Setup& setup) {
    Setup sent = setup;
    collectImage(sent);
    TransferProtocol::rewriteChannelEntries(sent.image, sent.channels);
    return sent;
}

} // namespace rv
