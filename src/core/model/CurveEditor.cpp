// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/CurveEditor.h"

#include "core/model/CurveGeometry.h"
#include "core/model/CurveTools.h"
#include "core/model/Setup.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace rv {

using namespace CurveGeometry;

namespace {
bool isRemovableColumn(int column) {
    return column != 0 && column != 5 && column != LastColumn;
}
} // namespace

CurveEditor::CurveEditor(Setup& set, QObject* parent) : QObject(parent), set_(set) {}

bool CurveEditor::fixedPointGuard(int column) const {
    return column == 0 && CurveSet::isHeldAtZero(set_.flightPhase, set_.curveIndex);
}

QString CurveEditor::shownPoint(int column) const {
    const std::int16_t point = editPoints_.at(static_cast<std::size_t>(column));
    return point == RemovedPoint ? QString() : QString::number(shownValue(point, curveScale()));
}

int CurveEditor::shownLimit() const {
    return shownValue(200, curveScale());
}

const Curve* CurveEditor::otherPhaseCurve() const {
    if (set_.pitchMode == 0 || !hasPoints_) {
        return nullptr; // the RPM-controlled heli has the hover phase only
    }
    return set_.curves.at(set_.flightPhase == Hover ? Acro : Hover, set_.curveIndex);
}

void CurveEditor::loadFromCurve(int phase, int index) {
    if (const Curve* curve = set_.curves.at(phase, index)) {
        editPoints_ = *curve;
        hasPoints_ = true;
    }
}

void CurveEditor::showSetup() {
    loadFromCurve(set_.flightPhase, set_.curveIndex);
    showPointReadout(lastColumn_);
    Q_EMIT readoutsChanged();
    Q_EMIT pictureChanged();
}

void CurveEditor::selectCurve(int index) {
    set_.curveIndex = index;
    // Only loads: the previous curve was written back by its last edit.
    loadFromCurve(set_.flightPhase, index);
    writeBackCurve();
    Q_EMIT shownCurveChanged();
}

void CurveEditor::enterPhase(int phase) {
    if (set_.flightPhase == phase) {
        return;
    }
    loadFromCurve(phase, set_.curveIndex);
    set_.flightPhase = phase;
    writeBackCurve();
    Q_EMIT shownCurveChanged();
}

void CurveEditor::writeBackCurve() {
    if (hasPoints_) {
        if (CurveSet::isHeldAtZero(set_.flightPhase, set_.curveIndex)) {
            editPoints_[0] = 0;
        }
        if (Curve* target = set_.curves.at(set_.flightPhase, set_.curveIndex)) {
            *target = editPoints_;
        }
        // The read-out follows every change (click, drag, removal, key, another
        // curve): it must never show a value the curve no longer has.
        showPointReadout(lastColumn_);
        Q_EMIT readoutsChanged();
    }
    Q_EMIT pictureChanged();
    reportEdit();
}

std::optional<int> CurveEditor::valueFromCursorReadout() const {
    if (!cursorReadoutShown_) {
        return std::nullopt;
    }
    // The read-out may stem from a curve of the other scale (the curve was
    // switched by keyboard while the mouse rested): never store beyond 0..200.
    return std::clamp(storedValue(*cursorReadoutShown_, curveScale()), 0, 200);
}

void CurveEditor::setChanged() {
    set_.changed = true;
    editPending_ = true;
}

void CurveEditor::reportEdit() {
    if (std::exchange(editPending_, false)) {
        Q_EMIT curveEdited();
    }
}

void CurveEditor::showPointReadout(int column) {
    const QString shown = shownPoint(column);
    pointReadout_ = shown.isEmpty() ? QStringLiteral("X") : shown;
}

void CurveEditor::selectColumn(int column) {
    if (hasPoints_) {
        showPointReadout(column);
    }
    lastColumn_ = column;
    Q_EMIT readoutsChanged();
}

void CurveEditor::moveMouse(int buttons, double x, double y) {
    const int vv = cursorValueAt(y);
    if (isValidValue(vv)) {
        cursorReadoutShown_ = shownValue(vv, curveScale());
        cursorReadout_ = QString::number(*cursorReadoutShown_);
        Q_EMIT readoutsChanged();
    }
    if (buttons & LeftButton) {
        // Dragging moves the point of the column chosen before the press.
        const auto value = valueFromCursorReadout();
        if (!hasPoints_ || fixedPointGuard(lastColumn_) || !value) {
            return;
        }
        auto& point = editPoints_[static_cast<std::size_t>(lastColumn_)];
        if (point != *value) {
            point = static_cast<std::int16_t>(*value);
            // A drag need not start with a press that set the point (the
            // press may have hit the held column 0): record the edit here too.
            setChanged();
        }
        writeBackCurve();
    } else if (buttons == NoButton) {
        selectColumn(columnAt(x));
    }
    // A right or middle button held alone does not drag: a right click
    // that removed a point must not bring it back on the slightest move.
}

