// SPDX-License-Identifier: GPL-3.0-or-later
// Times complete transfers to a pseudo-terminal standing in for the unit and
// prints: the total time against the 1.7 s the pauses alone take, the
// shortest and longest silence after a block end as the receiver sees it, and
// the longest time the window went without processing events.

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/link/PortDevices.h"
#include "core/link/SerialLink.h"
#include "core/model/Setup.h"
#include "ui/device/DeviceCommands.h"
#include "ui/texts/Dialogs.h"
#include "ui/texts/MessageTexts.h"

// Benchmarks do not link the test support library; the receiver is built in.
#include "../tests/support/link_PseudoTerminal.cpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <variant>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    rv::MessageBox::setTestMode(true);

    // The neutral setup as the window holds it once loaded: the unit accepts
    // it as it is, so no range question holds the transfer up.
    rv::Setup set =
        std::get<rv::Setup>(rv::applyRecord(rv::Setup{}, rv::encodeRecord(rv::neutralSetup())));
    for (char letter : rv::CurveSet::SendOrder) {
        set.curves.byLetter(letter) = rv::Curve{0, 20, -1, 60, 80, 100, 120, -1, -1, 180, 200};
    }
    const rv::MessageTexts texts;
    constexpr int Runs = 5;
    constexpr double ProtocolFloorMs = 17 * 100.0;

    std::printf("%-4s %10s %10s %12s %12s %14s\n", "run", "total ms", "over ms", "min pause",
                "max pause", "max UI gap ms");
    double worstGap = 0;
    double minPauseAll = 1e9;
    for (int run = 1; run <= Runs; ++run) {
        rv::test::PseudoTerminal pty;
        rv::test::namePortDevice(1, pty.slavePath());
        rv::SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        rv::DeviceCommands commands(set, link, texts, nullptr);
        // The benchmark leaves no history behind in the user's data folder.
        commands.setHistoryFolder(settingsDir.filePath(QStringLiteral("sent")));

        // A 1 ms precise timer: the longest interval between its ticks is the
        // longest time the window could not react.
        QElapsedTimer tick;
        double longestGap = 0;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        probe.setInterval(1);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, tick.nsecsElapsed() / 1e6);
            tick.restart();
        });

        rv::MessageBox::setNextAnswer(QMessageBox::Yes);
        QElapsedTimer clock;
        clock.start();
        tick.start();
        probe.start();
        QEventLoop ended;
        QObject::connect(&commands, &rv::DeviceCommands::finished, &ended, &QEventLoop::quit);
        commands.sendToUnit();
        if (commands.isBusy()) {
            ended.exec();
        }
        const double total = clock.nsecsElapsed() / 1e6;
        probe.stop();

        pty.waitForBytes(1, 100);
        const QList<double> pauses = pty.pausesAfter('E');
        const auto [minPause, maxPause] = std::minmax_element(pauses.begin(), pauses.end());
        const bool ok = !pauses.isEmpty() && rv::MessageBox::history().size() == run;
        std::printf("%-4d %10.1f %10.1f %12.2f %12.2f %14.2f%s\n", run, total,
                    total - ProtocolFloorMs, ok ? *minPause : -1.0, ok ? *maxPause : -1.0,
                    longestGap, ok ? "" : "  FAILED");
        if (!ok && !rv::MessageBox::history().isEmpty()) {
            const auto& last = rv::MessageBox::history().last();
            std::printf("     %s %s\n", qPrintable(last.text), qPrintable(last.detail));
        }
        worstGap = std::max(worstGap, longestGap);
        if (ok) {
            minPauseAll = std::min(minPauseAll, *minPause);
        }
    }
    std::printf("shortest pause after a block end: %.2f ms (must be >= 100)\n", minPauseAll);
    std::printf("longest time without event processing: %.2f ms\n", worstGap);
    return 0;
}
