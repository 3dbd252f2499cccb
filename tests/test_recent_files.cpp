// SPDX-License-Identifier: GPL-3.0-or-later
// The recent files of the File menu across runs of the program.
#include "support/window_Fixture.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "support/test_main.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"

#include <QAbstractSlider>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>

using namespace rv;

class TestRecentFiles : public QObject {
    Q_OBJECT

    // The File menu as it shows when opened: its entries named "mnuRecent_<n>".
    static QStringList recentEntries(MainWindow& window) {
        auto* menu = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
        Q_EMIT menu->aboutToShow();
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (action->objectName().startsWith(QStringLiteral("mnuRecent_"))) {
                texts << action->text();
            }
        }
        return texts;
    }
    static QAction* recentEntry(MainWindow& window, int n) {
        recentEntries(window);
        return window.findChild<QAction*>(QStringLiteral("mnuRecent_%1").arg(n));
    }

private Q_SLOTS:
    void recentFilesSurviveARestartAndReopen() {
        WindowFixture fx;
        Setup other = neutralSetup();
        other.image.set(34, 33);
        fx.writeFile(QStringLiteral("a&b.rvc"), encodeRecord(other));
        MainWindow* window = &fx.startWith(encodeRecord(neutralSetup()));
        QVERIFY(recentEntries(*window).isEmpty());
        fx.openFile(QStringLiteral("a&b.rvc"));
        FileDialogs::setNextFileName(fx.path(QStringLiteral("saved.rvc")));
        QVERIFY(window->fileCommands().saveFile());
        fx.openFile(QStringLiteral("a&b.rvc")); // once, at the top again

        fx.stop();
        window = &fx.start();
        QCOMPARE(recentEntries(*window),
                 QStringList({QStringLiteral("&1 ") + fx.path(QStringLiteral("a&&b.rvc")),
                              QStringLiteral("&2 ") + fx.path(QStringLiteral("saved.rvc"))}));
        QCOMPARE(window->setup().image.at(34), std::uint8_t(33)); // the last file opened

        recentEntry(*window, 1)->trigger();
        QCOMPARE(window->setup().currentFileName, fx.path(QStringLiteral("saved.rvc")));
        QCOMPARE(recentEntries(*window).first(),
                 QStringLiteral("&1 ") + fx.path(QStringLiteral("saved.rvc")));
        QVERIFY(MessageBox::history().isEmpty());
    }

    // A file that has gone is reported and leaves the list; the window keeps its setup.
    void aMissingRecentFileIsReportedAndRemoved() {
        WindowFixture fx;
        fx.writeFile(QStringLiteral("gone.rvc"), encodeRecord(neutralSetup()));
        MainWindow& window = fx.startWith(encodeRecord(neutralSetup()));
        fx.openFile(QStringLiteral("gone.rvc"));
        FileDialogs::setNextFileName(fx.path(QStringLiteral("kept.rvc")));
        QVERIFY(window.fileCommands().saveFile());
        QVERIFY(QFile::remove(fx.path(QStringLiteral("gone.rvc"))));
        window.findChild<QAbstractSlider*>(QStringLiteral("Para34Sl"))->setValue(60);
        const Setup before = window.setup();

        recentEntry(window, 1)->trigger();
        QCOMPARE(MessageBox::history().size(), 1); // no "Save first?" for a file that is gone
        QCOMPARE(
            MessageBox::history().last().text,
            fx.path(QStringLiteral("gone.rvc")) +
                QStringLiteral(" no longer exists. It has been removed from the recent files."));
        QCOMPARE(window.setup(), before);
        QCOMPARE(recentEntries(window),
                 QStringList({QStringLiteral("&1 ") + fx.path(QStringLiteral("kept.rvc"))}));
    }
};

RV_TEST_MAIN(TestRecentFiles)
#include "test_recent_files.moc"
