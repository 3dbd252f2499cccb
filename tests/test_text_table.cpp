#include "ui/TextTable.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTest>

using namespace rv;

class TestTextTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTargetHasOneEntryInAllThreeLanguages() {
        QSet<QByteArray> targets;
        for (const TextEntry& e : textTable()) {
            QVERIFY2(!targets.contains(e.target), e.target);
            targets.insert(e.target);
            for (int language : {German, English, French}) {
                QVERIFY2(!e.text(language).isEmpty(), e.target);
            }
        }
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

        // The speed unit lies outside the table; only English abbreviates it its own way.
        auto* unit = new QLabel(QStringLiteral("U/min."), &root);
        unit->setObjectName(QStringLiteral("Label26"));
        for (const auto& [language, expected] :
             {std::pair(English, "rpm"), std::pair(German, "U/min."),
              std::pair(French, "U/min.")}) {
            applyTexts(&root, language);
            QCOMPARE(unit->text(), QLatin1String(expected));
        }

        QTabBar tabs;
        for (int i = 0; i < 4; ++i) {
            tabs.addTab(QString());
        }
        applyTabCaptions(&tabs, German);
        QCOMPARE(tabs.tabText(0), QStringLiteral("Allgemeine Einstellungen"));
        QCOMPARE(tabs.tabText(2), QStringLiteral("Kanalzuordungen"));
        QCOMPARE(tabs.tabText(3), QStringLiteral("Regler Einstellungen"));
    }
};

QTEST_MAIN(TestTextTable)
#include "test_text_table.moc"
