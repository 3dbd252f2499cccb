// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/curves/CurvePicture.h"

#include "core/model/CurveEditor.h"
#include "core/model/CurveGeometry.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace rv {

using namespace CurveGeometry;

namespace {
// Values of HGrid 0..4: top, centre, bottom, and the +100/-100 marks of a 1.25 curve.
constexpr std::array<int, CurvePicture::HGridCount> HGridValues{200, 100, 0, 180, 20};

const QColor Background(255, 255, 255);
const QColor GridColour(170, 170, 170);
const QColor InnerDot(0, 192, 0);
const QColor OuterDot(0, 0, 220);
const QColor HeldDot(255, 0, 0);
const QColor SegmentColour(0, 0, 0);
const QColor OtherPhaseColour(90, 110, 200, 90);
const QColor PointLabelColour(60, 60, 60);
constexpr double DotWidth = 6.0;
constexpr double SegmentWidth = 1.0;

CurveEditor::Key editorKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return CurveEditor::KeyLeft;
    case Qt::Key_Up:
        return CurveEditor::KeyUp;
    case Qt::Key_Right:
        return CurveEditor::KeyRight;
    case Qt::Key_Down:
        return CurveEditor::KeyDown;
    case Qt::Key_Insert:
        return CurveEditor::KeyInsert;
    case Qt::Key_Delete:
        return CurveEditor::KeyDelete;
    default:
        return CurveEditor::KeyOther;
    }
}

int editorButtons(Qt::MouseButtons buttons) {
    int result = CurveEditor::NoButton;
    if (buttons & Qt::LeftButton) {
        result |= CurveEditor::LeftButton;
    }
    if (buttons & Qt::RightButton) {
        result |= CurveEditor::RightButton;
    }
    if (buttons & Qt::MiddleButton) {
        result |= CurveEditor::MiddleButton;
    }
    return result;
}
} // namespace

