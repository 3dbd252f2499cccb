// SPDX-License-Identifier: GPL-3.0-or-later
// Typing a slider's value, and undo and redo in the window: each user action
// is one step, and an undo puts back controls and saved bytes alike.
#include "support/curve_test_helpers.h"
#include "support/data_Files.h"
#include "support/window_Fixture.h"

#include "core/format/ParameterRecord.h"
#include "core/model/CurveEditor.h"
#include "support/test_main.h"
#include "ui/curves/CurvePicture.h"
#include "ui/document/FileCommands.h"
#include "ui/pages/channels/ChannelPage.h"
#include "ui/pages/general/GeneralPage.h"
#include "ui/texts/Dialogs.h"
#include "ui/window/EditUndoStack.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTest>
#include <QUndoStack>

using namespace rv;
using rv::test::neutralRecord;

namespace {

template <typename T> T* child(MainWindow& window, const char* name) {
    auto* widget = window.findChild<T*>(QString::fromUtf8(name));
    if (widget == nullptr) {
        qFatal("no control %s", name);
    }
    return widget;
}

// The edit field of the window, open after Enter or F2 on a slider.
QLineEdit* typedValueField(MainWindow& window) {
    return window.findChild<QLineEdit*>(QStringLiteral("TypedValue"));
}

void typeValue(QSlider* slider, const QString& text, MainWindow& window) {
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_F2);
    QLineEdit* field = typedValueField(window);
    QVERIFY(field != nullptr && field->isVisible());
    QVERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

QPoint handleCentre(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center();
}

MainWindow& shownWindow(WindowFixture& fx) {
    MainWindow& window = fx.startWith(neutralRecord());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        qFatal("the window was not shown");
    }
    return window;
}

void undoKeys(QWidget* focus, QKeyCombination keys) {
    QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
    QCoreApplication::processEvents(); // the step is recorded once the key is handled
}

} // namespace

