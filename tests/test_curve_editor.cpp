// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveEditor.h"
#include "core/model/CurveGeometry.h"
#include "core/model/Setup.h"
#include "support/curve_test_helpers.h"
#include "support/test_main.h"

#include <QSignalSpy>
#include <QTest>

using namespace rv;
using curvetest::cursorY;
using curvetest::xOf;

namespace {
constexpr int Left = CurveEditor::LeftButton;
constexpr int Right = CurveEditor::RightButton;
} // namespace

// The editor's logic in logical coordinates, without any widget.
class TestCurveEditor : public QObject {
    Q_OBJECT

    Setup set;
    std::unique_ptr<CurveEditor> editor;

    // Cursor over a column and a value with no button held, as before a click.
    void hover(int column, int value) { editor->moveMouse(0, xOf(column), cursorY(value)); }

private Q_SLOTS:
    void init() {
        set = Setup{};
        for (int i = 0; i < CurveSet::Count; ++i) {
            set.curves.byLetter(CurveSet::SendOrder[static_cast<std::size_t>(i)]) =
                curvetest::ramp(10 * i, 1);
        }
        editor = std::make_unique<CurveEditor>(set);
    }

    void columnAndCursorFormulasAtTheirBoundaries() {
        using namespace CurveGeometry;
        QCOMPARE(columnAt(0), 0);
        QCOMPARE(columnAt(250), 0); // exactly half-way: the left column
        QCOMPARE(columnAt(251), 1);
        QCOMPARE(columnAt(550), 1);
        QCOMPARE(columnAt(550.5), 2);
        QCOMPARE(columnAt(3200), 10);
        QCOMPARE(columnAt(-500), 0); // a drag leaving the picture
        QCOMPARE(columnAt(9000), 10);

        QCOMPARE(cursorValueAt(110), 199);
        QCOMPARE(cursorValueAt(109), 200);
        QCOMPARE(cursorValueAt(3109), 0);
        QCOMPARE(cursorValueAt(3110), -1);
        QCOMPARE(cursorValueAt(94), 201);

        QCOMPARE(shownValue(99, 1.25), -2);
        QCOMPARE(shownValue(101, 1.25), 1);
        QCOMPARE(shownValue(0, 1.25), -125);
        QCOMPARE(shownValue(200, 1.25), 125);
        QCOMPARE(shownValue(63, 1.0), -37);
        QCOMPARE(storedValue(62, 1.25), 149);
        QCOMPARE(storedValue(-2, 1.25), 98);
        QCOMPARE(storedValue(-37, 1.0), 63);
    }

    void switchingCurveOrPhaseNeverCarriesTheBufferOver() {
        editor->selectCurve(2);
        const Curve acroPitch = set.curves.byLetter('a');
        hover(3, 150);
        editor->pressMouse(Left, xOf(3), cursorY(150));
        QCOMPARE(set.curves.byLetter('A')[3], 150);

        editor->enterPhase(Acro);
        QCOMPARE(editor->editPoints(), acroPitch);
        editor->selectCurve(1);
        QCOMPARE(set.curves.byLetter('a'), acroPitch);
        QCOMPARE(editor->editPoints(), set.curves.byLetter('t'));

        editor->enterPhase(Hover);
        QCOMPARE(editor->editPoints(), set.curves.byLetter('T'));
        editor->selectCurve(2);
        QCOMPARE(editor->editPoints()[3], 150);
        QCOMPARE(set.curves.byLetter('a'), acroPitch);
    }

    void heldPointIsZeroedWhenShownAndGuardedAgainstEveryEdit() {
        set.curves.byLetter('G')[0] = 50;
        set.curves.byLetter('g')[0] = 50;
        editor->selectCurve(3);
        QCOMPARE(set.curves.byLetter('G')[0], 0); // showing it writes it back
        QVERIFY(editor->fixedPointGuard(0));
        QVERIFY(!editor->fixedPointGuard(1));

        hover(0, 120);
        editor->pressMouse(Left, xOf(0), cursorY(120));
        editor->moveMouse(Left, xOf(0), cursorY(130));
        editor->pressKey(CurveEditor::KeyUp);
        QCOMPARE(set.curves.byLetter('G')[0], 0);
        QVERIFY(!set.changed);

        editor->enterPhase(Acro);
        QVERIFY(!editor->fixedPointGuard(0));
        QCOMPARE(set.curves.byLetter('g')[0], 50); // the acro throttle curve is free
        editor->pressKey(CurveEditor::KeyUp);
        QCOMPARE(set.curves.byLetter('g')[0], 51);
        QVERIFY(set.changed);
    }

