// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/data_Files.h"
#include "support/window_Fixture.h"

#include "core/format/ParameterRecord.h"
#include "core/link/SerialLink.h"
#include "support/test_main.h"
#include "ui/document/FileCommands.h"
#include "ui/pages/general/GeneralPage.h"
#include "ui/texts/Dialogs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>

#include <unistd.h>

using namespace rv;
using rv::test::neutralRecord;

// Everything a forum, a full disk or a hand-edited settings file can throw at
// the program: each ends with a clear message or a safe default, never with a
// crash, a hang or a damaged file.
class TestRobustness : public QObject {
    Q_OBJECT

    static MainWindow& startWith(WindowFixture& fx, const QByteArray& file) {
        fx.writeFile(QStringLiteral("start.rvc"), file);
        fx.writeSettings(QStringLiteral("1"), QStringLiteral("start.rvc"), QStringLiteral("1"));
        return fx.start();
    }

private Q_SLOTS:
    // Bad parameter files.
    void emptyShortAndLongFilesLoad() {
        for (const QByteArray& file :
             {QByteArray(), neutralRecord().left(100), neutralRecord().left(600),
              neutralRecord() + QByteArray(500, 'x')}) {
            WindowFixture fx;
            MainWindow& window = startWith(fx, file);
            QVERIFY(MessageBox::history().isEmpty());
            // Saving writes exactly one record, replacing a longer file whole.
            FileDialogs::setNextFileName(fx.path(QStringLiteral("start.rvc")));
            QVERIFY(window.fileCommands().saveFile());
            QCOMPARE(fx.readFile(QStringLiteral("start.rvc")).size(), RecordSize);
        }
    }

    // A "LastFile" that is a folder or a pipe: the window still opens, with the
    // message, the path and the reason on lines of their own, in the pilot's language.
    void aDirectoryAPipeOrAnUnreadableFileIsReported() {
        WindowFixture fx;
        QDir(fx.dir()).mkdir(QStringLiteral("folder.rvc"));
        fx.writeSettings(QStringLiteral("1"), fx.path(QStringLiteral("folder.rvc")),
                         QStringLiteral("1"));
        fx.start();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text, QStringLiteral("Cannot open file."));
        QCOMPARE(MessageBox::history().first().detail,
                 fx.path(QStringLiteral("folder.rvc")) +
                     QStringLiteral("\nThis is a folder, not a file."));
        fx.stop();

        MessageBox::clearHistory();
        const QString pipe = fx.path(QStringLiteral("pipe.rvc"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        fx.writeSettings(QStringLiteral("1"), pipe, QStringLiteral("0"));
        // Frees a start-up that waits for a writer, so that the test fails instead
        // of hanging: opening the pipe to write succeeds only while something
        // holds it open to read, which a start-up that refuses it never does.
        std::atomic<bool> started{false};
        std::atomic<bool> startUpHeldThePipe{false};
        std::thread writer([&pipe, &started, &startUpHeldThePipe] {
            for (int waited = 0; waited < 3000 && !started; waited += 50) {
                QThread::msleep(50);
            }
            const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                startUpHeldThePipe = !started;
                ::close(fd);
            }
        });
        fx.start();
        started = true;
        writer.join();
        QVERIFY(!startUpHeldThePipe);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text,
                 QStringLiteral("Datei konnte nicht geöffnet werden."));
        QCOMPARE(
            MessageBox::history().first().detail,
            pipe + QStringLiteral("\nDas ist ein Gerät, eine Pipe oder ein Socket, keine Datei."));
        fx.stop();

