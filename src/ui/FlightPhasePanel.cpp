#include "ui/FlightPhasePanel.h"

#include "model/CurveEditor.h"
#include "model/FlightPhaseValues.h"
#include "model/ParameterImage.h"
#include "model/Setup.h"
#include "model/SetupEdits.h"
#include "ui/FlightPhaseDisplay.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace rv {

using namespace FlightPhaseValues;

namespace {
QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}
} // namespace

FlightPhasePanel::FlightPhasePanel(Setup& set, CurveEditor& editor, QWidget* parent)
    : QGroupBox(QStringLiteral("Flight Phase"), parent), set_(set), editor_(editor) {
    setObjectName(QStringLiteral("fraFlugphase"));

    schweben_ = new QRadioButton(QStringLiteral("Hover"), this);
    schweben_->setObjectName(QStringLiteral("Schweben"));
    acro_ = new QRadioButton(QStringLiteral("Acro"), this);
    acro_->setObjectName(QStringLiteral("Acro"));
    auto* heading = label("Umschaltzeit", QStringLiteral("Switch Times:"), this);

    auto* lHoverAcro = label("lHoverAcro", QStringLiteral("Hover -> Acro"), this);
    hoverAcro_ = new FlightPhaseDisplay(QStringLiteral("HoverAcro"), this);
    auto* secSA = label("secSA", QStringLiteral("sec."), this);
    auto* lAcroHover = label("lAcroHover", QStringLiteral("Acro -> Hover"), this);
    acroHover_ = new FlightPhaseDisplay(QStringLiteral("AcroHover"), this);
    auto* secAS = label("secAS", QStringLiteral("sec."), this);
    hoverRow_ = {lHoverAcro, hoverAcro_, secSA};
    acroRow_ = {lAcroHover, acroHover_, secAS};

    phaseChangeSl_ = new QSlider(Qt::Horizontal, this);
    phaseChangeSl_->setObjectName(QStringLiteral("PhaseChangeSl"));
    phaseChangeSl_->setRange(0, MaxSwitchTenths);
    phaseChangeSl_->setSingleStep(1);
    phaseChangeSl_->setPageStep(1);
    phaseChangeSl_->setTickInterval(1);
    phaseChangeSl_->setTickPosition(QSlider::TicksBelow);
    heading->setBuddy(phaseChangeSl_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(schweben_, 0, 0);
    layout->addWidget(acro_, 0, 1, 1, 2);
    layout->addWidget(heading, 1, 0, 1, 3);
    for (int column = 0; column < 3; ++column) {
        layout->addWidget(hoverRow_.at(column), 2, column);
        layout->addWidget(acroRow_.at(column), 3, column);
    }
    layout->addWidget(phaseChangeSl_, 4, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    enableRows(true);

    connect(schweben_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            Schweben_Click();
        }
    });
    connect(acro_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            Acro_Click();
        }
    });
    connect(phaseChangeSl_, &QSlider::valueChanged, this, &FlightPhasePanel::PhaseChangeSl_Change);
    connect(hoverAcro_, &FlightPhaseDisplay::doubleClicked, this,
            &FlightPhasePanel::HoverAcro_DblClick);
    connect(acroHover_, &FlightPhaseDisplay::doubleClicked, this,
            &FlightPhasePanel::AcroHover_DblClick);
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
void FlightPhasePanel::Schweben_Click() {
    editor_.enterPhase(Hover);
    enableRows(true);
    phaseChangeSl_->setValue(limitSwitchTenths(switchTimeTenths(hoverAcro_->text())));
}

void FlightPhasePanel::Acro_Click() {
    editor_.enterPhase(Acro);
    enableRows(false);
    phaseChangeSl_->setValue(limitSwitchTenths(switchTimeTenths(acroHover_->text())));
}

void FlightPhasePanel::PhaseChangeSl_Change(int value) {
    FlightPhaseDisplay* display = editor_.flightPhase() == Hover ? hoverAcro_ : acroHover_;
    display->setText(formatSwitchTime(value));
    setSwitchTimeOfShownPhase(set_, value);
}

// Restores from the image as last collected or loaded, not from the reference copy.
void FlightPhasePanel::HoverAcro_DblClick() {
    phaseChangeSl_->setValue(limitSwitchTenths(set_.image.at(Index::HoverAcroTime)));
}

void FlightPhasePanel::AcroHover_DblClick() {
    phaseChangeSl_->setValue(limitSwitchTenths(set_.image.at(Index::AcroHoverTime)));
}

void FlightPhasePanel::selectHover() {
    schweben_->setChecked(true);
}

void FlightPhasePanel::showSetup(const Setup& setup) {
    const auto shown = [](const std::optional<int>& tenths) {
        return tenths ? formatSwitchTime(*tenths) : QString();
    };
    hoverAcro_->setText(shown(setup.hoverToAcroTenths));
    acroHover_->setText(shown(setup.acroToHoverTenths));
    const bool hover = setup.flightPhase == Hover;
    for (QRadioButton* option : {schweben_, acro_}) {
        const QSignalBlocker blocker(option);
        option->setChecked(option == (hover ? schweben_ : acro_));
    }
    enableRows(hover);
    if (const std::optional<int>& tenths =
            hover ? setup.hoverToAcroTenths : setup.acroToHoverTenths) {
        const QSignalBlocker blocker(phaseChangeSl_);
        phaseChangeSl_->setValue(*tenths);
    }
}

} // namespace rv
