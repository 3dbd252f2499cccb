// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/CurveSet.h"

#include <QWidget>

namespace rv {

// A small picture of two versions of one curve over each other: the other
// side's dashed, the window's solid. Drawn in the curve picture's logical
// space, so a point sits where the curve editor puts it.
class CurveOverlay : public QWidget {
    Q_OBJECT
public:
    CurveOverlay(const Curve& before, const Curve& after, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {140, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCurve(QPainter& painter, const Curve& curve, const QPen& pen) const;
    QPointF toPixel(double x, double y) const;

    Curve before_;
    Curve after_;
};

} // namespace rv
