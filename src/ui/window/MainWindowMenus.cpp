// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar of the window: File, Edit, Options and Help, and the texts of
// the window's own controls.
#include "ui/window/MainWindow.h"

#include "ui/compare/CompareCommands.h"
#include "ui/device/DeviceCommands.h"
#include "ui/document/FileCommands.h"
#include "ui/sheet/SheetCommands.h"
#include "ui/sheet/TextFormCommands.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/window/EditUndoStack.h"
#include "ui/window/RecentFilesMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QUndoStack>

namespace rv {

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QString());
    fileMenu_ = file;
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* open = file->addAction(QString(), files_, &FileCommands::openFile);
    openAction_ = open;
    open->setObjectName(QStringLiteral("mnuOpen"));
    open->setShortcut(QKeySequence::Open);
    // A file opened during a transfer would go out in the blocks still to be
    // sent, after the old file's first blocks: the unit would hold a mix.
    connect(device_, &DeviceCommands::busyChanged, open,
            [open](bool busy) { open->setEnabled(!busy); });
    QAction* save = file->addAction(QString(), files_, [this] { files_->saveFile(); });
    saveAction_ = save;
    save->setObjectName(QStringLiteral("mnuSave"));
    save->setShortcut(QKeySequence::Save);
    textForm_ = new TextFormCommands(document_.setup(), *files_, texts_, this);
    textForm_->addTo(file);
    connect(device_, &DeviceCommands::busyChanged, textForm_,
            [this](bool busy) { textForm_->setImportEnabled(!busy); });
    compare_->addMenu(file);
    sheets_ = new SheetCommands(document_.setup(), texts_, this);
    printAction_ = file->addAction(QString(), sheets_, &SheetCommands::printSheet);
    printAction_->setObjectName(QStringLiteral("mnuPrint"));
    printAction_->setShortcut(QKeySequence::Print);
    exportPdfAction_ = file->addAction(QString(), sheets_, [this] { sheets_->exportPdf(); });
    exportPdfAction_->setObjectName(QStringLiteral("mnuExportPdf"));
    file->addSeparator()->setObjectName(QStringLiteral("mnuTrenner"));
    closeAction_ = file->addAction(QString(), this, &MainWindow::closeWindow);
    closeAction_->setObjectName(QStringLiteral("mnuClose"));
    closeAction_->setShortcut(QKeySequence::Quit);
    new RecentFilesMenu(file, closeAction_, *files_, *device_);

    buildEditMenu();

    optionsMenu_ = menuBar()->addMenu(QString());
    optionsMenu_->setObjectName(QStringLiteral("mnuOptions"));
    languageAction_ = optionsMenu_->addAction(QString(), this, &MainWindow::chooseLanguage);
    languageAction_->setObjectName(QStringLiteral("mnuSprache"));

    helpMenu_ = menuBar()->addMenu(QString());
    helpMenu_->setObjectName(QStringLiteral("mnuHelp"));
    manualAction_ = helpMenu_->addAction(QString(), this, &MainWindow::openHelp);
    manualAction_->setObjectName(QStringLiteral("mnuManual"));
    manualAction_->setShortcut(QKeySequence::HelpContents);
    addAction(manualAction_); // keeps F1 working while the menu bar is closed
    aboutAction_ = helpMenu_->addAction(QString(), this, &MainWindow::showAbout);
    aboutAction_->setObjectName(QStringLiteral("mnuAbout"));
}

void MainWindow::buildEditMenu() {
    editMenu_ = menuBar()->addMenu(QString());
    editMenu_->setObjectName(QStringLiteral("mnuEdit"));
    undoAction_ = editMenu_->addAction(QString(), edits_, &EditUndoStack::undo);
    undoAction_->setObjectName(QStringLiteral("mnuUndo"));
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = editMenu_->addAction(QString(), edits_, &EditUndoStack::redo);
    redoAction_->setObjectName(QStringLiteral("mnuRedo"));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QUndoStack* stack = edits_->stack();
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    connect(stack, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
}

void MainWindow::retranslate() {
    texts_ = MessageTexts();
    texts_.language = language_;
    fileFilter_ = tr("Rotavionix Control Parameter Files (*.rvc) |  *.rvc");

    fileMenu_->setTitle(tr("File"));
    openAction_->setText(tr("Open"));
    saveAction_->setText(tr("Save"));
    printAction_->setText(tr("Print…"));
    exportPdfAction_->setText(tr("Export PDF…"));
    closeAction_->setText(tr("Close"));
    editMenu_->setTitle(tr("Edit"));
    undoAction_->setText(tr("Undo"));
    redoAction_->setText(tr("Redo"));
    optionsMenu_->setTitle(tr("Options"));
    languageAction_->setText(tr("Sprache, Language, Langue"));
    helpMenu_->setTitle(tr("Help"));
    manualAction_->setText(tr("Rotavionix manual"));
    aboutAction_->setText(tr("About Rotavionix Control"));
    textForm_->retranslate();
    compare_->retranslate();

    for (int tab = 1; tab <= tabStrip_->count(); ++tab) {
        tabStrip_->setTabText(tab - 1, SettingCaptions::page(tab));
    }
    sendButton_->setText(tr("Send data to Rotavionix"));
    storeButton_->setText(tr("Save data in Rotavionix"));
    updateCaption();
}

} // namespace rv
