// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/link_PseudoTerminal.h"
#include "support/window_Fixture.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/link/SerialLink.h"
#include "core/link/TransferProtocol.h"
#include "support/test_main.h"
#include "ui/device/DeviceCommands.h"
#include "ui/texts/Dialogs.h"
#include "ui/window/EditUndoStack.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTimer>

using namespace rv;

// The transfer as a pilot runs it: from the window's controls to the bytes
// that reach the unit.
class TestWindowTransfer : public QObject {
    Q_OBJECT

    static MainWindow& start(WindowFixture& fx, test::PseudoTerminal& unit) {
        fx.writeFile(QStringLiteral("Default.rvc"), encodeRecord(neutralSetup()));
        fx.writeSettings(QStringLiteral("1"), QStringLiteral("Default.rvc"), QStringLiteral("1"));
        test::namePortDevice(1, unit.slavePath());
        MainWindow& window = fx.start();
        window.show();
        return window;
    }

    static QString statusText(MainWindow& window) {
        return window.findChild<QLabel*>(QStringLiteral("TransferStatus"))->text();
    }

private Q_SLOTS:
    void sendsWhatTheWindowShows() {
        WindowFixture fx;
        test::PseudoTerminal unit;
        QVERIFY(unit.isValid());
        MainWindow& window = start(fx, unit);
        window.findChild<QSlider*>(QStringLiteral("Para34Sl"))->setValue(77);
        window.findChild<QSlider*>(QStringLiteral("SchwebenSl"))->setValue(1234);

        MessageBox::setNextAnswer(QMessageBox::Yes);
        window.findChild<QAbstractButton*>(QStringLiteral("cbDownload"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.deviceCommands().isBusy(), 10000);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text, QStringLiteral("Transfer channel table?"));

        const QByteArray stream = unit.received();
        QVERIFY(stream.startsWith("P0;0P1;0P2;5P3;5P4;90P5;105P6;123P7;150"));
        QVERIFY(stream.contains("P34;196"));
        QVERIFY(stream.contains("P50;2E"));
        QVERIFY(stream.contains("EP51;4P52;3P53;1P54;5P55;6P56;7P57;8P58;9E"));
        QVERIFY(stream.contains("EM0;0M1;20M2;40"));
        QVERIFY(stream.endsWith("r10;200E"));
        QCOMPARE(stream,
                 TransferProtocol::transferText(window.setup().image, window.setup().curves, true));
        // A transfer changes nothing that would need saving, beyond the edits themselves.
        QCOMPARE(window.setup().image.at(6), std::uint8_t(123));
        QCOMPARE(statusText(window), QStringLiteral("All data sent to the Rotavionix."));
    }

