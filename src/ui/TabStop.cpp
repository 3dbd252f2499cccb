#include "ui/TabStop.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace rv {

void keepTabStopOnChecked(QButtonGroup& group) {
    const auto usable = [](const QAbstractButton* button) {
        return button != nullptr && !button->isHidden() && button->isEnabled();
    };
    QAbstractButton* stop = group.checkedButton();
    if (!usable(stop)) {
        stop = nullptr;
        for (QAbstractButton* button : group.buttons()) {
            if (usable(button)) {
                stop = button;
                break;
            }
        }
    }
    for (QAbstractButton* button : group.buttons()) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace rv
