// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export as text and Import text in the window.
#include "support/window_Fixture.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/format/SetupDifference.h"
#include "core/format/SetupRecord.h"
#include "core/format/SetupText.h"
#include "support/test_main.h"
#include "ui/document/FileCommands.h"
#include "ui/sheet/TextFormCommands.h"
#include "ui/texts/Dialogs.h"

#include <QSlider>
#include <QTest>

using namespace rv;

namespace {
void moveSlider(MainWindow& window, const char* name, int position) {
    window.findChild<QSlider*>(QLatin1String(name))->setValue(position);
}
} // namespace

class TestTextFormWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The exported text is the setup as a save would write it; importing it
    // asks "Save first?" as Open does and brings back exactly that setup,
    // marked as not saved in the current file.
    void exportedTextImportsBack() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(encodeRecord(neutralSetup()));
        moveSlider(window, "Para34Sl", 63);
        const Setup exported = window.setup();

        FileDialogs::clearHistory();
        FileDialogs::setNextFileName(fx.path(QStringLiteral("tuned")));
        window.textFormCommands().exportText();
        QCOMPARE(FileDialogs::history().last().proposedName,
                 fx.path(QStringLiteral("Default.txt")));
        QCOMPARE(fx.readFile(QStringLiteral("tuned.txt")), setupText(recordOf(exported)));

        moveSlider(window, "Para30Sl", 10);
        const QString caption = window.windowTitle();
        MessageBox::setNextAnswer(QMessageBox::No);
        FileDialogs::setNextFileName(fx.path(QStringLiteral("tuned.txt")));
        window.textFormCommands().importText();
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("Changes not saved yet. Save first?"));
        QVERIFY(setupDifferences(exported, window.setup()).isEmpty());
        QCOMPARE(window.findChild<QSlider*>(QStringLiteral("Para30Sl"))->value(), 50);
        QVERIFY(window.fileCommands().hasUnsavedChanges());
        QCOMPARE(window.windowTitle(), caption);
    }

    // A text with bad lines changes nothing and names each line.
    void badTextChangesNothing() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(encodeRecord(neutralSetup()));
        QByteArray text = setupText(encodeRecord(neutralSetup()));
        text.replace("tail_gain                  = 50 %", "tail_gain = 150 %");
        text.replace("heli_type ", "heli_typ ");
        fx.writeFile(QStringLiteral("bad.txt"), text);
        moveSlider(window, "Para34Sl", 20);
        const Setup before = window.setup();

        MessageBox::setNextAnswer(QMessageBox::No);
        FileDialogs::setNextFileName(fx.path(QStringLiteral("bad.txt")));
        window.textFormCommands().importText();
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("The text was not imported: it has bad lines."));
        const QString detail = MessageBox::history().last().detail;
        QVERIFY(detail.contains(QLatin1String("Line 4: unknown key \"heli_typ\"")));
        QVERIFY(detail.contains(QStringView(u"Line 20: expected 0 % \u2026 100 %")));
        QCOMPARE(window.setup(), before);

        // An export that cannot be written says so as a save does.
        const QString nowhere = fx.path(QStringLiteral("no-folder/setup.txt"));
        FileDialogs::setNextFileName(nowhere);
        window.textFormCommands().exportText();
        QCOMPARE(MessageBox::history().last().text, QStringLiteral("Cannot open file."));
        QVERIFY(MessageBox::history().last().detail.startsWith(nowhere));
    }
};

RV_TEST_MAIN(TestTextFormWindow)
#include "test_text_form_window.moc"
