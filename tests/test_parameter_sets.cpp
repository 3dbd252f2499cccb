// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/data_Files.h"
#include "support/window_Fixture.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/link/SerialLink.h"
#include "core/model/Rounding.h"
#include "support/link_PseudoTerminal.h"
#include "support/test_main.h"
#include "ui/device/PortSelection.h"
#include "ui/document/FileCommands.h"
#include "ui/pages/controller/GovernorSpeedRows.h"
#include "ui/pages/general/FlightPhasePanel.h"
#include "ui/pages/general/GeneralPage.h"
#include "ui/texts/Dialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSlider>
#include <QTest>
#include <QTimer>

using namespace rv;
using rv::test::neutralRecord;
using rv::test::withBytes;

namespace {
int sliderPosition(MainWindow& window, const char* name) {
    return window.findChild<QSlider*>(QLatin1String(name))->value();
}
} // namespace

class TestParameterSets : public QObject {
    Q_OBJECT

    // A window that started with the neutral setup in Default.rvc.
    static MainWindow& startNeutral(WindowFixture& fx,
                                    const QString& comPort = QStringLiteral("1")) {
        fx.writeFile(QStringLiteral("Default.rvc"), neutralRecord());
        fx.writeSettings(comPort, QStringLiteral("Default.rvc"), QStringLiteral("1"));
        return fx.start();
    }

private Q_SLOTS:
    // Asking whether anything is unsaved (on open or close) changes nothing:
    // a restore afterwards still goes back to the values of the load.
    void unsavedChangesCheckLeavesTheRestoresAlone() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        auto* switchTime = window.findChild<QSlider*>(QStringLiteral("PhaseChangeSl"));
        auto* hoverSpeed = window.findChild<QSlider*>(QStringLiteral("SchwebenSl"));
        switchTime->setValue(12);
        hoverSpeed->setValue(2000);
        QVERIFY(window.fileCommands().hasUnsavedChanges());
        QVERIFY(window.fileCommands().hasUnsavedChanges()); // asking twice: still unsaved
        window.generalPage().flightPhase()->restoreHoverToAcro();
        QCOMPARE(switchTime->value(), 5);
        QCOMPARE(window.setup().hoverToAcroTenths, 5);
        window.findChild<GovernorSpeedRows*>()->restoreHoverSpeed();
        QCOMPARE(hoverSpeed->value(), 1500);
        QVERIFY(!window.fileCommands().hasUnsavedChanges());
    }

    void loadedBytesGoThroughTheControls() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        QVERIFY(!window.fileCommands().hasUnsavedChanges());

        fx.writeFile(QStringLiteral("a.rvc"),
                     withBytes(neutralRecord(), {{14, 200}, {6, 65}, {2, 15}, {3, 8}}));
        fx.openFile(QStringLiteral("a.rvc"));
        QVERIFY(MessageBox::history().isEmpty());
        QCOMPARE(sliderPosition(window, "Para14Sl"), 78);
        QCOMPARE(int(window.setup().image.at(14)), 198);
        QCOMPARE(int(window.setup().image.at(4)), 39);
        QCOMPARE(int(window.setup().image.at(5)), 46);
        QCOMPARE(sliderPosition(window, "PhaseChangeSl"), 15);
        QVERIFY(window.fileCommands().hasUnsavedChanges()); // 200 became 198

        fx.writeFile(QStringLiteral("b.rvc"), withBytes(neutralRecord(), {{6, 10}}));
        fx.openFile(QStringLiteral("b.rvc"));
        QCOMPARE(int(window.setup().image.at(4)), 30); // from the 500 rpm shown
        QCOMPARE(int(window.setup().image.at(5)), 35);
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cboPort"))->count(), 16);
    }

    // A byte that no option or channel stands for refuses the whole file: the
    // window keeps the setup it had, so nothing mixed can be saved or sent.
    void aByteWithoutOptionLeavesTheSetupAsItWas_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::newRow("main output") << 29 << 2;
        QTest::newRow("tail signal") << 31 << 0x02;
        QTest::newRow("tail signal, combo bit set") << 31 << 0x83;
        QTest::newRow("tail beep") << 32 << 2;
        QTest::newRow("heli type") << 40 << 2;
        QTest::newRow("main motor") << 41 << 2;
        QTest::newRow("swashplate") << 42 << 3;
        QTest::newRow("gyro reverse") << 48 << 3;
        QTest::newRow("channel 10") << 52 << 10;
        QTest::newRow("channel 127 reversed") << 57 << 0xFF;
    }
    void aByteWithoutOptionLeavesTheSetupAsItWas() {
        QFETCH(int, index);
        QFETCH(int, value);
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        QPlainTextEdit* comment = window.findChild<QPlainTextEdit*>(QStringLiteral("Comment"));
        comment->setPlainText(QStringLiteral("my notes")); // an edit not yet saved
        collectImage(window.setup());
        const ParameterImage before = window.setup().image;
        const ParameterImage referenceBefore = window.setup().referenceImage;
        const CurveSet curvesBefore = window.setup().curves;

        // Every other byte differs from the window's, so that a partial load would show.
        QByteArray bad =
            withBytes(neutralRecord(), {{28, 255}, {30, 255}, {13, 20}, {index, value}});
        bad[RecordOffset::FirstCurves + 2] = 77;
        fx.writeFile(QStringLiteral("bad.rvc"), bad);
        MessageBox::setNextAnswer(QMessageBox::No); // "Save first?"
        fx.openFile(QStringLiteral("bad.rvc"));

        QCOMPARE(MessageBox::history().size(), 2);
        const MessageBox::Shown& shown = MessageBox::history().last();
        QCOMPARE(shown.text, QStringLiteral("Cannot open file."));
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown.detail,
                 fx.path(QStringLiteral("bad.rvc")) +
                     QStringLiteral("\nByte %1 of the parameter set holds %2, which no setting of "
                                    "this program stands for.")
                         .arg(index)
                         .arg(value));

        collectImage(window.setup());
        QCOMPARE(window.setup().image, before);
        QCOMPARE(window.setup().referenceImage, referenceBefore);
        QVERIFY(window.setup().curves == curvesBefore);
        QCOMPARE(sliderPosition(window, "Para28Sl"), 50);
        QCOMPARE(comment->toPlainText(), QStringLiteral("my notes"));
        QVERIFY(window.fileCommands().hasUnsavedChanges());
        // The current file is still the one the window shows.
        QCOMPARE(window.setup().currentFileName, QStringLiteral("Default.rvc"));
        QCOMPARE(fx.setting(QStringLiteral("LastFile")), QStringLiteral("Default.rvc"));
    }

    // In RPM-controlled mode the governor and the 120°/90° swashplates are never
    // loaded, whichever heli type the file before had.
    void rpmControlledFilesLoadTheSameAfterAnyFile() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        const QByteArray rpm = withBytes(neutralRecord(), {{40, 0}, {41, 0}, {42, 2}});
        const QByteArray governor = withBytes(neutralRecord(), {{40, 0}, {41, 1}, {42, 0}});
        fx.writeFile(QStringLiteral("rpm.rvc"), rpm);
        fx.writeFile(QStringLiteral("governor.rvc"), governor);
        for (const char* first : {"Default.rvc", "rpm.rvc"}) {
            fx.openFile(QString::fromLatin1(first));
            fx.openFile(QStringLiteral("governor.rvc"));
            QVERIFY(std::none_of(MessageBox::history().begin(), MessageBox::history().end(),
                                 [](const MessageBox::Shown& shown) {
                                     return shown.text.startsWith(QStringLiteral("Cannot"));
                                 }));
            collectImage(window.setup());
            QCOMPARE(int(window.setup().image.at(41)), 0);
            QCOMPARE(int(window.setup().image.at(42)), 2);
            QVERIFY(window.findChild<QAbstractButton*>(QStringLiteral("Drehzahl_0"))->isChecked());
            QVERIFY(window.findChild<QAbstractButton*>(QStringLiteral("TSMode_2"))->isChecked());
            MessageBox::setNextAnswer(QMessageBox::No); // "Save first?": the load changed 41, 42
        }
    }

    void outOfRangeSliderBytesAreLimited() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        fx.writeFile(
            QStringLiteral("wide.rvc"),
            withBytes(neutralRecord(),
                      {{13, 200}, {8, 255}, {18, 180}, {6, 10}, {7, 255}, {2, 99}, {38, 250}}));
        fx.openFile(QStringLiteral("wide.rvc"));
        QVERIFY(MessageBox::history().isEmpty());
        QCOMPARE(sliderPosition(window, "Para13Sl"), 10);
        QCOMPARE(sliderPosition(window, "Para8Sl"), 2000);
        QCOMPARE(sliderPosition(window, "DualRateSl"), 100);
        QCOMPARE(sliderPosition(window, "SchwebenSl"), 500);
        QCOMPARE(sliderPosition(window, "AcroSl"), 2500);
        QCOMPARE(sliderPosition(window, "PitchSl"), 100);
        collectImage(window.setup());
        QCOMPARE(int(window.setup().image.at(13)), 25);
        QCOMPARE(int(window.setup().image.at(8)), 200);
        QCOMPARE(int(window.setup().image.at(6)), 50);
        QCOMPARE(int(window.setup().image.at(7)), 250);
        QCOMPARE(int(window.setup().image.at(2)), 20);
        QCOMPARE(int(window.setup().image.at(38)), 100);
    }

    void portSelection() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx, QStringLiteral("3"));
        auto* ports = window.findChild<QComboBox*>(QStringLiteral("cboPort"));
        QCOMPARE(ports->count(), 16);
        QCOMPARE(ports->currentText(), QStringLiteral("Com3"));
        QCOMPARE(ports->itemText(15), QStringLiteral("Com16"));
        QCOMPARE(window.serialPort().portNumber(), 3);
        QVERIFY(!window.fileCommands().hasUnsavedChanges());

        fx.writeSettings(QStringLiteral("9"), fx.path(QStringLiteral("Default.rvc")),
                         QStringLiteral("1"));
        Q_EMIT ports->activated(2); // the entry already selected
        QVERIFY(!window.setup().changed);
        QCOMPARE(fx.setting(QStringLiteral("ComPort")), QStringLiteral("3"));

        ports->setCurrentIndex(4);
        Q_EMIT ports->activated(4);
        QVERIFY(window.setup().changed);
        QCOMPARE(window.serialPort().portNumber(), 5);
        QCOMPARE(fx.setting(QStringLiteral("ComPort")), QStringLiteral("5"));
    }

    // A device pinned in the settings is marked while it is not there, and the
    // label follows it coming and going while the window is active, though
    // not while a command holds the port.
    void portLabelFollowsItsDevice() {
        WindowFixture fx;
        const QString device = fx.path(QStringLiteral("ttyRV0"));
        test::namePortDevice(1, device);
        MainWindow& window = startNeutral(fx);
        window.selectTab(2); // the page with the port list
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* label = window.findChild<QLabel*>(QStringLiteral("PortDevice"));
        QCOMPARE(label->text(), device + QStringLiteral(" (not connected)"));
        QCOMPARE(label->toolTip(), device + QStringLiteral(" is not connected."));
        auto* ports = window.findChild<PortSelection*>();
        auto* recheck = ports->findChild<QTimer*>();
        QVERIFY(recheck->isActive());
        QCOMPARE(recheck->interval(), 2000);

        test::PseudoTerminal pty;
        QVERIFY(QFile::link(pty.slavePath(), device)); // the adapter is plugged in
        ports->recheckDevice();
        QCOMPARE(label->text(), device);
        QCOMPARE(label->toolTip(), device);

        QVERIFY(window.serialPort().open());
        QVERIFY(QFile::remove(device));
        ports->recheckDevice();
        QCOMPARE(label->text(), device);
        window.serialPort().close();
        ports->recheckDevice();
        QCOMPARE(label->text(), device + QStringLiteral(" (not connected)"));
    }

    void failedStartLeavesTheInitialState() {
        WindowFixture fx;
        fx.writeSettings(QStringLiteral("4"), QStringLiteral("nothing.rvc"), QStringLiteral("1"));
        MainWindow& window = fx.start();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text, QStringLiteral("Cannot open file."));
        QVERIFY(MessageBox::history().first().detail.startsWith(QStringLiteral("nothing.rvc\n")));
        // The missing "LastFile" is still the current file: a save proposes it.
        QCOMPARE(window.setup().currentFileName, QStringLiteral("nothing.rvc"));
        auto* ports = window.findChild<QComboBox*>(QStringLiteral("cboPort"));
        QCOMPARE(ports->count(), 0);
        QCOMPARE(ports->placeholderText(), QStringLiteral("COM 1"));
        QCOMPARE(window.serialPort().portNumber(), 4);
        for (int i = 0; i < 71; ++i) {
            QCOMPARE(int(window.setup().image.at(i)), 0);
        }
        // Collecting empty displays works and closing does not fail.
        collectImage(window.setup());
        QCOMPARE(int(window.setup().image.at(6)), 0);
    }

    // Files with known content load and save again with only the differences
    // the controls make: re-scaled percent bytes, indices 4 and 5, the
    // RPM-controlled normalisation, index 54 and the held throttle point.
    void filesRoundTripThroughTheWindow() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        const Setup baseline = neutralSetup();
        QRandomGenerator random(4711);
        const int percentIndices[] = {13, 14, 15, 16, 17, 19, 20, 21, 22, 24,
                                      25, 26, 27, 28, 30, 33, 34, 43, 45};
        for (int round = 0; round < 40; ++round) {
            QByteArray record(RecordSize, '\0');
            for (int i = 0; i < RecordSize; ++i) {
                record[i] = static_cast<char>(random.bounded(256));
            }
            // Option bytes with an option each, channels 0..9 with reverse bits.
            record[29] = char(random.bounded(2));
            record[31] = char(random.bounded(2) | (random.bounded(2) << 7));
            record[32] = char(random.bounded(2));
            record[40] = char(round % 2);
            record[41] = char(random.bounded(2));
            record[42] = char(random.bounded(3));
            record[48] = char(random.bounded(3));
            for (int row = 0; row < 9; ++row) {
                record[50 + row] = char(random.bounded(10) | (random.bounded(2) << 7));
            }
            // Curves: points 0..200, removed points, a few foreign values.
            for (int offset : {71, 93, 115, 137, 159, 181, 203, 482, 504, 526, 548}) {
                for (int p = 0; p < 11; ++p) {
                    const int roll = random.bounded(20);
                    const int value = roll == 0   ? -1
                                      : roll == 1 ? int(random.bounded(-300, 3000))
                                                  : int(random.bounded(201));
                    record[offset + 2 * p] = char(value & 0xFF);
                    record[offset + 2 * p + 1] = char((value >> 8) & 0xFF);
                }
            }
            // A comment in Windows-1252, with line ends, then blanks.
            QByteArray comment("Heli \xE4\xF6\xFC\xDF \x80 setup\r\nline two");
            comment.append(QByteArray(1000 - comment.size(), ' '));
            record.replace(570, 1000, comment);

            fx.writeFile(QStringLiteral("in.rvc"),
                         neutralRecord()); // back to the baseline positions
            fx.openFile(QStringLiteral("in.rvc"));
            fx.writeFile(QStringLiteral("in.rvc"), record);
            fx.openFile(QStringLiteral("in.rvc"));
            QVERIFY2(MessageBox::history().isEmpty(),
                     qPrintable(MessageBox::history().value(0).text));
            FileDialogs::setNextFileName(fx.path(QStringLiteral("out.rvc")));
            QVERIFY(window.fileCommands().saveFile());
            QVERIFY(!window.fileCommands().hasUnsavedChanges());
            const QByteArray saved = fx.readFile(QStringLiteral("out.rvc"));
            QCOMPARE(saved.size(), RecordSize);

            QByteArray expected = record;
            auto in = [&](int i) { return int(static_cast<std::uint8_t>(record[i])); };
            for (int i : percentIndices) {
                const int wanted = PercentScale::toPosition(in(i));
                const int position = std::min(wanted, i == 13 ? 10 : 100);
                if (position != wanted ||
                    position != PercentScale::toPosition(baseline.image.at(i))) {
                    expected[i] = char(PercentScale::toByte(position));
                }
            }
            for (int i = 8; i <= 11; ++i) {
                expected[i] = char(std::min(in(i), 200));
            }
            expected[18] = char(std::min(in(18), 100));
            expected[2] = char(std::min(in(2), 20));
            expected[3] = char(std::min(in(3), 20));
            const int hoverShown = std::clamp(in(6), 50, 250); // what 4 and 5 derive from
            expected[4] = char(rv::roundHalfEven(hoverShown * 6 / 10.0));
            expected[5] = char(rv::roundHalfEven(hoverShown * 7 / 10.0));
            expected[6] = char(hoverShown);
            expected[7] = char(std::clamp(in(7), 50, 250));
            expected[38] = char(std::min(in(38), 100));
            expected[39] = char(std::min(in(39), 100));
            if (in(40) == 0) {
                expected[41] = 0;                // RPM controlled: throttle curve
                expected[42] = 2;                // and the third swashplate option
                expected[54] = 0;                // and no phase channel
                expected[71] = expected[72] = 0; // the hover throttle curve's held point
            }
            for (int i = 0; i < RecordSize; ++i) {
                if (saved[i] != expected[i]) {
                    QFAIL(qPrintable(
                        QStringLiteral("round %1, byte %2: saved %3, expected %4, loaded %5")
                            .arg(round)
                            .arg(i)
                            .arg(int(static_cast<std::uint8_t>(saved[i])))
                            .arg(int(static_cast<std::uint8_t>(expected[i])))
                            .arg(in(i))));
                }
            }
        }
    }
};

RV_TEST_MAIN(TestParameterSets)
#include "test_parameter_sets.moc"
