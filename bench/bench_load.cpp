// SPDX-License-Identifier: GPL-3.0-or-later
// Load-and-apply time of a parameter file: read the record, copy the
// reference and run every control through its change handling.
#include "ui/window/MainWindow.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterFile.h"
#include "core/format/ParameterRecord.h"
#include "ui/document/FileCommands.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QDir::setCurrent(dir.path());
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VORANE"),
                       QStringLiteral("Rotavionix Control"));
    settings.setValue(QStringLiteral("Startup/ComPort"), QStringLiteral("1"));
    settings.setValue(QStringLiteral("Startup/LastFile"), QStringLiteral("a.rvc"));
    settings.setValue(QStringLiteral("Startup/Language"), QStringLiteral("1"));
    settings.sync();

    // Two files that differ in every control, loaded in turn, so every load moves them all.
    rv::Setup first = rv::neutralSetup();
    rv::Setup second = rv::neutralSetup();
    for (int i :
         {8, 9, 10, 11, 14, 15, 16, 17, 19, 20, 21, 22, 24, 25, 26, 27, 28, 30, 33, 34, 43, 45}) {
        second.image.set(i, 40);
    }
    second.image.set(40, 0);
    second.image.set(50, 4);
    second.image.set(53, 2);
    rv::writeParameterFile(dir.path() + QStringLiteral("/a.rvc"), first, nullptr);
    rv::writeParameterFile(dir.path() + QStringLiteral("/b.rvc"), second, nullptr);

    rv::MainWindow window;
    window.show();
    window.buildLatePages(); // every page takes part in a load
    QApplication::processEvents();
    const int rounds = argc >= 2 ? std::atoi(argv[1]) : 400;
    QList<double> micros;
    QElapsedTimer clock;
    for (int round = 0; round < rounds; ++round) {
        window.setup().currentFileName =
            dir.path() + (round % 2 ? QStringLiteral("/a.rvc") : QStringLiteral("/b.rvc"));
        clock.start();
        window.fileCommands().loadCurrentFile();
        micros << clock.nsecsElapsed() / 1000.0;
    }
    std::sort(micros.begin(), micros.end());
    std::printf("load and apply a parameter file (%d loads, every control changing):\n", rounds);
    std::printf("  median %.3f ms, 95th percentile %.3f ms, worst %.3f ms (target < 5 ms)\n",
                micros.at(rounds / 2) / 1000.0, micros.at(rounds * 95 / 100) / 1000.0,
                micros.last() / 1000.0);
    window.setup().changed = false;
    return 0;
}
