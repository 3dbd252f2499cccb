#pragma once

#include "model/ParameterSet.h"

namespace rv {

// The neutral starting setup shipped as Default.rvc: linear curves, channels
// as "Tarvik Mode 1", mid-range gains, 1500 rpm, lights off. A starting
// point for a newcomer, not a tuned setup.
ParameterSet neutralSetup();

} // namespace rv
