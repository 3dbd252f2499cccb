// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "ui/texts/MessageTexts.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QVBoxLayout;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace rv {

class ChannelPage;
class CompareCommands;
class ControllerPage;
class DeviceCommands;
class EditUndoStack;
class FileCommands;
class GeneralPage;
class GovernorSpeedRows;
class PortSelection;
class ProgramTranslation;
class SerialLink;
class SetupPage;
class TextFormCommands;
class SheetCommands;
class ValueEditor;

// The program's one window: the tab strip over four pages, the menu bar and
// the two device buttons. It owns the setup document and wires the pages,
// the file commands and the device commands together; the behaviour of each
// control lives in the class of its page.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // fileToOpen: a file to open as File → Open would, instead of the last
    // file; the last file when it is refused.
    explicit MainWindow(const QString& fileToOpen = QString(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // Writing through setup() reports nothing: edits go through document().
    Setup& setup() { return document_.writable(); }
    const Setup& setup() const { return document_.setup(); }
    SetupDocument& document() { return document_; }
    int language() const { return language_; }
    const MessageTexts& texts() const { return texts_; }
    const QString& fileFilter() const { return fileFilter_; }
    FileCommands& fileCommands() { return *files_; }
    CompareCommands& compareCommands() { return *compare_; }
    DeviceCommands& deviceCommands() { return *device_; }
    TextFormCommands& textFormCommands() { return *textForm_; }
    SheetCommands& sheetCommands() { return *sheets_; }
    GeneralPage& generalPage() { return *generalPage_; }
    ChannelPage& channelPage() {
        buildLatePages();
        return *channelPage_;
    }
    SerialLink& serialPort() { return *port_; }
    EditUndoStack& edits() { return *edits_; }

    // The pages the window does not open on, the port list and the value editor
    // are built just after the first paint; this builds them at once (for
    // anything that needs them earlier). Safe to call again.
    void buildLatePages();

    // tab: 1..4, as the user selecting a tab.
    void selectTab(int tab);
    // The unit's manual in the window's language, or a message saying where it was looked for.
    void openHelp();
    void showAbout();
    void chooseLanguage();
    void closeWindow();
    void showValueEditor();

    // Opens a manual or a folder on the desktop by its path; replaced by tests.
    static void setDocumentOpener(std::function<void(const QString& path)> opener);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A parameter file dropped on the window opens as File → Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The port, the file to start with and the language (asked at the first
    // start), whose translations are installed before any control takes its texts.
    void readStartSettings();
    void buildWindow();
    void buildMenus();
    void buildEditMenu();
    void startUp(const QString& fileToOpen);
    // The menus, tabs, device buttons, messages and caption in the language
    // of the installed translations; the pages do their own.
    void retranslate();
    void updateCaption();
    bool confirmDiscard();
    // Takes a loaded setup and shows it.
    void adoptSetup(const Setup& loaded);
    // Every page shows the setup; no control's handler runs.
    void showSetup();

    SetupDocument document_;
    MessageTexts texts_;
    QString fileFilter_;
    int language_ = 100;
    bool closeAfterCommand_ = false;
    bool latePagesQueued_ = false;
    bool setupAdopted_ = false; // a loaded setup has been shown

    std::unique_ptr<SerialLink> port_;
    std::unique_ptr<ProgramTranslation> translation_; // Qt's and the program's own texts

    QTabBar* tabStrip_ = nullptr;
    QVBoxLayout* centralLayout_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    GeneralPage* generalPage_ = nullptr;
    SetupPage* setupPage_ = nullptr;
    ChannelPage* channelPage_ = nullptr;
    ControllerPage* controllerPage_ = nullptr;
    GovernorSpeedRows* speedRows_ = nullptr;
    ValueEditor* valueEditor_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    QPushButton* storeButton_ = nullptr;
    QLabel* transferStatus_ = nullptr;

    PortSelection* ports_ = nullptr;
    FileCommands* files_ = nullptr;
    CompareCommands* compare_ = nullptr;
    DeviceCommands* device_ = nullptr;
    EditUndoStack* edits_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QAction* languageAction_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    TextFormCommands* textForm_ = nullptr;
    SheetCommands* sheets_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* exportPdfAction_ = nullptr;
    QAction* manualAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
};

} // namespace rv
