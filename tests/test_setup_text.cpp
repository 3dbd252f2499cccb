// SPDX-License-Identifier: GPL-3.0-or-later
// The text form of a setup: exact round trip for every record the program
// can meet, and every bad line reported with its number.
#include "core/format/ParameterRecord.h"
#include "core/format/SetupText.h"
#include "support/data_Files.h"
#include "support/setup_RandomRecords.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace rv;
using rv::test::defaultRecord;
using rv::test::fileBytes;

namespace {
QByteArray defaultText() {
    return fileBytes(QStringLiteral(RV_SOURCE_DIR "/tests/data/text/Default.txt"));
}
// The text as the first version of the format wrote it: the stored curve
// values, 0 to 200, rather than the window's numbers.
QByteArray versionOneText(const QByteArray& record) {
    Setup fields;
    decodeRecord(record, fields);
    QList<QByteArray> lines = setupText(record).split('\n');
    for (QByteArray& line : lines) {
        const QByteArray key = line.left(line.indexOf(' '));
        if (key == "version") {
            line = "version = 1";
        }
        for (int phase : {Hover, Acro}) {
            for (int curveIndex = 0; curveIndex < 6; ++curveIndex) {
                const Curve* curve = fields.curves.at(phase, curveIndex);
                if (curve != nullptr && key == curveKey(phase, curveIndex).toLatin1()) {
                    QByteArrayList points;
                    for (std::int16_t point : *curve) {
                        points << (point == RemovedPoint ? "-" : QByteArray::number(point));
                    }
                    line = key + " = " + points.join(' ');
                }
            }
        }
    }
    return lines.join('\n');
}
// A file's bytes as the record they load as.
QByteArray asRecord(const QByteArray& bytes) {
    Setup fields;
    decodeRecord(bytes, fields);
    return encodeRecord(fields);
}
QByteArray withComment(const QByteArray& record, const QByteArray& comment) {
    QByteArray changed = asRecord(record);
    changed.replace(RecordOffset::Comment, 1000, comment.leftJustified(1000, ' ', true));
    return changed;
}
QByteArray roundTrip(const QByteArray& record) {
    const auto read = recordFromSetupText(setupText(record));
    if (const auto* errors = std::get_if<std::vector<SetupTextError>>(&read)) {
        qWarning("%s", qPrintable(errors->front().toString()));
        return {};
    }
    return std::get<QByteArray>(read);
}
// The default text with line `number` (1-based) replaced, or a line added
// at the end when number is 0.
QByteArray defaultTextWith(int number, const QByteArray& line) {
    QList<QByteArray> lines = defaultText().split('\n');
    if (number == 0) {
        lines.insert(lines.size() - 1, line);
    } else {
        lines[number - 1] = line;
    }
    return lines.join('\n');
}
int lineOf(const QByteArray& text, const QByteArray& start) {
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(start)) {
            return static_cast<int>(i + 1);
        }
    }
    qFatal("no line %s", start.constData());
}
std::vector<SetupTextError> errorsOf(const QByteArray& text) {
    const auto read = recordFromSetupText(text);
    if (const auto* errors = std::get_if<std::vector<SetupTextError>>(&read)) {
        return *errors;
    }
    return {};
}
} // namespace

