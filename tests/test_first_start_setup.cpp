// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/NeutralSetup.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace rv;

namespace {
const QString shippedSource = QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc");

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class TestFirstStartSetup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> scratch;

    QString at(const QString& name) const { return scratch->filePath(name); }

private Q_SLOTS:
    void init() {
        scratch = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch->isValid());
        // Nothing of this machine's data folders or documents may answer.
        qputenv("HOME", at(QStringLiteral("home")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", at(QStringLiteral("home/config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", at(QStringLiteral("home/data")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", at(QStringLiteral("system-data")).toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("VORANE"));
        QCoreApplication::setApplicationName(QStringLiteral("Rotavionix Control"));
    }

    void shippedSetupIsFoundInEveryLayout() {
        const QString shared = QStringLiteral("/share/rotavionix-control/Default.rvc");
        // Nowhere yet.
        QCOMPARE(findShippedNeutralSetup(at(QStringLiteral("prefix/bin"))), QString());

        // From the standard data folders.
        writeFile(at(QStringLiteral("system-data/rotavionix-control/Default.rvc")), "data");
        QCOMPARE(findShippedNeutralSetup(at(QStringLiteral("prefix/bin"))),
                 at(QStringLiteral("system-data/rotavionix-control/Default.rvc")));

        // Beside the program, as in a build tree, before the data folders.
        writeFile(at(QStringLiteral("prefix/bin")) + shared, "build");
        QCOMPARE(findShippedNeutralSetup(at(QStringLiteral("prefix/bin"))),
                 at(QStringLiteral("prefix/bin")) + shared);

        // An installed program's own prefix comes first, whatever the prefix.
        writeFile(at(QStringLiteral("prefix")) + shared, "installed");
        QCOMPARE(contents(findShippedNeutralSetup(at(QStringLiteral("prefix/bin")))),
                 QByteArray("installed"));
    }

    void copyNeverOverwritesAndFallsBack() {
        const QString documents = at(QStringLiteral("home/Documents/Rotavionix Control"));
        const QString appData = at(QStringLiteral("home/data/VORANE/Rotavionix Control"));

        // A file where the folder should be: the next folder takes the copy.
        writeFile(documents, "not a folder");
        const QString fallback = copyNeutralSetupForPilot(shippedSource, {documents, appData});
        QCOMPARE(fallback, appData + QStringLiteral("/Default.rvc"));
        QCOMPARE(contents(fallback), contents(shippedSource));
        QVERIFY(QFile::remove(documents));

        // A read-only shipped file gives a copy the pilot can save over.
        const QString readOnly = at(QStringLiteral("shipped.rvc"));
        QVERIFY(QFile::copy(shippedSource, readOnly));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadOther));
        const QString copy = copyNeutralSetupForPilot(readOnly, {documents, appData});
        QCOMPARE(copy, documents + QStringLiteral("/Default.rvc"));
        QCOMPARE(contents(copy), contents(shippedSource));
        QVERIFY(QFile::permissions(copy) & QFile::WriteOwner);

        // A copy already there is the pilot's: opened as it is, never replaced.
        writeFile(copy, "tuned by the pilot");
        QCOMPARE(copyNeutralSetupForPilot(readOnly, {documents, appData}), copy);
        QCOMPARE(contents(copy), QByteArray("tuned by the pilot"));

        QCOMPARE(copyNeutralSetupForPilot(at(QStringLiteral("missing.rvc")),
                                          {at(QStringLiteral("elsewhere"))}),
                 QString());
    }

    void readOnlyDocumentsFallBackToTheDataFolder() {
        const QString documents = at(QStringLiteral("home/Documents"));
        QVERIFY(QDir().mkpath(documents));
        QProcess mount;
        mount.start(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("ro,size=64k"), QStringLiteral("tmpfs"), documents});
        if (!mount.waitForFinished() || mount.exitCode() != 0) {
            QSKIP("cannot mount a read-only tmpfs here (needs root)");
        }
        const StartupFile start = startupParameterFile(QStringLiteral("Default.rvc"));
        QProcess::execute(QStringLiteral("umount"), {documents});
        QCOMPARE(start.path, at(QStringLiteral("home/data/VORANE/Rotavionix Control/Default.rvc")));
        QVERIFY(start.remember);
    }

    void onlyTheAbsentDefaultIsReplaced() {
        QDir::setCurrent(scratch->path());
        const QString copy = at(QStringLiteral("home/Documents/Rotavionix Control/Default.rvc"));
        // The test program runs from the build tree, which holds the shipped file.
        const StartupFile first = startupParameterFile(QStringLiteral("Default.rvc"));
        QCOMPARE(first.path, QDir::toNativeSeparators(copy));
        QVERIFY(first.remember);
        QCOMPARE(contents(copy), contents(shippedSource));

        const StartupFile named = startupParameterFile(QStringLiteral("/nowhere/Heli.rvc"));
        QCOMPARE(named.path, QStringLiteral("/nowhere/Heli.rvc"));
        QVERIFY(!named.remember);

        writeFile(at(QStringLiteral("Default.rvc")), "in the working directory");
        const StartupFile here = startupParameterFile(QStringLiteral("Default.rvc"));
        QCOMPARE(here.path, QStringLiteral("Default.rvc"));
        QVERIFY(!here.remember);
    }
};

RV_TEST_GUILESS_MAIN(TestFirstStartSetup)
#include "test_first_start_setup.moc"
