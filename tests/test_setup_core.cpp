// SPDX-License-Identifier: GPL-3.0-or-later
// Load, save, compare and send on a Setup alone, without a window or a
// QApplication. tests/data/regression holds records with what the window
// saved and sent for each when loaded one after the other (written by
// test_setup_differential with RV_WRITE_REGRESSION; 00 is data/Default.rvc).
#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/link/TransferProtocol.h"
#include "support/data_Files.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace rv;
using rv::test::defaultRecord;
using rv::test::fileBytes;
using rv::test::withBytes;

namespace {
Setup loaded(const Setup& previous, const QByteArray& record) {
    const auto result = applyRecord(previous, record);
    if (const auto* refusal = std::get_if<Refusal>(&result)) {
        qFatal("refused: %s", qPrintable(refusal->detail()));
    }
    return std::get<Setup>(result);
}
} // namespace

class TestSetupCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replaysWhatTheWindowSavedAndSent() {
        const QDir folder(QStringLiteral(RV_SOURCE_DIR "/tests/data/regression"));
        const QStringList records =
            folder.entryList({QStringLiteral("[0-9][0-9].rvc")}, QDir::Files, QDir::Name);
        QCOMPARE(records.size(), 30);
        QCOMPARE(fileBytes(folder.filePath(records.first())), defaultRecord());
        Setup setup;
        for (const QString& name : records) {
            const QString base = folder.filePath(name.left(2));
            const auto result = applyRecord(setup, fileBytes(folder.filePath(name)));
            const QByteArray refusal = fileBytes(base + QStringLiteral(".refused.txt"));
            if (const auto* refused = std::get_if<Refusal>(&result)) {
                QCOMPARE(refused->detail().toUtf8(), refusal);
                continue;
            }
            QVERIFY2(refusal.isEmpty(), qPrintable(name));
            setup = std::get<Setup>(result);
            QCOMPARE(transferStream(setup, false), fileBytes(base + QStringLiteral(".sent.txt")));
            QCOMPARE(transferStream(setup, true),
                     fileBytes(base + QStringLiteral(".sent-channels.txt")));
            QCOMPARE(recordOf(setup), fileBytes(base + QStringLiteral(".saved.rvc")));
            setup = savedSetup(setup);
            QVERIFY2(!hasUnsavedChanges(setup), qPrintable(name));
        }
    }

    // A slider that keeps its position and a servo box that keeps its state
    // run no handler: the loaded byte stays as it is. So the same file loads
    // differently after different files.
    void loadDependsOnWhatWasShownBefore() {
        const QByteArray record = withBytes(defaultRecord(), {{30, 1}, {35, 0}});
        const Setup afterSame = loaded(loaded({}, record), record);
        QCOMPARE(afterSame.image.at(30), std::uint8_t(1)); // position 0 both times
        QCOMPARE(afterSame.servoInverters[0], std::uint8_t(0));

        const Setup before = loaded({}, withBytes(defaultRecord(), {{30, 200}, {35, 1}}));
        const Setup afterOther = loaded(before, record);
        QCOMPARE(afterOther.image.at(30), std::uint8_t(0)); // moved to position 0: re-scaled
        QCOMPARE(afterOther.servoInverters[0], Setup::ServoNormal);
        QCOMPARE(collectedImage(afterOther).at(35), Setup::ServoNormal);
    }

    void commentKeepsItsBytesUntilEdited() {
        QByteArray record = defaultRecord();
        const QByteArray comment("one\ntwo\r\r\nthree\rfour");
        record.replace(RecordOffset::Comment, Setup::CommentSize,
                       comment.leftJustified(Setup::CommentSize, ' '));
        Setup setup = loaded({}, record);
        QCOMPARE(recordOf(setup).mid(RecordOffset::Comment), record.mid(RecordOffset::Comment));
        QVERIFY(!hasUnsavedChanges(setup));

        // Typed back as the box shows it: still the loaded bytes.
        setup.editedComment = QStringLiteral("one\r\ntwo\r\n\r\nthree\r\nfour");
        QCOMPARE(recordOf(setup).mid(RecordOffset::Comment), record.mid(RecordOffset::Comment));
        QVERIFY(!hasUnsavedChanges(setup));

        setup.editedComment = QStringLiteral("new\r\n");
        QCOMPARE(recordOf(setup).mid(RecordOffset::Comment),
                 QByteArray("new\r\n").leftJustified(Setup::CommentSize, ' '));
        QVERIFY(hasUnsavedChanges(setup));
        QVERIFY(!hasUnsavedChanges(savedSetup(setup)));
    }

    void unsavedChangesCompareWithoutCollecting() {
        const Setup setup = loaded({}, defaultRecord());
        QVERIFY(!hasUnsavedChanges(setup));

        Setup edited = setup;
        edited.hoverSpeedRpm = *edited.hoverSpeedRpm + 10;
        QVERIFY(hasUnsavedChanges(edited));
        QCOMPARE(edited.image, setup.image); // the comparison wrote nothing

        Setup beyondTheUnit = setup;
        beyondTheUnit.image.set(ParameterImage::UnitEntries, 99); // kept in files only
        QVERIFY(!hasUnsavedChanges(beyondTheUnit));

        Setup curveEdited = setup;
        curveEdited.changed = true;
        QVERIFY(hasUnsavedChanges(curveEdited));
    }

    // A file the program saved opens without unsaved changes and saves to the
    // same bytes, also when the window had to limit a governor speed (hover
    // byte 3 or 255) while loading the original.
    void savedFileReopensAsSaved() {
        const QDir folder(QStringLiteral(RV_SOURCE_DIR "/tests/data/regression"));
        QList<QByteArray> records{withBytes(defaultRecord(), {{Index::HoverSpeed, 255}})};
        for (const QString& name : folder.entryList({QStringLiteral("[0-9][0-9].rvc")})) {
            records.append(fileBytes(folder.filePath(name)));
        }
        Setup setup;
        for (const QByteArray& record : records) {
            const auto result = applyRecord(setup, record);
            if (!std::holds_alternative<Setup>(result)) {
                continue;
            }
            const Setup saved = savedSetup(std::get<Setup>(result));
            const QByteArray bytes = recordOf(saved);
            setup = loaded(saved, bytes);
            QVERIFY(!hasUnsavedChanges(setup));
            QCOMPARE(recordOf(setup), bytes);
        }
    }
};

RV_TEST_GUILESS_MAIN(TestSetupCore)
#include "test_setup_core.moc"
