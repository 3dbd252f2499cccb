// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/SetupRecord.h"
#include "core/link/TransferProtocol.h"
#include "support/test_main.h"
#include "support/transfer_Rig.h"
#include "ui/texts/Dialogs.h"
#include "ui/texts/MessageTexts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace rv;
using namespace rv::test;

class TestTransfer : public QObject {
    Q_OBJECT
    TemporarySettings settings_;
    Setup set_;
    MessageTexts texts_;

    std::unique_ptr<TransferRig> makeRig() { return std::make_unique<TransferRig>(set_, texts_); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        MessageBox::setTestMode(true);
    }

    void init() {
        MessageBox::clearHistory();
        set_ = distinctTransferSetup();
    }

    void streamHasTheBlocksAndCommandsTheUnitExpects() {
        const QByteArray yes = TransferProtocol::transferText(set_.image, set_.curves, true);
        const QByteArray no = TransferProtocol::transferText(set_.image, set_.curves, false);
        QCOMPARE(yes, expectedStream(set_.image, set_.curves, true));
        QCOMPARE(no, expectedStream(set_.image, set_.curves, false));
        QCOMPARE(countMatches(yes, "P\\d+;"), 58);
        QCOMPARE(countMatches(no, "P\\d+;"), 49);
        QCOMPARE(countMatches(yes, "[MTAGNRtagnr]\\d+;"), 121);
        QCOMPARE(countMatches(yes, "E"), 17);
        QCOMPARE(countMatches(no, "E"), 16);
        QVERIFY(!yes.contains("P49;"));
        QVERIFY(!no.contains("P50;") && !no.contains("P58;"));
        QVERIFY(yes.contains("P9;" + QByteArray::number(set_.image.at(9)) + "P10;7EP11;"));
        QVERIFY(no.contains("P48;" + QByteArray::number(set_.image.at(48)) + "EM0;"));
        // Removed points are filled half to even; a trailing gap stays -1.
        QVERIFY(yes.contains("G0;0G1;10G2;20G3;30G4;40G5;100G6;120G7;140G8;160G9;180G10;200E"));
        QVERIFY(yes.contains("T10;-1E"));
    }

