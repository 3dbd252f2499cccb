// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveEditor.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "support/curve_test_helpers.h"
#include "support/test_main.h"
#include "ui/curves/CurvePicture.h"
#include "ui/pages/controller/GovernorSpeedRows.h"
#include "ui/pages/general/GeneralPage.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace rv;

// Flight phases, switch times, governor speeds and the loading and
// collecting of their image bytes, through the real widgets.
class TestFlightPhase : public QObject {
    Q_OBJECT

    SetupDocument document;
    Setup& set = document.writable();
    std::unique_ptr<GeneralPage> page;
    std::unique_ptr<GovernorSpeedRows> speeds;

    template <typename T = QWidget> T* find(const QString& name) const {
        T* found = page->findChild<T*>(name);
        if (!found) {
            found = speeds->findChild<T*>(name);
        }
        Q_ASSERT(found);
        return found;
    }
    QString text(const char* name) const { return find<QLabel>(QLatin1String(name))->text(); }
    QSlider* slider(const char* name) const { return find<QSlider>(QLatin1String(name)); }
    // On the indicator: a stretched option is not hit in its blank middle.
    void click(const char* name) {
        auto* option = find<QRadioButton>(QLatin1String(name));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    void doubleClick(const char* name) {
        QTest::mouseDClick(find(QLatin1String(name)), Qt::LeftButton);
    }
    // Loads the setup's own record and shows it, as the window does.
    void load() {
        curvetest::loadOwnRecord(set);
        page->showSetup(set);
        speeds->showSetup(set);
    }
    void collect() { collectImage(set); }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale::c());
        set = Setup{};
        set.pitchMode = 1;
        page = std::make_unique<GeneralPage>(document);
        speeds = std::make_unique<GovernorSpeedRows>(document);
        page->show();
        speeds->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

    void sliderEditsTheTimeOfTheCurrentPhase() {
        set.image.set(2, 0);
        set.image.set(3, 12);
        load();
        slider("PhaseChangeSl")->setValue(5);
        QCOMPARE(text("HoverAcro"), QStringLiteral("0.5"));
        click("Acro");
        QCOMPARE(slider("PhaseChangeSl")->value(), 12);
        QCOMPARE(text("HoverAcro"), QStringLiteral("0.5"));
        QVERIFY(!find(QStringLiteral("HoverAcro"))->isEnabled());
        QVERIFY(find(QStringLiteral("AcroHover"))->isEnabled());
        slider("PhaseChangeSl")->setValue(20);
        QCOMPARE(text("AcroHover"), QStringLiteral("2"));
        click("Schweben");
        QCOMPARE(slider("PhaseChangeSl")->value(), 5);
        slider("PhaseChangeSl")->setValue(0);
        QCOMPARE(text("HoverAcro"), QStringLiteral("0"));
        QCOMPARE(text("AcroHover"), QStringLiteral("2"));

        collect();
        QCOMPARE(set.image.at(2), 0);
        QCOMPARE(set.image.at(3), 20);
        QVERIFY(!set.changed); // found by the image comparison, not flagged
    }

