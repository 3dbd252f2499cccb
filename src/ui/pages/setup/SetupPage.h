// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

#include <array>
#include <utility>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;

namespace rv {

class SetupDocument;
struct Setup;
class OptionGroup;
class SliderRow;
enum class OptionTarget;
enum class SliderFrame;
struct SliderDefinition;

// The configuration page (fraSetup): heli type, motor and tail signals,
// swashplate, servo reverse, dual rate, light timing and the port frame.
class SetupPage : public QWidget {
    Q_OBJECT
public:
    explicit SetupPage(SetupDocument& document, QWidget* parent = nullptr);

    // Heli type chosen (Board): sets it, then restricts or frees the governor,
    // the 120°/90° swashplates and the phase channels 5..9.
    void selectHeliType(int index);
    // A servo reverse box (TS1Inv..TS3Inv) changed.
    void setServoReversed(int servo);
    // Shows the setup's options, servo boxes and sliders, running no handler.
    void showSetup(const Setup& setup);

    OptionGroup* optionGroup(OptionTarget target) const;
    SliderRow* sliderRow(const SliderDefinition& definition) const;
    QComboBox* portBox() const { return portBox_; }
    // The layout of fraComPort; the window adds its device label there.
    QBoxLayout* portFrameLayout() const { return portLayout_; }

Q_SIGNALS:
    // Elements 5..9 of F_Phase are to be enabled (true) or disabled (false).
    void phaseChannelsEnabled(bool enabled);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showHeliTypeRestrictions(bool rpmControlled);
    QGroupBox* createOptionFrame(OptionTarget target);
    QGroupBox* createSwashplateFrame();
    QGroupBox* createServoFrame();
    QGroupBox* createDualRateFrame();
    QGroupBox* createFlashFrame();
    QGroupBox* createPortFrame();

    SetupDocument& document_;
    const Setup& setup_;
    QList<OptionGroup*> groups_;
    QList<QGroupBox*> optionFrames_; // the frame of each group
    QGroupBox* servoFrame_ = nullptr;
    QList<std::pair<QGroupBox*, SliderFrame>> sliderFrames_; // those not of an option group
    QList<SliderRow*> rows_;
    std::array<QCheckBox*, 3> servoReverse_{};
    QComboBox* portBox_ = nullptr;
    QBoxLayout* portLayout_ = nullptr;
    QGroupBox* portFrame_ = nullptr;
};

} // namespace rv
