#include "ui/DeviceCommands.h"

#include "files/SetupRecord.h"

#include "link/BlockSender.h"
#include "link/SerialLink.h"
#include "link/TransferProtocol.h"
#include "model/Setup.h"
#include "model/SetupRangeCheck.h"
#include "ui/Dialogs.h"
#include "ui/MessageTexts.h"
#include "ui/RangeWarning.h"

#include <QApplication>

#include <algorithm>
#include <exception>
#include <utility>

namespace rv {

namespace {
QString joined(const QString& status, const QString& problem) {
    return problem.isEmpty() ? status : status + QLatin1Char(' ') + problem;
}
} // namespace

// One running command: the busy pointer and busy state for its lifetime, and
// the port session it opened, so that it never touches a port it does not hold.
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

    bool open() {
        if (!owner_.port_.open()) {
            reason = owner_.port_.errorString();
            return false;
        }
        session_ = owner_.port_.session();
        return true;
    }
    bool ownsPort() const {
        return session_ != 0 && owner_.port_.isOpen() && owner_.port_.session() == session_;
    }
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
    std::uint64_t session_ = 0;
    bool cursorShown_ = true;
};

DeviceCommands::DeviceCommands(Setup& setup, SerialLink& port, const MessageTexts& texts,
                               QWidget* dialogParent, QObject* parent)
    : QObject(parent), setup_(setup), port_(port), texts_(texts), dialogParent_(dialogParent),
      sender_(new BlockSender(port, this)) {
    connect(sender_, &BlockSender::blockSent, this, [this](int done, int total) {
        Q_EMIT progress(done, total);
        if (total > 1) {
            Q_EMIT statusChanged(
                tr("Sending to the Rotavionix: block %1 of %2").arg(done).arg(total));
        }
    });
    connect(sender_, &BlockSender::finished, this, [this](bool ok) {
        if (activeIsStore_) {
            storeSent(ok);
        } else {
            transferSent(ok);
        }
    });
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

bool DeviceCommands::unitMayDifferFromWindow() const {
    if (unitHoldsPart_) {
        return true;
    }
    if (!lastSent_) {
        // Nothing sent in this run: what the unit holds is not known here,
        // and storing it is the pilot's choice.
        return false;
    }
    return TransferProtocol::differsFromSent(*lastSent_, collectedImage(setup_), setup_.curves);
}

void DeviceCommands::transfer(std::function<void(bool)> then) {
    using namespace TransferProtocol;
    auto run = std::make_unique<Run>(*this);
    const auto give = [&then](bool completed) {
        if (then) {
            then(completed);
        }
    };
    if (!run->open()) {
        fail(*run);
        run.reset();
        return give(false);
    }
    // The question waits for the pilot, not the program: no busy pointer over it.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool withChannels = MessageBox::askYesNo(dialogParent_, texts_.channelTableQuestion);
    QApplication::restoreOverrideCursor();
    channelTableAnswer = withChannels ? AnswerYes : AnswerNo;
    if (!confirmOutOfRangeValues(withChannels)) {
        if (run->ownsPort()) {
            port_.abort();
        }
        Q_EMIT statusChanged(tr("Nothing was sent to the Rotavionix."));
        run.reset();
        return give(false);
    }

    // From here on a failure leaves the unit with part of the set.
    run->partial = true;
    unitHoldsPart_ = true;
    sending_ = SentTransfer{withChannels, {}};
    const QList<Block> plan = transferPlan(withChannels);
    // The history keeps the setup as it was when the pilot pressed the button.
    historyEntry_ = SentRecord{recordOf(setup_), setup_.currentFileName,
                               QDateTime::currentDateTime(), 0, static_cast<int>(plan.size())};
    active_ = std::move(run);
    afterTransfer_ = std::move(then);
    Q_EMIT progress(0, static_cast<int>(plan.size()));
    activeIsStore_ = false;
    sender_->start(
        static_cast<int>(plan.size()),
        [this, plan](int block) {
            // Built only when due, so that edits made during earlier pauses go out.
            QByteArray text = blockText(plan[block], collectedImage(setup_), setup_.curves);
            sending_.blocks.append(text);
            return text;
        },
        BlockPauseMs);
}

void DeviceCommands::transferSent(bool ok) {
    std::unique_ptr<Run> run = std::move(active_);
    const std::function<void(bool)> then = std::exchange(afterTransfer_, {});
    const bool completed = ok && closePort(*run);
    // Written before any message box, which would hold it up.
    // A transfer that failed only at its very end still counts as broken off,
    // as its message says.
    const int planned = historyEntry_.blocksPlanned;
    const QString problem =
        recordInHistory(completed ? planned : std::min(sender_->blocksSent(), planned - 1));
    lastTransfer_ = LastTransfer{historyEntry_.fileName, historyEntry_.startedAt, !completed};
    if (completed) {
        lastSent_ = std::exchange(sending_, {});
        unitHoldsPart_ = false;
        setup_ = transferredSetup(setup_);
        Q_EMIT statusChanged(joined(tr("All data sent to the Rotavionix."), problem));
    } else {
        fail(*run);
        if (!problem.isEmpty()) {
            Q_EMIT statusChanged(problem);
        }
    }
    Q_EMIT transferEnded();
    run.reset(); // the command has ended before what follows it starts
    if (then) {
        then(completed);
    }
}

bool DeviceCommands::confirmOutOfRangeValues(bool withChannels) {
    const QList<OutOfRangeValue> found =
        outOfRangeValues(collectedImage(setup_), setup_.curves, withChannels);
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
    if (!run->open()) {
        return fail(*run);
    }
    Q_EMIT progress(0, 1);
    Q_EMIT statusChanged(tr("Saving the data in the Rotavionix..."));
    active_ = std::move(run);
    activeIsStore_ = true;
    sender_->start(
        1, [](int) { return TransferProtocol::storeCommand(); }, TransferProtocol::StorePauseMs);
}

void DeviceCommands::storeSent(bool ok) {
    std::unique_ptr<Run> run = std::move(active_);
    if (!ok || !closePort(*run)) {
        return fail(*run);
    }
    // The unit never answers: that it stored anything is not known here.
    Q_EMIT statusChanged(joined(tr("Store command sent to the Rotavionix."), noteStoreInHistory()));
}

QString DeviceCommands::recordInHistory(int blocksArrived) {
    historyEntry_.blocksArrived = blocksArrived;
    QString reason;
    lastHistoryEntry_ = history_.add(historyEntry_, &reason);
    return historyProblem(!lastHistoryEntry_.isEmpty(), reason);
}

QString DeviceCommands::noteStoreInHistory() {
    // A store without a transfer of this run stores what nobody here knows.
    if (lastHistoryEntry_.isEmpty()) {
        return {};
    }
    QString reason;
    const bool noted = history_.noteStore(lastHistoryEntry_, QDateTime::currentDateTime(), &reason);
    return historyProblem(noted, reason);
}

QString DeviceCommands::historyProblem(bool written, const QString& reason) {
    if (written) {
        historyProblemShown_ = false;
        return {};
    }
    // Once: a pilot sending ten times at the field needs no ten reminders.
    if (std::exchange(historyProblemShown_, true)) {
        return {};
    }
    return tr("The transfer history could not be written: %1").arg(reason);
}

bool DeviceCommands::closePort(Run& run) {
    return run.ownsPort() && port_.close();
}

void DeviceCommands::fail(Run& run) {
    if (run.ownsPort()) {
        port_.abort();
    }
    if (run.reason.isEmpty()) {
        run.reason = port_.errorString();
    }
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
