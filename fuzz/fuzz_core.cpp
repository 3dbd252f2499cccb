// Feeds arbitrary bytes to the widget-free core. The first byte picks what the
// rest is taken for, so that each part is explored on its own:
//   0  a parameter-file record: whatever is read must write back the same bytes;
//   1  a Parameter image: the check that refuses what the controls cannot show;
//   2  a curve: gap filling;
//   3  an image and curves: the text of every transfer block;
//   4  a typed number: the value editor's byte and the switch times.
// A broken property aborts; the sanitizers catch undefined behaviour.

#include "files/ParameterRecord.h"
#include "files/Windows1252.h"
#include "link/TransferProtocol.h"
#include "model/FlightPhaseValues.h"
#include "model/ParameterImage.h"
#include "model/ValueEntry.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

QByteArray asReaderSeesIt(const QByteArray& input) {
    QByteArray record = input.left(rv::RecordSize);
    if (record.size() < rv::RecordOffset::Comment) {
        record.append(rv::RecordOffset::Comment - record.size(), '\0');
    }
    record.append(rv::RecordSize - record.size(), ' ');
    return record;
}

void checkRecord(const QByteArray& input) {
    rv::ParameterSet set;
    rv::decodeRecord(input, set);
    check(rv::encodeRecord(set) == asReaderSeesIt(input));

    // The same bytes as a comment box text (any UTF-16, lone surrogates
    // included) must always give a comment field of exactly 1,000 bytes.
    const QString text(reinterpret_cast<const QChar*>(input.constData()), input.size() / 2);
    set.commentText = rv::commentFieldFromText(text);
    check(rv::Windows1252::encode(set.commentText).size() == rv::ParameterSet::CommentSize);
    check(rv::encodeRecord(set).size() == rv::RecordSize);
}

rv::ParameterImage imageFrom(const QByteArray& input) {
    rv::ParameterImage image;
    const auto count = std::min<qsizetype>(input.size(), rv::ParameterImage::Size);
    for (int i = 0; i < count; ++i) {
        image.set(i, static_cast<std::uint8_t>(input[i]));
    }
    return image;
}

void checkImage(const QByteArray& input) {
    rv::ParameterImage image = imageFrom(input);
    std::optional<int> first = rv::firstUnshowableEntry(image);
    // Clearing the entry found moves the finding on, to a later entry or none.
    while (first) {
        check(*first >= 0 && *first < rv::ParameterImage::Size);
        image.set(*first, 0);
        const std::optional<int> next = rv::firstUnshowableEntry(image);
        check(!next || *next > *first);
        first = next;
    }
}

rv::Curve curveFrom(const char* data) {
    rv::Curve curve{};
    for (int p = 0; p < rv::CurvePoints; ++p) {
        std::int16_t value = 0;
        std::memcpy(&value, data + 2 * p, sizeof value);
        curve[static_cast<std::size_t>(p)] = value;
    }
    return curve;
}

void checkGapFilling(const QByteArray& input) {
    QByteArray bytes = input.left(2 * rv::CurvePoints);
    bytes.append(2 * rv::CurvePoints - bytes.size(), '\xFF');
    const rv::Curve curve = curveFrom(bytes.constData());
    const rv::Curve filled = rv::FillCurveGaps(curve);
    // Column 0 is taken as it stands, -1 included, so a line from there may
    // round to -1 again; from a point 0..200 nothing is left to fill.
    const bool valid = std::all_of(curve.begin(), curve.end(), [](std::int16_t value) {
        return value == rv::RemovedPoint || (value >= 0 && value <= 200);
    });
    check(!valid || curve[0] == rv::RemovedPoint || rv::FillCurveGaps(filled) == filled);
    int left = 0;
    for (int p = 0; p < rv::CurvePoints; ++p) {
        const auto at = [](const rv::Curve& c, int i) { return c[static_cast<std::size_t>(i)]; };
        if (at(curve, p) != rv::RemovedPoint || p == 0) {
            check(at(filled, p) == at(curve, p));
            left = p;
            continue;
        }
        // A filled point lies between the points that bound its gap.
        int right = p;
        while (right < rv::CurvePoints && at(curve, right) == rv::RemovedPoint) {
            ++right;
        }
        if (right == rv::CurvePoints) {
            check(at(filled, p) == rv::RemovedPoint); // a trailing gap stays
        } else {
            const int low = std::min(at(curve, left), at(curve, right));
            const int high = std::max(at(curve, left), at(curve, right));
            check(at(filled, p) >= low && at(filled, p) <= high);
        }
    }
}

