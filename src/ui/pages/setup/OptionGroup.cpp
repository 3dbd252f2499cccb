// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/setup/OptionGroup.h"
#include "core/model/Setup.h"

#include "ui/pages/setup/OptionTable.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/widgets/TabStop.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace rv {

OptionGroup::OptionGroup(const OptionGroupDefinition& definition, QWidget* frame)
    : QObject(frame), definition_(definition), group_(new QButtonGroup(this)) {
    const QString name = QLatin1String(definition.name);
    setObjectName(name);
    group_->setObjectName(name + QLatin1String("Group"));
    group_->setExclusive(true);
    for (int i = 0; i < definition.count; ++i) {
        auto* option = new QRadioButton(frame);
        option->setObjectName(name + QLatin1Char('_') + QString::number(i));
        group_->addButton(option, i);
        options_.append(option);
    }
    retranslate();
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            Q_EMIT clicked(id);
        }
    });
}

void OptionGroup::retranslate() {
    for (int i = 0; i < count(); ++i) {
        options_.at(i)->setText(SettingCaptions::option(*definition_.names, i));
    }
}

int OptionGroup::selectedIndex() const {
    return group_->checkedId();
}

void OptionGroup::show(int index) {
    const QSignalBlocker blockGroup(group_);
    const bool exclusive = group_->exclusive();
    group_->setExclusive(false); // lets the last option be cleared too
    for (int i = 0; i < count(); ++i) {
        const QSignalBlocker blocker(options_.at(i));
        options_.at(i)->setChecked(i == index);
    }
    group_->setExclusive(exclusive);
    keepTabStopOnChecked(*group_);
}

void OptionGroup::select(int index) {
    options_.at(index)->setChecked(true);
    keepTabStopOnChecked(*group_);
}

void OptionGroup::selectAndRun(int index) {
    if (options_.at(index)->isChecked()) {
        Q_EMIT clicked(index);
    } else {
        select(index);
    }
}

void OptionGroup::setOptionEnabled(int index, bool enabled) {
    options_.at(index)->setEnabled(enabled);
    keepTabStopOnChecked(*group_);
}

} // namespace rv
