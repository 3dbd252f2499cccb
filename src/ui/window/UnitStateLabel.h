// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace rv {

class DeviceCommands;
class SetupDocument;

// The status bar's note of what the unit was last sent in this run: the file,
// the time, and whether the window has changed since. It follows the
// transfers and every change of the window's setup.
class UnitStateLabel : public QLabel {
    Q_OBJECT
public:
    UnitStateLabel(const DeviceCommands& device, const SetupDocument& document,
                   QWidget* parent = nullptr);

    // Shows the state as it is now.
    void refresh();

private:
    const DeviceCommands& device_;
};

} // namespace rv
