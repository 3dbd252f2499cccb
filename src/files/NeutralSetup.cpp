#include "files/NeutralSetup.h"

#include "files/ParameterRecord.h"

namespace rv {

ParameterSet neutralSetup() {
    ParameterSet set;
    ParameterImage& image = set.image;
    const int midGain = PercentScale::toByte(50);
    for (int index : {14, 15, 16, 17, 19, 20, 21, 22, 24, 25, 26, 27, 28, 30, 33, 34, 43, 45}) {
        image.set(index, static_cast<std::uint8_t>(midGain));
    }
    image.set(13, static_cast<std::uint8_t>(PercentScale::toByte(5))); // soft start
    image.set(Index::HoverAcroTime, 5);                                // 0.5 s
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
    image.set(Index::CyclPart, 50);
    image.set(Index::PitchMode, 1); // pitch controlled, throttle curve, 120 degrees
    image.set(Index::DrehzahlMode, 0);
    image.set(Index::ServoMode, 0);

    const std::uint8_t tarvikMode1[] = {2, 4, 3, 1, 5, 6, 7, 8, 9};
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        set.channels.K[static_cast<std::size_t>(row)] = tarvikMode1[row];
        image.set(Index::FirstChannel + row, tarvikMode1[row]);
    }

    Curve linear{};
    for (int column = 0; column < CurvePoints; ++column) {
        linear[static_cast<std::size_t>(column)] = static_cast<std::int16_t>(20 * column);
    }
    for (char letter : CurveSet::SendOrder) {
        set.curves.byLetter(letter) = linear;
    }

    set.commentText =
        commentFieldFromText(QStringLiteral("Neutral starting setup shipped with Rotavionix "
                                            "Control: linear curves, channels as Tarvik Mode 1, "
                                            "mid-range gains, 1500 rpm, lights off. Check and tune "
                                            "every value before the first flight."));
    set.referenceImage.copyUnitEntriesFrom(set.image);
    return set;
}

} // namespace rv
