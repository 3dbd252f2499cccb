// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compare/CurveOverlay.h"

#include "core/model/CurveGeometry.h"

#include <QPainter>

namespace rv {

using namespace CurveGeometry;

namespace {
const QColor OverlayGridColour(200, 200, 200);
const QColor BeforeColour(0, 0, 220);
const QColor AfterColour(200, 0, 0);
} // namespace

CurveOverlay::CurveOverlay(const Curve& before, const Curve& after, QWidget* parent)
    : QWidget(parent), before_(before), after_(after) {}

QPointF CurveOverlay::toPixel(double x, double y) const {
    return {x * width() / LogicalSize, y * height() / LogicalSize};
}

void CurveOverlay::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(OverlayGridColour, 1.0));
    for (const int value : {0, 100, 200}) {
        painter.drawLine(toPixel(0, valueY(value)), toPixel(LogicalSize, valueY(value)));
    }
    painter.drawLine(toPixel(columnX(5), valueY(200)), toPixel(columnX(5), valueY(0)));
    painter.setRenderHint(QPainter::Antialiasing);
    paintCurve(painter, before_, QPen(BeforeColour, 1.5, Qt::DashLine));
    paintCurve(painter, after_, QPen(AfterColour, 1.5));
}

// Removed points are left out and their neighbours joined, as the editor draws them.
void CurveOverlay::paintCurve(QPainter& painter, const Curve& curve, const QPen& pen) const {
    QPolygonF line;
    for (int c = 0; c < CurvePoints; ++c) {
        const int value = curve.at(static_cast<std::size_t>(c));
        if (value != RemovedPoint) {
            line << toPixel(columnX(c), valueY(value));
        }
    }
    painter.setPen(pen);
    painter.drawPolyline(line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pen.color());
    for (const QPointF& dot : line) {
        painter.drawEllipse(dot, 2.5, 2.5);
    }
}

} // namespace rv
