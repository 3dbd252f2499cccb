// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/curves/CurveSelectionFrame.h"

#include "core/model/CurveEditor.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/widgets/TabStop.h"

#include <QEvent>

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace rv {

namespace {
struct OptionPlace {
    int row;
    int column;
};
constexpr OptionPlace Options[CurveSelectionFrame::Count] = {
    {0, 0}, {1, 0}, {0, 0}, {2, 0}, {0, 1}, {1, 1},
};
} // namespace

CurveSelectionFrame::CurveSelectionFrame(CurveEditor& editor, QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("fraKurvenauswahl"));
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < Count; ++i) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("Kurvenauswahl_%1").arg(i));
        group_->addButton(button, i);
        layout->addWidget(button, Options[i].row, Options[i].column);
    }
    retranslate();
    // The RPM-controlled choice until the first showCurves decides.
    option(2)->hide();
    option(3)->hide();
    connect(group_, &QButtonGroup::idToggled, &editor, [&editor](int id, bool checked) {
        if (checked) {
            editor.selectCurve(id);
        }
    });
}

void CurveSelectionFrame::retranslate() {
    setTitle(SettingCaptions::curveFrame());
    for (int i = 0; i < Count; ++i) {
        option(i)->setText(SettingCaptions::curve(i));
    }
}

void CurveSelectionFrame::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
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
