// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/CurveSet.h"
#include "core/model/ParameterImage.h"

#include <QList>

namespace rv {

// How the window shows a value: the byte itself, tenths of a second,
// ten times the byte (rpm, milliseconds), a percent-slider position, or a
// curve point as the curve editor shows it.
enum class ShownAs { Byte, Tenths, TimesTen, PercentPosition, CurvePoint };

struct SettingEntry;

// One value of the set that the unit does not expect. Whoever shows it names
// it after its setting, or after its phase and curve.
struct OutOfRangeValue {
    const SettingEntry* setting = nullptr; // nullptr for a curve point
    int index = -1;                        // image index, or -1 for a curve point
    char curveLetter = '\0';
    int phase = -1;      // a curve point's flight phase
    int curveIndex = -1; // the curve's place in the curve selection
    int point = -1;      // curve point 0..10
    int value = 0;       // the byte or the curve point as held
    ShownAs shown = ShownAs::Byte;
};

// Every value a transfer would send that lies outside what the unit expects:
// image entries against their ranges (the channel entries only when the
// channel table goes along), curve points against 0..200 or removed. In
// index order, then the curves in sending order.
QList<OutOfRangeValue> outOfRangeValues(const ParameterImage& image, const CurveSet& curves,
                                        bool withChannelTable);

} // namespace rv
