// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/NeutralSetup.h"
#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/history/TransferHistory.h"
#include "support/data_Files.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rv;
using rv::test::writeBytes;

namespace {

const QDateTime Noon(QDate(2026, 12, 7), QTime(12, 0, 0));

SentRecord sent(const QDateTime& at, const QString& file = QStringLiteral("/fly/Logo 600.rvc"),
                int arrived = 17, int planned = 17) {
    Setup setup = neutralSetup();
    setup.image.set(34, static_cast<std::uint8_t>(at.time().second() + 100));
    return SentRecord{recordOf(setup), file, at, arrived, planned};
}

QStringList names(const QList<TransferHistoryEntry>& entries) {
    QStringList list;
    for (const auto& entry : entries) {
        list << QFileInfo(entry.path).fileName();
    }
    return list;
}

} // namespace

// The history of transfers in a folder of its own, without a window or a port.
class TestTransferHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entriesAreNamedListedAndLoadable() {
        QTemporaryDir dir;
        const TransferHistory history(dir.filePath(QStringLiteral("data/sent")));
        QString reason;
        const SentRecord first = sent(Noon.addMSecs(250));
        const QString full = history.add(first, &reason);
        QVERIFY2(!full.isEmpty(), qPrintable(reason));
        // Same second, another file: a name of its own that sorts after the first.
        const QString broken = history.add(
            sent(Noon.addMSecs(900), QStringLiteral("C:\\Heli\\a:b*?\"<>|~.rvc"), 7, 17), &reason);
        // A file whose name looks like a partial mark is still a full transfer.
        const QString lookalike =
            history.add(sent(Noon.addSecs(1), QStringLiteral("x ~partial 1 of 2.rvc")), &reason);
        QVERIFY(history.noteStore(full, Noon.addSecs(5), &reason));
        QVERIFY(history.noteStore(full, Noon.addSecs(9), &reason));

        QCOMPARE(QFileInfo(full).fileName(), QStringLiteral("2026-12-07 12-00-00 Logo 600.rvc"));
        QCOMPARE(QFileInfo(broken).fileName(),
                 QStringLiteral("2026-12-07 12-00-00~2 a_b_______ ~partial 7 of 17.rvc"));
        const TransferHistoryListing listing = history.list();
        QVERIFY(listing.skipped.isEmpty());
        QCOMPARE(names(listing.entries),
                 QStringList({QFileInfo(lookalike).fileName(), QFileInfo(broken).fileName(),
                              QFileInfo(full).fileName()}));
        const TransferHistoryEntry& last = listing.entries[0];
        QVERIFY(!last.isPartial());
        QCOMPARE(last.fileName, QStringLiteral("x _partial 1 of 2"));
        const TransferHistoryEntry& partial = listing.entries[1];
        QVERIFY(partial.isPartial());
        QCOMPARE(partial.blocksArrived, 7);
        QCOMPARE(partial.blocksPlanned, 17);
        QCOMPARE(partial.sequence, 2);
        QCOMPARE(partial.startedAt, Noon);
        const TransferHistoryEntry& stored = listing.entries[2];
        QCOMPARE(stored.fileName, QStringLiteral("Logo 600"));
        QCOMPARE(stored.stores, QList<QDateTime>({Noon.addSecs(5), Noon.addSecs(9)}));
        QVERIFY(partial.stores.isEmpty());

