// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSupport.h"

#include "core/format/ParameterFile.h"
#include "core/format/SetupRecord.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

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

int outputFailed() {
    return fail(Cli::tr("standard output"), Cli::tr("cannot be written"));
}

std::optional<QByteArray> readRecord(const QString& path, QString& refusal) {
    QByteArray record;
    QString reason;
    if (!readParameterFile(path, record, &reason)) {
        fail(path, reason);
        return std::nullopt;
    }
    const auto loaded = applyRecord(Setup{}, record);
    const auto* refused = std::get_if<Refusal>(&loaded);
    refusal = refused != nullptr ? refused->detail() : QString();
    return record;
}

std::optional<QByteArray> readShownRecord(const QString& path) {
    QString refusal;
    std::optional<QByteArray> record = readRecord(path, refusal);
    if (record && !refusal.isEmpty()) {
        fail(path, refusal);
        return std::nullopt;
    }
    return record;
}

namespace {
bool isSameFile(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
#else
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
#endif
}
} // namespace

bool isOtherThanInput(const QString& output, const QString& input) {
    if (isSameFile(output, input)) {
        fail(output, Cli::tr("is the input file; nothing written"));
        return false;
    }
    return true;
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
