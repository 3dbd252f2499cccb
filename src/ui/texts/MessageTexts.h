// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace rv {

// The message texts of the window, in the language of the installed
// translations when they were made.
struct MessageTexts {
    Q_DECLARE_TR_FUNCTIONS(rv::MessageTexts)

public:
    MessageTexts();

    // The language these texts are in (as stored in "Language"; 1 English).
    int language = 1;
    QString programName;
    QString channelTableQuestion;
    QString cannotOpenPort;
    QString cannotOpenFile;
    QString versionCaption;
    QString quitUnsavedQuestion;
    QString saveFirstQuestion;
};

} // namespace rv
