// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one drag step of the curve editor: a mouse move with the left
// button held, the write-back into the curve set and the repaint of the
// picture with its point values and the other phase's curve behind it (the
// point field's new text included, its repaint not), at two picture sizes.
#include "core/model/CurveGeometry.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "ui/curves/CurvePicture.h"
#include "ui/pages/general/GeneralPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <cstdio>
#include <ctime>

namespace {

void sendMouse(rv::CurvePicture* picture, QEvent::Type type, QPointF logical,
               Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF local = picture->toPixel(logical);
    QMouseEvent event(type, local, picture->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(picture, &event);
}

void measure(rv::GeneralPage& page, rv::CurvePicture* picture, QSize pageSize) {
    page.resize(pageSize);
    QApplication::processEvents();
    const double x = rv::CurveGeometry::columnX(4);
    sendMouse(picture, QEvent::MouseMove, {x, 1600}, Qt::NoButton, Qt::NoButton);
    sendMouse(picture, QEvent::MouseButtonPress, {x, 1600}, Qt::LeftButton, Qt::LeftButton);

    constexpr int Steps = 2000;
    QElapsedTimer timer;
    timer.start();
    // Processor time too: on a shared machine it says what the step costs
    // where the wall clock also counts the waits for a core.
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < Steps; ++i) {
        // Sweep up and down through the value range so every step changes the point.
        const double y = 200 + (i % 200) * 14.0;
        sendMouse(picture, QEvent::MouseMove, {x, y}, Qt::NoButton, Qt::LeftButton);
        picture->repaint();
    }
    const double micros = timer.nsecsElapsed() / 1000.0 / Steps;
    const double cpuMicros = 1e6 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / Steps;
    sendMouse(picture, QEvent::MouseButtonRelease, {x, 1600}, Qt::LeftButton, Qt::NoButton);
    std::printf("picture %4d x %4d px: %8.1f us per drag step, %8.1f us processor time (%d "
                "steps)\n",
                picture->width(), picture->height(), micros, cpuMicros, Steps);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    rv::SetupDocument document;
    rv::Setup& set = document.writable();
    set.pitchMode = 1;
    for (char letter : rv::CurveSet::SendOrder) {
        auto& curve = set.curves.byLetter(letter);
        for (int c = 0; c < rv::CurvePoints; ++c) {
            // The acro curves differ, so the faint curve behind is drawn apart.
            const int value = letter >= 'a' ? 10 + 18 * c : 20 * c;
            curve[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(value);
        }
    }
    rv::GeneralPage page(document);
    page.show();
    page.showCurves();
    auto* picture = page.findChild<rv::CurvePicture*>(QStringLiteral("Pic1"));
    measure(page, picture, {800, 600});
    measure(page, picture, {1600, 1200});
    return 0;
}
