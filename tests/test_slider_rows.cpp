// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "core/model/SliderTable.h"
#include "core/settings/ProgramLanguage.h"
#include "support/params_widgets.h"
#include "support/test_main.h"
#include "ui/pages/controller/ControllerPage.h"
#include "ui/pages/setup/SetupPage.h"
#include "ui/widgets/SliderRowTable.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include <memory>

using namespace rv;

// Both pages as the window holds them, over one parameter set.
struct Pages {
    SetupDocument document;
    Setup& set = document.writable();
    QWidget* speedRows = new QWidget; // owned by the page once placed
    ControllerPage controller{document, speedRows};
    SetupPage setup{document};

    QWidget* pageOf(const SliderDefinition& d) {
        return controller.findChild<QSlider*>(QLatin1String(sliderRowNames(d).slider))
                   ? &controller
                   : static_cast<QWidget*>(&setup);
    }
};

class TestSliderRows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyRowExistsInItsFrameWithBuddyAndRange() {
        Pages pages;
        for (const SliderDefinition& d : sliderDefinitions()) {
            QWidget* page = pages.pageOf(d);
            const SliderRowNames& names = sliderRowNames(d);
            PARAMS_CONTROL(QSlider, slider, page, names.slider);
            PARAMS_CONTROL(QLabel, value, page, names.valueLabel);
            PARAMS_CONTROL(QLabel, caption, page, names.caption);
            QCOMPARE(slider->parentWidget()->objectName(),
                     QLatin1String(sliderFrameNames(names.frame).name));
            QCOMPARE(slider->orientation(), Qt::Horizontal);
            QCOMPARE(slider->minimum(), d.minimum);
            QCOMPARE(slider->maximum(), d.maximum);
            QCOMPARE(slider->singleStep(), d.singleStep);
            QCOMPARE(slider->pageStep(), d.pageStep);
            QCOMPARE(caption->buddy(), slider);
            QCOMPARE(slider->accessibleName(), caption->text().trimmed());
        }
        // fraSpeed holds the governor speed rows above its own sliders.
        QCOMPARE(pages.speedRows->parentWidget()->objectName(), QStringLiteral("fraSpeed"));
    }

    // The caption keeps its blanks; the slider's name has none around it.
    void captionAndAccessibleNameFollowTheLanguage() {
        Pages pages;
        PARAMS_CONTROL(QLabel, caption, &pages.controller, "TailGain");
        PARAMS_CONTROL(QSlider, slider, &pages.controller, "Para34Sl");
        PARAMS_CONTROL(QLabel, pitchCaption, &pages.setup, "PitchAnteil");
        PARAMS_CONTROL(QSlider, pitch, &pages.setup, "PitchSl");
        QCOMPARE(pitchCaption->text(), QStringLiteral("Collective Pitch Part "));
        QCOMPARE(pitch->accessibleName(), QStringLiteral("Collective Pitch Part"));
        auto german = std::make_unique<ProgramTranslation>(German);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(caption->text(), QString::fromUtf8("Heck Verstärkung"));
        QCOMPARE(slider->accessibleName(), QString::fromUtf8("Heck Verstärkung"));
        QCOMPARE(pitch->accessibleName(), QStringLiteral("Pitch Anteil (kollektiv)"));
        german.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(slider->accessibleName(), QStringLiteral("Tail Gain"));
    }

    void percentSliderWritesAndRestoresFromReference() {
        Pages pages;
        PARAMS_CONTROL(QSlider, slider, &pages.controller, "Para30Sl");
        PARAMS_CONTROL(QLabel, value, &pages.controller, "Para30L");
        slider->setValue(78);
        QCOMPARE(value->text(), QStringLiteral("78"));
        QCOMPARE(pages.set.image.at(30), 198);

        // Saved with 198, moved away, restored by a double-click on the label.
        pages.set.referenceImage.set(30, 198);
        slider->setValue(12);
        QCOMPARE(pages.set.image.at(30), 30);
        QTest::mouseDClick(value, Qt::LeftButton);
        QCOMPARE(slider->value(), 78);
        QCOMPARE(value->text(), QStringLiteral("78"));
        QCOMPARE(pages.set.image.at(30), 198);
    }

    void restoreOnAnUnmovedSliderLeavesAForeignByteAlone() {
        Pages pages;
        PARAMS_CONTROL(QSlider, slider, &pages.controller, "Para14Sl");
        PARAMS_CONTROL(QLabel, value, &pages.controller, "Para14L");
        slider->setValue(78);
        pages.set.image.set(14, 200); // e.g. from the value editor
        pages.set.referenceImage.set(14, 200);
        QTest::mouseDClick(value, Qt::LeftButton);
        QCOMPARE(slider->value(), 78);
        QCOMPARE(pages.set.image.at(14), 200); // position unchanged: no handler ran
    }

    void expertRowRestoresFortyAfterMovingToSixty() {
        Pages pages;
        PARAMS_CONTROL(QSlider, slider, &pages.controller, "Para21Sl");
        PARAMS_CONTROL(QLabel, value, &pages.controller, "Para21L");
        slider->setValue(40);
        pages.set.referenceImage.copyUnitEntriesFrom(pages.set.image);
        slider->setValue(60);
        QCOMPARE(pages.set.image.at(21), 153);
        QTest::mouseDClick(value, Qt::LeftButton);
        QCOMPARE(slider->value(), 40);
        QCOMPARE(pages.set.image.at(21), 102);
    }

    void softStartAndMillisecondAndDirectRows() {
        Pages pages;
        PARAMS_CONTROL(QSlider, softStart, &pages.controller, "Para13Sl");
        softStart->setValue(10);
        QCOMPARE(pages.set.image.at(13), 25);
        softStart->setValue(3);
        QCOMPARE(pages.set.image.at(13), 7);

        PARAMS_CONTROL(QSlider, on1, &pages.setup, "Para8Sl");
        PARAMS_CONTROL(QLabel, on1Label, &pages.setup, "Para8L");
        on1->setValue(1237);
        QCOMPARE(on1Label->text(), QStringLiteral("1230"));
        QCOMPARE(pages.set.image.at(8), 123);
        pages.set.referenceImage.set(8, 45);
        QTest::mouseDClick(on1Label, Qt::LeftButton);
        QCOMPARE(on1->value(), 450);
        QCOMPARE(pages.set.image.at(8), 45);

        PARAMS_CONTROL(QSlider, dualRate, &pages.setup, "DualRateSl");
        PARAMS_CONTROL(QLabel, dualRateLabel, &pages.setup, "DualRateL");
        dualRate->setValue(77);
        QCOMPARE(pages.set.image.at(18), 77);
        pages.set.referenceImage.set(18, 64);
        QTest::mouseDClick(dualRateLabel, Qt::LeftButton);
        QCOMPARE(dualRate->value(), 64);
        QCOMPARE(pages.set.image.at(18), 64);
    }

    void partRowsFeedTheStateVariablesAndHaveNoRestore() {
        Pages pages;
        PARAMS_CONTROL(QSlider, pitch, &pages.setup, "PitchSl");
        PARAMS_CONTROL(QSlider, cycl, &pages.setup, "CyclSl");
        PARAMS_CONTROL(QLabel, pitchLabel, &pages.setup, "PitchL");
        pitch->setValue(55);
        cycl->setValue(45);
        QCOMPARE(pages.set.pitchPart, 55);
        QCOMPARE(pages.set.cyclicPart, 45);
        QCOMPARE(pitchLabel->text(), QStringLiteral("55"));
        QCOMPARE(pages.set.image.at(38), 0);
        pages.set.referenceImage.set(38, 20);
        QTest::mouseDClick(pitchLabel, Qt::LeftButton);
        QCOMPARE(pitch->value(), 55);
    }

    // The restore is told in the pilot's language; the part rows have none to tell.
    void restorableLabelsSayHowInTheirTooltip() {
        Pages pages;
        for (const SliderDefinition& d : sliderDefinitions()) {
            PARAMS_CONTROL(QLabel, label, pages.pageOf(d), sliderRowNames(d).valueLabel);
            QCOMPARE(label->toolTip().isEmpty(), d.kind == SliderKind::Part);
        }
        PARAMS_CONTROL(QLabel, tailGain, &pages.controller, "Para34L");
        QCOMPARE(tailGain->toolTip(),
                 QStringLiteral("Double-click: back to the value of the last load or save"));
        auto german = std::make_unique<ProgramTranslation>(German);
        QTRY_COMPARE(
            tailGain->toolTip(),
            QStringLiteral("Doppelklick: zurück zum Wert beim letzten Laden oder Speichern"));
        german.reset();
        QTRY_VERIFY(tailGain->toolTip().startsWith(QLatin1String("Double-click")));
    }

    void keyboardMovesTheSliderByItsSteps() {
        Pages pages;
        pages.controller.show();
        PARAMS_CONTROL(QSlider, slider, &pages.controller, "Para34Sl");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        QTest::keyClick(slider, Qt::Key_PageUp);
        QCOMPARE(slider->value(), 6);
        QCOMPARE(pages.set.image.at(34), 15);
    }

    void expertModeShowsAndHidesExactlyTheExpertRows() {
        Pages pages;
        PARAMS_CONTROL(QCheckBox, expert, &pages.controller, "ReglerMode");
        PARAMS_CONTROL(QSlider, tailCompensation, &pages.controller, "Para21Sl");
        QVERIFY(!expert->isChecked());

        expert->setChecked(true);
        tailCompensation->setValue(60);
        QList<QWidget*> shown;
        for (const SliderDefinition& d : sliderDefinitions()) {
            const SliderRowNames& names = sliderRowNames(d);
            for (const char* name : {names.slider, names.valueLabel, names.caption}) {
                QWidget* w = pages.pageOf(d)->findChild<QWidget*>(QLatin1String(name));
                QVERIFY(!w->isHidden());
            }
        }

        expert->setChecked(false);
        int hidden = 0;
        for (const SliderDefinition& d : sliderDefinitions()) {
            const SliderRowNames& names = sliderRowNames(d);
            for (const char* name : {names.slider, names.valueLabel, names.caption}) {
                QWidget* w = pages.pageOf(d)->findChild<QWidget*>(QLatin1String(name));
                QCOMPARE(w->isHidden(), d.expert);
                hidden += w->isHidden() ? 1 : 0;
            }
        }
        QCOMPARE(hidden, 45);
        QCOMPARE(tailCompensation->value(), 60);
        QCOMPARE(pages.set.image.at(21), 153);
        QVERIFY(!pages.controller.findChild<QGroupBox*>(QStringLiteral("fraHeading"))->isHidden());
    }
    void tabVisitsTheControllerPageFrameByFrame() {
        SetupDocument document;
        auto* speedRows = new QSlider(Qt::Horizontal);
        speedRows->setObjectName(QStringLiteral("SchwebenSl"));
        ControllerPage page(document, speedRows);
        page.findChild<QCheckBox*>(QStringLiteral("ReglerMode"))->setChecked(true);
        page.show();
        QStringList order;
        QWidget* w = page.findChild<QSlider*>(QStringLiteral("Para13Sl"));
        for (int i = 0; i < 200 && w != nullptr; ++i) {
            if (w->focusPolicy() & Qt::TabFocus) {
                order << w->objectName();
            }
            w = w->nextInFocusChain();
        }
        const QStringList expected{QStringLiteral("Para13Sl"),     QStringLiteral("Para30Sl"),
                                   QStringLiteral("Para34Sl"),     QStringLiteral("SchwebenSl"),
                                   QStringLiteral("Para14Sl"),     QStringLiteral("Para15Sl"),
                                   QStringLiteral("Para16Sl"),     QStringLiteral("Para17Sl"),
                                   QStringLiteral("GyroInverter"), QStringLiteral("Para28Sl"),
                                   QStringLiteral("Para26Sl"),     QStringLiteral("Para27Sl"),
                                   QStringLiteral("Para20Sl"),     QStringLiteral("Para21Sl"),
                                   QStringLiteral("Para22Sl"),     QStringLiteral("Para19Sl"),
                                   QStringLiteral("Para24Sl"),     QStringLiteral("Para25Sl"),
                                   QStringLiteral("Para45Sl"),     QStringLiteral("Para33Sl"),
                                   QStringLiteral("Para43Sl"),     QStringLiteral("ReglerMode")};
        QCOMPARE(order.mid(0, expected.size()), expected);
    }
};

RV_TEST_MAIN(TestSliderRows)
#include "test_slider_rows.moc"
