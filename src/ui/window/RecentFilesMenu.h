// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace rv {

class DeviceCommands;
class FileCommands;

// The recent files in the File menu, above its last separator: "&1 path" ..
// "&8 path" (objectNames mnuRecent_0..7), read from the settings each time
// the menu opens, so that another window's files show too.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // The entries go in front of `before`.
    RecentFilesMenu(QMenu* fileMenu, QAction* before, FileCommands& files,
                    const DeviceCommands& device);

    // Rebuilds the entries from the settings.
    void refresh();

private:
    QMenu* menu_;
    QAction* before_;
    FileCommands& files_;
    const DeviceCommands& device_;
    QList<QAction*> entries_;
};

} // namespace rv
