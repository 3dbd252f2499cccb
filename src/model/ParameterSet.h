#pragma once

#include "model/ChannelAssignment.h"
#include "model/CurveSet.h"
#include "model/ParameterImage.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace rv {

// Everything the window edits and the files and the unit receive: the
// Parameter image with its reference copy, the curves, the state variables
// that reach the image only when it is collected, and the file-level state.
// One instance lives as long as the main window; every page works on it.
struct ParameterSet {
    static constexpr int ReservedTextSize = 256;
    static constexpr int CommentSize = 1000;

    ParameterImage image;
    ParameterImage referenceImage;
    CurveSet curves;

    // Carried unchanged from a loaded file to the next save.
    std::uint8_t reservedByte = 0;
    QByteArray reservedText = QByteArray(ReservedTextSize, '\0');
    // The comment as last loaded or saved, always CommentSize characters.
    QString commentText = QString(CommentSize, QLatin1Char(' '));

    // State variables that the image collection folds into the image.
    int PitchMode = 0;            // 0 RPM controlled, 1 pitch controlled (index 40)
    int DrehzahlMode = 0;         // 0 throttle curve, 1 governor (index 41)
    int ServoMode = 0;            // swashplate type 0..2 (index 42)
    std::uint8_t TS1Inverter = 0; // 1 reversed, 255 normal (index 35..37)
    std::uint8_t TS2Inverter = 0;
    std::uint8_t TS3Inverter = 0;
    std::uint8_t PitchPart = 0; // index 38
    std::uint8_t CyclPart = 0;  // index 39
    ChannelAssignment channels; // KMain..KE3 and the reverse flags (50..58)

    QString CurrentFileName;
    bool Changed = false;
};

} // namespace rv
