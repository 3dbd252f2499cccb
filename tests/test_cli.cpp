// SPDX-License-Identifier: GPL-3.0-or-later
// rotavionix-cli as installed: exit statuses, the text commands, and send,
// whose bytes are checked against the core's transfer into a pseudo-terminal.
#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/format/SetupText.h"
#include "core/history/TransferHistory.h"
#include "core/link/BlockSender.h"
#include "core/link/SerialLink.h"
#include "core/link/TransferProtocol.h"
#include "support/data_Files.h"
#include "support/link_PseudoTerminal.h"
#include "support/setup_RandomRecords.h"
#include "support/test_main.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

using namespace rv;
using rv::test::fileBytes;
using rv::test::PseudoTerminal;

namespace {
struct Result {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

const QByteArray PauseLine = "\n# pause 100 ms\n";

// The setup the window holds after opening the record, and its stream.
QByteArray windowStream(const QByteArray& record, bool withChannels) {
    return transferStream(std::get<Setup>(applyRecord(Setup{}, record)), withChannels);
}

// What the core's sender puts on a real line for the record: the window's transfer.
QByteArray coreTransferIntoPty(const QByteArray& record, bool withChannels) {
    PseudoTerminal pty;
    const Setup setup = std::get<Setup>(applyRecord(Setup{}, record));
    SerialLink link;
    link.setDeviceName(pty.slavePath());
    if (!link.open()) {
        return {};
    }
    const auto plan = TransferProtocol::transferPlan(withChannels);
    BlockSender sender(link);
    QEventLoop loop;
    QObject::connect(&sender, &BlockSender::finished, &loop, &QEventLoop::quit);
    sender.start(
        static_cast<int>(plan.size()),
        [&](int block) {
            return TransferProtocol::blockText(plan.at(block), collectedImage(setup), setup.curves);
        },
        TransferProtocol::BlockPauseMs);
    loop.exec();
    link.close();
    const QByteArray expected = transferStream(setup, withChannels);
    pty.waitForBytes(static_cast<int>(expected.size()), 2000);
    return pty.received();
}
} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;
    QTemporaryDir work_;
    QTemporaryDir data_; // the user's data folder, where the transfer history lives
    rv::test::TemporarySettings settings_;
    QString tool_;

