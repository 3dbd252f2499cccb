// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/setup/SetupPage.h"

#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "core/model/SetupEdits.h"
#include "core/model/SliderTable.h"
#include "ui/pages/setup/OptionGroup.h"
#include "ui/pages/setup/OptionTable.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/widgets/SliderRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace rv {

namespace {

constexpr int RpmControlled = 0;
constexpr int Governor = 1;

constexpr std::array<const char*, 3> ServoReverseBoxes{"TS1Inv", "TS2Inv", "TS3Inv"};

QGroupBox* newFrame(const char* name, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

} // namespace

SetupPage::SetupPage(SetupDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), setup_(document.setup()) {
    setObjectName(QStringLiteral("fraSetup"));
    auto* grid = new QGridLayout(this);

    // Created in reading order, which is also the Tab order.
    grid->addWidget(createOptionFrame(OptionTarget::PitchMode), 0, 0);
    grid->addWidget(createOptionFrame(OptionTarget::SpeedMode), 0, 1);
    grid->addWidget(createOptionFrame(OptionTarget::MainOut), 0, 2);
    grid->addWidget(createOptionFrame(OptionTarget::TailSignal), 1, 0);
    grid->addWidget(createOptionFrame(OptionTarget::ComboTail), 1, 1);
    grid->addWidget(createOptionFrame(OptionTarget::TailBeep), 1, 2);
    grid->addWidget(createSwashplateFrame(), 2, 0, 1, 2);
    grid->addWidget(createServoFrame(), 2, 2);
    grid->addWidget(createFlashFrame(), 3, 0, 1, 2);
    auto* side = new QVBoxLayout;
    side->addWidget(createDualRateFrame());
    side->addWidget(createPortFrame());
    grid->addLayout(side, 3, 2);
    grid->setRowStretch(4, 1);
    for (int column = 0; column < 3; ++column) {
        grid->setColumnStretch(column, 1);
    }

    retranslate();

    for (OptionGroup* group : groups_) {
        const OptionTarget target = group->definition().target;
        if (target == OptionTarget::PitchMode) {
            connect(group, &OptionGroup::clicked, this, &SetupPage::selectHeliType);
        } else {
            connect(group, &OptionGroup::clicked, this, [this, target](int index) {
                document_.edit(SetupChange::Field,
                               [&](Setup& setup) { applyOptionSelection(setup, target, index); });
            });
        }
    }
}

QGroupBox* SetupPage::createOptionFrame(OptionTarget target) {
    const OptionGroupDefinition& definition = optionGroupDefinition(target);
    QGroupBox* frame = newFrame(definition.frame, this);
    auto* group = new OptionGroup(definition, frame);
    groups_.append(group);
    optionFrames_.append(frame);
    auto* layout = new QVBoxLayout(frame);
    for (QRadioButton* option : group->options()) {
        layout->addWidget(option);
    }
    return frame;
}

QGroupBox* SetupPage::createSwashplateFrame() {
    const OptionGroupDefinition& definition = optionGroupDefinition(OptionTarget::ServoMode);
    QGroupBox* frame = newFrame(definition.frame, this);
    auto* layout = new QHBoxLayout(frame);
    auto* group = new OptionGroup(definition, frame);
    groups_.append(group);
    optionFrames_.append(frame);
    auto* options = new QVBoxLayout;
    for (QRadioButton* option : group->options()) {
        options->addWidget(option);
    }
    options->addStretch();
    layout->addLayout(options);

    auto* parts = new QGridLayout;
    const QList<SliderRow*> rows = createSliderRows(document_, SliderFrame::Swashplate, frame);
    for (int i = 0; i < rows.size(); ++i) {
        rows.at(i)->addToGridRow(parts, i);
    }
    parts->setColumnStretch(1, 1);
    parts->setRowStretch(static_cast<int>(rows.size()), 1);
    rows_.append(rows);
    layout->addLayout(parts, 1);
    return frame;
}

QGroupBox* SetupPage::createServoFrame() {
    QGroupBox* frame = newFrame("frmServo", this);
    servoFrame_ = frame;
    auto* layout = new QVBoxLayout(frame);
    for (int servo = 0; servo < static_cast<int>(ServoReverseBoxes.size()); ++servo) {
        auto* box = new QCheckBox(frame);
        box->setObjectName(QLatin1String(ServoReverseBoxes.at(servo)));
        servoReverse_.at(servo) = box;
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, servo] { setServoReversed(servo); });
    }
    layout->addStretch();
    return frame;
}