CurveGridLine::CurveGridLine(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

CurvePicture::CurvePicture(CurveEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("Pic1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (int c = 0; c < VGridCount; ++c) {
        vGrid_[static_cast<std::size_t>(c)] =
            new CurveGridLine(QStringLiteral("VGrid_%1").arg(c), this);
    }
    for (int i = 0; i < HGridCount; ++i) {
        auto* line = new CurveGridLine(QStringLiteral("HGrid_%1").arg(i), this);
        const double y = valueY(HGridValues[static_cast<std::size_t>(i)]);
        line->setLine(QLineF(0, y, LogicalSize, y));
        line->setVisible(i < 3);
        hGrid_[static_cast<std::size_t>(i)] = line;
    }
    redraw();
}

QPointF CurvePicture::toLogical(const QPointF& pixel) const {
    return {pixel.x() * LogicalSize / qMax(1, width()),
            pixel.y() * LogicalSize / qMax(1, height())};
}

QPointF CurvePicture::toPixel(const QPointF& logical) const {
    return {logical.x() * width() / LogicalSize, logical.y() * height() / LogicalSize};
}

void CurvePicture::redraw() {
    const bool wide = editor_.curveScale() != 1.0;
    hGrid(3)->setVisible(wide);
    hGrid(4)->setVisible(wide);
    for (int c = 0; c < VGridCount; ++c) {
        vGrid(c)->setLine(QLineF(columnX(c), 110, columnX(c), 3100));
    }
    update();
}

void CurvePicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (dragging_) {
        painter.drawPixmap(0, 0, background());
    } else {
        background_ = QPixmap(); // kept only while a drag needs it
        paintBackground(painter);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    if (hasFocus()) {
        paintFocus(painter);
    }
    paintCurve(painter);
}

void CurvePicture::paintBackground(QPainter& painter) const {
    painter.fillRect(rect(), Background);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGrid(painter);
    paintOtherPhase(painter);
}

// The grid and the other phase's curve stay the same while a point is
// dragged: drawn once into a pixmap, a drag step only copies them.
const QPixmap& CurvePicture::background() const {
    const Curve* other = editor_.otherPhaseCurve();
    BackgroundKey key{size() * devicePixelRatioF(), hGrid(3)->isVisible(),
                      other != nullptr ? std::optional<Curve>(*other) : std::nullopt};
    if (background_.isNull() || !(key == backgroundKey_)) {
        background_ = QPixmap(key.pixels);
        background_.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(&background_);
        paintBackground(painter);
        backgroundKey_ = std::move(key);
    }
    return background_;
}

void CurvePicture::paintGrid(QPainter& painter) const {
    painter.setPen(QPen(GridColour, 1.0));
    auto drawLine = [&](const CurveGridLine* line) {
        if (line->isVisible()) {
            painter.drawLine(QLineF(toPixel(line->line().p1()), toPixel(line->line().p2())));
        }
    };
    for (const auto* line : vGrid_) {
        drawLine(line);
    }
    for (const auto* line : hGrid_) {
        drawLine(line);
    }
}

// The column the keys act on, framed while the picture has the focus.
void CurvePicture::paintFocus(QPainter& painter) const {
    const double x = columnX(editor_.lastColumn());
    const QRectF band(toPixel({x - 120, 40}), toPixel({x + 120, 3180}));
    QPen pen(palette().color(QPalette::Highlight), 1.5, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band.adjusted(0.5, 0.5, -0.5, -0.5));
}

// The same curve of the other flight phase, faint behind the one edited.
void CurvePicture::paintOtherPhase(QPainter& painter) const {
    const Curve* other = editor_.otherPhaseCurve();
    if (other == nullptr) {
        return;
    }
    QPolygonF line;
    for (int c = 0; c < CurvePoints; ++c) {
        const int value = (*other)[static_cast<std::size_t>(c)];
        if (value != RemovedPoint) {
            line << toPixel({columnX(c), valueY(value)});
        }
    }
    painter.setPen(QPen(OtherPhaseColour, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
}

// Each point's value beside its dot, on the side away from the line: left of
// a rising curve, right of a falling one; below the dot near the top edge.
void CurvePicture::paintPointLabel(QPainter& painter, QPointF dot, int value, bool rising) const {
    const QString text = QString::number(shownValue(value, editor_.curveScale()));
    const QFontMetrics metrics = painter.fontMetrics();
    const double textWidth = metrics.horizontalAdvance(text);
    double x = rising ? dot.x() - 4 - textWidth : dot.x() + 4;
    x = std::clamp(x, 0.0, std::max(0.0, width() - textWidth));
    const double above = dot.y() - 4;
    const double y = above - metrics.ascent() < 0 ? dot.y() + 4 + metrics.ascent() : above;
    painter.setPen(PointLabelColour);
    painter.drawText(QPointF(x, y), text);
}

void CurvePicture::paintCurve(QPainter& painter) const {
    if (!editor_.hasPoints()) {
        return;
    }
    const Curve& points = editor_.editPoints();
    QPointF previous = toPixel({columnX(0), valueY(points[0])});
    for (int c = 0; c < CurvePoints; ++c) {
        const int value = points[static_cast<std::size_t>(c)];
        if (value == RemovedPoint) {
            continue;
        }
        const QPointF dot = toPixel({columnX(c), valueY(value)});
        QColor colour = InnerDot;
        if (c == 0 || c == 5 || c == LastColumn) {
            colour = editor_.fixedPointGuard(c) ? HeldDot : OuterDot;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(dot, DotWidth / 2, DotWidth / 2);
        if (c > 0) {
            // The segment is drawn after the dot so that it lies over it.
            painter.setPen(QPen(SegmentColour, SegmentWidth));
            painter.drawLine(previous, dot);
        }
        previous = dot;
    }
    const Curve filled = FillCurveGaps(points);
    for (int c = 0; c < CurvePoints; ++c) {
        const int value = points[static_cast<std::size_t>(c)];
        if (value != RemovedPoint) {
            const int before = filled[static_cast<std::size_t>(std::max(c - 1, 0))];
            const int after = filled[static_cast<std::size_t>(std::min(c + 1, LastColumn))];
            paintPointLabel(painter, toPixel({columnX(c), valueY(value)}), value, after > before);
        }
    }
}

void CurvePicture::mouseMoveEvent(QMouseEvent* event) {
    // The arrow keys act on the curve as soon as the pointer is over it, but
    // a pointer nudged while the pilot types must not take the keys away from
    // a text field: the typing would then bend the curve.
    const QWidget* focus = QApplication::focusWidget();
    const bool typing =
        focus != nullptr && (focus->inherits("QPlainTextEdit") || focus->inherits("QLineEdit") ||
                             focus->inherits("QAbstractSpinBox"));
    if (!typing || event->buttons() != Qt::NoButton) {
        setFocus(Qt::MouseFocusReason);
    }
    dragging_ = (event->buttons() & Qt::LeftButton) != 0;
    const QPointF logical = toLogical(event->position());
    editor_.moveMouse(editorButtons(event->buttons()), logical.x(), logical.y());
}

void CurvePicture::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    dragging_ = false;
}

void CurvePicture::mousePressEvent(QMouseEvent* event) {
    const QPointF logical = toLogical(event->position());
    editor_.pressMouse(editorButtons(event->button()), logical.x(), logical.y());
}

void CurvePicture::keyPressEvent(QKeyEvent* event) {
    editor_.pressKey(editorKeyCode(event->key()));
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        event->accept();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CurvePicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CurvePicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace rv
