// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/PortDevices.h"

#include "core/link/SerialLink.h"
#include "core/settings/SettingsStore.h"

namespace rv {

QString portDevice(int portNumber) {
    return SerialLink::deviceForPort(portNumber, SettingsStore::pinnedDevice(portNumber));
}

} // namespace rv
