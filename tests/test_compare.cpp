// SPDX-License-Identifier: GPL-3.0-or-later
// Compare: the window against its file or another one, and the list of what
// changed under the unsaved-changes questions.
#include "support/curve_test_helpers.h"
#include "support/data_Files.h"
#include "support/window_Fixture.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/history/TransferHistory.h"
#include "core/model/Setup.h"
#include "core/settings/ProgramLanguage.h"
#include "support/test_main.h"
#include "ui/compare/CompareCommands.h"
#include "ui/compare/CompareDialog.h"
#include "ui/compare/CurveOverlay.h"
#include "ui/curves/CurvePicture.h"
#include "ui/device/DeviceCommands.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

using namespace rv;
using rv::test::neutralRecord;

namespace {

// The rows of the dialog's list under their section titles: "caption|before|after".
QStringList listedRows(const CompareDialog& dialog) {
    QStringList rows;
    const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("CompareList"));
    for (int group = 0; list != nullptr && group < list->topLevelItemCount(); ++group) {
        const QTreeWidgetItem* section = list->topLevelItem(group);
        for (int i = 0; i < section->childCount(); ++i) {
            const QTreeWidgetItem* row = section->child(i);
            rows << row->text(0) + QLatin1Char('|') + row->text(1) + QLatin1Char('|') +
                        row->text(2);
        }
    }
    return rows;
}

CompareDialog* openDialog(MainWindow& window) {
    return window.findChild<CompareDialog*>(QStringLiteral("CompareDialog"));
}

} // namespace

