// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a pilot meets it: from launching the program's executable, with
// Default.rvc in the working directory, to the X server's first report that its
// window was painted, and the peak memory; each as a ratio to a bare Qt window
// (bench_bare_window) started the same way. The targets: the time at most 1.15
// times that of the stock copy of the first page, the memory at most 1.4 times
// that of the empty window. Every kind is a fresh process on
// an X server (Xvfb) that this launcher starts; it watches the server itself
// through the DAMAGE extension, so no child measures anything.
//
//   bench_startup [STARTS] [PROGRAM]
//
// STARTS of each kind (default 15, at least 9), alternating the program, the
// bare window, the bare window with one label (what the first text on screen
// costs by itself) and the bare window holding stock Qt widgets laid out like
// the program's first page (what showing those controls costs by itself,
// without any of the program's code); PROGRAM defaults to the rotavionix-control built
// beside the benchmarks. RV_BENCH_VERBOSE=1 prints every start.
#include "core/format/NeutralSetup.h"
#include "core/format/ParameterFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "StartupWatch.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace rv::bench;

struct Spread {
    double median, min, max;
};

Spread spreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    const double median =
        values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

// The children's environment: the launcher's own, on the X server given, with
// a settings store of their own in which the language is already chosen.
std::vector<std::string> childEnvironment(const std::string& display, const QString& scratch) {
    const std::set<std::string> replaced = {"DISPLAY",         "QT_QPA_PLATFORM", "XDG_CONFIG_HOME",
                                            "XDG_RUNTIME_DIR", "WAYLAND_DISPLAY", "XAUTHORITY"};
    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string entry(*variable);
        if (replaced.count(entry.substr(0, entry.find('='))) == 0) {
            environment.push_back(entry);
        }
    }
    environment.push_back("DISPLAY=" + display);
    environment.push_back("QT_QPA_PLATFORM=xcb");
    environment.push_back("XDG_CONFIG_HOME=" + (scratch + QStringLiteral("/config")).toStdString());
    environment.push_back("XDG_RUNTIME_DIR=" +
                          (scratch + QStringLiteral("/runtime")).toStdString());
    return environment;
}

