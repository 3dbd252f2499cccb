// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/curves/CurveSelectionFrame.h"

#include "core/model/CurveEditor.h"
#include "ui/widgets/TabStop.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace rv {

namespace {
struct OptionPlace {
    const char* caption;
    int row;
    int column;
};
constexpr OptionPlace Options[CurveSelectionFrame::Count] = {
    {"Throttle Curve ", 0, 0}, {"Tail Curve", 1, 0},         {"Pitch Curve", 0, 0},
    {"Throttle Curve", 2, 0},  {"Cyclic Pitch Curve", 0, 1}, {"Roll Curve", 1, 1},
};
} // namespace

CurveSelectionFrame::CurveSelectionFrame(CurveEditor& editor, QWidget* parent)
    : QGroupBox(QStringLiteral("Curve selection"), parent), group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("fraKurvenauswahl"));
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < Count; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(Options[i].caption), this);
        button->setObjectName(QStringLiteral("Kurvenauswahl_%1").arg(i));
        group_->addButton(button, i);
        layout->addWidget(button, Options[i].row, Options[i].column);
    }
    // The RPM-controlled choice until the first showCurves decides.
    option(2)->hide();
    option(3)->hide();
    connect(group_, &QButtonGroup::idToggled, &editor, [&editor](int id, bool checked) {
        if (checked) {
            editor.selectCurve(id);
        }
    });
}

QRadioButton* CurveSelectionFrame::option(int index) const {
    return static_cast<QRadioButton*>(group_->button(index));
}

void CurveSelectionFrame::show(int index) {
    const QSignalBlocker blocker(group_);
    option(index)->setChecked(true);
    keepTabStopOnChecked(*group_);
}

void CurveSelectionFrame::select(int index) {
    option(index)->setChecked(true);
    keepTabStopOnChecked(*group_); // the options shown may just have changed
}

} // namespace rv
