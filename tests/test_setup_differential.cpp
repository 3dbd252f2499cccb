// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real window: random records loaded through its file commands,
// random edits through its controls, saves through its save command. The
// same records and edits go through the core functions alone; the window's
// setup, what its controls show, what it saves and what it would send must be
// what the core gives. tests/data/regression is replayed through the window.
//
// RV_DIFFERENTIAL_COUNT sets the number of records (default 300).
// RV_WRITE_REGRESSION=<folder> instead writes the regression data that
// test_setup_core replays (tests/data/regression): data/Default.rvc followed
// by random records, each with what the window saved and sent.
#include "support/data_Files.h"
#include "support/setup_RandomRecords.h"
#include "support/window_Fixture.h"

#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/link/TransferProtocol.h"
#include "core/model/CurveEditor.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/SetupEdits.h"
#include "core/model/SliderTable.h"
#include "support/test_main.h"
#include "ui/document/FileCommands.h"
#include "ui/pages/channels/ChannelOptionButton.h"
#include "ui/pages/channels/ChannelPage.h"
#include "ui/pages/general/GeneralPage.h"
#include "ui/texts/Dialogs.h"
#include "ui/widgets/SliderRowTable.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace rv;
using rv::test::fileBytes;

namespace {
struct Outcome {
    std::optional<QString> refusal; // the failure detail, if refused
    QByteArray saved;
    QByteArray sent;
    QByteArray sentWithChannels;
    bool unsavedAfterLoad = false;
};

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

// Every difference between what the window shows and holds and the Setup.
QStringList differences(MainWindow& window, const Setup& setup) {
    QStringList found;
    const auto check = [&found](bool same, const QString& what) {
        if (!same) {
            found << what;
        }
    };
    const Setup& shownSetup = window.setup();
    for (int i = 0; i < ParameterImage::Size; ++i) {
        check(shownSetup.image.at(i) == setup.image.at(i),
              QStringLiteral("image[%1] window %2 core %3")
                  .arg(i)
                  .arg(shownSetup.image.at(i))
                  .arg(setup.image.at(i)));
    }
    Setup comparable = shownSetup;
    comparable.currentFileName = setup.currentFileName;
    check(comparable == setup, QStringLiteral("setup"));

    const auto text = [&window](const char* name) {
        return window.findChild<QLabel*>(QLatin1String(name))->text();
    };
    const auto shown = [](const std::optional<int>& value, auto format) {
        return value ? format(*value) : QString();
    };
    const auto time = [](int tenths) { return FlightPhaseValues::formatSwitchTime(tenths); };
    const auto speed = [](int rpm) { return FlightPhaseValues::formatSpeed(rpm); };
    check(text("HoverAcro") == shown(setup.hoverToAcroTenths, time), QStringLiteral("HoverAcro"));
    check(text("AcroHover") == shown(setup.acroToHoverTenths, time), QStringLiteral("AcroHover"));
    check(text("SpeedHover") == shown(setup.hoverSpeedRpm, speed), QStringLiteral("SpeedHover"));
    check(text("SpeedAcro") == shown(setup.acroSpeedRpm, speed), QStringLiteral("SpeedAcro"));

    for (const SliderDefinition& row : sliderDefinitions()) {
        const int byte = row.kind != SliderKind::Part    ? setup.image.at(row.index)
                         : row.index == Index::PitchPart ? setup.pitchPart
                                                         : setup.cyclicPart;
        // A time slider dragged between two steps (15 ms) shows the step below.
        const int position =
            window.findChild<QSlider*>(QLatin1String(sliderRowNames(row).slider))->value();
        check(SliderArithmetic::positionForByte(row,
                                                SliderArithmetic::byteForPosition(row, position)) ==
                  SliderArithmetic::positionForByte(row, byte),
              QLatin1String(sliderRowNames(row).slider));
    }

    const auto selected = [&window](const char* group, int count) {
        for (int i = 0; i < count; ++i) {
            if (window.findChild<QRadioButton*>(QStringLiteral("%1_%2").arg(group).arg(i))
                    ->isChecked()) {
                return i;
            }
        }
        return -1;
    };
    const auto option = [&setup](int value) { return setup.optionsShown ? value : -1; };
    check(selected("MainOut", 2) == option(SetupOptions::mainOut(setup)),
          QStringLiteral("MainOut"));
    check(selected("HeckMode", 2) == option(SetupOptions::tailSignal(setup)),
          QStringLiteral("HeckMode"));
    check(selected("KombiMode", 2) == option(SetupOptions::comboTail(setup)),
          QStringLiteral("KombiMode"));
    check(selected("TailBeep", 2) == option(SetupOptions::tailBeep(setup)),
          QStringLiteral("TailBeep"));
    check(selected("Board", 2) == option(setup.pitchMode), QStringLiteral("Board"));
    check(selected("Drehzahl", 2) == option(setup.speedMode), QStringLiteral("Drehzahl"));
    check(selected("TSMode", 3) == option(setup.swashplateType), QStringLiteral("TSMode"));
    check(window.findChild<QCheckBox*>(QStringLiteral("GyroInverter"))->checkState() ==
              std::array{Qt::Unchecked, Qt::Checked,
                         Qt::PartiallyChecked}[SetupOptions::gyroReverse(setup)],
          QStringLiteral("GyroInverter"));
    for (int servo = 0; servo < 3; ++servo) {
        check(window.findChild<QCheckBox*>(QStringLiteral("TS%1Inv").arg(servo + 1))->isChecked() ==
                  SetupOptions::servoReversed(setup, servo),
              QStringLiteral("TS%1Inv").arg(servo + 1));
    }
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        int shownOption = Setup::NoOption;
        for (int k = 0; k <= ChannelAssignment::MaxChannel; ++k) {
            if (window.channelPage().option(row, k)->isChecked()) {
                shownOption = k;
            }
        }
        check(shownOption == setup.shownChannelOptions.at(static_cast<std::size_t>(row)),
              QStringLiteral("shown channel option of row %1").arg(row));
        check(window.channelPage().reverseBox(row)->isChecked() ==
                  setup.channels.reversed.at(static_cast<std::size_t>(row)),
              QStringLiteral("Reverse_%1").arg(row));
    }
    const CurveEditor& editor = window.generalPage().curveEditor();
    check(editor.flightPhase() == setup.flightPhase && editor.curveIndex() == setup.curveIndex,
          QStringLiteral("curve editor phase and curve"));
    return found;
}

