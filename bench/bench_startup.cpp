// Start-up to the first painted window, and peak memory, of the program with
// a parameter file loaded, each as a ratio to a bare Qt window started the
// same way in the same run. Runs each kind several times as child processes
// on the platform QT_QPA_PLATFORM names (offscreen when unset) and prints
// medians. scripts/bench.sh runs it on an X server (Xvfb), as on a desktop,
// and on the offscreen platform, which has next to no cost of its own.
#include "ui/ApplicationSetup.h"
#include "ui/RVMain.h"

#include "files/NeutralSetup.h"
#include "files/ParameterFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

long peakRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Reports when the window has painted for the first time (the launcher stops
// its clock on that line), then, once the start-up has settled and work put
// off until after the first paint has run, the peak memory, and quits.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QMetaObject::invokeMethod(
                qApp,
                [this] {
                    std::printf("%lld\n", static_cast<long long>(clock_.nsecsElapsed() / 1000));
                    std::fflush(stdout);
                    QTimer::singleShot(20, qApp, [] {
                        std::printf("%ld\n", peakRssKb());
                        std::fflush(stdout);
                        QApplication::quit();
                    });
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    bool done_ = false;
};

int child(int argc, char* argv[], const QByteArray& kind) {
    const bool full = kind == "full";
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const qint64 applicationReady = clock.nsecsElapsed() / 1000;
    std::unique_ptr<QMainWindow> window;
    if (full) {
        rv::setUpApplication(); // as the program's main() does
        window = std::make_unique<rv::RVMain>();
    } else {
        window = std::make_unique<QMainWindow>();
        window->resize(760, 580);
        if (kind == "label") {
            // The smallest window that shows text, so pays for the font system.
            window->setCentralWidget(new QLabel(QStringLiteral("Rotavionix Control")));
        }
    }
    if (qEnvironmentVariableIsSet("RV_BENCH_STAGES")) {
        std::fprintf(stderr, "application %lld us, window built %lld us\n",
                     static_cast<long long>(applicationReady),
                     static_cast<long long>(clock.nsecsElapsed() / 1000));
    }
    FirstPaint watcher(clock);
    window->installEventFilter(&watcher);
    window->show();
    return QApplication::exec();
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        return child(argc, argv, QByteArray(argv[2]));
    }
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? QByteArray(argv[1]).toInt() : 10;

    // A settings store and working directory of its own, with a file to load.
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/config/VORANE"));
    QSettings settings(dir.path() + QStringLiteral("/config/VORANE/Rotavionix Control.ini"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Startup/ComPort"), QStringLiteral("1"));
    settings.setValue(QStringLiteral("Startup/LastFile"), QStringLiteral("Default.rvc"));
    settings.setValue(QStringLiteral("Startup/Language"), QStringLiteral("1"));
    settings.sync();
    rv::writeParameterFile(dir.path() + QStringLiteral("/Default.rvc"), rv::neutralSetup(),
                           nullptr);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    const QByteArray platform = environment.value(QStringLiteral("QT_QPA_PLATFORM")).toLocal8Bit();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path() + QStringLiteral("/config"));

    const char* kinds[] = {"bare", "label", "full"};
    QList<double> time[3], memory[3];
    for (int run = 0; run < runs; ++run) {
        for (int step = 0; step < 3; ++step) {
            // Each kind goes first as often as the others: the first launch of
            // a round tends to run slower or faster than the next two.
            const int kind = (run + step) % 3;
            // Start-up as a user sees it: from launching the program to its first paint.
            QProcess process;
            process.setProcessEnvironment(environment);
            process.setWorkingDirectory(dir.path());
            QElapsedTimer clock;
            clock.start();
            process.start(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--child"), QString::fromLatin1(kinds[kind])});
            while (!process.canReadLine() && process.waitForReadyRead(30000)) {
            }
            const double elapsedMs = clock.nsecsElapsed() / 1e6;
            bool painted = false, measured = false;
            process.readLine().trimmed().toLongLong(&painted);
            while (!process.canReadLine() && process.waitForReadyRead(30000)) {
            }
            const double peakKb = process.readLine().trimmed().toDouble(&measured);
            process.waitForFinished(30000);
            if (!painted || !measured) {
                std::fprintf(stderr, "child failed: %s\n",
                             process.readAllStandardError().constData());
                return 1;
            }
            time[kind] << elapsedMs;
            memory[kind] << peakKb / 1024.0;
        }
    }
    const double bareTime = median(time[0]), labelTime = median(time[1]),
                 fullTime = median(time[2]);
    const double bareMemory = median(memory[0]), labelMemory = median(memory[1]),
                 fullMemory = median(memory[2]);
    std::printf("start-up from launch to first paint (median of %d runs, platform %s):\n", runs,
                platform.constData());
    std::printf("  bare Qt window            %7.1f ms   peak RSS %6.1f MiB\n", bareTime,
                bareMemory);
    std::printf("  Qt window with one label  %7.1f ms   peak RSS %6.1f MiB\n", labelTime,
                labelMemory);
    std::printf("  Rotavionix Control        %7.1f ms   peak RSS %6.1f MiB  (file loaded)\n",
                fullTime, fullMemory);
    std::printf(
        "  ratio to the bare window:      time %.2f (target <= 1.5), memory %.2f (target <= 1.3)\n",
        fullTime / bareTime, fullMemory / bareMemory);
    std::printf("  ratio to the window with text: time %.2f, memory %.2f\n", fullTime / labelTime,
                fullMemory / labelMemory);
    return 0;
}
