// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveEditor.h"
#include "core/model/CurveGeometry.h"
#include "core/model/Setup.h"
#include "core/settings/ProgramLanguage.h"
#include "support/curve_page_Fixture.h"
#include "support/curve_test_helpers.h"
#include "support/test_main.h"
#include "ui/curves/CurveDisplay.h"
#include "ui/curves/CurvePicture.h"
#include "ui/curves/CurveSelectionFrame.h"
#include "ui/pages/general/FlightPhasePanel.h"
#include "ui/pages/general/GeneralPage.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace rv;
using curvetest::cursorY;
using curvetest::xOf;

// The curve editor driven through page 1's real widgets.
class TestCurveEditorWidgets : public QObject, CurvePageFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() { openPage(); }

    void cursorPositionsPickColumnsAndValues() {
        curvetest::move(pic, {250, cursorY(100)});
        QCOMPARE(text("IstValue"), QStringLiteral("-50")); // column 0: 50
        QCOMPARE(text("SollValue"), QStringLiteral("0"));
        curvetest::move(pic, {251, cursorY(100)});
        QCOMPARE(text("IstValue"), QStringLiteral("-40")); // column 1: 60
        curvetest::move(pic, {251, 3109});
        QCOMPARE(text("SollValue"), QStringLiteral("-100"));
        curvetest::move(pic, {251, 3110});
        QCOMPARE(text("SollValue"), QStringLiteral("-100")); // no read-out below the range
        curvetest::move(pic, {251, 109});
        QCOMPARE(text("SollValue"), QStringLiteral("100"));
        QVERIFY(pic->hasFocus()); // the mouse over the picture gives it the keys
    }

    void cyclicCurvesShowTheirScaleAndStoreThroughTheReadout() {
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_4")), Qt::LeftButton);
        QCOMPARE(page->curveEditor().curveIndex(), 4);
        QCOMPARE(text("Plus100"), QStringLiteral("+125"));
        QCOMPARE(text("Minus100"), QStringLiteral("-125"));
        QVERIFY(child(QStringLiteral("Plus101"))->isVisible());
        QVERIFY(child(QStringLiteral("Minus101"))->isVisible());
        QVERIFY(child<QObject>(QStringLiteral("HGrid_3"))->property("visible").toBool());
        QVERIFY(child<QObject>(QStringLiteral("HGrid_4"))->property("visible").toBool());

        curvetest::clickAt(pic, {xOf(3), cursorY(150)});
        QCOMPARE(text("SollValue"), QStringLiteral("62"));
        QCOMPARE(set.curves.byLetter('N')[3], 149);
        curvetest::move(pic, {xOf(3), cursorY(150)});
        QCOMPARE(text("IstValue"), QStringLiteral("61"));

        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_1")), Qt::LeftButton);
        QCOMPARE(text("Plus100"), QStringLiteral("+100"));
        QVERIFY(child(QStringLiteral("Plus101"))->isHidden());
        QVERIFY(!child<QObject>(QStringLiteral("HGrid_3"))->property("visible").toBool());
        QVERIFY(child<QObject>(QStringLiteral("HGrid_2"))->property("visible").toBool());
    }

    void gridAndAxisLabelsSitWhereTheValuesAre() {
        for (int c = 0; c <= 10; ++c) {
            const QLineF line =
                child<QObject>(QStringLiteral("VGrid_%1").arg(c))->property("line").toLineF();
            QCOMPARE(line, QLineF(100 + 300 * c, 110, 100 + 300 * c, 3100));
        }
        QCOMPARE(child<QObject>(QStringLiteral("HGrid_1"))->property("line").toLineF(),
                 QLineF(0, 1610, 3200, 1610));
        const auto centreY = [this](const char* name) {
            QWidget* label = child(QLatin1String(name));
            return label->mapTo(page.get(), label->rect().center()).y();
        };
        const auto gridY = [this](int value) {
            return pic->mapTo(page.get(), pic->toPixel({0, CurveGeometry::valueY(value)}).toPoint())
                .y();
        };
        QVERIFY(std::abs(centreY("Plus100") - gridY(200)) <= 1);
        QVERIFY(std::abs(centreY("Mitte") - gridY(100)) <= 1);
        QVERIFY(std::abs(centreY("Minus100") - gridY(0)) <= 1);
        QVERIFY(std::abs(centreY("Plus101") - gridY(180)) <= 1);
        QVERIFY(child(QStringLiteral("Plus100"))->geometry().right() < pic->geometry().left());
    }

    void rightClickRemovesAPointAndTheLineRunsStraight() {
        curvetest::clickAt(pic, {xOf(7), cursorY(100)}, Qt::RightButton);
        QCOMPARE(set.curves.byLetter('A')[7], RemovedPoint);
        QVERIFY(set.changed);
        QCOMPARE(text("IstValue"), QStringLiteral("X")); // at once, not at the next move
        // The ramp is straight anyway: the segment still passes column 7's place, but no dot.
        const QImage image = pic->grab().toImage();
        const QPoint at7 = imagePoint(image, pic->toPixel({xOf(7), CurveGeometry::valueY(120)}));
        int darkest = 255;
        for (int dx = -4; dx <= 4; ++dx) {
            for (int dy = -4; dy <= 4; ++dy) {
                const QColor colour = image.pixelColor(at7 + QPoint(dx, dy));
                QVERIFY(colour.green() < colour.red() + 40); // nothing green
                darkest = std::min(darkest, colour.value());
            }
        }
        QVERIFY(darkest < 100);
        QCOMPARE(dotColour(6, 110), Green);

        for (int column : {5, 10}) {
            curvetest::clickAt(pic, {xOf(column), cursorY(100)}, Qt::RightButton);
            QVERIFY(set.curves.byLetter('A')[static_cast<std::size_t>(column)] != RemovedPoint);
        }
    }

    void heldPointIsRedAndFixedWhileTheAcroThrottlePointIsFree() {
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_3")), Qt::LeftButton);
        QCOMPARE(set.curves.byLetter('G')[0], 0);
        QCOMPARE(dotColour(0, 0), Red);
        QCOMPARE(dotColour(5, 100), Blue);
        curvetest::clickAt(pic, {xOf(0), cursorY(120)});
        curvetest::move(pic, {xOf(0), cursorY(140)}, Qt::LeftButton);
        QTest::keyClick(pic, Qt::Key_Up);
        QCOMPARE(set.curves.byLetter('G')[0], 0);
        QVERIFY(!set.changed);
        auto* field0 = child<QLineEdit>(QStringLiteral("CurvePoint_0"));
        QVERIFY(field0->isReadOnly()); // and says why
        QCOMPARE(field0->toolTip(),
                 QStringLiteral("Point 0 of the hover throttle curve stays at -100."));

        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Acro")), Qt::LeftButton);
        QCOMPARE(page->curveEditor().flightPhase(), int(Acro));
        QCOMPARE(dotColour(0, 50), Blue);
        QVERIFY(!field0->isReadOnly());
        QCOMPARE(field0->toolTip(), QString());
        curvetest::clickAt(pic, {xOf(0), cursorY(120)});
        QCOMPARE(set.curves.byLetter('g')[0], 120);
        QVERIFY(set.changed);
    }

    void upOnTheTopValueStillMarksTheChange() {
        set.curves.byLetter('A')[4] = 200;
        page->showCurves();
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_1")), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_2")), Qt::LeftButton);
        hover(4, 30);
        QTest::keyClick(pic, Qt::Key_Up);
        QCOMPARE(set.curves.byLetter('A')[4], 200);
        QVERIFY(set.changed);
        QCOMPARE(text("IstValue"), QStringLiteral("100"));
    }

    void keyboardAloneReachesAndEditsTheCurve() {
        auto* comment = child<QPlainTextEdit>(QStringLiteral("Comment"));
        comment->setFocus();
        for (int i = 0; i < 12 && !pic->hasFocus(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(pic->hasFocus());
        const QImage unfocusedLook = [this] {
            pic->clearFocus();
            return pic->grab().toImage();
        }();
        pic->setFocus(Qt::TabFocusReason);
        QVERIFY(pic->grab().toImage() != unfocusedLook); // the current column is framed

        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(pic, Qt::Key_Right);
        }
        QCOMPARE(page->curveEditor().lastColumn(), 3);
        QCOMPARE(text("IstValue"), QStringLiteral("-20"));
        QTest::keyClick(pic, Qt::Key_Down);
        QCOMPARE(set.curves.byLetter('A')[3], 79);
        QCOMPARE(text("IstValue"), QStringLiteral("-21"));
        QTest::keyClick(pic, Qt::Key_Left);
        QCOMPARE(text("IstValue"), QStringLiteral("-30"));

        // Typing while the picture has the focus edits nothing, whatever the
        // key's code: %, &, ' and ( share theirs with the arrows elsewhere.
        set.changed = false;
        const auto before = set.curves.byLetter('A');
        for (const char typed : {'%', '&', '\'', '(', 'a', '8'}) {
            QTest::keyClick(pic, typed);
        }
        QCOMPARE(set.curves.byLetter('A'), before);
        QCOMPARE(page->curveEditor().lastColumn(), 2);
        QVERIFY(!set.changed);
        QCOMPARE(text("IstValue"), QStringLiteral("-30"));

        // Delete removes the point, Insert puts it back on the line between its neighbours.
        set.curves.byLetter('A')[1] = 30;
        set.curves.byLetter('A')[3] = 90;
        // Another curve and back takes the changed one up.
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_1")), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_2")), Qt::LeftButton);
        pic->setFocus();
        QCOMPARE(page->curveEditor().lastColumn(), 2);
        set.changed = false;
        QTest::keyClick(pic, Qt::Key_Delete);
        QCOMPARE(set.curves.byLetter('A')[2], RemovedPoint);
        QCOMPARE(text("IstValue"), QStringLiteral("X"));
        QVERIFY(set.changed);
        QTest::keyClick(pic, Qt::Key_Up); // a removed point takes no other key
        QCOMPARE(set.curves.byLetter('A')[2], RemovedPoint);
        QTest::keyClick(pic, Qt::Key_Insert);
        QCOMPARE(set.curves.byLetter('A')[2], 60);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(pic, Qt::Key_Right);
        }
        QCOMPARE(page->curveEditor().lastColumn(), 5);
        QTest::keyClick(pic, Qt::Key_Delete); // the centre point stays
        QVERIFY(set.curves.byLetter('A')[5] != RemovedPoint);
    }

    // The pointer passing over the curve while the pilot types leaves the keys
    // with the text; the same pointer over the curve otherwise hands them to it.
    void aNudgedPointerDoesNotTakeTheKeysFromTheComment() {
        auto* comment = child<QPlainTextEdit>(QStringLiteral("Comment"));
        comment->setFocus();
        QVERIFY(comment->hasFocus());
        const auto before = set.curves.byLetter('A');
        set.changed = false;
        curvetest::move(pic, {xOf(6), cursorY(150)}, Qt::NoButton);
        QVERIFY(comment->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(set.curves.byLetter('A'), before);
        QVERIFY(!set.changed);

        child<QWidget>(QStringLiteral("Kurvenauswahl_2"))->setFocus();
        curvetest::move(pic, {xOf(6), cursorY(150)}, Qt::NoButton);
        QVERIFY(pic->hasFocus());
    }

    void showCurvesReturnsToHoverAndTheFirstCurve() {
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Acro")), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_5")), Qt::LeftButton);
        page->showCurves();
        QVERIFY(child<QRadioButton>(QStringLiteral("Schweben"))->isChecked());
        QVERIFY(child<QRadioButton>(QStringLiteral("Kurvenauswahl_2"))->isChecked());
        QCOMPARE(page->curveEditor().flightPhase(), int(Hover));
        QCOMPARE(page->curveEditor().curveIndex(), 2);
        QVERIFY(child(QStringLiteral("fraFlugphase"))->isVisible());
        QVERIFY(child(QStringLiteral("Kurvenauswahl_3"))->isVisible());
        QVERIFY(child(QStringLiteral("Kurvenauswahl_0"))->isHidden());
        QVERIFY(speedFrame->isHidden());

        set.speedMode = 1;
        page->showCurves();
        QVERIFY(child(QStringLiteral("Kurvenauswahl_3"))->isHidden());
        QVERIFY(!speedFrame->isHidden());

        set.pitchMode = 0;
        page->showCurves();
        QVERIFY(child<QRadioButton>(QStringLiteral("Kurvenauswahl_0"))->isChecked());
        QCOMPARE(page->curveEditor().curveIndex(), 0);
        QVERIFY(child(QStringLiteral("fraFlugphase"))->isHidden());
        QVERIFY(child(QStringLiteral("Kurvenauswahl_2"))->isHidden());
        QVERIFY(speedFrame->isHidden());
        for (int i : {1, 4, 5}) {
            QVERIFY(child(QStringLiteral("Kurvenauswahl_%1").arg(i))->isVisible());
        }
    }

    void controlsAreNamedForScreenReaders() {
        const auto name = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(name(pic), QStringLiteral("Transmitter Stick Travel"));
        QCOMPARE(name(child(QStringLiteral("PhaseChangeSl"))), QStringLiteral("Switch Times:"));
        QCOMPARE(name(child(QStringLiteral("Comment"))),
                 QStringLiteral("Comments: (max. 1000 characters)"));
        QCOMPARE(name(child(QStringLiteral("Kurvenauswahl_4"))),
                 QStringLiteral("Cyclic Pitch Curve"));
        // The names follow the captions into another language.
        auto german = std::make_unique<ProgramTranslation>(German);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(name(pic), QString::fromUtf8("Sender-Knüppelweg"));
        QCOMPARE(name(child(QStringLiteral("PhaseChangeSl"))), QStringLiteral("Umschaltzeiten:"));
        QCOMPARE(name(child(QStringLiteral("Comment"))),
                 QStringLiteral("Kommentar: (max. 1000 Zeichen)"));
        QCOMPARE(name(child(QStringLiteral("Kurvenauswahl_4"))), QStringLiteral("Nick-Kurve"));
        german.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(name(pic), QStringLiteral("Transmitter Stick Travel"));
    }

    // Pictures for a person to look at; written only when a directory is given.
    void screenshots() {
        const QString dir = qEnvironmentVariable("RV_SCREENSHOT_DIR");
        if (dir.isEmpty()) {
            QSKIP("RV_SCREENSHOT_DIR not set");
        }
        QDir().mkpath(dir);
        // A page of its own, with the picture free to follow the window's size.
        page = std::make_unique<GeneralPage>(document);
        pic = child<CurvePicture>(QStringLiteral("Pic1"));
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        set.curves.byLetter('A') = {0, 30, -1, 70, 90, 100, 110, -1, -1, 180, 200};
        set.curves.byLetter('N') = {20, 40, -1, 80, 100, 100, 100, 120, -1, 160, 180};
        set.image.set(2, 15);
        set.image.set(3, 7);
        set.pitchMode = 1;
        curvetest::loadOwnRecord(set);
        page->showSetup(set);
        for (const QSize size : {QSize(760, 560), QSize(1280, 900)}) {
            page->resize(size);
            QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_2")),
                              Qt::LeftButton);
            hover(4, 90);
            QVERIFY(page->grab().save(QStringLiteral("%1/curve_pitch_%2x%3.png")
                                          .arg(dir)
                                          .arg(size.width())
                                          .arg(size.height())));
            QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_4")),
                              Qt::LeftButton);
            hover(7, 120);
            QVERIFY(page->grab().save(QStringLiteral("%1/curve_cyclic_%2x%3.png")
                                          .arg(dir)
                                          .arg(size.width())
                                          .arg(size.height())));
        }
    }
};

RV_TEST_MAIN(TestCurveEditorWidgets)
#include "test_curve_editor_widgets.moc"
