// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

namespace rv {

class DeviceCommands;

// The status bar's note of what the unit was last sent in this run: the file,
// the time, and whether the window has changed since.
class UnitStateLabel : public QLabel {
    Q_OBJECT
public:
    UnitStateLabel(const DeviceCommands& device, QWidget* parent = nullptr);

    // Shows the state as it is now.
    void refresh();

private:
    const DeviceCommands& device_;
    // Edits reach the setup from every page without a common signal; a
    // comparison of the few block texts a few times a second costs nothing.
    QTimer poll_;
};

} // namespace rv