void prepareScratch(const QString& scratch) {
    QDir().mkpath(scratch + QStringLiteral("/config/VORANE"));
    QDir().mkpath(scratch + QStringLiteral("/runtime"));
    QFile::setPermissions(scratch + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSettings settings(scratch + QStringLiteral("/config/VORANE/Rotavionix Control.ini"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Startup/ComPort"), QStringLiteral("1"));
    settings.setValue(QStringLiteral("Startup/LastFile"), QStringLiteral("Default.rvc"));
    settings.setValue(QStringLiteral("Startup/Language"), QStringLiteral("1"));
    settings.sync();
    if (!rv::writeParameterFile(scratch + QStringLiteral("/Default.rvc"), rv::neutralSetup(),
                                nullptr)) {
        fail("cannot write Default.rvc");
    }
}

int measureStartup() {
    const QString benchDirectory = QCoreApplication::applicationDirPath();
    int starts = 15;
    QString program =
        QFileInfo(benchDirectory + QStringLiteral("/../rotavionix-control")).canonicalFilePath();
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        bool number = false;
        const int value = argument.toInt(&number);
        if (number) {
            starts = value;
        } else {
            program = QFileInfo(argument).absoluteFilePath();
        }
    }
    if (starts < 9) {
        fail("at least 9 starts of each kind");
    }
    const QString bare = benchDirectory + QStringLiteral("/bench_bare_window");
    if (!QFileInfo(program).isExecutable() || !QFileInfo(bare).isExecutable()) {
        fail("program or bench_bare_window not found: " + program.toStdString());
    }
    const bool verbose = qEnvironmentVariableIsSet("RV_BENCH_VERBOSE");

    QTemporaryDir scratch;
    prepareScratch(scratch.path());
    VirtualXServer server(scratch.path().toStdString() + "/xvfb.log");
    PaintWatcher watcher(server.display());
    const std::vector<std::string> environment = childEnvironment(server.display(), scratch.path());
    const std::string directory = scratch.path().toStdString();

    // The program, the bare window, the bare window with one label, and the
    // bare window with the stock copy of the first page.
    constexpr int Kinds = 4;
    std::vector<double> time[Kinds], memory[Kinds];
    Start first[Kinds];
    // One start of each kind first, uncounted: it fills the file cache, and
    // tells the size of the program's window, which the bare windows then take.
    for (int round = -1; round < starts; ++round) {
        for (int kind = 0; kind < Kinds; ++kind) {
            std::vector<std::string> arguments{program.toStdString()};
            if (kind > 0) {
                arguments = {bare.toStdString(), "--size",
                             std::to_string(first[0].width) + "x" +
                                 std::to_string(first[0].height)};
            }
            if (kind == 2) {
                arguments.emplace_back("--label");
            } else if (kind == 3) {
                arguments.emplace_back("--stock-page");
            }
            const Start start = watcher.measure(arguments, environment, directory);
            if (round < 0) {
                first[kind] = start;
                continue;
            }
            time[kind].push_back(start.paintedMs);
            memory[kind].push_back(start.peakMiB);
            if (verbose) {
                static const char* const names[Kinds] = {"program", "bare", "label", "stock"};
                std::printf("%-8s mapped %6.1f ms  painted %6.1f ms  %4d x %-4d  %5.1f MiB\n",
                            names[kind], start.mappedMs, start.paintedMs, start.width, start.height,
                            start.peakMiB);
            }
        }
    }

    Spread timeOf[Kinds], memoryOf[Kinds];
    for (int kind = 0; kind < Kinds; ++kind) {
        timeOf[kind] = spreadOf(time[kind]);
        memoryOf[kind] = spreadOf(memory[kind]);
    }
    std::printf("start-up on Xvfb (%s), launch to the X server's first damage report of the "
                "window, %d starts of each kind, alternating:\n",
                server.display().c_str(), starts);
    std::printf("  program     %s\n              window \"%s\", %d x %d px\n",
                program.toLocal8Bit().constData(), first[0].title.c_str(), first[0].width,
                first[0].height);
    std::printf("  bare window %s, %d x %d px\n", bare.toLocal8Bit().constData(), first[1].width,
                first[1].height);
    const auto row = [&](const char* name, int kind) {
        std::printf("  %-11s %6.1f ms (min %6.1f, max %6.1f)   peak RSS %5.1f MiB (min %5.1f, "
                    "max %5.1f)   ratio %.2f, %.2f\n",
                    name, timeOf[kind].median, timeOf[kind].min, timeOf[kind].max,
                    memoryOf[kind].median, memoryOf[kind].min, memoryOf[kind].max,
                    timeOf[kind].median / timeOf[1].median,
                    memoryOf[kind].median / memoryOf[1].median);
    };
    row("program", 0);
    row("bare window", 1);
    row("one label", 2);
    row("stock page", 3);
    // The time is held against the stock copy of the first page, which shows the
    // same controls with none of the program's code; the memory against the bare window.
    const double timeToStock = timeOf[0].median / timeOf[3].median;
    const double memoryToBare = memoryOf[0].median / memoryOf[1].median;
    std::printf("  program to stock page, time %.3f (target <= 1.15: %s); program to bare window, "
                "memory %.3f (target <= 1.4: %s)\n",
                timeToStock, timeToStock <= 1.15 ? "met" : "NOT MET", memoryToBare,
                memoryToBare <= 1.4 ? "met" : "NOT MET");
    std::printf("  the bare window with one line of text alone: time %.2f, memory %.2f\n",
                timeOf[2].median / timeOf[1].median, memoryOf[2].median / memoryOf[1].median);
    std::printf("  stock Qt widgets like the first page, none of the program's code: time %.2f, "
                "memory %.2f\n",
                timeOf[3].median / timeOf[1].median, memoryOf[3].median / memoryOf[1].median);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    try {
        return measureStartup();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
}
