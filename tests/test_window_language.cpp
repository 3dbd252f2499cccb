// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_Fixture.h"
#include "support/window_Texts.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/settings/ProgramLanguage.h"
#include "support/test_main.h"
#include "ui/texts/Dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>

using namespace rv;

// The language: chosen at the first start, kept in the settings, changed from
// the menu, and followed by every text the window, its messages and Qt show.
class TestWindowLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartWritesDefaultsAsksAndRemembers() {
        WindowFixture fx;
        InputPrompt::setNextAnswer(QStringLiteral("2"));
        MainWindow& window = fx.start();
        QCOMPARE(InputPrompt::history().size(), 1);
        QCOMPARE(InputPrompt::history().first().title,
                 QStringLiteral("Sprache - Language - Langue"));
        QCOMPARE(InputPrompt::history().first().label,
                 QStringLiteral("1 = Deutsch\r\r\n2 = English\r\r\n3 = Francais"));
        QCOMPARE(fx.setting(QStringLiteral("ComPort")), QStringLiteral("1"));
        QCOMPARE(fx.setting(QStringLiteral("Language")), QStringLiteral("1"));
        QCOMPARE(window.language(), 1);
        // No Default.rvc here: the pilot gets a copy of the shipped neutral setup to save.
        const QString copy = fx.path(QStringLiteral("Documents/Rotavionix Control/Default.rvc"));
        QCOMPARE(fx.setting(QStringLiteral("LastFile")), copy);
        QCOMPARE(window.setup().currentFileName, copy);
        QVERIFY(window.windowTitle().contains(QStringLiteral("...\\Default.rvc")));
        QVERIFY(MessageBox::history().isEmpty());
        QCOMPARE(window.setup().storedComment, neutralSetup().storedComment);
        QVERIFY(!window.setup().changed);
        QCOMPARE(window.findChild<QAbstractButton*>(QStringLiteral("cbDownload"))->text(),
                 QStringLiteral("Send data to Rotavionix"));
        fx.stop();

