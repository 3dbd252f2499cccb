// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/SetupRecord.h"
#include "core/history/TransferHistory.h"
#include "core/link/SerialLink.h"
#include "core/link/TransferProtocol.h"
#include "core/link/TransferSession.h"
#include "support/data_Files.h"
#include "support/link_PseudoTerminal.h"
#include "support/test_main.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace rv;
using rv::test::PseudoTerminal;

namespace {
TransferSession::Outcome waitForEnd(TransferSession& session) {
    QSignalSpy ended(&session, &TransferSession::ended);
    if (!ended.wait(20000)) {
        return {};
    }
    return ended.first().first().value<TransferSession::Outcome>();
}
} // namespace

// The session without any window: what the command-line tool runs on.
class TestTransferSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<TransferSession::Outcome>(); }

    // A store is noted beside a transfer only where the session knows that
    // transfer: its own, or the newest of the history when told to follow it
    // (a store that is a command of its own).
    void storeIsNotedBesideTheTransferItFollows() {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        QTemporaryDir dir;
        const TransferHistory history(dir.filePath(QStringLiteral("sent")));
        Setup setup = std::get<Setup>(applyRecord(Setup{}, rv::test::defaultRecord()));
        setup.currentFileName = QStringLiteral("/field/Default.rvc");
        const QByteArray stream = transferStream(setup, false);
        SerialLink link;
        link.setDeviceName(pty.slavePath());
        {
            TransferSession sending(setup, link);
            sending.setHistory(history);
            QVERIFY(sending.takePort());
            sending.startTransfer(false);
            const TransferSession::Outcome sent = waitForEnd(sending);
            QVERIFY(sent.completed);
            QCOMPARE(sent.blocksArrived, sent.blocksPlanned);
            QVERIFY(!link.isOpen());
        }
        const auto storeWith = [&](bool followHistory) {
            TransferSession storing(setup, link);
            storing.setHistory(history);
            if (followHistory) {
                storing.followNewestHistoryEntry();
            }
            QVERIFY(storing.takePort());
            storing.startStore();
            const TransferSession::Outcome stored = waitForEnd(storing);
            QVERIFY(stored.store && stored.completed && stored.historyProblem.isEmpty());
        };
        storeWith(false);
        QVERIFY(history.list().entries.first().stores.isEmpty());
        storeWith(true);
        QCOMPARE(history.list().entries.size(), 1);
        QCOMPARE(history.list().entries.first().stores.size(), 1);
        QVERIFY(pty.waitForBytes(static_cast<int>(stream.size()) + 4, 5000));
        QCOMPARE(pty.received(), stream + "FEFE");
    }
};

RV_TEST_GUILESS_MAIN(TestTransferSession)
#include "test_transfer_session.moc"
