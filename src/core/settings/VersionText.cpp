// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/VersionText.h"

#include <QCoreApplication>

namespace rv {

QString versionText(const QString& executable) {
    // The first line is read by scripts: it stays the same in every language.
    return QStringLiteral("%1 %2.%3.%4\n")
               .arg(executable)
               .arg(RV_VERSION_MAJOR)
               .arg(RV_VERSION_MINOR)
               .arg(RV_VERSION_PATCH) +
           QCoreApplication::translate(
               "rv::VersionText",
               "License GPL-3.0-or-later: GNU General Public License, version 3 or later "
               "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n");
}

} // namespace rv
