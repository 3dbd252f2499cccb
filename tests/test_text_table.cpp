// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveSet.h"
#include "core/model/OptionFields.h"
#include "core/model/SliderTable.h"
#include "core/settings/ProgramLanguage.h"
#include "support/test_main.h"
#include "ui/texts/MessageTexts.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/widgets/SliderRowTable.h"

#include <QTest>

using namespace rv;

namespace {
// Every caption the pages and the reports take from the caption tables.
QStringList everyCaption() {
    using namespace SettingCaptions;
    QStringList all;
    for (int tab = 1; tab <= 4; ++tab) {
        all << page(tab);
    }
    for (const OptionGroupNames& group : OptionGroups) {
        all << optionFrame(group);
        for (int i = 0; i < group.field.count; ++i) {
            all << option(group, i);
        }
    }
    all << servoFrame() << phaseFrame() << switchTimes() << seconds() << speedUnit() << curveFrame()
        << functionHeading() << channelHeading() << reverseHeading() << commentFrame();
    for (int i = 0; i < 3; ++i) {
        all << servo(i);
    }
    for (int phase : {Hover, Acro}) {
        all << SettingCaptions::phase(phase) << switchTime(phase) << speed(phase);
    }
    for (int i = 0; i < 6; ++i) {
        all << curve(i);
    }
    for (int row = 0; row < 9; ++row) {
        all << function(row);
    }
    for (const SliderDefinition& slider : sliderDefinitions()) {
        all << sliderCaption(slider) << sliderFrameCaption(sliderRowNames(slider).frame);
    }
    const MessageTexts messages;
    all << messages.programName << messages.channelTableQuestion << messages.cannotOpenPort
        << messages.cannotOpenFile << messages.versionCaption << messages.quitUnsavedQuestion
        << messages.saveFirstQuestion;
    return all;
}
} // namespace

class TestTextTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyCaptionHasATextInAllThreeLanguages() {
        const QStringList english = everyCaption();
        for (int language : {German, French}) {
            const ProgramTranslation speaking(language);
            QVERIFY(speaking.loaded());
            const QStringList translated = everyCaption();
            QCOMPARE(translated.size(), english.size());
            int differing = 0;
            for (qsizetype i = 0; i < translated.size(); ++i) {
                QVERIFY2(!translated.at(i).trimmed().isEmpty(), qPrintable(english.at(i)));
                differing += translated.at(i) != english.at(i) ? 1 : 0;
            }
            QVERIFY(differing > english.size() / 2); // the translations were found
        }
        for (const QString& text : english) {
            QVERIFY(!text.trimmed().isEmpty());
        }
    }

    // The translations keep them too: lrelease and the .ts files must not trim them.
    void blanksThatBelongToTheTextsAreKept() {
        QCOMPARE(MessageTexts().programName, QStringLiteral("Rotavionix Control"));
        QCOMPARE(SettingCaptions::curve(0), QStringLiteral("Throttle Curve "));
        QCOMPARE(SettingCaptions::function(2), QStringLiteral("Cyclic Pitch  "));
        QCOMPARE(sliderCaption(*findSliderDefinition(u"collective_pitch_part")),
                 QStringLiteral("Collective Pitch Part "));
        {
            const ProgramTranslation german(German);
            QCOMPARE(MessageTexts().programName, QStringLiteral("Rotavionix Control "));
            QCOMPARE(SettingCaptions::page(1), QStringLiteral("Allgemeine Einstellungen"));
        }
        const ProgramTranslation french(French);
        QCOMPARE(SettingCaptions::page(2), QStringLiteral("Configuration du Rotavionix "));
        QCOMPARE(MessageTexts().cannotOpenPort, QString::fromUtf8("Le port n'a pas été détecté."));
    }

    // Named in running text, a caption loses its blanks and closing colon.
    void plainCaptionsForTheReports() {
        QCOMPARE(plainCaption(SettingCaptions::switchTimes()), QStringLiteral("Switch Times"));
        QCOMPARE(plainCaption(QStringLiteral(" &Cyclic Pitch  ")), QStringLiteral("Cyclic Pitch"));
        // The speed unit: only English abbreviates it its own way.
        QCOMPARE(SettingCaptions::speedUnit(), QStringLiteral("rpm"));
        const ProgramTranslation german(German);
        QCOMPARE(SettingCaptions::speedUnit(), QStringLiteral("U/min."));
    }
};

RV_TEST_MAIN(TestTextTable)
#include "test_text_table.moc"