    void clickBeforeAnyCursorValueLeavesTheCurve() {
        editor->selectCurve(1);
        const Curve before = set.curves.byLetter('T');
        editor->moveMouse(0, xOf(4), 3150); // below the value range: no read-out
        QVERIFY(editor->cursorReadout().isEmpty());
        editor->pressMouse(Left, xOf(4), 3150);
        editor->moveMouse(Left, xOf(4), 3150);
        QCOMPARE(set.curves.byLetter('T'), before);
        QVERIFY(!set.changed);
        // Removing needs no cursor value.
        editor->pressMouse(Right, xOf(4), 3150);
        QCOMPARE(set.curves.byLetter('T')[4], RemovedPoint);
    }

    void rightClickRemovesOnlyInnerColumnsAndLeftClickRestores() {
        editor->selectCurve(1);
        for (int c : {0, 5, 10}) {
            hover(c, 100);
            editor->pressMouse(Right, xOf(c), cursorY(100));
        }
        QVERIFY(!set.changed);
        QVERIFY(std::ranges::none_of(set.curves.byLetter('T'), [](auto v) { return v < 0; }));

        hover(7, 100);
        editor->pressMouse(Right, xOf(7), cursorY(100));
        QCOMPARE(set.curves.byLetter('T')[7], RemovedPoint);
        QVERIFY(set.changed);
        hover(7, 100);
        QCOMPARE(editor->pointReadout(), QStringLiteral("X"));

        // Keys and further right-button moves leave a removed point removed.
        editor->pressKey(CurveEditor::KeyUp);
        editor->pressMouse(Right, xOf(7), cursorY(100));
        editor->moveMouse(Right, xOf(7), cursorY(120));
        QCOMPARE(set.curves.byLetter('T')[7], RemovedPoint);

        // A press stores what the read-out shows, not its own y.
        hover(7, 140);
        editor->pressMouse(Left, xOf(7), 3150);
        QCOMPARE(set.curves.byLetter('T')[7], 140);
    }

    void dragMovesTheColumnChosenBeforeThePressAndStopsAtTheRange() {
        editor->selectCurve(5);
        // On a 1.25 curve a cursor value can come back one lower: 150 shows 62, stores 149.
        hover(3, 150);
        QCOMPARE(editor->cursorReadout(), QStringLiteral("62"));
        editor->pressMouse(Left, xOf(3), cursorY(150));
        QCOMPARE(set.curves.byLetter('R')[3], 149);
        hover(2, 100);
        editor->pressMouse(Left, xOf(2), cursorY(100));
        editor->moveMouse(Left, xOf(6), cursorY(160)); // column does not follow
        QCOMPARE(set.curves.byLetter('R')[2], 160);
        QCOMPARE(set.curves.byLetter('R')[6], 10 * 5 + 6);
        editor->moveMouse(Left, xOf(6), 3190); // beyond the bottom
        QCOMPARE(set.curves.byLetter('R')[2], 160);
        QCOMPARE(editor->lastColumn(), 2);
    }

    void dragThatChangesAPointRecordsTheChange() {
        // The press hits the held column 0, the drag moves the column the keys chose.
        editor->selectCurve(0);
        hover(0, 100);
        editor->pressKey(CurveEditor::KeyRight);
        editor->pressKey(CurveEditor::KeyRight);
        editor->pressMouse(Left, xOf(0), cursorY(100));
        QVERIFY(!set.changed);
        editor->moveMouse(Left, xOf(0), cursorY(170));
        QCOMPARE(set.curves.byLetter('M')[2], 170);
        QVERIFY(set.changed);
    }