class TestSetupText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The neutral setup reads as tests/data/text/Default.txt, the example of
    // docs/text-format.md, its curves in the window's numbers; the text an
    // earlier version wrote of it still gives the same file.
    void neutralSetupReadsAsItsText() {
        QCOMPARE(QString::fromUtf8(setupText(defaultRecord())), QString::fromUtf8(defaultText()));
        QCOMPARE(roundTrip(defaultRecord()), defaultRecord());
        const auto old = recordFromSetupText(
            fileBytes(QStringLiteral(RV_SOURCE_DIR "/tests/data/text/Default-version-1.txt")));
        QVERIFY(std::holds_alternative<QByteArray>(old));
        QCOMPARE(std::get<QByteArray>(old), defaultRecord());
    }

    // Text, then record: every byte back, for the records of tests/data, for
    // comments holding every byte and every kind of line end, and for random
    // records (refused ones, short ones and any curve value included).
    void everyRecordComesBackByteForByte() {
        QStringList paths;
        const QDir regression(QStringLiteral(RV_SOURCE_DIR "/tests/data/regression"));
        for (const QString& name : regression.entryList({QStringLiteral("*.rvc")}, QDir::Files)) {
            paths << regression.filePath(name);
        }
        QVERIFY(paths.size() >= 30);
        for (const QString& path : paths) {
            QVERIFY2(roundTrip(fileBytes(path)) == asRecord(fileBytes(path)), qPrintable(path));
        }
        const QDir comments(QStringLiteral(RV_SOURCE_DIR "/tests/data/comments"));
        for (const QString& name : comments.entryList(QDir::Files)) {
            const QByteArray record =
                withComment(defaultRecord(), fileBytes(comments.filePath(name)));
            QVERIFY2(roundTrip(record) == record, qPrintable(name));
        }
        const QByteArray trailingBlankLine = withComment(defaultRecord(), "last line \r\n  \r\n");
        QCOMPARE(roundTrip(trailingBlankLine), trailingBlankLine);
        RandomRecords random(1801);
        for (int i = 0; i < 500; ++i) {
            const QByteArray record = random.next();
            QVERIFY2(roundTrip(record) == asRecord(record), qPrintable(QString::number(i)));
            const auto old = recordFromSetupText(versionOneText(record));
            QVERIFY2(std::holds_alternative<QByteArray>(old) &&
                         std::get<QByteArray>(old) == asRecord(record),
                     qPrintable(QString::number(i)));
        }
    }

    // Pilots edit the text by hand: Windows line ends, a byte order mark,
    // other spacing, options in other case and values without units read.
    void handEditedTextReads() {
        QByteArray text = defaultText();
        text.replace("\n", "\r\n");
        text.prepend("\xEF\xBB\xBF");
        text.replace("tail_gain                  = 50 %", "  tail_gain=50");
        text.replace("heli_type                  = Pitch controlled",
                     "heli_type = PITCH CONTROLLED");
        const auto read = recordFromSetupText(text);
        QVERIFY(std::holds_alternative<QByteArray>(read));
        QCOMPARE(std::get<QByteArray>(read), defaultRecord());

        // An editor that strips trailing blanks loses none of the comment's.
        const QByteArray blanks = withComment(defaultRecord(), "ends in blanks  \r\n  \r\nlast");
        QList<QByteArray> lines = setupText(blanks).split('\n');
        for (QByteArray& line : lines) {
            line = line.trimmed();
        }
        QCOMPARE(std::get<QByteArray>(recordFromSetupText(lines.join('\n'))), blanks);
    }

    // Each kind of bad line: its number and what was expected, and no record.
    void badLinesAreReportedWithTheirNumber() {
        const QByteArray text = defaultText();
        const int tailGain = lineOf(text, "tail_gain ");
        const int heliType = lineOf(text, "heli_type ");
        const int channel = lineOf(text, "channel_tail ");
        const int curve = lineOf(text, "curve_hover_2_pitch ");
        const int cyclic = lineOf(text, "curve_acro_4_cyclic_pitch ");
        const int entry = lineOf(text, "entry_04 ");
        const int reserved = lineOf(text, "reserved_text_032 ");
        const int comment = lineOf(text, "comment ");
        const struct {
            int line;
            QByteArray replacement;
            const char* expected;
        } cases[] = {
            {tailGain, "tail_gain 50 %", "expected \"key = value\""},
            {0, "tail_gian = 50 %", "unknown key \"tail_gian\""},
            {0, "tail_gain = 50 %", "\"tail_gain\" is given twice, first in line"},
            {tailGain, "tail_gain = 101 %", "expected 0 % \u2026 100 %"},
            {tailGain, "tail_gain = 50 ms", "expected 0 % \u2026 100 %"},
            {tailGain, "tail_gain = 70 % (byte 128)", "expected 0 % \u2026 100 %"},
            {heliType, "heli_type = Helicopter", "expected RPM controlled | Pitch controlled"},
            {channel, "channel_tail = 10", "expected a channel 1 to 9"},
            {curve, "curve_hover_2_pitch = 0 20 40", "expected 11 points"},
            {curve, "curve_hover_2_pitch = 0 20 40 60 80 x 120 140 160 180 200",
             "expected 11 points"},
            // On a x1.25 curve not every number is shown by a stored value.
            {cyclic, "curve_acro_4_cyclic_pitch = -125 -100 -75 -50 -25 4 25 50 75 100 125",
             "4 is not a value of this curve; 3 or 5"},
            {cyclic, "curve_acro_4_cyclic_pitch = -125 -100 -75 -50 -25 -1 25 50 75 100 125",
             "-1 is not a value of this curve; -2 or 0"},
            // -101 would be the stored -1, which is the removed point's "-".
            {curve, "curve_hover_2_pitch = -100 -80 -60 -40 -20 -101 20 40 60 80 100",
             "-101 is not a value of this curve; -102 or -100"},
            {curve, "curve_hover_2_pitch = -100 -80 -60 -40 -20 40000 20 40 60 80 100",
             "expected 11 points"},
            {entry, "entry_04 = 0x100", "expected one byte in hex"},
            {reserved, "reserved_text_032 = 00 11", "expected 32 bytes in hex"},
            {comment, "comment = tab\\q", "unknown escape \"\\q\""},
            {comment, "comment = \xe2\x82\xac and \xe2\x86\x92", "\"\u2192\" cannot be stored"},
            {comment, "comment = " + QByteArray(1001, 'x'), "at most 1000 fit"},
            {comment, "comment = \xff", "not UTF-8 text"},
            {2, "version = 3", "expected \"version = 2\" or \"version = 1\" as the first setting"},
        };
        for (const auto& bad : cases) {
            const QByteArray changed = defaultTextWith(bad.line, bad.replacement);
            const int expectedLine =
                bad.line == 0 ? static_cast<int>(changed.split('\n').size() - 1) : bad.line;
            const std::vector<SetupTextError> errors = errorsOf(changed);
            // A line without its key also leaves the key missing, named at the end.
            QVERIFY2(errors.size() == 1 || (errors.size() == 2 && errors[1].line == 0),
                     bad.replacement.constData());
            QCOMPARE(errors[0].line, expectedLine);
            QVERIFY2(errors[0].message.contains(QString::fromUtf8(bad.expected)),
                     qPrintable(errors[0].toString()));
        }
    }

    // All bad lines at once, in line order; a missing line is named at the end.
    void everyBadLineIsReported() {
        QByteArray text = defaultTextWith(lineOf(defaultText(), "tail_gain "), "tail_gain = lots");
        text = text.replace("channel_roll ", "channel_rol ");
        QList<QByteArray> lines = text.split('\n');
        lines.removeAt(lineOf(text, "acro_speed ") - 1);
        const std::vector<SetupTextError> errors = errorsOf(lines.join('\n'));
        QCOMPARE(errors.size(), std::size_t(3));
        QVERIFY(errors[0].line < errors[1].line);
        QVERIFY(errors[1].message.contains(QLatin1String("channel_rol")));
        QCOMPARE(errors[2].line, 0);
        QVERIFY(errors[2].message.contains(QLatin1String("acro_speed")));
        QVERIFY(errors[2].message.contains(QLatin1String("channel_roll")));
        QCOMPARE(errorsOf("").size(), std::size_t(1));
        QVERIFY(!errorsOf(QByteArray(4, '\0')).empty());
    }
};

RV_TEST_APPLESS_MAIN(TestSetupText)
#include "test_setup_text.moc"
