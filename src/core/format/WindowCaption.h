// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rv {

// The part of a path after its last directory separator: "\" and "/" on
// Windows, "/" elsewhere; a path without separator is taken whole, one that
// ends in a separator gives "".
QString fileNamePart(const QString& path);

// programName + "   ...\" + file-name part + "     " + version + " " + " 4. 0. 0".
QString windowCaption(const QString& programName, const QString& version, const QString& path);

} // namespace rv
