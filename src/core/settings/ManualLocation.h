// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rv {

// The unit's manual comes with the unit rather than with the program; its
// name for each language is in the language table (ProgramLanguage.h).

// Where the manual is looked for, in order: the working directory, the folder
// of the parameter file last opened (none when empty), the program's data
// folder and the share folder it was installed with. Each folder once.
QStringList manualFolders(const QString& lastParameterFile);

// The manual in the first folder that holds it, its name in any case (a copy
// from a memory stick may have become "rotavionix_e.pdf"); "" when none does.
QString findManual(const QString& fileName, const QStringList& folders);

} // namespace rv