void CurveEditor::pressMouse(int button, double x, double /*y*/) {
    const int c = columnAt(x);
    if (!hasPoints_ || fixedPointGuard(c)) {
        return;
    }
    auto& point = editPoints_[static_cast<std::size_t>(c)];
    if (button == LeftButton) {
        const auto value = valueFromCursorReadout();
        if (!value) {
            return;
        }
        point = static_cast<std::int16_t>(*value);
    } else if (button == RightButton && isRemovableColumn(c)) {
        point = RemovedPoint;
    } else {
        return;
    }
    // The clicked column is the one the read-out and the keys go on with.
    lastColumn_ = c;
    setChanged();
    writeBackCurve();
}

void CurveEditor::pressKey(Key keyCode) {
    if (!hasPoints_) {
        return;
    }
    if (keyCode == KeyLeft || keyCode == KeyRight) {
        selectColumn(std::clamp(lastColumn_ + (keyCode == KeyLeft ? -1 : 1), 0, LastColumn));
        Q_EMIT pictureChanged();
        return;
    }
    auto& point = editPoints_[static_cast<std::size_t>(lastColumn_)];
    if (keyCode == KeyDelete || keyCode == KeyInsert) {
        if (fixedPointGuard(lastColumn_)) {
            return;
        }
        if (keyCode == KeyDelete && isRemovableColumn(lastColumn_) && point != RemovedPoint) {
            point = RemovedPoint;
        } else if (keyCode == KeyInsert && point == RemovedPoint) {
            point = FillCurveGaps(editPoints_)[static_cast<std::size_t>(lastColumn_)];
        } else {
            return;
        }
        setChanged();
        writeBackCurve();
        return;
    }
    if (fixedPointGuard(lastColumn_) || point == RemovedPoint) {
        return;
    }
    if (keyCode == KeyUp || keyCode == KeyDown) {
        if (keyCode == KeyUp && point < 200) {
            ++point;
        } else if (keyCode == KeyDown && point > 0) {
            --point;
        }
        setChanged();
    }
    writeBackCurve();
}

CurveEditor::PointEntry CurveEditor::typePoint(int column, const QString& text) {
    if (!hasPoints_ || column < 0 || column > LastColumn || text.trimmed() == shownPoint(column)) {
        return PointEntry::Unchanged;
    }
    if (fixedPointGuard(column)) {
        return PointEntry::Held;
    }
    auto& point = editPoints_[static_cast<std::size_t>(column)];
    std::int16_t wanted = RemovedPoint;
    if (text.trimmed().isEmpty()) {
        if (!isRemovableColumn(column)) {
            return PointEntry::NotRemovable;
        }
    } else {
        const auto number = CurveTools::readWholeNumber(text);
        if (!number) {
            return PointEntry::NotANumber;
        }
        if (std::abs(*number) > shownLimit()) {
            return PointEntry::OutOfRange;
        }
        wanted = static_cast<std::int16_t>(storedValueForTyped(*number, curveScale()));
    }
    if (point == wanted) {
        return PointEntry::Unchanged;
    }
    point = wanted;
    lastColumn_ = column;
    setChanged();
    writeBackCurve();
    return wanted == RemovedPoint ? PointEntry::Removed : PointEntry::Set;
}

bool CurveEditor::replacePoints(const Curve& points) {
    if (!hasPoints_ || set_.curves.at(set_.flightPhase, set_.curveIndex) == nullptr) {
        return false;
    }
    Curve next = points;
    if (CurveSet::isHeldAtZero(set_.flightPhase, set_.curveIndex)) {
        next[0] = 0;
    }
    if (next == editPoints_) {
        return false;
    }
    editPoints_ = next;
    setChanged();
    writeBackCurve();
    return true;
}

bool CurveEditor::copyCurve(int fromPhase) {
    const int toPhase = fromPhase == Hover ? Acro : Hover;
    const Curve* source = set_.curves.at(fromPhase, set_.curveIndex);
    Curve* target = set_.curves.at(toPhase, set_.curveIndex);
    if (otherPhaseCurve() == nullptr || source == nullptr || target == nullptr) {
        return false;
    }
    if (toPhase == set_.flightPhase) {
        return replacePoints(*source);
    }
    // The target is the faint curve: held as the editor would hold it.
    Curve copy = *source;
    if (CurveSet::isHeldAtZero(toPhase, set_.curveIndex)) {
        copy[0] = 0;
    }
    if (*target == copy) {
        return false;
    }
    *target = copy;
    setChanged();
    Q_EMIT pictureChanged();
    reportEdit();
    return true;
}

} // namespace rv