// Loads a record through the window's file loader and saves it again.
Outcome loadInWindow(WindowFixture& fx, const QByteArray& record) {
    Outcome outcome;
    MainWindow& window = fx.window();
    MessageBox::clearHistory();
    writeBytes(fx.path(QStringLiteral("in.rvc")), record);
    window.fileCommands().setCurrentFileName(fx.path(QStringLiteral("in.rvc")));
    if (!window.fileCommands().loadCurrentFile()) {
        // The detail names the path, then the reason on a line of its own.
        outcome.refusal = MessageBox::history().value(0).detail.section(QLatin1Char('\n'), -1);
        return outcome;
    }
    outcome.unsavedAfterLoad = window.fileCommands().hasUnsavedChanges();
    outcome.sent = transferStream(window.setup(), false);
    outcome.sentWithChannels = transferStream(window.setup(), true);
    return outcome;
}

QByteArray saveInWindow(WindowFixture& fx) {
    FileDialogs::setNextFileName(fx.path(QStringLiteral("saved.rvc")));
    if (!fx.window().fileCommands().saveFile()) {
        return {};
    }
    return fileBytes(fx.path(QStringLiteral("saved.rvc")));
}

// Changes a few controls in the window as a pilot would, and the Setup by
// the core's edit functions. A handler runs only when its control's value changes.
void editBoth(MainWindow& window, Setup& core, QRandomGenerator& random) {
    const auto below = [&random](int bound) { return static_cast<int>(random.bounded(bound)); };
    for (int edits = 1 + below(3); edits > 0; --edits) {
        switch (below(6)) {
        case 0: {
            const SliderDefinition& row =
                sliderDefinitions()[below(int(sliderDefinitions().size()))];
            auto* slider = window.findChild<QSlider*>(QLatin1String(sliderRowNames(row).slider));
            const int position = row.minimum + below(row.maximum - row.minimum + 1);
            if (slider->value() != position) {
                slider->setValue(position);
                setSliderPosition(core, row, position);
            }
            break;
        }
        case 1: {
            const int phase = below(2);
            auto* slider =
                window.findChild<QSlider*>(QLatin1String(phase == Hover ? "SchwebenSl" : "AcroSl"));
            const int value = FlightPhaseValues::MinSpeed +
                              below(FlightPhaseValues::MaxSpeed - FlightPhaseValues::MinSpeed + 1);
            if (slider->value() != value) {
                slider->setValue(value);
                setGovernorSpeed(core, phase, value);
            }
            break;
        }
        case 2: {
            auto* slider = window.findChild<QSlider*>(QStringLiteral("PhaseChangeSl"));
            const int tenths = below(FlightPhaseValues::MaxSwitchTenths + 1);
            if (slider->value() != tenths) {
                slider->setValue(tenths);
                setSwitchTimeOfShownPhase(core, tenths);
            }
            break;
        }
        case 3: {
            const int servo = below(3);
            auto* box = window.findChild<QCheckBox*>(QStringLiteral("TS%1Inv").arg(servo + 1));
            box->click();
            setServoReversed(core, servo, box->isChecked());
            break;
        }
        case 4: {
            const int type = below(2);
            auto* option = window.findChild<QRadioButton*>(QStringLiteral("Board_%1").arg(type));
            if (!option->isChecked()) {
                option->setChecked(true);
                selectHeliType(core, type);
            }
            break;
        }
        default: {
            const QString text = QStringLiteral("Edited %1\nline  ").arg(below(3));
            window.generalPage().comment()->setPlainText(text);
            editComment(core, QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
            break;
        }
        }
    }
}

} // namespace

