// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace rv::Windows1252 {

// Text fields of parameter files are Windows-1252 bytes: files come from and
// go to Windows PCs. Decoding maps every byte to exactly one character (the
// five bytes Windows-1252 leaves undefined, 0x81 0x8D 0x8F 0x90 0x9D, become
// U+0081 .. U+009D), so decoding and encoding again reproduces any byte.
QString decode(const QByteArray& bytes);

// One byte per character (per code point: a pair of surrogates is one
// character); a character Windows-1252 cannot hold becomes "?".
QByteArray encode(const QString& text);

// The byte for one code point, or '?' when Windows-1252 has none.
char encodeCodePoint(char32_t codePoint);

} // namespace rv::Windows1252
