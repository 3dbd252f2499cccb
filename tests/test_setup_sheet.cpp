// SPDX-License-Identifier: GPL-3.0-or-later
// The printed setup sheet: what the PDF says in each language, that the
// longest texts still fit one A4 page, and printing and exporting from the
// File menu without ever harming a file.
#include "support/window_Fixture.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/model/SettingCatalog.h"
#include "core/model/SetupEdits.h"
#include "core/settings/ProgramLanguage.h"
#include "support/test_main.h"
#include "ui/sheet/SetupSheet.h"
#include "ui/sheet/SetupSheetPage.h"
#include "ui/sheet/SheetCommands.h"
#include "ui/texts/Dialogs.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace rv;

namespace {

// The program's own texts in one language for as long as it lives.
using Speaking = ProgramTranslation;

bool havePdfTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The PDF's text: laid out as on the page (columns side by side), or in
// reading order (a wrapped caption stays together); pages end in form feeds.
QString pdfText(const QString& path, bool layout = true) {
    QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                          QStringLiteral("-")};
    if (layout) {
        arguments.prepend(QStringLiteral("-layout"));
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfText {
    QString layout;
    QString reading;
};

PdfText pdfText(const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        return {};
    }
    file.close();
    return {pdfText(path, true), pdfText(path, false)};
}

int pageCount(const QString& text) {
    return static_cast<int>(text.count(QLatin1Char('\f')));
}

// A phrase whose words may be set a little closer or wrapped onto a new line.
QString phrasePattern(const QString& phrase, const QString& between) {
    QStringList words;
    for (const QString& word : phrase.simplified().split(QLatin1Char(' '))) {
        words << QRegularExpression::escape(word);
    }
    return words.join(between);
}

// The phrases in this order on one line, separated by blanks only.
bool hasLine(const QString& text, const QStringList& phrases) {
    QStringList patterns;
    for (const QString& phrase : phrases) {
        patterns << phrasePattern(phrase, QStringLiteral("[ ]*"));
    }
    return QRegularExpression(patterns.join(QStringLiteral("[ ]+"))).match(text).hasMatch();
}

int occurrences(const QString& text, const QString& phrase) {
    const QRegularExpression pattern(phrasePattern(phrase, QStringLiteral("\\s*")));
    int count = 0;
    for (auto it = pattern.globalMatch(text); it.hasNext(); it.next()) {
        ++count;
    }
    return count;
}

// Every heading, caption and value as often as the sheet holds it, every
// curve with its eleven values on a line: nothing fell off the page or was
// cut short.
void verifyEverythingShown(const SetupSheet& sheet, const PdfText& text) {
    QMap<QString, int> expected;
    for (const SheetSection& section : sheet.sections) {
        ++expected[section.heading];
        for (const SheetRow& row : section.rows) {
            for (const QString& part : {row.caption, row.value, row.extra}) {
                if (!part.isEmpty()) {
                    ++expected[part];
                }
            }
        }
    }
    for (const SheetCurve& curve : sheet.curves) {
        ++expected[curve.name];
        QVERIFY2(hasLine(text.layout, curve.shown), qPrintable(curve.shown.join(QLatin1Char(' '))));
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(occurrences(text.reading, it.key()) >= it.value(), qPrintable(it.key()));
    }
}

Setup loaded(const QString& name) {
    QFile file(QStringLiteral(RV_SOURCE_DIR "/tests/data/regression/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const auto result = applyRecord(Setup{}, file.readAll());
    Setup setup = std::get<Setup>(result);
    setup.currentFileName = QStringLiteral("/home/pilot/Modelle/") + name;
    return setup;
}

} // namespace

class TestSetupSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        if (!havePdfTools()) {
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        }
    }

    void everySettingWithItsValueInEachLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expectedLines");
        // Hand-checked lines of the sheet of 07.rvc, the comment given below.
        QTest::newRow("German") << int(German)
                                << QStringList{"Rotavionix Control – Einstellblatt",
                                               "Datei: 07.rvc",
                                               "7. Dezember 2026",
                                               "Heli Typ|Drehzahlgesteuert",
                                               "Heck Verstärkung|37 %",
                                               "Schweben|900 U/min.",
                                               "Kreisel Umkehr|Aus",
                                               "Servo 1|normal (Byte 0)",
                                               "Extra 1|1|rev.",
                                               "Ölwechsel nach 20 Flügen"};
        QTest::newRow("English") << int(English)
                                 << QStringList{"Rotavionix Control – Setup sheet",
                                                "File: 07.rvc",
                                                "7 December 2026",
                                                "Heli Type|RPM controlled",
                                                "Tail Gain|37 %",
                                                "Hover|900 rpm",
                                                "Gyro Reverse|Off",
                                                "Servo 1|normal (byte 0)",
                                                "Extra 1|1|rev."};
        QTest::newRow("French") << int(French)
                                << QStringList{"Rotavionix Control – Fiche de réglage",
                                               "Fichier : 07.rvc",
                                               "7 décembre 2026",
                                               "Type d'hélicoptère|Régulé par la vitesse",
                                               "Gain anti couple|37 %",
                                               "Vol stationnaire|900 U/min.",
                                               "Inversion gyroscope|Arrêt",
                                               "Servo 1|normal (octet 0)",
                                               "Extra 1|1|inv."};
    }

    void everySettingWithItsValueInEachLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, expectedLines);
        const Speaking speaking(language);
        Setup setup = loaded(QStringLiteral("07.rvc"));
        editComment(setup, QStringLiteral("Ölwechsel nach 20 Flügen\r\nzweite Zeile"));

        const SetupSheet sheet = setupSheet(setup, language, QDate(2026, 12, 7));
        SheetFit fit;
        const PdfText text = pdfText(setupSheetPdf(sheet, &fit));
        QCOMPARE(pageCount(text.layout), 1);
        QCOMPARE(fit.scale, 1.0);
        for (const QString& line : expectedLines) {
            QVERIFY2(hasLine(text.layout, line.split(QLatin1Char('|'))), qPrintable(line));
        }
        // A comment edited but not saved: the sheet says so.
        QVERIFY(!sheet.unsavedNote.isEmpty());
        QVERIFY(hasLine(text.layout, {sheet.unsavedNote}));
        verifyEverythingShown(sheet, text);
    }

    // Every value in its longest form, the longest file name and a full comment
    // still make one page at full size in every language; a comment of
    // nothing but line breaks does not push the curves off it.
    void longestTextsFitOnePage() {
        Setup setup = neutralSetup();
        setup.currentFileName =
            QStringLiteral("/tmp/") + QString(200, QLatin1Char('W')) + QStringLiteral(".rvc");
        // Bytes no control shows get their number added to the value.
        for (const SettingEntry& setting : settingCatalog()) {
            storeSettingBits(setting, 0xC8, setup.image);
        }
        setup.pitchMode = 1;
        setup.swashplateType = 2;
        setup.servoInverters = {7, 7, 7};
        setup.pitchPart = 250;
        setup.cyclicPart = 250;
        setup.channels.channel.fill(9);
        setup.channels.reversed.fill(true);
        setup.hoverToAcroTenths = 15;
        setup.acroToHoverTenths = 15;
        setup.hoverSpeedRpm = 2490;
        setup.acroSpeedRpm = 2490;
        QString words;
        while (words.size() < Setup::CommentSize) {
            words += QStringLiteral("Hélicoptère-Übersetzungsverhältnis ");
        }
        for (const QString& comment :
             {words.left(Setup::CommentSize), QString(Setup::CommentSize / 2, QLatin1Char('\n'))}) {
            editComment(setup, comment);
            for (int language : {German, English, French}) {
                const Speaking speaking(language);
                const SetupSheet sheet = setupSheet(setup, language, QDate(2026, 9, 30));
                SheetFit fit;
                const PdfText text = pdfText(setupSheetPdf(sheet, &fit));
                QCOMPARE(pageCount(text.layout), 1);
                QCOMPARE(fit.scale, 1.0);
                verifyEverythingShown(sheet, text);
            }
        }
    }

    void printAndExportFromTheFileMenu() {
        WindowFixture fx;
        fx.writeFile(QStringLiteral("Heli.rvc"), encodeRecord(neutralSetup()));
        fx.writeSettings(QStringLiteral("1"), QStringLiteral("Heli.rvc"), QString::number(German));
        MainWindow& window = fx.start();
        auto* print = window.findChild<QAction*>(QStringLiteral("mnuPrint"));
        auto* exportPdf = window.findChild<QAction*>(QStringLiteral("mnuExportPdf"));
        QCOMPARE(print->text(), QStringLiteral("Drucken…"));
        QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(exportPdf->text(), QStringLiteral("Als PDF exportieren…"));

        // The print dialog cancelled prints nothing; accepted, the page goes to the printer.
        PrintDialog::setNextAnswer(QString());
        print->trigger();
        QCOMPARE(PrintDialog::shownCount(), 1);
        PrintDialog::setNextAnswer(fx.path(QStringLiteral("printed.pdf")));
        print->trigger();
        const QString printed = pdfText(fx.path(QStringLiteral("printed.pdf")));
        QCOMPARE(pageCount(printed), 1);
        QVERIFY(hasLine(printed, {QStringLiteral("Datei: Heli.rvc")}));
        QVERIFY(hasLine(printed, {QStringLiteral("Hauptmotor"), QStringLiteral("Gas-Kurve")}));
        // A printer that cannot take the page says so.
        PrintDialog::setNextAnswer(fx.path(QStringLiteral("missing/printed.pdf")));
        print->trigger();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("Das Einstellblatt konnte nicht gedruckt werden."));
        MessageBox::clearHistory();

        // The export proposes the parameter file's name and adds the suffix.
        FileDialogs::setNextFileName(fx.path(QStringLiteral("Blatt")));
        QVERIFY(window.sheetCommands().exportPdf());
        QCOMPARE(FileDialogs::history().last().proposedName, fx.path(QStringLiteral("Heli.pdf")));
        // The dialog itself adds ".pdf" to a bare name, not the parameter files' ".rvc".
        QCOMPARE(FileDialogs::history().last().defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(fx.readFile(QStringLiteral("Blatt.pdf")).startsWith("%PDF"));
        QVERIFY(MessageBox::history().isEmpty());
    }

    // The export writes like a save: never into a pipe, never over a file
    // marked read-only, and it says why.
    void aFailedExportHarmsNothing() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(encodeRecord(neutralSetup()));
        const QString fifo = fx.path(QStringLiteral("pipe.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        const QString kept = fx.path(QStringLiteral("kept.pdf"));
        fx.writeFile(QStringLiteral("kept.pdf"), "old sheet");
        QVERIFY(QFile::setPermissions(kept, QFile::ReadOwner | QFile::ReadGroup));

        for (const QString& target : {fifo, kept}) {
            MessageBox::clearHistory();
            FileDialogs::setNextFileName(target);
            QVERIFY(!window.sheetCommands().exportPdf());
            QCOMPARE(MessageBox::history().size(), 1);
            QCOMPARE(MessageBox::history().last().text, QStringLiteral("Cannot open file."));
            QVERIFY(MessageBox::history().last().detail.startsWith(target + QLatin1Char('\n')));
        }
        struct stat status {};
        QCOMPARE(::lstat(QFile::encodeName(fifo).constData(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
        QCOMPARE(fx.readFile(QStringLiteral("kept.pdf")), QByteArray("old sheet"));
    }
};

RV_TEST_MAIN(TestSetupSheet)
#include "test_setup_sheet.moc"
