// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/device/PortSelection.h"

#include "core/link/PortDevices.h"
#include "core/link/SerialLink.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "core/settings/SettingsStore.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QSerialPortInfo>
#include <QSignalBlocker>

#include <algorithm>

namespace rv {

PortSelection::PortSelection(SetupDocument& document, SerialLink& port, QComboBox* portBox,
                             QObject* parent)
    : QObject(parent), document_(document), port_(port), portBox_(portBox) {
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
    recheck_ = new QTimer(this);
    recheck_->setInterval(RecheckIntervalMs);
    connect(recheck_, &QTimer::timeout, this, &PortSelection::recheckDevice);
}

bool PortSelection::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        showDevice();
        recheck_->start();
    } else if (event->type() == QEvent::Hide) {
        recheck_->stop();
    }
    return QObject::eventFilter(watched, event);
}

void PortSelection::recheckDevice() {
    // A transfer resolves its device when it opens the port; the label
    // waits until the port is free again.
    if (portBox_->isActiveWindow() && !port_.isOpen()) {
        showDevice();
    }
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
        document_.edit(SetupChange::Bookkeeping, [](Setup& setup) { setup.changed = true; });
    }
    port_.setPortNumber(number);
    SettingsStore::write(QStringLiteral("ComPort"), QString::number(port_.portNumber()));
    if (changed || portBox_->isVisible()) {
        showDevice();
    }
}

namespace {
// Whether the device is there now; a device named in the settings may not be.
bool isPresent(const QString& device) {
#ifdef Q_OS_WIN
    const auto ports = QSerialPortInfo::availablePorts();
    return std::any_of(ports.begin(), ports.end(), [&device](const QSerialPortInfo& info) {
        return info.portName().compare(device, Qt::CaseInsensitive) == 0;
    });
#else
    return QFileInfo::exists(device);
#endif
}
} // namespace

void PortSelection::showDevice() {
    const QString device = portDevice(port_.portNumber());
    QString shown = device;
    QString tip = device;
    if (device.isEmpty()) {
        shown = QStringLiteral("\u2014");
        tip = tr("No serial device found for this port.");
    } else if (!isPresent(device)) {
        shown = tr("%1 (not connected)").arg(device);
        tip = tr("%1 is not connected.").arg(device);
    }
    if (deviceLabel_->text() != shown) {
        deviceLabel_->setText(shown);
    }
    deviceLabel_->setToolTip(tip);
    portBox_->setToolTip(tip);
}

} // namespace rv
