// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/OptionFields.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "support/params_widgets.h"
#include "support/test_main.h"
#include "ui/pages/controller/ControllerPage.h"
#include "ui/pages/setup/OptionTable.h"
#include "ui/pages/setup/SetupPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace rv;

namespace {
// Clicks on the box itself: a wide check box does not react to its empty right part.
void clickBox(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

bool showActive(QWidget* page) {
    page->show();
    page->activateWindow();
    return QTest::qWaitForWindowActive(page);
}
} // namespace

class TestOptionSwitches : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The window offers exactly the options a loaded byte may name, no more, no fewer.
    void optionGroupsOfferWhatTheImageChecksAllow() {
        const auto countOf = [](OptionTarget target) {
            switch (target) {
            case OptionTarget::PitchMode:
                return OptionFields::HeliType.count;
            case OptionTarget::SpeedMode:
                return OptionFields::MainMotor.count;
            case OptionTarget::ServoMode:
                return OptionFields::Swashplate.count;
            case OptionTarget::MainOut:
                return OptionFields::MainOut.count;
            case OptionTarget::TailSignal:
                return OptionFields::TailSignal.count;
            case OptionTarget::ComboTail:
                return 2; // one bit
            case OptionTarget::TailBeep:
                return OptionFields::TailBeep.count;
            }
            return -1;
        };
        for (const OptionGroupDefinition& group : optionGroupDefinitions()) {
            QCOMPARE(group.count, countOf(group.target));
        }
    }

