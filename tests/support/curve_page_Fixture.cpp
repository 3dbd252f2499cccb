// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/curve_page_Fixture.h"

#include "core/model/CurveGeometry.h"
#include "support/curve_test_helpers.h"
#include "ui/curves/CurvePicture.h"

#include <QColor>
#include <QTest>

using namespace rv;

void CurvePageFixture::openPage() {
    set = Setup{};
    set.pitchMode = 1;
    for (char letter : CurveSet::SendOrder) {
        set.curves.byLetter(letter) = curvetest::ramp(50, 10); // 50 .. 150
    }
    page = std::make_unique<GeneralPage>(document);
    speedFrame = std::make_unique<QWidget>();
    page->setSpeedFrame(speedFrame.get());
    pic = child<CurvePicture>(QStringLiteral("Pic1"));
    // Whole pixels map to whole logical units: 5 units a pixel.
    pic->setFixedSize(640, 640);
    page->resize(1000, 900);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    page->showCurves();
}

void CurvePageFixture::hover(int column, int value) {
    curvetest::move(pic, {curvetest::xOf(column), curvetest::cursorY(value)});
}

QRgb CurvePageFixture::dotColour(int column, int value) const {
    const QImage image = pic->grab().toImage();
    const QPoint centre =
        imagePoint(image, pic->toPixel({curvetest::xOf(column), CurveGeometry::valueY(value)}));
    QColor best(Qt::white);
    for (int dx = -2; dx <= 1; ++dx) {
        for (int dy = -2; dy <= 1; ++dy) {
            const QColor colour = image.pixelColor(centre + QPoint(dx, dy));
            if (colour.hsvSaturation() * 256 + colour.value() >
                best.hsvSaturation() * 256 + best.value()) {
                best = colour;
            }
        }
    }
    return best.rgb() & 0xFFFFFF;
}
