// SPDX-License-Identifier: GPL-3.0-or-later
// The AppStream metainfo's translated name and summary, where lupdate finds
// them: the German and French ones of packaging/*.metainfo.xml are checked
// against their translations.
#pragma once

#include <QtGlobal>

inline constexpr const char* MetainfoTexts[] = {
    QT_TRANSLATE_NOOP("Metainfo", "Set up the Rotavionix helicopter control unit"),
};
