// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/data_Files.h"
#include "support/link_PseudoTerminal.h"

#include "core/format/NeutralSetup.h"
#include "core/format/ParameterFile.h"
#include "core/format/ParameterRecord.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <future>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rv;
using rv::test::fileBytes;
using rv::test::neutralRecord;
using rv::test::writeBytes;

namespace {

// A read that blocks would hang the test; after a while unblock() frees it,
// and the read counts as failed.
struct TimedRead {
    bool finished = false;
    bool loaded = false;
    QString reason;
};
TimedRead readWithin(const QString& path, Setup& set, const std::function<void()>& unblock) {
    TimedRead result;
    auto reading = std::async(std::launch::async,
                              [&] { return readParameterFile(path, set, &result.reason); });
    result.finished = reading.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
    if (!result.finished) {
        unblock();
    }
    result.loaded = reading.get();
    return result;
}

} // namespace

class TestParameterFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Pipes and devices are refused at once, on Open as at start-up, and a save
    // never replaces one.
    void onlyRegularFilesAreReadOrReplaced() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe.rvc"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString link = dir.filePath(QStringLiteral("link.rvc"));
        QVERIFY(QFile::link(fifo, link));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.rvc")));
        test::PseudoTerminal terminal;
        QVERIFY(terminal.isValid());

        const auto openWriter = [&] {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
            }
        };
        const struct {
            QString path;
            std::function<void()> unblock;
        } cases[] = {
            {fifo, openWriter},
            {link, openWriter},
            {terminal.slavePath(), [&] { terminal.unplug(); }},
            {QStringLiteral("/dev/zero"), [] {}},
            {dir.filePath(QStringLiteral("folder.rvc")), [] {}},
        };
        Setup set = neutralSetup();
        set.image.set(6, 123);
        for (const auto& entry : cases) {
            const TimedRead read = readWithin(entry.path, set, entry.unblock);
            QVERIFY2(read.finished, qPrintable(entry.path));
            QVERIFY2(!read.loaded, qPrintable(entry.path));
            QVERIFY2(!read.reason.isEmpty(), qPrintable(entry.path));
            QCOMPARE(int(set.image.at(6)), 123); // untouched
        }

        for (const QString& target : {fifo, link, dir.filePath(QStringLiteral("folder.rvc"))}) {
            QString reason;
            QVERIFY(!writeParameterFile(target, set, &reason));
            QVERIFY(!reason.isEmpty());
        }
        struct stat status {};
        QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &status) == 0);
        QVERIFY(S_ISFIFO(status.st_mode));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("link.rvc"), QStringLiteral("pipe.rvc")}));
    }

    // A save onto a full disk fails and leaves the previous file byte for byte.
    void aFullDiskKeepsThePreviousFile() {
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0) {
            QSKIP("cannot mount a small tmpfs here (needs root and the mount capability)");
        }
        const auto unmount = qScopeGuard([&] { ::umount(mountPoint.constData()); });

        const QString path = dir.filePath(QStringLiteral("Heli.rvc"));
        QByteArray previous = neutralRecord();
        previous[6] = 42;
        QVERIFY(writeBytes(path, previous));
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        while (filler.write(QByteArray(1, 'x')) > 0) { // the last few bytes too
        }
        filler.close();

        QString reason;
        QVERIFY(!writeParameterFile(path, neutralSetup(), &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(fileBytes(path), previous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("filler"), QStringLiteral("Heli.rvc")}));

        // With room again the same save goes through.
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("filler"))));
        QVERIFY(writeParameterFile(path, neutralSetup(), &reason));
        QCOMPARE(fileBytes(path), neutralRecord());
    }
};

RV_TEST_GUILESS_MAIN(TestParameterFile)
#include "test_parameter_file.moc"
