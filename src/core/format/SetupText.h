// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/CurveSet.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

namespace rv {

// The text form of a parameter file: UTF-8, one setting a line, readable by
// a pilot and exact to the byte (docs/text-format.md).

// A text longer than this is no setup text; the readers refuse it unread.
constexpr qint64 MaxSetupTextSize = 256 * 1024;

struct SetupTextError {
    int line = 0; // 1-based; 0 for the text as a whole (a missing line)
    QString message;

    // "Line 12: unknown key "tail_gian"", in the program's language.
    QString toString() const;
};

// The text form of a file's bytes as they load (a short file as its record).
QByteArray setupText(const QByteArray& record);

// The record a text stands for, or every bad line: then nothing is made.
std::variant<QByteArray, std::vector<SetupTextError>> recordFromSetupText(const QByteArray& text);

// Reads a setup text file with the refusals of a parameter file (a folder,
// a pipe or a device), and refuses one too large to be a setup text.
bool readSetupTextFile(const QString& path, QByteArray& text, QString* reason);

// Names and values as the text writes them, for lists of differences.
QString curveKey(int phase, int curveIndex); // "curve_hover_2_pitch"
QString imageEntryKey(int index);            // "entry_04"
// The points as the window shows them: "-100 -80 - -40 ...".
QString curvePointsText(const Curve& curve, int curveIndex);
QString escapedComment(const QString& text); // line breaks and controls as escapes
QString hexByteText(std::uint8_t byte);      // "0x5A"

} // namespace rv
