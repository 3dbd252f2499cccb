#pragma once

#include <QFrame>

class QLabel;

namespace rv {

class CurveEditor;
class CurvePicture;

// fraKurvenAnzeige: the curve picture with its value-axis labels, the
// stick-axis caption and the read-outs IstValue and SollValue.
class CurveDisplay : public QFrame {
    Q_OBJECT
public:
    explicit CurveDisplay(CurveEditor& editor, QWidget* parent = nullptr);

    CurvePicture* picture() const { return picture_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& text);
    // The second half of the redraw: scale marks, grid, picture.
    void redraw();
    void showReadouts();
    // Keeps the value-axis labels beside the grid lines they name.
    void placeAxisLabels();

    CurveEditor& editor_;
    CurvePicture* picture_ = nullptr;
    QLabel* plus100_ = nullptr;
    QLabel* zero_ = nullptr;
    QLabel* minus100_ = nullptr;
    QLabel* plus101_ = nullptr;
    QLabel* minus101_ = nullptr;
    QLabel* stickTravel_ = nullptr;
    QLabel* pointReadout_ = nullptr;
    QLabel* cursorReadout_ = nullptr;
};

} // namespace rv
