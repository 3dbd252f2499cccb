#include "ui/ChannelOptionButton.h"

#include <QMouseEvent>

namespace rv {

ChannelOptionButton::ChannelOptionButton(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(false);
}

void ChannelOptionButton::nextCheckState() {
    if (!isChecked()) {
        setChecked(true);
    }
}

void ChannelOptionButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        Q_EMIT doubleClicked();
        return;
    }
    QRadioButton::mouseDoubleClickEvent(event);
}

} // namespace rv
