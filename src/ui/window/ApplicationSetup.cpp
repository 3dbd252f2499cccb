// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ApplicationSetup.h"

#include "core/settings/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace rv {

void setUpApplication() {
    SettingsStore::nameApplication();
    // The desktop entry's name, by which the desktop knows the window as the program's own.
    QGuiApplication::setDesktopFileName(QStringLiteral(RV_DESKTOP_ID));
    // The PNG renderings of the icon the package installs for menus
    // (packaging/icons/): Qt reads PNG itself, where an SVG would need an image
    // plugin at run time. Each file gives one size.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icon"));
    for (const QString& name : sizes.entryList(QDir::Files)) {
        icon.addFile(sizes.filePath(name));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace rv
