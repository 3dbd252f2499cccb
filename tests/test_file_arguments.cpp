// SPDX-License-Identifier: GPL-3.0-or-later
// A file named on the command line or dropped on the window opens as File →
// Open opens it; the command line's options are read before any window.
#include "support/data_Files.h"
#include "support/window_Fixture.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "support/test_main.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"
#include "ui/window/StartupArguments.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSlider>
#include <QTest>
#include <QUrl>

using namespace rv;

namespace {
QByteArray neutral() {
    return encodeRecord(neutralSetup());
}
QByteArray regression(const char* name) {
    return test::fileBytes(QStringLiteral(RV_SOURCE_DIR "/tests/data/regression/") +
                           QLatin1String(name));
}
// The record a window that starts with `record` holds (loading depends on what it held).
QByteArray startedWith(const QByteArray& record) {
    return recordOf(std::get<Setup>(applyRecord(Setup(), record)));
}
// A record whose heli type no option stands for: refused as a whole.
QByteArray refusedRecord() {
    QByteArray record = neutral();
    record[40] = 2;
    return record;
}

StartupArguments argumentsOf(QStringList arguments) {
    arguments.prepend(QStringLiteral("/usr/bin/rotavionix-control"));
    return readStartupArguments(arguments);
}

// Drags `data` over the window and drops it there; true when the window took it.
bool drop(MainWindow& window, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &dropped);
    return dropped.isAccepted();
}
} // namespace

class TestFileArguments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aGivenFileOpensInsteadOfTheLastFile() {
        WindowFixture fx;
        fx.writeFile(QStringLiteral("Default.rvc"), neutral());
        fx.writeFile(QStringLiteral("Given File.rvc"), regression("01.rvc"));
        fx.writeSettings(QStringLiteral("1"), QStringLiteral("Default.rvc"), QStringLiteral("1"));
        const QString given = argumentsOf({QStringLiteral("Given File.rvc")}).fileToOpen;
        QCOMPARE(given, QDir::toNativeSeparators(fx.path(QStringLiteral("Given File.rvc"))));

