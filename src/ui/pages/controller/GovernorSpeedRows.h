// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QSlider;

namespace rv {

class FlightPhaseDisplay;
class SetupDocument;
struct Setup;

// The governor speed rows of fraSpeed (hover and acro rpm with their
// sliders), without a frame of their own: the controller page holds them.
// The speeds live as the texts of SpeedHover and SpeedAcro until the image
// is collected.
class GovernorSpeedRows : public QWidget {
    Q_OBJECT
public:
    explicit GovernorSpeedRows(SetupDocument& document, QWidget* parent = nullptr);

    void setHoverSpeed(int value);
    void setAcroSpeed(int value);
    void restoreHoverSpeed();
    void restoreAcroSpeed();

    // Shows the setup's speeds, running no handler.
    void showSetup(const Setup& setup);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    SetupDocument& document_;
    const Setup& setup_;
    std::array<QLabel*, 2> captions_{}; // hover, acro
    std::array<QLabel*, 2> units_{};
    QSlider* hoverSlider_ = nullptr;
    QSlider* acroSlider_ = nullptr;
    FlightPhaseDisplay* hoverDisplay_ = nullptr;
    FlightPhaseDisplay* acroDisplay_ = nullptr;
};

} // namespace rv
