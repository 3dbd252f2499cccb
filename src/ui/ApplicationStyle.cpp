#include "ui/ApplicationStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <utility>

namespace rv {

namespace {

// An icon made by a function the first time anything needs it.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("DeferredIcon"); }
    bool isNull() override { return false; }

private:
    QIcon& icon() {
        if (!icon_) {
            icon_ = make_();
        }
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

// Fusion's group-box frame (its fusion_groupbox.png) as a nine-patch: the
// 6-pixel corners, and the one-pixel edges and centre that Fusion stretches.
// Each character picks a colour; the test draws both and compares pixels.
QPixmap fusionGroupBoxFrame() {
    static constexpr QRgb colours[16] = {0x00ffffff, 0x0d272727, 0x345d5d5d, 0x346c6c6c,
                                         0x32757575, 0x37666666, 0x0c151515, 0x39626262,
                                         0x1f5a5a5a, 0x0a000000, 0x08000000, 0x07000000,
                                         0x1e5e5e5e, 0x355b5b5b, 0x09000000, 0x03000000};
    static constexpr std::array<const char*, 13> rows = {
        "0000000000000", "0123444444356", "0789abbbba9cd", "03effffffffe3", "04affffffffa4",
        "04bffffffffb4", "04bffffffffb4", "04bffffffffb4", "04bffffffffb4", "04affffffffa4",
        "03effffffffe3", "0dc9abbbba987", "0653444444321"};
    QImage image(13, 13, QImage::Format_ARGB32);
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 13; ++x) {
            const char digit = rows[static_cast<std::size_t>(y)][x];
            image.setPixel(x, y, colours[digit <= '9' ? digit - '0' : digit - 'a' + 10]);
        }
    }
    return QPixmap::fromImage(image);
}

class ApplicationStyle : public QProxyStyle {
public:
    explicit ApplicationStyle(const QString& key) : QProxyStyle(key) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameGroupBox && drawFusionGroupBoxFrame(option, painter, widget)) {
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which != SP_ToolBarHorizontalExtensionButton &&
            which != SP_ToolBarVerticalExtensionButton) {
            return QProxyStyle::standardIcon(which, option, widget);
        }
        // Only the direction of the option matters for these arrows; the
        // option and widget themselves may be gone when the icon is drawn.
        const Qt::LayoutDirection direction =
            option != nullptr ? option->direction
                              : (widget != nullptr ? widget->layoutDirection()
                                                   : QGuiApplication::layoutDirection());
        const QPointer<QStyle> base(baseStyle());
        return QIcon(new DeferredIconEngine([base, which, direction] {
            if (base.isNull()) {
                return QIcon();
            }
            QStyleOption arrowOption;
            arrowOption.direction = direction;
            return base->standardIcon(which, &arrowOption);
        }));
    }

private:
    // What Fusion does for PE_FrameGroupBox, with the same picture and placement.
    bool drawFusionGroupBoxFrame(const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
        if (baseStyle()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0) {
            return false;
        }
        if (!groupBoxFrame_) {
            groupBoxFrame_ = fusionGroupBoxFrame();
        }
        // Below the title line; a box with neither title nor check box starts near the top.
        constexpr int groupBoxTopMargin = 3;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int topMargin =
            box != nullptr && !box->isCheckable() && box->title().isEmpty()
                ? groupBoxTopMargin
                : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                           option->fontMetrics.height()) +
                      groupBoxTopMargin;
        qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6),
                          *groupBoxFrame_);
        return true;
    }

    mutable std::optional<QPixmap> groupBoxFrame_;
};

} // namespace

QStyle* createApplicationStyle(const QString& key) {
    return new ApplicationStyle(key);
}

void installApplicationStyle() {
    // Only Fusion (the style on Linux desktops without a theme of their own)
    // is wrapped: the native Windows and macOS styles stay exactly as Qt sets them.
    const QStyle* current = QApplication::style();
    if (current != nullptr && dynamic_cast<const ApplicationStyle*>(current) == nullptr &&
        current->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0) {
        QApplication::setStyle(createApplicationStyle(current->name()));
    }
}

} // namespace rv
