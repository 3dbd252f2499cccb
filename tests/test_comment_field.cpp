// SPDX-License-Identifier: GPL-3.0-or-later
// The comment field of a parameter file: what a load puts into the box and
// what a save writes back.
#include "support/data_Files.h"
#include "support/window_Fixture.h"

#include "core/format/ParameterRecord.h"
#include "support/test_main.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

using namespace rv;
using rv::test::neutralRecord;

class TestCommentField : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the box cannot tell apart (a lone CR or LF, CR LF) or used to lose
    // (a no-break space) neither counts as a change nor alters the saved bytes.
    void commentsComeBackByteForByte_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("no-break space") << QByteArray("Gain\xA0: 50");
        QTest::newRow("lone LF") << QByteArray("a\nb");
        QTest::newRow("lone CR") << QByteArray("a\rb");
        QTest::newRow("CR LF and a tab") << QByteArray("a\r\n\tb");
        const QDir comments(QStringLiteral(RV_SOURCE_DIR "/tests/data/comments"));
        for (const QString& name : comments.entryList(QDir::Files)) {
            QFile file(comments.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << file.readAll();
        }
    }
    void commentsComeBackByteForByte() {
        QFETCH(QByteArray, text);
        WindowFixture fx;
        QByteArray record = neutralRecord();
        record.replace(RecordOffset::Comment, text.size(), text);
        MainWindow& window = fx.startWith(record);
        QVERIFY(!window.fileCommands().hasUnsavedChanges());
        FileDialogs::setNextFileName(fx.path(QStringLiteral("saved.rvc")));
        QVERIFY(window.fileCommands().saveFile());
        QCOMPARE(fx.readFile(QStringLiteral("saved.rvc")), record);
    }

    // A loaded comment of lone LF line ends that the box counts beyond 1,000
    // characters is shown whole; an edit neither lets it grow nor cuts its end.
    void aLongLoadedCommentIsNeverCut() {
        WindowFixture fx;
        QByteArray record = neutralRecord();
        const QByteArray lines = QByteArray("abcd\n").repeated(200);
        record.replace(RecordOffset::Comment, lines.size(), lines);
        MainWindow& window = fx.startWith(record);
        auto* comment = window.findChild<QPlainTextEdit*>(QStringLiteral("Comment"));
        QCOMPARE(comment->blockCount(), 201);

        comment->setFocus();
        comment->moveCursor(QTextCursor::End);
        QTest::keyClick(comment, Qt::Key_X); // no room
        QCOMPARE(comment->toPlainText(), QString::fromLatin1(lines));
        comment->moveCursor(QTextCursor::Start);
        QTest::keyClick(comment, Qt::Key_Delete);
        QTest::keyClick(comment, Qt::Key_Y); // the room just freed
        QTest::keyClick(comment, Qt::Key_Z);
        QCOMPARE(comment->toPlainText(), QStringLiteral("y") + QString::fromLatin1(lines).mid(1));

        FileDialogs::setNextFileName(fx.path(QStringLiteral("edited.rvc")));
        QVERIFY(window.fileCommands().saveFile());
        QCOMPARE(fx.readFile(QStringLiteral("edited.rvc")).mid(RecordOffset::Comment),
                 QByteArray("y") + lines.mid(1));
    }

    // A comment that fills the box with line breaks fits the file whole.
    void aFullCommentWithLineBreaksIsSavedWhole() {
        WindowFixture fx;
        MainWindow& window = fx.startWith(neutralRecord());
        auto* comment = window.findChild<QPlainTextEdit*>(QStringLiteral("Comment"));
        comment->clear();
        comment->setFocus();
        for (int line = 0; line < 11; ++line) {
            QTest::keyClicks(comment, QString(90, QLatin1Char('a' + line)));
            QTest::keyClick(comment, Qt::Key_Return);
        }
        const QString typed = comment->toPlainText();
        FileDialogs::setNextFileName(fx.path(QStringLiteral("notes.rvc")));
        QVERIFY(window.fileCommands().saveFile());
        QVERIFY(!window.fileCommands().hasUnsavedChanges());
        FileDialogs::setNextFileName(fx.path(QStringLiteral("notes.rvc")));
        window.fileCommands().openFile();
        QCOMPARE(comment->toPlainText(), typed);
    }
};

RV_TEST_MAIN(TestCommentField)
#include "test_comment_field.moc"
