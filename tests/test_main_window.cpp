// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_Fixture.h"
#include "support/window_Texts.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/history/TransferHistory.h"
#include "core/settings/ProgramLanguage.h"
#include "ui/document/FileCommands.h"
#include "ui/pages/general/GeneralPage.h"

#include "core/model/ParameterImage.h"
#include "support/test_main.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

using namespace rv;

class TestMainWindow : public QObject {
    Q_OBJECT

    static QList<QWidget*> visiblePages(MainWindow& window) {
        QList<QWidget*> visible;
        for (const char* name : {"fraAllgemein", "fraSetup", "fraKanal", "fraRegler"}) {
            auto* page = window.findChild<QWidget*>(QLatin1String(name));
            if (page->isVisibleTo(&window)) {
                visible << page;
            }
        }
        return visible;
    }

    // What a pilot or a screen reader can see of every named control.
    static QStringList shownState(QWidget* window) {
        QStringList state;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            // The tab strip's scroll buttons are Qt's, named in the language of
            // whichever window came first.
            if (control->objectName().isEmpty() ||
                qobject_cast<QTabBar*>(control->parentWidget()) != nullptr) {
                continue;
            }
            QString line =
                QStringLiteral("%1 %2 visible=%3 enabled=%4 name=%5 tip=%6")
                    .arg(control->objectName(), QLatin1String(control->metaObject()->className()))
                    .arg(control->isVisibleTo(window))
                    .arg(control->isEnabled())
                    .arg(control->accessibleName(), control->toolTip());
            for (const char* property : {"text", "title", "checked", "tristate", "value",
                                         "currentIndex", "currentText", "count", "plainText"}) {
                const QVariant value = control->property(property);
                if (value.isValid()) {
                    line += QStringLiteral(" %1=%2").arg(QLatin1String(property), value.toString());
                }
            }
            state << line;
        }
        state.sort();
        return state;
    }

