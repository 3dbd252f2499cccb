#pragma once

#include "model/Setup.h"
#include "ui/MessageTexts.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QVBoxLayout;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTranslator;

namespace rv {

class ChannelPage;
class ControllerPage;
class DeviceCommands;
class FileCommands;
class GeneralPage;
class GovernorSpeedRows;
class PortSelection;
class SerialLink;
class SetupPage;
class ValueEditor;

// The program's one window: the tab strip over four pages, the menu bar and
// the two device buttons. It owns the Setup and wires the pages,
// the file commands and the device commands together; the behaviour of each
// control lives in the class of its page.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Setup& setup() { return setup_; }
    const Setup& setup() const { return setup_; }
    int language() const { return language_; }
    const MessageTexts& texts() const { return texts_; }
    const QString& fileFilter() const { return fileFilter_; }
    FileCommands& fileCommands() { return *files_; }
    DeviceCommands& deviceCommands() { return *device_; }
    GeneralPage& generalPage() { return *generalPage_; }
    ChannelPage& channelPage() {
        buildLatePages();
        return *channelPage_;
    }
    SerialLink& serialPort() { return *port_; }

    // The pages the window does not open on, the port list and the value editor
    // are built just after the first paint; this builds them at once (for
    // anything that needs them earlier). Safe to call again.
    void buildLatePages();

    // tab: 1..4, as the user selecting a tab.
    void selectTab(int tab);
    void openHelp();
    void chooseLanguage();
    void closeWindow();
    void showValueEditor();

    // Opens a help document by its bare name; replaced by tests.
    static void setDocumentOpener(std::function<void(const QString& name)> opener);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void startUp();
    void loadQtTranslations();
    void refreshAccessibleNames();
    void labelLateControls(const QList<QWidget*>& roots);
    void updateCaption();
    bool confirmDiscard();
    // Takes a loaded setup and shows it.
    void adoptSetup(const Setup& loaded);
    // Every page shows the setup; no control's handler runs.
    void showSetup();

    Setup setup_;
    MessageTexts texts_;
    QString fileFilter_;
    int language_ = 100;
    bool closeAfterCommand_ = false;
    bool latePagesQueued_ = false;
    bool setupAdopted_ = false;     // a loaded setup has been shown
    QStringList unlabelledTargets_; // text-table targets no control has taken yet

    std::unique_ptr<SerialLink> port_;
    std::vector<std::unique_ptr<QTranslator>> translators_; // Qt's and the program's own

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
    DeviceCommands* device_ = nullptr;
};

} // namespace rv