    // The status bar keeps what the unit was last sent, and says so as soon
    // as the window differs from it, and no longer once it is back: at once,
    // from the edit or the undo itself, without waiting for any timer.
    void unitStateFollowsTheWindow() {
        WindowFixture fx;
        test::PseudoTerminal unit;
        MainWindow& window = start(fx, unit);
        auto* state = window.findChild<QLabel*>(QStringLiteral("UnitState"));
        QVERIFY(state->text().isEmpty());
        MessageBox::setNextAnswer(QMessageBox::No);
        window.findChild<QAbstractButton*>(QStringLiteral("cbDownload"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.deviceCommands().isBusy(), 10000);
        const QString time = window.deviceCommands().lastTransfer()->startedAt.toString("HH:mm:ss");
        const QString sent = QStringLiteral("Rotavionix: Default.rvc, sent at ") + time;
        QCOMPARE(state->text(), sent);
        QCOMPARE(state->accessibleName(), sent);

        auto* gain = window.findChild<QSlider*>(QStringLiteral("Para34Sl"));
        const int sentGain = gain->value();
        const QString changed = QStringLiteral("Changed since the last transfer to the Rotavionix "
                                               "(Default.rvc, %1)")
                                    .arg(time);
        gain->setValue(sentGain + 5);
        QCOMPARE(state->text(), changed);
        window.edits().undo();
        QCOMPARE(gain->value(), sentGain);
        QCOMPARE(state->text(), sent);
        gain->setValue(sentGain + 5);
        QCOMPARE(state->text(), changed);
        gain->setValue(sentGain);
        QCOMPARE(state->text(), sent);
    }

    // A failed start-up load leaves zeros; the warning names what is wrong
    // as the window names it, in the window's language.
    void emptySetIsNotSentWithoutAsking() {
        WindowFixture fx;
        test::PseudoTerminal unit;
        fx.writeSettings(QStringLiteral("1"), QStringLiteral("Missing.rvc"), QStringLiteral("0"));
        test::namePortDevice(1, unit.slavePath());
        MainWindow& window = fx.start();
        MessageBox::clearHistory();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        window.findChild<QAbstractButton*>(QStringLiteral("cbDownload"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.deviceCommands().isBusy(), 10000);
        QCOMPARE(MessageBox::history().size(), 2);
        const QString warning = MessageBox::history().last().text;
        QVERIFY2(warning.contains("Drehzahl Schweben: 0\nDrehzahl Akro: 0\nServo 1: 0"),
                 qPrintable(warning));
        QVERIFY(warning.endsWith("Trotzdem übertragen?"));
        QTest::qWait(50);
        QVERIFY(unit.received().isEmpty());
    }

    void closingWaitsForTheTransfer() {
        WindowFixture fx;
        test::PseudoTerminal unit;
        MainWindow& window = start(fx, unit);
        bool closedDuringTransfer = true;
        QTimer::singleShot(300, &window, [&] {
            QVERIFY(window.deviceCommands().isBusy());
            closedDuringTransfer = window.close();
        });
        MessageBox::setNextAnswer(QMessageBox::No);
        window.findChild<QAbstractButton*>(QStringLiteral("cbDownload"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.deviceCommands().isBusy(), 10000);
        QVERIFY(!closedDuringTransfer);
        // The held-back close happens once the transfer has ended.
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(unit.received(), TransferProtocol::transferText(window.setup().image,
                                                                 window.setup().curves, false));
    }

    // Another file cannot be opened into a running transfer, and the busy
    // pointer does not stand over the channel-table question.
    void openingWaitsForTheTransfer() {
        WindowFixture fx;
        test::PseudoTerminal unit;
        MainWindow& window = start(fx, unit);
        auto* open = window.findChild<QAction*>(QStringLiteral("mnuOpen"));
        QVERIFY(open->isEnabled());
        const QByteArray expected =
            TransferProtocol::transferText(window.setup().image, window.setup().curves, false);
        bool enabledDuringTransfer = true;
        QTimer::singleShot(300, &window, [&] {
            QVERIFY(window.deviceCommands().isBusy());
            enabledDuringTransfer = open->isEnabled();
            FileDialogs::setNextFileName(fx.path(QStringLiteral("Default.rvc")));
            open->trigger();
        });
        MessageBox::setNextAnswer(QMessageBox::No);
        window.findChild<QAbstractButton*>(QStringLiteral("cbDownload"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.deviceCommands().isBusy(), 10000);
        QVERIFY(!enabledDuringTransfer);
        QVERIFY(open->isEnabled());
        QCOMPARE(unit.received(), expected);
        QVERIFY(FileDialogs::history().isEmpty());
        QCOMPARE(MessageBox::history().size(), 1); // the channel-table question
        QCOMPARE(MessageBox::history().first().pointer, std::optional(Qt::ArrowCursor));
    }

    void storeCommandAndAMissingPort() {
        WindowFixture fx;
        test::PseudoTerminal unit;
        MainWindow& window = start(fx, unit);
        // A port picked while the store command holds the port is ignored.
        auto* ports = window.findChild<QComboBox*>(QStringLiteral("cboPort"));
        QTimer::singleShot(300, &window, [&] {
            ports->setCurrentIndex(4);
            Q_EMIT ports->activated(4);
        });
        window.findChild<QAbstractButton*>(QStringLiteral("cbFlash"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.deviceCommands().isBusy(), 10000);
        QCOMPARE(unit.received(), QByteArray("FE"));
        QCOMPARE(ports->currentIndex(), 0);
        QCOMPARE(window.serialPort().portNumber(), 1);
        QVERIFY(!window.setup().changed);
        QVERIFY(MessageBox::history().isEmpty());
        QCOMPARE(statusText(window), QStringLiteral("Store command sent to the Rotavionix."));

        test::namePortDevice(1, fx.path(QStringLiteral("no-such-device")));
        window.findChild<QAbstractButton*>(QStringLiteral("cbDownload"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.deviceCommands().isBusy(), 10000);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text, QStringLiteral("Cannot open port."));
        QVERIFY(!MessageBox::history().first().detail.isEmpty());
        QCOMPARE(unit.received(), QByteArray("FE"));
        QCOMPARE(statusText(window), QString()); // the failure has its message box
    }
};

RV_TEST_MAIN(TestWindowTransfer)
#include "test_window_transfer.moc"
