// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/MainWindow.h"

#include "core/format/NeutralSetup.h"
#include "core/format/WindowCaption.h"
#include "core/link/PortDevices.h"
#include "core/link/SerialLink.h"
#include "core/settings/ProgramLanguage.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StartupSettings.h"
#include "ui/compare/CompareCommands.h"
#include "ui/curves/CurveDisplay.h"
#include "ui/curves/CurvePointRow.h"
#include "ui/device/DeviceCommands.h"
#include "ui/device/PortSelection.h"
#include "ui/document/FileCommands.h"
#include "ui/pages/channels/ChannelPage.h"
#include "ui/pages/controller/ControllerPage.h"
#include "ui/pages/controller/GovernorSpeedRows.h"
#include "ui/pages/general/GeneralPage.h"
#include "ui/pages/setup/SetupPage.h"
#include "ui/sheet/SheetCommands.h"
#include "ui/sheet/TextFormCommands.h"
#include "ui/texts/Dialogs.h"
#include "ui/window/EditUndoStack.h"
#include "ui/window/LanguagePrompt.h"
#include "ui/window/RecentFilesMenu.h"
#include "ui/window/UnitStateLabel.h"
#include "ui/window/ValueEditor.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace rv {

MainWindow::MainWindow(const QString& fileToOpen, QWidget* parent)
    : QMainWindow(parent), port_(std::make_unique<SerialLink>()) {
    setObjectName(QStringLiteral("RVMain"));
    port_->setDeviceLookup(portDevice);
    setAcceptDrops(true);
    readStartSettings();
    buildWindow();
    buildMenus();
    startUp(fileToOpen);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    tabStrip_ = new QTabBar(central);
    tabStrip_->setObjectName(QStringLiteral("TabStrip"));
    for (int tab = 0; tab < 4; ++tab) {
        tabStrip_->addTab(QString());
    }
    layout->addWidget(tabStrip_);

    pages_ = new QStackedWidget(central);
    // The window opens on the first page; the others follow the first paint.
    generalPage_ = new GeneralPage(document_, pages_);
    pages_->addWidget(generalPage_);
    layout->addWidget(pages_, 1);
    connect(tabStrip_, &QTabBar::currentChanged, this, [this](int index) { selectTab(index + 1); });
    centralLayout_ = layout;

    auto* buttons = new QHBoxLayout;
    sendButton_ = new QPushButton(central);
    sendButton_->setObjectName(QStringLiteral("cbDownload"));
    storeButton_ = new QPushButton(central);
    storeButton_->setObjectName(QStringLiteral("cbFlash"));
    buttons->addWidget(sendButton_);
    buttons->addWidget(storeButton_);
    layout->addLayout(buttons);
    setCentralWidget(central);

    transferStatus_ = new QLabel(this);
    transferStatus_->setObjectName(QStringLiteral("TransferStatus"));
    statusBar()->addWidget(transferStatus_, 1);

    files_ = new FileCommands(
        document_, [this](const Setup& loaded) { adoptSetup(loaded); }, texts_, fileFilter_,
        generalPage_->comment(), this);
    connect(files_, &FileCommands::currentFileChanged, this, &MainWindow::updateCaption);
    EditUndoStack::WindowHooks hooks;
    hooks.showSetup = [this] {
        showSetup();
        if (channelPage_ != nullptr) {
            channelPage_->clearPresetButtons(); // a tick says the channels are that preset's
        }
        if (valueEditor_ != nullptr && valueEditor_->isVisible()) {
            valueEditor_->refresh(); // its box shows the byte the undo put back
        }
    };
    hooks.currentPage = [this] { return tabStrip_->currentIndex() + 1; };
    hooks.showPage = [this](int tab) {
        if (tab != tabStrip_->currentIndex() + 1) {
            selectTab(tab);
        }
    };
    edits_ = new EditUndoStack(document_, std::move(hooks), this);
    edits_->takeUndoKeysFrom(generalPage_->comment());
    edits_->takeUndoKeysFromFieldsIn(generalPage_->curveDisplay()->pointRow());

    // A completed transfer collects into the setup: nothing the pilot edited.
    device_ = new DeviceCommands(document_.writable(), *port_, texts_, this, this);
    compare_ = new CompareCommands(document_.setup(), *files_, device_->history(), texts_,
                                   fileFilter_, this);
    statusBar()->addPermanentWidget(new UnitStateLabel(*device_, document_, this));
    connect(sendButton_, &QPushButton::clicked, device_, &DeviceCommands::sendToUnit);
    connect(storeButton_, &QPushButton::clicked, device_, &DeviceCommands::storeInUnit);
    connect(device_, &DeviceCommands::statusChanged, transferStatus_, &QLabel::setText);
    connect(device_, &DeviceCommands::busyChanged, this, [this](bool busy) {
        if (busy) {
            return;
        }
        // The closing words stay a few seconds, unless another command replaced them.
        const QString shown = transferStatus_->text();
        QTimer::singleShot(6000, transferStatus_, [this, shown] {
            if (transferStatus_->text() == shown) {
                transferStatus_->clear();
            }
        });
    });
    connect(device_, &DeviceCommands::finished, this, [this] {
        if (closeAfterCommand_) {
            closeAfterCommand_ = false;
            close();
        }
    });

    // The pages can be changed from the keyboard wherever the focus is.
    const std::pair<QKeySequence, int> pageKeys[] = {{QKeySequence(QKeySequence::NextChild), 1},
                                                     {QKeySequence(QKeySequence::PreviousChild), 3},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_PageUp), 3}};
    for (const auto& [keys, step] : pageKeys) {
        auto* shortcut = new QShortcut(keys, this);
        const int forward = step;
        connect(shortcut, &QShortcut::activated, this, [this, forward] {
            tabStrip_->setCurrentIndex((tabStrip_->currentIndex() + forward) % 4);
        });
    }

    auto* serviceShortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")), this);
    connect(serviceShortcut, &QShortcut::activated, this, &MainWindow::showValueEditor);
}

