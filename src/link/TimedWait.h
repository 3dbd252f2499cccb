#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>

namespace rv {

// The Timed wait that paces the transfer: Timer1 is restarted for every wait
// and the caller waits until its next tick while the window keeps processing
// events (paint, clicks, even a second command). A wait never ends before its
// time unless it is interrupted because the command behind it has failed.
class TimedWait : public QObject {
    Q_OBJECT
public:
    explicit TimedWait(QObject* parent = nullptr);

    // True when the full time has passed, false when interrupt() ended it.
    bool wait(int milliseconds);
    // Ends every wait running now; waits started later are not affected.
    void interrupt();

    bool timerElapsed() const { return TimerElapsed; }
    const QTimer& timer() const { return Timer1; }

private:
    QTimer Timer1;
    bool TimerElapsed = false;
    std::uint64_t interruptions_ = 0;
};

} // namespace rv
