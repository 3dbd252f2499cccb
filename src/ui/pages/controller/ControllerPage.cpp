// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/controller/ControllerPage.h"

#include "core/model/OptionFields.h"
#include "core/model/ParameterImage.h"
#include "core/model/SettingCatalog.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "core/model/SliderTable.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/widgets/SliderRow.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace rv {

ControllerPage::ControllerPage(SetupDocument& document, QWidget* speedRows, QWidget* parent)
    : QWidget(parent), document_(document), setup_(document.setup()) {
    setObjectName(QStringLiteral("fraRegler"));

    // The check box sits above the gyro rows; it is created first so that Tab
    // reaches it before them.
    gyroReverse_ = new QCheckBox;
    gyroReverse_->setObjectName(QStringLiteral("GyroInverter"));
    connect(gyroReverse_, &QCheckBox::stateChanged, this, &ControllerPage::setGyroReverse);

    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    left->addWidget(createFrame(SliderFrame::System, nullptr));
    speedFrame_ = createFrame(SliderFrame::Speed, speedRows);
    left->addWidget(speedFrame_);
    left->addWidget(createFrame(SliderFrame::Gyro, gyroReverse_));
    left->addStretch();
    right->addWidget(createFrame(SliderFrame::Tail, nullptr));
    right->addWidget(createFrame(SliderFrame::Heading, nullptr));

    expertMode_ = new QCheckBox(this);
    expertMode_->setObjectName(QStringLiteral("ReglerMode"));
    right->addWidget(expertMode_);
    right->addStretch();
    connect(expertMode_, &QCheckBox::toggled, this, &ControllerPage::showExpertRows);

    retranslate();
    // The window opens with expert mode off.
    showExpertRows();
}

void ControllerPage::retranslate() {
    for (const auto& [frame, names] : frames_) {
        frame->setTitle(sliderFrameCaption(names));
    }
    for (SliderRow* row : rows_) {
        row->retranslate();
    }
    gyroReverse_->setText(SettingCaptions::optionFrame(*findSetting(u"gyro_reverse")->options));
    expertMode_->setText(tr("Expert Mode"));
}

void ControllerPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

QGroupBox* ControllerPage::createFrame(SliderFrame names, QWidget* above) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QLatin1String(sliderFrameNames(names).name));
    frames_.append({frame, names});
    auto* layout = new QVBoxLayout(frame);
    if (above != nullptr) {
        above->setParent(frame);
        layout->addWidget(above);
    }
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    const QList<SliderRow*> rows = createSliderRows(document_, names, frame);
    for (int i = 0; i < rows.size(); ++i) {
        rows.at(i)->addToGridRow(grid, i);
    }
    rows_.append(rows);
    return frame;
}

void ControllerPage::showExpertRows() {
    const bool expert = expertMode_->isChecked();
    for (SliderRow* row : rows_) {
        if (row->definition().expert) {
            row->setRowVisible(expert);
        }
    }
}

void ControllerPage::setGyroReverse() {
    const Qt::CheckState state = gyroReverse_->checkState();
    // The grey state only comes from a loaded byte 2; once the user picks a
    // definite state, clicking must not lead back to it.
    if (state != Qt::PartiallyChecked) {
        gyroReverse_->setTristate(false);
    }
    const int byte = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
    document_.edit(SetupChange::Field, [byte](Setup& setup) {
        setup.image.set(Index::GyroReverse, static_cast<std::uint8_t>(byte));
    });
}

void ControllerPage::showSetup(const Setup& setup) {
    const QSignalBlocker blocker(gyroReverse_);
    const int state = SetupOptions::gyroReverse(setup);
    // The grey state only comes from a loaded byte 2.
    gyroReverse_->setTristate(state == 2);
    gyroReverse_->setCheckState(state == 1   ? Qt::Checked
                                : state == 2 ? Qt::PartiallyChecked
                                             : Qt::Unchecked);
    for (SliderRow* row : rows_) {
        row->showSetup(setup);
    }
}

SliderRow* ControllerPage::sliderRow(const SliderDefinition& definition) const {
    return findSliderRow(rows_, definition);
}

} // namespace rv