void MainWindow::buildLatePages() {
    if (setupPage_ != nullptr) {
        return;
    }
    setupPage_ = new SetupPage(document_, pages_);
    channelPage_ = new ChannelPage(document_, pages_);
    speedRows_ = new GovernorSpeedRows(document_);
    controllerPage_ = new ControllerPage(document_, speedRows_, pages_);
    generalPage_->setSpeedFrame(controllerPage_->speedFrame());
    for (QWidget* page : {static_cast<QWidget*>(setupPage_), static_cast<QWidget*>(channelPage_),
                          static_cast<QWidget*>(controllerPage_)}) {
        pages_->addWidget(page);
    }
    connect(setupPage_, &SetupPage::phaseChannelsEnabled, channelPage_,
            &ChannelPage::setPhaseOptionsEnabled);

    valueEditor_ = new ValueEditor(document_.writable(), centralWidget());
    valueEditor_->hide();
    edits_->takeUndoKeysFromFieldsIn(valueEditor_);
    // A slider shows the byte written, and keeps it as written.
    connect(valueEditor_, &ValueEditor::byteWritten, this, [this] {
        document_.noteChanged(SetupChange::Field);
        showSetup();
    });
    centralLayout_->insertWidget(centralLayout_->indexOf(pages_) + 1, valueEditor_);
    // Widgets join the end of the Tab order when they are made: the device
    // buttons go back behind everything above them (Qt orders focusable ones only).
    QWidget* last = previousInFocusChain();
    while (last != this && last->focusPolicy() == Qt::NoFocus) {
        last = last->previousInFocusChain();
    }
    QWidget::setTabOrder(last, sendButton_);
    QWidget::setTabOrder(sendButton_, storeButton_);

    ports_ = new PortSelection(document_, *port_, setupPage_->portBox(), this);
    if (isVisible() && windowState() == Qt::WindowNoState) {
        // The window took its size from the first page: should a later page
        // want more, it grows now, within two thirds of the screen as show() does.
        const QSize screenShare = screen()->availableSize() * 2 / 3;
        resize(size().expandedTo(sizeHint().boundedTo(screenShare)));
    }
    if (setupAdopted_) {
        showSetup();
        ports_->fill();
    }
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Paint && !latePagesQueued_) {
        latePagesQueued_ = true;
        // Queued: it runs once this paint has reached the screen.
        QMetaObject::invokeMethod(this, &MainWindow::buildLatePages, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void MainWindow::readStartSettings() {
    const StartupSettings settings = readStartupSettings();
    port_->setPortNumber(settings.portNumber);
    // A first start opens a copy of the shipped neutral setup that the pilot can save.
    const StartupFile startFile = startupParameterFile(settings.lastFile);
    document_.edit(SetupChange::Bookkeeping,
                   [&startFile](Setup& setup) { setup.currentFileName = startFile.path; });
    if (startFile.remember) {
        SettingsStore::write(QStringLiteral("LastFile"), startFile.path);
    }
    language_ = settings.language;
    if (language_ == LanguageNotChosen) {
        // A first start insists on one of the three languages.
        std::optional<int> chosen;
        while (!(chosen = askLanguage(this, false))) {
        }
        language_ = *chosen;
    }
    SettingsStore::write(QStringLiteral("Language"), QString::number(language_));
    // Message-box buttons, file dialogs and the program's own texts speak the chosen language.
    translation_ = std::make_unique<ProgramTranslation>(language_);
}

void MainWindow::startUp(const QString& fileToOpen) {
    retranslate();

    // A file named on the command line opens as File → Open would open it;
    // refused, the window goes on as a start without it does.
    if (fileToOpen.isEmpty() || !files_->openChosenFile(fileToOpen)) {
        files_->loadCurrentFile();
    }
    edits_->start(); // also when the file could not be loaded
    updateCaption();

    {
        const QSignalBlocker block(tabStrip_);
        tabStrip_->setCurrentIndex(0);
    }
    pages_->setCurrentIndex(0);
}

void MainWindow::updateCaption() {
    setWindowTitle(
        windowCaption(texts_.programName, texts_.versionCaption, setup().currentFileName));
}

void MainWindow::selectTab(int tab) {
    if (tab < 1 || tab > 4) {
        return;
    }
    buildLatePages();
    if (tab == 1 || tab == 4) {
        generalPage_->showCurves();
    }
    if (tabStrip_->currentIndex() != tab - 1) {
        const QSignalBlocker block(tabStrip_);
        tabStrip_->setCurrentIndex(tab - 1);
    }
    pages_->setCurrentIndex(tab - 1);
    // Qt hands the focus of the hidden page to the first control of the new
    // one, which on the first page is the curve: arrow keys meant for a slider
    // would then bend it unseen. The tab strip takes it instead.
    if (QWidget* focus = QApplication::focusWidget();
        focus != nullptr && pages_->isAncestorOf(focus)) {
        tabStrip_->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::chooseLanguage() {
    const std::optional<int> chosen = askLanguage(this, true);
    if (!chosen) {
        return; // cancelled, or not 1, 2 or 3: the language stays and nothing is stored
    }
    language_ = *chosen;
    SettingsStore::write(QStringLiteral("Language"), QString::number(language_));
    // Installing the translations tells every window to retranslate; they do it now.
    translation_.reset();
    translation_ = std::make_unique<ProgramTranslation>(language_);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void MainWindow::closeWindow() {
    close();
}

void MainWindow::showValueEditor() {
    buildLatePages();
    valueEditor_->show();
    valueEditor_->setFocus();
}

bool MainWindow::confirmDiscard() {
    if (files_->hasUnsavedChanges()) {
        // Enter keeps the window and its edits; quitting takes a deliberate Yes.
        return MessageBox::askYesNo(this, texts_.quitUnsavedQuestion, QMessageBox::Critical,
                                    QMessageBox::No, files_->changesFromFile());
    }
    return true;
}

void MainWindow::adoptSetup(const Setup& loaded) {
    document_.replace(loaded);
    setupAdopted_ = true;
    showSetup();
    if (ports_ != nullptr) {
        ports_->fill();
    }
    edits_->start(); // an opened file starts a fresh history
}

void MainWindow::showSetup() {
    const Setup& shown = document_.setup();
    generalPage_->showSetup(shown);
    if (setupPage_ == nullptr) {
        return; // the later pages show it when they are built
    }
    setupPage_->showSetup(shown);
    channelPage_->showSetup(shown);
    controllerPage_->showSetup(shown);
    speedRows_->showSetup(shown);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (device_->isBusy()) {
        // Never tear the window down under a running transfer: close when it ends.
        closeAfterCommand_ = true;
        event->ignore();
        return;
    }
    if (!confirmDiscard()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace rv
