// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/WindowCaption.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StartupSettings.h"
#include "support/test_main.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace rv;

class TestStartupSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString iniPath() const {
        return dir.path() + QStringLiteral("/VORANE/Rotavionix Control.ini");
    }
    void writeIni(const QByteArray& content) {
        QDir().mkpath(dir.path() + QStringLiteral("/VORANE"));
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private Q_SLOTS:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        QFile::remove(iniPath());
    }

    void firstRunWritesTheDefaultsAndAsksForTheLanguage() {
        const StartupSettings settings = readStartupSettings();
        QCOMPARE(settings.portNumber, 1);
        QCOMPARE(settings.lastFile, QStringLiteral("Default.rvc"));
        QCOMPARE(settings.language, 100);
        QCOMPARE(SettingsStore::read(QStringLiteral("ComPort")), QStringLiteral("1"));
        QCOMPARE(SettingsStore::read(QStringLiteral("LastFile")), QStringLiteral("Default.rvc"));
        QCOMPARE(SettingsStore::read(QStringLiteral("Language")), QStringLiteral("100"));
    }

    void storedValuesAreTakenAsTheyAre() {
        writeIni("[Startup]\nComPort=3\nLastFile=/home/pilot/Heli.rvc\nLanguage=2\n");
        const StartupSettings settings = readStartupSettings();
        QCOMPARE(settings.portNumber, 3);
        QCOMPARE(settings.lastFile, QStringLiteral("/home/pilot/Heli.rvc"));
        QCOMPARE(settings.language, 2);
    }

    void badValuesFallBackToSafeChoices_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("lastFile");
        QTest::addColumn<int>("language");
        QTest::newRow("language missing")
            << QByteArray("ComPort=2\nLastFile=a.rvc\n") << 2 << "a.rvc" << 100;
        QTest::newRow("language garbage")
            << QByteArray("ComPort=2\nLastFile=a.rvc\nLanguage=xy\n") << 2 << "a.rvc" << 100;
        QTest::newRow("language out of range")
            << QByteArray("ComPort=2\nLastFile=a\nLanguage=7\n") << 2 << "a" << 100;
        QTest::newRow("port garbage")
            << QByteArray("ComPort=COM4\nLastFile=a\nLanguage=1\n") << 1 << "a" << 1;
        QTest::newRow("port 0") << QByteArray("ComPort=0\nLastFile=a\nLanguage=1\n") << 1 << "a"
                                << 1;
        QTest::newRow("port 17") << QByteArray("ComPort=17\nLastFile=a\nLanguage=0\n") << 1 << "a"
                                 << 0;
        QTest::newRow("last file missing")
            << QByteArray("ComPort=16\nLanguage=0\n") << 16 << "Not Found" << 0;
    }
    void badValuesFallBackToSafeChoices() {
        QFETCH(QByteArray, ini);
        writeIni("[Startup]\n" + ini);
        const StartupSettings settings = readStartupSettings();
        QTEST(settings.portNumber, "port");
        QTEST(settings.lastFile, "lastFile");
        QTEST(settings.language, "language");
        // Only a missing "ComPort" makes a first run: nothing was rewritten.
        QVERIFY(SettingsStore::read(QStringLiteral("ComPort")) != QStringLiteral("1") ||
                ini.startsWith("ComPort=1"));
    }

    void languageAnswers() {
        const bool firstStart = false;
        const bool menu = true;
        for (bool from : {firstStart, menu}) {
            QCOMPARE(languageFromAnswer(QStringLiteral("1"), from), std::optional<int>(0));
            QCOMPARE(languageFromAnswer(QStringLiteral("2"), from), std::optional<int>(1));
            QCOMPARE(languageFromAnswer(QStringLiteral(" 3 "), from), std::optional<int>(2));
            QCOMPARE(languageFromAnswer(QStringLiteral("4"), from), std::nullopt);
            QCOMPARE(languageFromAnswer(QStringLiteral("0"), from), std::nullopt);
            QCOMPARE(languageFromAnswer(QStringLiteral("abc"), from), std::nullopt);
            QCOMPARE(languageFromAnswer(QStringLiteral("257"), from), std::nullopt);
            QCOMPARE(languageFromAnswer(QStringLiteral("03"), from), std::optional<int>(2));
            QCOMPARE(languageFromAnswer(QStringLiteral("+2"), from), std::optional<int>(1));
            QCOMPARE(languageFromAnswer(QStringLiteral("2x"), from), std::nullopt);
            QCOMPARE(languageFromAnswer(QStringLiteral("-1"), from), std::nullopt);
        }
        // A first start needs a language; from the menu a cancel changes nothing.
        QCOMPARE(languageFromAnswer(std::nullopt, firstStart), std::optional<int>(0));
        QCOMPARE(languageFromAnswer(QStringLiteral(" "), firstStart), std::optional<int>(0));
        QCOMPARE(languageFromAnswer(std::nullopt, menu), std::nullopt);
        QCOMPARE(languageFromAnswer(QString(), menu), std::nullopt);
    }

    void captionFollowsTheRule() {
        QCOMPARE(windowCaption(QStringLiteral("Rotavionix Control "), QStringLiteral("Version:"),
                               QStringLiteral("Default.rvc")),
                 QStringLiteral("Rotavionix Control    ...\\Default.rvc     Version:  4. 0. 0"));
        QCOMPARE(windowCaption(QStringLiteral("Rotavionix Control"), QStringLiteral("Version:"),
                               QStringLiteral("/home/pilot/models/Heli.rvc")),
                 QStringLiteral("Rotavionix Control   ...\\Heli.rvc     Version:  4. 0. 0"));
        QCOMPARE(fileNamePart(QStringLiteral("/home/pilot/models/")), QString());
        QCOMPARE(fileNamePart(QStringLiteral("Heli.rvc")), QStringLiteral("Heli.rvc"));
#ifdef Q_OS_WIN
        QCOMPARE(fileNamePart(QStringLiteral("C:\\Heli\\Heli.rvc")), QStringLiteral("Heli.rvc"));
        QCOMPARE(fileNamePart(QStringLiteral("C:\\Heli\\")), QString());
#else
        // A backslash is an ordinary character of a file name here.
        QCOMPARE(fileNamePart(QStringLiteral("/tmp/a\\b.rvc")), QStringLiteral("a\\b.rvc"));
#endif
    }
};

RV_TEST_MAIN(TestStartupSettings)
#include "test_startup_settings.moc"
