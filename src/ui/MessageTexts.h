#pragma once

#include <QString>

namespace rv {

// The eight message texts of the current language, filled at start-up from
// the Text table.
struct MessageTexts {
    // The language these texts are in (as stored in "Language"; 1 English).
    int language = 1;
    QString programName = QStringLiteral("Rotavionix Control");
    QString channelTableQuestion = QStringLiteral("Transfer channel table?");
    QString cannotOpenPort = QStringLiteral("Cannot open port.");
    QString cannotOpenFile = QStringLiteral("Cannot open file.");
    QString versionCaption = QStringLiteral("Version:");
    QString languageChangeNote =
        QStringLiteral("Your selection will be available after restarting the program.");
    QString quitUnsavedQuestion = QStringLiteral("Changes not saved yet. Quit anyway?");
    QString saveFirstQuestion = QStringLiteral("Changes not saved yet. Save first?");
};

} // namespace rv
