// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/RecentFiles.h"

#include "core/settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace rv::RecentFiles {

namespace {

QString group() {
    return QStringLiteral("RecentFiles");
}
QString valueName(int slot) {
    return QStringLiteral("File%1").arg(slot + 1);
}

bool sameFile(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath())
               .compare(QDir::cleanPath(QFileInfo(b).absoluteFilePath()), cs) == 0;
}

void write(const QStringList& list) {
    for (int slot = 0; slot < Capacity; ++slot) {
        // An empty value marks a free slot, as the file has always had it.
        SettingsStore::write(group(), valueName(slot), slot < list.size() ? list[slot] : QString());
    }
}

} // namespace

QStringList read() {
    QStringList list;
    for (int slot = 0; slot < Capacity; ++slot) {
        const QString path = SettingsStore::read(group(), valueName(slot));
        const bool repeated =
            std::any_of(list.cbegin(), list.cend(),
                        [&path](const QString& entry) { return sameFile(entry, path); });
        if (!path.isEmpty() && path != SettingsStore::notFound() && !repeated) {
            list.append(path);
        }
    }
    return list;
}

QStringList withFirst(const QStringList& list, const QString& path) {
    QStringList result{path};
    for (const QString& entry : list) {
        if (result.size() < Capacity && !sameFile(entry, path)) {
            result.append(entry);
        }
    }
    return result;
}

void add(const QString& path) {
    // Absolute, so that the entry still finds the file from another working directory.
    write(withFirst(read(), QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

void remove(const QString& path) {
    QStringList list = read();
    list.removeIf([&path](const QString& entry) { return sameFile(entry, path); });
    write(list);
}

} // namespace rv::RecentFiles
