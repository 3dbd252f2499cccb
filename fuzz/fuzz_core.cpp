// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the widget-free core. The first byte picks what the
// rest is taken for, so that each part is explored on its own:
//   0  a parameter-file record: whatever is read must write back the same bytes;
//   1  a Parameter image: the check that refuses what the controls cannot show;
//   2  a curve: gap filling;
//   3  an image and curves: the text of every transfer block;
//   4  a typed number: the value editor's byte and the switch times;
//   5  a parameter file loaded into the window's setup, saved, loaded and saved
//      again, and sent (bytes after the first record are loaded first, so that
//      the setup the file meets varies too);
//   6  a setup text: read, and as a record written as text and read back.
// A broken property aborts; the sanitizers catch undefined behaviour.

#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/format/SetupText.h"
#include "core/format/Windows1252.h"
#include "core/link/TransferProtocol.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/ParameterImage.h"
#include "core/model/ValueEntry.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <variant>

namespace {

// Names the broken property's line before libFuzzer prints the stack.
void check(bool condition, int line = __builtin_LINE()) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_core.cpp:%d: property broken\n", line);
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
    rv::Setup set;
    rv::decodeRecord(input, set);
    check(rv::encodeRecord(set) == asReaderSeesIt(input));

    // The same bytes as a comment box text (any UTF-16, lone surrogates
    // included) must always give a comment field of exactly 1,000 bytes.
    const QString text(reinterpret_cast<const QChar*>(input.constData()), input.size() / 2);
    set.storedComment = rv::commentFieldFromText(text);
    check(rv::Windows1252::encode(set.storedComment).size() == rv::Setup::CommentSize);
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

// Every block of the plan, in order, carries the image entries as they stand
// and the curves with their gaps filled.
void checkSentBlocks(const QList<QByteArray>& texts, bool withChannelTable,
                     const rv::ParameterImage& image, const rv::CurveSet& curves) {
    const QList<rv::TransferProtocol::Block> plan =
        rv::TransferProtocol::transferPlan(withChannelTable);
    check(texts.size() == plan.size());
    for (qsizetype b = 0; b < plan.size(); ++b) {
        const rv::TransferProtocol::Block& block = plan[b];
        const QList<Command> commands = commandsOf(texts[b]);
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
    QList<QByteArray> texts;
    for (const auto& block : rv::TransferProtocol::transferPlan(withChannelTable)) {
        texts.append(rv::TransferProtocol::blockText(block, image, curves));
    }
    checkSentBlocks(texts, withChannelTable, image, curves);
}

// The stream split after each "E": no command letter is an "E".
QList<QByteArray> blocksOf(const QByteArray& stream) {
    QList<QByteArray> blocks;
    qsizetype start = 0;
    for (qsizetype end = stream.indexOf('E'); end >= 0; end = stream.indexOf('E', start)) {
        blocks.append(stream.mid(start, end + 1 - start));
        start = end + 1;
    }
    check(start == stream.size());
    return blocks;
}

// A record either loads or is refused for the first entry the window cannot
// show, and a refusal leaves the window's setup as it was.
std::variant<rv::Setup, rv::Refusal> loadChecked(const rv::Setup& previous,
                                                 const QByteArray& record) {
    const rv::Setup before = previous;
    std::variant<rv::Setup, rv::Refusal> result = rv::applyRecord(previous, record);
    check(previous == before);
    rv::Setup decoded;
    rv::decodeRecord(record, decoded);
    const std::optional<int> unshowable = rv::firstUnshowableEntry(decoded.image);
    if (const auto* refusal = std::get_if<rv::Refusal>(&result)) {
        check(unshowable && refusal->entry == *unshowable &&
              refusal->value == decoded.image.at(*unshowable));
    } else {
        check(!unshowable);
    }
    return result;
}

void checkSetupRoundTrip(const QByteArray& input) {
    rv::Setup previous;
    if (input.size() > rv::RecordSize) {
        auto first = loadChecked(previous, input.mid(rv::RecordSize));
        if (auto* loaded = std::get_if<rv::Setup>(&first)) {
            previous = std::move(*loaded);
        }
    }
    const auto result = loadChecked(previous, input.left(rv::RecordSize));
    const auto* loaded = std::get_if<rv::Setup>(&result);
    if (!loaded) {
        return;
    }

    // What the program saved reads back and saves to the same bytes, and
    // neither the save nor that load leaves anything unsaved.
    const QByteArray saved = rv::recordOf(*loaded);
    check(saved.size() == rv::RecordSize);
    const rv::Setup afterSave = rv::savedSetup(*loaded);
    check(!rv::hasUnsavedChanges(afterSave));
    check(rv::recordOf(afterSave) == saved);
    const auto reopened = loadChecked(afterSave, saved);
    const auto* again = std::get_if<rv::Setup>(&reopened);
    check(again != nullptr);
    check(rv::recordOf(*again) == saved);
    check(!rv::hasUnsavedChanges(*again));

    // What goes out on the wire is what a save would store.
    rv::Setup stored;
    rv::decodeRecord(saved, stored);
    for (const bool withChannelTable : {false, true}) {
        checkSentBlocks(blocksOf(rv::transferStream(*loaded, withChannelTable)), withChannelTable,
                        stored.image, stored.curves);
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

// Any bytes as a text either read or are refused line by line; a text that
// reads gives a record whose own text reads to it again. Any bytes as a record
// come back from their text unchanged.
void checkSetupText(const QByteArray& input) {
    const auto read = rv::recordFromSetupText(input);
    if (const auto* record = std::get_if<QByteArray>(&read)) {
        check(record->size() == rv::RecordSize);
        const auto again = rv::recordFromSetupText(rv::setupText(*record));
        check(std::holds_alternative<QByteArray>(again) && std::get<QByteArray>(again) == *record);
    } else {
        for (const rv::SetupTextError& error : std::get<std::vector<rv::SetupTextError>>(read)) {
            check(error.line >= 0 && !error.message.isEmpty());
        }
    }
    const auto back = rv::recordFromSetupText(rv::setupText(input));
    check(std::holds_alternative<QByteArray>(back) &&
          std::get<QByteArray>(back) == asReaderSeesIt(input));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1),
                                                     static_cast<qsizetype>(size - 1));
    switch (data[0] % 7) {
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
    case 4:
        checkNumberReading(input);
        break;
    case 5:
        checkSetupRoundTrip(input);
        break;
    default:
        checkSetupText(input);
        break;
    }
    return 0;
}
