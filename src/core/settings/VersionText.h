// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rv {

// What `--version` prints for one of the project's executables: its name,
// the version and the licence, one line each, ending in a line break.
QString versionText(const QString& executable);

} // namespace rv
