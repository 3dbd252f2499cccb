// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ProgramLanguage.h"
#include "support/test_main.h"
#include "ui/texts/TextTable.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTest>

#include <memory>

using namespace rv;

namespace {
const TextEntry& entry(const char* target) {
    for (const TextEntry& e : textTable()) {
        if (QByteArray(e.target) == target) {
            return e;
        }
    }
    qFatal("no entry %s", target);
}
} // namespace

class TestTextTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTargetHasOneEntryInAllThreeLanguages() {
        QSet<QByteArray> targets;
        for (const TextEntry& e : textTable()) {
            QVERIFY2(!targets.contains(e.target), e.target);
            targets.insert(e.target);
        }
        for (int language : {German, English, French}) {
            const ProgramTranslation speaking(language);
            QVERIFY(speaking.loaded());
            for (const TextEntry& e : textTable()) {
                QVERIFY2(!e.text().isEmpty(), e.target);
            }
        }
    }

    // The translations keep them too: lrelease and the .ts files must not trim them.
    void blanksThatBelongToTheTextsAreKept() {
        QCOMPARE(entry("msg:PROG").text(), QStringLiteral("Rotavionix Control"));
        QCOMPARE(entry("Kurvenauswahl_0").text(), QStringLiteral("Throttle Curve "));
        QCOMPARE(entry("Funktion_2").text(), QStringLiteral("Cyclic Pitch  "));
        QCOMPARE(entry("filter").text(),
                 QStringLiteral("Rotavionix Control Parameter Files (*.rvc) |  *.rvc"));
        {
            const ProgramTranslation german(German);
            QCOMPARE(entry("msg:PROG").text(), QStringLiteral("Rotavionix Control "));
            QCOMPARE(entry("Knüppel").text(), QStringLiteral("Sender-Knüppelweg"));
        }
        const ProgramTranslation french(French);
        QCOMPARE(entry("mnuFile").text(), QStringLiteral("Fichier "));
        QCOMPARE(entry("mnuSave").text(), QStringLiteral("Enregistrer "));
        QCOMPARE(entry("tab:2").text(), QStringLiteral("Configuration du Rotavionix "));
        QCOMPARE(entry("msg:PORT_FAIL").text(), QString::fromUtf8("Le port n'a pas été détecté."));
    }

    void applyingPutsEachTextIntoItsKindOfControl() {
        QWidget root;
        auto* frame = new QGroupBox(&root);
        frame->setObjectName(QStringLiteral("fraKurvenauswahl"));
        auto* option = new QRadioButton(frame);
        option->setObjectName(QStringLiteral("Kurvenauswahl_0"));
        auto* label = new QLabel(&root);
        label->setObjectName(QStringLiteral("Funktion_6"));
        auto* menu = new QMenu(&root);
        menu->setObjectName(QStringLiteral("mnuFile"));
        auto* action = new QAction(&root);
        action->setObjectName(QStringLiteral("mnuSave"));

        auto french = std::make_unique<ProgramTranslation>(French);
        const AppliedTexts applied = applyTexts(&root, French);
        QCOMPARE(frame->title(), QStringLiteral("Choix des courbes"));
        QCOMPARE(option->text(), QStringLiteral("Courbe des gaz"));
        QCOMPARE(label->text(), QStringLiteral("Eclairage"));
        QCOMPARE(menu->title(), QStringLiteral("Fichier "));
        QCOMPARE(action->text(), QStringLiteral("Enregistrer "));
        QCOMPARE(applied.messages.cannotOpenFile, QStringLiteral("Fichier introuvable."));
        QCOMPARE(applied.messages.versionCaption, QStringLiteral("Version:"));
        QCOMPARE(applied.fileFilter,
                 QString::fromUtf8("Fichiers des paramètres Rotavionix Control (*.rvc) |  *.rvc"));
        // Everything this small tree lacks is reported, the tab captions are not among it.
        QVERIFY(applied.missingTargets.contains(QStringLiteral("cbDownload")));
        QVERIFY(!applied.missingTargets.contains(QStringLiteral("tab:1")));
        QCOMPARE(applied.missingTargets.size(), 116 - 8 - 4 - 1 - 5);

        french.reset();

        // The speed unit lies outside the table; only English abbreviates it its own way.
        auto* unit = new QLabel(QStringLiteral("U/min."), &root);
        unit->setObjectName(QStringLiteral("Label26"));
        for (const auto& [language, expected] :
             {std::pair(English, "rpm"), std::pair(German, "U/min."),
              std::pair(French, "U/min.")}) {
            const ProgramTranslation speaking(language);
            applyTexts(&root, language);
            QCOMPARE(unit->text(), QLatin1String(expected));
        }

        QTabBar tabs;
        for (int i = 0; i < 4; ++i) {
            tabs.addTab(QString());
        }
        const ProgramTranslation german(German);
        applyTabCaptions(&tabs);
        QCOMPARE(tabs.tabText(0), QStringLiteral("Allgemeine Einstellungen"));
        QCOMPARE(tabs.tabText(2), QStringLiteral("Kanalzuordungen"));
        QCOMPARE(tabs.tabText(3), QStringLiteral("Regler Einstellungen"));
    }
};

RV_TEST_MAIN(TestTextTable)
#include "test_text_table.moc"
