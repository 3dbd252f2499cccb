// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/ParameterFile.h"
#include "core/format/ParameterRecord.h"
#include "core/format/Windows1252.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace rv;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray randomBytes(quint32 seed, int size) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random.bounded(256));
    }
    return bytes;
}

int int16At(const QByteArray& record, int offset) {
    return static_cast<std::int16_t>(static_cast<quint8>(record[offset]) |
                                     static_cast<quint8>(record[offset + 1]) << 8);
}

} // namespace

class TestParameterRecord : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString pathOf(const QString& name) const { return dir.filePath(name); }

private Q_SLOTS:
    void freshSetWritesZeroReservedFieldsAndBlankComment() {
        const QByteArray record = encodeRecord(Setup{});
        QCOMPARE(record.size(), RecordSize);
        QCOMPARE(record[225], '\0');
        QCOMPARE(record.mid(226, 256), QByteArray(256, '\0'));
        QCOMPARE(record.left(570), QByteArray(570, '\0'));
        QCOMPARE(record.mid(570), QByteArray(1000, ' '));
    }

    // Each curve at its own offset, in file order M T A G t a g | reserved | N R n r.
    void fieldsSitAtTheirOffsets() {
        Setup set;
        set.image.set(0, 0x11);
        set.image.set(70, 0xEE);
        const std::pair<char, int> curveOffsets[] = {{'M', 71},  {'T', 93},  {'A', 115}, {'G', 137},
                                                     {'t', 159}, {'a', 181}, {'g', 203}, {'N', 482},
                                                     {'R', 504}, {'n', 526}, {'r', 548}};
        int value = 1;
        for (const auto& [letter, offset] : curveOffsets) {
            Curve& curve = set.curves.byLetter(letter);
            curve.fill(static_cast<std::int16_t>(value));
            curve[10] = static_cast<std::int16_t>(300 + value); // needs both bytes
            ++value;
        }
        set.curves.byLetter('G')[3] = RemovedPoint;
        set.reservedByte = 0xA5;
        set.reservedText = QByteArray(256, 'x');

        const QByteArray record = encodeRecord(set);
        QCOMPARE(quint8(record[0]), 0x11);
        QCOMPARE(quint8(record[70]), 0xEE);
        value = 1;
        for (const auto& [letter, offset] : curveOffsets) {
            QCOMPARE(int16At(record, offset), value);
            QCOMPARE(int16At(record, offset + 20), 300 + value);
            ++value;
        }
        QCOMPARE(record.mid(137 + 6, 2), QByteArray("\xFF\xFF"));
        QCOMPARE(quint8(record[225]), 0xA5);
        QCOMPARE(record.mid(226, 256), QByteArray(256, 'x'));

        Setup readBack;
        decodeRecord(record, readBack);
        QCOMPARE(readBack.image, set.image);
        QCOMPARE(readBack.curves, set.curves);
        QCOMPARE(readBack.reservedByte, set.reservedByte);
        QCOMPARE(readBack.reservedText, set.reservedText);
    }

    void commentIsPaddedAndCut() {
        Setup set;
        set.storedComment = commentFieldFromText(QStringLiteral("abc"));
        QCOMPARE(set.storedComment.size(), 1000);
        QByteArray record = encodeRecord(set);
        QCOMPARE(record.mid(570), QByteArray("abc") + QByteArray(997, ' '));

        set.storedComment = commentFieldFromText(QString(1200, QLatin1Char('z')));
        QCOMPARE(set.storedComment, QString(1000, QLatin1Char('z')));

        // A comment not prepared by commentFieldFromText still fits its field.
        set.storedComment = QString(1500, QLatin1Char('q'));
        record = encodeRecord(set);
        QCOMPARE(record.size(), RecordSize);
        QCOMPARE(record.mid(570), QByteArray(1000, 'q'));
        set.storedComment = QStringLiteral("short");
        QCOMPARE(encodeRecord(set).mid(570), QByteArray("short") + QByteArray(995, ' '));
    }

    // A character outside the BMP is one character: one "?" and one of the 1,000.
    // An edited comment from a file with lone LF line ends can exceed 1,000
    // characters only with CR LF: it is kept whole with LF instead of cut.
    void aCommentThatFitsOnlyWithLoneLineFeedsKeepsThem() {
        const QString lines = QStringLiteral("abcd\r\n").repeated(199) + QStringLiteral("abcX");
        QCOMPARE(commentFieldFromText(lines),
                 QStringLiteral("abcd\n").repeated(199) + QStringLiteral("abcX "));
        // Too long either way: cut after 1,000 characters, CR LF kept.
        const QString tooLong = QStringLiteral("abcde\r\n").repeated(170);
        QCOMPARE(commentFieldFromText(tooLong), tooLong.left(1000));
    }

    void charactersOutsideTheBmpCountOnce() {
        const QString emoji = QString::fromUcs4(U"\U0001F681");
        QCOMPARE(emoji.size(), 2);
        const QString field = commentFieldFromText(emoji.repeated(999) + QStringLiteral("ab"));
        QCOMPARE(field.size(), 999 * 2 + 1);
        QVERIFY(field.endsWith(emoji + QStringLiteral("a")));
        Setup set;
        set.storedComment = field;
        QCOMPARE(encodeRecord(set).mid(570), QByteArray(999, '?') + "a");
        QCOMPARE(Windows1252::encode(emoji + QChar(0xD800) + QStringLiteral("\u03A9\u0080")),
                 QByteArray("????"));
    }

    void everyByteSurvivesTheCodec() {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i) {
            all[i] = static_cast<char>(i);
        }
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Windows1252::encode(text), all);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x9F], QChar(0x0178));
        for (const int undefinedByte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
            QCOMPARE(text[undefinedByte], QChar(undefinedByte));
        }
    }

    void umlautsAndEuroAreWindows1252InTheFile() {
        Setup set;
        set.storedComment = commentFieldFromText(QStringLiteral("äöüß€"));
        const QString path = pathOf("umlauts.rvc");
        QString reason;
        QVERIFY2(writeParameterFile(path, set, &reason), qPrintable(reason));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), RecordSize);
        QCOMPARE(bytes.mid(570, 6), QByteArray("\xE4\xF6\xFC\xDF\x80 "));

        Setup loaded;
        QVERIFY(readParameterFile(path, loaded, &reason));
        QCOMPARE(loaded.storedComment, set.storedComment);
    }

    void anyRecordIsWrittenBackByteForByte() {
        for (quint32 seed : {1u, 2u, 3u, 42u, 4711u, 65535u}) {
            const QByteArray original = randomBytes(seed, RecordSize);
            const QString path = pathOf(QStringLiteral("random%1.rvc").arg(seed));
            writeAll(path, original);
            Setup set;
            QString reason;
            QVERIFY(readParameterFile(path, set, &reason));
            QVERIFY(writeParameterFile(path, set, &reason));
            QCOMPARE(readAll(path), original);
        }
    }

    void shortFilesReadAsZerosAndBlanks() {
        // Ends inside curve T, inside the reserved text and inside the comment.
        for (const int length : {0, 100, 300, 600}) {
            const QByteArray head = randomBytes(quint32(length), length);
            const QString path = pathOf(QStringLiteral("short%1.rvc").arg(length));
            writeAll(path, head);
            Setup set;
            set.image.set(5, 99);
            set.curves.byLetter('r').fill(7);
            set.reservedByte = 3;
            QString reason;
            QVERIFY(readParameterFile(path, set, &reason));
            QByteArray expected = head + QByteArray(570 - std::min(length, 570), '\0');
            expected += QByteArray(RecordSize - expected.size(), ' ');
            QCOMPARE(encodeRecord(set), expected);
        }
    }

    void longFilesAreReadToTheRecordAndReplacedByIt() {
        const QByteArray original = randomBytes(9, RecordSize + 500);
        const QString path = pathOf("long.rvc");
        writeAll(path, original);
        Setup set;
        QString reason;
        QVERIFY(readParameterFile(path, set, &reason));
        QVERIFY(writeParameterFile(path, set, &reason));
        QCOMPARE(readAll(path), original.left(RecordSize));
    }

    void unreadablePathsReportTheReasonAndKeepTheSet() {
        Setup set;
        set.image.set(1, 42);
        set.storedComment = commentFieldFromText(QStringLiteral("kept"));
        const Setup before = set;
        for (const QString& path : {pathOf("missing.rvc"), dir.path()}) {
            QString reason;
            QVERIFY(!readParameterFile(path, set, &reason));
            QVERIFY2(!reason.isEmpty(), qPrintable(path));
            QCOMPARE(set.image, before.image);
            QCOMPARE(set.storedComment, before.storedComment);
        }
        QString reason;
        readParameterFile(pathOf("missing.rvc"), set, &reason);
        QCOMPARE(reason, QStringLiteral("No such file or directory"));
        QVERIFY(!readParameterFile(pathOf("missing.rvc"), set, nullptr));
    }

    // The tests may run as root, for whom permission bits on a directory do
    // not stop a write: a path whose parent is a regular file fails for anyone.
    void saveIntoUnwritableDirectoryFailsAndKeepsTheOldFile() {
        const QString blocker = pathOf("not-a-directory");
        writeAll(blocker, "x");
        QString reason;
        QVERIFY(!writeParameterFile(blocker + "/Default.rvc", Setup{}, &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(readAll(blocker), QByteArray("x"));

        if (geteuid() == 0) {
            return; // a read-only directory would not stop root
        }
        const QString lockedDir = pathOf("locked");
        QVERIFY(QDir().mkpath(lockedDir));
        const QString path = lockedDir + "/Default.rvc";
        writeAll(path, "previous");
        QFile::setPermissions(lockedDir, QFile::ReadOwner | QFile::ExeOwner);
        reason.clear();
        const bool written = writeParameterFile(path, Setup{}, &reason);
        QFile::setPermissions(lockedDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(readAll(path), QByteArray("previous"));
    }

    void readOnlyFileIsRefusedAndUntouched() {
        const QString path = pathOf("readonly.rvc");
        writeAll(path, "previous");
        QVERIFY(
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QString reason;
        QVERIFY(!writeParameterFile(path, Setup{}, &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(readAll(path), QByteArray("previous"));
        QCOMPARE(QFile::permissions(path) & QFile::WriteOwner, QFile::Permissions{});
    }

    void saveOntoADirectoryFails() {
        QString reason;
        QVERIFY(!writeParameterFile(dir.path(), Setup{}, &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

RV_TEST_APPLESS_MAIN(TestParameterRecord)
#include "test_parameter_record.moc"
