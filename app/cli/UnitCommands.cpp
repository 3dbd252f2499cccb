// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnitCommands.h"

#include "CliSupport.h"

#include "core/format/SetupRecord.h"
#include "core/history/TransferHistory.h"
#include "core/link/PortDevices.h"
#include "core/link/SerialLink.h"
#include "core/link/TransferProtocol.h"
#include "core/link/TransferSession.h"

#include <QEventLoop>
#include <QFileInfo>

#include <functional>
#include <optional>

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

// The window's transfer history, but only where the window has made one:
// the tool never creates the folder.
std::optional<TransferHistory> windowHistory() {
    TransferHistory history;
    if (!QFileInfo(history.folder()).isDir()) {
        return std::nullopt;
    }
    return history;
}

// Opens the port a pilot named for the session: a device, or Com1..Com16 as
// the window resolves it.
bool takePort(const QString& name, SerialLink& link, TransferSession& session) {
    const QString device = SerialLink::deviceForName(name, portDevice);
    if (device.isEmpty()) {
        fail(name, SerialLink::tr("No serial device found for this port."));
        return false;
    }
    link.setDeviceName(device);
    if (!session.takePort()) {
        // The link's reason starts with the device; a ComN is named beside it.
        QString reason = session.errorString();
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

// Runs the started command to its end; progress goes to standard error, a
// history that cannot be written is said there too and fails nothing.
TransferSession::Outcome runToEnd(TransferSession& session, const std::function<void()>& start) {
    QEventLoop loop;
    std::optional<TransferSession::Outcome> outcome;
    QObject::connect(&session, &TransferSession::progress, [](int done, int total) {
        if (done > 0) {
            // Spelled out: lupdate loses the namespace of a tr() in a lambda.
            note(
                QCoreApplication::translate("rv::cli", "Sent block %1 of %2").arg(done).arg(total));
        }
    });
    QObject::connect(&session, &TransferSession::ended, &loop,
                     [&outcome, &loop](const TransferSession::Outcome& ended) {
                         outcome = ended;
                         loop.quit();
                     });
    start();
    if (!outcome) {
        loop.exec();
    }
    if (!outcome->historyProblem.isEmpty()) {
        note(outcome->historyProblem);
    }
    return *outcome;
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
    return writeOutput(out) ? Done : outputFailed();
}

int send(const QString& file, const QString& port, const SendOptions& options) {
    std::optional<Setup> setup = openedSetup(file);
    if (!setup) {
        return Failed;
    }
    setup->currentFileName = QFileInfo(file).absoluteFilePath();
    SerialLink link;
    TransferSession session(*setup, link);
    const QList<OutOfRangeValue> unexpected = session.valuesOutOfRange(options.withChannelTable);
    if (!unexpected.isEmpty() && !options.sendOutOfRange) {
        return fail(file, Cli::tr("%n values lie outside what the Rotavionix expects; the "
                                  "window asks before sending them, --send-out-of-range sends "
                                  "them anyway.",
                                  nullptr, static_cast<int>(unexpected.size())));
    }
    session.setHistory(windowHistory());
    if (!takePort(port, link, session)) {
        return Failed;
    }
    const bool withChannelTable = options.withChannelTable;
    const TransferSession::Outcome outcome = runToEnd(
        session, [&session, withChannelTable] { session.startTransfer(withChannelTable); });
    if (!outcome.completed) {
        return fail(port, outcome.reason + QLatin1Char(' ') +
                              Cli::tr("Only %1 of %n blocks reached the Rotavionix. Send again "
                                      "before storing.",
                                      nullptr, outcome.blocksPlanned)
                                  .arg(outcome.blocksArrived));
    }
    note(Cli::tr("All data sent to the Rotavionix."));
    return Done;
}

int store(const QString& port) {
    Setup unknown; // the unit holds what an earlier transfer sent
    SerialLink link;
    TransferSession session(unknown, link);
    // Each command is a run of its own: the store belongs to the newest transfer.
    session.setHistory(windowHistory());
    session.followNewestHistoryEntry();
    if (!takePort(port, link, session)) {
        return Failed;
    }
    const TransferSession::Outcome outcome =
        runToEnd(session, [&session] { session.startStore(); });
    if (!outcome.completed) {
        return fail(port, outcome.reason);
    }
    // The unit never answers: that it stored anything is not known here.
    note(Cli::tr("Store command sent to the Rotavionix."));
    return Done;
}

} // namespace rv::cli
