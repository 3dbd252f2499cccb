// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/CurveSet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace rv {

struct Setup;
struct SettingEntry;

// A setting (catalog entry, channel rows included) that differs, with both
// values as the text form writes them.
struct SettingChange {
    const SettingEntry* setting = nullptr;
    QString before;
    QString after;
};

struct CurveChange {
    int phase = Hover;
    int curveIndex = 0;
    Curve before{};
    Curve after{};
};

// A byte that no setting of the window stands for: an image entry (or the
// bits of one no setting covers) or a byte of the reserved text.
struct ByteChange {
    int index = 0;
    std::uint8_t before = 0;
    std::uint8_t after = 0;
};

// What differs between two parameter file records, or two setups as they
// would be saved. Empty exactly when the records are equal byte for byte.
struct SetupDifferences {
    std::vector<SettingChange> settings; // in catalog order
    std::vector<CurveChange> curves;     // hover curves 0..5, then acro 1..5
    bool commentDiffers = false;
    QString commentBefore; // the comments without their trailing blanks
    QString commentAfter;
    std::vector<ByteChange> unshownEntries; // image indices 0..70
    bool reservedByteDiffers = false;
    std::uint8_t reservedByteBefore = 0;
    std::uint8_t reservedByteAfter = 0;
    std::vector<ByteChange> reservedText; // offsets 0..255 in the reserved text

    bool isEmpty() const;
    // The channel rows among the settings.
    std::vector<SettingChange> channelRows() const;
};

// One line per difference, by the keys of the text form:
// "tail_gain: 50 % -> 63 %", "curve_hover_2_pitch: 0 20 ... -> 0 25 ...",
// "entry_04: 0x5A -> 0x5B", "reserved_text byte 37: 0x00 -> 0x41".
QStringList differenceLines(const SetupDifferences& differences);

SetupDifferences recordDifferences(const QByteArray& before, const QByteArray& after);
// The records a save of each setup would write.
SetupDifferences setupDifferences(const Setup& before, const Setup& after);

} // namespace rv
