// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_main.h"
#include "ui/window/ApplicationSetup.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTest>

using namespace rv;

class TestApplicationSetup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The names place the settings file; the icon is the packaged picture at
    // every size a desktop asks a window for.
    void namesTheProgramAndGivesItsIcon() {
        setUpApplication();
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Rotavionix Control"));
        const QIcon icon = QApplication::windowIcon();
        for (const int side : {16, 32, 48, 64, 256}) {
            QVERIFY2(icon.availableSizes().contains(QSize(side, side)),
                     qPrintable(QString::number(side)));
            const QImage image = icon.pixmap(side).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            const auto at = [&](int x, int y) {
                return image.pixelColor(x * side / 64, y * side / 64);
            };
            QCOMPARE(at(0, 0).alpha(), 0);                          // outside the rounded square
            QCOMPARE(at(32, 58).name(), QStringLiteral("#1d3557")); // the square
            QCOMPARE(at(22, 32).name(), QStringLiteral("#e63946")); // the fuselage
        }
    }
};

RV_TEST_MAIN(TestApplicationSetup)
#include "test_application_setup.moc"
