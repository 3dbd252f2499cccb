// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/BlockSender.h"

#include "core/link/SerialLink.h"

namespace rv {

namespace {
// How often a draining line is looked at; a block drains in a few ms.
constexpr int DrainPollMs = 1;
} // namespace

BlockSender::BlockSender(SerialLink& port, QObject* parent) : QObject(parent), port_(port) {
    drainPoll_.setTimerType(Qt::PreciseTimer);
    drainPoll_.setSingleShot(true);
    connect(&drainPoll_, &QTimer::timeout, this, &BlockSender::pollDrain);
    pause_.setObjectName(QStringLiteral("Timer1"));
    pause_.setTimerType(Qt::PreciseTimer);
    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, &BlockSender::pauseEnded);
    // A broken link ends the run at once instead of at the next step.
    connect(&port_, &SerialLink::failed, this, [this] {
        if (isRunning()) {
            fail();
        }
    });
}

void BlockSender::start(int blockCount, BlockText text, int pauseMs) {
    text_ = std::move(text);
    total_ = blockCount;
    sent_ = 0;
    pauseMs_ = pauseMs;
    error_.clear();
    session_ = port_.session();
    step_ = Step::Pausing; // running; the first block goes out from the event loop
    if (!port_.isOpen()) {
        // Reported from the event loop too, so a caller always hears after start() returned.
        QTimer::singleShot(0, this, &BlockSender::fail);
        return;
    }
    QTimer::singleShot(0, this, &BlockSender::writeNext);
}

bool BlockSender::ownsPort() const {
    return port_.isOpen() && port_.session() == session_;
}

void BlockSender::writeNext() {
    if (!isRunning()) {
        return;
    }
    if (sent_ == total_) {
        step_ = Step::Idle;
        Q_EMIT finished(true);
        return;
    }
    if (!ownsPort() || !port_.write(text_(sent_))) {
        return fail();
    }
    step_ = Step::Draining;
    drainClock_.start();
    pollDrain();
}

void BlockSender::pollDrain() {
    if (step_ != Step::Draining && step_ != Step::Settling) {
        return;
    }
    if (!ownsPort()) {
        return fail();
    }
    switch (port_.drainStep()) {
    case SerialLink::DrainStep::Failed:
        return fail();
    case SerialLink::DrainStep::Settle:
        step_ = Step::Settling;
        drainPoll_.start(SerialLink::FifoSettleMs);
        return;
    case SerialLink::DrainStep::Busy:
        if (drainClock_.hasExpired(SerialLink::DrainTimeoutMs)) {
            port_.giveUpDraining();
            return fail();
        }
        drainPoll_.start(DrainPollMs);
        return;
    case SerialLink::DrainStep::Drained:
        break;
    }
    ++sent_;
    step_ = Step::Pausing;
    pauseClock_.start();
    pause_.start(pauseMs_);
    Q_EMIT blockSent(sent_, total_);
}

void BlockSender::pauseEnded() {
    if (step_ != Step::Pausing) {
        return;
    }
    // A precise timer may still fire a little early; the unit needs the full pause.
    const qint64 left = pauseMs_ - pauseClock_.elapsed();
    if (left > 0) {
        pause_.start(static_cast<int>(left));
        return;
    }
    writeNext();
}

void BlockSender::fail() {
    if (!isRunning()) {
        return;
    }
    drainPoll_.stop();
    pause_.stop();
    step_ = Step::Idle;
    error_ = port_.errorString();
    Q_EMIT finished(false);
}

} // namespace rv
