// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"

#include <QString>
#include <QStringList>

namespace rv {

// The neutral starting setup shipped as Default.rvc: linear curves, channels
// as "Tarvik Mode 1", mid-range gains, 1500 rpm, lights off. A starting
// point for a newcomer, not a tuned setup.
Setup neutralSetup();

// The neutral setup shipped with the program, or an empty text when it cannot
// be found. Looked for in share/rotavionix-control/ one folder above the
// program's folder (an installed bin/, in any prefix), beside it (a build
// tree), then in the standard data folders.
QString findShippedNeutralSetup(const QString& programFolder);

// Copies the shipped file as Default.rvc into the first of the folders that
// can hold it (creating the folder) and returns the copy's path. A Default.rvc
// already there is the pilot's own and is returned untouched. Empty when no
// folder could take the copy.
QString copyNeutralSetupForPilot(const QString& shippedFile, const QStringList& folders);

struct StartupFile {
    QString path;  // the file to load and name in the caption
    bool remember; // true when path should become the stored "LastFile"
};

// The file the start-up loads for the stored "LastFile". Only the first-run
// default "Default.rvc", absent from the working directory, is replaced: by
// the pilot's copy of the shipped setup (in "Rotavionix Control" in the
// documents folder, else in the program's data folder), or, not remembered,
// by the shipped file itself when no copy can be made. Anything else comes
// back as it is, so a missing file is still named when its load fails.
StartupFile startupParameterFile(const QString& lastFile);

} // namespace rv
