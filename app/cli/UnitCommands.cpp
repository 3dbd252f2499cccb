#include "UnitCommands.h"

#include "CliSupport.h"

#include "files/SetupRecord.h"
#include "files/TransferHistory.h"
#include "link/BlockSender.h"
#include "link/SerialLink.h"
#include "link/TransferProtocol.h"
#include "model/SetupRangeCheck.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>

namespace rv::cli {

namespace {

// The setup the window holds right after it opened the file.
std::optional<Setup> openedSetup(const QString& file) {
    const std::optional<QByteArray> record = readShownRecord(file);
    if (!record) {
        return std::nullopt;
    }
    return std::get<Setup>(applyRecord(Setup{}, *record));
}

QByteArray pauseLine(int milliseconds) {
    return QByteArray("\n# pause ") + QByteArray::number(milliseconds) + " ms\n";
}

// A transfer of the tool lands in the window's transfer history, but only
// where the window has made one: the tool never creates the folder. A history
// that cannot be written is said on standard error and fails nothing.
void noteTransfer(const QString& file, const Setup& sent, const QDateTime& startedAt,
                  int blocksArrived, int blockCount) {
    const TransferHistory history;
    if (!QFileInfo(history.folder()).isDir()) {
        return;
    }
    const SentRecord entry{recordOf(sent), QFileInfo(file).absoluteFilePath(), startedAt,
                           blocksArrived, blockCount};
    QString reason;
    if (history.add(entry, &reason).isEmpty()) {
        note(QStringLiteral("The transfer history could not be written: %1").arg(reason));
    }
}

// Opens the port a pilot named: a device, or Com1..Com16 as the window resolves it.
bool openPort(const QString& name, SerialLink& link) {
    const QString device = SerialLink::deviceForName(name);
    if (device.isEmpty()) {
        fail(name, SerialLink::tr("No serial device found for this port."));
        return false;
    }
    link.setDeviceName(device);
    if (!link.open()) {
        // The link's reason starts with the device; a ComN is named beside it.
        QString reason = link.errorString();
        const QString prefix = device + QStringLiteral(": ");
        if (reason.startsWith(prefix)) {
            reason.remove(0, prefix.size());
        }
        fail(device == name ? device : name + QStringLiteral(" (") + device + QLatin1Char(')'),
             reason);
        return false;
    }
    return true;
}

// Sends the blocks, each followed by its pause, and closes the port; true
// when every block arrived. Progress goes to standard error.
bool sendBlocks(SerialLink& link, int count, const BlockSender::BlockText& text, int pauseMs,
                int& blocksSent, QString& reason) {
    BlockSender sender(link);
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&sender, &BlockSender::blockSent, [](int done, int total) {
        note(QStringLiteral("Sent block %1 of %2").arg(done).arg(total));
    });
    QObject::connect(&sender, &BlockSender::finished, &loop, [&ok, &loop](bool completed) {
        ok = completed;
        loop.quit();
    });
    sender.start(count, text, pauseMs);
    if (sender.isRunning()) {
        loop.exec();
    }
    blocksSent = sender.blocksSent();
    reason = sender.errorString();
    if (ok && !link.close()) {
        ok = false;
        reason = link.errorString();
    }
    if (!ok) {
        link.abort();
        if (reason.isEmpty()) {
            reason = link.errorString();
        }
    }
    return ok;
}

} // namespace

int sendDryRun(const QString& file, const SendOptions& options) {
    const std::optional<Setup> setup = openedSetup(file);
    if (!setup) {
        return Failed;
    }
    const ParameterImage image = collectedImage(*setup);
    QByteArray out;
    for (const TransferProtocol::Block& block :
         TransferProtocol::transferPlan(options.withChannelTable)) {
        out += TransferProtocol::blockText(block, image, setup->curves) +
               pauseLine(TransferProtocol::BlockPauseMs);
    }
    return writeOutput(out)
               ? Done
               : fail(QStringLiteral("standard output"), QStringLiteral("cannot be written"));
}

int send(const QString& file, const QString& port, const SendOptions& options) {
    const std::optional<Setup> setup = openedSetup(file);
    if (!setup) {
        return Failed;
    }
    const ParameterImage image = collectedImage(*setup);
    const QList<OutOfRangeValue> unexpected =
        outOfRangeValues(image, setup->curves, options.withChannelTable);
    if (!unexpected.isEmpty() && !options.sendOutOfRange) {
        return fail(file, QStringLiteral("%1 values lie outside what the Rotavionix expects; the "
                                         "window asks before sending them, "
                                         "--send-out-of-range sends them anyway.")
                              .arg(unexpected.size()));
    }
    SerialLink link;
    if (!openPort(port, link)) {
        return Failed;
    }
    const QList<TransferProtocol::Block> plan =
        TransferProtocol::transferPlan(options.withChannelTable);
    int blocksSent = 0;
    QString reason;
    const QDateTime startedAt = QDateTime::currentDateTime();
    const bool completed = sendBlocks(
        link, static_cast<int>(plan.size()),
        [&plan, &image, &setup](int block) {
            return TransferProtocol::blockText(plan.at(block), image, setup->curves);
        },
        TransferProtocol::BlockPauseMs, blocksSent, reason);
    noteTransfer(file, *setup, startedAt, blocksSent, static_cast<int>(plan.size()));
    if (!completed) {
        return fail(port, reason + QLatin1Char(' ') +
                              QStringLiteral("Only %1 of %2 blocks reached the Rotavionix. Send "
                                             "again before storing.")
                                  .arg(blocksSent)
                                  .arg(plan.size()));
    }
    note(QStringLiteral("All data sent to the Rotavionix."));
    return Done;
}

int store(const QString& port) {
    SerialLink link;
    if (!openPort(port, link)) {
        return Failed;
    }
    int blocksSent = 0;
    QString reason;
    if (!sendBlocks(
            link, 1, [](int) { return TransferProtocol::storeCommand(); },
            TransferProtocol::StorePauseMs, blocksSent, reason)) {
        return fail(port, reason);
    }
    // The unit never answers: that it stored anything is not known here.
    note(QStringLiteral("Store command sent to the Rotavionix."));
    return Done;
}

} // namespace rv::cli
