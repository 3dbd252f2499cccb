#include "ui/GovernorSpeedRows.h"

#include "model/FlightPhaseValues.h"
#include "model/ParameterImage.h"
#include "model/ParameterSet.h"
#include "ui/FlightPhaseDisplay.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>

namespace rv {

using namespace FlightPhaseValues;

namespace {
struct SpeedRow {
    const char* captionName;
    const char* caption;
    const char* displayName;
    const char* unitName;
    const char* sliderName;
};
constexpr SpeedRow Rows[] = {
    {"lSpeedHover", "Hover", "SpeedHover", "Label23", "SchwebenSl"},
    {"lSpeedAcro", "Acro", "SpeedAcro", "Label26", "AcroSl"},
};

QLabel* label(const char* name, const char* text, QWidget* parent) {
    auto* result = new QLabel(QString::fromLatin1(text), parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}
} // namespace

GovernorSpeedRows::GovernorSpeedRows(ParameterSet& set, QWidget* parent)
    : QWidget(parent), set_(set) {
    setObjectName(QStringLiteral("GovernorSpeedRows"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QSlider* sliders[2] = {};
    FlightPhaseDisplay* displays[2] = {};
    for (int i = 0; i < 2; ++i) {
        const SpeedRow& row = Rows[i];
        auto* caption = label(row.captionName, row.caption, this);
        displays[i] = new FlightPhaseDisplay(QString::fromLatin1(row.displayName), this);
        auto* unit = label(row.unitName, "U/min.", this);
        sliders[i] = new QSlider(Qt::Horizontal, this);
        sliders[i]->setObjectName(QString::fromLatin1(row.sliderName));
        sliders[i]->setRange(MinSpeed, MaxSpeed);
        sliders[i]->setSingleStep(10);
        sliders[i]->setPageStep(50);
        sliders[i]->setTickInterval(100);
        sliders[i]->setTickPosition(QSlider::TicksBelow);
        caption->setBuddy(sliders[i]);
        layout->addWidget(caption, 2 * i, 0);
        layout->addWidget(displays[i], 2 * i, 1);
        layout->addWidget(unit, 2 * i, 2);
        layout->addWidget(sliders[i], 2 * i + 1, 0, 1, 3);
    }
    layout->setColumnStretch(0, 1);
    schwebenSl_ = sliders[0];
    acroSl_ = sliders[1];
    speedHover_ = displays[0];
    speedAcro_ = displays[1];

    connect(schwebenSl_, &QSlider::valueChanged, this, &GovernorSpeedRows::SchwebenSl_Change);
    connect(acroSl_, &QSlider::valueChanged, this, &GovernorSpeedRows::AcroSl_Change);
    connect(speedHover_, &FlightPhaseDisplay::doubleClicked, this,
            &GovernorSpeedRows::SpeedHover_DblClick);
    connect(speedAcro_, &FlightPhaseDisplay::doubleClicked, this,
            &GovernorSpeedRows::SpeedAcro_DblClick);
}

void GovernorSpeedRows::SchwebenSl_Change(int value) {
    speedHover_->setText(formatSpeed(speedForSliderValue(value)));
}

void GovernorSpeedRows::AcroSl_Change(int value) {
    speedAcro_->setText(formatSpeed(speedForSliderValue(value)));
}

// Restores from the image as last collected or loaded, not from the reference copy.
void GovernorSpeedRows::SpeedHover_DblClick() {
    schwebenSl_->setValue(speedFromByte(set_.image.at(Index::HoverSpeed)));
}

void GovernorSpeedRows::SpeedAcro_DblClick() {
    acroSl_->setValue(speedFromByte(set_.image.at(Index::AcroSpeed)));
}

void GovernorSpeedRows::applySpeeds() {
    // A stored speed beyond the slider's range is shown as the range's end,
    // so that display and slider never disagree; entries 4 and 5 follow the
    // speed shown, which is what a save stores.
    const int hoverSpeed = speedFromByte(set_.image.at(Index::HoverSpeed));
    speedHover_->setText(formatSpeed(hoverSpeed));
    const auto hoverByte = static_cast<std::uint8_t>(hoverSpeed / 10);
    set_.image.set(Index::SpeedFactor06, speedFactor(hoverByte, 6));
    set_.image.set(Index::SpeedFactor07, speedFactor(hoverByte, 7));
    schwebenSl_->setValue(speedOf(speedHover_->text()));
    const int acroSpeed = speedFromByte(set_.image.at(Index::AcroSpeed));
    speedAcro_->setText(formatSpeed(acroSpeed));
    acroSl_->setValue(acroSpeed);
}

void GovernorSpeedRows::collectSpeeds() {
    set_.image.set(Index::HoverSpeed, speedByte(speedHover_->text()));
    set_.image.set(Index::AcroSpeed, speedByte(speedAcro_->text()));
}

} // namespace rv