    void keysStepOneStoredUnitAndAlwaysMarkTheChange() {
        set.curves.byLetter('N')[4] = 200;
        set.curves.byLetter('N')[5] = 0;
        editor->selectCurve(4);
        hover(4, 50);
        editor->pressKey(CurveEditor::KeyUp);
        QCOMPARE(set.curves.byLetter('N')[4], 200);
        QVERIFY(set.changed);
        QCOMPARE(editor->pointReadout(), QStringLiteral("125"));
        editor->pressKey(CurveEditor::KeyDown);
        QCOMPARE(set.curves.byLetter('N')[4], 199);
        QCOMPARE(editor->pointReadout(), QStringLiteral("123")); // 1.25 shown units per step

        editor->pressKey(CurveEditor::KeyRight);
        editor->pressKey(CurveEditor::KeyDown);
        QCOMPARE(set.curves.byLetter('N')[5], 0);
        QCOMPARE(editor->pointReadout(), QStringLiteral("-125"));
        editor->pressKey(CurveEditor::KeyRight);
        editor->pressKey(CurveEditor::KeyOther); // any other key refreshes the read-out only
        QCOMPARE(editor->pointReadout(),
                 QString::number(CurveGeometry::shownValue(set.curves.byLetter('N')[6], 1.25)));
    }

    // "Curve:" shows what the curve holds now, after whatever changed it.
    void curveReadoutFollowsEveryChange() {
        editor->selectCurve(1);
        hover(3, 150);
        editor->pressMouse(Left, xOf(3), cursorY(150));
        QCOMPARE(editor->pointReadout(), QStringLiteral("50"));
        editor->moveMouse(Left, xOf(3), cursorY(170)); // drag
        QCOMPARE(editor->pointReadout(), QStringLiteral("70"));
        editor->pressMouse(Right, xOf(3), cursorY(170));
        QCOMPARE(editor->pointReadout(), QStringLiteral("X"));
        editor->pressKey(CurveEditor::KeyInsert);
        QCOMPARE(editor->pointReadout(), QString::number(set.curves.byLetter('T')[3] - 100));
        // Another curve: its own point, not the one of the curve left behind.
        editor->selectCurve(5);
        QCOMPARE(editor->pointReadout(),
                 QString::number(CurveGeometry::shownValue(set.curves.byLetter('R')[3], 1.25)));
        // A click where the pointer rests while the keys chose another column
        // stores the number "Cursor:" shows and reads out that column.
        editor->pressKey(CurveEditor::KeyRight);
        editor->pressMouse(Left, xOf(3), cursorY(170));
        QCOMPARE(editor->lastColumn(), 3);
        QCOMPARE(editor->pointReadout(), editor->cursorReadout());
    }

    void columnKeysStayWithinTheCurve() {
        editor->selectCurve(1);
        editor->pressKey(CurveEditor::KeyLeft);
        QCOMPARE(editor->lastColumn(), 0);
        for (int i = 0; i < 15; ++i) {
            editor->pressKey(CurveEditor::KeyRight);
        }
        QCOMPARE(editor->lastColumn(), 10);
        QCOMPARE(editor->pointReadout(), QString::number(set.curves.byLetter('T')[10] - 100));
    }

    void cursorValueOfAnotherScaleIsNeverStoredBeyondTheRange() {
        editor->selectCurve(4);
        hover(3, 200);
        QCOMPARE(editor->cursorReadout(), QStringLiteral("125"));
        editor->selectCurve(1); // switched by keyboard, mouse at rest
        editor->pressMouse(Left, xOf(3), cursorY(200));
        QCOMPARE(set.curves.byLetter('T')[3], 200);
    }

    void nothingHappensBeforeACurveIsTakenUp() {
        const CurveSet before = set.curves;
        hover(3, 150);
        editor->pressMouse(Left, xOf(3), cursorY(150));
        editor->pressKey(CurveEditor::KeyUp);
        editor->writeBackCurve();
        QVERIFY(!editor->hasPoints());
        QVERIFY(set.curves == before);
        QVERIFY(!set.changed);
    }

    void acroPhaseWithoutACurveWritesNothing() {
        editor->selectCurve(0);
        const CurveSet before = set.curves;
        editor->enterPhase(Acro);
        QSignalSpy redraws(editor.get(), &CurveEditor::pictureChanged);
        hover(3, 150);
        editor->pressMouse(Left, xOf(3), cursorY(150));
        QVERIFY(set.curves == before);
        QCOMPARE(redraws.count(), 1);
    }
};

RV_TEST_GUILESS_MAIN(TestCurveEditor)
#include "test_curve_editor.moc"
