// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/channels/PresetPanel.h"

#include "ui/pages/channels/PresetCheckBox.h"

#include <QEvent>
#include <QVBoxLayout>

namespace rv {

PresetPanel::PresetPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Preselect"));
    auto* layout = new QVBoxLayout(this);
    for (int index = 1; index <= Count; ++index) {
        // The captions are the same in every language.
        auto* box = new PresetCheckBox(index, QStringLiteral("Tarvik Mode %1").arg(index), this);
        box->setObjectName(QStringLiteral("Vorwahl_%1").arg(index));
        box->setAccessibleName(box->text());
        boxes_[static_cast<std::size_t>(index - 1)] = box;
        layout->addWidget(box);
        connect(box, &PresetCheckBox::presetPressed, this, &PresetPanel::presetPressed);
        connect(box, &PresetCheckBox::presetReleased, this, &PresetPanel::presetReleased);
    }
    layout->addStretch();
    retranslate();
}

void PresetPanel::retranslate() {
    setTitle(tr("Preselection"));
}

void PresetPanel::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

PresetCheckBox* PresetPanel::box(int index) const {
    return boxes_.at(static_cast<std::size_t>(index - 1));
}

} // namespace rv
