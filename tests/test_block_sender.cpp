// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/BlockSender.h"
#include "core/link/PortDevices.h"
#include "core/link/SerialLink.h"
#include "support/link_PseudoTerminal.h"
#include "support/test_main.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

using namespace rv;
using rv::test::PseudoTerminal;

// The transfer engine on a real pseudo-terminal, without widgets.
class TestBlockSender : public QObject {
    Q_OBJECT
    rv::test::TemporarySettings settings_;

private Q_SLOTS:
    void initTestCase() { QVERIFY(settings_.isValid()); }

    void sendsEachBlockWhenDueWithAFullPauseAndNoNestedLoop() {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        rv::test::namePortDevice(1, pty.slavePath());
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        QVERIFY(link.open());
        BlockSender sender(link);

        // What block 2 says is decided only when it is due: an edit made
        // during block 1's pause goes out.
        QByteArray second = "P2;1E";
        QList<int> asked;
        auto text = [&](int block) {
            asked.append(block);
            return block == 0 ? QByteArray("P0;7P1;8E") : block == 1 ? second : QByteArray("M0;5E");
        };
        connect(&sender, &BlockSender::blockSent, this, [&](int done, int total) {
            QCOMPARE(total, 3);
            if (done == 1) {
                second = "P2;99E";
            }
        });
        // The event loop stays the test's own all along: no handler runs inside a nested loop.
        int deepestLoop = 0;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            ++ticks;
            deepestLoop = std::max(deepestLoop, QThread::currentThread()->loopLevel());
        });
        ticker.start(5);

        QSignalSpy finished(&sender, &BlockSender::finished);
        sender.start(3, text, 100);
        QVERIFY(sender.isRunning());
        QVERIFY(asked.isEmpty()); // start() returns before anything is written
        QVERIFY(finished.wait(3000));
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(sender.blocksSent(), 3);
        QCOMPARE(asked, QList<int>({0, 1, 2}));
        QVERIFY(link.close());

        QVERIFY(pty.waitForBytes(20, 2000));
        QCOMPARE(pty.received(), QByteArray("P0;7P1;8EP2;99EM0;5E"));
        const QList<double> pauses = pty.pausesAfter('E');
        QCOMPARE(pauses.size(), 2);
        for (double pause : pauses) {
            QVERIFY2(pause >= 100.0, qPrintable(QString::number(pause)));
        }
        QCOMPARE(deepestLoop, 1);
        QVERIFY2(ticks >= 30, qPrintable(QString::number(ticks)));
    }

    void anUnpluggedLineEndsTheRunWithTheBlocksThatArrived() {
        auto pty = std::make_unique<PseudoTerminal>();
        rv::test::namePortDevice(1, pty->slavePath());
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        QVERIFY(link.open());
        BlockSender sender(link);
        connect(&sender, &BlockSender::blockSent, this, [&](int done) {
            if (done == 2) {
                pty->unplug();
            }
        });
        QSignalSpy finished(&sender, &BlockSender::finished);
        sender.start(
            5, [](int) { return QByteArray("P0;1E"); }, 100);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().first().toBool(), false);
        QCOMPARE(sender.blocksSent(), 2);
        QVERIFY(!sender.errorString().isEmpty());
        QVERIFY(!sender.isRunning());
        QVERIFY(!link.isOpen()); // the next command can open it again
    }

    void aPortThatIsNotOpenFailsAfterStartReturned() {
        SerialLink link;
        BlockSender sender(link);
        QSignalSpy finished(&sender, &BlockSender::finished);
        sender.start(
            1, [](int) { return QByteArray("FE"); }, 1000);
        QCOMPARE(finished.count(), 0);
        QVERIFY(finished.wait(1000));
        QCOMPARE(finished.first().first().toBool(), false);
        QCOMPARE(sender.blocksSent(), 0);
    }
};

RV_TEST_GUILESS_MAIN(TestBlockSender)
#include "test_block_sender.moc"