        InputPrompt::clearHistory();
        fx.start();
        QCOMPARE(InputPrompt::history().size(), 0);
        QCOMPARE(fx.window().setup().currentFileName, copy);
        QVERIFY(MessageBox::history().isEmpty());
    }

    void firstStartInsistsOnALanguage() {
        WindowFixture fx;
        InputPrompt::setNextAnswer(QStringLiteral("5"));
        InputPrompt::setNextAnswer(QStringLiteral("x"));
        InputPrompt::setNextAnswer(std::nullopt); // cancel means German
        MainWindow& window = fx.start();
        QCOMPARE(InputPrompt::history().size(), 3);
        QCOMPARE(window.language(), 0);
        QCOMPARE(fx.setting(QStringLiteral("Language")), QStringLiteral("0"));
    }

    void everyFrameMenuAndNamedControlHasATextInEachLanguage() {
        for (int language : {German, English, French}) {
            WindowFixture fx;
            fx.startWith(encodeRecord(neutralSetup()), QString::number(language));
            QVERIFY2(uncaptioned(&fx.window()).isEmpty(),
                     qPrintable(uncaptioned(&fx.window()).join(u' ')));
            QVERIFY(!fx.window().fileFilter().isEmpty());
        }
    }

    void captionInEachLanguage() {
        const char* expected[] = {"Rotavionix Control    ...\\Default.rvc     Version:  4. 0. 0",
                                  "Rotavionix Control   ...\\Default.rvc     Version:  4. 0. 0",
                                  "Rotavionix Control   ...\\Default.rvc     Version:  4. 0. 0"};
        for (int language : {German, English, French}) {
            WindowFixture fx;
            fx.startWith(encodeRecord(neutralSetup()), QString::number(language));
            QCOMPARE(fx.window().windowTitle(), QString::fromLatin1(expected[language]));
            QVERIFY(MessageBox::history().isEmpty());
        }
    }

    // The program's own messages (error details and the like) and Qt's follow the language.
    void ownMessagesFollowTheLanguage() {
        const char* expected[] = {"Der Port wird bereits benutzt.", "The port is in use.",
                                  "Le port est déjà utilisé."};
        for (int language : {German, English, French}) {
            WindowFixture fx;
            fx.startWith(encodeRecord(neutralSetup()), QString::number(language));
            QCOMPARE(QCoreApplication::translate("rv::SerialLink", "The port is in use."),
                     QString::fromUtf8(expected[language]));
            QCOMPARE(QCoreApplication::translate("rv::FileCommands", "Not one of ours."),
                     QStringLiteral("Not one of ours."));
        }
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                          QStringLiteral("/qtbase_de.qm"))) {
            WindowFixture fx;
            fx.startWith(encodeRecord(neutralSetup()), QString::number(German));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        }
    }

    void helpFollowsTheLanguage() {
        WindowFixture fx;
        fx.startWith(encodeRecord(neutralSetup()), QStringLiteral("0"));
        for (const char* manual : {"Rotavionix_D.PDF", "Rotavionix_E.PDF", "Rotavionix_F.PDF"}) {
            fx.writeFile(QLatin1String(manual), "%PDF-1.4");
        }
        MainWindow& window = fx.window();
        window.openHelp();
        const QStringList german = shownTexts(&window);
        const QString germanFilter = window.fileFilter();
        const int messages = MessageBox::history().size();
        InputPrompt::setNextAnswer(QStringLiteral("3"));
        window.chooseLanguage();
        QCOMPARE(InputPrompt::history().last().label,
                 QStringLiteral("1 = Deutsch\r\r\n2 = English\r\r\n3 = Fran\u00e7ais"));
        QCOMPARE(fx.setting(QStringLiteral("Language")), QStringLiteral("2"));
        // The window speaks French at once, and says nothing about a restart.
        QCOMPARE(MessageBox::history().size(), messages);
        QCOMPARE(window.language(), French);
        window.openHelp();
        QCOMPARE(window.findChild<QTabBar*>()->tabText(2), QStringLiteral("Attribution des voies"));
        QCOMPARE(window.findChild<QMenu*>(QStringLiteral("mnuHelp"))->title(),
                 QStringLiteral("Aide"));
        QCOMPARE(window.findChild<QMenu*>(QStringLiteral("mnuFile"))->title(),
                 QStringLiteral("Fichier "));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("TailGain"))->text(),
                 QStringLiteral("Gain anti couple"));
        QCOMPARE(window.findChild<QSlider*>(QStringLiteral("Para34Sl"))->accessibleName(),
                 QStringLiteral("Gain anti couple"));
        QCOMPARE(window.findChild<QAbstractButton*>(QStringLiteral("Drehzahl_1"))->text(),
                 QString::fromUtf8("Régulateur"));
        QCOMPARE(window.fileFilter(),
                 QString::fromUtf8("Fichiers des paramètres Rotavionix Control (*.rvc) |  *.rvc"));
        QCOMPARE(window.texts().cannotOpenFile, QStringLiteral("Fichier introuvable."));
        QCOMPARE(window.texts().language, French);
        QCOMPARE(window.windowTitle().left(21), QStringLiteral("Rotavionix Control   "));
        // Also the curve editor's own, built before the language was chosen.
        auto* tools = window.findChild<QPushButton*>(QStringLiteral("CurveTools"));
        QCOMPARE(tools->text(), QStringLiteral("Outils de courbe"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("CurveTitle"))->text(),
                 QStringLiteral("Courbe pas, Vol stationnaire"));
        QCOMPARE(QCoreApplication::translate("rv::SerialLink", "The port is in use."),
                 QString::fromUtf8("Le port est déjà utilisé."));
        QVERIFY2(uncaptioned(&window).isEmpty(), qPrintable(uncaptioned(&window).join(u' ')));

        // Back to German: exactly the texts the window started with.
        InputPrompt::setNextAnswer(QStringLiteral("1"));
        window.chooseLanguage();
        QCOMPARE(shownTexts(&window), german);
        QCOMPARE(window.fileFilter(), germanFilter);
        QCOMPARE(window.windowTitle().left(22), QStringLiteral("Rotavionix Control    "));
        window.openHelp();
        InputPrompt::setNextAnswer(QStringLiteral("3"));
        window.chooseLanguage();
        window.openHelp();
        QCOMPARE(tools->text(), QStringLiteral("Outils de courbe"));

        // An answer that is no language keeps the language and stores nothing.
        InputPrompt::setNextAnswer(QStringLiteral("9"));
        window.chooseLanguage();
        QCOMPARE(fx.setting(QStringLiteral("Language")), QStringLiteral("2"));
        QCOMPARE(MessageBox::history().size(), messages);
        window.openHelp();

        // Cancelling or clearing the answer is a change of mind: French stays, unannounced.
        InputPrompt::setNextAnswer(std::nullopt);
        window.chooseLanguage();
        InputPrompt::setNextAnswer(QString());
        window.chooseLanguage();
        QCOMPARE(fx.setting(QStringLiteral("Language")), QStringLiteral("2"));
        QCOMPARE(MessageBox::history().size(), messages);
        window.openHelp();
        QCOMPARE(fx.openedDocuments, (QStringList{fx.path(QStringLiteral("Rotavionix_D.PDF")),
                                                  fx.path(QStringLiteral("Rotavionix_F.PDF")),
                                                  fx.path(QStringLiteral("Rotavionix_D.PDF")),
                                                  fx.path(QStringLiteral("Rotavionix_F.PDF")),
                                                  fx.path(QStringLiteral("Rotavionix_F.PDF")),
                                                  fx.path(QStringLiteral("Rotavionix_F.PDF"))}));
    }

    // Started from the desktop menu the working directory is the home folder:
    // the manual is then found beside the parameter file or in the data folder,
    // and a missing one is named with every place looked in.
    void helpLooksForTheManualBesideTheFileAndSaysWhere() {
        WindowFixture fx;
        QVERIFY(QDir(fx.dir()).mkpath(QStringLiteral("heli")));
        fx.writeFile(QStringLiteral("heli/Trex.rvc"), encodeRecord(neutralSetup()));
        fx.writeSettings(QStringLiteral("1"), fx.path(QStringLiteral("heli/Trex.rvc")),
                         QStringLiteral("1"));
        MainWindow& window = fx.start();
        const int messages = MessageBox::history().size();
        window.openHelp();
        QVERIFY(fx.openedDocuments.isEmpty());
        QCOMPARE(MessageBox::history().size(), messages + 1);
        const QString text = MessageBox::history().last().text;
        QVERIFY2(text.startsWith(QStringLiteral("Rotavionix_E.PDF was not found.")),
                 qPrintable(text));
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        for (const QString& place : {fx.dir(), fx.path(QStringLiteral("heli")), data}) {
            QVERIFY2(text.contains(QLatin1Char('\n') + place + QLatin1Char('\n')),
                     qPrintable(place));
        }
        QVERIFY(text.contains(QStringLiteral("The manuals come with the Rotavionix")));

        QVERIFY(QDir().mkpath(data));
        fx.writeFile(QStringLiteral("xdg-data/VORANE/Rotavionix Control/Rotavionix_E.PDF"), "%PDF");
        fx.writeFile(QStringLiteral("heli/rotavionix_e.pdf"), "%PDF");
        window.openHelp();
        QCOMPARE(fx.openedDocuments, QStringList{fx.path(QStringLiteral("heli/rotavionix_e.pdf"))});
        QCOMPARE(MessageBox::history().size(), messages + 1);
    }
};

RV_TEST_MAIN(TestWindowLanguage)
#include "test_window_language.moc"
