// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ApplicationSetup.h"
#include "ui/window/MainWindow.h"
#include "ui/window/StartupArguments.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    const rv::StartupArguments arguments = rv::readCommandLine(argc, argv);
    switch (arguments.outcome) {
    case rv::StartupArguments::Outcome::Answer:
        std::fputs(arguments.text.toLocal8Bit().constData(), stdout);
        return 0;
    case rv::StartupArguments::Outcome::Refuse:
        std::fputs(arguments.text.toLocal8Bit().constData(), stderr);
        return 2;
    case rv::StartupArguments::Outcome::NoDisplay:
        std::fputs(arguments.text.toLocal8Bit().constData(), stderr);
        return 1;
    case rv::StartupArguments::Outcome::Start:
        break;
    }
    QApplication app(argc, argv);
    rv::setUpApplication();

    rv::MainWindow window(arguments.fileToOpen);
    window.show();
    return QApplication::exec();
}