class TestCompare : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsWhatChangedSinceTheSave() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(neutralRecord());
        window.show();
        FileDialogs::setNextFileName(fx.path(QStringLiteral("saved.rvc")));
        QVERIFY(window.fileCommands().saveFile());

        window.findChild<QSlider*>(QStringLiteral("Para34Sl"))->setValue(63);
        auto* pitchCurve = window.findChild<QRadioButton*>(QStringLiteral("Kurvenauswahl_2"));
        pitchCurve->click();
        auto* picture = window.findChild<CurvePicture*>(QStringLiteral("Pic1"));
        curvetest::clickAt(picture, {curvetest::xOf(7), curvetest::cursorY(150)});
        QVERIFY(window.fileCommands().hasUnsavedChanges());

        window.compareCommands().compareWithCurrentFile();
        QPointer<CompareDialog> dialog = openDialog(window);
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        const QString file = QDir::toNativeSeparators(fx.path(QStringLiteral("saved.rvc")));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("CompareHeader"))->text(),
                 QStringLiteral("File %1 compared with the window").arg(file));
        QCOMPARE(listedRows(*dialog),
                 QStringList({QStringLiteral("Tail Gain|50 %|63 %"),
                              QStringLiteral("Pitch Curve, Hover|point 8: 40|point 8: 50")}));
        QCOMPARE(dialog->findChildren<CurveOverlay*>().size(), 1);

        // The copy holds the same list; Escape closes the dialog.
        dialog->findChild<QAbstractButton*>(QStringLiteral("CompareCopy"))->click();
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied, QStringLiteral("File %1 compared with the window\n\n"
                                        "Settings\n  Tail Gain: 50 % \u2192 63 %\n\n"
                                        "Curves\n  Pitch Curve, Hover: point 8: 40 \u2192 50\n")
                             .arg(file));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!dialog);

        // Both unsaved-changes questions keep their text and carry the same list.
        MessageBox::clearHistory();
        MessageBox::setNextAnswer(QMessageBox::No);
        FileDialogs::setNextFileName(QString());
        window.fileCommands().openFile();
        MessageBox::setNextAnswer(QMessageBox::No);
        QVERIFY(!window.close());
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().at(0).text,
                 QStringLiteral("Changes not saved yet. Save first?"));
        QCOMPARE(MessageBox::history().at(1).text,
                 QStringLiteral("Changes not saved yet. Quit anyway?"));
        for (const MessageBox::Shown& shown : MessageBox::history()) {
            QCOMPARE(shown.detailedText, copied);
            QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No);
        }
    }

    // A file that Open would refuse is refused with the same message, and no
    // dialog opens; one with only bytes the window cannot show names them.
    void refusedFileGetsTheUsualMessage() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(neutralRecord());
        QByteArray refused = neutralRecord();
        refused[Index::PitchMode] = 2;
        fx.writeFile(QStringLiteral("refused.rvc"), refused);
        MessageBox::clearHistory();
        FileDialogs::setNextFileName(fx.path(QStringLiteral("refused.rvc")));
        window.compareCommands().compareWithOtherFile();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().at(0).text, window.texts().cannotOpenFile);
        QVERIFY(MessageBox::history().at(0).detail.contains(QStringLiteral("Byte 40")));
        QVERIFY(!openDialog(window));

        FileDialogs::setNextFileName(fx.dir());
        window.compareCommands().compareWithOtherFile();
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().at(1).detail,
                 QDir::toNativeSeparators(fx.dir()) +
                     QStringLiteral("\nThis is a folder, not a file."));
        QVERIFY(!openDialog(window));
    }

    // Captions and values in the window's language, options by their captions.
    void listSpeaksTheWindowsLanguage() {
        WindowFixture fx;
        fx.writeFile(QStringLiteral("Default.rvc"), neutralRecord());
        fx.writeSettings(QStringLiteral("1"), QStringLiteral("Default.rvc"),
                         QString::number(German));
        MainWindow& window = fx.start();
        Setup other = neutralSetup();
        other.image.set(Index::HoverSpeed, 160);
        other.image.set(Index::TailBeep, 1);
        other.image.set(Index::FirstChannel + 1, 0x83);
        other.image.set(4, 77);
        window.compareCommands().showComparison(encodeRecord(other), QStringLiteral("A"),
                                                QStringLiteral("B"));
        const QStringList rows = listedRows(*openDialog(window));
        QVERIFY2(rows.contains(QStringLiteral("Heck Piepton|Ein|Aus")),
                 qPrintable(rows.join('\n')));
        QVERIFY(rows.contains(QStringLiteral("Drehzahl Schweben|1600 U/min.|1500 U/min.")));
        QVERIFY(rows.contains(QStringLiteral("Heck|3 umgekehrt|4")));
        QVERIFY(rows.contains(QStringLiteral("P4|77|90")));

        // Dates in the program's language too, whatever the system's locale.
        window.deviceCommands().setHistoryFolder(fx.path(QStringLiteral("sent")));
        QVERIFY(!window.deviceCommands()
                     .history()
                     .add({neutralRecord(), QStringLiteral("Default.rvc"),
                           QDateTime(QDate(2026, 12, 7), QTime(10, 0)), 17, 17},
                          nullptr)
                     .isEmpty());
        ListChoice::setNextAnswer(std::nullopt);
        window.compareCommands().compareWithHistoryEntry();
        QCOMPARE(ListChoice::history().last().rows.value(0),
                 QStringList({QStringLiteral("07.12.26"), QStringLiteral("10:00:00"),
                              QStringLiteral("Default"), QStringLiteral("vollständig")}));
    }

    // The last transfer or any entry of the history, picked from a list that
    // says full or partial and names the files it skipped.
    void comparesWithTransfersFromTheHistory() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(neutralRecord());
        window.deviceCommands().setHistoryFolder(fx.path(QStringLiteral("sent")));
        window.compareCommands().compareWithLastTransfer();
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("No transfer to the Rotavionix has been recorded yet."));

        const TransferHistory& history = window.deviceCommands().history();
        Setup older = neutralSetup();
        older.image.set(Index::HoverSpeed, 160);
        const QDate day(2026, 5, 1);
        QVERIFY(!history
                     .add({encodeRecord(older), QStringLiteral("Default.rvc"),
                           QDateTime(day, QTime(10, 0)), 17, 17},
                          nullptr)
                     .isEmpty());
        QVERIFY(!history
                     .add({neutralRecord(), QStringLiteral("Default.rvc"),
                           QDateTime(day, QTime(10, 5)), 3, 17},
                          nullptr)
                     .isEmpty());
        fx.writeFile(QStringLiteral("sent/2026-05-01 10-06-00 Broken.rvc"), "short");

        window.compareCommands().compareWithLastTransfer();
        QPointer<CompareDialog> dialog = openDialog(window);
        QVERIFY(dialog);
        const QString latest = QStringLiteral("Transfer of Default on 01/05/2026 at 10:05:00 "
                                              "(partial, 3 of 17 blocks)");
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("CompareHeader"))->text(),
                 latest + QStringLiteral(" and the window hold the same values."));
        dialog->reject();
        QTRY_VERIFY(!dialog);

        ListChoice::setNextAnswer(1);
        window.compareCommands().compareWithHistoryEntry();
        const ListChoice::Shown& shown = ListChoice::history().last();
        QCOMPARE(shown.rows.size(), 2);
        QCOMPARE(shown.rows.at(0).mid(1),
                 QStringList({QStringLiteral("10:05:00"), QStringLiteral("Default"),
                              QStringLiteral("partial, 3 of 17 blocks")}));
        QCOMPARE(shown.rows.at(1).mid(1),
                 QStringList({QStringLiteral("10:00:00"), QStringLiteral("Default"),
                              QStringLiteral("full")}));
        QVERIFY(shown.note.contains(QStringLiteral("2026-05-01 10-06-00 Broken.rvc")));
        dialog = openDialog(window);
        QVERIFY(dialog);
        QCOMPARE(listedRows(*dialog), QStringList(QStringLiteral("RPM Hover|1600 rpm|1500 rpm")));
    }

    // The pictures under docs/ (scripts/screenshots.sh).
    void screenshots() {
        const QString outDir = qEnvironmentVariable("RV_SCREENSHOT_DIR");
        if (outDir.isEmpty()) {
            QSKIP("RV_SCREENSHOT_DIR not set");
        }
        const char* languages[] = {"de", "en", "fr"};
        for (int language : {German, English, French}) {
            WindowFixture fx;
            fx.writeFile(QStringLiteral("Default.rvc"), neutralRecord());
            fx.writeSettings(QStringLiteral("1"), QStringLiteral("Default.rvc"),
                             QString::number(language));
            MainWindow& window = fx.start();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.findChild<QSlider*>(QStringLiteral("Para34Sl"))->setValue(63);
            window.findChild<QSlider*>(QStringLiteral("SchwebenSl"))->setValue(1650);
            window.findChild<QAbstractButton*>(QStringLiteral("F_Heck_3"))->click();
            window.findChild<QRadioButton*>(QStringLiteral("Kurvenauswahl_2"))->click();
            auto* picture = window.findChild<CurvePicture*>(QStringLiteral("Pic1"));
            curvetest::clickAt(picture, {curvetest::xOf(7), curvetest::cursorY(150)});
            curvetest::clickAt(picture, {curvetest::xOf(8), curvetest::cursorY(165)});
            window.findChild<QRadioButton*>(QStringLiteral("Kurvenauswahl_0"))->click();
            curvetest::clickAt(picture, {curvetest::xOf(5), curvetest::cursorY(120)});
            window.compareCommands().compareWithCurrentFile();
            CompareDialog* dialog = openDialog(window);
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QTest::qWait(20);
            dialog->grab().save(QStringLiteral("%1/compare-%2.png")
                                    .arg(outDir, QLatin1String(languages[language])));
        }
    }
};

RV_TEST_MAIN(TestCompare)
#include "test_compare.moc"
