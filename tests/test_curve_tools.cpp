// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveEditor.h"
#include "core/model/CurveTools.h"
#include "core/model/Setup.h"
#include "support/curve_test_helpers.h"
#include "support/test_main.h"

#include <QTest>

using namespace rv;
using Entry = CurveEditor::PointEntry;

namespace {
bool isMonotone(const Curve& curve) {
    return std::is_sorted(curve.begin(), curve.end());
}
Curve withRemoved(Curve curve, std::initializer_list<int> columns) {
    for (int c : columns) {
        curve[static_cast<std::size_t>(c)] = RemovedPoint;
    }
    return curve;
}
} // namespace

// The curve tools and typed point values on the model, without any widget.
class TestCurveTools : public QObject {
    Q_OBJECT

    Setup set;
    std::unique_ptr<CurveEditor> editor;

    // Pitch controlled, so both phases exist; every curve a distinct ramp.
    void useCurve(int phase, int index) {
        editor->enterPhase(phase);
        editor->selectCurve(index);
        set.changed = false;
    }

private Q_SLOTS:
    void init() {
        set = Setup{};
        set.pitchMode = 1;
        for (int i = 0; i < CurveSet::Count; ++i) {
            set.curves.byLetter(CurveSet::SendOrder[static_cast<std::size_t>(i)]) =
                curvetest::ramp(10 + i, 15);
        }
        editor = std::make_unique<CurveEditor>(set);
    }

    void presetsSpanTheRangeAndStayInIt() {
        QCOMPARE(CurveTools::linear(), (Curve{0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200}));
        QCOMPARE(CurveTools::flat(137),
                 (Curve{137, 137, 137, 137, 137, 137, 137, 137, 137, 137, 137}));
        QCOMPARE(CurveTools::flat(260)[4], 200);
        QCOMPARE(CurveTools::vShape(100),
                 (Curve{200, 180, 160, 140, 120, 100, 120, 140, 160, 180, 200}));
        QCOMPARE(CurveTools::vShape(-30), CurveTools::vShape(0));

        QCOMPARE(CurveTools::expo(0), CurveTools::linear());
        for (int strength : {-250, -100, -37, 40, 100, 250}) {
            const Curve curve = CurveTools::expo(strength);
            QVERIFY2(isMonotone(curve), qPrintable(QString::number(strength)));
            QCOMPARE(curve[0], 0);
            QCOMPARE(curve[5], 100);
            QCOMPARE(curve[10], 200);
            for (int c = 0; c < 5; ++c) { // point-symmetric around the centre
                QCOMPARE(curve[static_cast<std::size_t>(c)] +
                             curve[static_cast<std::size_t>(10 - c)],
                         200);
            }
        }
        // Positive: flatter at the centre; negative: steeper there.
        QCOMPARE(CurveTools::expo(100)[6], 101); // 100 + 100 * 0.2^3, rounded
        QVERIFY(CurveTools::expo(50)[6] < 120);
        QVERIFY(CurveTools::expo(-50)[6] > 120);
    }

    void mirrorAndShiftKeepRemovedPointsAndTheRange() {
        const Curve curve = withRemoved(curvetest::ramp(0, 20), {2, 7});
        const Curve mirror = CurveTools::mirrored(curve);
        QCOMPARE(mirror,
                 withRemoved(Curve{200, 180, 160, 140, 120, 100, 80, 60, 40, 20, 0}, {3, 8}));
        QCOMPARE(CurveTools::mirrored(mirror), curve);

        const Curve up = CurveTools::shifted(curve, 15);
        QCOMPARE(up, withRemoved(Curve{15, 35, 55, 75, 95, 115, 135, 155, 175, 195, 200}, {2, 7}));
        const Curve down = CurveTools::shifted(curve, -15);
        QCOMPARE(down[0], 0);
        QCOMPARE(down[1], 5);
        QCOMPARE(down[2], RemovedPoint);
        // A point beyond the range from a foreign file comes back into it.
        Curve foreign = curve;
        foreign[4] = 400;
        QCOMPARE(CurveTools::shifted(foreign, -5)[4], 200);
    }

    void aToolIsOneEditAndKeepsTheHeldPoint() {
        set.speedMode = 0;
        useCurve(Hover, 3); // hover throttle: point 0 held at 0
        QVERIFY(editor->replacePoints(CurveTools::vShape(120)));
        QCOMPARE(set.curves.byLetter('G'),
                 (Curve{0, 184, 168, 152, 136, 120, 136, 152, 168, 184, 200}));
        QCOMPARE(editor->editPoints(), set.curves.byLetter('G'));
        QVERIFY(set.changed);

        set.changed = false;
        QVERIFY(!editor->replacePoints(CurveTools::vShape(120))); // nothing to change
        QVERIFY(!set.changed);
        QVERIFY(editor->replacePoints(CurveTools::mirrored(editor->editPoints())));
        QCOMPARE(set.curves.byLetter('G')[0], 0);
        QCOMPARE(set.curves.byLetter('G')[10], 0); // the held 0 went over; 200 came back held

        useCurve(Acro, 3); // the acro throttle curve holds nothing
        QVERIFY(editor->replacePoints(CurveTools::flat(150)));
        QCOMPARE(set.curves.byLetter('g'), CurveTools::flat(150));
        const Curve hoverBefore = set.curves.byLetter('G');
        QVERIFY(editor->replacePoints(
            CurveTools::shifted(editor->editPoints(), CurveTools::ShiftStep)));
        QCOMPARE(set.curves.byLetter('g'), CurveTools::flat(155));
        QCOMPARE(set.curves.byLetter('G'), hoverBefore);
    }

