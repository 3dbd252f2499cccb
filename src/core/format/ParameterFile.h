// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"

#include <QString>

namespace rv {

// Reads the record of a parameter file into the setup's record fields (see decodeRecord). A
// file shorter than a record is not an error. Anything but a regular file (a
// folder, a pipe, a device) is refused without waiting for it. On failure the
// set is left as it was, *reason (if given) says why and false is returned.
bool readParameterFile(const QString& path, Setup& set, QString* reason);
// The same checks, giving the file's first RecordSize bytes as they are.
bool readParameterFile(const QString& path, QByteArray& record, QString* reason);

// The first maxSize bytes of a regular file, with the same refusals.
bool readRegularFile(const QString& path, qint64 maxSize, QByteArray& bytes, QString* reason);

// Replaces the file at path by the set's record, atomically: on failure the
// previous file is left exactly as it was, also when the disk is full. An
// existing file marked read-only is refused, also where the system would let
// the program write it anyway, and so is a folder, pipe or device in its place.
bool writeParameterFile(const QString& path, const Setup& set, QString* reason);
// The same for a record made elsewhere (recordOf), or any other bytes (a setup text).
bool writeParameterFile(const QString& path, const QByteArray& record, QString* reason);

} // namespace rv
