#include "support/data_Files.h"

#include <QFile>

namespace rv::test {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray defaultRecord() {
    return fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
}

} // namespace rv::test
