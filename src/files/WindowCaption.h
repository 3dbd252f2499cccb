#pragma once

#include <QString>

namespace rv {

// The part of a path after its last directory separator: "\" and "/" on
// Windows, "/" elsewhere; a path without separator is taken whole, one that
// ends in a separator gives "".
QString fileNamePart(const QString& path);

// PROG + "   ...\" + file-name part + "     " + VERSION + " " + " 4. 0. 0".
QString windowCaption(const QString& prog, const QString& version, const QString& path);

} // namespace rv