class TestEditUndo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedValuesWriteAsASliderMoveAndRefuseWhatItCannotShow() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        window.selectTab(4);
        auto* tailGain = child<QSlider>(window, "Para34Sl");

        typeValue(tailGain, QStringLiteral("63"), window);
        QCOMPARE(window.setup().image.at(34), 160);
        QCOMPARE(child<QLabel>(window, "Para34L")->text(), QStringLiteral("63"));
        QVERIFY(!typedValueField(window)->isVisible());
        QVERIFY(tailGain->hasFocus());
        QCOMPARE(typedValueField(window)->accessibleName(), QStringLiteral("Value of Tail Gain"));

        // Not a number, out of range, then Escape: the message says why, nothing moves.
        const auto message = [&window] {
            return child<QLabel>(window, "TypedValueMessage")->text();
        };
        typeValue(tailGain, QStringLiteral("6x"), window);
        QVERIFY(typedValueField(window)->isVisible());
        QCOMPARE(message(), QStringLiteral("\"6x\" is not a number."));
        QTest::keyClicks(typedValueField(window), QStringLiteral("101"));
        QTest::keyClick(typedValueField(window), Qt::Key_Return);
        QCOMPARE(message(), QStringLiteral("Type a value from 0 to 100."));
        QCOMPARE(typedValueField(window)->accessibleDescription(), message());
        QTest::keyClick(typedValueField(window), Qt::Key_Escape);
        QVERIFY(!typedValueField(window)->isVisible());
        QCOMPARE(window.setup().image.at(34), 160);
        QCOMPARE(tailGain->value(), 63);

        // Governor speeds in rpm, switch times in seconds.
        window.selectTab(1);
        typeValue(child<QSlider>(window, "PhaseChangeSl"), QStringLiteral("1.5"), window);
        QCOMPARE(child<QLabel>(window, "HoverAcro")->text(), QStringLiteral("1.5"));
        QCOMPARE(window.setup().hoverToAcroTenths, 15);
        window.selectTab(4);
        typeValue(child<QSlider>(window, "SchwebenSl"), QStringLiteral("1800"), window);
        QCOMPARE(window.setup().hoverSpeedRpm, 1800);
    }

    void aDragOrAKeyBurstOnOneSliderIsOneStep() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        window.selectTab(4);
        auto* tailGain = child<QSlider>(window, "Para34Sl");
        const int start = tailGain->value();
        const std::uint8_t startByte = window.setup().image.at(34);
        QUndoStack* stack = window.edits().stack();
        auto* undo = child<QAction>(window, "mnuUndo");
        QVERIFY(!undo->isEnabled());

        QPoint at = handleCentre(tailGain);
        QTest::mousePress(tailGain, Qt::LeftButton, {}, at);
        for (int step = 0; step < 6; ++step) {
            at += QPoint(8, 0);
            QTest::mouseMove(tailGain, at);
        }
        QTest::mouseRelease(tailGain, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        QVERIFY(tailGain->value() > start + 3);
        QCOMPARE(stack->count(), 1);
        QVERIFY(undo->isEnabled());

        undoKeys(tailGain, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(tailGain->value(), start);
        QCOMPARE(window.setup().image.at(34), startByte);
        QCOMPARE(child<QLabel>(window, "Para34L")->text(), QString::number(start));
        QVERIFY(!undo->isEnabled());

        // Arrow keys on one slider merge; another slider starts a new step.
        for (int press = 0; press < 5; ++press) {
            QTest::keyClick(tailGain, Qt::Key_Right);
            QCoreApplication::processEvents();
        }
        auto* systemGain = child<QSlider>(window, "Para30Sl");
        QTest::keyClick(systemGain, Qt::Key_Right);
        QCoreApplication::processEvents();
        QCOMPARE(stack->count(), 2);
        undoKeys(systemGain, Qt::CTRL | Qt::Key_Z);
        undoKeys(systemGain, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(tailGain->value(), start);
        undoKeys(systemGain, Qt::CTRL | Qt::Key_Y);
        QCOMPARE(tailGain->value(), start + 5);
        undoKeys(systemGain, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);

        // After an undo, and after a pause, the same slider starts a new step.
        undoKeys(systemGain, Qt::CTRL | Qt::Key_Z);
        QTest::keyClick(tailGain, Qt::Key_Right);
        QCoreApplication::processEvents();
        QCOMPARE(stack->count(), 2);
        QTest::qWait(2100);
        QTest::keyClick(tailGain, Qt::Key_Right);
        QCoreApplication::processEvents();
        QCOMPARE(stack->count(), 3);
    }

    void aCurveDragIsOneStepAndTheCommentTakesItsKeysToTheWindow() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        auto* pic = child<CurvePicture>(window, "Pic1");
        const Curve before = *window.setup().curves.at(Hover, window.setup().curveIndex);

        const double x = curvetest::xOf(5);
        curvetest::move(pic, {x, curvetest::cursorY(before[5] - 100)});
        curvetest::press(pic, {x, curvetest::cursorY(before[5] - 100)}, Qt::LeftButton);
        for (int value = 10; value <= 60; value += 10) {
            curvetest::move(pic, {x, curvetest::cursorY(value)}, Qt::LeftButton);
        }
        curvetest::release(pic, {x, curvetest::cursorY(60)}, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(window.setup().curves.at(Hover, window.setup().curveIndex)->at(5) != before[5]);
        QCOMPARE(window.edits().stack()->count(), 1);

        undoKeys(pic, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(*window.setup().curves.at(Hover, window.setup().curveIndex), before);
        QCOMPARE(window.generalPage().curveEditor().editPoints(), before);
        QVERIFY(!window.fileCommands().hasUnsavedChanges());

        // A typing burst is one step, and Ctrl+Z in the box takes it back.
        auto* comment = child<QPlainTextEdit>(window, "Comment");
        const QString shown = comment->toPlainText();
        comment->setFocus();
        QTest::keyClicks(comment, QStringLiteral("new blades"));
        QCoreApplication::processEvents();
        QCOMPARE(window.edits().stack()->count(), 1);
        undoKeys(comment, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(comment->toPlainText(), shown);
        undoKeys(comment, Qt::CTRL | Qt::Key_Y);
        QVERIFY(comment->toPlainText().contains(QStringLiteral("new blades")));
    }

    // The curve chosen before an edit is part of the step: its undo stays on it.
    void anUndoStaysOnTheCurveTheEditWasMadeOn() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        auto* chosen = child<QRadioButton>(window, "Kurvenauswahl_1");
        QVERIFY(chosen->isVisible() && !chosen->isChecked());
        QTest::mouseClick(chosen, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(window.setup().curveIndex, 1);
        QCOMPARE(window.edits().stack()->count(), 0);

        auto* pic = child<CurvePicture>(window, "Pic1");
        const Curve before = *window.setup().curves.at(Hover, 1);
        const double x = curvetest::xOf(5);
        curvetest::move(pic, {x, curvetest::cursorY(40)});
        curvetest::press(pic, {x, curvetest::cursorY(40)}, Qt::LeftButton);
        curvetest::release(pic, {x, curvetest::cursorY(40)}, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(window.edits().stack()->count(), 1);

        window.edits().undo();
        QCOMPARE(window.setup().curveIndex, 1);
        QVERIFY(chosen->isChecked());
        QCOMPARE(window.generalPage().curveEditor().editPoints(), before);
    }

    void ctrlZInACurvePointFieldUndoesTheTypedPoint() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        const Curve before = *window.setup().curves.at(Hover, window.setup().curveIndex);
        auto* field = child<QLineEdit>(window, "CurvePoint_10");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("90"));
        QTest::keyClick(field, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(window.edits().stack()->count(), 1);

        // The field's own text undo would show one value while the curve holds
        // another, and write it when the field loses the focus.
        undoKeys(field, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(*window.setup().curves.at(Hover, window.setup().curveIndex), before);
        QCOMPARE(field->text(), QString::number(before[10] - 100));
        undoKeys(field, Qt::CTRL | Qt::Key_Z); // nothing left to undo
        QCOMPARE(field->text(), QString::number(before[10] - 100));
        undoKeys(field, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(window.setup().curves.at(Hover, window.setup().curveIndex)->at(10), 190);
        QCOMPARE(field->text(), QStringLiteral("90"));
        child<QWidget>(window, "Comment")->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(window.edits().stack()->count(), 1);
    }

    // A point typed and not yet confirmed is what the pilot sees: Ctrl+S
    // saves it, as a click on Save after leaving the field would.
    void aTypedPointIsTakenBeforeAWindowCommand() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* field = child<QLineEdit>(window, "CurvePoint_10");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("70"));
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier); // its own key: nothing taken
        QCOMPARE(window.edits().stack()->count(), 0);
        FileDialogs::setNextFileName(fx.path(QStringLiteral("typed.rvc")));
        undoKeys(field, Qt::CTRL | Qt::Key_S);
        constexpr int PitchCurve = 115; // offset of curve A in the record
        QCOMPARE(fx.readFile(QStringLiteral("typed.rvc")).mid(PitchCurve + 2 * 10, 2),
                 QByteArray("\xAA\x00", 2));
        QCOMPARE(window.edits().stack()->count(), 1);
    }

    void undoingAPresetUnticksItsBox() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        window.selectTab(3);
        QCheckBox* preset = window.channelPage().presetBox(3);
        QTest::mouseClick(preset, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(preset->isChecked());
        QVERIFY(window.fileCommands().hasUnsavedChanges());

        // The tick says the channels are the preset's: after an undo they are not.
        undoKeys(preset, Qt::CTRL | Qt::Key_Z);
        QVERIFY(!window.fileCommands().hasUnsavedChanges());
        QVERIFY(!preset->isChecked());
    }

    void savingKeepsTheHistoryAndAnUndoSavesTheBytesOfBeforeOpeningStartsAfresh() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        window.selectTab(3);
        const QByteArray original = neutralRecord();
        auto* box = child<QAbstractButton>(window, "TS1Inv");
        box->setFocus();
        QTest::keyPress(box, Qt::Key_Space);
        QCoreApplication::processEvents();
        QTest::keyRelease(box, Qt::Key_Space); // a box toggles on the key's release
        QCoreApplication::processEvents();
        QCOMPARE(window.edits().stack()->count(), 1);

        FileDialogs::setNextFileName(fx.path(QStringLiteral("edited.rvc")));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QVERIFY(fx.readFile(QStringLiteral("edited.rvc")) != original);
        QCOMPARE(window.edits().stack()->count(), 1);

        window.selectTab(1);
        undoKeys(&window, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(child<QTabBar>(window, "TabStrip")->currentIndex(), 2); // the undo is seen
        QVERIFY(window.fileCommands().hasUnsavedChanges());
        FileDialogs::setNextFileName(fx.path(QStringLiteral("undone.rvc")));
        QVERIFY(window.fileCommands().saveFile());
        QCOMPARE(fx.readFile(QStringLiteral("undone.rvc")), original);

        undoKeys(&window, Qt::CTRL | Qt::Key_Y);
        fx.openFile(QStringLiteral("undone.rvc"));
        QCOMPARE(window.edits().stack()->count(), 0);
        QVERIFY(!child<QAction>(window, "mnuRedo")->isEnabled());
    }

    void aValueEditorWriteIsOneStepAndItsBoxFollowsTheUndo() {
        WindowFixture fx;
        MainWindow& window = shownWindow(fx);
        window.showValueEditor();
        auto* value = child<QLineEdit>(window, "TPara");
        const QString shown = value->text();
        value->setText(QStringLiteral("77"));
        QTest::keyClick(value, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(window.setup().image.at(0), 77);

        child<QAction>(window, "mnuUndo")->trigger();
        QCOMPARE(value->text(), shown);
        QCOMPARE(QString::number(window.setup().image.at(0)), shown);

        // The keys in the box itself reach the window's history, not the box's text.
        undoKeys(value, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(window.setup().image.at(0), 77);
        QCOMPARE(value->text(), QStringLiteral("77"));
        undoKeys(value, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(value->text(), shown);
        QCOMPARE(QString::number(window.setup().image.at(0)), shown);
    }

    void editMenuSpeaksThePilotsLanguage() {
        WindowFixture fx;
        fx.writeFile(QStringLiteral("Default.rvc"), neutralRecord());
        fx.writeSettings(QStringLiteral("1"), QStringLiteral("Default.rvc"), QStringLiteral("0"));
        MainWindow& window = fx.start();
        QCOMPARE(child<QMenu>(window, "mnuEdit")->title(), QStringLiteral("Bearbeiten"));
        QCOMPARE(child<QAction>(window, "mnuUndo")->text(), QStringLiteral("Rückgängig"));
        QCOMPARE(child<QAction>(window, "mnuRedo")->shortcuts().size(), 2);
        QCoreApplication::processEvents(); // the language change reaches each control
        QCOMPARE(child<QSlider>(window, "Para34Sl")->toolTip(),
                 QStringLiteral("Enter oder F2: Wert eintippen"));
    }
};

RV_TEST_MAIN(TestEditUndo)
#include "test_edit_undo.moc"
