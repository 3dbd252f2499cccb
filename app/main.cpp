// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ApplicationSetup.h"
#include "ui/window/MainWindow.h"
#include "ui/window/StartupArguments.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// Without a display Qt would abort with a platform-plugin error; say it plainly instead.
bool hasDisplay() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}
} // namespace

int main(int argc, char* argv[]) {
    const rv::StartupArguments arguments = rv::readCommandLine(argc, argv);
    switch (arguments.outcome) {
    case rv::StartupArguments::Outcome::Answer:
        std::fputs(arguments.text.toLocal8Bit().constData(), stdout);
        return 0;
    case rv::StartupArguments::Outcome::Refuse:
        std::fputs(arguments.text.toLocal8Bit().constData(), stderr);
        return 2;
    case rv::StartupArguments::Outcome::Start:
        break;
    }
    if (!hasDisplay()) {
        std::fputs("Rotavionix Control needs a graphical desktop, and this session has no display "
                   "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    rv::setUpApplication();

    rv::MainWindow window(arguments.fileToOpen);
    window.show();
    return QApplication::exec();
}
