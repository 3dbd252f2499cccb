// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving through the File menu: the unsaved-changes questions,
// failures that keep the current file, and the name a save gets.
#include "support/data_Files.h"
#include "support/window_Fixture.h"

#include "core/format/ParameterRecord.h"
#include "support/test_main.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"

#include <QAbstractButton>
#include <QFile>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>

using namespace rv;
using rv::test::neutralRecord;

class TestOpenSave : public QObject {
    Q_OBJECT

    static MainWindow& startNeutral(WindowFixture& fx) { return fx.startWith(neutralRecord()); }

private Q_SLOTS:
    void unsavedChangesGuardOpenAndClose() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        fx.writeFile(QStringLiteral("other.rvc"), neutralRecord());

        // Switching an option away and back is no change.
        window.findChild<QAbstractButton*>(QStringLiteral("TailBeep_1"))->click();
        window.findChild<QAbstractButton*>(QStringLiteral("TailBeep_0"))->click();
        QVERIFY(!window.fileCommands().hasUnsavedChanges());

        // A comment typed and deleted still counts.
        auto* comment = window.findChild<QPlainTextEdit*>(QStringLiteral("Comment"));
        comment->setFocus();
        QTest::keyClick(comment, Qt::Key_X);
        QTest::keyClick(comment, Qt::Key_Backspace);
        QVERIFY(window.fileCommands().hasUnsavedChanges());

