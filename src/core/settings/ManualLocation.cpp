// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ManualLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>

namespace rv {

QStringList manualFolders(const QString& lastParameterFile) {
    QStringList folders{QDir::currentPath()};
    if (!lastParameterFile.isEmpty()) {
        folders << QFileInfo(lastParameterFile).absolutePath();
    }
    folders << QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folders << QDir(QCoreApplication::applicationDirPath())
                   .filePath(QStringLiteral("../share/rotavionix-control"));
    QStringList unique;
    for (const QString& folder : folders) {
        const QString clean = QDir::toNativeSeparators(QDir::cleanPath(folder));
        if (!folder.isEmpty() && !unique.contains(clean)) {
            unique << clean;
        }
    }
    return unique;
}

QString findManual(const QString& fileName, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QDir dir(folder);
        // Name filters ignore case unless told otherwise.
        const QStringList found = dir.entryList({fileName}, QDir::Files | QDir::Readable);
        if (!found.isEmpty()) {
            return dir.filePath(found.first());
        }
    }
    return {};
}

} // namespace rv
