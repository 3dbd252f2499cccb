// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QButtonGroup;

namespace rv {

// Qt keeps the Tab stop of an exclusive option group on the option that last
// had the focus. Once the program hides or disables that option, the whole
// group drops out of the Tab order and cannot be reached from the keyboard.
// This puts the stop back on the checked option, or on the first one that can
// take the focus.
void keepTabStopOnChecked(QButtonGroup& group);

} // namespace rv
