// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rv {

// The files last opened or saved, newest first, kept beside the startup
// settings in a group of their own ("RecentFiles", values "File1".."File8").
namespace RecentFiles {

constexpr int Capacity = 8;

QStringList read();
// Puts path first, once, and keeps the newest Capacity.
void add(const QString& path);
void remove(const QString& path);

// The list after path was opened or saved: path first, no other entry for
// the same file, at most Capacity entries.
QStringList withFirst(const QStringList& list, const QString& path);

} // namespace RecentFiles
} // namespace rv
