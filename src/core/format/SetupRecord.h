// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <variant>

namespace rv {

// A record that the window cannot show in full: an entry holds a value that
// no option, check box or channel of the window stands for.
struct Refusal {
    int entry = 0;
    std::uint8_t value = 0;

    // The detail the file failure message shows, in the program's language.
    QString detail() const;
    bool operator==(const Refusal&) const = default;
};

// The setup after a parameter file's record was loaded into the window that
// held `previous`, or the refusal that leaves `previous` as it was. Every
// control takes the loaded value as if set by hand, with what that implies:
// - percent, time and part sliders limit a value to their range, and a
//   percent slider that moves re-scales its byte to the position (one that
//   stays where it stood keeps the loaded byte, so `previous` counts);
// - the governor speeds are limited to 500..2500 rpm, entries 4 and 5 are
//   derived from the loaded hover speed, switch times limited to 2 s;
// - RPM-controlled forces the throttle curve and the third swashplate type;
// - a servo box that changes writes 1 or 255, one that stays keeps the byte;
// - the editor returns to hover with curve 0 (RPM) or 2 (pitch) and holds
//   point 0 of the curve it takes up when that curve requires it.
// The reference image takes the loaded entries 0..58; the comment is kept as stored.
std::variant<Setup, Refusal> applyRecord(const Setup& previous, const QByteArray& record);

// The comment field a save writes: the stored field while the comment box
// still shows it, else the box text.
QString commentFieldToSave(const Setup& setup);
// The comment as the comment box shows it: the edited text, or the stored
// field without its trailing blanks; line breaks as LF.
QString commentBoxText(const Setup& setup);

// The parameter file record of a setup: collected image, curves, reserved
// fields and comment.
QByteArray recordOf(const Setup& setup);

// The setup after its record was written: collected, the comment stored,
// the reference taken, nothing unsaved.
Setup savedSetup(const Setup& setup);

// True when a save would store other entries or another comment than the
// last load or save did, or an edit was made that the comparison cannot see.
bool hasUnsavedChanges(const Setup& setup);

} // namespace rv
