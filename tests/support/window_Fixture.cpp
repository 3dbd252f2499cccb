// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_Fixture.h"

#include "ui/document/FileCommands.h"

#include "core/settings/SettingsStore.h"
#include "ui/texts/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QSettings>

WindowFixture::WindowFixture() : previousDir_(QDir::currentPath()) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       dir_.path() + QStringLiteral("/config"));
    QDir::setCurrent(dir_.path());
    // A first start copies the neutral setup into the documents folder: keep it in here.
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        previousEnvironment_.append({name, qgetenv(name)});
    }
    qputenv("HOME", dir_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (dir_.path() + QStringLiteral("/xdg-config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (dir_.path() + QStringLiteral("/xdg-data")).toLocal8Bit());
    rv::MessageBox::setTestMode(true);
    rv::MessageBox::clearHistory();
    rv::InputPrompt::clearHistory();
    rv::FileDialogs::clearHistory();
    rv::ListChoice::clearHistory();
    rv::PrintDialog::clearHistory();
    rv::MainWindow::setDocumentOpener([this](const QString& name) { openedDocuments << name; });
}

WindowFixture::~WindowFixture() {
    stop();
    QDir::setCurrent(previousDir_);
    for (const auto& [name, value] : previousEnvironment_) {
        qputenv(name, value);
    }
}

QString WindowFixture::iniPath() const {
    return dir_.path() + QStringLiteral("/config/VORANE/Rotavionix Control.ini");
}

void WindowFixture::writeSettings(const QString& comPort, const QString& lastFile,
                                  const QString& language) {
    auto settings = rv::SettingsStore::open();
    settings->beginGroup(QStringLiteral("Startup"));
    settings->remove(QString());
    if (!comPort.isEmpty()) {
        settings->setValue(QStringLiteral("ComPort"), comPort);
    }
    if (!lastFile.isEmpty()) {
        settings->setValue(QStringLiteral("LastFile"), lastFile);
    }
    if (!language.isEmpty()) {
        settings->setValue(QStringLiteral("Language"), language);
    }
    settings->endGroup();
    settings->sync();
}

QString WindowFixture::setting(const QString& name) const {
    return rv::SettingsStore::read(name);
}

void WindowFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

QByteArray WindowFixture::readFile(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

rv::MainWindow& WindowFixture::start(const QString& fileToOpen) {
    window_ = std::make_unique<rv::MainWindow>(fileToOpen);
    // Tests reach every control without painting the window first.
    window_->buildLatePages();
    return *window_;
}

rv::MainWindow& WindowFixture::launch(const QString& fileToOpen) {
    window_ = std::make_unique<rv::MainWindow>(fileToOpen);
    window_->show();
    return *window_;
}

void WindowFixture::stop() {
    if (window_) {
        window_->setup().changed = false;
        window_.reset();
    }
}

rv::MainWindow& WindowFixture::startWith(const QByteArray& record, const QString& language) {
    writeFile(QStringLiteral("Default.rvc"), record);
    writeSettings(QStringLiteral("1"), QStringLiteral("Default.rvc"), language);
    return start();
}

void WindowFixture::openFile(const QString& name) {
    rv::FileDialogs::setNextFileName(path(name));
    window_->fileCommands().openFile();
}
