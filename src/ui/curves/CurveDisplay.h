// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;

namespace rv {

class CurveEditor;
class CurvePicture;
class CurvePointRow;
class CurveToolButton;

// fraKurvenAnzeige: the curve picture with its title, value-axis labels,
// point fields, tools, the stick-axis caption and the read-outs IstValue and
// SollValue.
class CurveDisplay : public QFrame {
    Q_OBJECT
public:
    explicit CurveDisplay(CurveEditor& editor, QWidget* parent = nullptr);

    CurvePicture* picture() const { return picture_; }
    CurvePointRow* pointRow() const { return pointRow_; }
    CurveToolButton* tools() const { return tools_; }
    // Names the curve and phase shown ("Pitch Curve, Hover").
    void setTitle(const QString& title);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& text);
    void retranslate();
    // The second half of the redraw: scale marks, grid, picture.
    void redraw();
    void showReadouts();
    // Keeps the value-axis labels beside the grid lines they name.
    void placeAxisLabels();

    CurveEditor& editor_;
    CurvePicture* picture_ = nullptr;
    CurvePointRow* pointRow_ = nullptr;
    CurveToolButton* tools_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* plus100_ = nullptr;
    QLabel* zero_ = nullptr;
    QLabel* minus100_ = nullptr;
    QLabel* plus101_ = nullptr;
    QLabel* minus101_ = nullptr;
    QLabel* stickTravel_ = nullptr;
    QLabel* curveCaption_ = nullptr;
    QLabel* cursorCaption_ = nullptr;
    QLabel* pointReadout_ = nullptr;
    QLabel* cursorReadout_ = nullptr;
};

} // namespace rv
