// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

namespace rv::cli {

// The context of the tool's messages in the translations.
struct Cli {
    Q_DECLARE_TR_FUNCTIONS(rv::cli)
};

// Exit statuses of every command.
enum Status : int {
    Done = 0,
    Different = 1, // diff: the setups differ
    Failed = 2,    // a file could not be read, was refused or could not be written; the port failed
};

// One line on standard error, "what: reason"; returns Failed.
int fail(const QString& what, const QString& reason);
// A line of progress or a note on standard error.
void note(const QString& text);
// Bytes to standard output as they are; false when it could not take them.
bool writeOutput(const QByteArray& bytes);
// The one line on standard error when standard output did not take them; returns Failed.
int outputFailed();

// A parameter file as the window opens it: its record, or nothing (after
// the one line on standard error) when it cannot be read or the window
// would refuse it.
std::optional<QByteArray> readShownRecord(const QString& path);

// A parameter file's record as it loads, refused or not; nothing (after the
// one line on standard error) when it cannot be read. refusal receives why
// the window would refuse it, or stays empty.
std::optional<QByteArray> readRecord(const QString& path, QString& refusal);

// False, after the one line on standard error, when output is input itself:
// by another name, through a link, or as the same inode on the same device.
bool isOtherThanInput(const QString& output, const QString& input);

// Writes a file through the program's safe writer (never half a file, never
// over a device or pipe); false after the one line on standard error.
bool writeFileSafely(const QString& path, const QByteArray& bytes);

} // namespace rv::cli
