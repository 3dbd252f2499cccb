// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"

#include <QByteArray>
#include <QString>

namespace rv {

// A parameter file is one fixed record of 1,570 bytes without header:
//   0 image (71) | 71 curves M T A G t a g (7 x 22) | 225 reserved byte |
//   226 reserved text (256) | 482 curves N R n r (4 x 22) | 570 comment (1000)
// Curve points are little-endian int16; text is Windows-1252.
constexpr int RecordSize = 1570;

namespace RecordOffset {
constexpr int Image = 0;
constexpr int FirstCurves = 71;
constexpr int ReservedByte = 225;
constexpr int ReservedText = 226;
constexpr int SecondCurves = 482;
constexpr int Comment = 570;
constexpr int CurveBytes = 22;
} // namespace RecordOffset

// The record of the set's image, curves, reserved fields and comment text;
// always exactly RecordSize bytes.
QByteArray encodeRecord(const Setup& set);

// Fills image, curves, reservedByte, reservedText and commentText from a
// record. Nothing is checked: any byte and any int16 is taken as it is.
// Bytes beyond the end of a short record read as 0, the comment as blanks;
// bytes after RecordSize are ignored.
void decodeRecord(const QByteArray& bytes, Setup& set);

// The comment field for a comment box text (line breaks as CR LF): cut after
// 1,000 characters and filled with blanks to 1,000 (a character outside the BMP
// counts as one). A text that only fits with its line breaks as LF alone, an
// edited comment from a file with such line ends, is stored so, not cut.
QString commentFieldFromText(const QString& text);

// The comment as the comment box shows it: the field without its trailing blanks.
QString commentTextFromField(const QString& field);

// The comment field as the comment box is given it on a load: without its
// trailing blanks, every line break (CR LF, or a lone CR or LF) as one LF.
QString commentBoxTextFromField(const QString& field);

// A comment with every line break (CR LF, or a lone CR or LF) as CR LF: what a
// comment box gives back after showing it.
QString withWindowsLineBreaks(const QString& text);

// The characters a comment takes in the file: a line break of the box (a
// paragraph or line separator, or LF) is CR LF there, two of the 1,000.
int storedCommentLength(QStringView boxText);
int storedCommentLength(QChar boxCharacter);

} // namespace rv
