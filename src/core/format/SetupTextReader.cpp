// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/SetupText.h"

#include "core/format/ParameterRecord.h"
#include "core/format/SetupTextFormat.h"
#include "core/format/Windows1252.h"
#include "core/model/CurveGeometry.h"
#include "core/model/FlightPhaseValues.h"
#include "core/model/OptionFields.h"
#include "core/model/SettingCatalog.h"
#include "core/model/Setup.h"
#include "core/model/SliderTable.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

#include <functional>
#include <limits>

namespace rv {

using namespace SetupTextFormat;

namespace {

// The context of this file's texts in the translations.
struct SetupText {
    Q_DECLARE_TR_FUNCTIONS(rv::SetupText)
};

} // namespace

namespace {

using ValueReader = std::function<std::optional<QString>(const QString& value, Setup& fields)>;

// What a key's value must look like, and where it goes; the message says
// what was expected when the value is bad.
struct KeyReader {
    ValueReader read;
};

std::optional<std::uint8_t> hexValue(QStringView text) {
    QStringView digits = text.trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
    }
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (digits.isEmpty() || digits.size() > 2 || !ok) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

QString valueHint(const SettingEntry& setting) {
    ParameterImage image;
    const auto shownFor = [&setting, &image](std::uint8_t byte) {
        storeSettingBits(setting, byte, image);
        return shownValue(setting, image);
    };
    switch (setting.kind) {
    case SettingKind::Slider:
        return shownFor(
                   SliderArithmetic::byteForPosition(*setting.slider, setting.slider->minimum)) +
               QStringLiteral(" \u2026 ") +
               shownFor(
                   SliderArithmetic::byteForPosition(*setting.slider, setting.slider->maximum));
    case SettingKind::SwitchTime:
        return shownFor(0) + QStringLiteral(" \u2026 ") +
               shownFor(FlightPhaseValues::MaxSwitchTenths);
    case SettingKind::GovernorSpeed:
        return shownFor(FlightPhaseValues::MinSpeed / 10) + QStringLiteral(" \u2026 ") +
               shownFor(FlightPhaseValues::MaxSpeed / 10);
    case SettingKind::Option: {
        QStringList names;
        for (int option = 0; option < setting.options->field.count; ++option) {
            names << QString::fromUtf8(
                setting.options->captions.at(static_cast<std::size_t>(option)));
        }
        return names.join(QStringLiteral(" | "));
    }
    case SettingKind::ServoReverse:
        return shownFor(Setup::ServoNormal) + QStringLiteral(" | ") +
               shownFor(Setup::ServoReversed);
    case SettingKind::Channel:
        break;
    }
    return {};
}

KeyReader settingReader(const SettingEntry& setting) {
    return {[&setting](const QString& value, Setup& fields) -> std::optional<QString> {
        const std::optional<std::uint8_t> bits = bitsForExactValue(setting, value);
        if (!bits) {
            return setting.kind == SettingKind::Channel
                       ? SetupText::tr(
                             "expected a channel 1 to 9 or \"none\", followed by \"reversed\" "
                             "if reversed")
                       : SetupText::tr("expected %1").arg(valueHint(setting));
        }
        storeSettingBits(setting, *bits, fields.image);
        return std::nullopt;
    }};
}

QString pointsExpected() {
    return SetupText::tr("expected 11 points, each a whole number or \"-\" for a removed point");
}

// The stored point a shown number stands for. The window's mapping is
// searched rather than turned round by hand, so that reading gives back
// exactly what the window shows; it rises with every stored value.
std::variant<std::int16_t, QString> storedPoint(int shown, double scale) {
    using Limits = std::numeric_limits<std::int16_t>;
    const auto shownAt = [scale](int value) { return CurveGeometry::shownValue(value, scale); };
    if (shown < shownAt(Limits::min()) || shown > shownAt(Limits::max())) {
        return pointsExpected();
    }
    int low = Limits::min(); // the first stored value shown as `shown` or above
    int high = Limits::max();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (shownAt(middle) < shown) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    const bool exact = shownAt(low) == shown;
    if (exact && low != RemovedPoint) {
        return static_cast<std::int16_t>(low);
    }
    // The removed point's number is "-", never its value.
    int below = low - 1;
    int above = exact ? low + 1 : low;
    below -= below == RemovedPoint ? 1 : 0;
    above += above == RemovedPoint ? 1 : 0;
    return SetupText::tr("%1 is not a value of this curve; %2 or %3")
        .arg(shown)
        .arg(shownAt(below))
        .arg(shownAt(above));
}

// Version 1 texts hold the stored values themselves, later ones the numbers
// the window shows.
KeyReader curveReader(int phase, int curveIndex, const int& version) {
    return {[phase, curveIndex, &version](const QString& value,
                                          Setup& fields) -> std::optional<QString> {
        const QStringList points = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString expected = pointsExpected();
        if (points.size() != CurvePoints) {
            return expected;
        }
        Curve curve{};
        for (qsizetype i = 0; i < points.size(); ++i) {
            std::int16_t& point = curve.at(static_cast<std::size_t>(i));
            if (points.at(i) == QLatin1String("-")) {
                point = RemovedPoint;
                continue;
            }
            bool ok = false;
            if (version == StoredPointsVersion) {
                point = points.at(i).toShort(&ok);
                if (!ok) {
                    return expected;
                }
                continue;
            }
            const int shown = points.at(i).toInt(&ok);
            if (!ok) {
                return expected;
            }
            const auto stored = storedPoint(shown, CurveSet::scaleOf(curveIndex));
            if (const auto* problem = std::get_if<QString>(&stored)) {
                return *problem;
            }
            point = std::get<std::int16_t>(stored);
        }
        *fields.curves.at(phase, curveIndex) = curve;
        return std::nullopt;
    }};
}

std::optional<QString> expectedHexByte() {
    return SetupText::tr("expected one byte in hex, such as 0x1F");
}

KeyReader entryReader(int index) {
    return {[index](const QString& value, Setup& fields) -> std::optional<QString> {
        const std::optional<std::uint8_t> byte = hexValue(value);
        const std::uint8_t unshown = unshownBits(index);
        if (!byte || (*byte & ~unshown) != 0) {
            return expectedHexByte();
        }
        fields.image.set(index,
                         static_cast<std::uint8_t>((fields.image.at(index) & ~unshown) | *byte));
        return std::nullopt;
    }};
}

KeyReader reservedTextReader(int offset) {
    return {[offset](const QString& value, Setup& fields) -> std::optional<QString> {
        const QStringList bytes = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QByteArray read;
        for (const QString& text : bytes) {
            const std::optional<std::uint8_t> byte =
                text.size() == 2 ? hexValue(text) : std::nullopt;
            if (!byte) {
                break;
            }
            read.append(static_cast<char>(*byte));
        }
        if (bytes.size() != ReservedTextLine || read.size() != ReservedTextLine) {
            return SetupText::tr("expected %1 bytes in hex").arg(ReservedTextLine);
        }
        fields.reservedText.replace(offset, ReservedTextLine, read);
        return std::nullopt;
    }};
}

// Every key but the comment's and the version's, each read once.
QHash<QString, KeyReader> keyReaders(const int& version) {
    QHash<QString, KeyReader> readers;
    for (const SettingEntry& setting : settingCatalog()) {
        readers.insert(QLatin1String(setting.key), settingReader(setting));
    }
    for (int phase : {Hover, Acro}) {
        for (int curveIndex = 0; curveIndex < 6; ++curveIndex) {
            if (CurveSet::letterOf(phase, curveIndex) != '\0') {
                readers.insert(curveKey(phase, curveIndex),
                               curveReader(phase, curveIndex, version));
            }
        }
    }
    for (int index = 0; index < ParameterImage::Size; ++index) {
        if (unshownBits(index) != 0) {
            readers.insert(imageEntryKey(index), entryReader(index));
        }
    }
    readers.insert(QStringLiteral("reserved_byte"),
                   {[](const QString& value, Setup& fields) -> std::optional<QString> {
                       const std::optional<std::uint8_t> byte = hexValue(value);
                       if (!byte) {
                           return expectedHexByte();
                       }
                       fields.reservedByte = *byte;
                       return std::nullopt;
                   }});
    for (int offset = 0; offset < Setup::ReservedTextSize; offset += ReservedTextLine) {
        readers.insert(reservedTextKey(offset), reservedTextReader(offset));
    }
    return readers;
}

// A comment line with its escapes resolved, or what is wrong with it.
std::variant<QString, QString> unescapedCommentLine(const QString& line) {
    QString text;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        const QChar next = i + 1 < line.size() ? line.at(i + 1) : QChar();
        if (next == QLatin1Char('\\') || next == QLatin1Char('r') || next == QLatin1Char('n') ||
            next == QLatin1Char('t')) {
            text += next == QLatin1Char('\\')  ? QChar(u'\\')
                    : next == QLatin1Char('r') ? QChar(u'\r')
                    : next == QLatin1Char('n') ? QChar(u'\n')
                                               : QChar(u'\t');
            ++i;
            continue;
        }
        const std::optional<std::uint8_t> byte =
            next == QLatin1Char('x') ? hexValue(QStringView(line).mid(i + 2, 2)) : std::nullopt;
        if (!byte || line.mid(i + 2, 2).size() != 2) {
            return std::variant<QString, QString>(
                std::in_place_index<1>, SetupText::tr("unknown escape \"%1\"").arg(line.mid(i, 4)));
        }
        text += QChar(*byte);
        i += 3;
    }
    return std::variant<QString, QString>(std::in_place_index<0>, text);
}

// The first character of a comment that Windows-1252 has no byte for.
std::optional<QString> unstorableCharacter(const QString& text) {
    for (char32_t c : text.toUcs4()) {
        if (Windows1252::encodeCodePoint(c) == '?' && c != U'?') {
            return QString::fromUcs4(&c, 1);
        }
    }
    return std::nullopt;
}

class TextReader {
public:
    TextReader() : readers_(keyReaders(version_)) {}
    TextReader(const TextReader&) = delete; // its readers hold on to version_
    TextReader& operator=(const TextReader&) = delete;

