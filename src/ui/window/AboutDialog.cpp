// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/AboutDialog.h"

#include "core/history/TransferHistory.h"
#include "core/settings/SettingsStore.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace rv {

namespace {
QLabel* plainLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

AboutDialog::AboutDialog(std::function<void(const QString&)> openFolder, QWidget* parent)
    : QDialog(parent), openFolder_(std::move(openFolder)) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About Rotavionix Control"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plainLabel(QStringLiteral("Rotavionix Control %1.%2.%3")
                                     .arg(RV_VERSION_MAJOR)
                                     .arg(RV_VERSION_MINOR)
                                     .arg(RV_VERSION_PATCH),
                                 QStringLiteral("AboutVersion"), this));
    layout->addWidget(
        plainLabel(tr("Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)"),
                   QStringLiteral("AboutLicence"), this));
    layout->addWidget(plainLabel(tr("Qt version: %1").arg(QString::fromLatin1(qVersion())),
                                 QStringLiteral("AboutQt"), this));

    auto* grid = new QGridLayout;
    const QString settingsFile = SettingsStore::open()->fileName();
    addPlace(grid, 0, tr("Settings file:"), settingsFile, QFileInfo(settingsFile).absolutePath(),
             QStringLiteral("AboutOpenSettings"), tr("Open the folder of the settings file"));
    const QString history = TransferHistory::standardFolder();
    addPlace(grid, 1, tr("Transfer history:"), history, history, QStringLiteral("AboutOpenHistory"),
             tr("Open the transfer history folder"));
    layout->addLayout(grid);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("AboutClose"));
    close->setAccessibleName(close->text());
    layout->addWidget(buttons);
}

void AboutDialog::addPlace(QGridLayout* grid, int row, const QString& caption, const QString& path,
                           const QString& folder, const QString& buttonName,
                           const QString& accessible) {
    grid->addWidget(new QLabel(caption, this), row, 0);
    QLabel* shown =
        plainLabel(QDir::toNativeSeparators(path), buttonName + QStringLiteral("Path"), this);
    grid->addWidget(shown, row, 1);
    auto* open = new QPushButton(tr("Open folder"), this);
    open->setObjectName(buttonName);
    open->setAccessibleName(accessible);
    open->setAutoDefault(false);
    // The history folder is made by the first transfer; until then there is nothing to show.
    open->setEnabled(QFileInfo(folder).isDir());
    connect(open, &QPushButton::clicked, this, [this, folder] { openFolder_(folder); });
    grid->addWidget(open, row, 2);
}

} // namespace rv
