// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/NeutralSetup.h"
#include "core/model/ParameterImage.h"
#include "core/model/Rounding.h"
#include "core/model/SettingCatalog.h"
#include "core/model/Setup.h"
#include "core/model/SetupRangeCheck.h"
#include "support/test_main.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace rv;

class TestParameterImage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void percentScaleIsLosslessForEverySliderPosition() {
        for (int p = 0; p <= 100; ++p) {
            QCOMPARE(PercentScale::toPosition(PercentScale::toByte(p)), p);
        }
        QCOMPARE(PercentScale::toByte(78), 198);
        QCOMPARE(PercentScale::toByte(10), 25);
        QCOMPARE(PercentScale::toByte(1), 2);
        QCOMPARE(PercentScale::toByte(3), 7);
        QCOMPARE(PercentScale::toByte(100), 255);
    }

    void percentPositionOfForeignBytesIsNearest() {
        QCOMPARE(PercentScale::toPosition(200), 78); // 78.43
        QCOMPARE(PercentScale::toPosition(102), 40);
        QCOMPARE(PercentScale::toPosition(255), 100);
        for (int b = 0; b <= 255; ++b) {
            const double exact = b * 100.0 / 255.0;
            QVERIFY(std::abs(PercentScale::toPosition(b) - exact) < 0.5);
        }
    }

    void roundingIsHalfToEven() {
        QCOMPARE(roundHalfEven(0.5), 0);
        QCOMPARE(roundHalfEven(1.5), 2);
        QCOMPARE(roundHalfEven(2.5), 2);
        QCOMPARE(roundHalfEven(17.5), 18);
        QCOMPARE(roundHalfEven(10.5), 10);
        QCOMPARE(roundHalfEven(-0.5), 0);
        QCOMPARE(roundHalfEven(-1.5), -2);
        QCOMPARE(roundHalfEven(24.5), 24);
        QCOMPARE(roundHalfEven(2.4999), 2);
        QCOMPARE(roundHalfEven(2.5001), 3);
        // Out of the int64 range: its ends, never an undefined cast.
        constexpr auto most = std::numeric_limits<std::int64_t>::max();
        constexpr auto least = std::numeric_limits<std::int64_t>::min();
        QCOMPARE(roundHalfEven(1e19), most);
        QCOMPARE(roundHalfEven(1e300), most);
        QCOMPARE(roundHalfEven(std::numeric_limits<double>::infinity()), most);
        QCOMPARE(roundHalfEven(-1e300), least);
        QCOMPARE(roundHalfEven(std::nan("")), 0);
        QCOMPARE(floorToInt(-1e19), least);
        QCOMPARE(roundHalfEven(-9223372036854775808.0), least); // still in range
    }

    void referenceComparisonIgnoresEntriesBeyond58() {
        ParameterImage image;
        ParameterImage reference;
        image.set(59, 7);
        image.set(70, 9);
        QVERIFY(image.unitEntriesEqual(reference));
        image.set(58, 1);
        QVERIFY(!image.unitEntriesEqual(reference));
        reference.copyUnitEntriesFrom(image);
        QVERIFY(image.unitEntriesEqual(reference));
        QCOMPARE(reference.at(59), 0); // the copy leaves 59..70 alone
    }

    void channelByteCarriesReverseInBit7() {
        QCOMPARE(channelByte(true, 5), 0x85);
        QCOMPARE(channelByte(false, 9), 9);
        QCOMPARE(channelOf(0x85), 5);
        QVERIFY(reverseOf(0x85));
    }

    // Each entry just inside and just outside its range, on a set that is
    // otherwise normal and therefore asks nothing.
    void rangeCheckFindsEachValueJustOutsideItsRange_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("outside");
        const QList<std::tuple<int, int, bool>> rows{
            {2, 20, false},    {2, 21, true},    {6, 50, false},   {6, 49, true},
            {7, 250, false},   {7, 251, true},   {8, 200, false},  {11, 201, true},
            {13, 25, false},   {13, 26, true},   {18, 100, false}, {18, 101, true},
            {31, 0x81, false}, {31, 0x82, true}, {35, 1, false},   {35, 255, false},
            {35, 0, true},     {37, 2, true},    {38, 101, true},  {42, 2, false},
            {42, 3, true},     {48, 2, true},    {34, 255, false}, {49, 255, false},
            {55, 0x89, false}, {55, 0x8A, true}};
        for (const auto& [index, value, outside] : rows) {
            QTest::addRow("%d=%d", index, value) << index << value << outside;
        }
    }
    void rangeCheckFindsEachValueJustOutsideItsRange() {
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(bool, outside);
        Setup set = neutralSetup();
        QVERIFY(outOfRangeValues(set.image, set.curves, true).isEmpty());
        set.image.set(index, static_cast<std::uint8_t>(value));
        const QList<OutOfRangeValue> found = outOfRangeValues(set.image, set.curves, true);
        QCOMPARE(found.size(), outside ? 1 : 0);
        if (outside) {
            QCOMPARE(found.first().index, index);
            QCOMPARE(found.first().value, value);
            // Named after the setting that holds the entry.
            QVERIFY(found.first().setting != nullptr);
            QCOMPARE(found.first().setting->index, index);
        }
    }

    // The set a failed start-up load leaves: all zeros.
    void rangeCheckOfTheEmptySetNamesTheSpeedsAndServos() {
        const Setup empty;
        QList<int> indices;
        for (const OutOfRangeValue& value : outOfRangeValues(empty.image, empty.curves, true)) {
            indices << value.index;
        }
        QCOMPARE(indices, QList<int>({6, 7, 35, 36, 37}));
    }

    // Channel bytes count only when the channel table goes along; curve points
    // are 0..200 or removed.
    void rangeCheckOfChannelsAndCurvePoints() {
        Setup set = neutralSetup();
        set.image.set(Index::FirstChannel, 12);
        QVERIFY(outOfRangeValues(set.image, set.curves, false).isEmpty());
        QCOMPARE(outOfRangeValues(set.image, set.curves, true).size(), 1);

        set.curves.byLetter('t') = Curve{RemovedPoint, 0, 200, 201, -2, 5, 5, 5, 5, 5, 5};
        const QList<OutOfRangeValue> found = outOfRangeValues(set.image, set.curves, false);
        QCOMPARE(found.size(), 2);
        QCOMPARE(found.at(0).curveLetter, 't');
        QCOMPARE(found.at(0).point, 3);
        QCOMPARE(found.at(0).value, 201);
        QCOMPARE(found.at(1).point, 4);
        QCOMPARE(found.at(1).phase, int(Acro));
        QCOMPARE(found.at(1).curveIndex, 1);
        QVERIFY(found.at(1).setting == nullptr);
    }
};

RV_TEST_APPLESS_MAIN(TestParameterImage)
#include "test_parameter_image.moc"
