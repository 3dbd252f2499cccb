#include "CliSupport.h"

#include "files/ParameterFile.h"
#include "files/SetupRecord.h"

#include <QFile>

#include <cstdio>

namespace rv::cli {

int fail(const QString& what, const QString& reason) {
    // One line: a reason over several lines is joined.
    QString line = what + QStringLiteral(": ") + reason;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    note(line);
    return Failed;
}

void note(const QString& text) {
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

bool writeOutput(const QByteArray& bytes) {
    std::fflush(stdout);
    const std::size_t written =
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return std::fflush(stdout) == 0 && written == static_cast<std::size_t>(bytes.size());
}

std::optional<QByteArray> readShownRecord(const QString& path) {
    QByteArray record;
    QString reason;
    if (!readParameterFile(path, record, &reason)) {
        fail(path, reason);
        return std::nullopt;
    }
    const auto loaded = applyRecord(Setup{}, record);
    if (const auto* refusal = std::get_if<Refusal>(&loaded)) {
        fail(path, refusal->detail());
        return std::nullopt;
    }
    return record;
}

bool writeFileSafely(const QString& path, const QByteArray& bytes) {
    QString reason;
    if (!writeParameterFile(path, bytes, &reason)) {
        fail(path, reason);
        return false;
    }
    return true;
}

} // namespace rv::cli