    void switchTimesUseTheLocaleBothWays() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        set.image.set(2, 15);
        set.image.set(3, 8);
        load();
        QCOMPARE(text("HoverAcro"), QStringLiteral("1,5"));
        QCOMPARE(text("AcroHover"), QStringLiteral("0,8"));
        QCOMPARE(slider("PhaseChangeSl")->value(), 15);
        set.image.set(2, 0);
        set.image.set(3, 0);
        collect();
        QCOMPARE(set.image.at(2), 15);
        QCOMPARE(set.image.at(3), 8);
        QCOMPARE(FlightPhaseValues::switchTimeTenths(QStringLiteral("0,25")), 2); // half to even
        // A huge time is the longest there is, not a wrapped-round short one.
        QCOMPARE(FlightPhaseValues::limitSwitchTenths(
                     FlightPhaseValues::switchTimeTenths(QStringLiteral("1e300"))),
                 FlightPhaseValues::MaxSwitchTenths);
        QCOMPARE(FlightPhaseValues::limitSwitchTenths(
                     FlightPhaseValues::switchTimeTenths(QStringLiteral("1e9"))),
                 FlightPhaseValues::MaxSwitchTenths);
    }

    void loadShowsSpeedsAndDerivesBytes4And5() {
        set.image.set(6, 150);
        set.image.set(7, 200);
        load();
        QCOMPARE(text("SpeedHover"), QStringLiteral("1500"));
        QCOMPARE(slider("SchwebenSl")->value(), 1500);
        QCOMPARE(text("SpeedAcro"), QStringLiteral("2000"));
        QCOMPARE(slider("AcroSl")->value(), 2000);
        QCOMPARE(set.image.at(4), 90);
        QCOMPARE(set.image.at(5), 105);

        set.image.set(6, 65); // 45.5 -> 46
        load();
        QCOMPARE(set.image.at(4), 39);
        QCOMPARE(set.image.at(5), 46);
        set.image.set(6, 55); // 38.5 -> 38
        load();
        QCOMPARE(set.image.at(4), 33);
        QCOMPARE(set.image.at(5), 38);
    }

    void speedsBeyondTheSliderRangeAreLimitedToItsEnds() {
        set.image.set(6, 255);
        set.image.set(7, 10);
        set.image.set(2, 30);
        load();
        QCOMPARE(text("SpeedHover"), QStringLiteral("2500"));
        QCOMPARE(text("SpeedAcro"), QStringLiteral("500"));
        QCOMPARE(text("HoverAcro"), QStringLiteral("2"));
        QCOMPARE(slider("SchwebenSl")->value(), 2500);
        QCOMPARE(set.image.at(4), 150); // derived from the speed shown, as saved
        QCOMPARE(set.image.at(5), 175);
        collect();
        QCOMPARE(set.image.at(6), 250);
        QCOMPARE(set.image.at(7), 50);
        QCOMPARE(set.image.at(2), 20);
    }

    void speedSliderShowsWholeTensAndCollectsThem() {
        slider("SchwebenSl")->setValue(1234);
        QCOMPARE(text("SpeedHover"), QStringLiteral("1230"));
        slider("AcroSl")->setValue(2499);
        QCOMPARE(text("SpeedAcro"), QStringLiteral("2490"));
        collect();
        QCOMPARE(set.image.at(6), 123);
        QCOMPARE(set.image.at(7), 249);
        QVERIFY(!set.changed);
    }

    void doubleClicksRestoreFromTheImageNotTheReference() {
        set.image.set(2, 4);
        set.image.set(3, 9);
        set.image.set(6, 150);
        load();
        set.referenceImage.set(6, 100);
        slider("SchwebenSl")->setValue(2000);
        // As after a transfer: the image holds what was sent.
        collect();
        slider("SchwebenSl")->setValue(800);
        doubleClick("SpeedHover");
        QCOMPARE(text("SpeedHover"), QStringLiteral("2000"));

        slider("PhaseChangeSl")->setValue(17);
        doubleClick("HoverAcro");
        QCOMPARE(slider("PhaseChangeSl")->value(), 4);
        doubleClick("AcroHover"); // disabled in hover: no effect
        QCOMPARE(slider("PhaseChangeSl")->value(), 4);
        click("Acro");
        doubleClick("AcroHover");
        QCOMPARE(slider("PhaseChangeSl")->value(), 9);
    }

    void beforeAnyLoadTheDisplaysAreEmptyAndHarmless() {
        for (const char* name : {"HoverAcro", "AcroHover", "SpeedHover", "SpeedAcro"}) {
            QVERIFY(text(name).isEmpty());
        }
        set.image.set(2, 9);
        set.image.set(6, 99);
        collect(); // empty reads as 0
        QCOMPARE(set.image.at(2), 0);
        QCOMPARE(set.image.at(6), 0);
        page->showCurves();
        click("Acro");
        click("Schweben");
        doubleClick("SpeedHover");
        doubleClick("SpeedAcro");
        QCOMPARE(slider("SchwebenSl")->value(), 500);
        QVERIFY(set.curves == CurveSet{});
        QVERIFY(!set.changed);
    }

    void phaseSwitchesKeepEachCurveApart() {
        set.curves.byLetter('A') = curvetest::ramp(0, 20);
        set.curves.byLetter('a') = curvetest::ramp(100, 0);
        load();
        auto* pic = find<CurvePicture>(QStringLiteral("Pic1"));
        pic->resize(640, 640);
        curvetest::clickAt(pic, {curvetest::xOf(4), curvetest::cursorY(33)});
        QCOMPARE(set.curves.byLetter('A')[4], 33);
        click("Acro");
        QCOMPARE(page->curveEditor().editPoints(), curvetest::ramp(100, 0));
        click("Schweben");
        Curve expected = curvetest::ramp(0, 20);
        expected[4] = 33;
        QCOMPARE(set.curves.byLetter('A'), expected);
        QCOMPARE(set.curves.byLetter('a'), curvetest::ramp(100, 0));
        QCOMPARE(page->curveEditor().editPoints(), expected);
    }

    void loadingTakesUpTheNewCurveInsteadOfWritingTheOldOne() {
        set.curves.byLetter('t') = curvetest::ramp(10, 1);
        load();
        click("Acro");
        click("Kurvenauswahl_1"); // editing the acro tail curve
        QCOMPARE(page->curveEditor().editPoints(), curvetest::ramp(10, 1));

        // A new file replaces every curve; the load ends in hover with the pitch curve.
        set.curves = CurveSet{};
        set.curves.byLetter('A') = curvetest::ramp(40, 5);
        load();
        QVERIFY(find<QRadioButton>(QStringLiteral("Schweben"))->isChecked());
        QVERIFY(find<QRadioButton>(QStringLiteral("Kurvenauswahl_2"))->isChecked());
        QCOMPARE(page->curveEditor().editPoints(), curvetest::ramp(40, 5));
        QCOMPARE(set.curves.byLetter('t'), Curve{});

        // RPM controlled: the throttle curve, whose point 0 is held at 0 once shown.
        set.pitchMode = 0;
        set.curves.byLetter('M') = curvetest::ramp(40, 5);
        load();
        QVERIFY(find<QRadioButton>(QStringLiteral("Kurvenauswahl_0"))->isChecked());
        QCOMPARE(set.curves.byLetter('M')[0], 0);
        QCOMPARE(set.curves.byLetter('M')[1], 45);
        QVERIFY(find(QStringLiteral("fraFlugphase"))->isHidden());
    }

    void commentHoldsAtMost1000Characters() {
        auto* comment = page->comment();
        comment->setPlainText(QString(1200, QLatin1Char('a')));
        QCOMPARE(comment->toPlainText(), QString(1000, QLatin1Char('a')));

        comment->setPlainText(QString(995, QLatin1Char('a')));
        QTextCursor cursor = comment->textCursor();
        cursor.setPosition(10);
        comment->setTextCursor(cursor);
        QApplication::clipboard()->setText(QStringLiteral("0123456789"));
        comment->paste();
        QCOMPARE(comment->toPlainText().size(), 1000);
        QCOMPARE(comment->toPlainText().mid(8, 9), QStringLiteral("aa01234aa"));
        QCOMPARE(comment->textCursor().position(), 15);
        comment->undo(); // one step takes back the shortened paste
        QCOMPARE(comment->toPlainText(), QString(995, QLatin1Char('a')));
        comment->redo();
        QCOMPARE(comment->toPlainText().size(), 1000);

        QTest::keyClicks(comment, QStringLiteral("xyz"));
        QCOMPARE(comment->toPlainText().size(), 1000);
        QVERIFY(!comment->toPlainText().contains(QLatin1Char('x')));
        // Text inserted from code is cut at the end of the insertion.
        comment->setPlainText(QString(998, QLatin1Char('a')));
        cursor.setPosition(0);
        comment->setTextCursor(cursor);
        comment->insertPlainText(QStringLiteral("WXYZ"));
        QCOMPARE(comment->toPlainText().left(4), QStringLiteral("WXaa"));
        QCOMPARE(comment->toPlainText().size(), 1000);
    }

    // The file holds a line break as CR LF: two of the 1,000 characters.
    void lineBreaksCountAsTheFileStoresThem() {
        auto* comment = page->comment();
        comment->setPlainText(QString(997, QLatin1Char('a')));
        comment->moveCursor(QTextCursor::End);
        QTest::keyClick(comment, Qt::Key_Return);
        QTest::keyClick(comment, Qt::Key_Return); // 999 + 2: no room for a second one
        QTest::keyClick(comment, Qt::Key_B);      // but for one more letter
        QTest::keyClick(comment, Qt::Key_C);
        QCOMPARE(comment->toPlainText(), QString(997, QLatin1Char('a')) + QStringLiteral("\nb"));

        comment->setPlainText(QString(992, QLatin1Char('a')));
        comment->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(QStringLiteral("12\r\n34\r\n56"));
        comment->paste(); // 8 places: "12", CR LF, "34", CR LF
        QCOMPARE(comment->toPlainText().mid(992), QStringLiteral("12\n34\n"));

        comment->setPlainText(QString(600, QLatin1Char('a')) + QLatin1Char('\n') +
                              QString(500, QLatin1Char('b')));
        QCOMPARE(comment->toPlainText(), QString(600, QLatin1Char('a')) + QLatin1Char('\n') +
                                             QString(398, QLatin1Char('b')));
    }
};

RV_TEST_MAIN(TestFlightPhase)
#include "test_flight_phase.moc"