class TestSetupDifferential : public QObject {
    Q_OBJECT

    static void startWindow(WindowFixture& fx) {
        fx.writeSettings(QStringLiteral("1"), QString(), QStringLiteral("1"));
        fx.start();
        MessageBox::clearHistory();
    }

private Q_SLOTS:
    void coreLoadsSavesAndSendsAsTheWindow() {
        if (qEnvironmentVariableIsSet("RV_WRITE_REGRESSION")) {
            QSKIP("writing regression data instead");
        }
        const int count = qEnvironmentVariableIsSet("RV_DIFFERENTIAL_COUNT")
                              ? qEnvironmentVariableIntValue("RV_DIFFERENTIAL_COUNT")
                              : 300;
        WindowFixture fx;
        startWindow(fx);
        Setup core;
        QStringList before = differences(fx.window(), core);
        QVERIFY2(before.isEmpty(), qPrintable(before.join(QStringLiteral(", "))));

        RandomRecords records(20261207);
        QRandomGenerator edit(7);
        int refused = 0;
        for (int n = 0; n < count; ++n) {
            const QByteArray record = records.next();
            const QString where = QStringLiteral("record %1 (written to %2)")
                                      .arg(n)
                                      .arg(QDir::temp().filePath(QStringLiteral("mismatch.rvc")));
            const auto fail = [&](const QString& what) {
                writeBytes(QDir::temp().filePath(QStringLiteral("mismatch.rvc")), record);
                return qPrintable(where + QStringLiteral(": ") + what);
            };
            const Outcome window = loadInWindow(fx, record);
            const auto result = applyRecord(core, record);
            if (const auto* refusal = std::get_if<Refusal>(&result)) {
                ++refused;
                QVERIFY2(window.refusal == refusal->detail(), fail(QStringLiteral("refusal")));
                continue;
            }
            QVERIFY2(!window.refusal, fail(*window.refusal));
            core = std::get<Setup>(result);
            QVERIFY2(window.unsavedAfterLoad == hasUnsavedChanges(core),
                     fail(QStringLiteral("unsaved changes after the load")));
            const QStringList loaded = differences(fx.window(), core);
            QVERIFY2(loaded.isEmpty(), fail(loaded.join(QStringLiteral(", "))));
            QVERIFY2(window.sent == transferStream(core, false), fail(QStringLiteral("sent")));
            QVERIFY2(window.sentWithChannels == transferStream(core, true),
                     fail(QStringLiteral("sent with channels")));

            if (edit.bounded(2) == 0) {
                editBoth(fx.window(), core, edit);
                QVERIFY2(fx.window().fileCommands().hasUnsavedChanges() == hasUnsavedChanges(core),
                         fail(QStringLiteral("unsaved changes after edits")));
                const QStringList edited = differences(fx.window(), core);
                QVERIFY2(edited.isEmpty(),
                         fail(QStringLiteral("after edits: ") + edited.join(QStringLiteral(", "))));
            }

            QVERIFY2(saveInWindow(fx) == recordOf(core), fail(QStringLiteral("saved record")));
            core = savedSetup(core);
            QVERIFY2(fx.window().fileCommands().hasUnsavedChanges() == hasUnsavedChanges(core),
                     fail(QStringLiteral("unsaved changes after the save")));
            const QStringList saved = differences(fx.window(), core);
            QVERIFY2(saved.isEmpty(), fail(saved.join(QStringLiteral(", "))));
        }
        qInfo("%d records compared, %d of them refused", count, refused);
    }

