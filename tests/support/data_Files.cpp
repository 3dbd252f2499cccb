// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/data_Files.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"

#include <QFile>

namespace rv::test {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray defaultRecord() {
    return fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
}

const QByteArray& neutralRecord() {
    static const QByteArray record = encodeRecord(neutralSetup());
    return record;
}

QByteArray withBytes(QByteArray record, std::initializer_list<std::pair<int, int>> bytes) {
    for (const auto& [offset, value] : bytes) {
        record[offset] = static_cast<char>(value);
    }
    return record;
}

} // namespace rv::test