private Q_SLOTS:
    void tabsShowExactlyOnePage() {
        WindowFixture fx;
        fx.startWith(encodeRecord(neutralSetup()), QStringLiteral("1"));
        MainWindow& window = fx.window();
        window.show();
        QCOMPARE(visiblePages(window).size(), 1);
        QCOMPARE(visiblePages(window).first()->objectName(), QStringLiteral("fraAllgemein"));
        auto* tabs = window.findChild<QTabBar*>(QStringLiteral("TabStrip"));
        const char* pages[] = {"fraAllgemein", "fraSetup", "fraKanal", "fraRegler"};
        for (int tab : {3, 2, 4, 1}) {
            tabs->setCurrentIndex(tab - 1);
            QCOMPARE(visiblePages(window).size(), 1);
            QCOMPARE(visiblePages(window).first()->objectName(),
                     QString::fromLatin1(pages[tab - 1]));
        }
        // The pages follow the keyboard too.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(visiblePages(window).first()->objectName(), QStringLiteral("fraSetup"));
        QTest::keyClick(&window, Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(visiblePages(window).first()->objectName(), QStringLiteral("fraRegler"));
        // Expert rows are hidden after the start.
        auto* controller = window.findChild<QWidget*>(QStringLiteral("fraRegler"));
        QVERIFY(!window.findChild<QSlider*>(QStringLiteral("Para21Sl"))->isVisibleTo(controller));
        QVERIFY(window.findChild<QSlider*>(QStringLiteral("Para34Sl"))->isVisibleTo(controller));

        // Arrow keys meant for a control of the page left behind never reach the curve.
        tabs->setCurrentIndex(1);
        window.findChild<QWidget*>(QStringLiteral("Board_0"))->setFocus();
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Board_0"))->hasFocus());
        const CurveSet curves = window.setup().curves;
        tabs->setCurrentIndex(0);
        QCOMPARE(QApplication::focusWidget(), tabs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(window.setup().curves == curves);
        QVERIFY(!window.setup().changed);

        // An option group stays reachable with Tab when the option that had the
        // focus is hidden or disabled: the Tab stop moves to the checked option.
        auto* pitchCurve = window.findChild<QWidget*>(QStringLiteral("Kurvenauswahl_2"));
        pitchCurve->setFocus();
        QVERIFY(pitchCurve->hasFocus());
        auto* governor = window.findChild<QAbstractButton*>(QStringLiteral("Drehzahl_1"));
        tabs->setCurrentIndex(1);
        governor->click();
        governor->setFocus();
        window.findChild<QAbstractButton*>(QStringLiteral("Board_0"))->click(); // RPM controlled
        QVERIFY(!governor->isEnabled());
        window.findChild<QWidget*>(QStringLiteral("Board_0"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Drehzahl_0"));
        tabs->setCurrentIndex(0);
        window.findChild<QWidget*>(QStringLiteral("Pic1"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CurvePoint_0"));
        window.findChild<QWidget*>(QStringLiteral("CurvePoint_10"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Kurvenauswahl_0"));
    }

    void controlsAreNamedForScreenReaders() {
        WindowFixture fx;
        fx.startWith(encodeRecord(neutralSetup()), QStringLiteral("1"));
        MainWindow& window = fx.window();
        auto name = [&](const char* object) {
            return window.findChild<QWidget*>(QString::fromUtf8(object))->accessibleName();
        };
        QCOMPARE(name("Para34Sl"), QStringLiteral("Tail Gain"));
        QCOMPARE(name("SchwebenSl"), QStringLiteral("Hover"));
        QCOMPARE(name("PhaseChangeSl"), QStringLiteral("Switch Times:"));
        QCOMPARE(name("cboPort"), QStringLiteral("COM Port"));
        QCOMPARE(name("Comment"), QStringLiteral("Comments: (max. 1000 characters)"));
        QCOMPARE(name("Pic1"), QStringLiteral("Transmitter Stick Travel"));
        QCOMPARE(name("F_Heck_3"), QStringLiteral("Tail 3"));
        QCOMPARE(name("Reverse_1"), QStringLiteral("Tail rev."));
        QCOMPARE(name("TPara"), QStringLiteral("P"));
        fx.stop();

        // The names follow the language of the window.
        WindowFixture german;
        german.startWith(encodeRecord(neutralSetup()), QStringLiteral("0"));
        // Qt's own dialogs speak the window's language too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        auto germanName = [&](const char* object) {
            return german.window().findChild<QWidget*>(QString::fromUtf8(object))->accessibleName();
        };
        QCOMPARE(germanName("Para34Sl"), QString::fromUtf8("Heck Verstärkung"));
        QCOMPARE(germanName("cboPort"), QStringLiteral("Schnittstelle"));
        QCOMPARE(germanName("F_Heck_3"), QStringLiteral("Heck 3"));
        QCOMPARE(germanName("Pic1"), QString::fromUtf8("Sender-Knüppelweg"));
    }

    // The pages a start does not open on are built after the first paint, once
    // the file is loaded: they must end up as if they had been there for the load.
    void pagesBuiltAfterTheFirstPaintShowTheLoadedFile() {
        WindowFixture fx;
        Setup loaded = neutralSetup();
        loaded.image.set(Index::PitchMode, 1); // shows the governor frame and phase channels
        loaded.image.set(Index::SpeedMode, 1);
        loaded.image.set(34, 77);
        loaded.channels.reversed[2] = true;
        fx.writeFile(QStringLiteral("Default.rvc"), encodeRecord(loaded));
        fx.writeSettings(QStringLiteral("3"), QStringLiteral("Default.rvc"), QStringLiteral("0"));

        MainWindow& launched = fx.launch();
        QVERIFY(launched.findChild<QWidget*>(QStringLiteral("fraRegler")) == nullptr);
        QTRY_VERIFY(launched.findChild<QWidget*>(QStringLiteral("fraRegler")) != nullptr);
        QVERIFY(!launched.setup().changed); // closing asks nothing

        // Every page there when the file is loaded. A load starts from the setup
        // shown before it, so this one too starts from none (its own file is missing).
        fx.writeSettings(QStringLiteral("3"), QStringLiteral("missing.rvc"), QStringLiteral("0"));
        MainWindow builtFirst;
        builtFirst.buildLatePages();
        builtFirst.setup().currentFileName = QStringLiteral("Default.rvc");
        QVERIFY(builtFirst.fileCommands().loadCurrentFile());
        QCOMPARE(shownState(&launched), shownState(&builtFirst));
        QVERIFY(launched.setup() == builtFirst.setup());
        QVERIFY(launched.setup() == builtFirst.setup());
        builtFirst.setup().changed = false;
        // The late controls took their texts in the window's language too.
        QCOMPARE(shownTexts(&launched), shownTexts(&builtFirst));
        QVERIFY2(uncaptioned(&launched).isEmpty(), qPrintable(uncaptioned(&launched).join(u' ')));

        // Tab goes through the tab strip, the pages in their order, the value
        // editor, then the device buttons.
        auto* pages = launched.findChild<QStackedWidget*>();
        const QList<QWidget*> ahead = {launched.findChild<QWidget*>(QStringLiteral("TabStrip"))};
        const QList<QWidget*> behind = {launched.findChild<QWidget*>(QStringLiteral("ParaEdit")),
                                        launched.findChild<QWidget*>(QStringLiteral("cbDownload")),
                                        launched.findChild<QWidget*>(QStringLiteral("cbFlash"))};
        auto sectionOf = [&](QWidget* control) {
            QList<QWidget*> sections = ahead;
            for (int page = 0; page < pages->count(); ++page) {
                sections << pages->widget(page);
            }
            sections << behind;
            for (int section = 0; section < sections.size(); ++section) {
                if (control == sections.at(section) ||
                    sections.at(section)->isAncestorOf(control)) {
                    return section;
                }
            }
            return -1;
        };
        QList<int> order;
        for (QWidget* at = launched.nextInFocusChain(); at != &launched;
             at = at->nextInFocusChain()) {
            if ((at->focusPolicy() & Qt::TabFocus) != 0) {
                order << sectionOf(at);
            }
        }
        QVERIFY(!order.contains(-1));
        QVERIFY2(std::is_sorted(order.begin(), order.end()), qPrintable(QDebug::toString(order)));
        QCOMPARE(order.back(), 7);
    }

    // Help -> About: the version and where the program keeps its files, each
    // folder one keyboard-reachable button away from the file manager.
    void aboutNamesTheVersionAndThePlaces() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(encodeRecord(neutralSetup()));
        QVERIFY(QDir().mkpath(TransferHistory::standardFolder()));
        window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        auto* about = window.findChild<QDialog*>(QStringLiteral("AboutDialog"));
        QVERIFY(about != nullptr && about->isVisible());
        const QString version = about->findChild<QLabel*>(QStringLiteral("AboutVersion"))->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^Rotavionix Control \\d+\\.\\d+\\.\\d+$"))
                     .match(version)
                     .hasMatch(),
                 qPrintable(version));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("AboutOpenSettingsPath"))->text(),
                 fx.iniPath());
        const struct {
            const char* button;
            QString folder;
        } places[] = {{"AboutOpenSettings", QFileInfo(fx.iniPath()).absolutePath()},
                      {"AboutOpenHistory", TransferHistory::standardFolder()}};
        for (const auto& place : places) {
            auto* button = about->findChild<QPushButton*>(QLatin1String(place.button));
            QVERIFY(button->isEnabled() && (button->focusPolicy() & Qt::TabFocus) != 0);
            QVERIFY(!button->accessibleName().isEmpty());
            button->click();
            QCOMPARE(fx.openedDocuments.last(), place.folder);
        }
        about->reject();
    }

    // Pictures of the four pages in the three languages, for people to look at.
    void screenshots() {
        const QString outDir = qEnvironmentVariable("RV_SCREENSHOT_DIR");
        if (outDir.isEmpty()) {
            QSKIP("RV_SCREENSHOT_DIR not set");
        }
        QDir().mkpath(outDir);
        const char* languages[] = {"de", "en", "fr"};
        for (int language : {German, English, French}) {
            WindowFixture fx;
            fx.startWith(encodeRecord(neutralSetup()), QString::number(language));
            MainWindow& window = fx.window();
            window.show();
            window.findChild<QAbstractButton*>(QStringLiteral("ReglerMode"))->setChecked(true);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* tabs = window.findChild<QTabBar*>(QStringLiteral("TabStrip"));
            for (int tab = 0; tab < 4; ++tab) {
                tabs->setCurrentIndex(tab);
                QTest::qWait(20);
                window.grab().save(QStringLiteral("%1/page%2-%3.png")
                                       .arg(outDir)
                                       .arg(tab + 1)
                                       .arg(QLatin1String(languages[language])));
            }
        }
    }
};

RV_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
