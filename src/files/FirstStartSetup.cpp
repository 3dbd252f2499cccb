#include "files/FirstStartSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace rv {

namespace {
const QString defaultName = QStringLiteral("Default.rvc");
const QString sharedPart = QStringLiteral("rotavionix-control/Default.rvc");
} // namespace

QString findShippedNeutralSetup(const QString& programFolder) {
    const QDir program(programFolder);
    for (const QString& candidate : {program.filePath(QStringLiteral("../share/") + sharedPart),
                                     program.filePath(QStringLiteral("share/") + sharedPart)}) {
        if (QFileInfo(candidate).isFile()) {
            return QDir::cleanPath(candidate);
        }
    }
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, sharedPart);
}

QString copyNeutralSetupForPilot(const QString& shippedFile, const QStringList& folders) {
    for (const QString& folder : folders) {
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            continue;
        }
        const QString copy = QDir(folder).filePath(defaultName);
        if (QFileInfo::exists(copy)) {
            return copy; // never overwrite what the pilot may have tuned
        }
        if (QFile::copy(shippedFile, copy)) {
            // The shipped file may be read-only; the pilot's copy is theirs to save.
            QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner);
            return copy;
        }
    }
    return QString();
}

StartupFile startupParameterFile(const QString& lastFile) {
    if (lastFile != defaultName || QFileInfo::exists(lastFile)) {
        return {lastFile, false};
    }
    const QString shipped = findShippedNeutralSetup(QCoreApplication::applicationDirPath());
    if (shipped.isEmpty()) {
        return {lastFile, false};
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString copy = copyNeutralSetupForPilot(
        shipped,
        {documents.isEmpty() ? QString()
                             : QDir(documents).filePath(QStringLiteral("Rotavionix Control")),
         appData});
    if (copy.isEmpty()) {
        // Shown, but not remembered: the next start tries the copy again.
        return {QDir::toNativeSeparators(shipped), false};
    }
    return {QDir::toNativeSeparators(copy), true};
}

} // namespace rv
