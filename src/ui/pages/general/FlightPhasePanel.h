// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <array>

class QLabel;
class QRadioButton;
class QSlider;

namespace rv {

class CurveEditor;
class FlightPhaseDisplay;
class SetupDocument;
struct Setup;

// fraFlugphase: the phase options Schweben and Acro, which also choose the
// phase whose curves the editor shows, and the two switch times edited
// through the one slider PhaseChangeSl. The times live as the texts of
// HoverAcro and AcroHover until the image is collected.
class FlightPhasePanel : public QGroupBox {
    Q_OBJECT
public:
    FlightPhasePanel(SetupDocument& document, CurveEditor& editor, QWidget* parent = nullptr);

    void enterHover();
    void enterAcro();
    void setSwitchTime(int value);
    void restoreHoverToAcro();
    void restoreAcroToHover();

    // Selects the hover option; runs enterHover unless it was selected.
    void selectHover();

    // Shows the setup's times and phase, running no handler.
    void showSetup(const Setup& setup);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void enableRows(bool hoverRow);

    SetupDocument& document_;
    const Setup& setup_;
    CurveEditor& editor_;
    QRadioButton* hoverOption_ = nullptr;
    QRadioButton* acroOption_ = nullptr;
    QLabel* switchTimesHeading_ = nullptr;
    std::array<QLabel*, 2> switchTimeCaptions_{}; // leaving hover, leaving acro
    std::array<QLabel*, 2> secondsUnits_{};
    QSlider* switchTimeSlider_ = nullptr;
    FlightPhaseDisplay* hoverToAcroDisplay_ = nullptr;
    FlightPhaseDisplay* acroToHoverDisplay_ = nullptr;
    QList<QWidget*> hoverRow_;
    QList<QWidget*> acroRow_;
};

} // namespace rv