    void optionsExistInTheirFramesUnselected() {
        SetupDocument document;
        SetupPage page(document);
        for (const OptionGroupDefinition& group : optionGroupDefinitions()) {
            for (int i = 0; i < group.count; ++i) {
                const QString name =
                    QLatin1String(group.name) + QLatin1Char('_') + QString::number(i);
                auto* option = page.findChild<QRadioButton*>(name);
                QVERIFY2(option != nullptr, qPrintable(name));
                QCOMPARE(option->parentWidget()->objectName(), QLatin1String(group.frame));
                QCOMPARE(option->text(),
                         QString::fromUtf8(group.names->captions.at(static_cast<std::size_t>(i))));
                QVERIFY(!option->isChecked());
            }
        }
        for (const char* name : {"TS1Inv", "TS2Inv", "TS3Inv"}) {
            auto* box = page.findChild<QCheckBox*>(QLatin1String(name));
            QVERIFY(box != nullptr);
            QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("frmServo"));
        }
    }

    void rpmControlledForcesThrottleCurveAndThirdSwashplate() {
        SetupDocument document;
        Setup& set = document.writable();
        SetupPage page(document);
        QSignalSpy phase(&page, &SetupPage::phaseChannelsEnabled);
        PARAMS_CONTROL(QRadioButton, pitchControlled, &page, "Board_1");
        PARAMS_CONTROL(QRadioButton, rpmControlled, &page, "Board_0");
        PARAMS_CONTROL(QRadioButton, throttle, &page, "Drehzahl_0");
        PARAMS_CONTROL(QRadioButton, governor, &page, "Drehzahl_1");
        PARAMS_CONTROL(QRadioButton, swash120, &page, "TSMode_0");
        PARAMS_CONTROL(QRadioButton, swash90, &page, "TSMode_1");
        PARAMS_CONTROL(QRadioButton, swashPitchCyclicRoll, &page, "TSMode_2");

        pitchControlled->setChecked(true);
        governor->setChecked(true);
        swash90->setChecked(true);
        QCOMPARE(set.pitchMode, 1);
        QCOMPARE(set.speedMode, 1);
        QCOMPARE(set.swashplateType, 1);

        QTest::mouseClick(rpmControlled, Qt::LeftButton);
        QCOMPARE(set.pitchMode, 0);
        QVERIFY(throttle->isChecked());
        QVERIFY(swashPitchCyclicRoll->isChecked());
        QCOMPARE(set.speedMode, 0);
        QCOMPARE(set.swashplateType, 2);
        QVERIFY(!governor->isEnabled());
        QVERIFY(!swash120->isEnabled());
        QVERIFY(!swash90->isEnabled());
        QVERIFY(swashPitchCyclicRoll->isEnabled());
        QVERIFY(!governor->isHidden());

        // A greyed option cannot be chosen by the user.
        page.show();
        clickBox(governor);
        QVERIFY(throttle->isChecked());
        QCOMPARE(set.speedMode, 0);

        QTest::mouseClick(pitchControlled, Qt::LeftButton);
        QVERIFY(governor->isEnabled());
        QVERIFY(swash120->isEnabled());
        QVERIFY(swash90->isEnabled());
        QVERIFY(throttle->isChecked());
        QVERIFY(swashPitchCyclicRoll->isChecked());
        QCOMPARE(set.swashplateType, 2);

        QCOMPARE(phase.size(), 3);
        QCOMPARE(phase.at(0).at(0).toBool(), true);
        QCOMPARE(phase.at(1).at(0).toBool(), false);
        QCOMPARE(phase.at(2).at(0).toBool(), true);
    }

    void rpmModeResetsStateEvenWhenTheOptionsWereAlreadySelected() {
        // A load may set the state variables while the options stand elsewhere.
        SetupDocument document;
        Setup& set = document.writable();
        SetupPage page(document);
        PARAMS_CONTROL(QRadioButton, throttle, &page, "Drehzahl_0");
        PARAMS_CONTROL(QRadioButton, swashPitchCyclicRoll, &page, "TSMode_2");
        PARAMS_CONTROL(QRadioButton, rpmControlled, &page, "Board_0");
        throttle->setChecked(true);
        swashPitchCyclicRoll->setChecked(true);
        set.speedMode = 1;
        set.swashplateType = 0;
        rpmControlled->setChecked(true);
        QCOMPARE(set.speedMode, 0);
        QCOMPARE(set.swashplateType, 2);
    }

    void phaseChannelsAreDisabledWithinHeliTypeSwitch() {
        // The channel page reacts inside the handler, after the swashplate step.
        SetupDocument document;
        Setup& set = document.writable();
        SetupPage page(document);
        int servoModeSeen = -1;
        connect(&page, &SetupPage::phaseChannelsEnabled, &page,
                [&](bool) { servoModeSeen = set.swashplateType; });
        page.findChild<QRadioButton*>(QStringLiteral("Board_0"))->setChecked(true);
        QCOMPARE(servoModeSeen, 2);
    }

    void tailSignalAndComboTailShareIndex31() {
        SetupDocument document;
        Setup& set = document.writable();
        SetupPage page(document);
        PARAMS_CONTROL(QRadioButton, controller, &page, "HeckMode_1");
        PARAMS_CONTROL(QRadioButton, powerBoard, &page, "HeckMode_0");
        PARAMS_CONTROL(QRadioButton, comboOn, &page, "KombiMode_1");
        PARAMS_CONTROL(QRadioButton, comboOff, &page, "KombiMode_0");
        controller->setChecked(true);
        comboOff->setChecked(true);
        QCOMPARE(set.image.at(31), 0x01);
        comboOn->setChecked(true);
        QCOMPARE(set.image.at(31), 0x81);
        powerBoard->setChecked(true);
        QCOMPARE(set.image.at(31), 0x80);
        comboOff->setChecked(true);
        QCOMPARE(set.image.at(31), 0x00);
    }

    void singleByteOptionsWriteTheirIndex() {
        SetupDocument document;
        Setup& set = document.writable();
        SetupPage page(document);
        page.findChild<QRadioButton*>(QStringLiteral("MainOut_1"))->setChecked(true);
        page.findChild<QRadioButton*>(QStringLiteral("TailBeep_1"))->setChecked(true);
        QCOMPARE(set.image.at(29), 1);
        QCOMPARE(set.image.at(32), 1);
        page.findChild<QRadioButton*>(QStringLiteral("MainOut_0"))->setChecked(true);
        page.findChild<QRadioButton*>(QStringLiteral("TailBeep_0"))->setChecked(true);
        QCOMPARE(set.image.at(29), 0);
        QCOMPARE(set.image.at(32), 0);
    }

    void servoReverseSetsOnlyTheStateVariable() {
        SetupDocument document;
        Setup& set = document.writable();
        SetupPage page(document);
        page.show();
        PARAMS_CONTROL(QCheckBox, servo2, &page, "TS2Inv");
        clickBox(servo2);
        QCOMPARE(set.servoInverters[1], 1);
        QCOMPARE(set.image.at(36), 0);
        servo2->setFocus();
        QTest::keyClick(servo2, Qt::Key_Space);
        QCOMPARE(set.servoInverters[1], 255);
        QCOMPARE(set.servoInverters[0], 0); // never touched: collects as 0
    }

    void gyroReverseWritesItsStateIncludingGrey() {
        SetupDocument document;
        Setup& set = document.writable();
        ControllerPage page(document, nullptr);
        page.show();
        PARAMS_CONTROL(QCheckBox, gyro, &page, "GyroInverter");
        QCOMPARE(gyro->parentWidget()->objectName(), QStringLiteral("fraKreisel"));
        clickBox(gyro);
        QCOMPARE(set.image.at(48), 1);

        gyro->setCheckState(Qt::PartiallyChecked);
        QCOMPARE(set.image.at(48), 2);
        // Once the user decides, the grey state cannot come back by clicking.
        clickBox(gyro);
        clickBox(gyro);
        clickBox(gyro);
        QVERIFY(gyro->checkState() != Qt::PartiallyChecked);
        QCOMPARE(set.image.at(48), gyro->isChecked() ? 1 : 0);
    }

    void arrowKeysMoveTheSelectionWithinAGroup() {
        SetupDocument document;
        Setup& set = document.writable();
        SetupPage page(document);
        QVERIFY(showActive(&page));
        PARAMS_CONTROL(QRadioButton, swash120, &page, "TSMode_0");
        PARAMS_CONTROL(QRadioButton, swash90, &page, "TSMode_1");
        swash120->setChecked(true);
        swash120->setFocus();
        QTest::keyClick(swash120, Qt::Key_Down);
        QVERIFY(swash90->isChecked());
        QCOMPARE(set.swashplateType, 1);
    }

    void tabVisitsTheConfigurationControlsInReadingOrder() {
        SetupDocument document;
        SetupPage page(document);
        page.show();
        QStringList order;
        QWidget* w = page.findChild<QRadioButton*>(QStringLiteral("Board_0"));
        w->setFocus();
        for (int i = 0; i < 60 && w != nullptr; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
        }
        const auto at = [&](const char* name) { return order.indexOf(QLatin1String(name)); };
        QVERIFY(at("Board_0") < at("Drehzahl_0"));
        QVERIFY(at("Drehzahl_0") < at("MainOut_0"));
        QVERIFY(at("TailBeep_0") < at("TSMode_0"));
        QVERIFY(at("TSMode_2") < at("PitchSl"));
        QVERIFY(at("PitchSl") < at("TS1Inv"));
        QVERIFY(at("TS3Inv") < at("Para8Sl"));
        QVERIFY(at("Para11Sl") < at("DualRateSl"));
        QVERIFY(at("DualRateSl") < at("cboPort"));
    }
};

RV_TEST_MAIN(TestOptionSwitches)
#include "test_option_switches.moc"