    // locale: the LANG the tool runs under (LC_ALL and LC_MESSAGES unset), or
    // empty for the tests' own environment.
    Result run(const QStringList& arguments, const QString& locale = QString()) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!locale.isEmpty()) {
            environment.remove(QStringLiteral("LC_ALL"));
            environment.remove(QStringLiteral("LC_MESSAGES"));
            environment.insert(QStringLiteral("LANG"), locale);
        }
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings_.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data_.path());
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(work_.path());
        process.start(tool_, arguments);
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(work_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(name));
        }
        return file.fileName();
    }
    // A failure: status 2, nothing on standard output, one line on standard
    // error that names `what`.
    static bool failedNaming(const Result& result, const QString& what) {
        return result.status == 2 && result.out.isEmpty() && result.err.count('\n') == 1 &&
               result.err.endsWith('\n') && QString::fromLocal8Bit(result.err).contains(what);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(prefix_.isValid() && work_.isValid() && data_.isValid() && settings_.isValid());
        QProcess install;
        install.start(QStringLiteral("cmake"),
                      {QStringLiteral("--install"), QStringLiteral(RV_BINARY_DIR),
                       QStringLiteral("--component"), QStringLiteral("cli"),
                       QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY(install.waitForFinished(60000));
        QCOMPARE(install.exitCode(), 0);
        tool_ = prefix_.filePath(QStringLiteral("bin/rotavionix-cli"));
        QVERIFY(QFileInfo(tool_).isExecutable());
    }

    void versionHelpAndWrongUse() {
        const Result version = run({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("rotavionix-cli 4."));
        const Result help = run({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("send FILE --dry-run"));
        QVERIFY(failedNaming(run({QStringLiteral("send"), QStringLiteral("x.rvc")}),
                             QStringLiteral("send")));
    }

    // diff: 0 for equal files, 1 and the differing keys for others, 2 for a
    // file that cannot be read or that the window refuses.
    void diffExitStatuses() {
        const QByteArray record = fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
        const QString a = write(QStringLiteral("a.rvc"), record);
        QByteArray changed = record;
        changed[34] = static_cast<char>(160);
        const QString b = write(QStringLiteral("b.rvc"), changed);
        const Result same = run({QStringLiteral("diff"), a, a});
        QCOMPARE(same.status, 0);
        QVERIFY(same.out.isEmpty());
        const Result different = run({QStringLiteral("diff"), a, b});
        QCOMPARE(different.status, 1);
        QCOMPARE(different.out, QByteArray("tail_gain: 50 % -> 63 %\n"));
        // Curves by the window's numbers: a roll curve's middle point moved up one step.
        QByteArray curve = record;
        curve[RecordOffset::SecondCurves + 2 * (CurvePoints + 5)] = 101;
        const Result curveDiff =
            run({QStringLiteral("diff"), a, write(QStringLiteral("c.rvc"), curve)});
        QCOMPARE(curveDiff.out,
                 QByteArray("curve_hover_5_roll: -125 -100 -75 -50 -25 0 25 50 75 "
                            "100 125 -> -125 -100 -75 -50 -25 1 25 50 75 100 125\n"));

        changed[40] = 7; // a heli type no option stands for
        const QString refused = write(QStringLiteral("refused.rvc"), changed);
        const Result refusal = run({QStringLiteral("diff"), a, refused});
        QVERIFY2(failedNaming(refusal, refused), refusal.err.constData());
        QVERIFY(refusal.err.contains("Byte 40"));
        QVERIFY(failedNaming(run({QStringLiteral("show"), work_.filePath(QStringLiteral("none"))}),
                             work_.filePath(QStringLiteral("none"))));
    }

    // Its messages speak the user's language; what it writes as data stays English.
    void speaksTheLanguageOfTheLocale() {
        const QString missing = work_.filePath(QStringLiteral("missing.rvc"));
        const std::pair<const char*, const char*> expected[] = {
            {"de_DE.UTF-8", "Datei oder Verzeichnis nicht gefunden"},
            {"fr_FR.UTF-8", "Aucun fichier ou dossier de ce type"},
            {"en_GB.UTF-8", "No such file or directory"},
            {"nl_NL.UTF-8", "No such file or directory"}};
        for (const auto& [locale, reason] : expected) {
            const Result result = run({QStringLiteral("show"), missing}, QLatin1String(locale));
            QVERIFY2(failedNaming(result, missing), result.err.constData());
            QVERIFY2(QString::fromUtf8(result.err).contains(QString::fromUtf8(reason)),
                     result.err.constData());
        }
        const Result help = run({QStringLiteral("--help")}, QStringLiteral("fr_FR.UTF-8"));
        QVERIFY(help.out.contains("Commandes :\n  show FILE "));
        QVERIFY(help.out.contains("\"# pause 100 ms\""));
        // Qt's own French lacks its help option's text; the tool's own has it.
        QVERIFY(help.out.contains("Afficher cette aide et quitter."));
        const Result german = run({QStringLiteral("--help")}, QStringLiteral("de_DE.UTF-8"));
        QVERIFY(german.out.contains("Befehle:\n  show FILE "));
        QVERIFY2(german.out.contains("Diese Hilfe zeigen und beenden.") &&
                     german.out.contains("Version und Lizenz zeigen und beenden."),
                 german.out.constData());

        // A send refused for its values, in the plural form of its count.
        QByteArray outside = fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
        outside[RecordOffset::FirstCurves + 2 * 5] = static_cast<char>(250);
        const QString one = write(QStringLiteral("one-outside.rvc"), outside);
        outside[RecordOffset::FirstCurves + 2 * 6] = static_cast<char>(250);
        const QString two = write(QStringLiteral("two-outside.rvc"), outside);
        const std::tuple<QString, const char*, const char*> refusals[] = {
            {one, "de_DE.UTF-8", ": 1 Wert liegt außerhalb dessen, was die Rotavionix erwartet"},
            {two, "de_DE.UTF-8", ": 2 Werte liegen außerhalb dessen, was die Rotavionix erwartet"},
            {two, "fr_FR.UTF-8", ": 2 valeurs sont hors de ce qu'attend le Rotavionix ;"},
            {two, "en_GB.UTF-8", ": 2 values lie outside what the Rotavionix expects;"}};
        for (const auto& [file, locale, reason] : refusals) {
            const Result result = run(
                {QStringLiteral("send"), file, QStringLiteral("--port"), QStringLiteral("Com1")},
                QLatin1String(locale));
            QVERIFY2(failedNaming(result, file + QString::fromUtf8(reason)),
                     result.err.constData());
        }
        const Result wrong = run({QStringLiteral("store")}, QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(wrong.status, 2);
        QCOMPARE(QString::fromUtf8(wrong.err),
                 QString::fromUtf8("rotavionix-cli: falsche Verwendung von „store“ (siehe "
                                   "rotavionix-cli --help)\n"));
        const QString file = write(QStringLiteral("speaking.rvc"), encodeRecord(neutralSetup()));
        QCOMPARE(run({QStringLiteral("show"), file}, QStringLiteral("de_DE.UTF-8")).out,
                 setupText(encodeRecord(neutralSetup())));
    }

    // to-text and from-text give back the file; a bad text or an output in
    // the place of a pipe changes nothing.
    void textCommandsKeepEveryByte() {
        RandomRecords random(2024);
        QByteArray record;
        do {
            record = random.next();
        } while (std::holds_alternative<Refusal>(applyRecord(Setup{}, record)) ||
                 record.size() != RecordSize);
        const QString source = write(QStringLiteral("random.rvc"), record);
        const QString text = work_.filePath(QStringLiteral("random.txt"));
        QCOMPARE(run({QStringLiteral("to-text"), source, QStringLiteral("-o"), text}).status, 0);
        QCOMPARE(fileBytes(text), setupText(record));
        QCOMPARE(run({QStringLiteral("show"), source}).out, setupText(record));
        const QString back = work_.filePath(QStringLiteral("back.rvc"));
        QCOMPARE(run({QStringLiteral("from-text"), text, QStringLiteral("-o"), back}).status, 0);
        QCOMPARE(fileBytes(back), record);

        QByteArray bad = setupText(record);
        bad.replace("\ntail_gain ", "\ntail_gian ");
        const QString badText = write(QStringLiteral("bad.txt"), bad);
        const Result refused =
            run({QStringLiteral("from-text"), badText, QStringLiteral("-o"), back});
        QVERIFY2(failedNaming(refused, badText), refused.err.constData());
        QVERIFY(refused.err.contains("unknown key \"tail_gian\""));
        QCOMPARE(fileBytes(back), record);

        const QString fifo = work_.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(failedNaming(run({QStringLiteral("to-text"), source, QStringLiteral("-o"), fifo}),
                             fifo));
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    }

    // An output that is the input, by its name, through a link or a second
    // name of the same inode, is refused and the input left as it was.
    void outputThatIsTheInputIsRefused() {
        const QByteArray record = fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
        const QString file = write(QStringLiteral("Trex.rvc"), record);
        const QString link = work_.filePath(QStringLiteral("link.rvc"));
        const QString second = work_.filePath(QStringLiteral("second-name.rvc"));
        QVERIFY(QFile::link(file, link));
        QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(second).constData()),
                 0);
        for (const QString& output : {file, link, second, QStringLiteral("./Trex.rvc")}) {
            const Result result =
                run({QStringLiteral("to-text"), file, QStringLiteral("-o"), output});
            QVERIFY2(failedNaming(result, output), result.err.constData());
            QCOMPARE(fileBytes(file), record);
        }
        const QByteArray text = setupText(record);
        const QString textFile = write(QStringLiteral("Trex.txt"), text);
        const Result fromText =
            run({QStringLiteral("from-text"), textFile, QStringLiteral("-o"), textFile});
        QVERIFY2(failedNaming(fromText, textFile), fromText.err.constData());
        QCOMPARE(fileBytes(textFile), text);
    }

    // A file the window refuses can still be looked at: its text, the odd
    // byte as "(byte N)", then exit status 2 and the reason. Its text is
    // refused by from-text as the file is by Open.
    void refusedFileIsShownAndRefused() {
        QByteArray record = fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
        record[40] = 2; // a heli type no option stands for
        const QString file = write(QStringLiteral("forum.rvc"), record);
        const Result shown = run({QStringLiteral("show"), file});
        QCOMPARE(shown.status, 2);
        QCOMPARE(shown.out, setupText(record));
        QVERIFY(shown.out.contains("\nheli_type                  = (byte 2)\n"));
        QCOMPARE(shown.err.count('\n'), 1);
        QVERIFY(shown.err.contains("Byte 40"));

        const QString text = work_.filePath(QStringLiteral("forum.txt"));
        const Result toText = run({QStringLiteral("to-text"), file, QStringLiteral("-o"), text});
        QCOMPARE(toText.status, 2);
        QCOMPARE(fileBytes(text), setupText(record));
        const QString back = work_.filePath(QStringLiteral("forum-back.rvc"));
        QVERIFY(failedNaming(run({QStringLiteral("from-text"), text, QStringLiteral("-o"), back}),
                             text));
        QVERIFY(!QFileInfo::exists(back));
    }

    // The dry run is the window's stream, a pause line after each block: for
    // the regression records and random ones, with and without the channel table.
    void dryRunIsTheWindowStream() {
        QList<QByteArray> records;
        const QDir regression(QStringLiteral(RV_SOURCE_DIR "/tests/data/regression"));
        for (const QString& name :
             regression.entryList({QStringLiteral("[0-9][0-9].rvc")}, QDir::Files)) {
            records << fileBytes(regression.filePath(name));
        }
        RandomRecords random(77);
        for (int i = 0; i < 12; ++i) {
            records << random.next();
        }
        int compared = 0;
        for (const QByteArray& record : records) {
            if (std::holds_alternative<Refusal>(applyRecord(Setup{}, record))) {
                continue;
            }
            const QString file = write(QStringLiteral("dry.rvc"), record);
            for (bool withChannels : {true, false}) {
                QStringList arguments{QStringLiteral("send"), file, QStringLiteral("--dry-run")};
                if (!withChannels) {
                    arguments << QStringLiteral("--without-channels");
                }
                Result result = run(arguments);
                QCOMPARE(result.status, 0);
                QCOMPARE(result.out.count(PauseLine),
                         TransferProtocol::transferPlan(withChannels).size());
                QVERIFY(result.out.endsWith(PauseLine));
                QCOMPARE(result.out.replace(PauseLine, ""), windowStream(record, withChannels));
            }
            ++compared;
        }
        QVERIFY(compared > 30);
        // The core's transfer into a real line sends those same bytes.
        const QByteArray record = records.at(3);
        QCOMPARE(coreTransferIntoPty(record, true), windowStream(record, true));
    }

    // send into a pseudo-terminal, named as a device and as Com3 of the
    // settings: the window's stream with a full pause after every block.
    void sendPutsTheStreamOnTheLine() {
        const QByteArray record = fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
        const QString file = write(QStringLiteral("send.rvc"), record);
        // The tool writes into the window's transfer history only where it exists.
        const QDir history(data_.filePath(QStringLiteral("VORANE/Rotavionix Control/sent")));
        for (const bool byComName : {false, true}) {
            if (byComName) {
                QVERIFY(!history.exists());
                QVERIFY(history.mkpath(QStringLiteral(".")));
            }
            PseudoTerminal pty;
            QVERIFY(pty.isValid());
            QString port = pty.slavePath();
            if (byComName) {
                rv::test::namePortDevice(3, pty.slavePath());
                port = QStringLiteral("com3");
            }
            const Result result = run({QStringLiteral("send"), file, QStringLiteral("--port"), port,
                                       QStringLiteral("--without-channels")});
            QCOMPARE(result.status, 0);
            QVERIFY(result.out.isEmpty());
            QVERIFY(result.err.contains("All data sent to the Rotavionix."));
            const QByteArray expected = windowStream(record, false);
            QVERIFY(pty.waitForBytes(static_cast<int>(expected.size()), 2000));
            QCOMPARE(pty.received(), expected);
            const QList<double> pauses = pty.pausesAfter('E');
            QCOMPARE(pauses.size(), TransferProtocol::transferPlan(false).size() - 1);
            for (double pause : pauses) {
                QVERIFY2(pause >= 100.0, qPrintable(QString::number(pause)));
            }
        }
        const QStringList entries = history.entryList({QStringLiteral("*.rvc")}, QDir::Files);
        QCOMPARE(entries.size(), 1);
        QVERIFY(entries.first().endsWith(QStringLiteral(" send.rvc")));
        QCOMPARE(fileBytes(history.filePath(entries.first())),
                 recordOf(std::get<Setup>(applyRecord(Setup{}, record))));
        PseudoTerminal pty;
        QCOMPARE(run({QStringLiteral("store"), QStringLiteral("--port"), pty.slavePath()}).status,
                 0);
        QVERIFY(pty.waitForBytes(2, 2000));
        QCOMPARE(pty.received(), QByteArray("FE"));
        // The store, a command of its own, is noted beside that send as a
        // store from the window is.
        const TransferHistoryListing listing = TransferHistory(history.path()).list();
        QCOMPARE(listing.entries.size(), 1);
        QCOMPARE(listing.entries.first().stores.size(), 1);
    }

    // A port that is not there, and a file with values the unit does not
    // expect: nothing is sent, one line says why.
    void nothingIsSentWhenSomethingIsWrong() {
        const QByteArray record = fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
        const QString file = write(QStringLiteral("send.rvc"), record);
        const QString missing = QStringLiteral("/dev/rotavionix-not-there");
        QVERIFY(failedNaming(run({QStringLiteral("send"), file, QStringLiteral("--port"), missing}),
                             missing));
        QVERIFY(failedNaming(
            run({QStringLiteral("store"), QStringLiteral("--port"), QStringLiteral("Com16")}),
            QStringLiteral("Com16")));

        QByteArray outside = record;
        outside[RecordOffset::FirstCurves + 2 * 5] = static_cast<char>(250); // a point of 250
        const QString outsideFile = write(QStringLiteral("outside.rvc"), outside);
        PseudoTerminal pty;
        QVERIFY(failedNaming(
            run({QStringLiteral("send"), outsideFile, QStringLiteral("--port"), pty.slavePath()}),
            outsideFile));
        QTest::qWait(50);
        QVERIFY(pty.received().isEmpty());
    }
};

RV_TEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
