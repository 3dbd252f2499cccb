// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop entry's translated texts, where lupdate finds them: the German
// and French keys of packaging/*.desktop are checked against their translations.
#pragma once

#include <QtGlobal>

inline constexpr const char* DesktopEntryTexts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "Helicopter control unit setup"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Edit, keep and send the parameter sets of the Rotavionix unit"),
    QT_TRANSLATE_NOOP("DesktopEntry", "helicopter;gyro;governor;serial;"),
};
