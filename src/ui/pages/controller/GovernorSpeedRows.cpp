// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/controller/GovernorSpeedRows.h"

#include "core/model/FlightPhaseValues.h"
#include "core/model/ParameterImage.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "core/model/SetupEdits.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/widgets/FlightPhaseDisplay.h"
#include "ui/widgets/NamedLabel.h"
#include "ui/widgets/TypedValueField.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

namespace rv {

using namespace FlightPhaseValues;

namespace {
struct SpeedRow {
    const char* captionName;
    const char* displayName;
    const char* unitName;
    const char* sliderName;
};
// Hover, then acro.
constexpr SpeedRow Rows[] = {
    {"lSpeedHover", "SpeedHover", "Label23", "SchwebenSl"},
    {"lSpeedAcro", "SpeedAcro", "Label26", "AcroSl"},
};

} // namespace

GovernorSpeedRows::GovernorSpeedRows(SetupDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), setup_(document.setup()) {
    setObjectName(QStringLiteral("GovernorSpeedRows"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QSlider* sliders[2] = {};
    FlightPhaseDisplay* displays[2] = {};
    for (int i = 0; i < 2; ++i) {
        const SpeedRow& row = Rows[i];
        auto* caption = namedLabel(row.captionName, this);
        captions_.at(static_cast<std::size_t>(i)) = caption;
        displays[i] = new FlightPhaseDisplay(QString::fromLatin1(row.displayName), this);
        auto* unit = namedLabel(row.unitName, this);
        units_.at(static_cast<std::size_t>(i)) = unit;
        sliders[i] = new QSlider(Qt::Horizontal, this);
        sliders[i]->setObjectName(QString::fromLatin1(row.sliderName));
        sliders[i]->setRange(MinSpeed, MaxSpeed);
        sliders[i]->setSingleStep(10);
        sliders[i]->setPageStep(50);
        sliders[i]->setTickInterval(100);
        sliders[i]->setTickPosition(QSlider::TicksBelow);
        caption->setBuddy(sliders[i]);
        enableValueTyping(sliders[i]);
        layout->addWidget(caption, 2 * i, 0);
        layout->addWidget(displays[i], 2 * i, 1);
        layout->addWidget(unit, 2 * i, 2);
        layout->addWidget(sliders[i], 2 * i + 1, 0, 1, 3);
    }
    layout->setColumnStretch(0, 1);
    hoverSlider_ = sliders[0];
    acroSlider_ = sliders[1];
    hoverDisplay_ = displays[0];
    acroDisplay_ = displays[1];
    retranslate();

    connect(hoverSlider_, &QSlider::valueChanged, this, &GovernorSpeedRows::setHoverSpeed);
    connect(acroSlider_, &QSlider::valueChanged, this, &GovernorSpeedRows::setAcroSpeed);
    connect(hoverDisplay_, &FlightPhaseDisplay::doubleClicked, this,
            &GovernorSpeedRows::restoreHoverSpeed);
    connect(acroDisplay_, &FlightPhaseDisplay::doubleClicked, this,
            &GovernorSpeedRows::restoreAcroSpeed);
}

void GovernorSpeedRows::retranslate() {
    for (int phase : {Hover, Acro}) {
        const auto at = static_cast<std::size_t>(phase);
        captions_.at(at)->setText(SettingCaptions::speed(phase));
        units_.at(at)->setText(SettingCaptions::speedUnit());
    }
    // Each slider is named by its row's caption.
    hoverSlider_->setAccessibleName(captions_.at(Hover)->text().trimmed());
    acroSlider_->setAccessibleName(captions_.at(Acro)->text().trimmed());
}

void GovernorSpeedRows::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void GovernorSpeedRows::setHoverSpeed(int value) {
    hoverDisplay_->setText(formatSpeed(speedForSliderValue(value)));
    document_.edit(SetupChange::Field,
                   [value](Setup& setup) { setGovernorSpeed(setup, Hover, value); });
}

void GovernorSpeedRows::setAcroSpeed(int value) {
    acroDisplay_->setText(formatSpeed(speedForSliderValue(value)));
    document_.edit(SetupChange::Field,
                   [value](Setup& setup) { setGovernorSpeed(setup, Acro, value); });
}

// Restores from the image as last collected or loaded, not from the reference copy.
void GovernorSpeedRows::restoreHoverSpeed() {
    hoverSlider_->setValue(speedFromByte(setup_.image.at(Index::HoverSpeed)));
}

void GovernorSpeedRows::restoreAcroSpeed() {
    acroSlider_->setValue(speedFromByte(setup_.image.at(Index::AcroSpeed)));
}

void GovernorSpeedRows::showSetup(const Setup& setup) {
    const std::pair<const std::optional<int>&, std::pair<FlightPhaseDisplay*, QSlider*>> rows[] = {
        {setup.hoverSpeedRpm, {hoverDisplay_, hoverSlider_}},
        {setup.acroSpeedRpm, {acroDisplay_, acroSlider_}}};
    for (const auto& [speed, controls] : rows) {
        controls.first->setText(speed ? formatSpeed(*speed) : QString());
        if (speed) {
            const QSignalBlocker blocker(controls.second);
            controls.second->setValue(*speed);
        }
    }
}

} // namespace rv
