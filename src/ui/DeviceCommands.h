#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "files/TransferHistory.h"
#include "link/TransferProtocol.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QByteArray;
class QWidget;

namespace rv {

class BlockSender;
class SerialLink;
struct MessageTexts;
struct Setup;

// The two buttons that talk to the unit: cbDownload sends the parameter set
// and the curves, cbFlash makes the unit store them. Each command opens the
// port, hands its blocks to the block sender (a pause after every block end)
// and closes the port when the sender is done; any failure closes the port at
// once and ends with cannotOpenPort. A command returns as soon as its blocks are
// under way; finished() says when it has ended.
//
// The window stays live during the pauses; a second command started then
// finds the port held and fails with cannotOpenPort while the first carries on.
// Its message waits until the first has ended: a modal box shown during the
// first command would hold that command's caller up until it is dismissed.
class DeviceCommands : public QObject {
    Q_OBJECT
public:
    DeviceCommands(Setup& setup, SerialLink& port, const MessageTexts& texts, QWidget* dialogParent,
                   QObject* parent = nullptr);
    ~DeviceCommands() override;

    // cbDownload: sends the setup and the curves.
    void sendToUnit();
    // cbFlash: makes the unit store what it received.
    void storeInUnit();

    // True while any command runs (the window holds back closing meanwhile).
    bool isBusy() const { return running_ > 0; }

    // The last transfer of this run that put anything on the wire.
    struct LastTransfer {
        QString fileName; // the window's file at its start
        QDateTime startedAt;
        bool partial = false;
    };
    const std::optional<LastTransfer>& lastTransfer() const { return lastTransfer_; }
    // Whether the unit may hold other values than the window's, so that
    // storing now would keep something the pilot does not see.
    bool unitMayDifferFromWindow() const;

    // Where the history of transfers is written (its standard folder by default).
    void setHistoryFolder(const QString& folder) { history_ = TransferHistory(folder); }
    const TransferHistory& history() const { return history_; }

    // The answer to the channel-table question of the last transfer: 6 Yes, 7 No.
    std::uint8_t channelTableAnswer = 0;

Q_SIGNALS:
    // Blocks sent so far of the running command.
    void progress(int done, int total);
    // What the running command is doing or has just done, in words for the
    // status bar; empty after a failure, which has its message box.
    void statusChanged(const QString& text);
    void busyChanged(bool busy);
    // lastTransfer() has changed.
    void transferEnded();
    // The last running command has ended (after its message, if any).
    void finished();

private:
    class Run;
    friend class Run;

    // The transfer and the store command; `then` learns, once the command
    // has ended, whether it completed.
    void transfer(std::function<void(bool completed)> then = {});
    void store();
    void transferSent(bool ok);
    void storeSent(bool ok);
    bool confirmOutOfRangeValues(bool withChannels);
    // Writes the history entry of the transfer that just ended; the problem
    // to report, the first time writing fails after a success only.
    QString recordInHistory(int blocksArrived);
    QString noteStoreInHistory();
    QString historyProblem(bool written, const QString& reason);

    bool closePort(Run& run);
    void fail(Run& run);
    void showPortFail(const QString& reason);

    Setup& setup_;
    SerialLink& port_;
    const MessageTexts& texts_;
    QWidget* dialogParent_;
    BlockSender* sender_;
    // The command whose blocks the sender is sending, and what follows it.
    std::unique_ptr<Run> active_;
    bool activeIsStore_ = false;
    std::function<void(bool)> afterTransfer_;
    TransferProtocol::SentTransfer sending_;
    int running_ = 0;
    QStringList deferredFailures_;
    // What the last completed transfer of this run sent; unset before the
    // first one. unitHoldsPart_: a transfer broke off after that.
    std::optional<TransferProtocol::SentTransfer> lastSent_;
    bool unitHoldsPart_ = false;
    std::optional<LastTransfer> lastTransfer_;

    TransferHistory history_;
    SentRecord historyEntry_;  // of the running transfer, from its start
    QString lastHistoryEntry_; // the entry a store command is noted beside
    bool historyProblemShown_ = false;
};

} // namespace rv
