// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/channels/PresetCheckBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace rv {

PresetCheckBox::PresetCheckBox(int index, const QString& text, QWidget* parent)
    : QCheckBox(text, parent), index_(index) {}

void PresetCheckBox::mousePressEvent(QMouseEvent* event) {
    pressReported_ = true;
    Q_EMIT presetPressed(index_);
    if (event->button() != Qt::LeftButton) {
        event->accept(); // other buttons apply the preset but never toggle the box
        return;
    }
    QCheckBox::mousePressEvent(event);
}

void PresetCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    if (pressReported_) {
        Q_EMIT presetReleased(index_);
    }
    if (event->button() != Qt::LeftButton) {
        event->accept();
    } else {
        QCheckBox::mouseReleaseEvent(event);
    }
    pressReported_ = false;
}

void PresetCheckBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && !pressReported_) {
        pressReported_ = true;
        Q_EMIT presetPressed(index_);
    }
    QCheckBox::keyPressEvent(event);
}

void PresetCheckBox::keyReleaseEvent(QKeyEvent* event) {
    const bool spaceUp = event->key() == Qt::Key_Space && !event->isAutoRepeat();
    if (spaceUp && pressReported_) {
        Q_EMIT presetReleased(index_);
    }
    QCheckBox::keyReleaseEvent(event);
    if (spaceUp) {
        pressReported_ = false;
    }
}

void PresetCheckBox::focusOutEvent(QFocusEvent* event) {
    pressReported_ = false;
    QCheckBox::focusOutEvent(event);
}

void PresetCheckBox::nextCheckState() {
    if (!pressReported_) {
        Q_EMIT presetPressed(index_);
        Q_EMIT presetReleased(index_);
    }
    QCheckBox::nextCheckState();
}

} // namespace rv
