#pragma once

#include "model/ParameterSet.h"

#include <QString>

namespace rv {

// Reads the record of a parameter file into the set (see decodeRecord). A
// file shorter than a record is not an error. On failure (missing, a
// directory, unreadable) the set is left as it was, *reason (if given)
// receives the system's words and false is returned.
bool readParameterFile(const QString& path, ParameterSet& set, QString* reason);

// Replaces the file at path by the set's record, atomically: on failure the
// previous file is left exactly as it was. An existing file marked read-only
// is refused, also where the system would let the program write it anyway.
bool writeParameterFile(const QString& path, const ParameterSet& set, QString* reason);

} // namespace rv
