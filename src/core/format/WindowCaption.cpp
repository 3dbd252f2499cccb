// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/WindowCaption.h"

#include <algorithm>

namespace rv {

QString fileNamePart(const QString& path) {
#ifdef Q_OS_WIN
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
#else
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
#endif
    return path.mid(cut + 1);
}

QString windowCaption(const QString& programName, const QString& version, const QString& path) {
    return programName + QStringLiteral("   ...\\") + fileNamePart(path) + QStringLiteral("     ") +
           version + QLatin1Char(' ') +
           QStringLiteral(" %1. %2. %3")
               .arg(RV_VERSION_MAJOR)
               .arg(RV_VERSION_MINOR)
               .arg(RV_VERSION_PATCH);
}

} // namespace rv