        QByteArray record;
        QVERIFY(TransferHistory::readEntry(full, record, &reason));
        QCOMPARE(record, first.record);
        const std::optional<Setup> loaded =
            TransferHistory::loadEntry(full, neutralSetup(), &reason);
        QVERIFY(loaded);
        Setup decoded;
        decodeRecord(first.record, decoded);
        QCOMPARE(loaded->curves, decoded.curves);
        QCOMPARE(loaded->storedComment, decoded.storedComment);
    }

    void safeNamesOnEverySystem() {
        QCOMPARE(TransferHistory::safeFileName(QString()), QStringLiteral("unnamed"));
        QCOMPARE(TransferHistory::safeFileName(QStringLiteral("/a/ .. .rvc")),
                 QStringLiteral("unnamed"));
        QCOMPARE(TransferHistory::safeFileName(QStringLiteral("tab\there.RVC")),
                 QStringLiteral("tab_here"));
        const QString longName = QString(59, QLatin1Char('x')) + QString::fromUtf8("😀tail");
        QCOMPARE(TransferHistory::safeFileName(longName), QString(59, QLatin1Char('x')));
    }

    // Only files named as entries are counted and removed, with their notes.
    void keepsTheNewestEntriesAndNothingElse() {
        QTemporaryDir dir;
        const TransferHistory history(dir.path());
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("notes.txt")), "mine"));
        QVERIFY(
            writeBytes(dir.filePath(QStringLiteral("Default.rvc")), encodeRecord(neutralSetup())));
        const QString pipe = dir.filePath(QStringLiteral("2026-12-07 11-00-00 pipe.rvc"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QString reason;
        const int extra = 3;
        QStringList added;
        for (int n = 0; n < TransferHistory::Capacity + extra; ++n) {
            added << history.add(sent(Noon.addSecs(60 * n)), &reason);
            QVERIFY2(!added.last().isEmpty(), qPrintable(reason));
            if (n == 0) {
                QVERIFY(history.noteStore(added.last(), Noon, &reason));
            }
        }
        const TransferHistoryListing listing = history.list();
        QCOMPARE(listing.entries.size(), TransferHistory::Capacity);
        QCOMPARE(listing.entries.first().path, added.last());
        QCOMPARE(listing.entries.last().path, added.at(extra));
        QVERIFY(!QFile::exists(added.first()));
        QVERIFY(!QFile::exists(added.first() + QStringLiteral(".stored")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("notes.txt"))));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Default.rvc"))));
        QVERIFY(QFileInfo(pipe).exists());
        QCOMPARE(listing.skipped.size(), 3); // named, not deleted
    }

    void damagedEntriesAreSkippedAndNamed() {
        QTemporaryDir dir;
        const TransferHistory history(dir.path());
        QString reason;
        const QString good = history.add(sent(Noon), &reason);
        const QByteArray record = encodeRecord(neutralSetup());
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("2026-12-07 11-00-00 short.rvc")),
                           record.left(100)));
        QVERIFY(
            writeBytes(dir.filePath(QStringLiteral("2026-12-07 11-00-01 long.rvc")), record + "x"));
        QByteArray unshowable = record;
        unshowable[Index::PitchMode] = 2; // no heli type 2
        QVERIFY(
            writeBytes(dir.filePath(QStringLiteral("2026-12-07 11-00-02 type.rvc")), unshowable));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("2026-12-07 11-00-03 folder.rvc")));
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("2026-13-07 11-00-04 month.rvc")), record));
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("readme")), "x"));

        const TransferHistoryListing listing = history.list();
        QCOMPARE(names(listing.entries), QStringList({QFileInfo(good).fileName()}));
        QStringList skipped;
        for (const auto& file : listing.skipped) {
            skipped << file.name + QStringLiteral(": ") + file.reason;
        }
        QCOMPARE(skipped,
                 QStringList({QStringLiteral("2026-12-07 11-00-00 short.rvc: The file holds 100 "
                                             "bytes, not the 1570 of a parameter file."),
                              QStringLiteral("2026-12-07 11-00-01 long.rvc: The file holds 1571 "
                                             "bytes, not the 1570 of a parameter file."),
                              QStringLiteral("2026-12-07 11-00-02 type.rvc: Byte 40 of the "
                                             "parameter set holds 2, which no setting of this "
                                             "program stands for."),
                              QStringLiteral("2026-13-07 11-00-04 month.rvc: This is not an "
                                             "entry of the transfer history."),
                              QStringLiteral("readme: This is not an entry of the transfer "
                                             "history.")}));
    }

    void aFolderThatCannotBeWrittenIsReported() {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("data")), "a file, not a folder"));
        QString reason;
        QVERIFY(TransferHistory(dir.filePath(QStringLiteral("data/sent")))
                    .add(sent(Noon), &reason)
                    .isEmpty());
        QCOMPARE(reason, QStringLiteral("The folder %1 cannot be created.")
                             .arg(dir.filePath(QStringLiteral("data/sent"))));
        QCOMPARE(QFile(dir.filePath(QStringLiteral("data"))).size(), 20);

        const QString mountPoint = dir.filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkpath(mountPoint));
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", MS_RDONLY,
                    "size=64k") != 0) {
            QSKIP("No read-only tmpfs can be mounted here (needs root).");
        }
        const TransferHistory readOnly(mountPoint + QStringLiteral("/sent"));
        const QString created = readOnly.add(sent(Noon), &reason);
        const TransferHistory inRoot(mountPoint);
        const QString written = inRoot.add(sent(Noon), &reason);
        const QString writeReason = reason;
        ::umount(QFile::encodeName(mountPoint).constData());
        QVERIFY(created.isEmpty());
        QVERIFY(written.isEmpty());
        QVERIFY(!writeReason.isEmpty());
    }
};

RV_TEST_GUILESS_MAIN(TestTransferHistory)
#include "test_transfer_history.moc"
