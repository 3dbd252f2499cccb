// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveSet.h"
#include "support/test_main.h"

#include <QTest>

#include <stdexcept>

using namespace rv;

namespace {

// Exact value of column `left + j` between two points `gap` columns apart,
// rounded half to even in integers, to check the real-valued interpolation.
int exactInterpolation(int left, int right, int gap, int fromRight) {
    const int numerator = right * gap - fromRight * (right - left);
    int quotient = numerator / gap;
    int remainder = numerator % gap;
    if (remainder < 0) {
        remainder += gap;
        --quotient;
    }
    if (2 * remainder > gap || (2 * remainder == gap && quotient % 2 != 0)) {
        ++quotient;
    }
    return quotient;
}

Curve curveOf(std::initializer_list<int> points) {
    Curve curve;
    curve.fill(RemovedPoint);
    std::size_t column = 0;
    for (const int point : points) {
        curve[column++] = static_cast<std::int16_t>(point);
    }
    return curve;
}

} // namespace

class TestCurveSet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fillCurveGaps_data() {
        QTest::addColumn<Curve>("points");
        QTest::addColumn<Curve>("sent");
        // Columns not listed are -1 in both.
        QTest::newRow("straight line") << curveOf({0, -1, -1, 30}) << curveOf({0, 10, 20, 30});
        QTest::newRow("half rounds down to even")
            << curveOf({100, -1, 101}) << curveOf({100, 100, 101});
        QTest::newRow("-1 in column 0 counts as -1")
            << curveOf({-1, -1, 50}) << curveOf({-1, 24, 50});
        QTest::newRow("halves both ways")
            << curveOf({0, -1, -1, -1, 2}) << curveOf({0, 0, 1, 2, 2});
        QTest::newRow("falling line")
            << curveOf({200, -1, -1, -1, 0}) << curveOf({200, 150, 100, 50, 0});
        QTest::newRow("all present is unchanged")
            << curveOf({0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200})
            << curveOf({0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200});
        QTest::newRow("all removed between 0, 5 and 10")
            << curveOf({0, -1, -1, -1, -1, 5, -1, -1, -1, -1, 10})
            << curveOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        QTest::newRow("two lines meeting at the centre")
            << curveOf({0, -1, -1, -1, -1, 100, -1, -1, -1, -1, 50})
            << curveOf({0, 20, 40, 60, 80, 100, 90, 80, 70, 60, 50});
        QTest::newRow("single inner gap") << curveOf({0, 10, -1, 30}) << curveOf({0, 10, 20, 30});
        QTest::newRow("gap after the last point stays")
            << curveOf({0, 10, 20, 30, 40, 50, 60, 70, 80})
            << curveOf({0, 10, 20, 30, 40, 50, 60, 70, 80});
        QTest::newRow("only column 0") << curveOf({7}) << curveOf({7});
        QTest::newRow("foreign values outside 0..200 pass through")
            << curveOf({-300, -1, 500, 32767, -1, -32768})
            << curveOf({-300, 100, 500, 32767, 0, -32768});
    }

    void fillCurveGaps() {
        QFETCH(Curve, points);
        QFETCH(Curve, sent);
        const Curve before = points;
        QCOMPARE(FillCurveGaps(points), sent);
        QCOMPARE(points, before);
    }

    // Real-valued steps must not let a floating-point error tip a half
    // to the wrong side: compare with integer arithmetic for every gap width.
    void interpolationMatchesExactHalfToEven() {
        int mismatches = 0;
        for (int gap = 2; gap <= 10; ++gap) {
            for (int left = -1; left <= 200; ++left) {
                for (int right = 0; right <= 200; ++right) {
                    Curve curve;
                    curve.fill(RemovedPoint);
                    curve[0] = static_cast<std::int16_t>(left);
                    curve[static_cast<std::size_t>(gap)] = static_cast<std::int16_t>(right);
                    const Curve sent = FillCurveGaps(curve);
                    for (int j = 1; j < gap; ++j) {
                        if (sent[static_cast<std::size_t>(gap - j)] !=
                            exactInterpolation(left, right, gap, j)) {
                            ++mismatches;
                        }
                    }
                }
            }
        }
        QCOMPARE(mismatches, 0);
    }

    void lettersFollowPhaseAndIndex() {
        const char* hover = "MTAGNR";
        const char* acro = "\0tagnr";
        for (int index = 0; index < 6; ++index) {
            QCOMPARE(CurveSet::letterOf(Hover, index), hover[index]);
            QCOMPARE(CurveSet::letterOf(Acro, index), acro[index]);
        }
        QCOMPARE(CurveSet::letterOf(Hover, 6), '\0');
        QCOMPARE(CurveSet::letterOf(Hover, -1), '\0');
        QCOMPARE(CurveSet::letterOf(2, 1), '\0');
        QVERIFY(!CurveSet::isValidLetter('\0'));
        QVERIFY(!CurveSet::isValidLetter('m'));
        QVERIFY(CurveSet::isValidLetter('r'));
    }

    void acroZeroAddressesNothing() {
        CurveSet set;
        QVERIFY(set.at(Acro, 0) == nullptr);
        QVERIFY(std::as_const(set).at(Acro, 0) == nullptr);
        QVERIFY(set.at(Hover, 0) == &set.byLetter('M'));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, set.byLetter('x'));
    }

    // Every (phase, index) pair names its own storage: writing one curve must
    // not show up in another.
    void curvesAreIndependent() {
        CurveSet set;
        int value = 1;
        for (const char letter : CurveSet::SendOrder) {
            set.byLetter(letter).fill(static_cast<std::int16_t>(value++));
        }
        QCOMPARE(set.at(Hover, 2)->at(0), 3); // A
        QCOMPARE(set.at(Acro, 2)->at(10), 8); // a
        QCOMPARE(set.at(Acro, 5)->at(4), 11); // r
        QCOMPARE(set.byLetter('N').at(4), 5);
    }
};

RV_TEST_APPLESS_MAIN(TestCurveSet)
#include "test_curve_set.moc"
