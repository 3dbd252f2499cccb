// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/controller/ControllerPage.h"

#include "core/model/ParameterImage.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "core/model/SliderTable.h"
#include "ui/widgets/SliderRow.h"

#include <QCheckBox>
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
    gyroReverse_ = new QCheckBox(QStringLiteral("Gyro Reverse"));
    gyroReverse_->setObjectName(QStringLiteral("GyroInverter"));
    connect(gyroReverse_, &QCheckBox::stateChanged, this, &ControllerPage::setGyroReverse);

    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    left->addWidget(createFrame("fraSystem", "System Setup", nullptr));
    speedFrame_ = createFrame("fraSpeed", "RPM", speedRows);
    left->addWidget(speedFrame_);
    left->addWidget(createFrame("fraKreisel", "Gyro Settings", gyroReverse_));
    left->addStretch();
    right->addWidget(createFrame("fraTail", "Tail Setup", nullptr));
    right->addWidget(createFrame("fraHeading", "Heading Lock Settings", nullptr));

    expertMode_ = new QCheckBox(QStringLiteral("Expert Mode"), this);
    expertMode_->setObjectName(QStringLiteral("ReglerMode"));
    right->addWidget(expertMode_);
    right->addStretch();
    connect(expertMode_, &QCheckBox::toggled, this, &ControllerPage::showExpertRows);

    // The window opens with expert mode off.
    showExpertRows();
}

QGroupBox* ControllerPage::createFrame(const char* name, const char* caption, QWidget* above) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), this);
    frame->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(frame);
    if (above != nullptr) {
        above->setParent(frame);
        layout->addWidget(above);
    }
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    const QList<SliderRow*> rows = createSliderRows(document_, frame);
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

SliderRow* ControllerPage::sliderRow(QStringView sliderName) const {
    return findSliderRow(rows_, sliderName);
}

void ControllerPage::refreshAccessibleNames() {
    for (SliderRow* row : rows_) {
        row->refreshAccessibleName();
    }
}

} // namespace rv
