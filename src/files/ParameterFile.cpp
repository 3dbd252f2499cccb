#include "files/ParameterFile.h"

#include "files/ParameterRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace rv {

namespace {

bool fail(QString* reason, const QString& text) {
    if (reason != nullptr) {
        *reason = text;
    }
    return false;
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

} // namespace

bool readParameterFile(const QString& path, ParameterSet& set, QString* reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(reason, file.errorString());
    }
    const QByteArray bytes = file.read(RecordSize);
    if (file.error() != QFileDevice::NoError) {
        return fail(reason, file.errorString());
    }
    decodeRecord(bytes, set);
    return true;
}

bool writeParameterFile(const QString& path, const ParameterSet& set, QString* reason) {
    if (isMarkedReadOnly(QFileInfo(path))) {
        return fail(reason,
                    QCoreApplication::translate("rv::ParameterFile", "The file is read-only."));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(reason, file.errorString());
    }
    const QByteArray record = encodeRecord(set);
    if (file.write(record) != record.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return fail(reason, error);
    }
    if (!file.commit()) {
        return fail(reason, file.errorString());
    }
    return true;
}

} // namespace rv
