#include "ui/DeviceCommands.h"

#include "link/SerialLink.h"
#include "link/TimedWait.h"
#include "link/TransferProtocol.h"
#include "model/ParameterSet.h"
#include "model/SetupRangeCheck.h"
#include "ui/Dialogs.h"
#include "ui/MessageTexts.h"
#include "ui/RangeWarning.h"

#include <QApplication>

#include <exception>
#include <utility>

namespace rv {

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

DeviceCommands::DeviceCommands(ParameterSet& set, SerialLink& port, TimedWait& wait,
                               const MessageTexts& texts, std::function<void()> collectImage,
                               QWidget* dialogParent, QObject* parent)
    : QObject(parent), set_(set), port_(port), wait_(wait), texts_(texts),
      collectImage_(std::move(collectImage)), dialogParent_(dialogParent) {
    // A broken link ends the pause in progress so the command can report it.
    connect(&port_, &SerialLink::failed, &wait_, &TimedWait::interrupt);
}

void DeviceCommands::cbDownload_Click() {
    transfer();
}

void DeviceCommands::cbFlash_Click() {
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
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !transfer())) {
            return;
        }
    }
    store();
}

bool DeviceCommands::unitMayDifferFromWindow() {
    if (unitHoldsPart_) {
        return true;
    }
    if (!lastSent_) {
        // Nothing sent in this run: what the unit holds is not known here,
        // and storing it is the pilot's choice.
        return false;
    }
    try {
        if (collectImage_) {
            collectImage_();
        }
    } catch (const std::exception&) {
        return true;
    }
    return TransferProtocol::differsFromSent(*lastSent_, set_.image, set_.curves);
}

bool DeviceCommands::transfer() {
    using namespace TransferProtocol;
    Run run(*this);
    if (!run.open()) {
        fail(run);
        return false;
    }
    // The question waits for the pilot, not the program: no busy pointer over it.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool withChannels = MessageBox::askYesNo(dialogParent_, texts_.ZUORDNUNG);
    QApplication::restoreOverrideCursor();
    SendChannelSetup = withChannels ? AnswerYes : AnswerNo;
    if (!collect(run)) {
        fail(run);
        return false;
    }
    if (!confirmOutOfRangeValues(withChannels)) {
        if (run.ownsPort()) {
            port_.abort();
        }
        Q_EMIT statusChanged(tr("Nothing was sent to the Rotavionix."));
        return false;
    }

    // From here on a failure leaves the unit with part of the set.
    run.partial = true;
    unitHoldsPart_ = true;
    SentTransfer sent{withChannels, {}};
    const QList<Block> plan = transferPlan(withChannels);
    const auto total = static_cast<int>(plan.size());
    Q_EMIT progress(0, total);
    for (int done = 0; done < total; ++done) {
        // Built only now, so that edits made during earlier pauses go out.
        const QByteArray text = blockText(plan[done], set_.image, set_.curves);
        if (!send(run, text)) {
            fail(run);
            return false;
        }
        sent.blocks.append(text);
        Q_EMIT progress(done + 1, total);
        Q_EMIT statusChanged(
            tr("Sending to the Rotavionix: block %1 of %2").arg(done + 1).arg(total));
        if (!pause(run, BlockPauseMs)) {
            fail(run);
            return false;
        }
    }
    if (!closePort(run)) {
        fail(run);
        return false;
    }
    lastSent_ = std::move(sent);
    unitHoldsPart_ = false;
    rewriteChannelEntries(set_.image, set_.channels);
    Q_EMIT statusChanged(tr("All data sent to the Rotavionix."));
    return true;
}

bool DeviceCommands::collect(Run& run) {
    try {
        if (collectImage_) {
            collectImage_();
        }
    } catch (const std::exception& error) {
        run.reason = QString::fromLocal8Bit(error.what());
        return false;
    }
    return true;
}

bool DeviceCommands::confirmOutOfRangeValues(bool withChannels) {
    const QList<OutOfRangeValue> found = outOfRangeValues(set_.image, set_.curves, withChannels);
    if (found.isEmpty()) {
        return true;
    }
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool send = MessageBox::askYesNo(dialogParent_, outOfRangeQuestion(found, dialogParent_),
                                           QMessageBox::Warning, QMessageBox::No);
    QApplication::restoreOverrideCursor();
    return send;
}

bool DeviceCommands::store() {
    Run run(*this);
    if (!run.open()) {
        fail(run);
        return false;
    }
    Q_EMIT progress(0, 1);
    Q_EMIT statusChanged(tr("Saving the data in the Rotavionix..."));
    if (!send(run, TransferProtocol::storeCommand())) {
        fail(run);
        return false;
    }
    Q_EMIT progress(1, 1);
    if (!pause(run, TransferProtocol::StorePauseMs) || !closePort(run)) {
        fail(run);
        return false;
    }
    // The unit never answers: that it stored anything is not known here.
    Q_EMIT statusChanged(tr("Store command sent to the Rotavionix."));
    return true;
}

bool DeviceCommands::send(Run& run, const QByteArray& text) {
    // The pause that follows must start only once the block has left the
    // program, so the unit sees the full silence after the block end.
    return run.ownsPort() && port_.write(text) && run.ownsPort() && port_.drain();
}

bool DeviceCommands::pause(Run& run, int milliseconds) {
    return wait_.wait(milliseconds) && run.ownsPort();
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
    MessageBox::inform(dialogParent_, texts_.PORT_FAIL, QMessageBox::NoIcon, reason);
}

} // namespace rv
