// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ApplicationSetup.h"

#include "files/SettingsStore.h"

#include <QApplication>
#include <QIcon>

namespace rv {

void setUpApplication() {
    SettingsStore::nameApplication();
    // The desktop entry's name, by which the desktop knows the window as the program's own.
    QGuiApplication::setDesktopFileName(QStringLiteral(RV_DESKTOP_ID));
    // Renderings of packaging/rotavionix-control.svg (scripts/render-icon.sh):
    // PNG is read by Qt itself, where an SVG would need an image plugin at run time.
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon/rotavionix-control-%1.png").arg(side),
                     QSize(side, side));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace rv
