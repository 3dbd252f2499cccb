// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/ParameterFile.h"

#include "core/format/FailureReason.h"
#include "core/format/ParameterRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rv {

namespace {

QString folderReason() {
    return QCoreApplication::translate("rv::ParameterFile", "This is a folder, not a file.");
}

QString missingReason() {
    return QCoreApplication::translate("rv::ParameterFile", "No such file or directory");
}

// A pipe or a device would block the program or feed it endless bytes, and a
// save must never replace one.
QString notAFileReason() {
    return QCoreApplication::translate("rv::ParameterFile",
                                       "This is a device, a pipe or a socket, not a file.");
}

// A file the user (or a Windows PC) marked read-only has no write permission
// bit left. A privileged process could still replace it; it must not.
bool isMarkedReadOnly(const QFileInfo& info) {
    // WriteUser is left out: it says what this process may do, and root may
    // write anything.
    constexpr QFile::Permissions anyWrite =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.exists() && info.isFile() && (info.permissions() & anyWrite) == 0;
}

// Opens a regular file for reading without ever waiting: opening a pipe with
// no writer or a terminal would otherwise block until someone else acts.
bool openRegularFile(const QString& path, QFile& file, QString* reason) {
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        // The C library's words follow the system's locale, not the program's language.
        return failBecause(reason, errno == ENOENT ? missingReason() : qt_error_string(errno));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd);
        return failBecause(reason, folder ? folderReason() : notAFileReason());
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failBecause(reason, file.errorString());
    }
    return true;
#else
    const QFileInfo info(path);
    if (info.isDir()) {
        return failBecause(reason, folderReason());
    }
    if (info.exists() && !info.isFile()) {
        return failBecause(reason, notAFileReason());
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failBecause(reason, file.errorString());
    }
    return true;
#endif
}

} // namespace

bool readRegularFile(const QString& path, qint64 maxSize, QByteArray& bytes, QString* reason) {
    QFile file;
    if (!openRegularFile(path, file, reason)) {
        return false;
    }
    const QByteArray read = file.read(maxSize);
    if (file.error() != QFileDevice::NoError) {
        return failBecause(reason, file.errorString());
    }
    bytes = read;
    return true;
}

bool readParameterFile(const QString& path, QByteArray& record, QString* reason) {
    return readRegularFile(path, RecordSize, record, reason);
}

bool readParameterFile(const QString& path, Setup& set, QString* reason) {
    QByteArray record;
    if (!readParameterFile(path, record, reason)) {
        return false;
    }
    decodeRecord(record, set);
    return true;
}

bool writeParameterFile(const QString& path, const Setup& set, QString* reason) {
    return writeParameterFile(path, encodeRecord(set), reason);
}

bool writeParameterFile(const QString& path, const QByteArray& record, QString* reason) {
    // Follows a symbolic link, as the save itself does: a link to a file is
    // saved through, a link to a device is refused like the device.
    const QFileInfo target(path);
    if (target.isDir()) {
        return failBecause(reason, folderReason());
    }
    if (target.exists() && !target.isFile()) {
        return failBecause(reason, notAFileReason());
    }
    if (isMarkedReadOnly(target)) {
        return failBecause(
            reason, QCoreApplication::translate("rv::ParameterFile", "The file is read-only."));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failBecause(reason, file.errorString());
    }
    // The record goes to the system before the commit: a write that fails only
    // when the buffer is flushed (a full disk) would otherwise not stop the
    // commit from putting the empty new file in place of the old one.
    if (file.write(record) != record.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return failBecause(reason, error);
    }
    if (!file.commit()) {
        return failBecause(reason, file.errorString());
    }
    return true;
}

} // namespace rv
