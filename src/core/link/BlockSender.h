// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace rv {

class SerialLink;

// Sends blocks over an open serial link, each followed by a pause that starts
// once the line has drained, so the unit sees the full silence after every
// block end. Driven by timers from the event loop: start() returns at once and
// the window stays live without any nested loop. The text of a block is asked
// for only when it is due, so that an edit made during the transfer goes out
// in the blocks not yet sent.
class BlockSender : public QObject {
    Q_OBJECT
public:
    using BlockText = std::function<QByteArray(int block)>;

    explicit BlockSender(SerialLink& port, QObject* parent = nullptr);

    // The port must be open; its session is the one this run may use.
    void start(int blockCount, BlockText text, int pauseMs);
    bool isRunning() const { return step_ != Step::Idle; }
    // Blocks that have been written and drained in the current or last run.
    int blocksSent() const { return sent_; }
    // Why the last run failed.
    QString errorString() const { return error_; }

Q_SIGNALS:
    // A block has left for the unit; its pause begins now.
    void blockSent(int done, int total);
    // The last pause has ended (ok) or the run broke off (see errorString()).
    void finished(bool ok);

private:
    enum class Step { Idle, Draining, Settling, Pausing };

    void writeNext();
    void pollDrain();
    void pauseEnded();
    void fail();
    bool ownsPort() const;

    SerialLink& port_;
    BlockText text_;
    int total_ = 0;
    int sent_ = 0;
    int pauseMs_ = 0;
    std::uint64_t session_ = 0;
    Step step_ = Step::Idle;
    QString error_;
    QTimer drainPoll_;
    QTimer pause_;
    QElapsedTimer drainClock_;
    QElapsedTimer pauseClock_;
};

} // namespace rv
