#include "ui/ApplicationIcon.h"
#include "ui/ApplicationSetup.h"
#include "ui/ApplicationStyle.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using namespace rv;

namespace {

QImage drawn(QWidget& widget, QStyle* style) {
    widget.setStyle(style);
    widget.resize(230, 120);
    return widget.grab().toImage();
}

// Whether any image-format plugin has been loaded into this process.
bool imagePluginLoaded() {
#ifdef Q_OS_LINUX
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
#else
    return false;
#endif
}

// Equal but for the rounding of antialiased painting.
bool near(const QColor& actual, const QColor& expected) {
    return qAbs(actual.red() - expected.red()) <= 2 &&
           qAbs(actual.green() - expected.green()) <= 2 &&
           qAbs(actual.blue() - expected.blue()) <= 2 && actual.alpha() == 255;
}

} // namespace

class TestApplicationLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Runs first: drawing with the program's style must not load image plugins,
    // and the reference drawings below (with Fusion itself) would.
    void startupDrawingLoadsNoImagePlugin() {
        QApplication::setStyle(QStringLiteral("Fusion"));
        installApplicationStyle();
        QVERIFY(qobject_cast<QProxyStyle*>(QApplication::style()) != nullptr);
        QWidget window;
        QGroupBox box(QStringLiteral("Flight Phase"), &window);
        box.setGeometry(5, 5, 200, 100);
        auto* menus = new QMenuBar(&window);
        menus->addMenu(QStringLiteral("File"));
        window.resize(300, 200);
        window.grab();
        QVERIFY(!imagePluginLoaded());
    }

    void onlyFusionIsWrapped() {
        QApplication::setStyle(QStringLiteral("Windows"));
        QStyle* windows = QApplication::style();
        installApplicationStyle();
        QCOMPARE(QApplication::style(), windows);
    }

    void groupBoxFramesLookAsFusionDrawsThem() {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        std::unique_ptr<QStyle> ours(createApplicationStyle(QStringLiteral("Fusion")));
        for (const QString& title : {QStringLiteral("Curve selection"), QString()}) {
            for (const bool checkable : {false, true}) {
                QGroupBox box(title);
                box.setCheckable(checkable);
                const QImage expected = drawn(box, fusion.get());
                QCOMPARE(drawn(box, ours.get()), expected);
                box.setEnabled(false);
                QCOMPARE(drawn(box, ours.get()), drawn(box, fusion.get()));
            }
        }
    }

    void otherStylesDrawTheirOwnFrames() {
        std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
        std::unique_ptr<QStyle> ours(createApplicationStyle(QStringLiteral("Windows")));
        QGroupBox box(QStringLiteral("Comments"));
        QCOMPARE(drawn(box, ours.get()), drawn(box, windows.get()));
    }

    void extensionArrowIsFusionsOnceDrawn() {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        std::unique_ptr<QStyle> ours(createApplicationStyle(QStringLiteral("Fusion")));
        for (const auto which :
             {QStyle::SP_ToolBarHorizontalExtensionButton,
              QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_DialogOkButton}) {
            const QIcon expected = fusion->standardIcon(which);
            const QIcon icon = ours->standardIcon(which);
            QVERIFY(!icon.isNull());
            QCOMPARE(icon.availableSizes(), expected.availableSizes());
            QCOMPARE(icon.pixmap(16).toImage(), expected.pixmap(16).toImage());
        }
        // An icon outliving the style it came from draws nothing instead of crashing.
        const QIcon orphan = ours->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        ours.reset();
        QVERIFY(orphan.pixmap(16).isNull());
    }

    void applicationIconIsDrawnAtEverySize() {
        const QIcon icon = applicationIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(128, 128)));
        for (const int side : {16, 32, 64, 256}) {
            const QImage image = icon.pixmap(side).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            const auto at = [&](qreal x, qreal y) {
                return image.pixelColor(qRound(x * side / 64), qRound(y * side / 64));
            };
            QCOMPARE(at(0, 0).alpha(), 0);               // outside the rounded square
            QVERIFY(near(at(32, 56), QColor(0x1d3557))); // the square
            QVERIFY(near(at(22, 32), QColor(0xe63946))); // the fuselage
        }
        // Wider than high: a centred square.
        const QImage wide = icon.pixmap(QSize(128, 64)).toImage();
        QCOMPARE(wide.size(), QSize(64, 64));
    }

    // Put off until the first window has painted, but never left out.
    void windowIconFollowsTheFirstPaint() {
        setUpApplication();
        QVERIFY(QApplication::windowIcon().isNull());
        QWidget window;
        window.resize(200, 100);
        window.show();
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(window.windowIcon().pixmap(32).toImage(), applicationIcon().pixmap(32).toImage());
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Rotavionix Control"));
    }
};

QTEST_MAIN(TestApplicationLook)
#include "test_application_look.moc"
