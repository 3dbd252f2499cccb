// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/ChannelAssignment.h"
#include "core/model/CurveSet.h"
#include "core/model/ParameterImage.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace rv {

// Everything the window shows and a parameter file or a transfer carries, in
// one value. Controls write it the moment they change; the window only shows
// it. Collecting, loading, saving and comparing are functions of it (see
// SetupRecord.h), so they need no widget.
//
// Image entries that a field below stands for (2, 3, 6, 7, 35..42, 50..58)
// hold the value as last loaded or collected: the restore double-clicks and
// the value editor read them there, and collecting overwrites them.
struct Setup {
    static constexpr int ReservedTextSize = 256;
    static constexpr int CommentSize = 1000;
    static constexpr int NoOption = -1;
    static constexpr std::uint8_t ServoReversed = 1;
    static constexpr std::uint8_t ServoNormal = 255;

    // --- What a parameter file holds
    ParameterImage image;
    CurveSet curves;
    std::uint8_t reservedByte = 0;
    QByteArray reservedText = QByteArray(ReservedTextSize, '\0');
    // The comment field as last loaded or saved, CommentSize characters. It is
    // written back unchanged until the pilot edits the comment, so bytes the
    // comment box cannot show (a lone CR or LF) survive a save.
    QString storedComment = QString(CommentSize, QLatin1Char(' '));
    // The comment box's text with its line breaks as CR LF, once edited.
    std::optional<QString> editedComment;

    // Entries 0..58 as last loaded or saved: what "unsaved changes" compares with.
    ParameterImage referenceImage;

    // --- Selections that reach the image when it is collected
    int pitchMode = 0;      // heli type, entry 40: 0 RPM controlled, 1 pitch controlled
    int speedMode = 0;      // main motor, entry 41: 0 throttle curve, 1 governor
    int swashplateType = 0; // entry 42: 0 120°, 1 90°, 2 collective, cyclic, roll
    // Entries 35..37: ServoReversed, ServoNormal, or a loaded byte kept as it was.
    std::array<std::uint8_t, 3> servoInverters{};
    std::uint8_t pitchPart = 0;  // entry 38
    std::uint8_t cyclicPart = 0; // entry 39
    ChannelAssignment channels;  // entries 50..58
    // The flight-phase and governor displays, as tenths of a second and rpm;
    // empty until the first file was shown (collected as 0).
    std::optional<int> hoverToAcroTenths;
    std::optional<int> acroToHoverTenths;
    std::optional<int> hoverSpeedRpm;
    std::optional<int> acroSpeedRpm;

    // --- What the window shows besides the data
    // False until a file was shown: until then no option of the setup page is selected.
    bool optionsShown = false;
    // The option each channel row shows (NoOption: none). Usually the row's
    // channel; a double-click or a preset can clear the option alone.
    std::array<int, ChannelAssignment::Rows> shownChannelOptions = noChannelOptions();
    int flightPhase = Hover; // the curve editor's phase and curve
    int curveIndex = 0;

    QString currentFileName;
    bool changed = false; // an edit that the image comparison cannot see (curves, comment)

    bool operator==(const Setup&) const = default;

private:
    static constexpr std::array<int, ChannelAssignment::Rows> noChannelOptions() {
        std::array<int, ChannelAssignment::Rows> options{};
        options.fill(NoOption);
        return options;
    }
};

// The options the setup page shows, read from the one place each is kept.
namespace SetupOptions {
inline int mainOut(const Setup& s) {
    return s.image.at(Index::MainOut);
}
inline int tailSignal(const Setup& s) {
    return s.image.at(Index::TailSignal) & 0x7F;
}
inline int comboTail(const Setup& s) {
    return (s.image.at(Index::TailSignal) & 0x80) != 0 ? 1 : 0;
}
inline int tailBeep(const Setup& s) {
    return s.image.at(Index::TailBeep);
}
// 0 cleared, 1 checked, 2 the grey third state.
inline int gyroReverse(const Setup& s) {
    return s.image.at(Index::GyroReverse);
}
inline bool servoReversed(const Setup& s, int servo) {
    return s.servoInverters.at(static_cast<std::size_t>(servo)) == Setup::ServoReversed;
}
} // namespace SetupOptions

// The image as it is saved, sent and compared: the entries that fields of
// the setup stand for filled in from them.
ParameterImage collectedImage(const Setup& setup);
// Collects into setup.image itself, as saving and sending do.
void collectImage(Setup& setup);

} // namespace rv
