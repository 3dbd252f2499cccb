// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveSet.h"

#include "core/model/Rounding.h"

#include <stdexcept>

namespace rv {

namespace {
constexpr std::string_view HoverLetters = "MTAGNR";
constexpr std::string_view AcroLetters{"\0tagnr", 6}; // no acro curve 0
} // namespace

bool CurveSet::isValidLetter(char letter) {
    return letter != '\0' && SendOrder.find(letter) != std::string_view::npos;
}

char CurveSet::letterOf(int phase, int curveIndex) {
    if (curveIndex < 0 || curveIndex > 5) {
        return '\0';
    }
    if (phase == Hover) {
        return HoverLetters[static_cast<std::size_t>(curveIndex)];
    }
    if (phase == Acro && curveIndex > 0) {
        return AcroLetters[static_cast<std::size_t>(curveIndex)];
    }
    return '\0';
}

bool CurveSet::isHeldAtZero(int phase, int curveIndex) {
    return phase == Hover && (curveIndex == 0 || curveIndex == 3);
}

double CurveSet::scaleOf(int curveIndex) {
    return (curveIndex == 4 || curveIndex == 5) ? 1.25 : 1.0;
}

int CurveSet::slotOf(char letter) {
    const auto pos = SendOrder.find(letter);
    if (letter == '\0' || pos == std::string_view::npos) {
        throw std::out_of_range("no curve with this letter");
    }
    return static_cast<int>(pos);
}

Curve& CurveSet::byLetter(char letter) {
    return curves_.at(static_cast<std::size_t>(slotOf(letter)));
}

const Curve& CurveSet::byLetter(char letter) const {
    return curves_.at(static_cast<std::size_t>(slotOf(letter)));
}

Curve* CurveSet::at(int phase, int curveIndex) {
    const char letter = letterOf(phase, curveIndex);
    return letter == '\0' ? nullptr : &byLetter(letter);
}

const Curve* CurveSet::at(int phase, int curveIndex) const {
    const char letter = letterOf(phase, curveIndex);
    return letter == '\0' ? nullptr : &byLetter(letter);
}

Curve FillCurveGaps(const Curve& curve) {
    Curve send = curve;
    int gap = 1;
    for (int i = 1; i < CurvePoints; ++i) {
        if (send[static_cast<std::size_t>(i)] == RemovedPoint) {
            ++gap;
        } else if (gap > 1) {
            const int p = i - gap;
            const double right = send[static_cast<std::size_t>(i)];
            const double step = (right - send[static_cast<std::size_t>(p)]) / gap;
            for (int j = gap - 1; j >= 1; --j) {
                send[static_cast<std::size_t>(i - j)] =
                    static_cast<std::int16_t>(roundHalfEven(right - j * step));
            }
            gap = 1;
        }
    }
    return send;
}

} // namespace rv
