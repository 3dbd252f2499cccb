// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "core/history/TransferHistory.h"
#include "core/link/TransferSession.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QByteArray;
class QWidget;

namespace rv {

class SerialLink;
struct MessageTexts;
struct Setup;

// The two buttons that talk to the unit: cbDownload sends the parameter set
// and the curves, cbFlash makes the unit store them. The transfer session
// does the sending and keeps the history; this adds what is the window's:
// the questions, the busy pointer, the status texts and the cannotOpenPort
// message of a failure. A command returns as soon as its blocks are under
// way; finished() says when it has ended.
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
    using LastTransfer = TransferSession::LastTransfer;
    const std::optional<LastTransfer>& lastTransfer() const { return session_.lastTransfer(); }
    // Whether the unit may hold other values than the window's, so that
    // storing now would keep something the pilot does not see.
    bool unitMayDifferFromWindow() const { return session_.unitMayDifferFromSetup(); }

    // Where the history of transfers is written (its standard folder by default).
    void setHistoryFolder(const QString& folder) { session_.setHistory(TransferHistory(folder)); }
    const TransferHistory& history() const { return *session_.history(); }

    // The answer to the channel-table question of the last transfer, as the
    // program keeps the answers of its questions.
    static constexpr std::uint8_t ChannelTableYes = 6;
    static constexpr std::uint8_t ChannelTableNo = 7;
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
    void sessionEnded(const TransferSession::Outcome& outcome);
    bool confirmOutOfRangeValues(bool withChannels);

    void fail(Run& run);
    void showPortFail(const QString& reason);

    const MessageTexts& texts_;
    QWidget* dialogParent_;
    TransferSession session_;
    // The command whose blocks the session is sending, and what follows it.
    std::unique_ptr<Run> active_;
    std::function<void(bool)> afterTransfer_;
    int running_ = 0;
    QStringList deferredFailures_;
};

} // namespace rv