    void readLine(int number, const QString& line) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
            return;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            return fail(number, SetupText::tr("expected \"key = value\""));
        }
        const QString key = line.left(equals).trimmed();
        QString value = line.mid(equals + 1);
        if (value.startsWith(QLatin1Char(' '))) {
            value.remove(0, 1);
        }
        if (!versionSeen_) {
            versionSeen_ = true;
            versionLine_ = number;
            const QString given = value.trimmed();
            if (key == QLatin1String("version") && given == QString::number(StoredPointsVersion)) {
                version_ = StoredPointsVersion;
            } else if (key != QLatin1String("version") || given != QString::number(Version)) {
                fail(number, versionExpected());
            }
            return;
        }
        if (key == commentKey()) {
            return readCommentLine(number, value);
        }
        const auto reader = readers_.constFind(key);
        if (reader == readers_.cend()) {
            return fail(number, key == QLatin1String("version")
                                    ? SetupText::tr("\"%1\" is given twice, first in line %2")
                                          .arg(key)
                                          .arg(versionLine_)
                                    : SetupText::tr("unknown key \"%1\"").arg(key));
        }
        if (const auto first = firstLines_.constFind(key); first != firstLines_.cend()) {
            return fail(
                number,
                SetupText::tr("\"%1\" is given twice, first in line %2").arg(key).arg(*first));
        }
        firstLines_.insert(key, number);
        if (const std::optional<QString> problem = reader->read(value.trimmed(), fields_)) {
            fail(number, *problem);
        }
    }

    void fail(int number, const QString& message) { errors_.push_back({number, message}); }

    std::variant<QByteArray, std::vector<SetupTextError>> result() {
        if (!versionSeen_) {
            fail(0, versionExpected());
        }
        finishComment();
        QStringList missing;
        for (auto it = readers_.cbegin(); it != readers_.cend(); ++it) {
            if (!firstLines_.contains(it.key())) {
                missing << it.key();
            }
        }
        if (commentLines_.isEmpty()) {
            missing << commentKey();
        }
        if (!missing.isEmpty() && versionSeen_) {
            missing.sort();
            fail(0, SetupText::tr("missing: %1").arg(missing.join(QStringLiteral(", "))));
        }
        if (!errors_.empty()) {
            return errors_;
        }
        return encodeRecord(fields_);
    }

