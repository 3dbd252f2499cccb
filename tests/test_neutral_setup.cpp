// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/NeutralSetup.h"
#include "core/format/ParameterFile.h"
#include "core/format/ParameterRecord.h"
#include "support/test_main.h"

#include <QFile>
#include <QTest>

using namespace rv;

class TestNeutralSetup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shippedFileIsTheGeneratedOne() {
        QFile shipped(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(shipped.readAll(), encodeRecord(neutralSetup()));
    }

    void neutralSetupIsConsistent() {
        const Setup set = neutralSetup();
        // Every gain is on the percent scale, so loading it reports no change.
        for (int index : {13, 14, 20, 30, 34, 45}) {
            const int byte = set.image.at(index);
            QCOMPARE(PercentScale::toByte(PercentScale::toPosition(byte)), byte);
        }
        QCOMPARE(set.image.at(Index::HoverSpeed) * 10, 1500);
        QCOMPARE(int(set.image.at(Index::SpeedFactor06)), 90);
        QCOMPARE(int(set.image.at(Index::SpeedFactor07)), 105);
        const std::uint8_t mode1[] = {2, 4, 3, 1, 5, 6};
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(set.image.at(Index::FirstChannel + row), mode1[row]);
        }
        for (char letter : CurveSet::SendOrder) {
            QCOMPARE(set.curves.byLetter(letter)[10], std::int16_t(200));
            QCOMPARE(set.curves.byLetter(letter)[5], std::int16_t(100));
        }
        QVERIFY(set.storedComment.startsWith(QStringLiteral("Neutral starting setup")));
    }
};

RV_TEST_MAIN(TestNeutralSetup)
#include "test_neutral_setup.moc"
