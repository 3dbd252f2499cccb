// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/Windows1252.h"

#include <QList>

#include <array>

namespace rv::Windows1252 {

namespace {

// Characters of the bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char16_t charOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return HighControlRange[byte - 0x80];
    }
    return byte; // 0x00..0x7F and 0xA0..0xFF are the same as Latin-1
}

} // namespace

QString decode(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        text[i] = QChar(charOfByte(static_cast<unsigned char>(bytes[i])));
    }
    return text;
}

char encodeCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

QByteArray encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    // toUcs4 turns a surrogate pair into one code point and a lone surrogate
    // into U+FFFD, so each character yields exactly one byte.
    for (char32_t codePoint : text.toUcs4()) {
        bytes.append(encodeCodePoint(codePoint));
    }
    return bytes;
}

} // namespace rv::Windows1252
