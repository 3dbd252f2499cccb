#pragma once

#include <QGroupBox>

class QLabel;
class QRadioButton;
class QSlider;

namespace rv {

class CurveEditor;
class FlightPhaseDisplay;
struct Setup;

// fraFlugphase: the phase options Schweben and Acro, which also choose the
// phase whose curves the editor shows, and the two switch times edited
// through the one slider PhaseChangeSl. The times live as the texts of
// HoverAcro and AcroHover until the image is collected.
class FlightPhasePanel : public QGroupBox {
    Q_OBJECT
public:
    FlightPhasePanel(Setup& set, CurveEditor& editor, QWidget* parent = nullptr);

    void Schweben_Click();
    void Acro_Click();
    void PhaseChangeSl_Change(int value);
    void HoverAcro_DblClick();
    void AcroHover_DblClick();

    // Selects the hover option; runs Schweben_Click unless it was selected.
    void selectHover();

    // Shows the setup's times and phase, running no handler.
    void showSetup(const Setup& setup);

private:
    void enableRows(bool hoverRow);

    Setup& set_;
    CurveEditor& editor_;
    QRadioButton* schweben_ = nullptr;
    QRadioButton* acro_ = nullptr;
    QSlider* phaseChangeSl_ = nullptr;
    FlightPhaseDisplay* hoverAcro_ = nullptr;
    FlightPhaseDisplay* acroHover_ = nullptr;
    QList<QWidget*> hoverRow_;
    QList<QWidget*> acroRow_;
};

} // namespace rv
