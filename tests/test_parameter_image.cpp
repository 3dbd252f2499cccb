#include "model/ParameterImage.h"
#include "model/Rounding.h"

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
};

QTEST_APPLESS_MAIN(TestParameterImage)
#include "test_parameter_image.moc"
