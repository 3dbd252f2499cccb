#include "ui/ApplicationIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace rv {

namespace {

// Same shapes and colours as the SVG, in its 64 x 64 grid.
void paintIn64Grid(QPainter& painter) {
    const QColor navy(0x1d, 0x35, 0x57), white(0xf1, 0xfa, 0xee), red(0xe6, 0x39, 0x46),
        teal(0xa8, 0xda, 0xdc);
    painter.setPen(Qt::NoPen);
    const auto rounded = [&painter](qreal x, qreal y, qreal w, qreal h, qreal r,
                                    const QColor& colour) {
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(x, y, w, h), r, r);
    };
    rounded(2, 2, 60, 60, 12, navy);
    rounded(8, 14, 48, 3, 1.5, white); // rotor disc
    rounded(30.5, 15, 3, 8, 0, white);
    painter.setBrush(red); // fuselage and tail boom
    painter.drawEllipse(QPointF(27, 32), 13, 9);
    rounded(36, 29, 20, 4, 2, red);
    rounded(52, 23, 3, 10, 1.5, white);
    rounded(14, 44, 28, 2.5, 1.2, white); // skids
    rounded(19, 40, 2.5, 5, 0, white);
    rounded(33, 40, 2.5, 5, 0, white);
    painter.setBrush(Qt::NoBrush); // a curve, as on the editor
    painter.setPen(QPen(teal, 2));
    const QPointF curve[] = {{10, 56}, {22, 52}, {32, 50}, {42, 47}, {54, 40}};
    painter.drawPolyline(curve, 5);
}

// Draws the icon into the square of side min(width, height) centred in area.
void paintApplicationIcon(QPainter& painter, const QRectF& area) {
    const qreal side = std::min(area.width(), area.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.center() - QPointF(side / 2, side / 2));
    painter.scale(side / 64, side / 64);
    paintIn64Grid(painter);
    painter.restore();
}

class DrawnIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        paintApplicationIcon(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        const QSize pixels = actualSize(size, mode, state) * scale;
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintApplicationIcon(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }
    // The sizes an X server is sent for the window; the installed .desktop
    // entry has the SVG for anything larger.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    }
    QIconEngine* clone() const override { return new DrawnIconEngine; }
    QString key() const override { return QStringLiteral("RotavionixIcon"); }
    bool isNull() override { return false; }
};

} // namespace

QIcon applicationIcon() {
    return QIcon(new DrawnIconEngine);
}

} // namespace rv