// Reads "<letter><number>;<number>" commands up to the closing "E".
struct Command {
    char letter;
    int index;
    int value;
};
QList<Command> commandsOf(const QByteArray& text) {
    check(text.endsWith('E'));
    QList<Command> commands;
    const QByteArray body = text.left(text.size() - 1);
    qsizetype i = 0;
    while (i < body.size()) {
        Command command{body[i++], 0, 0};
        const qsizetype semicolon = body.indexOf(';', i);
        check(semicolon > i);
        bool ok = false;
        command.index = body.mid(i, semicolon - i).toInt(&ok);
        check(ok);
        qsizetype end = semicolon + 1;
        while (end < body.size() && (body[end] == '-' || (body[end] >= '0' && body[end] <= '9'))) {
            ++end;
        }
        command.value = body.mid(semicolon + 1, end - semicolon - 1).toInt(&ok);
        check(ok);
        commands.append(command);
        i = end;
    }
    return commands;
}

void checkBlockTexts(const QByteArray& input) {
    QByteArray bytes = input.left(rv::ParameterImage::Size + rv::CurveSet::Count * 2 * 11 + 1);
    bytes.append(rv::ParameterImage::Size + rv::CurveSet::Count * 2 * 11 + 1 - bytes.size(), '\0');
    const rv::ParameterImage image = imageFrom(bytes);
    rv::CurveSet curves;
    const char* curveData = bytes.constData() + rv::ParameterImage::Size;
    for (const char letter : rv::CurveSet::SendOrder) {
        curves.byLetter(letter) = curveFrom(curveData);
        curveData += 2 * rv::CurvePoints;
    }
    const bool withChannelTable = (bytes.back() & 1) != 0;
    for (const auto& block : rv::TransferProtocol::transferPlan(withChannelTable)) {
        const QList<Command> commands =
            commandsOf(rv::TransferProtocol::blockText(block, image, curves));
        if (block.isCurve()) {
            const rv::Curve sent = rv::FillCurveGaps(curves.byLetter(block.curveLetter));
            check(commands.size() == rv::CurvePoints);
            for (int p = 0; p < rv::CurvePoints; ++p) {
                check(commands[p].letter == block.curveLetter && commands[p].index == p &&
                      commands[p].value == sent[static_cast<std::size_t>(p)]);
            }
        } else {
            check(commands.size() == block.entries.size());
            for (qsizetype k = 0; k < commands.size(); ++k) {
                check(commands[k].letter == 'P' && commands[k].index == block.entries[k] &&
                      commands[k].value == image.at(block.entries[k]));
            }
        }
    }
}

void checkNumberReading(const QByteArray& input) {
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German),
                                      QLocale(QLocale::French), QLocale(QLocale::English)};
    const QString texts[] = {QString::fromLatin1(input), QString::fromUtf8(input)};
    for (const QLocale& locale : locales) {
        for (const QString& text : texts) {
            const std::optional<int> byte = rv::ValueEntry::byteOf(text, locale);
            if (byte) {
                check(*byte >= 0 && *byte <= 255);
                const std::optional<double> number = rv::ValueEntry::readNumber(text, locale);
                check(number && std::abs(*number - *byte) <= 0.5);
                check(rv::ValueEntry::byteOf(locale.toString(*byte), locale) == byte);
            }
            const int tenths = rv::FlightPhaseValues::limitSwitchTenths(
                rv::FlightPhaseValues::switchTimeTenths(text, locale));
            check(tenths >= 0 && tenths <= rv::FlightPhaseValues::MaxSwitchTenths);
            rv::FlightPhaseValues::switchTimeByte(text, locale);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1),
                                                     static_cast<qsizetype>(size - 1));
    switch (data[0] % 5) {
    case 0:
        checkRecord(input);
        break;
    case 1:
        checkImage(input);
        break;
    case 2:
        checkGapFilling(input);
        break;
    case 3:
        checkBlockTexts(input);
        break;
    default:
        checkNumberReading(input);
        break;
    }
    return 0;
}
