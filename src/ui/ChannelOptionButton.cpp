#include "ui/ChannelOptionButton.h"

#include <QKeyEvent>
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
        // A double-click always follows a click that selected the option; when
        // that click never arrived, make up for it before clearing.
        if (!isChecked()) {
            setChecked(true);
        }
        Q_EMIT doubleClicked();
        return;
    }
    QRadioButton::mouseDoubleClickEvent(event);
}

void ChannelOptionButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && isChecked()) {
        event->accept();
        Q_EMIT doubleClicked();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

} // namespace rv
