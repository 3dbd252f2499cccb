// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/TransferSession.h"

#include "core/format/SetupRecord.h"
#include "core/link/BlockSender.h"
#include "core/link/SerialLink.h"
#include "core/model/Setup.h"

#include <algorithm>
#include <utility>

namespace rv {

TransferSession::TransferSession(Setup& setup, SerialLink& port, QObject* parent)
    : QObject(parent), setup_(setup), port_(port), sender_(new BlockSender(port, this)) {
    connect(sender_, &BlockSender::blockSent, this, &TransferSession::progress);
    connect(sender_, &BlockSender::finished, this, &TransferSession::blocksEnded);
}

TransferSession::~TransferSession() = default;

void TransferSession::setHistory(std::optional<TransferHistory> history) {
    history_ = std::move(history);
}

void TransferSession::followNewestHistoryEntry() {
    if (!history_) {
        return;
    }
    const TransferHistoryListing listing = history_->list();
    if (!listing.entries.isEmpty()) {
        lastHistoryEntry_ = listing.entries.first().path;
    }
}

bool TransferSession::takePort() {
    if (!port_.open()) {
        error_ = port_.errorString();
        return false;
    }
    portSession_ = port_.session();
    error_.clear();
    return true;
}

void TransferSession::releasePort() {
    if (ownsPort()) {
        port_.abort();
    }
    portSession_ = 0;
}

bool TransferSession::ownsPort() const {
    return portSession_ != 0 && port_.isOpen() && port_.session() == portSession_;
}

bool TransferSession::isSending() const {
    return sender_->isRunning();
}

QList<OutOfRangeValue> TransferSession::valuesOutOfRange(bool withChannelTable) const {
    return outOfRangeValues(collectedImage(setup_), setup_.curves, withChannelTable);
}

void TransferSession::startTransfer(bool withChannelTable) {
    using namespace TransferProtocol;
    storing_ = false;
    // From here on a failure leaves the unit with part of the set.
    unitHoldsPart_ = true;
    sending_ = SentTransfer{withChannelTable, {}};
    const QList<Block> plan = transferPlan(withChannelTable);
    // The history keeps the setup as it was when the transfer began.
    historyEntry_ = SentRecord{recordOf(setup_), setup_.currentFileName,
                               QDateTime::currentDateTime(), 0, static_cast<int>(plan.size())};
    Q_EMIT progress(0, static_cast<int>(plan.size()));
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

void TransferSession::startStore() {
    storing_ = true;
    Q_EMIT progress(0, 1);
    sender_->start(
        1, [](int) { return TransferProtocol::storeCommand(); }, TransferProtocol::StorePauseMs);
}

void TransferSession::blocksEnded(bool ok) {
    Outcome outcome;
    outcome.store = storing_;
    outcome.completed = ok && ownsPort() && port_.close();
    if (!outcome.completed) {
        outcome.reason = failureReason();
    }
    portSession_ = 0;
    if (storing_) {
        finishStore(outcome);
    } else {
        finishTransfer(outcome);
    }
    Q_EMIT ended(outcome);
}

QString TransferSession::failureReason() {
    if (ownsPort()) {
        port_.abort();
    }
    const QString reason = port_.errorString();
    return reason.isEmpty() ? sender_->errorString() : reason;
}

void TransferSession::finishTransfer(Outcome& outcome) {
    const int planned = historyEntry_.blocksPlanned;
    // A transfer that failed only at its very end still counts as broken off.
    historyEntry_.blocksArrived =
        outcome.completed ? planned : std::min(sender_->blocksSent(), planned - 1);
    outcome.partial = !outcome.completed;
    outcome.blocksArrived = historyEntry_.blocksArrived;
    outcome.blocksPlanned = planned;
    if (history_) {
        QString reason;
        lastHistoryEntry_ = history_->add(historyEntry_, &reason);
        outcome.historyProblem = historyProblem(!lastHistoryEntry_.isEmpty(), reason);
    }
    lastTransfer_ =
        LastTransfer{historyEntry_.fileName, historyEntry_.startedAt, !outcome.completed};
    if (outcome.completed) {
        lastSent_ = std::exchange(sending_, {});
        unitHoldsPart_ = false;
        setup_ = transferredSetup(setup_);
    }
}

void TransferSession::finishStore(Outcome& outcome) {
    outcome.blocksArrived = outcome.completed ? 1 : 0;
    outcome.blocksPlanned = 1;
    // A store after no known transfer stores what nobody here knows: no note.
    if (!outcome.completed || !history_ || lastHistoryEntry_.isEmpty()) {
        return;
    }
    QString reason;
    const bool noted =
        history_->noteStore(lastHistoryEntry_, QDateTime::currentDateTime(), &reason);
    outcome.historyProblem = historyProblem(noted, reason);
}

QString TransferSession::historyProblem(bool written, const QString& reason) {
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

bool TransferSession::unitMayDifferFromSetup() const {
    if (unitHoldsPart_) {
        return true;
    }
    if (!lastSent_) {
        // Nothing sent in this session: what the unit holds is not known
        // here, and storing it is the pilot's choice.
        return false;
    }
    return TransferProtocol::differsFromSent(*lastSent_, collectedImage(setup_), setup_.curves);
}

} // namespace rv
