// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsStore.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace rv;
using namespace rv::SettingsStore;

// Each test gets its own INI location, so no test sees another's values and
// nothing touches the real user configuration.
class TestSettingsStore : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    QString iniPath() const { return dir->filePath("VORANE/Rotavionix Control.ini"); }
    QByteArray iniText() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void setIniText(const QByteArray& text) {
        QVERIFY(QDir().mkpath(dir->filePath("VORANE")));
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

private Q_SLOTS:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir->path());
    }

    void emptyStoreReadsNotFound() {
        QCOMPARE(read("ComPort"), QStringLiteral("Not Found"));
        QCOMPARE(read("RecentFiles", "File1"), notFound());
        QVERIFY(!QFile::exists(iniPath())); // reading creates nothing
    }

    void firstRunDefaultsAreTextInGroupStartup() {
        write("ComPort", "1");
        write("LastFile", "Default.rvc");
        write("Language", "100");
        QCOMPARE(iniText(),
                 QByteArray("[Startup]\nComPort=1\nLanguage=100\nLastFile=Default.rvc\n"));
        QCOMPARE(read("ComPort"), QStringLiteral("1"));
        QCOMPARE(read("LastFile"), QStringLiteral("Default.rvc"));
        QCOMPARE(read("Language"), QStringLiteral("100"));
    }

    void laterWritesReplaceAndAreVisibleAtOnce() {
        write("ComPort", "1");
        write("ComPort", QStringLiteral("7"));
        QCOMPARE(iniText(), QByteArray("[Startup]\nComPort=7\n"));
        write("Language", "100");
        write("Language", "2");
        QCOMPARE(read("Language"), QStringLiteral("2"));
        // Another QSettings object (another copy of the program) sees it too.
        QCOMPARE(open()->value("Startup/Language").toString(), QStringLiteral("2"));
    }

    void storingTheStoredValueAgainLeavesTheFileAlone() {
        // A rewrite drops the comment line, so it shows whether the file was written.
        const QByteArray text("; hand-written\n[Startup]\nComPort=1\nLanguage=2\n");
        setIniText(text);
        write("ComPort", "1");
        write("Startup", "Language", "2");
        QCOMPARE(iniText(), text);
        write("ComPort", "3");
        QCOMPARE(iniText(), QByteArray("[Startup]\nComPort=3\nLanguage=2\n"));
    }

    void handEditedFileIsRead() {
        setIniText("[Startup]\nComPort=12\nLastFile=/home/pilot/T-Rex "
                   "\\xe4.rvc\n[Ports]\nCom1= /dev/ttyUSB0 \n");
        QCOMPARE(read("ComPort"), QStringLiteral("12"));
        QCOMPARE(read("LastFile"), QStringLiteral("/home/pilot/T-Rex ä.rvc"));
        QCOMPARE(read("Com1"), notFound()); // other groups are not the startup group
        QCOMPARE(pinnedDevice(1), QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(pinnedDevice(2).isEmpty());
    }

    void valuesThatAreNotOnePlainTextReadNotFound() {
        const QString longest(2047, QLatin1Char('x'));
        write("LastFile", longest);
        QCOMPARE(read("LastFile"), longest);
        write("LastFile", longest + "x");
        QCOMPARE(read("LastFile"), notFound());

        setIniText("[Startup]\nComPort=1, 2\nLanguage=@ByteArray(\\x1\\xab)\nLastFile=\n");
        QCOMPARE(read("ComPort"), notFound());
        QCOMPARE(read("Language"), QStringLiteral("01AB")); // binary as upper-case hex
        QCOMPARE(read("LastFile"), QString());              // empty is a value, not a missing one
    }

    // Neither a directory where the file belongs nor a file where its folder
    // belongs may reach the caller: the value is simply not remembered.
    void unwritableStoreIsIgnored() {
        QVERIFY(QDir().mkpath(iniPath()));
        write("ComPort", "5");
        QCOMPARE(read("ComPort"), notFound());
        QVERIFY(QFileInfo(iniPath()).isDir());

        init();
        QFile blocker(dir->filePath("VORANE"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        write("Language", "1");
        QCOMPARE(read("Language"), notFound());
    }

    // The recent files live in a group of their own, newest first, each file
    // once, at most eight; a hand-edited group with gaps and repeats reads clean.
    void recentFilesAreAGroupOfTheirOwn() {
        write("LastFile", "Default.rvc");
        for (int n = 1; n <= 10; ++n) {
            RecentFiles::add(QStringLiteral("/f/%1.rvc").arg(n));
        }
        RecentFiles::add(QStringLiteral("/f/../f/7.rvc"));
        QCOMPARE(RecentFiles::read(),
                 QStringList({"/f/7.rvc", "/f/10.rvc", "/f/9.rvc", "/f/8.rvc", "/f/6.rvc",
                              "/f/5.rvc", "/f/4.rvc", "/f/3.rvc"}));
        RecentFiles::remove(QStringLiteral("/f/9.rvc"));
        QCOMPARE(RecentFiles::read().size(), 7);
        QVERIFY(!RecentFiles::read().contains("/f/9.rvc"));
        QVERIFY(
            iniText().contains("[RecentFiles]\nFile1=/f/7.rvc\nFile2=/f/10.rvc\nFile3=/f/8.rvc"));
        QCOMPARE(read("LastFile"), QStringLiteral("Default.rvc"));

        setIniText("[RecentFiles]\nFile2=/a.rvc\nFile3=/b.rvc\nFile5=/a.rvc\nFile9=/c.rvc\n");
        QCOMPARE(RecentFiles::read(), QStringList({"/a.rvc", "/b.rvc"}));
    }
};

RV_TEST_APPLESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