    void typedValuesSetAndRemovePointsInShownUnits() {
        useCurve(Hover, 2);
        QCOMPARE(editor->typePoint(3, QStringLiteral(" -37 ")), Entry::Set);
        QCOMPARE(set.curves.byLetter('A')[3], 63);
        QCOMPARE(editor->lastColumn(), 3);
        QCOMPARE(editor->pointReadout(), QStringLiteral("-37"));
        QVERIFY(set.changed);

        set.changed = false;
        QCOMPARE(editor->typePoint(3, QStringLiteral("-37")), Entry::Unchanged);
        QCOMPARE(editor->typePoint(3, QStringLiteral("+100")), Entry::Set);
        QCOMPARE(set.curves.byLetter('A')[3], 200);
        QCOMPARE(editor->typePoint(3, QString()), Entry::Removed);
        QCOMPARE(set.curves.byLetter('A')[3], RemovedPoint);
        QCOMPARE(editor->shownPoint(3), QString());
        QCOMPARE(editor->typePoint(3, QString()), Entry::Unchanged);

        const Curve before = set.curves.byLetter('A');
        set.changed = false;
        QCOMPARE(editor->typePoint(5, QString()), Entry::NotRemovable);
        QCOMPARE(editor->typePoint(10, QStringLiteral("  ")), Entry::NotRemovable);
        QCOMPARE(editor->typePoint(4, QStringLiteral("101")), Entry::OutOfRange);
        QCOMPARE(editor->typePoint(4, QStringLiteral("-101")), Entry::OutOfRange);
        for (const char* bad :
             {"-", "+", "--1", "1 2", "1.5", "12a", "0x10", "1e2", "٣", "99999999999"}) {
            QCOMPARE(editor->typePoint(4, QString::fromUtf8(bad)), Entry::NotANumber);
        }
        QCOMPARE(set.curves.byLetter('A'), before);
        QVERIFY(!set.changed);
    }

    void typedValuesOnTheCyclicScaleShowAsTyped() {
        useCurve(Hover, 4); // -125..125
        QCOMPARE(editor->shownLimit(), 125);
        for (int typed : {62, 63, 61, -2, 125, -125, 0}) {
            QCOMPARE(editor->typePoint(6, QString::number(typed)), Entry::Set);
            QCOMPARE(editor->shownPoint(6), QString::number(typed));
        }
        QCOMPARE(set.curves.byLetter('N')[6], 100);
        // -1 cannot be shown on this scale: the nearest value above it is taken.
        QCOMPARE(editor->typePoint(6, QStringLiteral("-1")), Entry::Unchanged);
        QCOMPARE(editor->typePoint(6, QStringLiteral("126")), Entry::OutOfRange);
    }

    void theHeldPointCannotBeTyped() {
        useCurve(Hover, 3);
        QCOMPARE(editor->shownPoint(0), QStringLiteral("-100"));
        QCOMPARE(editor->typePoint(0, QStringLiteral("-100")), Entry::Unchanged);
        QCOMPARE(editor->typePoint(0, QStringLiteral("20")), Entry::Held);
        QCOMPARE(editor->typePoint(0, QString()), Entry::Held);
        QCOMPARE(set.curves.byLetter('G')[0], 0);
        QVERIFY(!set.changed);
    }

    void copyingBetweenPhasesFillsTheTwinAsTheEditorWould() {
        useCurve(Hover, 2);
        QCOMPARE(editor->otherPhaseCurve(), &set.curves.byLetter('a'));
        QVERIFY(editor->copyCurve(Hover)); // into the faint curve
        QCOMPARE(set.curves.byLetter('a'), set.curves.byLetter('A'));
        QVERIFY(set.changed);
        QVERIFY(!editor->copyCurve(Acro)); // back again: already equal

        set.speedMode = 0;
        useCurve(Acro, 3);
        editor->replacePoints(withRemoved(CurveTools::flat(160), {4}));
        QVERIFY(editor->copyCurve(Acro)); // into the hover throttle: point 0 held
        QCOMPARE(set.curves.byLetter('G'),
                 withRemoved(Curve{0, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160}, {4}));
        set.curves.byLetter('G')[7] = 90;
        QVERIFY(editor->copyCurve(Hover)); // into the shown curve: the buffer follows
        QCOMPARE(editor->editPoints(), set.curves.byLetter('G'));
        QCOMPARE(set.curves.byLetter('g'), set.curves.byLetter('G'));

        set.pitchMode = 0; // no phases: no twin, nothing copied
        const Setup before = set;
        QCOMPARE(editor->otherPhaseCurve(), nullptr);
        QVERIFY(!editor->copyCurve(Acro));
        QVERIFY(!editor->copyCurve(Hover));
        QCOMPARE(set, before);

        set.pitchMode = 1;
        useCurve(Hover, 0); // the RPM throttle curve has no acro twin
        QCOMPARE(editor->otherPhaseCurve(), nullptr);
        QVERIFY(!editor->copyCurve(Hover));
    }
};

RV_TEST_GUILESS_MAIN(TestCurveTools)
#include "test_curve_tools.moc"
