// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"

#include <optional>

namespace rv {

// One edit of the pilot's: the setup before and after it.
struct EditStep {
    Setup before;
    Setup after;
};

// True when two setups hold the same edits: what a save writes, the comment
// shown, the channel options shown. The file name, the reference image, the
// phase and curve shown and what a save or transfer collects do not count.
bool sameEdits(const Setup& a, const Setup& b);

// Turns the changes of the window's setup into edit steps and puts a step's
// setup back. A step restores the edits and the phase and curve shown with
// them; what a load, save or transfer set (the file name, the reference image,
// the stored comment, the entries collected from fields, which the restore
// double-clicks read) stays as it is now, so a save after an undo writes what
// a save before the edit wrote, and the unsaved-changes check stays right.
class EditHistory {
public:
    // A fresh history for a setup just loaded (nothing to undo yet).
    void start(const Setup& current);
    // The step from the last recorded setup to current, or nothing when
    // current holds the same edits (a save, a transfer, a new curve shown).
    std::optional<EditStep> record(const Setup& current);
    // current with the edits of snapshot (a step's before or after); it
    // becomes the last recorded setup.
    Setup restore(const Setup& current, const Setup& snapshot);

private:
    Setup last_;
    // The setup as last loaded or saved: an undo back to it has nothing unsaved.
    // None while the history holds no such state (it began on an imported text).
    std::optional<Setup> clean_;
};

} // namespace rv
