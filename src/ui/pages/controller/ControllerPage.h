// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

#include <utility>

class QCheckBox;
class QGroupBox;

namespace rv {

class SetupDocument;
struct Setup;
struct SliderDefinition;
class SliderRow;
enum class SliderFrame;

// The controller page (fraRegler): system, governor, gyro, tail and heading
// lock sliders, the gyro reverse box and the expert-mode switch.
class ControllerPage : public QWidget {
    Q_OBJECT
public:
    // speedRows: the governor speed rows shown above the governor sliders in
    // fraSpeed; may be nullptr.
    ControllerPage(SetupDocument& document, QWidget* speedRows, QWidget* parent = nullptr);

    // Shows or hides the fifteen expert rows after the state of ReglerMode.
    void showExpertRows();
    // Writes the state of GyroInverter (0, 1, or 2 for the grey state) to index 48.
    void setGyroReverse();

    QCheckBox* expertMode() const { return expertMode_; }
    // fraSpeed, shown only for pitch control with governor.
    QGroupBox* speedFrame() const { return speedFrame_; }
    QCheckBox* gyroReverseBox() const { return gyroReverse_; }
    SliderRow* sliderRow(const SliderDefinition& definition) const;

    // Shows the setup's gyro box and sliders, running no handler.
    void showSetup(const Setup& setup);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QGroupBox* createFrame(SliderFrame names, QWidget* above);

    SetupDocument& document_;
    const Setup& setup_;
    QList<std::pair<QGroupBox*, SliderFrame>> frames_;
    QList<SliderRow*> rows_;
    QCheckBox* gyroReverse_ = nullptr;
    QCheckBox* expertMode_ = nullptr;
    QGroupBox* speedFrame_ = nullptr;
};

} // namespace rv
