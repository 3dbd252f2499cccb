// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/device/DeviceCommands.h"

#include "core/model/Setup.h"
#include "ui/device/RangeWarning.h"
#include "ui/texts/Dialogs.h"
#include "ui/texts/MessageTexts.h"

#include <QApplication>

#include <utility>

namespace rv {

namespace {
QString joined(const QString& status, const QString& problem) {
    return problem.isEmpty() ? status : status + QLatin1Char(' ') + problem;
}
} // namespace

// One running command: the busy pointer and busy state for its lifetime.
class DeviceCommands::Run {
public:
    explicit Run(DeviceCommands& owner) : owner_(owner) {
        if (++owner_.running_ == 1) {
            Q_EMIT owner_.busyChanged(true);
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Run() {
        restoreCursor();
        if (owner_.running_ == 1) {
            const QStringList deferred = std::exchange(owner_.deferredFailures_, {});
            for (const QString& reason : deferred) {
                owner_.showPortFail(reason);
            }
        }
        if (--owner_.running_ == 0) {
            Q_EMIT owner_.busyChanged(false);
            Q_EMIT owner_.finished();
        }
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    void restoreCursor() {
        if (cursorShown_) {
            cursorShown_ = false;
            QApplication::restoreOverrideCursor();
        }
    }

    QString reason;
    bool partial = false; // the unit may hold part of the new set

private:
    DeviceCommands& owner_;
    bool cursorShown_ = true;
};

DeviceCommands::DeviceCommands(Setup& setup, SerialLink& port, const MessageTexts& texts,
                               QWidget* dialogParent, QObject* parent)
    : QObject(parent), texts_(texts), dialogParent_(dialogParent), session_(setup, port) {
    session_.setHistory(TransferHistory());
    connect(&session_, &TransferSession::progress, this, [this](int done, int total) {
        Q_EMIT progress(done, total);
        if (done > 0 && total > 1) {
            Q_EMIT statusChanged(
                tr("Sending to the Rotavionix: block %1 of %2").arg(done).arg(total));
        }
    });
    connect(&session_, &TransferSession::ended, this, &DeviceCommands::sessionEnded);
}

DeviceCommands::~DeviceCommands() = default;

void DeviceCommands::sendToUnit() {
    transfer();
}

void DeviceCommands::storeInUnit() {
    // Asked only when no other command runs: a box shown during another
    // command's pause would hold that command up.
    if (!isBusy() && unitMayDifferFromWindow()) {
        const QMessageBox::StandardButton answer = MessageBox::choose(
            dialogParent_,
            tr("The values in the window have changed since the last transfer to the "
               "Rotavionix. Storing now keeps what the Rotavionix received, not what "
               "the window shows."),
            {{QMessageBox::Yes, tr("Send, then store")},
             {QMessageBox::No, tr("Store only")},
             {QMessageBox::Cancel, tr("Cancel")}},
            QMessageBox::Yes, QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            return;
        }
        if (answer == QMessageBox::Yes) {
            transfer([this](bool completed) {
                if (completed) {
                    store();
                }
            });
            return;
        }
    }
    store();
}

void DeviceCommands::transfer(std::function<void(bool)> then) {
    auto run = std::make_unique<Run>(*this);
    const auto give = [&then](bool completed) {
        if (then) {
            then(completed);
        }
    };
    if (!session_.takePort()) {
        run->reason = session_.errorString();
        fail(*run);
        run.reset();
        return give(false);
    }
    // The question waits for the pilot, not the program: no busy pointer over it.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool withChannels = MessageBox::askYesNo(dialogParent_, texts_.channelTableQuestion);
    QApplication::restoreOverrideCursor();
    channelTableAnswer = withChannels ? ChannelTableYes : ChannelTableNo;
    if (!confirmOutOfRangeValues(withChannels)) {
        session_.releasePort();
        Q_EMIT statusChanged(tr("Nothing was sent to the Rotavionix."));
        run.reset();
        return give(false);
    }
    active_ = std::move(run);
    afterTransfer_ = std::move(then);
    session_.startTransfer(withChannels);
}

bool DeviceCommands::confirmOutOfRangeValues(bool withChannels) {
    const QList<OutOfRangeValue> found = session_.valuesOutOfRange(withChannels);
    if (found.isEmpty()) {
        return true;
    }
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool send = MessageBox::askYesNo(dialogParent_, outOfRangeQuestion(found),
                                           QMessageBox::Warning, QMessageBox::No);
    QApplication::restoreOverrideCursor();
    return send;
}

void DeviceCommands::store() {
    auto run = std::make_unique<Run>(*this);
    if (!session_.takePort()) {
        run->reason = session_.errorString();
        return fail(*run);
    }
    active_ = std::move(run);
    session_.startStore();
    Q_EMIT statusChanged(tr("Saving the data in the Rotavionix..."));
}

void DeviceCommands::sessionEnded(const TransferSession::Outcome& outcome) {
    std::unique_ptr<Run> run = std::move(active_);
    if (outcome.store) {
        if (!outcome.completed) {
            run->reason = outcome.reason;
            return fail(*run);
        }
        // The unit never answers: that it stored anything is not known here.
        Q_EMIT statusChanged(
            joined(tr("Store command sent to the Rotavionix."), outcome.historyProblem));
        return;
    }
    const std::function<void(bool)> then = std::exchange(afterTransfer_, {});
    if (outcome.completed) {
        Q_EMIT statusChanged(
            joined(tr("All data sent to the Rotavionix."), outcome.historyProblem));
    } else {
        run->reason = outcome.reason;
        run->partial = true;
        fail(*run);
        if (!outcome.historyProblem.isEmpty()) {
            Q_EMIT statusChanged(outcome.historyProblem);
        }
    }
    Q_EMIT transferEnded();
    run.reset(); // the command has ended before what follows it starts
    if (then) {
        then(outcome.completed);
    }
}

void DeviceCommands::fail(Run& run) {
    if (run.partial) {
        run.reason +=
            QLatin1Char('\n') + tr("Only part of the data reached the Rotavionix. Send it "
                                   "again before saving it in the Rotavionix.");
    }
    run.restoreCursor();
    Q_EMIT statusChanged(QString());
    if (running_ > 1) {
        deferredFailures_.append(run.reason);
    } else {
        showPortFail(run.reason);
    }
}

void DeviceCommands::showPortFail(const QString& reason) {
    MessageBox::inform(dialogParent_, texts_.cannotOpenPort, QMessageBox::NoIcon, reason);
}

} // namespace rv
