// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/Setup.h"
#include "core/model/SetupEdits.h"
#include "core/model/SliderTable.h"
#include "core/model/ValueEntry.h"
#include "support/test_main.h"

#include <QSet>
#include <QTest>

using namespace rv;

namespace {
const SliderDefinition& row(const char* key) {
    const SliderDefinition* found = findSliderDefinition(QString::fromLatin1(key));
    Q_ASSERT(found != nullptr);
    return *found;
}
} // namespace

class TestSliderTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachRowIsFoundByItsKeyAndOwnsItsByte() {
        QSet<QString> keys;
        QSet<int> indices;
        int expert = 0;
        for (const SliderDefinition& d : sliderDefinitions()) {
            keys << QLatin1String(d.key);
            indices << d.index;
            expert += d.expert ? 1 : 0;
            QCOMPARE(findSliderDefinition(QString::fromLatin1(d.key)), &d);
            QVERIFY(d.index >= 0 && d.index <= 58);
            // The largest position must still give a byte, never wrap.
            QVERIFY(SliderArithmetic::byteForPosition(d, d.maximum) <= 255);
        }
        const int rows = static_cast<int>(sliderDefinitions().size());
        QCOMPARE(keys.size(), rows);
        QCOMPARE(indices.size(), rows);
        QVERIFY(expert > 0 && expert < rows);
        QVERIFY(findSliderDefinition(u"no_such_slider") == nullptr);
    }

    void positionsBecomeBytesByKind() {
        QCOMPARE(SliderArithmetic::byteForPosition(row("soft_start"), 10), 25);
        QCOMPARE(SliderArithmetic::byteForPosition(row("soft_start"), 1), 2);
        QCOMPARE(SliderArithmetic::byteForPosition(row("soft_start"), 3), 7);
        QCOMPARE(SliderArithmetic::byteForPosition(row("system_gain"), 78), 198);
        QCOMPARE(SliderArithmetic::byteForPosition(row("system_gain"), 100), 255);
        QCOMPARE(SliderArithmetic::byteForPosition(row("light_1_on"), 1237), 123);
        QCOMPARE(SliderArithmetic::byteForPosition(row("light_1_on"), 2000), 200);
        QCOMPARE(SliderArithmetic::byteForPosition(row("light_1_on"), 9), 0);
        QCOMPARE(SliderArithmetic::byteForPosition(row("tail_dual_rate"), 77), 77);
        QCOMPARE(SliderArithmetic::byteForPosition(row("collective_pitch_part"), 64), 64);
        // Out-of-range positions are bounded, not wrapped.
        QCOMPARE(SliderArithmetic::byteForPosition(row("light_1_on"), 5000), 200);
        QCOMPARE(SliderArithmetic::byteForPosition(row("soft_start"), 200), 25);
    }

    void valueLabelShowsTheTenMillisecondStep() {
        QCOMPARE(SliderArithmetic::labelText(row("light_1_off"), 1237), QStringLiteral("1230"));
        QCOMPARE(SliderArithmetic::labelText(row("light_1_off"), 9), QStringLiteral("0"));
        QCOMPARE(SliderArithmetic::labelText(row("tail_gain"), 78), QStringLiteral("78"));
    }

    void bytesBecomePositionsClampedToTheSlider() {
        QCOMPARE(SliderArithmetic::positionForByte(row("governor_sensitivity"), 198), 78);
        QCOMPARE(SliderArithmetic::positionForByte(row("governor_sensitivity"), 200), 78);
        QCOMPARE(SliderArithmetic::positionForByte(row("soft_start"), 25), 10);
        QCOMPARE(SliderArithmetic::positionForByte(row("soft_start"), 255), 10);
        QCOMPARE(SliderArithmetic::positionForByte(row("light_2_on"), 123), 1230);
        QCOMPARE(SliderArithmetic::positionForByte(row("light_2_on"), 250), 2000);
        QCOMPARE(SliderArithmetic::positionForByte(row("tail_dual_rate"), 180), 100);
        // Every slider position survives the trip through its byte.
        for (const SliderDefinition& d : sliderDefinitions()) {
            for (int p = d.minimum; p <= d.maximum; p += d.singleStep) {
                const int back =
                    SliderArithmetic::positionForByte(d, SliderArithmetic::byteForPosition(d, p));
                QCOMPARE(back, p);
            }
        }
    }

    void partRowsSetTheirStateVariableOnly() {
        Setup set;
        set.image.set(38, 9);
        set.image.set(39, 9);
        setSliderPosition(set, row("collective_pitch_part"), 64);
        setSliderPosition(set, row("cyclic_pitch_part"), 33);
        QCOMPARE(set.pitchPart, 64);
        QCOMPARE(set.cyclicPart, 33);
        QCOMPARE(set.image.at(38), 9); // follows only at the next collection
        QCOMPARE(set.image.at(39), 9);

        setSliderPosition(set, row("tail_dynamic_compensation"), 40);
        QCOMPARE(set.image.at(21), 102);
        set.referenceImage.set(18, 55);
        QCOMPARE(referencePosition(set, row("tail_dual_rate")), 55);
    }

    // A typed value lands where a slider move to it would, and is refused
    // when the slider cannot show it.
    void typedValuesBecomePositionsWithinTheSlider() {
        using namespace ValueEntry;
        const QLocale english(QLocale::English);
        const QLocale german(QLocale::German);
        const SliderDefinition& tailGain = *findSliderDefinition(u"tail_gain");
        const TypedRange percent{tailGain.minimum, tailGain.maximum, 1};
        const auto position = positionOf(QStringLiteral(" 63 "), english, percent);
        QCOMPARE(std::get<int>(position), 63);
        Setup setup;
        setSliderPosition(setup, tailGain, std::get<int>(position));
        QCOMPARE(setup.image.at(tailGain.index), 160); // floor(63 * 255 / 100)

        const TypedRange seconds{0, 20, 10};
        QCOMPARE(std::get<int>(positionOf(QStringLiteral("1,5"), german, seconds)), 15);
        QCOMPARE(std::get<int>(positionOf(QStringLiteral("0.25"), english, seconds)), 2);
        QCOMPARE(std::get<int>(positionOf(QStringLiteral("-0.4"), english, percent)), 0);
        QCOMPARE(std::get<int>(positionOf(QStringLiteral("100.4"), english, percent)), 100);

        const std::pair<const char*, TypedValueFault> refused[] = {
            {"100.6", TypedValueFault::OutOfRange}, {"-1", TypedValueFault::OutOfRange},
            {"1e300", TypedValueFault::OutOfRange}, {"abc", TypedValueFault::NotANumber},
            {"", TypedValueFault::NotANumber},      {"nan", TypedValueFault::NotANumber},
            {"1,000", TypedValueFault::NotANumber}, // a group separator, not 1
        };
        for (const auto& [text, fault] : refused) {
            const auto result = positionOf(QString::fromLatin1(text), english, percent);
            QVERIFY2(std::holds_alternative<TypedValueFault>(result), text);
            QCOMPARE(std::get<TypedValueFault>(result), fault);
        }
        QCOMPARE(std::get<TypedValueFault>(positionOf(QStringLiteral("2,1"), german, seconds)),
                 TypedValueFault::OutOfRange);
    }
};

RV_TEST_APPLESS_MAIN(TestSliderTable)
#include "test_slider_table.moc"
