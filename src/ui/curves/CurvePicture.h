// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QObject>
#include <QPixmap>
#include <QWidget>

#include "core/model/CurveSet.h"

#include <array>
#include <optional>

namespace rv {

class CurveEditor;

// A grid line of the curve picture. Lines are painted by the picture, so they
// are plain objects (VGrid_0.., HGrid_0..) that keep position and visibility
// in logical units where a test or a tool can look them up by name.
class CurveGridLine : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible)
    Q_PROPERTY(QLineF line READ line)
public:
    CurveGridLine(const QString& name, QObject* parent);

    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    QLineF line() const { return line_; }
    void setLine(const QLineF& line) { line_ = line; }

private:
    bool visible_ = true;
    QLineF line_;
};

// Pic1: paints the editor's current curve from its state, scaled from the
// logical 3200 x 3200 space onto the widget, and turns mouse and key events
// into the editor's logical-coordinate operations.
class CurvePicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int VGridCount = 11;
    static constexpr int HGridCount = 5;

    explicit CurvePicture(CurveEditor& editor, QWidget* parent = nullptr);

    QPointF toLogical(const QPointF& pixel) const;
    QPointF toPixel(const QPointF& logical) const;

    CurveGridLine* vGrid(int column) const { return vGrid_.at(static_cast<std::size_t>(column)); }
    CurveGridLine* hGrid(int index) const { return hGrid_.at(static_cast<std::size_t>(index)); }

    // Places the grid for the current scale and schedules a repaint.
    void redraw();

    QSize sizeHint() const override { return {420, 420}; }
    QSize minimumSizeHint() const override { return {160, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintBackground(QPainter& painter) const;
    const QPixmap& background() const;
    void paintGrid(QPainter& painter) const;
    void paintFocus(QPainter& painter) const;
    void paintOtherPhase(QPainter& painter) const;
    void paintCurve(QPainter& painter) const;
    void paintPointLabel(QPainter& painter, QPointF dot, int value, bool rising) const;

    CurveEditor& editor_;
    std::array<CurveGridLine*, VGridCount> vGrid_{};
    std::array<CurveGridLine*, HGridCount> hGrid_{};
    // What the cached background was drawn for.
    struct BackgroundKey {
        QSize pixels;
        bool wideScale = false;
        std::optional<Curve> otherPhase;
        bool operator==(const BackgroundKey&) const = default;
    };
    bool dragging_ = false;
    mutable QPixmap background_;
    mutable BackgroundKey backgroundKey_;
};

} // namespace rv
