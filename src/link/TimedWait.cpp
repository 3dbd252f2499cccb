#include "link/TimedWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace rv {

TimedWait::TimedWait(QObject* parent) : QObject(parent) {
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setTimerType(Qt::PreciseTimer);
    // The timer keeps running after a wait; later ticks only set the flag.
    connect(&Timer1, &QTimer::timeout, this, [this] { TimerElapsed = true; });
}

bool TimedWait::wait(int milliseconds) {
    const std::uint64_t interruptedBefore = interruptions_;
    QElapsedTimer clock;
    clock.start();
    Timer1.stop();
    TimerElapsed = false;
    Timer1.setInterval(milliseconds);
    Timer1.start();
    // The clock guards against a tick that comes early or belongs to a nested
    // wait that restarted the timer with a shorter interval.
    while (!TimerElapsed || clock.elapsed() < milliseconds) {
        if (interruptions_ != interruptedBefore) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void TimedWait::interrupt() {
    ++interruptions_;
}

} // namespace rv
