#pragma once

#include <QObject>

class QComboBox;
class QLabel;

namespace rv {

class SerialLink;
struct Setup;

// The port list cboPort: sixteen entries "Com1".."Com16", refilled whenever a
// parameter file is applied, and the device behind the selected entry shown
// beside it.
class PortSelection : public QObject {
    Q_OBJECT
public:
    PortSelection(Setup& set, SerialLink& port, QComboBox* portBox, QObject* parent = nullptr);

    // Replaces the entries and selects the current port, which runs selectPort.
    void fill();
    // A selection, by the user or the program: list position 0..15.
    void selectPort(int position);

    QLabel* deviceLabel() const { return deviceLabel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDevice();

    Setup& set_;
    SerialLink& port_;
    QComboBox* portBox_;
    QLabel* deviceLabel_ = nullptr;
};

} // namespace rv
