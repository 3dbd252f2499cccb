#pragma once

#include <QWidget>

class QSlider;

namespace rv {

class FlightPhaseDisplay;
struct Setup;

// The governor speed rows of fraSpeed (hover and acro rpm with their
// sliders), without a frame of their own: the controller page holds them.
// The speeds live as the texts of SpeedHover and SpeedAcro until the image
// is collected.
class GovernorSpeedRows : public QWidget {
    Q_OBJECT
public:
    explicit GovernorSpeedRows(Setup& set, QWidget* parent = nullptr);

    void SchwebenSl_Change(int value);
    void AcroSl_Change(int value);
    void SpeedHover_DblClick();
    void SpeedAcro_DblClick();

    // Shows the setup's speeds, running no handler.
    void showSetup(const Setup& setup);

private:
    Setup& set_;
    QSlider* schwebenSl_ = nullptr;
    QSlider* acroSl_ = nullptr;
    FlightPhaseDisplay* speedHover_ = nullptr;
    FlightPhaseDisplay* speedAcro_ = nullptr;
};

} // namespace rv
