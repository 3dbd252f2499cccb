// SPDX-License-Identifier: GPL-3.0-or-later
// What the window does with the desktop around it: the unit's manual, the
// About box and parameter files dropped on it.
#include "ui/window/MainWindow.h"

#include "core/settings/ManualLocation.h"
#include "core/settings/ProgramLanguage.h"
#include "ui/device/DeviceCommands.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"
#include "ui/window/AboutDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace rv {

namespace {
std::function<void(const QString&)>& documentOpener() {
    static std::function<void(const QString&)> opener = [](const QString& path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    return opener;
}
} // namespace

void MainWindow::setDocumentOpener(std::function<void(const QString&)> opener) {
    documentOpener() = std::move(opener);
}

void MainWindow::openHelp() {
    const LanguageEntry* language = findLanguage(language_);
    if (language == nullptr) {
        return;
    }
    const QString name = QString::fromLatin1(language->helpDocument);
    const QStringList folders = manualFolders(setup().currentFileName);
    const QString manual = findManual(name, folders);
    if (manual.isEmpty()) {
        MessageBox::inform(this,
                           tr("%1 was not found. It was looked for in:").arg(name) +
                               QStringLiteral("\n") + folders.join(QLatin1Char('\n')) +
                               QStringLiteral("\n\n") +
                               tr("The manuals come with the Rotavionix; put the one for your "
                                  "language into one of these folders."),
                           QMessageBox::Information);
        return;
    }
    documentOpener()(manual);
}

void MainWindow::showAbout() {
    auto* about = new AboutDialog(documentOpener(), this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

namespace {
// The one local file a drag carries, or nothing: several files, or a web
// address, are not a setup to open.
QString droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) {
        return QString();
    }
    return QDir::toNativeSeparators(urls.first().toLocalFile());
}
} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    // Refused like File → Open while a transfer runs.
    if (!device_->isBusy() && !droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (device_->isBusy() || path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    files_->offerToSaveFirst();
    files_->openChosenFile(path);
}

} // namespace rv
