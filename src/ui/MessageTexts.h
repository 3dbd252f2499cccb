#pragma once

#include <QString>

namespace rv {

// The eight message texts of the current language, filled at start-up from
// the Text table.
struct MessageTexts {
    // The language these texts are in (as stored in "Language"; 1 English).
    int language = 1;
    QString PROG = QStringLiteral("Rotavionix Control");
    QString ZUORDNUNG = QStringLiteral("Transfer channel table?");
    QString PORT_FAIL = QStringLiteral("Cannot open port.");
    QString FILE_FAIL = QStringLiteral("Cannot open file.");
    QString VERSION = QStringLiteral("Version:");
    QString LCHANGE =
        QStringLiteral("Your selection will be available after restarting the program.");
    QString QSAVE = QStringLiteral("Changes not saved yet. Quit anyway?");
    QString QOPEN = QStringLiteral("Changes not saved yet. Save first?");
};

} // namespace rv
