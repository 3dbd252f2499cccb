// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/curve_test_helpers.h"

#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/model/Setup.h"

#include "ui/curves/CurvePicture.h"

#include <QApplication>
#include <QMouseEvent>

namespace curvetest {

namespace {
void send(rv::CurvePicture* picture, QEvent::Type type, QPointF logical, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    const QPointF local = picture->toPixel(logical);
    QMouseEvent event(type, local, picture->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(picture, &event);
}
} // namespace

void move(rv::CurvePicture* picture, QPointF logical, Qt::MouseButtons held) {
    send(picture, QEvent::MouseMove, logical, Qt::NoButton, held);
}

void press(rv::CurvePicture* picture, QPointF logical, Qt::MouseButton button) {
    send(picture, QEvent::MouseButtonPress, logical, button, button);
}

void release(rv::CurvePicture* picture, QPointF logical, Qt::MouseButton button) {
    send(picture, QEvent::MouseButtonRelease, logical, button, Qt::NoButton);
}

void clickAt(rv::CurvePicture* picture, QPointF logical, Qt::MouseButton button) {
    move(picture, logical);
    press(picture, logical, button);
    release(picture, logical, button);
}

void loadOwnRecord(rv::Setup& setup) {
    setup.image.set(rv::Index::PitchMode, static_cast<std::uint8_t>(setup.pitchMode));
    setup = std::get<rv::Setup>(rv::applyRecord(setup, rv::encodeRecord(setup)));
}

} // namespace curvetest
