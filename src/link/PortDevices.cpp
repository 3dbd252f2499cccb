// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortDevices.h"

#include "files/SettingsStore.h"
#include "link/SerialLink.h"

namespace rv {

QString portDevice(int portNumber) {
    return SerialLink::deviceForPort(portNumber, SettingsStore::pinnedDevice(portNumber));
}

} // namespace rv