        // Closing with changes and answering No keeps the window and the edits.
        window.show();
        MessageBox::setNextAnswer(QMessageBox::No);
        QVERIFY(!window.close());
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("Changes not saved yet. Quit anyway?"));
        QCOMPARE(MessageBox::history().last().icon, QMessageBox::Critical);
        QCOMPARE(MessageBox::history().last().defaultButton, QMessageBox::No); // Enter keeps them
        QVERIFY(window.isVisible());
        QVERIFY(window.setup().changed);

        // "Save first?" Yes, then cancelling the save dialog still shows the open dialog.
        FileDialogs::clearHistory();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        FileDialogs::setNextFileName(QString());
        FileDialogs::setNextFileName(fx.path(QStringLiteral("other.rvc")));
        window.fileCommands().openFile();
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("Changes not saved yet. Save first?"));
        QCOMPARE(FileDialogs::history().size(), 2);
        QVERIFY(FileDialogs::history().at(0).save);
        QCOMPARE(FileDialogs::history().at(0).defaultSuffix, QStringLiteral("rvc"));
        QVERIFY(!FileDialogs::history().at(1).save);
        QCOMPARE(FileDialogs::history().at(1).proposedName, QStringLiteral("*.rvc"));
        QCOMPARE(FileDialogs::history().at(1).title, QStringLiteral("Rotavionix Control"));
        QCOMPARE(FileDialogs::history().at(1).filter,
                 QStringLiteral("Rotavionix Control Parameter Files (*.rvc) |  *.rvc"));
        QVERIFY(!window.fileCommands().hasUnsavedChanges());
        QVERIFY(window.windowTitle().contains(QStringLiteral("...\\other.rvc")));

        // Without changes, closing asks nothing.
        const int asked = MessageBox::history().size();
        QVERIFY(window.close());
        QCOMPARE(MessageBox::history().size(), asked);
    }

    // A failed open or save reports the path and the reason and leaves the
    // current file, the caption and "LastFile" naming the file shown.
    void missingFileAndFailedSave() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        const QString caption = window.windowTitle();
        const auto currentFileUnchanged = [&] {
            QCOMPARE(window.setup().currentFileName, QStringLiteral("Default.rvc"));
            QCOMPARE(window.windowTitle(), caption);
            QCOMPARE(fx.setting(QStringLiteral("LastFile")), QStringLiteral("Default.rvc"));
        };
        fx.openFile(QStringLiteral("missing.rvc"));
        QCOMPARE(MessageBox::history().last().text, QStringLiteral("Cannot open file."));
        QCOMPARE(MessageBox::history().last().detail,
                 fx.path(QStringLiteral("missing.rvc")) +
                     QStringLiteral("\nNo such file or directory"));
        currentFileUnchanged();

        // A save that cannot be written keeps the previous file and the change state.
        fx.writeFile(QStringLiteral("keep.rvc"), QByteArray("previous"));
        QFile::setPermissions(fx.path(QStringLiteral("keep.rvc")),
                              QFile::ReadOwner | QFile::ReadGroup);
        window.findChild<QSlider*>(QStringLiteral("Para34Sl"))->setValue(77);
        FileDialogs::setNextFileName(fx.path(QStringLiteral("keep.rvc")));
        QVERIFY(!window.fileCommands().saveFile());
        QCOMPARE(MessageBox::history().last().detail,
                 fx.path(QStringLiteral("keep.rvc")) + QStringLiteral("\nThe file is read-only."));
        QCOMPARE(fx.readFile(QStringLiteral("keep.rvc")), QByteArray("previous"));
        QVERIFY(window.fileCommands().hasUnsavedChanges());
        currentFileUnchanged();

        FileDialogs::setNextFileName(fx.path(QStringLiteral("no-such-dir/x.rvc")));
        QVERIFY(!window.fileCommands().saveFile());
        QVERIFY(window.fileCommands().hasUnsavedChanges());
        currentFileUnchanged();
        QCOMPARE(FileDialogs::history().last().proposedName, QStringLiteral("Default.rvc"));

        FileDialogs::setNextFileName(fx.path(QStringLiteral("saved.rvc")));
        QVERIFY(window.fileCommands().saveFile());
        QVERIFY(!window.fileCommands().hasUnsavedChanges());
        QCOMPARE(int(static_cast<std::uint8_t>(fx.readFile(QStringLiteral("saved.rvc")).at(34))),
                 196);
        QCOMPARE(fx.setting(QStringLiteral("LastFile")), fx.path(QStringLiteral("saved.rvc")));
        QVERIFY(window.windowTitle().contains(QStringLiteral("...\\saved.rvc     ")));
    }

    // The Open dialog lists *.rvc only: a name typed without suffix gets it,
    // and a file with the suffixed name is only replaced when the pilot agrees.
    void aNameWithoutSuffixIsSavedAsRvc() {
        WindowFixture fx;
        MainWindow& window = startNeutral(fx);
        FileDialogs::setNextFileName(fx.path(QStringLiteral("Heli")));
        QVERIFY(window.fileCommands().saveFile());
        QCOMPARE(fx.readFile(QStringLiteral("Heli.rvc")), neutralRecord());
        QVERIFY(!QFile::exists(fx.path(QStringLiteral("Heli"))));
        QCOMPARE(fx.setting(QStringLiteral("LastFile")), fx.path(QStringLiteral("Heli.rvc")));

        window.findChild<QSlider*>(QStringLiteral("Para34Sl"))->setValue(77);
        FileDialogs::setNextFileName(fx.path(QStringLiteral("Heli")));
        MessageBox::setNextAnswer(QMessageBox::No);
        QVERIFY(!window.fileCommands().saveFile());
        QCOMPARE(MessageBox::history().last().text,
                 fx.path(QStringLiteral("Heli.rvc")) +
                     QStringLiteral(" already exists. Do you want to replace it?"));
        QCOMPARE(fx.readFile(QStringLiteral("Heli.rvc")), neutralRecord());

        FileDialogs::setNextFileName(fx.path(QStringLiteral("Heli")));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QVERIFY(window.fileCommands().saveFile());
        QVERIFY(fx.readFile(QStringLiteral("Heli.rvc")) != neutralRecord());

        // A suffix of its own is kept.
        FileDialogs::setNextFileName(fx.path(QStringLiteral("Heli.bak")));
        QVERIFY(window.fileCommands().saveFile());
        QVERIFY(QFile::exists(fx.path(QStringLiteral("Heli.bak"))));
    }
};

RV_TEST_MAIN(TestOpenSave)
#include "test_open_save.moc"
