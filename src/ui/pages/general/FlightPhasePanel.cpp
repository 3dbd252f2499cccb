// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/general/FlightPhasePanel.h"

#include "core/model/CurveEditor.h"
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
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace rv {

using namespace FlightPhaseValues;

FlightPhasePanel::FlightPhasePanel(SetupDocument& document, CurveEditor& editor, QWidget* parent)
    : QGroupBox(parent), document_(document), setup_(document.setup()), editor_(editor) {
    setObjectName(QStringLiteral("fraFlugphase"));

    hoverOption_ = new QRadioButton(this);
    hoverOption_->setObjectName(QStringLiteral("Schweben"));
    acroOption_ = new QRadioButton(this);
    acroOption_->setObjectName(QStringLiteral("Acro"));
    switchTimesHeading_ = namedLabel("Umschaltzeit", this);

    switchTimeCaptions_[Hover] = namedLabel("lHoverAcro", this);
    hoverToAcroDisplay_ = new FlightPhaseDisplay(QStringLiteral("HoverAcro"), this);
    secondsUnits_[Hover] = namedLabel("secSA", this);
    switchTimeCaptions_[Acro] = namedLabel("lAcroHover", this);
    acroToHoverDisplay_ = new FlightPhaseDisplay(QStringLiteral("AcroHover"), this);
    secondsUnits_[Acro] = namedLabel("secAS", this);
    hoverRow_ = {switchTimeCaptions_[Hover], hoverToAcroDisplay_, secondsUnits_[Hover]};
    acroRow_ = {switchTimeCaptions_[Acro], acroToHoverDisplay_, secondsUnits_[Acro]};

    switchTimeSlider_ = new QSlider(Qt::Horizontal, this);
    switchTimeSlider_->setObjectName(QStringLiteral("PhaseChangeSl"));
    switchTimeSlider_->setRange(0, MaxSwitchTenths);
    switchTimeSlider_->setSingleStep(1);
    switchTimeSlider_->setPageStep(1);
    switchTimeSlider_->setTickInterval(1);
    switchTimeSlider_->setTickPosition(QSlider::TicksBelow);
    switchTimesHeading_->setBuddy(switchTimeSlider_);
    enableValueTyping(switchTimeSlider_, 10); // typed in seconds, held in tenths

    auto* layout = new QGridLayout(this);
    layout->addWidget(hoverOption_, 0, 0);
    layout->addWidget(acroOption_, 0, 1, 1, 2);
    layout->addWidget(switchTimesHeading_, 1, 0, 1, 3);
    for (int column = 0; column < 3; ++column) {
        layout->addWidget(hoverRow_.at(column), 2, column);
        layout->addWidget(acroRow_.at(column), 3, column);
    }
    layout->addWidget(switchTimeSlider_, 4, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    enableRows(true);
    retranslate();

    connect(hoverOption_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            enterHover();
        }
    });
    connect(acroOption_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            enterAcro();
        }
    });
    connect(switchTimeSlider_, &QSlider::valueChanged, this, &FlightPhasePanel::setSwitchTime);
    connect(hoverToAcroDisplay_, &FlightPhaseDisplay::doubleClicked, this,
            &FlightPhasePanel::restoreHoverToAcro);
    connect(acroToHoverDisplay_, &FlightPhaseDisplay::doubleClicked, this,
            &FlightPhasePanel::restoreAcroToHover);
}

void FlightPhasePanel::retranslate() {
    setTitle(SettingCaptions::phaseFrame());
    hoverOption_->setText(SettingCaptions::phase(Hover));
    acroOption_->setText(SettingCaptions::phase(Acro));
    switchTimesHeading_->setText(SettingCaptions::switchTimes());
    // The slider is named by its heading.
    switchTimeSlider_->setAccessibleName(switchTimesHeading_->text().trimmed());
    for (int phase : {Hover, Acro}) {
        switchTimeCaptions_.at(static_cast<std::size_t>(phase))
            ->setText(SettingCaptions::switchTime(phase));
        secondsUnits_.at(static_cast<std::size_t>(phase))->setText(SettingCaptions::seconds());
    }
}

void FlightPhasePanel::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void FlightPhasePanel::enableRows(bool hoverRow) {
    for (QWidget* widget : hoverRow_) {
        widget->setEnabled(hoverRow);
    }
    for (QWidget* widget : acroRow_) {
        widget->setEnabled(!hoverRow);
    }
}

// The curve is taken up and the phase set before the slider moves, so that
// the slider's handler writes into the display of the new phase.
void FlightPhasePanel::enterHover() {
    editor_.enterPhase(Hover);
    enableRows(true);
    switchTimeSlider_->setValue(limitSwitchTenths(switchTimeTenths(hoverToAcroDisplay_->text())));
}

void FlightPhasePanel::enterAcro() {
    editor_.enterPhase(Acro);
    enableRows(false);
    switchTimeSlider_->setValue(limitSwitchTenths(switchTimeTenths(acroToHoverDisplay_->text())));
}

void FlightPhasePanel::setSwitchTime(int value) {
    FlightPhaseDisplay* display =
        editor_.flightPhase() == Hover ? hoverToAcroDisplay_ : acroToHoverDisplay_;
    display->setText(formatSwitchTime(value));
    document_.edit(SetupChange::Field,
                   [value](Setup& setup) { setSwitchTimeOfShownPhase(setup, value); });
}

// Restores from the image as last collected or loaded, not from the reference copy.
void FlightPhasePanel::restoreHoverToAcro() {
    switchTimeSlider_->setValue(limitSwitchTenths(setup_.image.at(Index::HoverAcroTime)));
}

void FlightPhasePanel::restoreAcroToHover() {
    switchTimeSlider_->setValue(limitSwitchTenths(setup_.image.at(Index::AcroHoverTime)));
}

void FlightPhasePanel::selectHover() {
    hoverOption_->setChecked(true);
}

void FlightPhasePanel::showSetup(const Setup& setup) {
    const auto shown = [](const std::optional<int>& tenths) {
        return tenths ? formatSwitchTime(*tenths) : QString();
    };
    hoverToAcroDisplay_->setText(shown(setup.hoverToAcroTenths));
    acroToHoverDisplay_->setText(shown(setup.acroToHoverTenths));
    const bool hover = setup.flightPhase == Hover;
    for (QRadioButton* option : {hoverOption_, acroOption_}) {
        const QSignalBlocker blocker(option);
        option->setChecked(option == (hover ? hoverOption_ : acroOption_));
    }
    enableRows(hover);
    if (const std::optional<int>& tenths =
            hover ? setup.hoverToAcroTenths : setup.acroToHoverTenths) {
        const QSignalBlocker blocker(switchTimeSlider_);
        switchTimeSlider_->setValue(*tenths);
    }
}

} // namespace rv
