// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/ParameterRecord.h"

#include "core/format/Windows1252.h"

#include <QtEndian>

#include <algorithm>
#include <string_view>

namespace rv {

static_assert(RecordOffset::FirstCurves == ParameterImage::Size);
static_assert(RecordOffset::ReservedByte ==
              RecordOffset::FirstCurves +
                  RecordOffset::CurveBytes * int(CurveSet::FileOrderFirst.size()));
static_assert(RecordOffset::SecondCurves == RecordOffset::ReservedText + Setup::ReservedTextSize);
static_assert(RecordOffset::Comment ==
              RecordOffset::SecondCurves +
                  RecordOffset::CurveBytes * int(CurveSet::FileOrderSecond.size()));
static_assert(RecordSize == RecordOffset::Comment + Setup::CommentSize);

namespace {

// Field bytes padded or cut to exactly `size`.
QByteArray fitted(QByteArray bytes, int size, char fill) {
    if (bytes.size() > size) {
        bytes.truncate(size);
    } else if (bytes.size() < size) {
        bytes.append(size - bytes.size(), fill);
    }
    return bytes;
}

void writeCurves(char* out, const CurveSet& curves, std::string_view letters) {
    for (const char letter : letters) {
        for (const std::int16_t point : curves.byLetter(letter)) {
            qToLittleEndian(point, out);
            out += sizeof(point);
        }
    }
}

void readCurves(const char* in, CurveSet& curves, std::string_view letters) {
    for (const char letter : letters) {
        for (std::int16_t& point : curves.byLetter(letter)) {
            point = qFromLittleEndian<std::int16_t>(in);
            in += sizeof(point);
        }
    }
}

// What a record reads as where a file ends early: zeros, and a blank comment.
QByteArray blankRecord() {
    QByteArray record(RecordSize, '\0');
    std::fill(record.begin() + RecordOffset::Comment, record.end(), ' ');
    return record;
}

} // namespace

QByteArray encodeRecord(const Setup& set) {
    QByteArray record(RecordSize, '\0');
    char* data = record.data();

    const auto& image = set.image.bytes();
    std::copy(image.begin(), image.end(), data + RecordOffset::Image);
    writeCurves(data + RecordOffset::FirstCurves, set.curves, CurveSet::FileOrderFirst);
    data[RecordOffset::ReservedByte] = static_cast<char>(set.reservedByte);
    const QByteArray reserved = fitted(set.reservedText, Setup::ReservedTextSize, '\0');
    std::copy(reserved.begin(), reserved.end(), data + RecordOffset::ReservedText);
    writeCurves(data + RecordOffset::SecondCurves, set.curves, CurveSet::FileOrderSecond);
    // Fitted again here so that a comment not prepared by commentFieldFromText
    // still cannot shift or overrun the record.
    const QByteArray comment =
        fitted(Windows1252::encode(set.storedComment), Setup::CommentSize, ' ');
    std::copy(comment.begin(), comment.end(), data + RecordOffset::Comment);
    return record;
}

void decodeRecord(const QByteArray& bytes, Setup& set) {
    QByteArray record = blankRecord();
    const auto available = std::min<qsizetype>(bytes.size(), RecordSize);
    std::copy(bytes.begin(), bytes.begin() + available, record.begin());
    const char* data = record.constData();

    auto& image = set.image.bytes();
    std::copy(data + RecordOffset::Image, data + RecordOffset::Image + ParameterImage::Size,
              reinterpret_cast<char*>(image.data()));
    readCurves(data + RecordOffset::FirstCurves, set.curves, CurveSet::FileOrderFirst);
    set.reservedByte = static_cast<std::uint8_t>(data[RecordOffset::ReservedByte]);
    set.reservedText = record.mid(RecordOffset::ReservedText, Setup::ReservedTextSize);
    readCurves(data + RecordOffset::SecondCurves, set.curves, CurveSet::FileOrderSecond);
    set.storedComment = Windows1252::decode(record.mid(RecordOffset::Comment, Setup::CommentSize));
}

QString commentTextFromField(const QString& field) {
    qsizetype end = field.size();
    while (end > 0 && field.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return field.left(end);
}

QString withWindowsLineBreaks(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            result += QStringLiteral("\r\n");
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
        } else {
            result += c;
        }
    }
    return result;
}

int storedCommentLength(QChar boxCharacter) {
    const bool lineBreak = boxCharacter == QChar::ParagraphSeparator ||
                           boxCharacter == QChar::LineSeparator ||
                           boxCharacter == QLatin1Char('\n');
    return lineBreak ? 2 : 1;
}

int storedCommentLength(QStringView boxText) {
    int length = 0;
    for (const QChar c : boxText) {
        length += storedCommentLength(c);
    }
    return length;
}

QString commentBoxTextFromField(const QString& field) {
    QString text = withWindowsLineBreaks(commentTextFromField(field));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

namespace {
// Characters, with a surrogate pair as one.
qsizetype characterCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++count) {
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2
                                                                                                : 1;
    }
    return count;
}
} // namespace

QString commentFieldFromText(const QString& boxText) {
    QString text = boxText;
    if (characterCount(text) > Setup::CommentSize) {
        QString withLineFeeds = text;
        withLineFeeds.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (characterCount(withLineFeeds) <= Setup::CommentSize) {
            text = withLineFeeds;
        }
    }
    QString field;
    int characters = 0;
    for (qsizetype i = 0; i < text.size() && characters < Setup::CommentSize; ++characters) {
        // Keep a surrogate pair together: it is one character.
        const qsizetype length =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2
                                                                                               : 1;
        field.append(text.mid(i, length));
        i += length;
    }
    field.append(QString(Setup::CommentSize - characters, QLatin1Char(' ')));
    return field;
}

} // namespace rv
