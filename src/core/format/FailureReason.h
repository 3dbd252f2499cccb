// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rv {

// For functions that report why they failed through an optional QString*:
// sets the reason when the caller asked for one and returns false.
inline bool failBecause(QString* reason, const QString& text) {
    if (reason != nullptr) {
        *reason = text;
    }
    return false;
}

} // namespace rv
