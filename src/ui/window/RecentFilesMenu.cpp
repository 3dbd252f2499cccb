// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/RecentFilesMenu.h"

#include "core/settings/RecentFiles.h"
#include "ui/device/DeviceCommands.h"
#include "ui/document/FileCommands.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace rv {

RecentFilesMenu::RecentFilesMenu(QMenu* fileMenu, QAction* before, FileCommands& files,
                                 const DeviceCommands& device)
    : QObject(fileMenu), menu_(fileMenu), before_(before), files_(files), device_(device) {
    connect(menu_, &QMenu::aboutToShow, this, &RecentFilesMenu::refresh);
    refresh();
}

void RecentFilesMenu::refresh() {
    for (QAction* entry : std::as_const(entries_)) {
        menu_->removeAction(entry);
        entry->deleteLater();
    }
    entries_.clear();
    const QStringList recent = RecentFiles::read();
    for (int n = 0; n < recent.size(); ++n) {
        const QString& path = recent[n];
        QString caption = QDir::toNativeSeparators(path);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(n + 1).arg(caption), menu_);
        entry->setObjectName(QStringLiteral("mnuRecent_%1").arg(n));
        // Like File > Open: a file opened into a running transfer would mix two setups.
        entry->setEnabled(!device_.isBusy());
        connect(entry, &QAction::triggered, &files_, [this, path] { files_.openRecentFile(path); });
        menu_->insertAction(before_, entry);
        entries_.append(entry);
    }
    if (!recent.isEmpty()) {
        QAction* separator = menu_->insertSeparator(before_);
        separator->setObjectName(QStringLiteral("mnuRecentSeparator"));
        entries_.append(separator);
    }
}

} // namespace rv
