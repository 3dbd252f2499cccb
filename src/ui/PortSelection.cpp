#include "ui/PortSelection.h"

#include "files/SettingsStore.h"
#include "link/PortDevices.h"
#include "link/SerialLink.h"
#include "model/Setup.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QSignalBlocker>

namespace rv {

PortSelection::PortSelection(Setup& set, SerialLink& port, QComboBox* portBox, QObject* parent)
    : QObject(parent), set_(set), port_(port), portBox_(portBox) {
    // Before the first fill the box has no entries and shows "COM 1".
    portBox_->setPlaceholderText(QStringLiteral("COM 1"));
    connect(portBox_, &QComboBox::activated, this, &PortSelection::selectPort);

    deviceLabel_ = new QLabel(portBox_->parentWidget());
    deviceLabel_->setObjectName(QStringLiteral("PortDevice"));
    if (QLayout* layout = portBox_->parentWidget()->layout()) {
        layout->addWidget(deviceLabel_);
    }
    // Asking the system for its serial ports takes milliseconds: do it when
    // the list can be seen, not while a file is loaded.
    portBox_->parentWidget()->installEventFilter(this);
}

bool PortSelection::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        showDevice();
    }
    return QObject::eventFilter(watched, event);
}

void PortSelection::fill() {
    {
        const QSignalBlocker block(portBox_);
        portBox_->clear();
        for (int number = 1; number <= 16; ++number) {
            portBox_->addItem(QStringLiteral("Com%1").arg(number));
        }
        portBox_->setCurrentIndex(port_.portNumber() - 1);
    }
    selectPort(port_.portNumber() - 1);
}

void PortSelection::selectPort(int position) {
    if (position < 0 || position > 15) {
        return;
    }
    if (port_.isOpen()) {
        // A command holds the port: its number cannot change now, so the pick is ignored.
        const QSignalBlocker block(portBox_);
        portBox_->setCurrentIndex(port_.portNumber() - 1);
        return;
    }
    const int number = position + 1;
    const bool changed = number != port_.portNumber();
    if (changed) {
        set_.changed = true;
    }
    port_.setPortNumber(number);
    SettingsStore::write(QStringLiteral("ComPort"), QString::number(port_.portNumber()));
    if (changed || portBox_->isVisible()) {
        showDevice();
    }
}

void PortSelection::showDevice() {
    const QString device = portDevice(port_.portNumber());
    const QString shown = device.isEmpty() ? QStringLiteral("\u2014") : device;
    deviceLabel_->setText(shown);
    const QString tip = device.isEmpty() ? tr("No serial device found for this port.") : device;
    deviceLabel_->setToolTip(tip);
    portBox_->setToolTip(tip);
}

} // namespace rv