    void transferSendsTheStreamWithPausesForBothAnswers_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("channel table") << true;
        QTest::newRow("no channel table") << false;
    }
    void transferSendsTheStreamWithPausesForBothAnswers() {
        QFETCH(bool, yes);
        auto rig = makeRig();
        set_.curves.byLetter('M')[0] = -1; // only a foreign file has this
        const Setup before = set_;
        MessageBox::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        QSignalSpy busy(rig->commands.get(), &DeviceCommands::busyChanged);
        QSignalSpy progress(rig->commands.get(), &DeviceCommands::progress);
        QSignalSpy finished(rig->commands.get(), &DeviceCommands::finished);
        bool busyCursorSeen = false;
        QTimer::singleShot(50, [&] { busyCursorSeen = QApplication::overrideCursor() != nullptr; });

        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);

        const QByteArray expected = expectedStream(collectedImage(before), before.curves, yes);
        QCOMPARE(settle(*rig->pty, expected.size()), expected);
        QVERIFY(expected.startsWith("P0;5P1;42"));
        QVERIFY(expected.contains("M0;-1M1;"));
        QCOMPARE(MessageBox::history().size(), 1);
        const auto question = MessageBox::history().first();
        QCOMPARE(question.text, QString("Transfer channel table?"));
        QCOMPARE(question.icon, QMessageBox::NoIcon);
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(rig->commands->channelTableAnswer, std::uint8_t(yes ? 6 : 7));

        const QList<double> pauses = rig->pty->pausesAfter('E');
        QCOMPARE(pauses.size(), (yes ? 17 : 16) - 1);
        // The unit needs the full pause; ten times that would be a pause waited
        // for something else (a drain timing out, a timer started twice).
        for (double pause : pauses) {
            QVERIFY2(pause >= 100.0 && pause < 1000.0, qPrintable(QString::number(pause)));
        }

        QVERIFY(!rig->link.isOpen());
        QVERIFY(busyCursorSeen);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(busy.count(), 2);
        QCOMPARE(busy.last().first().toBool(), false);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(progress.last().at(0).toInt(), yes ? 17 : 16);
        QCOMPARE(progress.last().at(1).toInt(), yes ? 17 : 16);
        // Heli type 0, yet entries 54..58 are the channel bytes afterwards.
        QCOMPARE(set_.image.at(54), std::uint8_t{0x85});
        QCOMPARE(set_.image.at(58), std::uint8_t{9});
        QCOMPARE(set_.image.at(53), collectedImage(before).at(53));
        QVERIFY(!set_.changed);
    }

    void curveEditedDuringTheTransferGoesOutIfNotYetSent() {
        auto rig = makeRig();
        MessageBox::setNextAnswer(QMessageBox::No);
        QTimer::singleShot(150, [&] {
            set_.curves.byLetter('r') = Curve{0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200};
        });
        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        const QByteArray expected = expectedStream(collectedImage(set_), set_.curves, false);
        QCOMPARE(settle(*rig->pty, expected.size()), expected);
        QVERIFY(expected.endsWith("r9;180r10;200E"));
    }

    void storeSendsOnlyFeAndHoldsThePortASecond() {
        auto rig = makeRig();
        bool heldAt900 = false;
        qsizetype messagesAt900 = -1;
        QTimer::singleShot(900, [&] {
            heldAt900 = rig->link.isOpen();
            messagesAt900 = MessageBox::history().size();
        });
        // A transfer started meanwhile finds the port held and fails, without
        // its question, while the store command carries on; its message comes
        // once the store command is done, so that no box holds the command up.
        QTimer::singleShot(300, [&] { rig->commands->sendToUnit(); });
        QElapsedTimer clock;
        clock.start();
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        QVERIFY(clock.elapsed() >= 1000);
        QVERIFY(heldAt900);
        QCOMPARE(messagesAt900, 0);
        QVERIFY(!rig->link.isOpen());
        QCOMPARE(settle(*rig->pty, 2), QByteArray("FE"));
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text, QString("Cannot open port."));
        QVERIFY(!rig->commands->isBusy());
    }

    // The unit keeps what it last received: storing after an edit asks first,
    // and the status claims no more than that the store command went out.
    void storeAsksWhenTheWindowChangedSinceTheLastTransfer() {
        auto rig = makeRig();
        QSignalSpy status(rig->commands.get(), &DeviceCommands::statusChanged);
        auto lastStatus = [&] { return status.last().first().toString(); };
        QByteArray expected;
        auto transferAnsweredNo = [&] {
            expected += expectedStream(collectedImage(set_), set_.curves, false);
        };

        // Nothing sent yet in this run: there is nothing to compare with.
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        expected += "FE";
        QVERIFY(MessageBox::history().isEmpty());
        QCOMPARE(lastStatus(), QString("Store command sent to the Rotavionix."));

        MessageBox::setNextAnswer(QMessageBox::No);
        transferAnsweredNo();
        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        // Channels were not sent, so a channel edit leaves the unit's values alone.
        set_.image.set(Index::FirstChannel, channelByte(false, 1));
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        expected += "FE";
        QCOMPARE(MessageBox::history().size(), 1); // the channel-table question only

        set_.image.set(34, 200);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        QCOMPARE(MessageBox::history().size(), 2);
        const MessageBox::Shown question = MessageBox::history().last();
        QVERIFY(question.text.startsWith("The values in the window have changed"));
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(question.buttonTexts, QStringList({"Send, then store", "Store only", "Cancel"}));
        QCOMPARE(question.defaultButton, QMessageBox::Yes);

        MessageBox::setNextAnswer(QMessageBox::No); // store only
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        expected += "FE";

        // Send, then store: the normal transfer with its question, then FE.
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::No);
        transferAnsweredNo();
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        expected += "FE";
        QCOMPARE(MessageBox::history().size(), 5);
        QCOMPARE(MessageBox::history().last().text, QString("Transfer channel table?"));

        runToEnd(*rig->commands,
                 &DeviceCommands::storeInUnit); // the unit now holds the window's values
        expected += "FE";
        QCOMPARE(MessageBox::history().size(), 5);
        QCOMPARE(settle(*rig->pty, expected.size()), expected);
        QCOMPARE(lastStatus(), QString("Store command sent to the Rotavionix."));
    }

    // What a failed start-up load leaves goes out only when the pilot insists.
    void outOfRangeSetIsSentOnlyWhenThePilotInsists() {
        auto rig = makeRig();
        set_ = Setup{};
        QSignalSpy status(rig->commands.get(), &DeviceCommands::statusChanged);
        MessageBox::setNextAnswer(QMessageBox::Yes); // the channel table
        runToEnd(*rig->commands,
                 &DeviceCommands::sendToUnit); // the warning is left to its default
        QCOMPARE(MessageBox::history().size(), 2);
        const MessageBox::Shown warning = MessageBox::history().last();
        QCOMPARE(warning.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(warning.defaultButton, QMessageBox::No);
        QVERIFY2(warning.text.contains(
                     "\n\nRPM Hover: 0\nRPM Acro: 0\nServo 1: 0\nServo 2: 0\nServo 3: 0\n\n"),
                 qPrintable(warning.text));
        QCOMPARE(status.last().first().toString(), QString("Nothing was sent to the Rotavionix."));
        QVERIFY(!rig->link.isOpen());
        QVERIFY(!rig->commands->isBusy());
        QTest::qWait(50);
        QVERIFY(rig->pty->received().isEmpty());

        MessageBox::setNextAnswer(QMessageBox::No);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        const QByteArray expected = expectedStream(collectedImage(set_), set_.curves, false);
        QCOMPARE(settle(*rig->pty, expected.size()), expected);
    }

    void missingOrBusyPortFailsBeforeTheQuestionAndSendsNothing() {
        auto rig = makeRig();
        rv::test::namePortDevice(1, "/dev/rv-no-such-device");
        QSignalSpy finished(rig->commands.get(), &DeviceCommands::finished);
        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        QCOMPARE(MessageBox::history().size(), 1);
        const auto message = MessageBox::history().first();
        QCOMPARE(message.text, QString("Cannot open port."));
        QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(message.detail.contains("/dev/rv-no-such-device"));
        QVERIFY(!message.detail.contains("Only part")); // nothing was sent
        QCOMPARE(finished.count(), 1);
        QVERIFY(!rig->commands->isBusy());
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        rv::test::namePortDevice(1, rig->pty->slavePath());
        QSerialPort holder(rig->pty->slavePath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        MessageBox::clearHistory();
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().at(1).text, QString("Cannot open port."));
        QVERIFY(!MessageBox::history().at(1).detail.isEmpty());
        QTest::qWait(50);
        QVERIFY(rig->pty->received().isEmpty());
    }

    // The history keeps what the window held when the pilot pressed the
    // button, and the store command beside the transfer it stored.
    void historyKeepsEachTransferAndTheStoreCommand() {
        auto rig = makeRig();
        set_.currentFileName = QStringLiteral("/field/Logo 600.rvc");
        const Setup before = set_;
        MessageBox::setNextAnswer(QMessageBox::No);
        QTimer::singleShot(150, [&] { set_.image.set(34, 10); });
        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        QVERIFY(rig->pty->received().contains("P34;10"));
        MessageBox::setNextAnswer(QMessageBox::No); // the window changed: store only
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);

        const TransferHistoryListing listing = rig->history();
        QCOMPARE(listing.entries.size(), 1);
        const TransferHistoryEntry& entry = listing.entries[0];
        QVERIFY(!entry.isPartial());
        QCOMPARE(entry.fileName, QStringLiteral("Logo 600"));
        QCOMPARE(entry.stores.size(), 1);
        QByteArray record;
        QVERIFY(TransferHistory::readEntry(entry.path, record, nullptr));
        QCOMPARE(record, recordOf(before));
        QCOMPARE(rig->commands->lastTransfer()->fileName, before.currentFileName);
        QVERIFY(!rig->commands->lastTransfer()->partial);
    }

    // Writing the history never holds a transfer up; its failure is said once,
    // in the status, not in a box.
    void aHistoryThatCannotBeWrittenNeverStopsATransfer() {
        auto rig = makeRig();
        QFile blocker(rig->historyDir.filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        rig->commands->setHistoryFolder(blocker.fileName() + QStringLiteral("/sent"));
        QSignalSpy status(rig->commands.get(), &DeviceCommands::statusChanged);
        const QByteArray expected = expectedStream(collectedImage(set_), set_.curves, false);
        for (int transfer = 0; transfer < 2; ++transfer) {
            MessageBox::setNextAnswer(QMessageBox::No);
            runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        }
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        QCOMPARE(settle(*rig->pty, 2 * expected.size() + 2), expected + expected + "FE");
        QCOMPARE(MessageBox::history().size(), 2); // the two channel-table questions
        QStringList endings;
        for (const QList<QVariant>& shown : status) {
            if (!shown.first().toString().startsWith(QStringLiteral("Sending"))) {
                endings << shown.first().toString();
            }
        }
        QCOMPARE(endings,
                 QStringList({QStringLiteral("All data sent to the Rotavionix. The transfer "
                                             "history could not be written: The folder %1 "
                                             "cannot be created.")
                                  .arg(blocker.fileName() + QStringLiteral("/sent")),
                              QStringLiteral("All data sent to the Rotavionix."),
                              QStringLiteral("Saving the data in the Rotavionix..."),
                              QStringLiteral("Store command sent to the Rotavionix.")}));
    }

    void unpluggedDeviceEndsTheTransferAndTheNextOneWorks() {
        auto rig = makeRig();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        // Unplugged in the pause after the third block, once the unit has it:
        // at a moment chosen by a clock, a block may be on the line, and
        // whether it counts would depend on how fast the machine runs.
        const QMetaObject::Connection unplugAfterThird = connect(
            rig->commands.get(), &DeviceCommands::progress, rig->commands.get(), [&](int done) {
                if (done == 3) {
                    QElapsedTimer waited;
                    waited.start();
                    while (countMatches(rig->pty->received(), "E") < 3 && waited.elapsed() < 2000) {
                        QThread::msleep(2);
                    }
                    rig->pty->unplug();
                }
            });
        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        disconnect(unplugAfterThird);
        // Seen as the unplug it is, not waited out until the drain gives up.
        QVERIFY(!MessageBox::history().last().detail.contains("did not take the data"));
        QVERIFY(!rig->link.isOpen());
        QVERIFY(!rig->commands->isBusy());
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().last().text, QString("Cannot open port."));
        // The pilot is warned not to store what is now in the unit.
        QVERIFY(MessageBox::history().last().detail.contains("Only part of the data"));
        QCOMPARE(set_.image.at(54), channelByte(false, 5)); // not rewritten after a failure
        const TransferHistoryListing broken = rig->history();
        QCOMPARE(broken.entries.size(), 1);
        QVERIFY(broken.entries[0].isPartial());
        QCOMPARE(broken.entries[0].blocksPlanned, 17);
        QCOMPARE(broken.entries[0].blocksArrived, countMatches(rig->pty->received(), "E"));
        QCOMPARE(broken.entries[0].blocksArrived, 3);
        QVERIFY(rig->commands->lastTransfer()->partial);
        // The unit now holds part of the set: storing it asks first.
        runToEnd(*rig->commands, &DeviceCommands::storeInUnit);
        QCOMPARE(MessageBox::history().size(), 3);
        QCOMPARE(MessageBox::history().last().defaultButton, QMessageBox::Yes);

        rig->pty = std::make_unique<PseudoTerminal>();
        rv::test::namePortDevice(1, rig->pty->slavePath());
        MessageBox::clearHistory();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        const Setup before = set_;
        runToEnd(*rig->commands, &DeviceCommands::sendToUnit);
        QCOMPARE(MessageBox::history().size(), 1);
        const QByteArray expected = expectedStream(collectedImage(before), before.curves, true);
        QCOMPARE(settle(*rig->pty, expected.size()), expected);
    }
};

RV_TEST_MAIN(TestTransfer)
#include "test_transfer.moc"
