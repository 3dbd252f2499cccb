// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rv::cli {

// The commands on files; each returns the exit status.
int show(const QString& file);
int diff(const QString& before, const QString& after);
int toText(const QString& file, const QString& output); // output "" for standard output
int fromText(const QString& text, const QString& output);

} // namespace rv::cli