        if (geteuid() == 0) {
            return; // root reads any file
        }
        MessageBox::clearHistory();
        fx.writeFile(QStringLiteral("secret.rvc"), neutralRecord());
        QFile::setPermissions(fx.path(QStringLiteral("secret.rvc")), QFileDevice::WriteOwner);
        fx.writeSettings(QStringLiteral("1"), fx.path(QStringLiteral("secret.rvc")),
                         QStringLiteral("1"));
        fx.start();
        QCOMPARE(MessageBox::history().size(), 1);
    }

    // Every byte of the image at its extremes: a message and the setup left as
    // it was where an option is missing, otherwise a limited value, and the
    // window stays usable.
    void everyImageByteAtItsExtremes() {
        WindowFixture fx;
        MainWindow& window = startWith(fx, neutralRecord());
        const QList<int> optionBytes{29, 31, 32, 40, 41, 42, 48, 50,
                                     51, 52, 53, 54, 55, 56, 57, 58};
        for (int index = 0; index < 71; ++index) {
            for (int value : {0, 1, 3, 127, 128, 200, 255}) {
                QByteArray file = neutralRecord();
                file[index] = char(value);
                fx.writeFile(QStringLiteral("x.rvc"), file);
                collectImage(window.setup());
                const ParameterImage before = window.setup().image;
                MessageBox::clearHistory();
                FileDialogs::setNextFileName(fx.path(QStringLiteral("x.rvc")));
                MessageBox::setNextAnswer(QMessageBox::No); // "Save first?" after a limited value
                window.fileCommands().openFile();
                const bool reported = std::any_of(
                    MessageBox::history().begin(), MessageBox::history().end(),
                    [](const MessageBox::Shown& shown) {
                        return shown.text.startsWith(QStringLiteral("Cannot open file."));
                    });
                const QString where = QStringLiteral("index %1 value %2").arg(index).arg(value);
                if (!optionBytes.contains(index)) {
                    QVERIFY2(!reported, qPrintable(where));
                }
                collectImage(window.setup()); // never fails
                if (reported) {               // refused as a whole: nothing of the file got in
                    QVERIFY2(window.setup().image == before, qPrintable(where));
                }
            }
        }
    }

    void wildCurvePointsAreCarriedAndDrawn() {
        QByteArray file = neutralRecord();
        for (int offset : {71, 93, 115, 137, 159, 181, 203, 482, 504, 526, 548}) {
            for (int p = 0; p < 11; ++p) {
                const int value = (p % 3 == 0) ? -32768 : (p % 3 == 1) ? 32767 : -1;
                file[offset + 2 * p] = char(value & 0xFF);
                file[offset + 2 * p + 1] = char((value >> 8) & 0xFF);
            }
        }
        WindowFixture fx;
        MainWindow& window = startWith(fx, file);
        window.resize(900, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int curve = 0; curve < 6; ++curve) {
            window.findChild<QAbstractButton*>(QStringLiteral("Kurvenauswahl_%1").arg(curve))
                ->click();
            window.grab(); // paints without trouble
        }
        FileDialogs::setNextFileName(fx.path(QStringLiteral("out.rvc")));
        QVERIFY(window.fileCommands().saveFile());
        const QByteArray saved = fx.readFile(QStringLiteral("out.rvc"));
        // The curves come back as they were, but for the held point 0 of the
        // hover throttle curve, which showing that curve sets to 0.
        file[137] = file[138] = 0;
        QCOMPARE(saved.mid(93, 132), file.mid(93, 132));
        QCOMPARE(saved.mid(482, 88), file.mid(482, 88));
    }

    // Bad settings.
    void settingsThatCannotBeUsed_data() {
        QTest::addColumn<QString>("comPort");
        QTest::addColumn<QString>("lastFile");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("asked");
        const QString tooLong(3000, QLatin1Char('7'));
        QTest::newRow("language missing") << "2"
                                          << "start.rvc"
                                          << "" << 2 << true;
        QTest::newRow("language garbage") << "2"
                                          << "start.rvc"
                                          << "english" << 2 << true;
        QTest::newRow("language too long") << "2"
                                           << "start.rvc" << tooLong << 2 << true;
        QTest::newRow("port garbage") << "COM3"
                                      << "start.rvc"
                                      << "1" << 1 << false;
        // An unreadable "ComPort" is a first run: defaults are written and the language asked.
        QTest::newRow("port too long") << tooLong << "start.rvc"
                                       << "1" << 1 << true;
        QTest::newRow("port 99") << "99"
                                 << "start.rvc"
                                 << "1" << 1 << false;
        QTest::newRow("last file too long") << "3" << tooLong << "1" << 3 << false;
    }
    void settingsThatCannotBeUsed() {
        QFETCH(QString, comPort);
        QFETCH(QString, lastFile);
        QFETCH(QString, language);
        WindowFixture fx;
        fx.writeFile(QStringLiteral("start.rvc"), neutralRecord());
        fx.writeSettings(comPort, lastFile, language);
        InputPrompt::setNextAnswer(QStringLiteral("2"));
        MainWindow& window = fx.start();
        QTEST(window.serialPort().portNumber(), "port");
        QTEST(!InputPrompt::history().isEmpty(), "asked");
        QCOMPARE(window.language(), 1);
        if (lastFile.size() > 2047) {
            QVERIFY(MessageBox::history().first().detail.startsWith(QStringLiteral("Not Found\n")));
        }
    }

    void anUnwritableSettingsFileIsIgnored() {
        WindowFixture fx;
        fx.writeFile(QStringLiteral("Default.rvc"), neutralRecord());
        QDir(fx.dir()).mkpath(QStringLiteral(
            "config/VORANE/Rotavionix Control.ini")); // a folder where the file belongs
        InputPrompt::setNextAnswer(QStringLiteral("3"));
        MainWindow& window = fx.start();
        QCOMPARE(window.language(), 2);
        QCOMPARE(window.serialPort().portNumber(), 1);
        QCOMPARE(window.setup().currentFileName, QStringLiteral("Not Found"));
        // "Not Found" is no name to save under.
        FileDialogs::setNextFileName({});
        window.fileCommands().saveFile();
        QCOMPARE(FileDialogs::history().last().proposedName,
                 fx.path(QStringLiteral("Default.rvc")));
    }
};

RV_TEST_MAIN(TestRobustness)
#include "test_robustness.moc"
