#pragma once

#include "model/Setup.h"
#include "ui/MessageTexts.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
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
// the two device buttons. It owns the parameter set and wires the pages,
// the file commands and the device commands together; the behaviour of each
// control lives in the class of its page.
class RVMain : public QMainWindow {
    Q_OBJECT
public:
    explicit RVMain(QWidget* parent = nullptr);
    ~RVMain() override;

    Setup& parameters() { return set_; }
    const Setup& setup() const { return set_; }
    int Sprache() const { return sprache_; }
    const MessageTexts& texts() const { return texts_; }
    const QString& fileFilter() const { return fileFilter_; }
    FileCommands& fileCommands() { return *files_; }
    DeviceCommands& deviceCommands() { return *device_; }
    GeneralPage& generalPage() { return *general_; }
    ChannelPage& channelPage() { return *channels_; }
    SerialLink& serialPort() { return *com1_; }

    // tab: 1..4, as the user selecting a tab.
    void TabStrip_Click(int tab);
    void mnuHelp_Click();
    void mnuSprache_Click();
    void mnuClose_Click();
    void showValueEditor();

    // Opens a help document by its bare name; replaced by tests.
    static void setDocumentOpener(std::function<void(const QString& name)> opener);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void Form_Load();
    void loadQtTranslations();
    void refreshAccessibleNames();
    void updateCaption();
    bool Form_QueryUnload();
    // Takes a loaded setup and shows it.
    void adoptSetup(const Setup& loaded);
    // Every page shows the setup; no control's handler runs.
    void showSetup();

    Setup set_;
    MessageTexts texts_;
    QString fileFilter_;
    int sprache_ = 100;
    bool closeAfterCommand_ = false;

    std::unique_ptr<SerialLink> com1_;
    std::vector<std::unique_ptr<QTranslator>> translators_; // Qt's and the program's own

    QTabBar* tabStrip_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    GeneralPage* general_ = nullptr;
    SetupPage* setup_ = nullptr;
    ChannelPage* channels_ = nullptr;
    ControllerPage* controller_ = nullptr;
    GovernorSpeedRows* speedRows_ = nullptr;
    ValueEditor* paraEdit_ = nullptr;
    QPushButton* cbDownload_ = nullptr;
    QPushButton* cbFlash_ = nullptr;
    QLabel* transferStatus_ = nullptr;

    PortSelection* ports_ = nullptr;
    FileCommands* files_ = nullptr;
    DeviceCommands* device_ = nullptr;
};

} // namespace rv