private:
    static QString versionExpected() {
        return SetupText::tr("expected \"version = 2\" or \"version = 1\" as the first setting");
    }

    void readCommentLine(int number, const QString& value) {
        auto line = unescapedCommentLine(value);
        if (const auto* problem = std::get_if<1>(&line)) {
            return fail(number, *problem);
        }
        const QString& text = std::get<0>(line);
        if (const std::optional<QString> character = unstorableCharacter(text)) {
            return fail(
                number,
                SetupText::tr("\"%1\" cannot be stored in a parameter file").arg(*character));
        }
        commentLines_ << text;
        lastCommentLine_ = number;
    }

    void finishComment() {
        const QString comment = commentLines_.join(QStringLiteral("\r\n"));
        const qsizetype length = comment.toUcs4().size();
        if (length > Setup::CommentSize) {
            return fail(lastCommentLine_,
                        SetupText::tr("the comment has %n characters, but at most %1 fit", nullptr,
                                      static_cast<int>(length))
                            .arg(Setup::CommentSize));
        }
        fields_.storedComment = comment + QString(Setup::CommentSize - length, QLatin1Char(' '));
    }

    int version_ = Version; // the readers look at it: declared before them
    QHash<QString, KeyReader> readers_;
    QHash<QString, int> firstLines_;
    QStringList commentLines_;
    int lastCommentLine_ = 0;
    bool versionSeen_ = false;
    int versionLine_ = 0;
    Setup fields_;
    std::vector<SetupTextError> errors_;
};

} // namespace

std::variant<QByteArray, std::vector<SetupTextError>> recordFromSetupText(const QByteArray& text) {
    TextReader reader;
    QByteArray bytes = text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3); // a byte order mark some editors put first
    }
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(line);
        const int number = static_cast<int>(i + 1);
        if (decoder.hasError()) {
            reader.fail(number, SetupText::tr("the line is not UTF-8 text"));
        } else {
            reader.readLine(number, decoded);
        }
    }
    return reader.result();
}

} // namespace rv