    // The regression data, loaded one after the other through the window.
    void regressionDataReplaysThroughTheWindow() {
        const QDir folder(QStringLiteral(RV_SOURCE_DIR "/tests/data/regression"));
        const QStringList records =
            folder.entryList({QStringLiteral("[0-9][0-9].rvc")}, QDir::Files, QDir::Name);
        QVERIFY(records.size() >= 30);
        WindowFixture fx;
        startWindow(fx);
        for (const QString& name : records) {
            const QString base = folder.filePath(name.left(2));
            const Outcome outcome = loadInWindow(fx, fileBytes(folder.filePath(name)));
            QCOMPARE(outcome.refusal.value_or(QString()).toUtf8(),
                     fileBytes(base + QStringLiteral(".refused.txt")));
            if (outcome.refusal) {
                continue;
            }
            QCOMPARE(outcome.sent, fileBytes(base + QStringLiteral(".sent.txt")));
            QCOMPARE(outcome.sentWithChannels,
                     fileBytes(base + QStringLiteral(".sent-channels.txt")));
            QCOMPARE(saveInWindow(fx), fileBytes(base + QStringLiteral(".saved.rvc")));
        }
    }

    // Not a test: writes the regression data when RV_WRITE_REGRESSION names a folder.
    void writeRegressionData() {
        const QString folder = qEnvironmentVariable("RV_WRITE_REGRESSION");
        if (folder.isEmpty()) {
            QSKIP("set RV_WRITE_REGRESSION to a folder to write regression data");
        }
        QDir().mkpath(folder);
        WindowFixture fx;
        startWindow(fx);
        RandomRecords records(1570);
        for (int n = 0; n < 30; ++n) {
            const QByteArray record =
                n == 0 ? fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"))
                       : records.next();
            const QString base = folder + QStringLiteral("/%1").arg(n, 2, 10, QLatin1Char('0'));
            writeBytes(base + QStringLiteral(".rvc"), record);
            const Outcome outcome = loadInWindow(fx, record);
            if (outcome.refusal) {
                writeBytes(base + QStringLiteral(".refused.txt"), outcome.refusal->toUtf8());
                continue;
            }
            writeBytes(base + QStringLiteral(".sent.txt"), outcome.sent);
            writeBytes(base + QStringLiteral(".sent-channels.txt"), outcome.sentWithChannels);
            writeBytes(base + QStringLiteral(".saved.rvc"), saveInWindow(fx));
        }
    }
};

RV_TEST_MAIN(TestSetupDifferential)
#include "test_setup_differential.moc"
