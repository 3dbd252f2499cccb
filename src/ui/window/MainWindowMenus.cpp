// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar of the window: File, Edit, Options and Help, and the texts of
// the entries that are the program's own rather than the text table's.
#include "ui/window/MainWindow.h"

#include "ui/compare/CompareCommands.h"
#include "ui/device/DeviceCommands.h"
#include "ui/document/FileCommands.h"
#include "ui/sheet/SheetCommands.h"
#include "ui/sheet/TextFormCommands.h"
#include "ui/window/EditUndoStack.h"
#include "ui/window/RecentFilesMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace rv {

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* open = file->addAction(QStringLiteral("Open"), files_, &FileCommands::openFile);
    open->setObjectName(QStringLiteral("mnuOpen"));
    open->setShortcut(QKeySequence::Open);
    // A file opened during a transfer would go out in the blocks still to be
    // sent, after the old file's first blocks: the unit would hold a mix.
    connect(device_, &DeviceCommands::busyChanged, open,
            [open](bool busy) { open->setEnabled(!busy); });
    QAction* save = file->addAction(QStringLiteral("Save"), files_, [this] { files_->saveFile(); });
    save->setObjectName(QStringLiteral("mnuSave"));
    save->setShortcut(QKeySequence::Save);
    textForm_ = new TextFormCommands(document_.setup(), *files_, texts_, this);
    textForm_->addTo(file);
    connect(device_, &DeviceCommands::busyChanged, textForm_,
            [this](bool busy) { textForm_->setImportEnabled(!busy); });
    compare_->addMenu(file);
    sheets_ = new SheetCommands(document_.setup(), texts_, this);
    printAction_ = file->addAction(QStringLiteral("Print…"), sheets_, &SheetCommands::printSheet);
    printAction_->setObjectName(QStringLiteral("mnuPrint"));
    printAction_->setShortcut(QKeySequence::Print);
    exportPdfAction_ =
        file->addAction(QStringLiteral("Export PDF…"), sheets_, [this] { sheets_->exportPdf(); });
    exportPdfAction_->setObjectName(QStringLiteral("mnuExportPdf"));
    file->addSeparator()->setObjectName(QStringLiteral("mnuTrenner"));
    QAction* closeAction = file->addAction(QStringLiteral("Close"), this, &MainWindow::closeWindow);
    closeAction->setObjectName(QStringLiteral("mnuClose"));
    closeAction->setShortcut(QKeySequence::Quit);
    new RecentFilesMenu(file, closeAction, *files_, *device_);

    buildEditMenu();

    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    QAction* language = options->addAction(QStringLiteral("Sprache, Language, Langue"), this,
                                           &MainWindow::chooseLanguage);
    language->setObjectName(QStringLiteral("mnuSprache"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    manualAction_ =
        help->addAction(QStringLiteral("Rotavionix manual"), this, &MainWindow::openHelp);
    manualAction_->setObjectName(QStringLiteral("mnuManual"));
    manualAction_->setShortcut(QKeySequence::HelpContents);
    addAction(manualAction_); // keeps F1 working while the menu bar is closed
    aboutAction_ =
        help->addAction(QStringLiteral("About Rotavionix Control"), this, &MainWindow::showAbout);
    aboutAction_->setObjectName(QStringLiteral("mnuAbout"));
}

void MainWindow::buildEditMenu() {
    editMenu_ = menuBar()->addMenu(QStringLiteral("Edit"));
    editMenu_->setObjectName(QStringLiteral("mnuEdit"));
    undoAction_ = editMenu_->addAction(QStringLiteral("Undo"), edits_, &EditUndoStack::undo);
    undoAction_->setObjectName(QStringLiteral("mnuUndo"));
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = editMenu_->addAction(QStringLiteral("Redo"), edits_, &EditUndoStack::redo);
    redoAction_->setObjectName(QStringLiteral("mnuRedo"));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QUndoStack* stack = edits_->stack();
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    connect(stack, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
}

void MainWindow::applyEditMenuTexts() {
    editMenu_->setTitle(tr("Edit"));
    undoAction_->setText(tr("Undo"));
    redoAction_->setText(tr("Redo"));
}

void MainWindow::translateOwnMenuEntries() {
    printAction_->setText(tr("Print…"));
    exportPdfAction_->setText(tr("Export PDF…"));
    manualAction_->setText(tr("Rotavionix manual"));
    aboutAction_->setText(tr("About Rotavionix Control"));
}

} // namespace rv
