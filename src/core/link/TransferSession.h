// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/TransferHistory.h"
#include "core/link/TransferProtocol.h"
#include "core/model/SetupRangeCheck.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

namespace rv {

class BlockSender;
class SerialLink;
struct Setup;

// The one way to the unit, for the window and the command-line tool: the
// check of the values before a transfer, the blocks with their pauses, the
// history entry of every transfer that began and the note of every store
// command beside the newest entry. A command takes the port, is started and
// ends with ended(); any failure closes the port at once. The session asks
// nothing and shows nothing: its callers put the questions and tell the
// outcome.
class TransferSession : public QObject {
    Q_OBJECT
public:
    // A running transfer reads the setup block by block, so that an edit made
    // during its pauses goes out in the blocks not yet sent; a completed one
    // leaves the setup as transferredSetup() makes it.
    TransferSession(Setup& setup, SerialLink& port, QObject* parent = nullptr);
    ~TransferSession() override;

    // Where transfers are noted; without a history they are not.
    void setHistory(std::optional<TransferHistory> history);
    const std::optional<TransferHistory>& history() const { return history_; }
    // The next store is noted beside the newest entry the history holds, even
    // one an earlier run wrote. Without this only a transfer of this session
    // gets the note: what else the unit holds is not known here.
    void followNewestHistoryEntry();

    // Opens the port for one command. False, with errorString(), when it
    // cannot be opened; a command already running is not disturbed.
    bool takePort();
    // Closes the taken port without sending anything.
    void releasePort();
    QString errorString() const { return error_; }

    // What a transfer of this kind would send that the unit does not expect.
    QList<OutOfRangeValue> valuesOutOfRange(bool withChannelTable) const;

    // Start sending over the taken port; each returns at once.
    void startTransfer(bool withChannelTable);
    void startStore();
    bool isSending() const;

    struct Outcome {
        bool store = false;
        bool completed = false;
        // A transfer that broke off: the unit may hold part of the new set.
        bool partial = false;
        int blocksArrived = 0;
        int blocksPlanned = 0;
        QString reason; // why it failed
        // Why the history could not be written; said once until it works again.
        QString historyProblem;
    };

    // The last transfer of this session that put anything on the wire.
    struct LastTransfer {
        QString fileName; // the setup's file at its start
        QDateTime startedAt;
        bool partial = false;
    };
    const std::optional<LastTransfer>& lastTransfer() const { return lastTransfer_; }
    // Whether the unit may hold other values than the setup, so that storing
    // now would keep something the pilot does not see.
    bool unitMayDifferFromSetup() const;

Q_SIGNALS:
    // Blocks sent so far of the running command, (0, total) at its start.
    void progress(int done, int total);
    void ended(const rv::TransferSession::Outcome& outcome);

private:
    bool ownsPort() const;
    void blocksEnded(bool ok);
    void finishTransfer(Outcome& outcome);
    void finishStore(Outcome& outcome);
    QString failureReason();
    QString historyProblem(bool written, const QString& reason);

    Setup& setup_;
    SerialLink& port_;
    BlockSender* sender_;
    std::uint64_t portSession_ = 0; // the port session the running command opened
    bool storing_ = false;
    QString error_;

    TransferProtocol::SentTransfer sending_;
    // What the last completed transfer sent; unset before the first one.
    // unitHoldsPart_: a transfer broke off after that.
    std::optional<TransferProtocol::SentTransfer> lastSent_;
    bool unitHoldsPart_ = false;
    std::optional<LastTransfer> lastTransfer_;

    std::optional<TransferHistory> history_;
    SentRecord historyEntry_;  // of the running transfer, from its start
    QString lastHistoryEntry_; // the entry a store command is noted beside
    bool historyProblemShown_ = false;
};

} // namespace rv
