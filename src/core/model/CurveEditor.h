// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/CurveSet.h"
#include "core/model/Setup.h"

#include <QObject>
#include <QString>

#include <optional>

namespace rv {

// State and operations of the curve editor in logical picture coordinates
// (see CurveGeometry). The picture widget only converts pixels and paints;
// everything that decides what happens to a curve lives here.
class CurveEditor : public QObject {
    Q_OBJECT
public:
    enum MouseButton : int { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    // KeyOther is any key the editor does not use. Delete removes the point
    // of the current column as a right click does; Insert puts a removed
    // point back where the filled curve runs, so the unit's curve stays.
    enum Key { KeyOther, KeyLeft, KeyUp, KeyRight, KeyDown, KeyInsert, KeyDelete };

    // What typing a value into a point field did.
    enum class PointEntry { Set, Removed, Unchanged, NotANumber, OutOfRange, NotRemovable, Held };

    explicit CurveEditor(Setup& set, QObject* parent = nullptr);

    int curveIndex() const { return set_.curveIndex; }
    int flightPhase() const { return set_.flightPhase; }
    double curveScale() const { return CurveSet::scaleOf(set_.curveIndex); }
    // False until the first curve has been taken up.
    bool hasPoints() const { return hasPoints_; }
    const Curve& editPoints() const { return editPoints_; }
    int lastColumn() const { return lastColumn_; }
    const QString& pointReadout() const { return pointReadout_; }
    const QString& cursorReadout() const { return cursorReadout_; }
    // Point 0 of the hover throttle curves cannot be edited.
    bool fixedPointGuard(int column) const;
    // The number a point field shows for a column; empty for a removed point.
    QString shownPoint(int column) const;
    // The largest number shown on the current curve's value axis: 100 or 125.
    int shownLimit() const;
    // The same curve in the other flight phase, drawn faintly behind this one;
    // nullptr where the heli type has no phases or the curve has no twin.
    const Curve* otherPhaseCurve() const;

    // Selects curve index (0..5) of the current phase and takes it up.
    void selectCurve(int index);
    // Writes the edit buffer back into its curve and asks for a redraw.
    void writeBackCurve();
    void moveMouse(int buttons, double x, double y);
    void pressMouse(int button, double x, double y);
    void pressKey(Key keyCode);
    // A typed value (as shown) for one point; an empty text removes it.
    PointEntry typePoint(int column, const QString& text);
    // Replaces the whole curve in one edit (a curve tool); the held point stays
    // held. False when nothing changed.
    bool replacePoints(const Curve& points);
    // Copies the selected curve from one flight phase into the other; false
    // when nothing changed or the curve has no twin.
    bool copyCurve(int fromPhase);

    // Switches to a flight phase, taking up that phase's curve; nothing
    // happens when the phase is already current.
    void enterPhase(int phase);
    // Takes up the setup's phase and curve, writing nothing back.
    void showSetup();

Q_SIGNALS:
    // The buffer or the scale changed: the picture must be drawn again.
    void pictureChanged();
    // IstValue, SollValue or LastColumn changed.
    void readoutsChanged();
    // A curve of the setup has been edited (once it is written back).
    void curveEdited();
    // The setup's phase or curve shown changed: no edit of its own.
    void shownCurveChanged();

private:
    void loadFromCurve(int phase, int index);
    void selectColumn(int column);
    void showPointReadout(int column);
    // The point value for the number SollValue shows; none before it has shown one.
    std::optional<int> valueFromCursorReadout() const;
    void setChanged();
    // Reports an edit that setChanged noted.
    void reportEdit();

    Setup& set_;
    bool editPending_ = false;
    Curve editPoints_{};
    bool hasPoints_ = false;
    int lastColumn_ = 0;
    QString pointReadout_;
    QString cursorReadout_;
    std::optional<int> cursorReadoutShown_;
};

} // namespace rv
