// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class QComboBox;
class QLabel;

namespace rv {

class SerialLink;
class SetupDocument;

// The port list cboPort: sixteen entries "Com1".."Com16", refilled whenever a
// parameter file is applied, and the device behind the selected entry shown
// beside it: a device named in the settings is marked when it is not there.
// Adapters come and go while the window is open, so the device is looked up
// again every two seconds while the window is active and no command holds
// the port.
class PortSelection : public QObject {
    Q_OBJECT
public:
    PortSelection(SetupDocument& document, SerialLink& port, QComboBox* portBox,
                  QObject* parent = nullptr);

    // Replaces the entries and selects the current port, which runs selectPort.
    void fill();
    // A selection, by the user or the program: list position 0..15.
    void selectPort(int position);

    QLabel* deviceLabel() const { return deviceLabel_; }

    static constexpr int RecheckIntervalMs = 2000;
    // One look at the system's ports, as the timer takes it.
    void recheckDevice();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDevice();

    SetupDocument& document_;
    SerialLink& port_;
    QComboBox* portBox_;
    QLabel* deviceLabel_ = nullptr;
    QTimer* recheck_ = nullptr;
};

} // namespace rv
