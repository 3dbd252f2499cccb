// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "ui/pages/general/GeneralPage.h"

#include <QImage>
#include <QLabel>
#include <QPointF>
#include <QRgb>

#include <memory>

namespace rv {
class CurvePicture;
}

// Page 1 shown on its own, with every curve a ramp from 50 in steps of 10 and
// the curve picture at a size where whole pixels map to whole logical units.
class CurvePageFixture {
public:
    static constexpr QRgb Red = 0xFF0000;
    static constexpr QRgb Blue = 0x0000DC;
    static constexpr QRgb Green = 0x00C000;

    rv::SetupDocument document;
    rv::Setup& set = document.writable();
    std::unique_ptr<rv::GeneralPage> page;
    std::unique_ptr<QWidget> speedFrame;
    rv::CurvePicture* pic = nullptr;

    // A fresh setup and page, shown; call from each test's init().
    void openPage();

    template <typename T = QWidget> T* child(const QString& name) const {
        auto* found = page->findChild<T*>(name);
        Q_ASSERT(found);
        return found;
    }
    QString text(const char* label) const { return child<QLabel>(QLatin1String(label))->text(); }
    // Moves the mouse over the picture to a column and the cursor value there.
    void hover(int column, int value);
    // A widget position in a grabbed image, which may hold more pixels on a high-DPI screen.
    static QPoint imagePoint(const QImage& image, QPointF widgetPoint) {
        return (widgetPoint * image.devicePixelRatio()).toPoint();
    }
    // Colour of a dot: its purest pixel, since the segments over it blend in black
    // and its antialiased edge blends in white.
    QRgb dotColour(int column, int value) const;
};