QGroupBox* SetupPage::createDualRateFrame() {
    QGroupBox* frame = newFrame(sliderFrameNames(SliderFrame::DualRate).name, this);
    sliderFrames_.append({frame, SliderFrame::DualRate});
    auto* layout = new QGridLayout(frame);
    const QList<SliderRow*> rows = createSliderRows(document_, SliderFrame::DualRate, frame);
    for (int i = 0; i < rows.size(); ++i) {
        rows.at(i)->addToGridRow(layout, i);
    }
    layout->setColumnStretch(1, 1);
    rows_.append(rows);
    return frame;
}

QGroupBox* SetupPage::createFlashFrame() {
    QGroupBox* frame = newFrame(sliderFrameNames(SliderFrame::Flash).name, this);
    sliderFrames_.append({frame, SliderFrame::Flash});
    auto* layout = new QGridLayout(frame);
    const QList<SliderRow*> rows = createSliderRows(document_, SliderFrame::Flash, frame);
    for (int i = 0; i < rows.size(); ++i) {
        rows.at(i)->addToGridColumn(layout, i);
        layout->setColumnStretch(i, 1);
    }
    rows_.append(rows);
    return frame;
}

QGroupBox* SetupPage::createPortFrame() {
    QGroupBox* frame = newFrame("fraComPort", this);
    portFrame_ = frame;
    portLayout_ = new QVBoxLayout(frame);
    portBox_ = new QComboBox(frame);
    portBox_->setObjectName(QStringLiteral("cboPort"));
    portBox_->setPlaceholderText(QStringLiteral("COM 1"));
    portLayout_->addWidget(portBox_);
    return frame;
}

void SetupPage::selectHeliType(int index) {
    document_.edit(SetupChange::Field, [index](Setup& setup) { rv::selectHeliType(setup, index); });
    if (index == RpmControlled) {
        // Forced by the heli type, even when selected already.
        optionGroup(OptionTarget::SpeedMode)->show(setup_.speedMode);
        optionGroup(OptionTarget::ServoMode)->show(setup_.swashplateType);
    }
    showHeliTypeRestrictions(index == RpmControlled);
}

void SetupPage::showHeliTypeRestrictions(bool rpmControlled) {
    optionGroup(OptionTarget::SpeedMode)->setOptionEnabled(Governor, !rpmControlled);
    OptionGroup* swashplate = optionGroup(OptionTarget::ServoMode);
    swashplate->setOptionEnabled(0, !rpmControlled);
    swashplate->setOptionEnabled(1, !rpmControlled);
    Q_EMIT phaseChannelsEnabled(!rpmControlled);
}

void SetupPage::showSetup(const Setup& setup) {
    for (OptionGroup* group : groups_) {
        group->show(setup.optionsShown ? selectedOption(setup, group->definition().target)
                                       : Setup::NoOption);
    }
    if (setup.optionsShown) {
        showHeliTypeRestrictions(setup.pitchMode == RpmControlled);
    }
    for (int servo = 0; servo < static_cast<int>(servoReverse_.size()); ++servo) {
        QCheckBox* box = servoReverse_.at(static_cast<std::size_t>(servo));
        const QSignalBlocker blocker(box);
        box->setChecked(SetupOptions::servoReversed(setup, servo));
    }
    for (SliderRow* row : rows_) {
        row->showSetup(setup);
    }
}

void SetupPage::setServoReversed(int servo) {
    const bool reversed = servoReverse_.at(servo)->isChecked();
    document_.edit(SetupChange::Field,
                   [&](Setup& setup) { rv::setServoReversed(setup, servo, reversed); });
}

OptionGroup* SetupPage::optionGroup(OptionTarget target) const {
    for (OptionGroup* group : groups_) {
        if (group->definition().target == target) {
            return group;
        }
    }
    return nullptr;
}

SliderRow* SetupPage::sliderRow(const SliderDefinition& definition) const {
    return findSliderRow(rows_, definition);
}

void SetupPage::retranslate() {
    for (int i = 0; i < groups_.size(); ++i) {
        optionFrames_.at(i)->setTitle(
            SettingCaptions::optionFrame(*groups_.at(i)->definition().names));
        groups_.at(i)->retranslate();
    }
    servoFrame_->setTitle(SettingCaptions::servoFrame());
    for (int servo = 0; servo < static_cast<int>(servoReverse_.size()); ++servo) {
        servoReverse_.at(static_cast<std::size_t>(servo))->setText(SettingCaptions::servo(servo));
    }
    for (const auto& [frame, names] : sliderFrames_) {
        frame->setTitle(sliderFrameCaption(names));
    }
    for (SliderRow* row : rows_) {
        row->retranslate();
    }
    portFrame_->setTitle(tr("COM Port"));
    portBox_->setAccessibleName(portFrame_->title());
}

void SetupPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

} // namespace rv
