// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rv {

// The eight message texts of the window, in the language of the installed
// translations when they were made.
struct MessageTexts {
    MessageTexts();

    // The language these texts are in (as stored in "Language"; 1 English).
    int language = 1;
    QString programName;
    QString channelTableQuestion;
    QString cannotOpenPort;
    QString cannotOpenFile;
    QString versionCaption;
    QString languageChangeNote;
    QString quitUnsavedQuestion;
    QString saveFirstQuestion;
};

} // namespace rv
