// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window/MainWindow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A clean place for one main window under test: its own settings file and
// working directory, every dialog answered by the test, help documents caught.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    QString dir() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
    QString iniPath() const;

    // Writes the [Startup] values; an empty value is left out.
    void writeSettings(const QString& comPort, const QString& lastFile, const QString& language);
    QString setting(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    // Creates the window (its start-up runs now), every page built;
    // fileToOpen as given on the command line.
    rv::MainWindow& start(const QString& fileToOpen = QString());
    // Creates and shows the window as the program does: the pages it does not
    // open on are built by the window itself after its first paint.
    rv::MainWindow& launch(const QString& fileToOpen = QString());
    // Starts with record as Default.rvc, port 1 and the language given (English unless told).
    rv::MainWindow& startWith(const QByteArray& record,
                              const QString& language = QStringLiteral("1"));
    // File → Open with the dialog answered by the file `name` here.
    void openFile(const QString& name);
    rv::MainWindow& window() { return *window_; }
    void stop();

    QStringList openedDocuments;

private:
    QTemporaryDir dir_;
    QString previousDir_;
    QList<QPair<const char*, QByteArray>> previousEnvironment_;
    std::unique_ptr<rv::MainWindow> window_;
};