        MainWindow& window = fx.start(given);
        QVERIFY(MessageBox::history().isEmpty());
        QVERIFY(window.windowTitle().contains(QStringLiteral("...\\Given File.rvc     ")));
        QCOMPARE(recordOf(window.setup()), startedWith(regression("01.rvc")));
        // The next start, wherever it starts, opens it again.
        QCOMPARE(fx.setting(QStringLiteral("LastFile")), given);
    }

    // Refused, the file is reported once and left alone, and the window
    // starts as it would have without it.
    void aRefusedFileStartsTheWindowAsWithoutIt() {
        WindowFixture fx;
        fx.writeFile(QStringLiteral("Default.rvc"), regression("02.rvc"));
        fx.writeFile(QStringLiteral("bad.rvc"), refusedRecord());
        fx.writeSettings(QStringLiteral("1"), QStringLiteral("Default.rvc"), QStringLiteral("1"));

        MainWindow& window = fx.start(fx.path(QStringLiteral("bad.rvc")));
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text, QStringLiteral("Cannot open file."));
        QVERIFY(MessageBox::history().first().detail.startsWith(fx.path(QStringLiteral("bad.rvc")) +
                                                                QLatin1Char('\n')));
        QVERIFY(window.windowTitle().contains(QStringLiteral("...\\Default.rvc     ")));
        QCOMPARE(recordOf(window.setup()), startedWith(regression("02.rvc")));
        QCOMPARE(fx.setting(QStringLiteral("LastFile")), QStringLiteral("Default.rvc"));
        QCOMPARE(fx.readFile(QStringLiteral("bad.rvc")), refusedRecord());
    }

    void aDroppedFileOpensAsFileOpen() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(neutral());
        fx.writeFile(QStringLiteral("dropped.rvc"), regression("01.rvc"));
        fx.writeFile(QStringLiteral("bad.rvc"), refusedRecord());
        const auto mimeOf = [&fx](const QStringList& names) {
            auto data = std::make_unique<QMimeData>();
            QList<QUrl> urls;
            for (const QString& name : names) {
                urls << (name.contains(QLatin1Char(':')) ? QUrl(name)
                                                         : QUrl::fromLocalFile(fx.path(name)));
            }
            data->setUrls(urls);
            return data;
        };

        // Not one local file: nothing to open, nothing asked.
        QVERIFY(!drop(window, *mimeOf({QStringLiteral("dropped.rvc"), QStringLiteral("bad.rvc")})));
        QVERIFY(!drop(window, *mimeOf({QStringLiteral("https://example.org/setup.rvc")})));
        QVERIFY(MessageBox::history().isEmpty());

        // A refused file keeps the window's setup, its edit and its file.
        window.findChild<QSlider*>(QStringLiteral("Para34Sl"))->setValue(77);
        MessageBox::setNextAnswer(QMessageBox::No); // "Save first?"
        QVERIFY(drop(window, *mimeOf({QStringLiteral("bad.rvc")})));
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().at(0).text,
                 QStringLiteral("Changes not saved yet. Save first?"));
        QCOMPARE(MessageBox::history().at(1).text, QStringLiteral("Cannot open file."));
        QVERIFY(window.fileCommands().hasUnsavedChanges());
        QCOMPARE(fx.setting(QStringLiteral("LastFile")), QStringLiteral("Default.rvc"));

        MessageBox::setNextAnswer(QMessageBox::No);
        QVERIFY(drop(window, *mimeOf({QStringLiteral("dropped.rvc")})));
        QCOMPARE(MessageBox::history().size(), 3);
        QCOMPARE(recordOf(window.setup()), regression("01.saved.rvc"));
        QVERIFY(window.windowTitle().contains(QStringLiteral("...\\dropped.rvc     ")));
        QCOMPARE(fx.setting(QStringLiteral("LastFile")), fx.path(QStringLiteral("dropped.rvc")));
    }

    // What main() does before any window: answer, refuse, or start.
    void theCommandLine() {
        const StartupArguments help = argumentsOf({QStringLiteral("--help")});
        QCOMPARE(help.outcome, StartupArguments::Outcome::Answer);
        QVERIFY(
            help.text.startsWith(QStringLiteral("Usage: rotavionix-control [options] [FILE]\n")));
        QVERIFY(help.text.contains(QStringLiteral("--version")));
        QVERIFY(!help.text.contains(QStringLiteral("platform"))); // Qt's own options stay hidden

        const StartupArguments version = argumentsOf({QStringLiteral("-v")});
        QCOMPARE(version.outcome, StartupArguments::Outcome::Answer);
        QVERIFY(version.text.startsWith(QStringLiteral("rotavionix-control %1.%2.%3\n")
                                            .arg(RV_VERSION_MAJOR)
                                            .arg(RV_VERSION_MINOR)
                                            .arg(RV_VERSION_PATCH)));
        QVERIFY(version.text.contains(QStringLiteral("GPL-3.0-or-later")));

        for (const QStringList& wrong :
             {QStringList{QStringLiteral("--frobnicate")},
              QStringList{QStringLiteral("a.rvc"), QStringLiteral("b.rvc")}, QStringList{QString()},
              QStringList{QStringLiteral("-platform")}}) {
            const StartupArguments refused = argumentsOf(wrong);
            QCOMPARE(refused.outcome, StartupArguments::Outcome::Refuse);
            QVERIFY2(refused.text.startsWith(QStringLiteral("rotavionix-control: ")),
                     qPrintable(refused.text));
        }

        // Qt's options (with their values) are Qt's; what is left is the file.
        const StartupArguments start = argumentsOf(
            {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("/m/a.rvc")});
        QCOMPARE(start.outcome, StartupArguments::Outcome::Start);
        QCOMPARE(start.fileToOpen, QDir::toNativeSeparators(QStringLiteral("/m/a.rvc")));
        QVERIFY(argumentsOf({}).fileToOpen.isEmpty());
    }
};

RV_TEST_MAIN(TestFileArguments)
#include "test_file_arguments.moc"
