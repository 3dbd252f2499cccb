// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace rv {

// A value display of the phase and speed rows that reports double clicks
// (which restore its value from the Parameter image). A disabled display
// receives no mouse events and so cannot be restored.
class FlightPhaseDisplay : public QLabel {
    Q_OBJECT
public:
    FlightPhaseDisplay(const QString& name, QWidget* parent);

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace rv
