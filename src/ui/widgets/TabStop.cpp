// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/TabStop.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <algorithm>

namespace rv {

void keepTabStopOnChecked(QButtonGroup& group) {
    const auto usable = [](const QAbstractButton& button) {
        return !button.isHidden() && button.isEnabled();
    };
    const QList<QAbstractButton*> buttons = group.buttons();
    QAbstractButton* stop = group.checkedButton();
    if (stop == nullptr || !usable(*stop)) {
        const auto first = std::find_if(buttons.begin(), buttons.end(),
                                        [&usable](const QAbstractButton* b) { return usable(*b); });
        stop = first == buttons.end() ? nullptr : *first;
    }
    for (QAbstractButton* button : buttons) {
        button->setFocusPolicy(Qt::ClickFocus);
    }
    if (stop != nullptr) {
        stop->setFocusPolicy(Qt::StrongFocus);
    }
}

} // namespace rv
